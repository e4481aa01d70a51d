// SPDX-License-Identifier: MIT
#include "ui/western/western_session.h"

#include <QMainWindow>
#include <QShortcut>
#include <QTextDocument>

#include "core/western/synastry/synastry_document.h"
#include "core/western/synastry/western_synastry.h"
#include "core/western/western_document.h"
#include "documents/document_layout.h"

#include "ui/shell/child_window.h"
#include "ui/shell/language_choice.h"
#include "ui/shell/rich_text.h"
#include "ui/western/western_input_form.h"
#include "ui/western/western_report_window.h"

namespace lumora::ui {

WesternSession::WesternSession(const Services& services, QMainWindow* main_window, QMdiArea& area)
    : QObject(main_window), services_(services), main_window_(main_window), area_(&area) {}

WesternSession::~WesternSession() {
  CloseAll();
}

QWidget* WesternSession::InputForm() const {
  return form_;
}

QWidget* WesternSession::ReportWindow() const {
  return report_;
}

WesternInputForm* WesternSession::Form() const {
  return form_;
}

WesternReportWindow* WesternSession::Report() const {
  return report_;
}

void WesternSession::ShowInputForm() {
  if (report_) {
    report_->hide();
  }
  if (!form_) {
    // Closing the form discards it with its entries; the next opening starts afresh.
    form_ = new WesternInputForm(services_);
    form_->setAttribute(Qt::WA_DeleteOnClose);
    connect(form_, &WesternInputForm::CalculateRequested, this, &WesternSession::Calculate);
    form_->resize(form_->sizeHint());
  }
  ShowChildWindow(*area_, *form_);
}

void WesternSession::HideAll() {
  for (QWidget* window : std::initializer_list<QWidget*>{form_, report_}) {
    if (window) {
      window->hide();
    }
  }
}

WesternReportWindow& WesternSession::EnsureReport() {
  if (!report_) {
    // Closing the report only hides it: its values stay for printing until the next run.
    report_ = new WesternReportWindow;
    // Escape leaves the report for its form, as Back does.
    auto* escape = new QShortcut(QKeySequence::Cancel, report_);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &WesternSession::BackToInputForm);
  }
  return *report_;
}

void WesternSession::PrintReport() {
  EnsureReport();
  // The report as a document, so the printer lays out vector text at its own
  // resolution; before any run the report's labels are empty.
  QTextDocument document;
  const WesternTestResult result = last_.value_or(WesternTestResult{});
  Document composed = ComposeWesternDocument(result, CurrentLanguage());
  if (last_synastry_) {
    AppendSynastrySection(composed, *last_synastry_, result.Report.mName, result.Report.fName,
                          CurrentLanguage());
  }
  documents::RenderDocument(composed, document);
  services_.Printer->PrintDocument(main_window_, document);
}

bool WesternSession::CanPrint(const QWidget* window) const {
  return window != nullptr && window == report_ && last_.has_value();
}

void WesternSession::BackToInputForm() {
  ShowInputForm();
}

void WesternSession::CloseAll() {
  for (QWidget* window : std::initializer_list<QWidget*>{report_, form_}) {
    if (window) {
      window->close();
      delete window;
    }
  }
}

void WesternSession::Retranslate() {
  if (!report_) {
    return;
  }
  // The report is made anew in the language in use, on the page it showed.
  const bool shown = report_->isVisible();
  const int page = report_->Pages()->currentIndex();
  QWidget* old = std::exchange(report_, nullptr);
  old->close();
  delete old;
  WesternReportWindow& report = EnsureReport();
  if (last_) {
    report.Fill(*last_);
    if (last_synastry_) {
      report.FillSynastry(*last_synastry_, *last_);
    }
  }
  report.Pages()->setCurrentIndex(page);
  if (shown) {
    ShowChildWindow(*area_, report);
  }
}

void WesternSession::Calculate() {
  if (!form_) {
    return;
  }
  const WesternForm entries = form_->Entries();
  // A form that would run as it stands, but with a date and time never set, is asked about
  // first; a form with a fault shows its fault.
  if (!IsRefused(ValidateWesternInput(entries))) {
    for (const PersonSide side : kPersonSides) {
      if (IsUntouchedBirthTime(entries[side]) &&
          !services_.Messages->Confirm(form_, ToQString(UntouchedBirthTimeQuestion(
                                                  entries[side], FormKind::Western, side)))) {
        form_->FocusDate(side);
        return;
      }
    }
  }
  WesternTestOutcome outcome = RunWesternTest(entries, moon_model_);
  if (const auto* message = std::get_if<FormFailure>(&outcome)) {
    services_.Messages->Show(form_, MessageText(message->Message), message->Icon);
    form_->Apply(*message);
    return;
  }
  last_ = std::get<WesternTestResult>(std::move(outcome));
  // The form passed its checks, so its synastry is not refused either.
  last_synastry_.reset();
  auto synastry = WesternFormSynastry(form_->Entries(), SynastryOptions{});
  if (auto* reading = std::get_if<SynastryReading>(&synastry)) {
    last_synastry_ = std::move(*reading);
  }
  WesternReportWindow& report = EnsureReport();
  report.Fill(*last_);
  if (last_synastry_) {
    report.FillSynastry(*last_synastry_, *last_);
  }
  form_->hide();
  ShowChildWindow(*area_, report);
}

}  // namespace lumora::ui
