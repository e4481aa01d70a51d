// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <array>

#include "core/entry/person_side.h"
#include "core/vedic/chart/charts_and_doshas.h"
#include "core/vedic/match/match.h"
#include "core/vedic/result/export_document.h"
#include "core/vedic/result/nakshatra_catalogue.h"
#include "core/vedic/result/rashi_catalogue.h"
#include "core/vedic/timing/timing_document.h"
#include "ui/shell/services.h"

class QCheckBox;
class QPushButton;
class QTabWidget;
class QTextBrowser;
class QWidget;
class QCloseEvent;

namespace lumora::ui {
class BirthDetailsPage;
class CatalogueTab;
class ChartsTab;
class GunaMilanTab;
class PoruthamPage;
class TimingTab;
}  // namespace lumora::ui

namespace lumora::ui {

// The pages of the result window's main tab strip, in their order.
enum class ResultPage {
  KundaliMatch,
  BoyRashi,
  GirlRashi,
  BoyNakshatra,
  GirlNakshatra,
  ChartsAndDoshas,
  Timing,
  AboutSoftware
};

// One finished Vedic match: birth details, the Guna Milan grid, the interpretation,
// both persons' rashi and nakshatra pages and the About pages.
class ResultWindow : public QMainWindow {
  Q_OBJECT
 public:
  ResultWindow(const Services& services, const MatchState& state, QWidget* parent = nullptr);

  // Fills the Guna Milan table; every value cell is named for screen readers by its
  // row and column ("Varna, points obtained, 1").
  void ShowGrid(const GunaMilanGrid& grid);
  void AppendReport(const ReportDocument& report);
  // Fills the "Porutham" tab from the match's poruthams and Papasamyam.
  void ShowPorutham(const MatchResult& result);
  // Fills one person's rashi or nakshatra page, with its picture, from the catalogue
  // record of that person's Moon sign or nakshatra.
  void ShowRashiPage(PersonSide side, const RashiRecord& record);
  void ShowNakshatraPage(PersonSide side, const NakshatraRecord& record);
  // Fills the "Charts And Doshas" tab. The moments are those behind the charts (absent,
  // with the charts, for a match from a profile file).
  void ShowChartsAndDoshas(const ChartsAndDoshas& charts, const std::optional<BirthMoment>& boy,
                           const std::optional<BirthMoment>& girl);
  void ShowScoreRange(const ScoreRange& range);
  // The persons of the "Timing" tab (it computes their periods when first shown), or none
  // for a match without birth details.
  void ShowTiming(const BirthMoment& boy, const std::string& boy_zone, const BirthMoment& girl,
                  const std::string& girl_zone, Ayanamsa ayanamsa);
  void ClearTiming();
  // The timing as the documents carry it (computed now if the tab has not been shown).
  std::optional<MatchTiming> CurrentTiming();
  // The uncertainty chosen for the score range, in minutes either side.
  int Uncertainty() const;

  // The selected page of the main tab strip.
  ResultPage SelectedPage() const;
  void SelectPage(ResultPage page);
  // Whether a saved match document should also hold both persons' rashi and
  // nakshatra pages.
  bool IncludeCatalogues() const;
  // A line in the status bar, such as where a file was saved.
  void ShowStatus(const QString& text);
  // The style the charts are drawn in, for the documents made from this window.
  ChartStyle SelectedChartStyle() const;

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
  QWidget* BuildInterpretationPage();

  Services services_;
  QTabWidget* all_ = nullptr;
  BirthDetailsPage* details_ = nullptr;
  GunaMilanTab* grid_ = nullptr;
  PoruthamPage* porutham_ = nullptr;
  QTextBrowser* report_ = nullptr;
  std::array<CatalogueTab*, 2> rashi_{};      // boy's, girl's
  std::array<CatalogueTab*, 2> nakshatra_{};  // boy's, girl's
  ChartsTab* charts_ = nullptr;
  TimingTab* timing_ = nullptr;
  QPushButton* save_ = nullptr;
  QCheckBox* catalogues_ = nullptr;
  QString boy_name_;
  QString girl_name_;
};

}  // namespace lumora::ui
