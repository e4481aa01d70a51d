// SPDX-License-Identifier: MIT
#include "documents/chart_picture.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <vector>

#include "core/ephemeris/zodiac.h"
#include "core/glossary/glossary.h"
#include "core/glossary/phrases.h"

namespace lumora::documents {

namespace {

const QColor kInk(0x20, 0x20, 0x20);
const QColor kLine(0x8a, 0x3b, 0x12);
const QColor kPaper(0xff, 0xfd, 0xf6);
const QColor kSignNumber(0x80, 0x80, 0x80);
const QColor kUncertain(0xc0, 0x50, 0x00);
const QColor kLagnaMark(0x00, 0x00, 0xc0);

// The text of one house or sign cell.
struct CellText {
  QStringList Labels;
  std::vector<bool> Uncertain;
};

std::array<CellText, 12> TextsBySign(const SiderealChart& chart, Language language) {
  std::array<CellText, 12> cells;
  for (const ChartPlacement& p : ChartPlacements(chart, language)) {
    CellText& cell = cells[static_cast<std::size_t>(p.Sign)];
    cell.Labels << QString::fromStdString(p.Label) +
                       (p.Uncertain ? QStringLiteral("?") : QString());
    cell.Uncertain.push_back(p.Uncertain);
  }
  return cells;
}

// Writes the lines centred on a point, shrinking the font when they would not fit the
// given height or width.
void WriteLines(QPainter& painter, const QPointF& centre, const CellText& cell, const QSizeF& room,
                qreal font_pixels) {
  if (cell.Labels.isEmpty()) {
    return;
  }
  QFont font = painter.font();
  font.setPixelSize(qMax(1, qRound(font_pixels)));
  qreal widest = 0.0;
  for (const QString& text : cell.Labels) {
    widest = qMax(widest, QFontMetricsF(font).horizontalAdvance(text));
  }
  const qreal tall = cell.Labels.size() * QFontMetricsF(font).height();
  const qreal shrink = qMin<qreal>(1.0, qMin(room.height() / tall, room.width() / widest));
  font.setPixelSize(qMax(1, qRound(font_pixels * shrink)));
  painter.setFont(font);
  const QFontMetricsF metrics(font);
  const qreal line = metrics.height();
  qreal y = centre.y() - line * cell.Labels.size() / 2.0;
  for (int i = 0; i < cell.Labels.size(); ++i) {
    const QString& text = cell.Labels[i];
    const qreal width = metrics.horizontalAdvance(text);
    painter.setPen(cell.Uncertain[static_cast<std::size_t>(i)] ? kUncertain : kInk);
    painter.drawText(QPointF(centre.x() - width / 2.0, y + metrics.ascent()), text);
    y += line;
  }
}

void WriteCentred(QPainter& painter, const QPointF& centre, const QString& text, qreal pixels,
                  const QColor& colour, bool bold = false) {
  QFont font = painter.font();
  font.setPixelSize(qMax(1, qRound(pixels)));
  font.setBold(bold);
  painter.setFont(font);
  const QFontMetricsF metrics(font);
  painter.setPen(colour);
  painter.drawText(QPointF(centre.x() - metrics.horizontalAdvance(text) / 2.0,
                           centre.y() - metrics.height() / 2.0 + metrics.ascent()),
                   text);
  font.setBold(false);
  painter.setFont(font);
}

QPointF Centroid(const QPolygonF& polygon) {
  QPointF sum;
  for (const QPointF& p : polygon) {
    sum += p;
  }
  return sum / static_cast<qreal>(polygon.size());
}

void PaintNorth(QPainter& painter, const QRectF& square, const SiderealChart& chart,
                Language language) {
  const qreal s = square.width();
  auto at = [&](qreal x, qreal y) { return square.topLeft() + QPointF(x * s, y * s); };
  const QPointF tl = at(0, 0), tr = at(1, 0), br = at(1, 1), bl = at(0, 1);
  const QPointF t = at(0.5, 0), r = at(1, 0.5), b = at(0.5, 1), l = at(0, 0.5);
  const QPointF c = at(0.5, 0.5);
  const QPointF ptl = at(0.25, 0.25), ptr = at(0.75, 0.25), pbr = at(0.75, 0.75),
                pbl = at(0.25, 0.75);

  painter.setPen(QPen(kLine, qMax<qreal>(1.0, s / 220.0)));
  painter.drawRect(square);
  painter.drawLine(tl, br);
  painter.drawLine(tr, bl);
  painter.drawPolygon(QPolygonF({t, r, b, l}));

  // Houses 1..12 counter-clockwise from the top diamond, each with the corner that
  // points to the centre, where its sign number is written.
  struct House {
    QPolygonF Shape;
    QPointF Inner;
  };
  const std::array<House, 12> houses{{
      {QPolygonF({t, ptr, c, ptl}), c},
      {QPolygonF({tl, t, ptl}), ptl},
      {QPolygonF({tl, ptl, l}), ptl},
      {QPolygonF({l, ptl, c, pbl}), c},
      {QPolygonF({l, pbl, bl}), pbl},
      {QPolygonF({bl, pbl, b}), pbl},
      {QPolygonF({b, pbl, c, pbr}), c},
      {QPolygonF({b, pbr, br}), pbr},
      {QPolygonF({br, pbr, r}), pbr},
      {QPolygonF({r, pbr, c, ptr}), c},
      {QPolygonF({r, ptr, tr}), ptr},
      {QPolygonF({tr, ptr, t}), ptr},
  }};
  const std::array<CellText, 12> texts = TextsBySign(chart, language);
  const int lagna = SignOf(chart.Lagna);
  const qreal font = s / 24.0;
  for (int h = 0; h < 12; ++h) {
    const House& house = houses[static_cast<std::size_t>(h)];
    const int sign = (lagna + h) % 12;
    const QPointF centre = Centroid(house.Shape);
    const QPointF inward = house.Inner - centre;
    // Diamonds (houses 1, 4, 7, 10) have room about their centre. Of the triangles, those
    // on the top and bottom edges are wide and shallow, those on the sides narrow and
    // tall; the sign number sits towards the corner that points to the centre.
    const bool diamond = house.Shape.size() == 4;
    const bool side = h == 2 || h == 4 || h == 8 || h == 10;
    const QPointF number = centre + inward * (diamond ? 0.72 : 0.75);
    WriteCentred(painter, number, QString::number(sign + 1), font * 0.9,
                 h == 0 ? kLagnaMark : kSignNumber, h == 0);
    const QPointF text_centre = diamond ? centre - inward * 0.15
                                : side  ? centre + inward * 0.1
                                        : centre;
    const QSizeF room = diamond ? QSizeF(s * 0.3, s * 0.3)
                        : side  ? QSizeF(s * 0.14, s * 0.3)
                                : QSizeF(s * 0.3, s * 0.13);
    WriteLines(painter, text_centre, texts[static_cast<std::size_t>(sign)], room, font);
  }
}

void PaintSouth(QPainter& painter, const QRectF& square, const SiderealChart& chart,
                Language language) {
  const qreal s = square.width();
  const qreal cell = s / 4.0;
  // Grid column and row of each sign, Aries to Pisces: Pisces top left, then clockwise.
  constexpr std::array<std::pair<int, int>, 12> kCells{{{1, 0},
                                                        {2, 0},
                                                        {3, 0},
                                                        {3, 1},
                                                        {3, 2},
                                                        {3, 3},
                                                        {2, 3},
                                                        {1, 3},
                                                        {0, 3},
                                                        {0, 2},
                                                        {0, 1},
                                                        {0, 0}}};
  const std::array<CellText, 12> texts = TextsBySign(chart, language);
  const int lagna = SignOf(chart.Lagna);
  const qreal pen = qMax<qreal>(1.0, s / 220.0);
  const qreal font = s / 24.0;
  for (int sign = 0; sign < 12; ++sign) {
    const auto [col, row] = kCells[static_cast<std::size_t>(sign)];
    const QRectF rect(square.left() + col * cell, square.top() + row * cell, cell, cell);
    painter.setPen(QPen(kLine, pen));
    painter.drawRect(rect);
    if (sign == lagna) {
      // The customary mark of the rising sign: a stroke across the cell's top left corner.
      painter.setPen(QPen(kLagnaMark, pen * 2.0));
      painter.drawLine(rect.topLeft() + QPointF(0, cell * 0.28),
                       rect.topLeft() + QPointF(cell * 0.28, 0));
    }
    QFont small = painter.font();
    small.setPixelSize(qMax(1, qRound(font * 0.75)));
    painter.setFont(small);
    painter.setPen(kSignNumber);
    const std::string_view abbreviation = RashiAbbreviationWord(language, sign);
    const QString name =
        QString::fromUtf8(abbreviation.data(), static_cast<qsizetype>(abbreviation.size()));
    painter.drawText(rect.adjusted(0, pen * 2, -pen * 3, 0), Qt::AlignRight | Qt::AlignTop, name);
    WriteLines(painter, rect.center() + QPointF(0, cell * 0.08),
               texts[static_cast<std::size_t>(sign)], QSizeF(cell * 0.92, cell * 0.78), font);
  }
  painter.setPen(QPen(kLine, pen));
  painter.drawRect(square);
}

}  // namespace

QString ChartStyleKey(ChartStyle style) {
  return style == ChartStyle::SouthIndian ? QStringLiteral("south") : QStringLiteral("north");
}

ChartStyle ChartStyleFromKey(const QString& key) {
  return key == QStringLiteral("south") ? ChartStyle::SouthIndian : ChartStyle::NorthIndian;
}

QString UncertainLegend(Language language) {
  const std::string_view legend = PhrasesOf(language).UncertainLegend;
  return QString::fromUtf8(legend.data(), static_cast<qsizetype>(legend.size()));
}

void PaintRasiChart(QPainter& painter, const QRectF& area, const SiderealChart& chart,
                    ChartStyle style, const QString& caption, Language language) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  const qreal legend_height = area.height() * 0.07;
  const qreal side = qMin(area.width(), area.height() - legend_height);
  const QRectF square(area.left() + (area.width() - side) / 2.0, area.top(), side, side);
  painter.fillRect(square, kPaper);
  if (style == ChartStyle::NorthIndian) {
    PaintNorth(painter, square, chart, language);
  } else {
    PaintSouth(painter, square, chart, language);
    if (!caption.isEmpty()) {
      WriteCentred(painter, square.center(), caption, side / 20.0, kInk, true);
    }
  }
  const std::vector<ChartPlacement> placements = ChartPlacements(chart);
  const bool any_uncertain = std::any_of(placements.begin(), placements.end(),
                                         [](const ChartPlacement& p) { return p.Uncertain; });
  if (!any_uncertain) {
    painter.restore();
    return;
  }
  const QRectF legend(area.left(), square.bottom(), area.width(), legend_height);
  WriteCentred(painter, legend.center(), UncertainLegend(language),
               qMin(legend_height * 0.6, side / 30.0), kUncertain);
  painter.restore();
}

}  // namespace lumora::documents
