// SPDX-License-Identifier: MIT
#include "ui/vedic/result/charts_tab.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/glossary/glossary.h"
#include "ui/shell/language_choice.h"
#include "ui/shell/rich_text.h"
#include "ui/vedic/result/chart_view.h"
#include "ui/vedic/result/result_widgets.h"

namespace lumora::ui {

namespace {

// Where the chosen chart style is remembered between runs.
const char* const kChartStyleSetting = "Charts/Style";

// The planet table's headings, marked for translation; the English ones are the core's.
constexpr std::array<const char*, kPlanetTableTitles.size()> kPlanetTitleTexts = {
    QT_TRANSLATE_NOOP("lumora::ui::PlanetTable", "Planet"),
    QT_TRANSLATE_NOOP("lumora::ui::PlanetTable", "Sign"),
    QT_TRANSLATE_NOOP("lumora::ui::PlanetTable", "Degrees"),
    QT_TRANSLATE_NOOP("lumora::ui::PlanetTable", "Nakshatra"),
    QT_TRANSLATE_NOOP("lumora::ui::PlanetTable", "Pada")};
static_assert(SameTexts(kPlanetTitleTexts, kPlanetTableTitles,
                        [](std::string_view t) { return t; }),
              "the marked headings must be the core's");

// A row of the planet table with the point, sign and nakshatra in the language in use; the
// degrees and the pada are numbers.
std::array<QString, 5> PlanetCells(const PlanetTableRow& row) {
  const std::array<std::string, 5> english = PlanetTableCells(row);
  std::array<QString, 5> cells;
  for (std::size_t c = 0; c < cells.size(); ++c) {
    cells[c] = QString::fromStdString(english[c]);
  }
  const Language language = CurrentLanguage();
  if (language == Language::English) {
    return cells;
  }
  const Glossary& words = GlossaryOf(language);
  QString point = QString::fromUtf8(row.Point.data(), static_cast<qsizetype>(row.Point.size()));
  if (row.Point == GlossaryOf(Language::English).Lagna) {
    point = Utf8(words.Lagna);
  }
  for (int g = 0; g < kGrahaCount; ++g) {
    if (row.Point == GrahaWord(Language::English, static_cast<Graha>(g))) {
      point = Utf8(GrahaWord(language, static_cast<Graha>(g)));
    }
  }
  cells[0] = row.Retrograde ? point + QLatin1Char(' ') + Utf8(words.RetrogradeMark) : point;
  cells[1] = Utf8(RashiWord(language, ToZodiacPosition(row.Longitude).Sign));
  cells[3] = Utf8(NakshatraWord(language, row.Nakshatra));
  return cells;
}

}  // namespace

ChartsTab::ChartsTab(QTabWidget& pages, const QString& boy_name, const QString& girl_name,
                     std::function<void(int)> uncertainty_changed, QWidget* parent)
    : QGroupBox(tr("Charts And Doshas"), parent) {
  persons_[0].Name = boy_name;
  persons_[1].Name = girl_name;
  setObjectName(QStringLiteral("fraCharts"));
  auto* outer = new QVBoxLayout(this);
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName(QStringLiteral("scrCharts"));
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("fraChartsPage"));
  scroll->setWidget(page);
  outer->addWidget(scroll, 1);
  auto* page_layout = new QVBoxLayout(page);
  page_layout->addWidget(NewEnglishTextNote(page));

