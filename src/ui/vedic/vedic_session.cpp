// SPDX-License-Identifier: MIT
#include "ui/vedic/vedic_session.h"

#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QMainWindow>
#include <QShortcut>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTextDocument>
#include <tuple>
#include <utility>

#include "core/file_access.h"
#include "core/vedic/entry/couple_file.h"
#include "core/vedic/result/export_document.h"
#include "core/vedic/result/match_document.h"
#include "documents/document_layout.h"
#include "documents/pdf_export.h"
#include "ui/shell/child_window.h"
#include "ui/shell/language_choice.h"
#include "ui/shell/pdf_save.h"
#include "ui/shell/rich_text.h"
#include "ui/shell/window_placement.h"
#include "ui/vedic/entry/birth_details_form.h"
#include "ui/vedic/entry/time_zone_picker.h"
#include "ui/vedic/result/report_window.h"
#include "ui/vedic/result/result_window.h"

namespace lumora::ui {

VedicSession::VedicSession(const Services& services, QMainWindow* main_window, QMdiArea& area)
    : QObject(main_window), services_(services), main_window_(main_window), area_(&area) {}

VedicSession::~VedicSession() {
  CloseAll();
}

BirthDetailsForm* VedicSession::Form() const {
  return form_;
}
ResultWindow* VedicSession::Result() const {
  return result_;
}
ReportWindow* VedicSession::Report() const {
  return report_;
}
TimeZonePicker* VedicSession::Picker() const {
  return picker_;
}

void VedicSession::ShowInputForm() {
  if (result_) {
    result_->hide();
  }
  if (!form_) {
    form_ = new BirthDetailsForm(services_);
    form_->setAttribute(Qt::WA_DeleteOnClose);
    connect(form_, &BirthDetailsForm::MatchRequested, this, &VedicSession::Match);
    connect(form_, &BirthDetailsForm::OpenRequested, this, &VedicSession::OpenProfile);
    connect(form_, &BirthDetailsForm::SaveCoupleRequested, this, &VedicSession::SaveCouple);
    connect(form_, &BirthDetailsForm::OpenCoupleRequested, this, &VedicSession::OpenCouple);
    connect(form_, &BirthDetailsForm::TimeZoneHelpRequested, this,
            &VedicSession::ShowTimeZonePicker);
    form_->resize(form_->sizeHint().expandedTo(QSize(980, 560)));
  }
  ShowChildWindow(*area_, *form_);
}

void VedicSession::HideAll() {
  for (QWidget* window : std::initializer_list<QWidget*>{form_, result_, picker_}) {
    if (window) {
      window->hide();
    }
  }
}

void VedicSession::CloseAll() {
  for (QWidget* window : std::initializer_list<QWidget*>{report_, picker_, result_, form_}) {
    if (window) {
      window->close();
      delete window;
    }
  }
}

void VedicSession::ShowTimeZonePicker(bool boy) {
  picker_for_boy_ = boy;  // the last "TZ Help" click decides the side
  if (!picker_) {
    picker_ = new TimeZonePicker;
    connect(picker_, &TimeZonePicker::ZoneChosen, this, [this](int hours, int minutes) {
      if (form_) {
        form_->WriteZone(picker_for_boy_, hours, minutes);
      }
    });
  }
  ShowChildWindow(*area_, *picker_);
  // The keyboard goes with the picker, so a zone can be chosen without the mouse.
  picker_->List()->setFocus(Qt::OtherFocusReason);
}

void VedicSession::Match() {
  const BirthForm entries = form_ ? form_->Entries() : BirthForm{};
  // A form that would match as it stands, but with a date and time never set, is asked
  // about first; a form with a fault shows its fault.
  if (form_ && !IsRefused(ValidateBirthDetails(entries))) {
    for (const PersonSide side : kPersonSides) {
      if (IsUntouchedBirthTime(entries[side]) &&
          !services_.Messages->Confirm(
              form_, ToQString(UntouchedBirthTimeQuestion(entries[side], FormKind::Vedic, side)))) {
        form_->FocusDate(side);
        return;
      }
    }
  }
  MatchOutcome outcome = RunMatch(state_, entries, moon_model_, chart_options_);
  if (outcome.Failure) {
    services_.Messages->Show(form_, MessageText(outcome.Failure->Message), outcome.Failure->Icon);
    if (form_) {
      form_->Apply(*outcome.Failure);
    }
    return;
  }
  ShowResult(*outcome.Result);
}

void VedicSession::ShowResult(const MatchResult& result) {
  // Every match starts from a fresh result window.
  CloseResult();
  last_ = result;
  result_ = new ResultWindow(services_, state_);
  connect(result_, &ResultWindow::BackRequested, this, &VedicSession::Back);
  // Closed by the user rather than by this session: back to the form, as Back does,
  // never to a bare main window.
  connect(result_, &ResultWindow::Closed, this, [this, window = result_.data()] {
    if (result_ == window) {
      result_ = nullptr;
      window->deleteLater();
      ShowInputForm();
    }
  });
  // Escape closes the result, as it closes a dialog: back to the form.
  auto* escape = new QShortcut(QKeySequence::Cancel, result_);
  escape->setContext(Qt::WidgetWithChildrenShortcut);
  connect(escape, &QShortcut::activated, result_, &QWidget::close);
  connect(result_, &ResultWindow::SaveRequested, this, &VedicSession::Save);
  connect(result_, &ResultWindow::SavePdfRequested, this, &VedicSession::SavePdf);
  connect(result_, &ResultWindow::UncertaintyChanged, this, &VedicSession::UpdateScoreRange);
  // Each person's pages from the catalogue records of that person's Moon values.
  for (const auto& [side, moon] :
       {std::pair{PersonSide::Male, state_.Boy}, std::pair{PersonSide::Female, state_.Girl}}) {
    if (const auto record = RashiRecordOf(kSignNames[static_cast<std::size_t>(moon.Sign)])) {
      result_->ShowRashiPage(side, *record);
    }
    if (const auto record =
            NakshatraRecordOf(kNakshatraNames[static_cast<std::size_t>(moon.Nakshatra)])) {
      result_->ShowNakshatraPage(side, *record);
    }
  }
  result_->ShowGrid(result.Grid);
  result_->ShowPorutham(result);
  result_->AppendReport(result.Report);
  charts_ = ComputeChartsAndDoshas(state_, result.BoyMoment, result.GirlMoment,
                                   result_->Uncertainty(), MatchOptions());
  if (charts_) {
    result_->ShowChartsAndDoshas(*charts_, result.BoyMoment, result.GirlMoment);
    result_->AppendReport(ComposeDoshaSummary(charts_->Doshas, CurrentLanguage()));
  }
  if (result.BoyMoment && result.GirlMoment) {
    // The periods run from the Moon of the match's ayanamsa, as the charts do.
    result_->ShowTiming(*result.BoyMoment, result.BoyClock ? result.BoyClock->TimeZone : "",
                        *result.GirlMoment, result.GirlClock ? result.GirlClock->TimeZone : "",
                        MatchOptions().ayanamsa);
  } else {
    result_->ClearTiming();
  }
  if (form_) {
    form_->hide();
  }
  ShowChildWindow(*area_, *result_);
}

void VedicSession::Retranslate() {
  if (!result_ || !last_) {
    return;
  }
  const bool shown = result_->isVisible();
  const ResultPage page = result_->SelectedPage();
  const MatchResult result = *last_;
  ShowResult(result);
  result_->SelectPage(page);
  if (!shown) {
    ShowInputForm();
  }
}

void VedicSession::UpdateScoreRange(int minutes) {
  if (!result_ || !last_ || !charts_ || !last_->BoyMoment || !last_->GirlMoment) {
    return;
  }
  charts_->Range =
      CalculateScoreRange(*last_->BoyMoment, *last_->GirlMoment, minutes, state_.BoyDetails.Moon,
                          MatchOptions().ayanamsa, state_.Tables);
  result_->ShowScoreRange(*charts_->Range);
}

ChartOptions VedicSession::MatchOptions() const {
  // The options the shown match was computed with, even when Settings changed since.
  return state_.BoyDetails.Zodiac ? state_.BoyDetails.Zodiac->Options : chart_options_;
}

void VedicSession::CloseResult() {
  // Forgotten first, so that its Closed signal is known to come from here.
  if (ResultWindow* window = std::exchange(result_, nullptr)) {
    window->close();
    delete window;
  }
}

void VedicSession::Back() {
  CloseResult();
  ShowInputForm();
}

void VedicSession::Save() {
  if (!result_ || !last_) {
    return;
  }
  // The report window shows the document that it prints and saves.
  std::optional<Document> document = PageDocument(result_->SelectedPage());
  if (!document) {
    return;  // "About Software" has no document
  }
  if (!report_) {
    report_ = new ReportWindow(
        services_, [this] { return CurrentProfileValues(state_); }, result_);
  }
  report_->ShowDocument(std::move(*document), PdfStem());
  PlaceAtTopCentre(*report_);
  report_->open();
}

void VedicSession::SaveCouple() {
  if (!form_) {
    return;
  }
  const BirthForm entries = form_->Entries();
  const QString stem =
      QString::fromStdString(CoupleFileStem(entries.Male.Name, entries.Female.Name));
  const QString path = services_.Files->SaveFileName(
      form_,
      {QStringLiteral("Save Couple"), QStringLiteral("Couple files (*.lumora)"),
       QStringLiteral("lumora"), documents::DefaultSavePath(stem + QStringLiteral(".lumora"))});
  if (path.isEmpty()) {
    return;  // cancelled
  }
  const std::optional<QString> failure =
      SaveWholeFile(path, WriteCoupleFile(Couple{entries, state_.Tables, chart_options_}));
  if (failure) {
    const QString message = QStringLiteral("The couple file %1 could not be saved (%2).")
                                .arg(QDir::toNativeSeparators(path), *failure);
    services_.Messages->Show(form_, message, MessageIcon::Error);
    form_->statusBar()->showMessage(message);
    return;
  }
  form_->statusBar()->showMessage(QStringLiteral("Saved %1").arg(QDir::toNativeSeparators(path)));
}

void VedicSession::OpenCouple() {
  const QString path = services_.Files->OpenFileName(
      form_, {QStringLiteral("Open Couple"), QStringLiteral("Couple files (*.lumora)"),
              QStringLiteral("lumora"), QString()});
  if (!path.isEmpty()) {
    OpenCoupleFile(path);
  }
}

void VedicSession::OpenCoupleFile(const QString& path) {
  // Only a regular file is opened: a FIFO named *.lumora would wait for a writer with
  // the window frozen, a device would never end. A couple file is small; reading one
  // byte more than the limit is enough to refuse it.
  const FormResult<std::string> read = ReadRegularFile(path.toStdString(), kCoupleMaxBytes);
  if (const auto* failure = std::get_if<FormFailure>(&read)) {
    services_.Messages->Show(form_, MessageText(failure->Message), failure->Icon);
    return;
  }
  const FormResult<Couple> couple_read = ReadCoupleFile(std::get<std::string>(read));
  if (const auto* failure = std::get_if<FormFailure>(&couple_read)) {
    services_.Messages->Show(form_, MessageText(failure->Message), failure->Icon);
    return;
  }
  const Couple& couple = std::get<Couple>(couple_read);
  ShowInputForm();
  form_->SetEntries(couple.Form);
  // The couple is matched again with the tables, the ayanamsa and the node it was saved
  // with; the window names them.
  state_.Tables = couple.Tables;
  chart_options_ = couple.Chart;
  Match();
}

std::optional<MatchTiming> VedicSession::DocumentTiming(ResultPage page) {
  if (!result_ || (page != ResultPage::KundaliMatch && page != ResultPage::Timing)) {
    return std::nullopt;
  }
  return result_->CurrentTiming();
}

std::optional<Document> VedicSession::PageDocument(ResultPage page) {
  const bool catalogues = result_->IncludeCatalogues();
  const ChartStyle style = result_->SelectedChartStyle();
  // The documents speak the language of the windows.
  const Language language = CurrentLanguage();
  switch (page) {
    case ResultPage::KundaliMatch:
      return ComposeMatchDocument(state_, *last_, catalogues, charts_, style, DocumentTiming(page),
                                  language);
    case ResultPage::BoyRashi:
      return ComposeCatalogueDocument(state_, PersonSide::Male, CataloguePageKind::Rashi, language);
    case ResultPage::GirlRashi:
      return ComposeCatalogueDocument(state_, PersonSide::Female, CataloguePageKind::Rashi,
                                      language);
    case ResultPage::BoyNakshatra:
      return ComposeCatalogueDocument(state_, PersonSide::Male, CataloguePageKind::Nakshatra,
                                      language);
    case ResultPage::GirlNakshatra:
      return ComposeCatalogueDocument(state_, PersonSide::Female, CataloguePageKind::Nakshatra,
                                      language);
    case ResultPage::ChartsAndDoshas:
      if (!charts_) {
        return std::nullopt;
      }
      return ComposeChartsDocument(state_, *last_, *charts_, style, language);
    case ResultPage::Timing:
      if (const std::optional<MatchTiming> timing = DocumentTiming(page)) {
        return ComposeTimingDocument(state_, *timing, language);
      }
      return std::nullopt;
    case ResultPage::AboutSoftware:
      return std::nullopt;
  }
  return std::nullopt;
}

QString VedicSession::PdfStem() const {
  return QString::fromStdString(CoupleFileStem(state_.BoyDetails.Name, state_.GirlDetails.Name));
}

void VedicSession::SavePdf() {
  if (!result_ || !last_) {
    return;
  }
  const std::optional<Document> document = PageDocument(result_->SelectedPage());
  if (!document) {
    result_->ShowStatus(tr("The About Software page has no document to save"));
    return;
  }
  if (const auto status = SaveDocumentAsPdf(result_, services_, *document, PdfStem())) {
    result_->ShowStatus(*status);
  }
}

bool VedicSession::CanPrint(const QWidget* window) const {
  return window != nullptr && window == result_ && last_.has_value();
}

void VedicSession::PrintResult() {
  if (!result_ || !last_) {
    return;
  }
  // The page on screen, as Save As PDF writes it; the About Software page has none and
  // gives the whole match.
  const std::optional<Document> page = PageDocument(result_->SelectedPage());
  const Document document = page ? *page : *PageDocument(ResultPage::KundaliMatch);
  QTextDocument text;
  documents::RenderDocument(document, text);
  services_.Printer->PrintDocument(main_window_, text);
}

void VedicSession::OpenProfile() {
  const QString path = services_.Files->OpenFileName(
      form_, {QStringLiteral("Select the source file"),
              QStringLiteral("Lumora readings (*.lumora *.kun);;Couple files (*.lumora);;Lumo Free "
                             "Tarvik (*.kun)"),
              QStringLiteral("kun"), QString()});
  if (path.isEmpty()) {
    return;  // cancelled
  }
  OpenReading(path);
}

void VedicSession::OpenReading(const QString& path) {
  if (HasCoupleExtension(path.toStdString())) {
    OpenCoupleFile(path);
    return;
  }
  // Never more than the limit and one byte, and only from a regular file: a larger
  // file is refused without being read whole, a FIFO or device without being opened
  // for good.
  // The program has always answered any file it cannot take as a profile with the one
  // message.
  const FormResult<std::string> read = ReadRegularFile(path.toStdString(), kProfileFileLimit);
  const std::string* read_bytes = std::get_if<std::string>(&read);
  const std::string bytes = read_bytes != nullptr ? *read_bytes : std::string();
  if (read_bytes == nullptr || bytes.size() > lumora::kProfileFileLimit) {
    services_.Messages->Show(form_, MessageText(lumora::kProfileRefusal), MessageIcon::Error);
    return;
  }
  MatchOutcome outcome =
      lumora::OpenProfile(state_, QFileInfo(path).fileName().toStdString(), bytes);
  if (outcome.Failure) {
    services_.Messages->Show(form_, MessageText(outcome.Failure->Message), outcome.Failure->Icon);
    return;
  }
  ShowResult(*outcome.Result);
}

}  // namespace lumora::ui
