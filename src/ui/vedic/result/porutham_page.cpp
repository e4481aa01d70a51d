// SPDX-License-Identifier: MIT
#include "ui/vedic/result/porutham_page.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/glossary/glossary.h"
#include "core/vedic/porutham/porutham_words.h"
#include "ui/shell/language_choice.h"

namespace lumora::ui {

namespace {

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QTableWidget* Table(QWidget* parent, const QString& name, const QString& accessible,
                    const QStringList& headings) {
  auto* table = new QTableWidget(0, static_cast<int>(headings.size()), parent);
  table->setObjectName(name);
  table->setAccessibleName(accessible);
  table->setHorizontalHeaderLabels(headings);
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setTabKeyNavigation(false);  // Tab leaves the table, arrows move inside it
  table->setWordWrap(false);
  // Every row shows: the page scrolls as a whole rather than each table on its own.
  table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  return table;
}

// Fixes the table's height to its header and rows.
void FitRows(QTableWidget* table) {
  int height = table->horizontalHeader()->height() + 2 * table->frameWidth();
  for (int r = 0; r < table->rowCount(); ++r) {
    height += table->rowHeight(r);
  }
  // A table wider than its room scrolls sideways: its bar must not cover the last row.
  if (table->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff &&
      table->horizontalHeader()->length() > table->width() - 2 * table->frameWidth()) {
    height += table->horizontalScrollBar()->sizeHint().height();
  }
  table->setFixedHeight(height);
}

// "house 7: 0.5"
QString PlacementText(const PapaPlacement& placement) {
  const PapaRow row = PapaRowOf(placement);
  return QObject::tr("house %1: %2")
      .arg(QString::fromStdString(row.House), QString::fromStdString(row.Points));
}

QTableWidgetItem* Item(const QString& text, bool centred = false) {
  auto* item = new QTableWidgetItem(text);
  if (centred) {
    item->setTextAlignment(Qt::AlignCenter);
  }
  return item;
}

QLabel* Line(QWidget* parent, const QString& name, const QString& accessible) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setAccessibleName(accessible);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  return label;
}

}  // namespace

PoruthamPage::PoruthamPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("fraPorutham"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName(QStringLiteral("scrPorutham"));
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  outer->addWidget(scroll);
  auto* content = new QWidget(scroll);
  scroll->setWidget(content);
  auto* layout = new QVBoxLayout(content);

  auto* match = new QGroupBox(tr("The ten poruthams"), content);
  match->setObjectName(QStringLiteral("fraPoruthams"));
  auto* match_layout = new QVBoxLayout(match);
  poruthams_ = Table(match, QStringLiteral("tblPoruthams"), tr("Poruthams"),
                     {tr("Porutham"), tr("Agrees"), tr("Decided by"), tr("Meaning")});
  poruthams_->setRowCount(kPoruthamCount);
  // The meanings are sentences: they wrap within the page's width instead of widening
  // the table past it, and the rows grow to hold them whenever the width changes.
  poruthams_->setWordWrap(true);
  poruthams_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustIgnored);
  poruthams_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The name and the verdict keep their width; what decided it and the meaning share the rest.
  poruthams_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  poruthams_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  poruthams_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
  poruthams_->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
  // Queued: the rows are measured once every section has its new width.
  connect(
      poruthams_->horizontalHeader(), &QHeaderView::sectionResized, this,
      [this] {
        poruthams_->resizeRowsToContents();
        FitRows(poruthams_);
      },
      Qt::QueuedConnection);
  match_layout->addWidget(poruthams_);
  auto* summary = new QHBoxLayout;
  count_ = Line(match, QStringLiteral("lblPoruthamCount"), tr("Porutham count"));
  vetoes_ = Line(match, QStringLiteral("lblPoruthamVetoes"), tr("Porutham vetoes"));
  verdict_ = Line(match, QStringLiteral("lblPoruthamVerdict"), tr("Porutham verdict"));
  QFont bold = verdict_->font();
  bold.setBold(true);
  for (QLabel* label : {count_, vetoes_, verdict_}) {
    label->setFont(bold);
    summary->addWidget(label);
  }
  verdict_->setStyleSheet(QStringLiteral("color: #0000c0;"));
  summary->addStretch();
  match_layout->addLayout(summary);
  layout->addWidget(match);

  auto* papa = new QGroupBox(tr("Papasamyam (balance of malefics)"), content);
  papa->setObjectName(QStringLiteral("fraPapasamyam"));
  auto* papa_layout = new QVBoxLayout(papa);
  // One row per malefic, one column per person and reference: the house it stands in
  // and the points it adds; the totals under each person.
  papasamyam_ =
      Table(papa, QStringLiteral("tblPapasamyam"), tr("Papasamyam"),
            {tr("Planet"), tr("Boy from Lagna"), tr("Boy from Moon"), tr("Boy from Venus"),
             tr("Girl from Lagna"), tr("Girl from Moon"), tr("Girl from Venus")});
  papasamyam_->setRowCount(static_cast<int>(kPapaGrahas.size()) + 1);
  papa_layout->addWidget(papasamyam_);
  papasamyam_totals_ = Line(papa, QStringLiteral("lblPapasamyam"), tr("Papasamyam totals"));
  papasamyam_totals_->setWordWrap(true);
  papasamyam_totals_->setFont(bold);
  papa_layout->addWidget(papasamyam_totals_);
  layout->addWidget(papa);
  layout->addStretch();
}

