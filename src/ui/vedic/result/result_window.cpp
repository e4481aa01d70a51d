// SPDX-License-Identifier: MIT
#include "ui/vedic/result/result_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "core/vedic/result/nakshatra_catalogue.h"
#include "core/vedic/result/rashi_catalogue.h"
#include "ui/shell/about_box.h"
#include "ui/shell/rich_text.h"
#include "ui/shell/settings_dialog.h"
#include "ui/shell/window_placement.h"
#include "ui/vedic/result/chart_view.h"
#include "ui/vedic/result/porutham_page.h"
#include "ui/vedic/result/timing_tab.h"

namespace lumora::ui {

namespace {

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

QLabel* Label(const QString& text, QWidget* parent, const QString& name = {}) {
  auto* label = new QLabel(text, parent);
  if (!name.isEmpty()) {
    label->setObjectName(name);
  }
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

QString Time(const PersonDetails& p) {
  return QStringLiteral("%1:%2:%3").arg(p.Hour).arg(p.Minute).arg(p.Second);
}

QString Date(const PersonDetails& p) {
  return ToQString(p.Month) + QLatin1Char(' ') + ToQString(p.Day) + QStringLiteral(", ") +
         ToQString(p.Year);
}

// The value cells of a koota row, left to right after the row's title: what a screen
// reader says for the column, the cell of the row it shows, and whether it is centred.
struct GridColumn {
  const char* Words;
  std::string GunaMilanRow::*Cell;
  bool Centred;
};
constexpr std::array<GridColumn, 5> kGridColumns = {{
    {"boy", &GunaMilanRow::BoyValue, false},
    {"girl", &GunaMilanRow::GirlValue, false},
    {"maximum points", &GunaMilanRow::MaximumPoints, true},
    {"points obtained", &GunaMilanRow::PointsObtained, true},
    {"area of life", &GunaMilanRow::AreaOfLife, false},
}};

// The grid's cells keep the control names lblVarna_0 .. lblVarna_43 that tests and
// scripts find them by: the koota rows' cells row by row, five to a row, then the
// total row's maximum, points total and verdict, then the sentence.
QString GridCellName(int index) {
  return QStringLiteral("lblVarna_%1").arg(index);
}
constexpr int kMaximumCell = kKootaCount * static_cast<int>(kGridColumns.size());
constexpr int kPointsTotalCell = kMaximumCell + 1;
constexpr int kVerdictCell = kMaximumCell + 2;
constexpr int kSummaryCell = kMaximumCell + 3;

// Prose fields get a multi-line box, the rest a single line.
bool IsProse(std::string_view field) {
  static constexpr std::string_view kProse[] = {"Looks",
                                                "Nature",
                                                "CareerAndFinance",
                                                "LoveAndDomesticLife",
                                                "Health",
                                                "GeneralAndPhysicalFeatures",
                                                "PositiveHumanTraits",
                                                "NegativeHumanTraits",
                                                "BestCareerOptions",
                                                "DomesticLife"};
  for (std::string_view p : kProse) {
    if (p == field) {
      return true;
    }
  }
  return false;
}

}  // namespace

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
  details_tabs->addTab(BuildDetailsPage(), tr("Boy's And Girl's Birth Details"));
  details_tabs->addTab(BuildGridPage(), tr("Guna Milan"));
  porutham_ = new PoruthamPage(details_tabs);
  details_tabs->addTab(porutham_, tr("Porutham"));
  details_tabs->addTab(BuildInterpretationPage(), tr("Interpretation"));
  // The South Indian method first, where the settings ask for it.
  if (StoredOpeningMethod() == OpeningMethod::Porutham) {
    details_tabs->setCurrentWidget(porutham_);
  }
  guna_layout->addWidget(details_tabs);
  all_->addTab(guna, tr("Kundali Match"));

