// SPDX-License-Identifier: MIT
#include "ui/western/synastry_page.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/western/synastry/synastry_document.h"
#include "documents/bi_wheel_picture.h"
#include "ui/shell/language_choice.h"
#include "ui/shell/rich_text.h"

namespace lumora::ui {

namespace {

constexpr int kAspectKindRole = Qt::UserRole + 1;
constexpr int kGlyphPixels = 12;

// The orb and motion of a grid cell, a little smaller than the page's text so that
// thirteen columns fit the report's width.
QFont CellFont(QFont font) {
  font.setPointSizeF(font.pointSizeF() * 0.9);
  return font;
}

QString Name(ChartPoint point) {
  return ToQString(std::string(ChartPointName(point)));
}

// Paints a grid cell as its aspect's glyph, drawn in vectors, beside the orb and the
// motion letter, all in the aspect's colour; selection and focus as the style draws them.
class AspectCellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyleOptionViewItem panel = option;
    initStyleOption(&panel, index);
    panel.text.clear();
    QStyle* style = panel.widget ? panel.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &panel, painter, panel.widget);
    const QVariant kind = index.data(kAspectKindRole);
    if (!kind.isValid()) {
      return;
    }
    const auto aspect = static_cast<AspectKind>(kind.toInt());
    const QColor color = (option.state & QStyle::State_Selected)
                             ? option.palette.color(QPalette::HighlightedText)
                             : documents::AspectQColor(aspect);
    const QRectF cell = QRectF(option.rect).adjusted(2, 2, -3, -2);
    const double glyph = std::min(cell.height(), static_cast<double>(kGlyphPixels));
    documents::PaintAspectGlyph(
        *painter, QRectF(cell.left(), cell.center().y() - glyph / 2, glyph, glyph), aspect, color);
    painter->save();
    painter->setFont(CellFont(option.font));
    painter->setPen(color);
    painter->drawText(cell.adjusted(glyph + 2, 0, 0, 0), Qt::AlignVCenter | Qt::AlignRight,
                      index.data(Qt::DisplayRole).toString().section(QLatin1Char(' '), 1, -1));
    painter->restore();
  }
};

QTableWidget* Table(const QString& name, const QString& accessible, int rows, int columns,
                    QWidget* parent) {
  auto* table = new QTableWidget(rows, columns, parent);
  table->setObjectName(name);
  table->setAccessibleName(accessible);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->setTabKeyNavigation(false);  // Tab leaves the table; arrows move inside it
  table->setWordWrap(false);
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
  table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  return table;
}

// The table's whole height and width at its rows' and columns' sizes, so the page, not
// the table, scrolls.
void FitTable(QTableWidget* table) {
  // The headers' own size hints: before the table is first shown their geometry is not
  // laid out yet.
  int height = table->horizontalHeader()->sizeHint().height() + 2 * table->frameWidth();
  for (int r = 0; r < table->rowCount(); ++r) {
    height += table->rowHeight(r);
  }
  int width = table->verticalHeader()->sizeHint().width() + 2 * table->frameWidth();
  for (int c = 0; c < table->columnCount(); ++c) {
    width += table->columnWidth(c);
  }
  table->setFixedSize(width, height);
}

QTableWidgetItem* Item(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setTextAlignment(Qt::AlignCenter);
  return item;
}

}  // namespace

BiWheelWidget::BiWheelWidget(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("picBiWheel"));
  setAccessibleName(tr("Bi-wheel"));
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
  setMinimumSize(320, 320);
}

void BiWheelWidget::SetWheel(const DocumentBiWheel& wheel) {
  wheel_ = wheel;
  filled_ = true;
  QStringList parts;
  parts << ToQString(wheel.Caption);
  for (int i = 0; i < kSynastryPointCount; ++i) {
    const auto point = kSynastryPoints[i];
    parts << tr("%1: inside %2, outside %3")
                 .arg(Name(point), ToQString(LongitudeText(wheel.Inner[i], CurrentLanguage())),
                      ToQString(LongitudeText(wheel.Outer[i], CurrentLanguage())));
  }
  setAccessibleDescription(parts.join(QStringLiteral("; ")));
  update();
}

