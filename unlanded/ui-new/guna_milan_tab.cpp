// SPDX-License-Identifier: MIT
#include "ui/vedic/result/guna_milan_tab.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/shell/rich_text.h"
#include "ui/vedic/result/result_labels.h"

namespace lumora::ui {

namespace {

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

}  // namespace

GunaMilanTab::GunaMilanTab(QWidget* parent) : QGroupBox(tr("Guna Milan"), parent) {
  setObjectName(QStringLiteral("fraTable"));
  auto* outer = new QVBoxLayout(this);
  auto* picture = new QFrame(this);
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
    GridRowLabels& row = rows_[static_cast<std::size_t>(r)];
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
  verdict_ = cell(kVerdictCell, "total");
  grid->addWidget(verdict_, total_row, 1, 1, 2);
  maximum_ = cell(kMaximumCell, "total");
  maximum_->setAlignment(Qt::AlignCenter);
  grid->addWidget(maximum_, total_row, 3);
  points_ = cell(kPointsTotalCell, "total");
  points_->setAlignment(Qt::AlignCenter);
  grid->addWidget(points_, total_row, 4);
  grid->addWidget(new QLabel(picture), total_row, 5);
  summary_ = cell(kSummaryCell, "total");
  summary_->setAlignment(Qt::AlignCenter);
  grid->addWidget(summary_, total_row + 1, 0, 1, static_cast<int>(kGunaMilanColumnTitles.size()));
  outer->addWidget(picture);
  outer->addStretch();
}

void GunaMilanTab::ShowGrid(const GunaMilanGrid& grid) {
  // A value alone ("1") tells a listener nothing; its name carries its row and column.
  auto show = [](QLabel* label, const std::string& text, const QString& where) {
    label->setText(ToQString(text));
    label->setAccessibleName(where + QStringLiteral(", ") + ToQString(text));
  };
  for (std::size_t r = 0; r < grid.Rows.size(); ++r) {
    const QString koota = Q(kKootas[r].Koota);
    for (std::size_t c = 0; c < kGridColumns.size(); ++c) {
      show(rows_[r][c], grid.Rows[r].*kGridColumns[c].Cell,
           koota + QStringLiteral(", ") + QLatin1String(kGridColumns[c].Words));
    }
  }
  show(maximum_, grid.MaximumTotal, tr("Total, maximum points"));
  show(points_, grid.PointsTotal, tr("Total, points obtained"));
  show(verdict_, grid.Verdict, tr("Total, verdict"));
  show(summary_, grid.Summary, tr("Summary"));
}

}  // namespace lumora::ui
