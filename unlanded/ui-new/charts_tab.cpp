// SPDX-License-Identifier: MIT
#include "ui/vedic/result/charts_tab.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QVBoxLayout>

#include "ui/shell/rich_text.h"
#include "ui/vedic/result/chart_view.h"
#include "ui/vedic/result/result_labels.h"

namespace lumora::ui {

namespace {

// Where the chosen chart style is remembered between runs.
const char* const kChartStyleSetting = "Charts/Style";

QString SideName(char side) {
  return side == 'M' ? QStringLiteral("Boy") : QStringLiteral("Girl");
}

}  // namespace

ChartsTab::ChartsTab(const QString& boy_name, const QString& girl_name, QWidget* parent)
    : QGroupBox(tr("Charts And Doshas"), parent), boy_name_(boy_name), girl_name_(girl_name) {
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
  auto* columns = new QHBoxLayout(page);

  // Left: the two charts with the style choice, the doshas below.
  auto* left = new QVBoxLayout;
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
  auto* charts = new QHBoxLayout;
  for (char side : {'M', 'F'}) {
    auto* box = new QVBoxLayout;
    auto* title = Heading(QString(), chart_details_);
    title->setObjectName(QStringLiteral("lbl%1ChartTitle").arg(QLatin1Char(side)));
    labels_.insert(title->objectName(), title);
    title->setAlignment(Qt::AlignCenter);
    box->addWidget(title);
    auto* view = new ChartView(chart_details_);
    view->setObjectName(QStringLiteral("pic%1Chart").arg(QLatin1Char(side)));
    view->setAccessibleName(tr("%1's rasi chart").arg(SideName(side)));
    chart_views_[side == 'M' ? 0 : 1] = view;
    box->addWidget(view, 1);
    charts->addLayout(box);
  }
  details_layout->addLayout(charts);
  left->addWidget(chart_details_);

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
  for (std::string_view name : kPairDoshaNames) {
    dosha_layout->addWidget(
        AddLabel(doshas, QStringLiteral("lblDosha") + Q(name), Q(name) + tr(" dosha")));
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
  for (std::string_view reference : kManglikReferenceNames) {
    grid->addWidget(SelectableLabel(tr("House from %1").arg(Q(reference)), manglik), row, 0);
    for (char side : {'M', 'F'}) {
      grid->addWidget(
          AddLabel(manglik, QStringLiteral("lbl%1Manglik").arg(QLatin1Char(side)) + Q(reference),
                   tr("%1's Mars from %2").arg(SideName(side), Q(reference))),
          row, side == 'M' ? 1 : 2);
    }
    ++row;
  }
  grid->addWidget(SelectableLabel(tr("Manglik"), manglik), row, 0);
  grid->addWidget(SelectableLabel(tr("Exceptions"), manglik), row + 1, 0, Qt::AlignTop);
  for (char side : {'M', 'F'}) {
    const int column = side == 'M' ? 1 : 2;
    grid->addWidget(AddLabel(manglik, QStringLiteral("lbl%1Manglik").arg(QLatin1Char(side)),
                             tr("%1 is Manglik").arg(SideName(side))),
                    row, column);
    grid->addWidget(
        AddLabel(manglik, QStringLiteral("lbl%1ManglikExceptions").arg(QLatin1Char(side)),
                 tr("%1's Manglik exceptions").arg(SideName(side))),
        row + 1, column, Qt::AlignTop);
  }
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(2, 1);
  auto* verdict = AddLabel(manglik, QStringLiteral("lblManglikMatch"), tr("Manglik verdict"));
  QFont bold = verdict->font();
  bold.setBold(true);
  verdict->setFont(bold);
  grid->addWidget(verdict, row + 2, 0, 1, 3);
  right->addWidget(manglik);

  auto* timing = new QGroupBox(tr("Birth Time Sensitivity"), page);
  timing->setObjectName(QStringLiteral("fraBirthTime"));
  birth_time_ = timing;
  auto* timing_layout = new QVBoxLayout(timing);
  for (char side : {'M', 'F'}) {
    auto* title = Heading(QString(), timing);
    title->setObjectName(QStringLiteral("lbl%1WindowTitle").arg(QLatin1Char(side)));
    labels_.insert(title->objectName(), title);
    timing_layout->addWidget(title);
    for (std::string_view kind : kWindowKindNames) {
      timing_layout->addWidget(
          AddLabel(timing, QStringLiteral("lbl%1Window").arg(QLatin1Char(side)) + Q(kind),
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
  timing_layout->addWidget(AddLabel(timing, QStringLiteral("lblScoreRange"), tr("Score range")));
  right->addWidget(timing);
  right->addStretch();
  columns->addLayout(right, 10);
  connect(uncertainty_, &QComboBox::currentIndexChanged, this,
          [this] { emit UncertaintyChanged(Uncertainty()); });

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
  connect(back, &QPushButton::clicked, this, &ChartsTab::PreviousTabRequested);
  connect(next, &QPushButton::clicked, this, &ChartsTab::NextTabRequested);

  const QString saved = QSettings().value(QLatin1String(kChartStyleSetting)).toString();
  chart_style_->setCurrentIndex(
      documents::ChartStyleFromKey(saved) == documents::ChartStyle::SouthIndian ? 1 : 0);
  ApplyChartStyle(chart_style_->currentIndex());
  connect(chart_style_, &QComboBox::currentIndexChanged, this, [this](int index) {
    ApplyChartStyle(index);
    QSettings().setValue(QLatin1String(kChartStyleSetting), chart_style_->itemData(index));
  });
}

QLabel* ChartsTab::AddLabel(QWidget* parent, const QString& name, const QString& accessible) {
  QLabel* label = WrappedLabel(parent, name, accessible);
  labels_.insert(name, label);
  return label;
}

void ChartsTab::SetLabel(const QString& name, const QString& text) {
  if (QLabel* label = labels_.value(name)) {
    label->setText(text);
  }
}

void ChartsTab::ApplyChartStyle(int index) {
  const auto style = documents::ChartStyleFromKey(chart_style_->itemData(index).toString());
  chart_style_value_ = style;
  for (ChartView* view : chart_views_) {
    view->SetStyle(style);
  }
}

void ChartsTab::ShowChartsAndDoshas(const ChartsAndDoshas& charts,
                                    const std::optional<BirthMoment>& boy,
                                    const std::optional<BirthMoment>& girl) {
  for (const DoshaAssessment& d : charts.Doshas) {
    SetLabel(QStringLiteral("lblDosha") + Q(kPairDoshaNames[static_cast<std::size_t>(d.Dosha)]),
             ToQString(DoshaWords(d)));
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
    const QString& Name;
    const PersonChartReading& Reading;
    const BirthMoment& Moment;
    ChartView* View;
  };
  for (const Side& side : {Side{'M', boy_name_, *charts.Boy, *boy, chart_views_[0]},
                           Side{'F', girl_name_, *charts.Girl, *girl, chart_views_[1]}}) {
    const QString p(QLatin1Char{side.Prefix});
    const QString who = tr("%1's Chart: %2").arg(SideName(side.Prefix), side.Name);
    SetLabel(QStringLiteral("lbl") + p + QStringLiteral("ChartTitle"), who);
    side.View->SetChart(side.Reading.Chart, side.Name);
    const ManglikAssessment& m = side.Reading.Manglik;
    for (std::size_t r = 0; r < kManglikReferenceNames.size(); ++r) {
      SetLabel(QStringLiteral("lbl") + p + QStringLiteral("Manglik") + Q(kManglikReferenceNames[r]),
               tr("House %1: %2")
                   .arg(m.From[r].House)
                   .arg(m.From[r].Dosha ? tr("dosha") : tr("no dosha")));
    }
    SetLabel(QStringLiteral("lbl") + p + QStringLiteral("Manglik"),
             m.IsManglik ? tr("Yes") : tr("No"));
    SetLabel(QStringLiteral("lbl") + p + QStringLiteral("ManglikExceptions"),
             ToQString(ExceptionListWords(m.Exceptions)));
    SetLabel(QStringLiteral("lbl") + p + QStringLiteral("WindowTitle"),
             tr("%1's birth time: %2").arg(SideName(side.Prefix), side.Name));
    for (int k = 0; k < kWindowKindCount; ++k) {
      SetLabel(
          QStringLiteral("lbl") + p + QStringLiteral("Window") +
              Q(kWindowKindNames[static_cast<std::size_t>(k)]),
          ToQString(WindowWords(side.Reading.Windows, static_cast<WindowKind>(k), side.Moment)));
    }
  }
  SetLabel(QStringLiteral("lblManglikMatch"), ToQString(ManglikMatchWords(*charts.Manglik)));
  if (charts.Range) {
    ShowScoreRange(*charts.Range);
  }
}

void ChartsTab::ShowScoreRange(const ScoreRange& range) {
  SetLabel(QStringLiteral("lblScoreRange"), ToQString(ScoreRangeWords(range)));
}

int ChartsTab::Uncertainty() const {
  return uncertainty_->currentData().toInt();
}

}  // namespace lumora::ui