  // Across the page: the style choice, then each person's rasi and Navamsa charts with
  // the planet table beside them.
  auto* style_row = new QHBoxLayout;
  style_choice_ = new QComboBox(page);
  style_choice_->setObjectName(QStringLiteral("cboChartStyle"));
  style_choice_->setAccessibleName(tr("Chart style"));
  style_choice_->addItem(tr("North Indian"),
                         documents::ChartStyleKey(documents::ChartStyle::NorthIndian));
  style_choice_->addItem(tr("South Indian"),
                         documents::ChartStyleKey(documents::ChartStyle::SouthIndian));
  auto* style_caption = new QLabel(tr("Chart &style:"), page);
  style_caption->setBuddy(style_choice_);
  style_row->addWidget(style_caption);
  style_row->addWidget(style_choice_);
  style_row->addStretch();
  chart_details_ = new QWidget(page);
  chart_details_->setObjectName(QStringLiteral("fraChartDetails"));
  auto* details_layout = new QVBoxLayout(chart_details_);
  details_layout->setContentsMargins(0, 0, 0, 0);
  details_layout->addLayout(style_row);
  for (char side : {'M', 'F'}) {
    PersonWidgets& person = persons_[side == 'M' ? 0 : 1];
    person.ChartTitle = Heading(QString(), chart_details_);
    person.ChartTitle->setObjectName(QStringLiteral("lbl%1ChartTitle").arg(QLatin1Char(side)));
    details_layout->addWidget(person.ChartTitle);
    person.Zodiac = SelectableLabel(QString(), chart_details_,
                                    QStringLiteral("lbl%1ChartZodiac").arg(QLatin1Char(side)));
    details_layout->addWidget(person.Zodiac);
    auto* row = new QHBoxLayout;
    person.Chart = new ChartView(chart_details_);
    person.Chart->setObjectName(QStringLiteral("pic%1Chart").arg(QLatin1Char(side)));
    person.Chart->setAccessibleName(tr("%1's rasi chart").arg(SideName(side)));
    row->addWidget(person.Chart, 3);
    person.Navamsa = new ChartView(chart_details_);
    person.Navamsa->setObjectName(QStringLiteral("pic%1Navamsa").arg(QLatin1Char(side)));
    person.Navamsa->setAccessibleName(tr("%1's Navamsa (D9) chart").arg(SideName(side)));
    row->addWidget(person.Navamsa, 3);
    auto* table = new QTableWidget(kGrahaCount + 1, static_cast<int>(kPlanetTableTitles.size()),
                                   chart_details_);
    table->setObjectName(QStringLiteral("tbl%1Planets").arg(QLatin1Char(side)));
    table->setAccessibleName(tr("%1's planets").arg(SideName(side)));
    QStringList titles;
    for (const char* t : kPlanetTitleTexts) {
      titles << QCoreApplication::translate("lumora::ui::PlanetTable", t);
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
    person.Planets = table;
    row->addWidget(table, 0, Qt::AlignTop);
    details_layout->addLayout(row);
  }
  page_layout->addWidget(chart_details_);
  auto* columns = new QHBoxLayout;
  page_layout->addLayout(columns);

  // Below, on the left: the doshas.
  auto* left = new QVBoxLayout;

  need_birth_details_ = WrappedLabel(page, QStringLiteral("lblChartsNeedBirthDetails"),
                                     tr("Charts need birth details"));
  need_birth_details_->setText(
      tr("This match was opened from a profile file, which holds only the Moon signs "
         "and nakshatras. The charts, Manglik and the birth-time windows need both "
         "persons' birth details: enter them in the birth details form."));
  need_birth_details_->hide();
  left->addWidget(need_birth_details_);

  auto* doshas = new QGroupBox(tr("Doshas"), page);
  doshas->setObjectName(QStringLiteral("fraDoshas"));
  auto* dosha_layout = new QVBoxLayout(doshas);
  for (std::size_t d = 0; d < kPairDoshaNames.size(); ++d) {
    const QString name = Utf8(kPairDoshaNames[d]);
    doshas_[d] = WrappedLabel(doshas, QStringLiteral("lblDosha") + name, name + tr(" dosha"));
    dosha_layout->addWidget(doshas_[d]);
  }
  left->addWidget(doshas);
  left->addStretch();
  columns->addLayout(left, 11);

  // Right: Manglik and the birth-time sensitivity.
  auto* right = new QVBoxLayout;
  auto* manglik = new QGroupBox(tr("Manglik (Kuja dosha)"), page);
  manglik->setObjectName(QStringLiteral("fraManglik"));
  manglik_ = manglik;
  auto* grid = new QGridLayout(manglik);
  grid->addWidget(Heading(tr("Mars"), manglik), 0, 0);
  grid->addWidget(Heading(tr("Boy"), manglik), 0, 1);
  grid->addWidget(Heading(tr("Girl"), manglik), 0, 2);
  int row = 1;
  for (std::size_t r = 0; r < kManglikReferenceNames.size(); ++r) {
    const QString reference = Utf8(kManglikReferenceNames[r]);
    grid->addWidget(SelectableLabel(tr("House from %1").arg(reference), manglik), row, 0);
    for (char side : {'M', 'F'}) {
      QLabel* label =
          WrappedLabel(manglik, QStringLiteral("lbl%1Manglik").arg(QLatin1Char(side)) + reference,
                       tr("%1's Mars from %2").arg(SideName(side), reference));
      persons_[side == 'M' ? 0 : 1].ManglikFrom[r] = label;
      grid->addWidget(label, row, side == 'M' ? 1 : 2);
    }
    ++row;
  }
  grid->addWidget(SelectableLabel(tr("Manglik"), manglik), row, 0);
  grid->addWidget(SelectableLabel(tr("Exceptions"), manglik), row + 1, 0, Qt::AlignTop);
  for (char side : {'M', 'F'}) {
    PersonWidgets& person = persons_[side == 'M' ? 0 : 1];
    const int column = side == 'M' ? 1 : 2;
    person.Manglik = WrappedLabel(manglik, QStringLiteral("lbl%1Manglik").arg(QLatin1Char(side)),
                                  tr("%1 is Manglik").arg(SideName(side)));
    grid->addWidget(person.Manglik, row, column);
    person.ManglikExceptions =
        WrappedLabel(manglik, QStringLiteral("lbl%1ManglikExceptions").arg(QLatin1Char(side)),
                     tr("%1's Manglik exceptions").arg(SideName(side)));
    grid->addWidget(person.ManglikExceptions, row + 1, column, Qt::AlignTop);
  }
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(2, 1);
  manglik_match_ = WrappedLabel(manglik, QStringLiteral("lblManglikMatch"), tr("Manglik verdict"));
  QFont bold = manglik_match_->font();
  bold.setBold(true);
  manglik_match_->setFont(bold);
  grid->addWidget(manglik_match_, row + 2, 0, 1, 3);
  right->addWidget(manglik);

  auto* timing = new QGroupBox(tr("Birth Time Sensitivity"), page);
  timing->setObjectName(QStringLiteral("fraBirthTime"));
  birth_time_ = timing;
  auto* timing_layout = new QVBoxLayout(timing);
  for (char side : {'M', 'F'}) {
    PersonWidgets& person = persons_[side == 'M' ? 0 : 1];
    person.WindowTitle = Heading(QString(), timing);
    person.WindowTitle->setObjectName(QStringLiteral("lbl%1WindowTitle").arg(QLatin1Char(side)));
    timing_layout->addWidget(person.WindowTitle);
    for (int k = 0; k < kWindowKindCount; ++k) {
      const QString kind = Utf8(kWindowKindNames[static_cast<std::size_t>(k)]);
      QLabel* label =
          WrappedLabel(timing, QStringLiteral("lbl%1Window").arg(QLatin1Char(side)) + kind,
                       tr("%1's %2 window").arg(SideName(side), kind));
      person.Windows[static_cast<std::size_t>(k)] = label;
      timing_layout->addWidget(label);
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
  score_range_ = WrappedLabel(timing, QStringLiteral("lblScoreRange"), tr("Score range"));
  timing_layout->addWidget(score_range_);
  right->addWidget(timing);
  right->addStretch();
  columns->addLayout(right, 10);
  connect(uncertainty_, &QComboBox::currentIndexChanged, this,
          [this, changed = std::move(uncertainty_changed)] { changed(Uncertainty()); });

  // Paging like the information pages.
  auto* paging = new QHBoxLayout;
  auto* back = new QPushButton(tr("Back"), this);
  back->setObjectName(QStringLiteral("cmdChartsBack"));
  auto* next = new QPushButton(tr("Next"), this);
  next->setObjectName(QStringLiteral("cmdChartsNext"));
  paging->addWidget(back);
  paging->addStretch();
  paging->addWidget(next);
  outer->addLayout(paging);
  QTabWidget* strip = &pages;
  connect(back, &QPushButton::clicked, strip,
          [strip] { strip->setCurrentIndex(strip->currentIndex() - 1); });
  connect(next, &QPushButton::clicked, strip,
          [strip] { strip->setCurrentIndex(strip->currentIndex() + 1); });

  const QString saved = QSettings().value(QLatin1String(kChartStyleSetting)).toString();
  style_choice_->setCurrentIndex(
      documents::ChartStyleFromKey(saved) == documents::ChartStyle::SouthIndian ? 1 : 0);
  ApplyStyle(style_choice_->currentIndex());
  connect(style_choice_, &QComboBox::currentIndexChanged, this, [this](int index) {
    ApplyStyle(index);
    QSettings().setValue(QLatin1String(kChartStyleSetting), style_choice_->itemData(index));
  });
}

void ChartsTab::ApplyStyle(int index) {
  style_ = documents::ChartStyleFromKey(style_choice_->itemData(index).toString());
  for (const PersonWidgets& person : persons_) {
    person.Chart->SetStyle(style_);
    person.Navamsa->SetStyle(style_);
  }
}

void ChartsTab::Show(const ChartsAndDoshas& charts, const std::optional<BirthMoment>& boy,
                     const std::optional<BirthMoment>& girl) {
  for (const DoshaAssessment& d : charts.Doshas) {
    doshas_[static_cast<std::size_t>(d.Dosha)]->setText(
        ToQString(DoshaWords(d, CurrentLanguage())));
  }
  const bool have_charts = charts.Boy && charts.Girl && boy && girl && charts.Manglik;
  chart_details_->setVisible(have_charts);
  manglik_->setVisible(have_charts);
  birth_time_->setVisible(have_charts);
  need_birth_details_->setVisible(!have_charts);
  if (!have_charts) {
    return;
  }
  struct Side {
    char Prefix;
    PersonWidgets& Widgets;
    const PersonChartReading& Reading;
    const BirthMoment& Moment;
  };
  for (const Side& side :
       {Side{'M', persons_[0], *charts.Boy, *boy}, Side{'F', persons_[1], *charts.Girl, *girl}}) {
    PersonWidgets& w = side.Widgets;
    w.ChartTitle->setText(tr("%1's Chart: %2").arg(SideName(side.Prefix), w.Name));
    const SiderealChart& chart = side.Reading.Chart;
    w.Chart->SetChart(chart, w.Name);
    w.Navamsa->SetChart(NavamsaChart(chart), tr("Navamsa"));
    w.Zodiac->setText(
        ToQString(AyanamsaLine({chart.Options, chart.AyanamsaDegrees}, CurrentLanguage()) + "   " +
                  NodeLine(chart.Options.node, CurrentLanguage())));
    ShowPlanetTable(*w.Planets, chart);
    const ManglikAssessment& m = side.Reading.Manglik;
    for (std::size_t r = 0; r < kManglikReferenceNames.size(); ++r) {
      w.ManglikFrom[r]->setText(tr("House %1: %2")
                                    .arg(m.From[r].House)
                                    .arg(m.From[r].Dosha ? tr("dosha") : tr("no dosha")));
    }
    w.Manglik->setText(ToQString(ManglikWords(m)));
    w.ManglikExceptions->setText(ToQString(ExceptionListWords(m.Exceptions)));
    w.WindowTitle->setText(tr("%1's birth time: %2").arg(SideName(side.Prefix), w.Name));
    for (int k = 0; k < kWindowKindCount; ++k) {
      w.Windows[static_cast<std::size_t>(k)]->setText(
          ToQString(WindowWords(side.Reading.Windows, static_cast<WindowKind>(k), side.Moment)));
    }
  }
  manglik_match_->setText(ToQString(ManglikMatchWords(*charts.Manglik)));
  if (charts.Range) {
    ShowScoreRange(*charts.Range);
  }
}

void ChartsTab::ShowPlanetTable(QTableWidget& table, const SiderealChart& chart) {
  const std::vector<PlanetTableRow> rows = PlanetTable(chart);
  table.setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const std::array<QString, 5> cells = PlanetCells(rows[static_cast<std::size_t>(r)]);
    for (int c = 0; c < static_cast<int>(cells.size()); ++c) {
      auto* item = new QTableWidgetItem(cells[static_cast<std::size_t>(c)]);
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

void ChartsTab::ShowScoreRange(const ScoreRange& range) {
  score_range_->setText(ToQString(ScoreRangeWords(range)));
}

int ChartsTab::Uncertainty() const {
  return uncertainty_->currentData().toInt();
}

}  // namespace lumora::ui