void PoruthamPage::Show(const PoruthamMatch& match, const MoonPair& pair,
                        const std::optional<PapasamyamResult>& papasamyam) {
  const auto rows = PoruthamRows(match, pair);
  for (int r = 0; r < kPoruthamCount; ++r) {
    const PoruthamRow& row = rows[static_cast<std::size_t>(r)];
    // The porutham's name and verdict as the chosen language's tables give them; what
    // decided it and its meaning are the core's sentences.
    const Language language = CurrentLanguage();
    const auto which = static_cast<Porutham>(r);
    auto* name = Item(language == Language::English ? QString::fromStdString(row.Name)
                                                    : Utf8(PoruthamWord(language, which)));
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    poruthams_->setItem(r, 0, name);
    auto* agrees = Item(QString::fromStdString(row.Agrees), true);
    agrees->setForeground(match.Poruthams[static_cast<std::size_t>(r)].Agrees ? QColor(0, 120, 0)
                                                                              : QColor(176, 0, 0));
    poruthams_->setItem(r, 1, agrees);
    poruthams_->setItem(r, 2, Item(QString::fromStdString(row.Decided)));
    poruthams_->setItem(r, 3, Item(QString::fromStdString(row.Meaning)));
  }
  poruthams_->resizeRowsToContents();
  FitRows(poruthams_);
  count_->setText(QString::fromStdString(PoruthamCountWords(match)));
  vetoes_->setText(QString::fromStdString(PoruthamVetoWords(match)));
  verdict_->setText(tr("Verdict: %1")
                        .arg(CurrentLanguage() == Language::English
                                 ? Q(PoruthamVerdictWords(match.Verdict))
                                 : Utf8(PoruthamVerdictWord(CurrentLanguage(), match.Verdict))));

  if (!papasamyam) {
    papasamyam_->setRowCount(0);
    papasamyam_->hide();
    papasamyam_totals_->setText(
        tr("Papasamyam needs both persons' birth details; a profile file holds none."));
    return;
  }
  papasamyam_->show();
  // Placements come boy then girl, each malefic's three references together.
  const int references = static_cast<int>(kPapaReferenceNames.size());
  const int per_person = static_cast<int>(kPapaGrahas.size()) * references;
  int index = 0;
  for (const PapaPlacement& placement : papasamyam->Placements) {
    const int person = index / per_person;
    const int row = (index % per_person) / references;
    const int column = 1 + person * references + index % references;
    if (person == 0 && index % references == 0) {
      papasamyam_->setItem(row, 0, Item(Utf8(GrahaWord(CurrentLanguage(), placement.Planet))));
    }
    auto* cell = Item(PlacementText(placement), true);
    if (placement.Points > 0.0) {
      QFont bold = cell->font();
      bold.setBold(true);
      cell->setFont(bold);
    }
    papasamyam_->setItem(row, column, cell);
    ++index;
  }
  const int total_row = static_cast<int>(kPapaGrahas.size());
  auto* total = Item(tr("Total"));
  QFont bold = total->font();
  bold.setBold(true);
  total->setFont(bold);
  papasamyam_->setItem(total_row, 0, total);
  papasamyam_->setSpan(total_row, 1, 1, references);
  papasamyam_->setSpan(total_row, 1 + references, 1, references);
  for (const auto& [column, points] :
       {std::pair{1, papasamyam->Boy}, std::pair{1 + references, papasamyam->Girl}}) {
    auto* item = Item(QString::fromStdString(QuarterPointsText(points)), true);
    item->setFont(bold);
    papasamyam_->setItem(total_row, column, item);
  }
  papasamyam_->resizeColumnsToContents();
  papasamyam_->horizontalHeader()->setStretchLastSection(true);
  FitRows(papasamyam_);
  papasamyam_totals_->setText(QString::fromStdString(PapasamyamWords(*papasamyam)));
}

}  // namespace lumora::ui
