// SPDX-License-Identifier: MIT
#include "ui/vedic/result/porutham_page.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/vedic/porutham/porutham_words.h"

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
  return table;
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
  auto* layout = new QVBoxLayout(this);

  auto* match = new QGroupBox(tr("The ten poruthams"), this);
  match->setObjectName(QStringLiteral("fraPoruthams"));
  auto* match_layout = new QVBoxLayout(match);
  poruthams_ = Table(match, QStringLiteral("tblPoruthams"), tr("Poruthams"),
                     {tr("Porutham"), tr("Agrees"), tr("Decided by"), tr("Meaning")});
  poruthams_->setRowCount(kPoruthamCount);
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
  layout->addWidget(match, 3);

  auto* papa = new QGroupBox(tr("Papasamyam (balance of malefics)"), this);
  papa->setObjectName(QStringLiteral("fraPapasamyam"));
  auto* papa_layout = new QVBoxLayout(papa);
  papasamyam_ = Table(papa, QStringLiteral("tblPapasamyam"), tr("Papasamyam"),
                      {tr("Person"), tr("Planet"), tr("From"), tr("House"), tr("Points")});
  papa_layout->addWidget(papasamyam_);
  papasamyam_totals_ = Line(papa, QStringLiteral("lblPapasamyam"), tr("Papasamyam totals"));
  papasamyam_totals_->setWordWrap(true);
  papasamyam_totals_->setFont(bold);
  papa_layout->addWidget(papasamyam_totals_);
  layout->addWidget(papa, 2);
}

void PoruthamPage::Show(const PoruthamMatch& match, const MoonPair& pair,
                        const std::optional<PapasamyamResult>& papasamyam) {
  const auto rows = PoruthamRows(match, pair);
  for (int r = 0; r < kPoruthamCount; ++r) {
    const PoruthamRow& row = rows[static_cast<std::size_t>(r)];
    auto* name = Item(QString::fromStdString(row.Name));
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    poruthams_->setItem(r, 0, name);
    auto* agrees = Item(QString::fromStdString(row.Agrees), true);
    agrees->setForeground(match.Poruthams[static_cast<std::size_t>(r)].Agrees
                              ? QColor(0, 120, 0)
                              : QColor(176, 0, 0));
    poruthams_->setItem(r, 1, agrees);
    poruthams_->setItem(r, 2, Item(QString::fromStdString(row.Decided)));
    poruthams_->setItem(r, 3, Item(QString::fromStdString(row.Meaning)));
  }
  poruthams_->resizeColumnsToContents();
  poruthams_->horizontalHeader()->setStretchLastSection(true);
  count_->setText(QString::fromStdString(PoruthamCountWords(match)));
  vetoes_->setText(QString::fromStdString(PoruthamVetoWords(match)));
  verdict_->setText(tr("Verdict: %1").arg(Q(PoruthamVerdictWords(match.Verdict))));

  if (!papasamyam) {
    papasamyam_->setRowCount(0);
    papasamyam_->hide();
    papasamyam_totals_->setText(
        tr("Papasamyam needs both persons' birth details; a profile file holds none."));
    return;
  }
  papasamyam_->show();
  papasamyam_->setRowCount(static_cast<int>(papasamyam->Placements.size()));
  int r = 0;
  for (const PapaPlacement& placement : papasamyam->Placements) {
    const PapaRow row = PapaRowOf(placement);
    papasamyam_->setItem(r, 0, Item(QString::fromStdString(row.Person)));
    papasamyam_->setItem(r, 1, Item(QString::fromStdString(row.Planet)));
    papasamyam_->setItem(r, 2, Item(QString::fromStdString(row.From)));
    papasamyam_->setItem(r, 3, Item(QString::fromStdString(row.House), true));
    auto* points = Item(QString::fromStdString(row.Points), true);
    if (placement.Points > 0.0) {
      QFont bold = points->font();
      bold.setBold(true);
      points->setFont(bold);
    }
    papasamyam_->setItem(r, 4, points);
    ++r;
  }
  papasamyam_->resizeColumnsToContents();
  papasamyam_->horizontalHeader()->setStretchLastSection(true);
  papasamyam_totals_->setText(QString::fromStdString(PapasamyamWords(*papasamyam)));
}

}  // namespace lumora::ui