  all_->addTab(BuildRashiFrame('M', tr("Boy's Rashi Information")), tr("Boy's Rashi"));
  all_->addTab(BuildRashiFrame('F', tr("Girl's Rashi Information")), tr("Girl's Rashi"));
  all_->addTab(BuildNakshatraFrame(QStringLiteral("NM"), tr("Boy's Nakshatra Information")),
               tr("Boy's Nakshatra"));
  all_->addTab(BuildNakshatraFrame(QStringLiteral("NF"), tr("Girl's Nakshatra Information")),
               tr("Girl's Nakshatra"));
  boy_name_ = ToQString(state.BoyDetails.Name);
  girl_name_ = ToQString(state.GirlDetails.Name);
  all_->addTab(BuildChartsPage(), tr("Charts And Doshas"));
  timing_ = new TimingTab(all_);
  all_->addTab(timing_, tr("Timing"));
  auto* about = new QGroupBox(tr("About Software"));
  about->setObjectName(QStringLiteral("fraAbout"));
  auto* about_layout = new QVBoxLayout(about);
  about_layout->addWidget(BuildAboutPage(QStringLiteral("About")));
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
    const bool about = index + 1 == kTabAboutSoftware;
    save_->setEnabled(!about);
    save_->setToolTip(about ? tr("The About Software page has no report to save")
                            : tr("Compose the selected page into a printable report"));
  });
  statusBar()->setObjectName(QStringLiteral("sbStatus"));

  // The birth details as the match state holds them; a profile file holds none.
  const PersonDetails& b = state.BoyDetails;
  const PersonDetails& g = state.GirlDetails;
  findChild<QLabel*>(QStringLiteral("lblMName"))->setText("Your Name: " + ToQString(b.Name));
  findChild<QLabel*>(QStringLiteral("lblMDOB"))->setText("Your Date Of Birth: " + Date(b));
  findChild<QLabel*>(QStringLiteral("lblMTOB"))->setText("Your Time Of Birth: " + Time(b));
  findChild<QLabel*>(QStringLiteral("lblMPOB"))
      ->setText("Your Place Of Birth: " + ToQString(b.Place));
  findChild<QLabel*>(QStringLiteral("lblFName"))
      ->setText("Your Partner's Name: " + ToQString(g.Name));
  findChild<QLabel*>(QStringLiteral("lblFDOB"))
      ->setText("Your Partner's Date Of Birth: " + Date(g));
  findChild<QLabel*>(QStringLiteral("lblFTOB"))
      ->setText("Your Partner's Time Of Birth: " + Time(g));
  findChild<QLabel*>(QStringLiteral("lblFPOB"))
      ->setText("Your Partner's Place Of Birth: " + ToQString(g.Place));
  // The coordinates and clock the match read, beside the place's name.
  for (const auto& [name, person] :
       {std::pair{"lblMLocation", &b}, std::pair{"lblFLocation", &g}}) {
    auto* location = findChild<QLabel*>(QLatin1String(name));
    location->setText(person->Location ? QStringLiteral("Coordinates And Clock: ") +
                                             ToQString(LocationWords(*person->Location))
                                       : QString());
    location->setVisible(person->Location.has_value());
  }
  if (!state.BirthDetailsStored) {
    for (const char side : {'M', 'F'}) {
      const QString p(QLatin1Char{side});
      findChild<QLabel*>(QStringLiteral("lbl%1Name").arg(p))
          ->setText(ToQString(kBirthDetailsNotStored));
      for (const char* suffix : {"DOB", "TOB", "POB"}) {
        auto* label = findChild<QLabel*>(QStringLiteral("lbl%1%2").arg(p, QLatin1String(suffix)));
        label->clear();
        label->hide();
      }
    }
  }
  // Which Moon the match rests on, named only when it is the precise one.
  for (const auto& [name, person] : {std::pair{"lblMMoon", &b}, std::pair{"lblFMoon", &g}}) {
    auto* moon = findChild<QLabel*>(QLatin1String(name));
    const bool precise = person->Moon == MoonModel::Precise;
    moon->setText(precise ? QStringLiteral("Moon: ") + QString::fromUtf8(kPreciseMoonText)
                          : QString());
    moon->setVisible(precise);
  }
  // The zodiac and node of the match, always named where the birth was read.
  for (const auto& [prefix, person] : {std::pair{'M', &b}, std::pair{'F', &g}}) {
    auto* ayanamsa = findChild<QLabel*>(QStringLiteral("lbl%1Ayanamsa").arg(QLatin1Char(prefix)));
    auto* node = findChild<QLabel*>(QStringLiteral("lbl%1Node").arg(QLatin1Char(prefix)));
    const bool known = state.BirthDetailsStored && person->Zodiac.has_value();
    ayanamsa->setText(known ? ToQString(AyanamsaLine(*person->Zodiac)) : QString());
    node->setText(known ? ToQString(NodeLine(person->Zodiac->Options.node)) : QString());
    ayanamsa->setVisible(known);
    node->setVisible(known);
  }

  resize(1180, 700);
  FitToScreen(*this);
}

void ResultWindow::ShowPorutham(const MatchResult& result) {
  porutham_->Show(result.Poruthams, result.Pair, result.Papasamyam);
}

QWidget* ResultWindow::BuildDetailsPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("fraUserDetails"));
  auto* layout = new QVBoxLayout(page);
  for (const auto& [heading, prefix] :
       {std::pair{tr("Boy's Birth Details"), 'M'}, std::pair{tr("Girl's Birth Details"), 'F'}}) {
    auto* title = Label(heading, page);
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    title->setFont(bold);
    layout->addWidget(title);
    for (const char* suffix :
         {"Name", "DOB", "TOB", "POB", "Location", "Moon", "Ayanamsa", "Node"}) {
      auto* label = Label(QString(), page,
                          QStringLiteral("lbl") + QLatin1Char(prefix) + QLatin1String(suffix));
      label->setWordWrap(true);
      layout->addWidget(label);
    }
    layout->addSpacing(16);
  }
  layout->addStretch();
  // The lines keep their height and the page scrolls in a small window.
  auto* scroll = new QScrollArea;
  scroll->setObjectName(QStringLiteral("scrUserDetails"));
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidget(page);
  return scroll;
}