QSize BiWheelWidget::sizeHint() const {
  return {400, 400};
}

void BiWheelWidget::paintEvent(QPaintEvent*) {
  if (!filled_) {
    return;
  }
  QPainter painter(this);
  documents::PaintBiWheel(painter, QRectF(rect()).adjusted(2, 2, -2, -2), wheel_);
}

SynastryPage::SynastryPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("pnlSynastry"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 10, 12, 10);
  layout->setSpacing(8);

  intro_ = new QLabel(this);
  intro_->setObjectName(QStringLiteral("lblSynastryIntro"));
  intro_->setWordWrap(true);
  intro_->setTextFormat(Qt::PlainText);
  layout->addWidget(intro_);

  auto* grid_heading = new QLabel(tr("Aspects between the charts"), this);
  QFont heading_font = grid_heading->font();
  heading_font.setBold(true);
  grid_heading->setFont(heading_font);
  layout->addWidget(grid_heading);
  grid_ = Table(QStringLiteral("grdAspects"), tr("Aspect grid"), kSynastryPointCount,
                kSynastryPointCount, this);
  grid_->setItemDelegate(new AspectCellDelegate(grid_));
  QStringList captions;
  for (int i = 0; i < kSynastryPointCount; ++i) {
    captions << ToQString(std::string(PointAbbreviation(kSynastryPoints[i])));
  }
  grid_->setHorizontalHeaderLabels(captions);
  grid_->setVerticalHeaderLabels(captions);
  for (int i = 0; i < kSynastryPointCount; ++i) {
    const QString name = Name(kSynastryPoints[i]);
    grid_->horizontalHeaderItem(i)->setToolTip(name);
    grid_->verticalHeaderItem(i)->setToolTip(name);
  }
  const int cell_width =
      QFontMetrics(CellFont(grid_->font())).horizontalAdvance(QStringLiteral("0\u00B000\u2032 S")) +
      kGlyphPixels + 10;
  grid_->horizontalHeader()->setMinimumSectionSize(cell_width);
  grid_->horizontalHeader()->setDefaultSectionSize(cell_width);
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  layout->addWidget(grid_, 0, Qt::AlignHCenter);

  auto* lower = new QHBoxLayout;
  lower->setSpacing(14);
  auto* wheel_group = new QGroupBox(tr("Bi-wheel"), this);
  wheel_group->setObjectName(QStringLiteral("fraBiWheel"));
  auto* wheel_layout = new QVBoxLayout(wheel_group);
  wheel_ = new BiWheelWidget(wheel_group);
  wheel_layout->addWidget(wheel_);
  lower->addWidget(wheel_group, 1);

  auto* points_group = new QGroupBox(tr("House overlays, composite and Davison"), this);
  points_group->setObjectName(QStringLiteral("fraOverlays"));
  auto* points_layout = new QVBoxLayout(points_group);
  points_ = Table(QStringLiteral("grdOverlays"), tr("House overlays, composite and Davison"),
                  kSynastryPointCount, 4, points_group);
  points_->setVerticalHeaderLabels([] {
    QStringList names;
    for (int i = 0; i < kSynastryPointCount; ++i) {
      names << Name(kSynastryPoints[i]);
    }
    return names;
  }());
  points_->setHorizontalHeaderLabels({tr("A in B"), tr("B in A"), tr("Composite"), tr("Davison")});
  points_->horizontalHeader()->setDefaultSectionSize(
      points_->fontMetrics().horizontalAdvance(QStringLiteral("00 Sco 00")) + 22);
  points_layout->addWidget(points_);
  houses_ = new QLabel(points_group);
  houses_->setObjectName(QStringLiteral("lblHouses"));
  houses_->setWordWrap(true);
  houses_->setTextFormat(Qt::PlainText);
  points_layout->addWidget(houses_);
  davison_ = new QLabel(points_group);
  davison_->setObjectName(QStringLiteral("lblDavison"));
  davison_->setWordWrap(true);
  davison_->setTextFormat(Qt::PlainText);
  points_layout->addWidget(davison_);
  points_layout->addStretch(1);
  lower->addWidget(points_group, 0);
  layout->addLayout(lower);
  layout->addStretch(1);

  // Every cell exists from the start, so the tables keep their size and an empty report
  // reads as empty cells.
  for (int r = 0; r < kSynastryPointCount; ++r) {
    for (int c = 0; c < kSynastryPointCount; ++c) {
      grid_->setItem(r, c, Item(QString()));
    }
    for (int c = 0; c < 4; ++c) {
      points_->setItem(r, c, Item(QString()));
    }
  }
  FitTable(grid_);
  FitTable(points_);
  Clear();
}

