// SPDX-License-Identifier: MIT
#include "ui/vedic/result/result_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/shell/about_box.h"
#include "ui/shell/rich_text.h"
#include "ui/shell/window_placement.h"
#include "ui/vedic/result/about_page.h"
#include "ui/vedic/result/birth_details_tab.h"
#include "ui/vedic/result/catalogue_frame.h"
#include "ui/vedic/result/charts_tab.h"
#include "ui/vedic/result/guna_milan_tab.h"
#include "ui/vedic/result/interpretation_tab.h"

namespace lumora::ui {

std::optional<MatchDocumentChoice> DocumentOfPage(ResultPage page) {
  switch (page) {
    case ResultPage::KundaliMatch:
      return MatchDocumentChoice{MatchDocumentKind::Match};
    case ResultPage::BoyRashi:
      return MatchDocumentChoice{MatchDocumentKind::Rashi, PersonSide::Male};
    case ResultPage::GirlRashi:
      return MatchDocumentChoice{MatchDocumentKind::Rashi, PersonSide::Female};
    case ResultPage::BoyNakshatra:
      return MatchDocumentChoice{MatchDocumentKind::Nakshatra, PersonSide::Male};
    case ResultPage::GirlNakshatra:
      return MatchDocumentChoice{MatchDocumentKind::Nakshatra, PersonSide::Female};
    case ResultPage::ChartsAndDoshas:
      return MatchDocumentChoice{MatchDocumentKind::ChartsAndDoshas};
    case ResultPage::AboutSoftware:
      break;
  }
  return std::nullopt;
}

ResultWindow::ResultWindow(const Services& services, const MatchState& state, QWidget* parent)
    : QMainWindow(parent), services_(services) {
  setObjectName(QStringLiteral("frmTarvikVedicResult"));
  setWindowTitle(QStringLiteral("Lumo Tarvik"));
  setWindowIcon(QIcon(QStringLiteral(":/resources/app/vedic.svg")));
  setAttribute(Qt::WA_DeleteOnClose);

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
  details_ = new BirthDetailsTab;
  details_tabs->addTab(details_, tr("Boy's And Girl's Birth Details"));
  grid_ = new GunaMilanTab;
  details_tabs->addTab(grid_, tr("Guna Milan"));
  interpretation_ = new InterpretationTab(services_);
  details_tabs->addTab(interpretation_, tr("Interpretation"));
  guna_layout->addWidget(details_tabs);
  all_->addTab(guna, tr("Kundali Match"));

  rashis_[0] =
      CatalogueFrame::ForRashi(services_, PersonSide::Male, tr("Boy's Rashi Information"));
  all_->addTab(rashis_[0], tr("Boy's Rashi"));
  rashis_[1] =
      CatalogueFrame::ForRashi(services_, PersonSide::Female, tr("Girl's Rashi Information"));
  all_->addTab(rashis_[1], tr("Girl's Rashi"));
  nakshatras_[0] = CatalogueFrame::ForNakshatra(services_, PersonSide::Male,
                                                tr("Boy's Nakshatra Information"));
  all_->addTab(nakshatras_[0], tr("Boy's Nakshatra"));
  nakshatras_[1] = CatalogueFrame::ForNakshatra(services_, PersonSide::Female,
                                                tr("Girl's Nakshatra Information"));
  all_->addTab(nakshatras_[1], tr("Girl's Nakshatra"));
  charts_ =
      new ChartsTab(ToQString(state.BoyDetails.Name), ToQString(state.GirlDetails.Name));
  all_->addTab(charts_, tr("Charts And Doshas"));
  connect(charts_, &ChartsTab::UncertaintyChanged, this, &ResultWindow::UncertaintyChanged);
  connect(charts_, &ChartsTab::PreviousTabRequested, this,
          [this] { all_->setCurrentIndex(all_->currentIndex() - 1); });
  connect(charts_, &ChartsTab::NextTabRequested, this,
          [this] { all_->setCurrentIndex(all_->currentIndex() + 1); });
  auto* about = new QGroupBox(tr("About Software"));
  about->setObjectName(QStringLiteral("fraAbout"));
  auto* about_layout = new QVBoxLayout(about);
  about_layout->addWidget(new AboutPage(services_, QStringLiteral("About")));
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
    const bool about = static_cast<ResultPage>(index) == ResultPage::AboutSoftware;
    save_->setEnabled(!about);
    save_->setToolTip(about ? tr("The About Software page has no report to save")
                            : tr("Compose the selected page into a printable report"));
  });
  statusBar()->setObjectName(QStringLiteral("sbStatus"));

  // The birth details as the match state holds them; a profile file holds none.
  details_->Show(state);

  resize(1180, 700);
  FitToScreen(*this);
}

void ResultWindow::ShowGrid(const GunaMilanGrid& grid) {
  grid_->ShowGrid(grid);
}

void ResultWindow::AppendReport(const ReportDocument& report) {
  interpretation_->AppendReport(report);
}

void ResultWindow::ShowRashiPage(PersonSide side, const RashiRecord& record) {
  rashis_[side == PersonSide::Male ? 0 : 1]->ShowRashi(record);
}

void ResultWindow::ShowNakshatraPage(PersonSide side, const NakshatraRecord& record) {
  nakshatras_[side == PersonSide::Male ? 0 : 1]->ShowNakshatra(record);
}

void ResultWindow::ShowChartsAndDoshas(const ChartsAndDoshas& charts,
                                       const std::optional<BirthMoment>& boy,
                                       const std::optional<BirthMoment>& girl) {
  charts_->ShowChartsAndDoshas(charts, boy, girl);
}

void ResultWindow::ShowScoreRange(const ScoreRange& range) {
  charts_->ShowScoreRange(range);
}

int ResultWindow::Uncertainty() const {
  return charts_->Uncertainty();
}

ChartStyle ResultWindow::SelectedChartStyle() const {
  return charts_->SelectedChartStyle();
}

ResultPage ResultWindow::SelectedPage() const {
  return static_cast<ResultPage>(all_->currentIndex());
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