QWidget* ResultWindow::BuildGridPage() {
  auto* frame = new QGroupBox(tr("Guna Milan"));
  frame->setObjectName(QStringLiteral("fraTable"));
  // The table keeps its rows' height and the page scrolls instead, so that the notes
  // under it never squeeze the table in a small window.
  auto* frame_layout = new QVBoxLayout(frame);
  auto* scroll = new QScrollArea(frame);
  scroll->setObjectName(QStringLiteral("scrGunaMilan"));
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  auto* content = new QWidget(scroll);
  auto* outer = new QVBoxLayout(content);
  outer->setContentsMargins(0, 0, 0, 0);
  auto* picture = new QFrame(content);
  picture->setObjectName(QStringLiteral("picGunaMilan"));
  picture->setAccessibleName(tr("Guna Milan table"));
  // The grid lines: every cell is a bordered label on a light table.
  picture->setStyleSheet(QStringLiteral(
      "#picGunaMilan { background: #fffdf6; border: 1px solid #8a6d3b; }"
      "#picGunaMilan QLabel { color: #202020; border: 1px solid #d8c7a0; padding: 4px 6px; }"
      "#picGunaMilan QLabel[role=\"title\"] { background: #8a3b12; color: white; font-weight: "
      "bold; }"
      "#picGunaMilan QLabel[role=\"row\"] { background: #f3e5c4; font-weight: bold; }"
      "#picGunaMilan QLabel[role=\"total\"] { font-weight: bold; color: #0000c0; }"));
  auto* grid = new QGridLayout(picture);
  grid->setSpacing(0);
  // Created in reading order, row by row: a screen reader walks the cells in the order
  // they were made, and reaches each row's title before the row's values.
  auto cell = [picture](int index, const char* role) {
    auto* label = new QLabel(picture);
    label->setObjectName(GridCellName(index));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (role != nullptr) {
      label->setProperty("role", role);
    }
    return label;
  };
  for (std::size_t c = 0; c < kGunaMilanColumnTitles.size(); ++c) {
    auto* title = new QLabel(Q(kGunaMilanColumnTitles[c]), picture);
    title->setProperty("role", "title");
    title->setAlignment(Qt::AlignCenter);
    grid->addWidget(title, 0, static_cast<int>(c));
  }
  for (int r = 0; r < kKootaCount; ++r) {
    auto* title = new QLabel(Q(kGunaMilanRowTitles[static_cast<std::size_t>(r)]), picture);
    title->setProperty("role", "row");
    grid->addWidget(title, r + 1, 0);
    GridRowLabels& row = grid_rows_[static_cast<std::size_t>(r)];
    for (int c = 0; c < static_cast<int>(kGridColumns.size()); ++c) {
      QLabel* label = cell(r * static_cast<int>(kGridColumns.size()) + c, nullptr);
      label->setAlignment(kGridColumns[static_cast<std::size_t>(c)].Centred
                              ? Qt::AlignCenter
                              : Qt::AlignLeft | Qt::AlignVCenter);
      grid->addWidget(label, r + 1, c + 1);
      row[static_cast<std::size_t>(c)] = label;
    }
  }
  const int total_row = kKootaCount + 1;
  auto* total = new QLabel(tr("TOTAL"), picture);
  total->setProperty("role", "row");
  grid->addWidget(total, total_row, 0);
  grid_verdict_ = cell(kVerdictCell, "total");
  grid->addWidget(grid_verdict_, total_row, 1, 1, 2);
  grid_maximum_ = cell(kMaximumCell, "total");
  grid_maximum_->setAlignment(Qt::AlignCenter);
  grid->addWidget(grid_maximum_, total_row, 3);
  grid_points_ = cell(kPointsTotalCell, "total");
  grid_points_->setAlignment(Qt::AlignCenter);
  grid->addWidget(grid_points_, total_row, 4);
  grid->addWidget(new QLabel(picture), total_row, 5);
  grid_summary_ = cell(kSummaryCell, "total");
  grid_summary_->setAlignment(Qt::AlignCenter);
  grid->addWidget(grid_summary_, total_row + 1, 0, 1,
                  static_cast<int>(kGunaMilanColumnTitles.size()));
  outer->addWidget(picture);
  grid_tables_ = new QLabel(content);
  grid_tables_->setObjectName(QStringLiteral("lblKootaTables"));
  grid_tables_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  outer->addWidget(grid_tables_);
  grid_notes_ = new QLabel(content);
  grid_notes_->setObjectName(QStringLiteral("lblKootaNotes"));
  grid_notes_->setWordWrap(true);
  grid_notes_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  outer->addWidget(grid_notes_);
  outer->addStretch();
  scroll->setWidget(content);
  frame_layout->addWidget(scroll);
  return frame;
}

QWidget* ResultWindow::BuildInterpretationPage() {
  auto* frame = new QGroupBox(tr("Interpretation"));
  frame->setObjectName(QStringLiteral("fraInterpretation"));
  auto* layout = new QVBoxLayout(frame);
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

QWidget* ResultWindow::BuildAboutPage(const QString& name) {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("fra") + name + QStringLiteral("Software"));
  auto* layout = new QVBoxLayout(page);
  auto* icon = new QLabel(page);
  icon->setPixmap(QIcon(QStringLiteral(":/resources/app/lumora.svg")).pixmap(64, 64));
  icon->setAccessibleName(tr("Lumora icon"));
  layout->addWidget(icon);
  auto* text = new QLabel(ToQString(kClosingParagraph), page);
  text->setWordWrap(true);
  layout->addWidget(text);
  auto* links = new QLabel(QStringLiteral("<a href=\"help\">%1</a>").arg(tr("Online help")), page);
  links->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  BrowserService* browser = services_.Browser;
  connect(links, &QLabel::linkActivated, this, [browser] { browser->Open(HelpPageUrl()); });
  layout->addWidget(links);
  layout->addStretch();
  return page;
}

