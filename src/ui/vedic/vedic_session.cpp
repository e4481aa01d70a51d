#include "ui/vedic/vedic_session.h"

#include <QFile>
#include <QFileInfo>
#include <QMainWindow>

#include "core/vedic/result/export_document.h"
#include "ui/shell/main_window.h"
#include "ui/shell/rich_text.h"
#include "ui/vedic/entry/birth_details_form.h"
#include "ui/vedic/entry/report_window.h"
#include "ui/vedic/entry/time_zone_picker.h"
#include "ui/vedic/result/result_window.h"

namespace lumora::ui {

VedicSession::VedicSession(const Services& services, QMainWindow* main_window)
    : QObject(main_window), services_(services), main_window_(main_window) {}

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
    connect(form_, &BirthDetailsForm::TimeZoneHelpRequested, this,
            &VedicSession::ShowTimeZonePicker);
    form_->resize(form_->sizeHint().expandedTo(QSize(980, 560)));
  }
  PlaceAtTopCentre(*form_);
  form_->show();
  form_->raise();
  form_->activateWindow();
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
    picker_ = new TimeZonePicker(form_);
    picker_->setWindowFlag(Qt::Window);
    connect(picker_, &TimeZonePicker::ZoneChosen, this, [this](int hours, int minutes) {
      if (form_) {
        form_->WriteZone(picker_for_boy_, hours, minutes);
      }
    });
  }
  PlaceAtTopCentre(*picker_);
  picker_->show();
  picker_->raise();
}

void VedicSession::Match() {
  const BirthForm entries = form_ ? form_->Entries() : BirthForm{};
  MatchOutcome outcome = RunMatch(state_, entries, moon_model_);
  if (outcome.Failure) {
    services_.Messages->Show(form_, ToQString(outcome.Failure->Message), outcome.Failure->Icon);
    if (form_) {
      form_->Apply(*outcome.Failure);
    }
    return;
  }
  ShowResult(*outcome.Result);
}

void VedicSession::ShowResult(const MatchResult& result) {
  // Every match starts from a fresh result window: the catalogues fill the boy's
  // pages first because they are still empty.
  if (result_) {
    result_->close();
    delete result_;
  }
  last_ = result;
  result_ = new ResultWindow(services_, state_);
  connect(result_, &ResultWindow::BackRequested, this, &VedicSession::Back);
  connect(result_, &ResultWindow::SaveRequested, this, &VedicSession::Save);
  connect(result_, &ResultWindow::UncertaintyChanged, this, &VedicSession::UpdateScoreRange);
  result_->ShowRashiInformation(state_.BoyRashi);
  result_->ShowRashiInformation(state_.GirlRashi);
  result_->ShowNakshatraInformation(state_.BoyNakshatra);
  result_->ShowNakshatraInformation(state_.GirlNakshatra);
  result_->SetGrid(result.Grid);
  result_->AppendReport(result.Report);
  charts_ =
      ComputeChartsAndDoshas(state_, result.BoyMoment, result.GirlMoment, result_->Uncertainty());
  if (charts_) {
    result_->ShowChartsAndDoshas(*charts_, result.BoyMoment, result.GirlMoment);
    result_->AppendReport(ComposeDoshaSummary(charts_->Doshas));
  }
  if (form_) {
    form_->hide();
  }
  PlaceAtTopCentre(*result_);
  result_->show();
  result_->raise();
  result_->activateWindow();
}

void VedicSession::UpdateScoreRange(int minutes) {
  if (!result_ || !last_ || !charts_ || !last_->BoyMoment || !last_->GirlMoment) {
    return;
  }
  charts_->Range =
      CalculateScoreRange(*last_->BoyMoment, *last_->GirlMoment, minutes, state_.BoyDetails.Moon);
  result_->ShowScoreRange(*charts_->Range);
}

void VedicSession::Back() {
  if (result_) {
    result_->close();
    delete result_;
  }
  ShowInputForm();
}

void VedicSession::Save() {
  if (!result_ || !last_) {
    return;
  }
  ExportInputs inputs = result_->ReadExportInputs(state_, last_->Kootas, last_->Texts);
  if (charts_) {
    inputs.ChartsSection = ComposeChartsSection(*charts_, state_.BoyDetails, state_.GirlDetails,
                                                last_->BoyMoment, last_->GirlMoment, kCreditLine);
  }
  const ReportDocument document = BuildExportDocument(result_->SelectedTab(), inputs);
  if (document.empty()) {
    return;  // "About Software" has no document
  }
  if (!report_) {
    report_ = new ReportWindow(
        services_, [this] { return CurrentProfileValues(state_); }, result_);
  }
  report_->ShowDocument(document);
  PlaceAtTopCentre(*report_);
  report_->open();
}

void VedicSession::OpenProfile() {
  const QString path = services_.Files->OpenFileName(
      form_, {QStringLiteral("Select the source file"), QStringLiteral("Lumo Free Tarvik (*.kun)"),
              QStringLiteral("kun")});
  if (path.isEmpty()) {
    return;  // cancelled
  }
  QFile file(path);
  QByteArray bytes;
  if (file.open(QIODevice::ReadOnly)) {
    bytes = file.readAll();
  }
  MatchOutcome outcome = lumora::OpenProfile(state_, QFileInfo(path).fileName().toStdString(),
                                             std::string_view(bytes.constData(), bytes.size()));
  if (outcome.Failure) {
    services_.Messages->Show(form_, ToQString(outcome.Failure->Message), outcome.Failure->Icon);
    return;
  }
  ShowResult(*outcome.Result);
}

}  // namespace lumora::ui
