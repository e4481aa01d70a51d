// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>
#include <optional>

#include "core/western/synastry/synastry.h"
#include "core/western/western_run.h"
#include "ui/shell/services.h"

class QMainWindow;
class QMdiArea;

namespace lumora::ui {

class WesternInputForm;
class WesternReportWindow;

// The Western test: owns its input form and report window and runs the core's test
// between them. The outcome of the last run is the test's state.
class WesternSession : public QObject {
  Q_OBJECT
 public:
  // The test windows are shown in the area; printing is owned by the main window.
  WesternSession(const Services& services, QMainWindow* main_window, QMdiArea& area);
  ~WesternSession() override;

  // Shows the input form centred at the top of the area (created on first use)
  // and hides the report window.
  void ShowInputForm();
  // Hides both windows; they keep their contents.
  void HideAll();
  // Prints the report (creating its window first when needed) as a document.
  void PrintReport();
  // Whether the window is this test's report window with a result to print.
  bool CanPrint(const QWidget* window) const;
  // From the report back to the input form.
  void BackToInputForm();
  // Closes both windows for good (program exit).
  void CloseAll();
  // Fills the report of the last run again in the language now in use.
  void Retranslate();

  QWidget* InputForm() const;
  QWidget* ReportWindow() const;
  WesternInputForm* Form() const;
  WesternReportWindow* Report() const;
  const std::optional<WesternTestResult>& LastResult() const { return last_; }

  // The Moon the next test computes with.
  void SetMoonModel(MoonModel model) { moon_model_ = model; }

 public slots:
  // Validates the form, runs the test and shows the report; or shows the message.
  void Calculate();

 private:
  WesternReportWindow& EnsureReport();

  Services services_;
  QMainWindow* main_window_;
  QMdiArea* area_;
  std::optional<WesternTestResult> last_;
  std::optional<SynastryReading> last_synastry_;  // of the same run
  QPointer<WesternInputForm> form_;
  QPointer<WesternReportWindow> report_;
  MoonModel moon_model_ = MoonModel::Standard;
};

}  // namespace lumora::ui