QWidget* ResultWindow::Field(QWidget* parent, const QString& name, bool prose) {
  QWidget* box = nullptr;
  if (prose) {
    auto* edit = new QPlainTextEdit(parent);
    edit->setReadOnly(true);
    edit->setMinimumHeight(110);
    box = edit;
  } else {
    auto* edit = new QLineEdit(parent);
    edit->setReadOnly(true);
    box = edit;
  }
  box->setObjectName(name);
  return box;
}

void ResultWindow::SetFieldText(const QString& name, const QString& text) {
  if (auto* line = findChild<QLineEdit*>(name)) {
    line->setText(text);
    line->setCursorPosition(0);
  } else if (auto* prose = findChild<QPlainTextEdit*>(name)) {
    prose->setPlainText(text);
  } else if (auto* label = findChild<QLabel*>(name)) {
    label->setText(text);
  }
}

namespace {

// Header fields in a grid beside the picture, then the tab strip of pages with
// Back and Next buttons.
template <typename PageList>
void BuildInformation(QGroupBox* frame, const QString& prefix, const QString& heading_name,
                      const QString& heading_caption, const QString& picture_name,
                      const QString& strip_name, const QString& button_prefix,
                      const std::vector<CataloguePageField>& header, const PageList& pages,
                      const std::function<QWidget*(QWidget*, const QString&, bool)>& make_field,
                      const std::function<QWidget*()>& make_about) {
  auto* layout = new QVBoxLayout(frame);
  auto* heading = new QLabel(heading_caption, frame);
  heading->setObjectName(heading_name);
  QFont big = heading->font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  big.setBold(true);
  heading->setFont(big);
  layout->addWidget(heading);

  auto* top = new QHBoxLayout;
  auto* picture = new QLabel(frame);
  picture->setObjectName(picture_name);
  picture->setFixedSize(112, 112);
  picture->setAccessibleName(QObject::tr("Picture"));
  top->addWidget(picture);
  auto* form = new QFormLayout;
  for (const CataloguePageField& f : header) {
    QWidget* box = make_field(frame, prefix + Q(f.Name), false);
    auto* caption = new QLabel(Q(f.Caption) + QLatin1Char(':'), frame);
    caption->setBuddy(box);
    box->setAccessibleName(Q(f.Caption));
    form->addRow(caption, box);
  }
  top->addLayout(form, 1);
  layout->addLayout(top);

  auto* strip = new QTabWidget(frame);
  strip->setObjectName(strip_name);
  strip->setAccessibleName(frame->title());
  const int count = static_cast<int>(pages.size());
  for (int k = 1; k <= count; ++k) {
    const CataloguePage& page = pages[static_cast<std::size_t>(k - 1)];
    auto* widget = new QWidget;
    widget->setObjectName(strip_name + QStringLiteral("Page%1").arg(k));
    auto* page_layout = new QVBoxLayout(widget);
    if (page.Fields.empty()) {
      page_layout->addWidget(make_about());
    } else {
      // The fields scroll, so that a page of long texts never makes the window
      // taller than a small screen.
      auto* scroll = new QScrollArea(widget);
      scroll->setWidgetResizable(true);
      scroll->setFrameShape(QFrame::NoFrame);
      auto* content = new QWidget(scroll);
      auto* fields = new QFormLayout(content);
      fields->setRowWrapPolicy(QFormLayout::WrapLongRows);
      for (const CataloguePageField& f : page.Fields) {
        QWidget* box = make_field(content, prefix + Q(f.Name), IsProse(f.Name));
        auto* caption = new QLabel(Q(f.Caption) + QLatin1Char(':'), content);
        caption->setBuddy(box);
        box->setAccessibleName(Q(f.Caption));
        fields->addRow(caption, box);
      }
      scroll->setWidget(content);
      page_layout->addWidget(scroll, 1);
    }
    auto* paging = new QHBoxLayout;
    if (k > 1) {
      auto* back = new QPushButton(QObject::tr("Back"), widget);
      back->setObjectName(QStringLiteral("cmd%1Back%2").arg(button_prefix).arg(k));
      QObject::connect(back, &QPushButton::clicked, strip,
                       [strip, k] { strip->setCurrentIndex(k - 2); });
      paging->addWidget(back);
    }
    paging->addStretch();
    if (k < count) {
      auto* next = new QPushButton(QObject::tr("Next"), widget);
      next->setObjectName(QStringLiteral("cmd%1Next%2").arg(button_prefix).arg(k));
      QObject::connect(next, &QPushButton::clicked, strip,
                       [strip, k] { strip->setCurrentIndex(k); });
      paging->addWidget(next);
    }
    page_layout->addLayout(paging);
    strip->addTab(widget, Q(page.Caption));
  }
  layout->addWidget(strip, 1);
}

}  // namespace

QGroupBox* ResultWindow::BuildRashiFrame(char prefix, const QString& caption) {
  auto* frame = new QGroupBox(caption);
  const QString p(QLatin1Char{prefix});
  frame->setObjectName(QStringLiteral("fra") + p + QStringLiteral("Rashi"));
  BuildInformation(
      frame, QStringLiteral("txt") + p, QStringLiteral("lbl") + p + QStringLiteral("Rashi"),
      tr("Rashi"), QStringLiteral("pic") + p + QStringLiteral("Rashi"), QStringLiteral("TS") + p, p,
      RashiHeaderFields(), RashiPages(),
      [this](QWidget* parent, const QString& name, bool prose) {
        return Field(parent, name, prose);
      },
      [this, p] { return BuildAboutPage(QStringLiteral("Rashi") + p); });
  return frame;
}

