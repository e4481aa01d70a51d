// SPDX-License-Identifier: MIT
#include "ui/vedic/result/result_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/shell/about_box.h"
#include "ui/shell/language_choice.h"
#include "ui/shell/rich_text.h"
#include "ui/shell/settings_dialog.h"
#include "ui/shell/window_placement.h"
#include "ui/vedic/result/birth_details_page.h"
#include "ui/vedic/result/catalogue_tab.h"
#include "ui/vedic/result/charts_tab.h"
#include "ui/vedic/result/guna_milan_tab.h"
#include "ui/vedic/result/porutham_page.h"
#include "ui/vedic/result/result_widgets.h"
#include "ui/vedic/result/timing_tab.h"

namespace lumora::ui {

namespace {

std::size_t SideIndex(PersonSide side) {
  return side == PersonSide::Male ? 0 : 1;
}

}  // namespace

ResultWindow::ResultWindow(const Services& services, const MatchState& state, QWidget* parent)
    : QMainWindow(parent), services_(services) {
  setObjectName(QStringLiteral("frmTarvikVedicResult"));
  setWindowTitle(QStringLiteral("Lumo Tarvik"));
  setWindowIcon(QIcon(QStringLiteral(":/resources/app/vedic.svg")));
  setAttribute(Qt::WA_DeleteOnClose);

  // The window is made anew when the language changes (VedicSession::Retranslate): every
  // text below is set in the language in use.
  QMenu* file = menuBar()->addMenu(tr("&File"));
  QAction* back_action = file->addAction(tr("&Back"));
  back_action->setObjectName(QStringLiteral("mnuBack"));
  connect(back_action, &QAction::triggered, this, &ResultWindow::BackRequested);
  AddHelpMenu(*this, services_);

  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* layout = new QVBoxLayout(central);
  all_ = new QTabWidget(central);
  all_->setObjectName(QStringLiteral("TSAll"));
  all_->setAccessibleName(tr("Result pages"));
  layout->addWidget(all_);

  // Tab 1: the match itself, with its own three pages.
  auto* guna = new QGroupBox(tr("Your Kundali Match on the basis of Ashta Kutas Guna Milan"));
  guna->setObjectName(QStringLiteral("fraGuna"));
  auto* guna_layout = new QVBoxLayout(guna);
  auto* details_tabs = new QTabWidget(guna);
  details_tabs->setObjectName(QStringLiteral("TSD"));
  details_tabs->setAccessibleName(tr("Kundali match pages"));
  details_ = new BirthDetailsPage;
  details_tabs->addTab(details_, tr("Boy's And Girl's Birth Details"));
  grid_ = new GunaMilanTab(state.Tables, state.Boy, state.Girl);
  details_tabs->addTab(grid_, tr("Guna Milan"));
  porutham_ = new PoruthamPage(details_tabs);
  details_tabs->addTab(porutham_, tr("Porutham"));
  details_tabs->addTab(BuildInterpretationPage(), tr("Interpretation"));
  // The South Indian method first, where the settings ask for it.
  if (StoredOpeningMethod() == OpeningMethod::Porutham) {
    details_tabs->setCurrentWidget(porutham_);
  }
  guna_layout->addWidget(details_tabs);
  all_->addTab(guna, tr("Kundali Match"));

  for (const PersonSide side : {PersonSide::Male, PersonSide::Female}) {
    rashi_[SideIndex(side)] = new CatalogueTab(CatalogueTab::Kind::Rashi, side, services_.Browser);
  }
  for (const PersonSide side : {PersonSide::Male, PersonSide::Female}) {
    nakshatra_[SideIndex(side)] =
        new CatalogueTab(CatalogueTab::Kind::Nakshatra, side, services_.Browser);
  }
  all_->addTab(rashi_[0], tr("Boy's Rashi"));
  all_->addTab(rashi_[1], tr("Girl's Rashi"));
  all_->addTab(nakshatra_[0], tr("Boy's Nakshatra"));
  all_->addTab(nakshatra_[1], tr("Girl's Nakshatra"));
  boy_name_ = ToQString(state.BoyDetails.Name);
  girl_name_ = ToQString(state.GirlDetails.Name);
  charts_ = new ChartsTab(*all_, boy_name_, girl_name_,
                          [this](int minutes) { emit UncertaintyChanged(minutes); });
  all_->addTab(charts_, tr("Charts And Doshas"));
  timing_ = new TimingTab(all_);
  all_->addTab(timing_, tr("Timing"));
  auto* about = new QGroupBox(tr("About Software"));
  about->setObjectName(QStringLiteral("fraAbout"));
  auto* about_layout = new QVBoxLayout(about);
  about_layout->addWidget(NewAboutPage(QStringLiteral("About"), services_.Browser));
  all_->addTab(about, tr("About Software"));

  auto* buttons = new QHBoxLayout;
  save_ = new QPushButton(tr("&Save"), central);
  save_->setObjectName(QStringLiteral("cmdSave"));
  save_->setToolTip(tr("Compose the selected page into a printable report"));
  auto* save_pdf = new QPushButton(tr("Save As P&DF..."), central);
  save_pdf->setObjectName(QStringLiteral("cmdSavePdf"));
  save_pdf->setAccessibleName(tr("Save As PDF"));
  save_pdf->setToolTip(tr("Save the selected page as a PDF document (Ctrl+Shift+S)"));
  catalogues_ = new QCheckBox(tr("&Include rashi and nakshatra pages"), central);
  catalogues_->setObjectName(QStringLiteral("chkCatalogues"));
  catalogues_->setAccessibleName(tr("Include both persons' rashi and nakshatra pages in the PDF"));
  auto* back = new QPushButton(tr("&Back"), central);
  back->setObjectName(QStringLiteral("cmdBack"));
  back->setToolTip(tr("Back to the birth details"));
  buttons->addWidget(save_);
  buttons->addWidget(save_pdf);
  buttons->addWidget(catalogues_);
  buttons->addStretch();
  buttons->addWidget(back);
  layout->addLayout(buttons);
  connect(save_, &QPushButton::clicked, this, &ResultWindow::SaveRequested);
  connect(save_pdf, &QPushButton::clicked, this, &ResultWindow::SavePdfRequested);
  connect(back, &QPushButton::clicked, this, &ResultWindow::BackRequested);
  QAction* save_pdf_action = file->addAction(tr("Save As &PDF..."));
  save_pdf_action->setObjectName(QStringLiteral("mnuSavePdf"));
  save_pdf_action->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  connect(save_pdf_action, &QAction::triggered, this, &ResultWindow::SavePdfRequested);
  // "About Software" has no document to compose.
  connect(all_, &QTabWidget::currentChanged, this, [this](int index) {
    const bool about = index == static_cast<int>(ResultPage::AboutSoftware);
    save_->setEnabled(!about);
    save_->setToolTip(about ? tr("The About Software page has no report to save")
                            : tr("Compose the selected page into a printable report"));
  });
  statusBar()->setObjectName(QStringLiteral("sbStatus"));

  details_->Show(state);

  resize(1180, 700);
  FitToScreen(*this);
}

QWidget* ResultWindow::BuildInterpretationPage() {
  auto* frame = new QGroupBox(tr("Interpretation"));
  frame->setObjectName(QStringLiteral("fraInterpretation"));
  auto* layout = new QVBoxLayout(frame);
  layout->addWidget(NewEnglishTextNote(frame));
  report_ = new QTextBrowser(frame);
  report_->setObjectName(QStringLiteral("RTB"));
  report_->setAccessibleName(tr("Interpretation"));
  report_->setOpenLinks(false);
  report_->setStyleSheet(QStringLiteral("QTextBrowser { background: white; color: black; }"));
  BrowserService* browser = services_.Browser;
  connect(report_, &QTextBrowser::anchorClicked, this,
          [browser](const QUrl& url) { browser->Open(url); });
  layout->addWidget(report_);
  // The detailed reading of a match is the program's own help, installed with it.
  auto* link = new QLabel(QStringLiteral("<a href=\"help\">%1</a>")
                              .arg(tr("How the kootas are scored and read (help)")),
                          frame);
  link->setObjectName(QStringLiteral("lblHyperlink"));
  link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  connect(link, &QLabel::linkActivated, this, [browser] { browser->Open(HelpPageUrl()); });
  layout->addWidget(link);
  return frame;
}

void ResultWindow::ShowPorutham(const MatchResult& result) {
  porutham_->Show(result.Poruthams, result.Pair, result.Papasamyam);
}

void ResultWindow::ShowGrid(const GunaMilanGrid& grid) {
  grid_->Show(grid);
}

void ResultWindow::AppendReport(const ReportDocument& report) {
  AppendRuns(*report_, report);
  report_->moveCursor(QTextCursor::Start);
}

void ResultWindow::ShowRashiPage(PersonSide side, const RashiRecord& record) {
  rashi_[SideIndex(side)]->Show(record);
}

void ResultWindow::ShowNakshatraPage(PersonSide side, const NakshatraRecord& record) {
  nakshatra_[SideIndex(side)]->Show(record);
}

void ResultWindow::ShowChartsAndDoshas(const ChartsAndDoshas& charts,
                                       const std::optional<BirthMoment>& boy,
                                       const std::optional<BirthMoment>& girl) {
  charts_->Show(charts, boy, girl);
}

void ResultWindow::ShowScoreRange(const ScoreRange& range) {
  charts_->ShowScoreRange(range);
}

ChartStyle ResultWindow::SelectedChartStyle() const {
  return charts_->SelectedStyle();
}

int ResultWindow::Uncertainty() const {
  return charts_->Uncertainty();
}

void ResultWindow::ShowTiming(const BirthMoment& boy, const std::string& boy_zone,
                              const BirthMoment& girl, const std::string& girl_zone,
                              Ayanamsa ayanamsa) {
  timing_->SetPersons(boy_name_, boy, boy_zone, girl_name_, girl, girl_zone, ayanamsa);
}

void ResultWindow::ClearTiming() {
  timing_->ClearPersons();
}

std::optional<MatchTiming> ResultWindow::CurrentTiming() {
  return timing_->CurrentTiming();
}

ResultPage ResultWindow::SelectedPage() const {
  return static_cast<ResultPage>(all_->currentIndex());
}

void ResultWindow::SelectPage(ResultPage page) {
  all_->setCurrentIndex(static_cast<int>(page));
}

bool ResultWindow::IncludeCatalogues() const {
  return catalogues_->isChecked();
}

void ResultWindow::ShowStatus(const QString& text) {
  statusBar()->showMessage(text);
}

void ResultWindow::closeEvent(QCloseEvent* event) {
  QMainWindow::closeEvent(event);
  if (event->isAccepted()) {
    emit Closed();
  }
}

}  // namespace lumora::ui