void SynastryPage::Clear() {
  for (int r = 0; r < kSynastryPointCount; ++r) {
    for (int c = 0; c < kSynastryPointCount; ++c) {
      QTableWidgetItem* item = grid_->item(r, c);
      item->setText(QString());
      item->setData(kAspectKindRole, QVariant());
      const QString words = tr("%1 of A and %2 of B: no aspect")
                                .arg(Name(kSynastryPoints[r]), Name(kSynastryPoints[c]));
      item->setData(Qt::AccessibleTextRole, words);
      item->setToolTip(QString());
    }
    for (int c = 0; c < 4; ++c) {
      points_->item(r, c)->setText(QString());
    }
  }
  intro_->setText(tr("Run the test to compare the two charts."));
  houses_->clear();
  davison_->clear();
}

void SynastryPage::Fill(const SynastryReading& reading, const std::string& a_name,
                        const std::string& b_name) {
  Clear();
  const QString a = ToQString(a_name).trimmed();
  const QString b = ToQString(b_name).trimmed();
  intro_->setText(tr("A is %1, B is %2. The grid gives each aspect between A's points (rows) "
                     "and B's (columns) with its orb, and A for applying or S for separating.")
                      .arg(a, b));
  for (const SynastryAspect& aspect : reading.Aspects) {
    QTableWidgetItem* item = grid_->item(static_cast<int>(SynastrySlot(aspect.A)),
                                         static_cast<int>(SynastrySlot(aspect.B)));
    QString text = ToQString(std::string(AspectAbbreviation(aspect.Kind))) + QLatin1Char(' ') +
                   ToQString(OrbText(aspect.Orb));
    if (aspect.Applying) {
      text += *aspect.Applying ? QStringLiteral(" A") : QStringLiteral(" S");
    }
    item->setText(text);
    item->setData(kAspectKindRole, static_cast<int>(aspect.Kind));
    const QString words = tr("%1 of A and %2 of B: %3")
                              .arg(Name(aspect.A), Name(aspect.B), ToQString(AspectWords(aspect)));
    item->setData(Qt::AccessibleTextRole, words);
    item->setToolTip(words);
  }
  for (int i = 0; i < kSynastryPointCount; ++i) {
    points_->item(i, 0)->setText(QString::number(reading.AInB[i]));
    points_->item(i, 1)->setText(QString::number(reading.BInA[i]));
    points_->item(i, 2)->setText(ToQString(LongitudeText(reading.Composite[i], CurrentLanguage())));
    points_->item(i, 3)->setText(
        ToQString(LongitudeText(reading.DavisonChart.Points[i].Longitude, CurrentLanguage())));
  }
  houses_->setText(tr("A in B: A's points in %1's houses (%2). B in A: B's points in %3's houses "
                      "(%4).")
                       .arg(b, ToQString(HousesText(reading.HousesB, CurrentLanguage())), a,
                            ToQString(HousesText(reading.HousesA, CurrentLanguage()))));
  davison_->setText(tr("Davison chart: %1.").arg(ToQString(DavisonText(reading.Davison))));
  wheel_->SetWheel(MakeBiWheel(reading, a_name, b_name, CurrentLanguage()));
}

}  // namespace lumora::ui