QGroupBox* ResultWindow::BuildNakshatraFrame(const QString& prefix, const QString& caption) {
  auto* frame = new QGroupBox(caption);
  const QString side = prefix.mid(1);
  frame->setObjectName(QStringLiteral("fra") + side + QStringLiteral("Nakshatra"));
  BuildInformation(
      frame, QStringLiteral("txt") + prefix,
      QStringLiteral("lbl") + prefix + QStringLiteral("Nakshatra"), tr("Nakshatra"),
      QStringLiteral("pic") + side + QStringLiteral("Nakshatra"), QStringLiteral("TS") + prefix,
      prefix, NakshatraHeaderFields(), NakshatraPages(),
      [this](QWidget* parent, const QString& name, bool prose) {
        return Field(parent, name, prose);
      },
      [this, prefix] { return BuildAboutPage(QStringLiteral("Nakshatra") + prefix); });
  return frame;
}

void ResultWindow::ShowGrid(const GunaMilanGrid& grid) {
  // A value alone ("1") tells a listener nothing; its name carries its row and column.
  auto show = [](QLabel* label, const std::string& text, const QString& where) {
    label->setText(ToQString(text));
    label->setAccessibleName(where + QStringLiteral(", ") + ToQString(text));
  };
  for (std::size_t r = 0; r < grid.Rows.size(); ++r) {
    const QString koota = Q(kKootas[r].Koota);
    for (std::size_t c = 0; c < kGridColumns.size(); ++c) {
      show(grid_rows_[r][c], grid.Rows[r].*kGridColumns[c].Cell,
           koota + QStringLiteral(", ") + QLatin1String(kGridColumns[c].Words));
    }
  }
  show(grid_maximum_, grid.MaximumTotal, tr("Total, maximum points"));
  show(grid_points_, grid.PointsTotal, tr("Total, points obtained"));
  show(grid_verdict_, grid.Verdict, tr("Total, verdict"));
  show(grid_summary_, grid.Summary, tr("Summary"));
  const QString tables =
      ToQString(grid.TablesLine) + QStringLiteral("\n") + ToQString(grid.OtherTotalLine);
  grid_tables_->setText(tables);
  grid_tables_->setAccessibleName(tr("Koota tables"));
  grid_tables_->setAccessibleDescription(tables);
  QStringList notes;
  for (std::size_t r = 0; r < grid.Notes.size(); ++r) {
    if (!grid.Notes[r].empty()) {
      notes << Q(kKootas[r].Koota) + QStringLiteral(": ") + ToQString(grid.Notes[r]);
    }
  }
  grid_notes_->setText(notes.join(QLatin1Char('\n')));
  grid_notes_->setVisible(!notes.isEmpty());
  grid_notes_->setAccessibleName(tr("Notes on the rows"));
  grid_notes_->setAccessibleDescription(notes.join(QLatin1Char('\n')));
}

void ResultWindow::AppendReport(const ReportDocument& report) {
  AppendRuns(*report_, report);
  report_->moveCursor(QTextCursor::Start);
}

void ResultWindow::ShowRashiPage(PersonSide side, const RashiRecord& record) {
  const QString p(QLatin1Char(SideLetter(side)));
  for (const RashiField& field : kRashiFields) {
    const QString text = Q(record.*field.Member);
    if (field.Name == "IndianName") {
      findChild<QLabel*>(QStringLiteral("lbl") + p + QStringLiteral("Rashi"))->setText(text);
    } else {
      SetFieldText(QStringLiteral("txt") + p + Q(field.Name), text);
    }
  }
  // Pictures are keyed by the sign's English name.
  ShowPicture(QStringLiteral("pic") + p + QStringLiteral("Rashi"),
              QStringLiteral(":/resources/rashi/%1.svg").arg(Q(record.EnglishName).trimmed()));
}

void ResultWindow::ShowNakshatraPage(PersonSide side, const NakshatraRecord& record) {
  const QString p = QStringLiteral("N") + QLatin1Char(SideLetter(side));
  for (const NakshatraField& field : kNakshatraFields) {
    const QString text = Q(record.*field.Member);
    if (field.Name == "NakshatraName") {
      findChild<QLabel*>(QStringLiteral("lbl") + p + QStringLiteral("Nakshatra"))->setText(text);
    } else {
      SetFieldText(QStringLiteral("txt") + p + Q(field.Name), text);
    }
  }
  ShowPicture(QStringLiteral("pic") + QLatin1Char(SideLetter(side)) + QStringLiteral("Nakshatra"),
              QStringLiteral(":/resources/nakshatra/%1.svg").arg(Q(record.NakshatraName)));
}

void ResultWindow::ShowPicture(const QString& picture, const QString& path) {
  if (!QFile::exists(path)) {
    return;
  }
  auto* label = findChild<QLabel*>(picture);
  label->setPixmap(QIcon(path).pixmap(QSize(112, 112), devicePixelRatioF()));
}

