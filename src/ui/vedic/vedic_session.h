// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>
#include <optional>

#include "core/document.h"
#include "core/vedic/chart/charts_and_doshas.h"
#include "core/vedic/match/match.h"
#include "core/vedic/timing/timing_document.h"
#include "ui/shell/services.h"

class QMainWindow;
class QMdiArea;

namespace lumora::ui {

class BirthDetailsForm;
class ReportWindow;
class ResultWindow;
class TimeZonePicker;
enum class ResultPage;

// The Vedic test: owns its match state and its windows, and runs the match driver
// of the core between them.
class VedicSession : public QObject {
  Q_OBJECT
 public:
  // The test windows are shown in the area; modal dialogs stay windows of their own.
  VedicSession(const Services& services, QMainWindow* main_window, QMdiArea& area);
  ~VedicSession() override;

  // The birth-details form, created on first use, centred at the top of the area;
  // the result window is hidden (it keeps its contents).
  void ShowInputForm();
  void HideAll();
  void CloseAll();
  // Remakes the result window of the last match in the language now in use, on the page it
  // showed; the form sets its own texts anew.
  void Retranslate();

  BirthDetailsForm* Form() const;
  ResultWindow* Result() const;
  ReportWindow* Report() const;
  TimeZonePicker* Picker() const;
  const MatchState& State() const { return state_; }

  // Whether the window is this test's result window with a page that has a document,
  // which the main window's Print then prints.
  bool CanPrint(const QWidget* window) const;
  void PrintResult();

  // The Moon the next match computes with.
  void SetMoonModel(MoonModel model) { moon_model_ = model; }
  // The ayanamsa and node of the next match: its Moons, charts, doshas and timing.
  void SetChartOptions(const ChartOptions& options) { chart_options_ = options; }
  const ChartOptions& Options() const { return chart_options_; }
  // The koota tables of the next match.
  void SetKootaTables(KootaTables tables) { state_.Tables = tables; }
  KootaTables Tables() const { return state_.Tables; }

 public slots:
  void Match();
  void OpenProfile();
  void SaveCouple();
  void OpenCouple();
  void Back();
  void CloseResult();
  void Save();
  void SavePdf();
  void ShowTimeZonePicker(bool boy);
  // Opens a couple file (refilling the form and matching) or a profile file (showing its
  // result), told apart by the name's ending; a file refused says why.
  void OpenReading(const QString& path);

 private:
  void ShowResult(const MatchResult& result);
  QString PdfStem() const;
  // The timing a page's document carries: the match page's and the timing page's.
  std::optional<MatchTiming> DocumentTiming(ResultPage page);
  // The document of a page of the result window, as the report window shows it, the printer
  // prints it and Save As PDF writes it; nothing for "About Software" and for the charts and
  // timing pages of a match without them.
  std::optional<Document> PageDocument(ResultPage page);
  // Opens a couple file: refills both sides of the form and runs the match; a file
  // that is refused changes nothing.
  void OpenCoupleFile(const QString& path);
  void UpdateScoreRange(int minutes);
  ChartOptions MatchOptions() const;

  Services services_;
  QMainWindow* main_window_;
  QMdiArea* area_;
  MatchState state_;
  std::optional<MatchResult> last_;
  std::optional<ChartsAndDoshas> charts_;  // of the last match
  QPointer<BirthDetailsForm> form_;
  QPointer<ResultWindow> result_;
  QPointer<ReportWindow> report_;
  QPointer<TimeZonePicker> picker_;
  bool picker_for_boy_ = true;
  MoonModel moon_model_ = MoonModel::Standard;
  ChartOptions chart_options_;
};

}  // namespace lumora::ui
