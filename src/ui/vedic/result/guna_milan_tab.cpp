// SPDX-License-Identifier: MIT
#include "ui/vedic/result/guna_milan_tab.h"

#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
#include <QStringList>
#include <QVBoxLayout>

#include "core/glossary/glossary.h"
#include "core/vedic/match/koota_texts.h"
#include "ui/shell/language_choice.h"
#include "ui/shell/rich_text.h"
#include "ui/vedic/result/result_widgets.h"

namespace lumora::ui {

namespace {

// The Guna Milan table's headings, marked for translation; the English ones are the core's.
constexpr std::array<const char*, kGunaMilanColumnTitles.size()> kColumnTitleTexts = {
    QT_TRANSLATE_NOOP("lumora::ui::GunaMilanGrid", "GUNA"),
    QT_TRANSLATE_NOOP("lumora::ui::GunaMilanGrid", "BOY"),
    QT_TRANSLATE_NOOP("lumora::ui::GunaMilanGrid", "GIRL"),
    QT_TRANSLATE_NOOP("lumora::ui::GunaMilanGrid", "MAXIMUM POINTS"),
    QT_TRANSLATE_NOOP("lumora::ui::GunaMilanGrid", "POINTS OBTAINED"),
    QT_TRANSLATE_NOOP("lumora::ui::GunaMilanGrid", "AREA OF LIFE")};
constexpr std::array<const char*, kKootaCount> kAreaOfLifeTexts = {
    QT_TRANSLATE_NOOP("lumora::ui::GunaMilanGrid", "Work"),
    QT_TRANSLATE_NOOP("lumora::ui::GunaMilanGrid", "Control"),
    QT_TRANSLATE_NOOP("lumora::ui::GunaMilanGrid", "Destiny"),
    QT_TRANSLATE_NOOP("lumora::ui::GunaMilanGrid", "Mental Awareness"),
    QT_TRANSLATE_NOOP("lumora::ui::GunaMilanGrid", "Compatibility"),
    QT_TRANSLATE_NOOP("lumora::ui::GunaMilanGrid", "Temperament"),
    QT_TRANSLATE_NOOP("lumora::ui::GunaMilanGrid", "Love"),
    QT_TRANSLATE_NOOP("lumora::ui::GunaMilanGrid", "Health")};

static_assert(SameTexts(kColumnTitleTexts, kGunaMilanColumnTitles,
                        [](std::string_view t) { return t; }),
              "the marked headings must be the core's");
static_assert(SameTexts(kAreaOfLifeTexts, kKootas, [](const KootaInfo& k) { return k.AreaOfLife; }),
              "the marked areas of life must be the core's");

QString GridText(const char* english) {
  return QCoreApplication::translate("lumora::ui::GunaMilanGrid", english);
}

// The value cells of a koota row, left to right after the row's title: what a screen
// reader says for the column, the cell of the row it shows, and whether it is centred.
struct GridColumn {
  const char* Words;
  std::string GunaMilanRow::*Cell;
  bool Centred;
};
constexpr std::array<GridColumn, 5> kGridColumns = {{
    {QT_TRANSLATE_NOOP("lumora::ui::GunaMilanTab", "boy"), &GunaMilanRow::BoyValue, false},
    {QT_TRANSLATE_NOOP("lumora::ui::GunaMilanTab", "girl"), &GunaMilanRow::GirlValue, false},
    {QT_TRANSLATE_NOOP("lumora::ui::GunaMilanTab", "maximum points"), &GunaMilanRow::MaximumPoints,
     true},
    {QT_TRANSLATE_NOOP("lumora::ui::GunaMilanTab", "points obtained"),
     &GunaMilanRow::PointsObtained, true},
    {QT_TRANSLATE_NOOP("lumora::ui::GunaMilanTab", "area of life"), &GunaMilanRow::AreaOfLife,
     false},
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

GunaMilanTab::GunaMilanTab(KootaTables tables, const KootaMoon& boy, const KootaMoon& girl,
                           QWidget* parent)
    : QGroupBox(tr("Guna Milan"), parent), tables_(tables), boy_moon_(boy), girl_moon_(girl) {
  QGroupBox* frame = this;
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
    auto* title = new QLabel(GridText(kColumnTitleTexts[c]), picture);
    title->setProperty("role", "title");
    title->setAlignment(Qt::AlignCenter);
    // A heading longer than its column's values (the Tamil அதிகபட்சப் புள்ளிகள்) wraps
    // between its words rather than being cut at both ends.
    title->setWordWrap(true);
    grid->addWidget(title, 0, static_cast<int>(c));
  }
  for (int r = 0; r < kKootaCount; ++r) {
    // The koota's own name in Hindi and Tamil; the English table keeps its capitals.
    const Language language = CurrentLanguage();
    auto* title = new QLabel(language == Language::English
                                 ? Utf8(kGunaMilanRowTitles[static_cast<std::size_t>(r)])
                                 : Utf8(KootaWord(language, r)),
                             picture);
    title->setProperty("role", "row");
    grid->addWidget(title, r + 1, 0);
    RowLabels& row = rows_[static_cast<std::size_t>(r)];
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
  tables_line_ = new QLabel(content);
  tables_line_->setObjectName(QStringLiteral("lblKootaTables"));
  tables_line_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  outer->addWidget(tables_line_);
  notes_ = new QLabel(content);
  notes_->setObjectName(QStringLiteral("lblKootaNotes"));
  notes_->setWordWrap(true);
  notes_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  outer->addWidget(notes_);
  outer->addStretch();
  scroll->setWidget(content);
  frame_layout->addWidget(scroll);
}

void GunaMilanTab::Show(const GunaMilanGrid& grid) {
  // A value alone ("1") tells a listener nothing; its name carries its row and column.
  auto show = [](QLabel* label, const std::string& text, const QString& where) {
    label->setText(ToQString(text));
    label->setAccessibleName(where + QStringLiteral(", ") + ToQString(text));
  };
  const GunaMilanGrid shown = InLanguage(grid);
  for (std::size_t r = 0; r < grid.Rows.size(); ++r) {
    const QString koota = Utf8(KootaWord(CurrentLanguage(), static_cast<int>(r)));
    for (std::size_t c = 0; c < kGridColumns.size(); ++c) {
      show(rows_[r][c], shown.Rows[r].*kGridColumns[c].Cell,
           koota + QStringLiteral(", ") + tr(kGridColumns[c].Words));
    }
  }
  show(maximum_, shown.MaximumTotal, tr("Total, maximum points"));
  show(points_, shown.PointsTotal, tr("Total, points obtained"));
  show(verdict_, shown.Verdict, tr("Total, verdict"));
  show(summary_, shown.Summary, tr("Summary"));
  const QString tables =
      ToQString(grid.TablesLine) + QStringLiteral("\n") + ToQString(grid.OtherTotalLine);
  tables_line_->setText(tables);
  tables_line_->setAccessibleName(tr("Koota tables"));
  tables_line_->setAccessibleDescription(tables);
  QStringList notes;
  for (std::size_t r = 0; r < grid.Notes.size(); ++r) {
    if (!grid.Notes[r].empty()) {
      notes << Utf8(kKootas[r].Koota) + QStringLiteral(": ") + ToQString(grid.Notes[r]);
    }
  }
  notes_->setText(notes.join(QLatin1Char('\n')));
  notes_->setVisible(!notes.isEmpty());
  notes_->setAccessibleName(tr("Notes on the rows"));
  notes_->setAccessibleDescription(notes.join(QLatin1Char('\n')));
}

GunaMilanGrid GunaMilanTab::InLanguage(const GunaMilanGrid& grid) const {
  const Language language = CurrentLanguage();
  if (language == Language::English) {
    return grid;
  }
  // The values are named again from the Moons the table read: each cell's English word is
  // checked against the rule's, so that a cell the rules do not explain keeps its text.
  GunaMilanGrid out = grid;
  const KootaTableSet& rules = TableSetOf(tables_);
  for (std::size_t r = 0; r < out.Rows.size(); ++r) {
    const KootaRule& rule = rules.Rules[r];
    const int koota = static_cast<int>(r);
    for (const auto& [cell, moon] : {std::pair{&GunaMilanRow::BoyValue, &boy_moon_},
                                     std::pair{&GunaMilanRow::GirlValue, &girl_moon_}}) {
      const int value = rule.Value(*moon);
      if (rule.ValueName(value) == out.Rows[r].*cell) {
        out.Rows[r].*cell = std::string(KootaValueWord(language, tables_, koota, value));
      }
    }
    out.Rows[r].AreaOfLife = GridText(kAreaOfLifeTexts[r]).toStdString();
  }
  bool read = false;
  const double total = QString::fromStdString(grid.PointsTotal).toDouble(&read);
  if (read && MatchVerdict(total) == grid.Verdict) {
    out.Verdict = std::string(MatchVerdictWord(language, GradeOfTotal(total)));
  }
  out.Summary = tr("You Have Obtained %1 Points Out Of %2 Points")
                    .arg(ToQString(grid.PointsTotal), ToQString(grid.MaximumTotal))
                    .toStdString();
  return out;
}

}  // namespace lumora::ui