namespace {

// Where the chosen chart style is remembered between runs.
const char* const kChartStyleSetting = "Charts/Style";

QLabel* WrappedLabel(QWidget* parent, const QString& name, const QString& accessible) {
  auto* label = Label(QString(), parent, name);
  label->setWordWrap(true);
  label->setAccessibleName(accessible);
  return label;
}

QLabel* Heading(const QString& text, QWidget* parent) {
  auto* label = Label(text, parent);
  QFont bold = label->font();
  bold.setBold(true);
  label->setFont(bold);
  return label;
}

QString SideName(char side) {
  return side == 'M' ? QStringLiteral("Boy") : QStringLiteral("Girl");
}

}  // namespace

QWidget* ResultWindow::BuildChartsPage() {
  auto* frame = new QGroupBox(tr("Charts And Doshas"));
  frame->setObjectName(QStringLiteral("fraCharts"));
  auto* outer = new QVBoxLayout(frame);
  auto* scroll = new QScrollArea(frame);
  scroll->setObjectName(QStringLiteral("scrCharts"));
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("fraChartsPage"));
  scroll->setWidget(page);
  outer->addWidget(scroll, 1);
  auto* page_layout = new QVBoxLayout(page);

  // Across the page: the style choice, then each person's rasi and Navamsa charts with
  // the planet table beside them.
  auto* style_row = new QHBoxLayout;
  chart_style_ = new QComboBox(page);
  chart_style_->setObjectName(QStringLiteral("cboChartStyle"));
  chart_style_->setAccessibleName(tr("Chart style"));
  chart_style_->addItem(tr("North Indian"),
                        documents::ChartStyleKey(documents::ChartStyle::NorthIndian));
  chart_style_->addItem(tr("South Indian"),
                        documents::ChartStyleKey(documents::ChartStyle::SouthIndian));
  auto* style_caption = new QLabel(tr("Chart &style:"), page);
  style_caption->setBuddy(chart_style_);
  style_row->addWidget(style_caption);
  style_row->addWidget(chart_style_);
  style_row->addStretch();
  chart_details_ = new QWidget(page);
  chart_details_->setObjectName(QStringLiteral("fraChartDetails"));
  auto* details_layout = new QVBoxLayout(chart_details_);
  details_layout->setContentsMargins(0, 0, 0, 0);
  details_layout->addLayout(style_row);
  for (char side : {'M', 'F'}) {
    const std::size_t index = side == 'M' ? 0 : 1;
    auto* title = Heading(QString(), chart_details_);
    title->setObjectName(QStringLiteral("lbl%1ChartTitle").arg(QLatin1Char(side)));
    details_layout->addWidget(title);
    auto* zodiac =
        Label(QString(), chart_details_, QStringLiteral("lbl%1ChartZodiac").arg(QLatin1Char(side)));
    details_layout->addWidget(zodiac);
    auto* row = new QHBoxLayout;
    auto* view = new ChartView(chart_details_);
    view->setObjectName(QStringLiteral("pic%1Chart").arg(QLatin1Char(side)));
    view->setAccessibleName(tr("%1's rasi chart").arg(SideName(side)));
    chart_views_[index] = view;
    row->addWidget(view, 3);
    auto* navamsa = new ChartView(chart_details_);
    navamsa->setObjectName(QStringLiteral("pic%1Navamsa").arg(QLatin1Char(side)));
    navamsa->setAccessibleName(tr("%1's Navamsa (D9) chart").arg(SideName(side)));
    navamsa_views_[index] = navamsa;
    row->addWidget(navamsa, 3);
    auto* table = new QTableWidget(kGrahaCount + 1, static_cast<int>(kPlanetTableTitles.size()),
                                   chart_details_);
    table->setObjectName(QStringLiteral("tbl%1Planets").arg(QLatin1Char(side)));
    table->setAccessibleName(tr("%1's planets").arg(SideName(side)));
    QStringList titles;
    for (std::string_view t : kPlanetTableTitles) {
      titles << Q(t);
    }
    table->setHorizontalHeaderLabels(titles);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setWordWrap(false);
    table->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    planet_tables_[index] = table;
    row->addWidget(table, 0, Qt::AlignTop);
    details_layout->addLayout(row);
  }
  page_layout->addWidget(chart_details_);
  auto* columns = new QHBoxLayout;
  page_layout->addLayout(columns);

  // Below, on the left: the doshas.
  auto* left = new QVBoxLayout;

  auto* need = WrappedLabel(page, QStringLiteral("lblChartsNeedBirthDetails"),
                            tr("Charts need birth details"));
  need->setText(
      tr("This match was opened from a profile file, which holds only the Moon signs "
         "and nakshatras. The charts, Manglik and the birth-time windows need both "
         "persons' birth details: enter them in the birth details form."));
  need->hide();
  left->addWidget(need);

  auto* doshas = new QGroupBox(tr("Doshas"), page);
  doshas->setObjectName(QStringLiteral("fraDoshas"));
  auto* dosha_layout = new QVBoxLayout(doshas);
  for (std::string_view name : kPairDoshaNames) {
    dosha_layout->addWidget(
        WrappedLabel(doshas, QStringLiteral("lblDosha") + Q(name), Q(name) + tr(" dosha")));
  }
  left->addWidget(doshas);
  left->addStretch();
  columns->addLayout(left, 11);

  // Right: Manglik and the birth-time sensitivity.
  auto* right = new QVBoxLayout;
  auto* manglik = new QGroupBox(tr("Manglik (Kuja dosha)"), page);
  manglik->setObjectName(QStringLiteral("fraManglik"));
  auto* grid = new QGridLayout(manglik);
  grid->addWidget(Heading(tr("Mars"), manglik), 0, 0);
  grid->addWidget(Heading(tr("Boy"), manglik), 0, 1);
  grid->addWidget(Heading(tr("Girl"), manglik), 0, 2);
  int row = 1;
  for (std::string_view reference : kManglikReferenceNames) {
    grid->addWidget(Label(tr("House from %1").arg(Q(reference)), manglik), row, 0);
    for (char side : {'M', 'F'}) {
      grid->addWidget(
          WrappedLabel(manglik,
                       QStringLiteral("lbl%1Manglik").arg(QLatin1Char(side)) + Q(reference),
                       tr("%1's Mars from %2").arg(SideName(side), Q(reference))),
          row, side == 'M' ? 1 : 2);
    }
    ++row;
  }
  grid->addWidget(Label(tr("Manglik"), manglik), row, 0);
  grid->addWidget(Label(tr("Exceptions"), manglik), row + 1, 0, Qt::AlignTop);
  for (char side : {'M', 'F'}) {
    const int column = side == 'M' ? 1 : 2;
    grid->addWidget(WrappedLabel(manglik, QStringLiteral("lbl%1Manglik").arg(QLatin1Char(side)),
                                 tr("%1 is Manglik").arg(SideName(side))),
                    row, column);
    grid->addWidget(
        WrappedLabel(manglik, QStringLiteral("lbl%1ManglikExceptions").arg(QLatin1Char(side)),
                     tr("%1's Manglik exceptions").arg(SideName(side))),
        row + 1, column, Qt::AlignTop);
  }
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(2, 1);
  auto* verdict = WrappedLabel(manglik, QStringLiteral("lblManglikMatch"), tr("Manglik verdict"));
  QFont bold = verdict->font();
  bold.setBold(true);
  verdict->setFont(bold);
  grid->addWidget(verdict, row + 2, 0, 1, 3);
  right->addWidget(manglik);

  auto* timing = new QGroupBox(tr("Birth Time Sensitivity"), page);
  timing->setObjectName(QStringLiteral("fraBirthTime"));
  auto* timing_layout = new QVBoxLayout(timing);
  for (char side : {'M', 'F'}) {
    auto* title = Heading(QString(), timing);
    title->setObjectName(QStringLiteral("lbl%1WindowTitle").arg(QLatin1Char(side)));
    timing_layout->addWidget(title);
    for (std::string_view kind : kWindowKindNames) {
      timing_layout->addWidget(
          WrappedLabel(timing, QStringLiteral("lbl%1Window").arg(QLatin1Char(side)) + Q(kind),
                       tr("%1's %2 window").arg(SideName(side), Q(kind))));
    }
  }
  auto* range_row = new QHBoxLayout;
  uncertainty_ = new QComboBox(timing);
  uncertainty_->setObjectName(QStringLiteral("cboUncertainty"));
  uncertainty_->setAccessibleName(tr("Birth time uncertainty"));
  for (int minutes : kUncertaintyChoices) {
    uncertainty_->addItem(tr("\u00B1%1 minutes").arg(minutes), minutes);
  }
  uncertainty_->setCurrentIndex(uncertainty_->findData(kDefaultUncertaintyMinutes));
  auto* range_caption = new QLabel(tr("Birth times &uncertain by:"), timing);
  range_caption->setBuddy(uncertainty_);
  range_row->addWidget(range_caption);
  range_row->addWidget(uncertainty_);
  range_row->addStretch();
  timing_layout->addLayout(range_row);
  timing_layout->addWidget(
      WrappedLabel(timing, QStringLiteral("lblScoreRange"), tr("Score range")));
  right->addWidget(timing);
  right->addStretch();
  columns->addLayout(right, 10);
  connect(uncertainty_, &QComboBox::currentIndexChanged, this,
          [this] { emit UncertaintyChanged(Uncertainty()); });

  // Paging like the information pages.
  auto* paging = new QHBoxLayout;
  auto* back = new QPushButton(tr("Back"), frame);
  back->setObjectName(QStringLiteral("cmdChartsBack"));
  auto* next = new QPushButton(tr("Next"), frame);
  next->setObjectName(QStringLiteral("cmdChartsNext"));
  paging->addWidget(back);
  paging->addStretch();
  paging->addWidget(next);
  outer->addLayout(paging);
  connect(back, &QPushButton::clicked, this,
          [this] { all_->setCurrentIndex(all_->currentIndex() - 1); });
  connect(next, &QPushButton::clicked, this,
          [this] { all_->setCurrentIndex(all_->currentIndex() + 1); });

  const QString saved = QSettings().value(QLatin1String(kChartStyleSetting)).toString();
  chart_style_->setCurrentIndex(
      documents::ChartStyleFromKey(saved) == documents::ChartStyle::SouthIndian ? 1 : 0);
  ApplyChartStyle(chart_style_->currentIndex());
  connect(chart_style_, &QComboBox::currentIndexChanged, this, [this](int index) {
    ApplyChartStyle(index);
    QSettings().setValue(QLatin1String(kChartStyleSetting), chart_style_->itemData(index));
  });
  return frame;
}

