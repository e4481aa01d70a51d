// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <array>

#include "core/vedic/chart/charts_and_doshas.h"
#include "core/vedic/match/match.h"
#include "core/vedic/result/export_document.h"
#include "ui/shell/services.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class QLabel;
class QTabWidget;
class QTextBrowser;
class QWidget;
class QCloseEvent;

namespace lumora::ui {
class ChartView;
}

namespace lumora::ui {

// One finished Vedic match: birth details, the Guna Milan grid, the interpretation,
// both persons' rashi and nakshatra pages and the About pages.
class ResultWindow : public QMainWindow {
  Q_OBJECT
 public:
  ResultWindow(const Services& services, const MatchState& state, QWidget* parent = nullptr);

  void SetGrid(const GridCaptions& grid);
  void AppendReport(const ReportDocument& report);
  // Write a record into the boy's page while it is still empty, otherwise into
  // the girl's; a name outside the catalogue writes nothing.
  void ShowRashiInformation(const std::string& english_name);
  void ShowNakshatraInformation(const std::string& nakshatra_name);
  // Fills the "Charts And Doshas" tab. The moments are those behind the charts (absent,
  // with the charts, for a match from a profile file).
  void ShowChartsAndDoshas(const ChartsAndDoshas& charts, const std::optional<BirthMoment>& boy,
                           const std::optional<BirthMoment>& girl);
  void ShowScoreRange(const ScoreRange& range);
  // The uncertainty chosen for the score range, in minutes either side.
  int Uncertainty() const;

  // The selected tab of the main tab strip, numbered from 1.
  int SelectedTab() const;
  // Whether a saved match document should also hold both persons' rashi and
  // nakshatra pages.
  bool IncludeCatalogues() const;
  // A line in the status bar, such as where a file was saved.
  void ShowStatus(const QString& text);
  // The style the charts are drawn in, for the documents made from this window.
  ChartStyle SelectedChartStyle() const { return chart_style_value_; }

 signals:
  void SaveRequested();
  void SavePdfRequested();
  void BackRequested();
  void UncertaintyChanged(int minutes);
  // The window was closed, by its owner or by the user (the title bar's close button,
  // Alt+F4); the owner tells the two apart.
  void Closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* BuildDetailsPage();
  QWidget* BuildGridPage();
  QWidget* BuildInterpretationPage();
  QGroupBox* BuildRashiFrame(char prefix, const QString& caption);
  QGroupBox* BuildNakshatraFrame(const QString& prefix, const QString& caption);
  QWidget* BuildAboutPage(const QString& name);
  QWidget* BuildChartsPage();
  void ApplyChartStyle(int index);
  QWidget* Field(QWidget* parent, const QString& name, bool prose);
  QString FieldText(const QString& name) const;
  void SetFieldText(const QString& name, const QString& text);
  PageTexts ReadPage(const QString& prefix, const QString& heading_label,
                     const QString& heading_field, bool rashi) const;
  void ChoosePictures();

  Services services_;
  QTabWidget* all_ = nullptr;
  std::array<QLabel*, kGridCaptionCount> grid_{};
  QTextBrowser* report_ = nullptr;
  QPushButton* save_ = nullptr;
  QCheckBox* catalogues_ = nullptr;
  QString boy_name_;
  QString girl_name_;
  QComboBox* chart_style_ = nullptr;
  ChartStyle chart_style_value_ = ChartStyle::NorthIndian;
  QComboBox* uncertainty_ = nullptr;
  QWidget* chart_details_ = nullptr;         // everything that needs birth details
  std::array<ChartView*, 2> chart_views_{};  // boy's, girl's
};

}  // namespace lumora::ui