void ResultWindow::ApplyChartStyle(int index) {
  const auto style = documents::ChartStyleFromKey(chart_style_->itemData(index).toString());
  chart_style_value_ = style;
  // The page may not belong to the window yet: the views are kept, not searched for.
  for (ChartView* view : chart_views_) {
    view->SetStyle(style);
  }
  for (ChartView* view : navamsa_views_) {
    view->SetStyle(style);
  }
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

void ResultWindow::ShowChartsAndDoshas(const ChartsAndDoshas& charts,
                                       const std::optional<BirthMoment>& boy,
                                       const std::optional<BirthMoment>& girl) {
  for (const DoshaAssessment& d : charts.Doshas) {
    SetFieldText(QStringLiteral("lblDosha") + Q(kPairDoshaNames[static_cast<std::size_t>(d.Dosha)]),
                 ToQString(DoshaWords(d)));
  }
  const bool have_charts = charts.Boy && charts.Girl && boy && girl && charts.Manglik;
  chart_details_->setVisible(have_charts);
  findChild<QWidget*>(QStringLiteral("fraManglik"))->setVisible(have_charts);
  findChild<QWidget*>(QStringLiteral("fraBirthTime"))->setVisible(have_charts);
  findChild<QWidget*>(QStringLiteral("lblChartsNeedBirthDetails"))->setVisible(!have_charts);
  if (!have_charts) {
    return;
  }
  struct Side {
    char Prefix;
    const QString& Name;
    const PersonChartReading& Reading;
    const BirthMoment& Moment;
  };
  for (const Side& side :
       {Side{'M', boy_name_, *charts.Boy, *boy}, Side{'F', girl_name_, *charts.Girl, *girl}}) {
    const QString p(QLatin1Char{side.Prefix});
    const QString who = tr("%1's Chart: %2").arg(SideName(side.Prefix), side.Name);
    SetFieldText(QStringLiteral("lbl") + p + QStringLiteral("ChartTitle"), who);
    const std::size_t index = side.Prefix == 'M' ? 0 : 1;
    const SiderealChart& chart = side.Reading.Chart;
    chart_views_[index]->SetChart(chart, side.Name);
    navamsa_views_[index]->SetChart(NavamsaChart(chart), tr("Navamsa"));
    SetFieldText(QStringLiteral("lbl") + p + QStringLiteral("ChartZodiac"),
                 ToQString(AyanamsaLine({chart.Options, chart.AyanamsaDegrees}) + "   " +
                           NodeLine(chart.Options.node)));
    ShowPlanetTable(*planet_tables_[index], chart);
    const ManglikAssessment& m = side.Reading.Manglik;
    for (std::size_t r = 0; r < kManglikReferenceNames.size(); ++r) {
      SetFieldText(
          QStringLiteral("lbl") + p + QStringLiteral("Manglik") + Q(kManglikReferenceNames[r]),
          tr("House %1: %2")
              .arg(m.From[r].House)
              .arg(m.From[r].Dosha ? tr("dosha") : tr("no dosha")));
    }
    SetFieldText(QStringLiteral("lbl") + p + QStringLiteral("Manglik"), ToQString(ManglikWords(m)));
    SetFieldText(QStringLiteral("lbl") + p + QStringLiteral("ManglikExceptions"),
                 ToQString(ExceptionListWords(m.Exceptions)));
    SetFieldText(QStringLiteral("lbl") + p + QStringLiteral("WindowTitle"),
                 tr("%1's birth time: %2").arg(SideName(side.Prefix), side.Name));
    for (int k = 0; k < kWindowKindCount; ++k) {
      SetFieldText(
          QStringLiteral("lbl") + p + QStringLiteral("Window") +
              Q(kWindowKindNames[static_cast<std::size_t>(k)]),
          ToQString(WindowWords(side.Reading.Windows, static_cast<WindowKind>(k), side.Moment)));
    }
  }
  SetFieldText(QStringLiteral("lblManglikMatch"), ToQString(ManglikMatchWords(*charts.Manglik)));
  if (charts.Range) {
    ShowScoreRange(*charts.Range);
  }
}

void ResultWindow::ShowPlanetTable(QTableWidget& table, const SiderealChart& chart) {
  const std::vector<PlanetTableRow> rows = PlanetTable(chart);
  table.setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const std::array<std::string, 5> cells = PlanetTableCells(rows[static_cast<std::size_t>(r)]);
    for (int c = 0; c < static_cast<int>(cells.size()); ++c) {
      auto* item = new QTableWidgetItem(ToQString(cells[static_cast<std::size_t>(c)]));
      table.setItem(r, c, item);
    }
  }
  // The whole table shows, every cell on one line: the contents decide its size and the
  // charts take the rest of the row (the page scrolls where even that is too little).
  table.resizeColumnsToContents();
  table.resizeRowsToContents();
  int height = table.horizontalHeader()->sizeHint().height() + 2 * table.frameWidth();
  for (int r = 0; r < table.rowCount(); ++r) {
    height += table.rowHeight(r);
  }
  int width = 2 * table.frameWidth();
  for (int c = 0; c < table.columnCount(); ++c) {
    width += table.columnWidth(c);
  }
  table.setFixedSize(width, height);
}

void ResultWindow::ShowScoreRange(const ScoreRange& range) {
  SetFieldText(QStringLiteral("lblScoreRange"), ToQString(ScoreRangeWords(range)));
}

int ResultWindow::Uncertainty() const {
  return uncertainty_->currentData().toInt();
}

int ResultWindow::SelectedTab() const {
  return all_->currentIndex() + 1;
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
