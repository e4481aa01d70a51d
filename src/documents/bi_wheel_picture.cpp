// SPDX-License-Identifier: MIT
#include "documents/bi_wheel_picture.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "core/ephemeris/geometry.h"
#include "core/western/synastry/arcs.h"
#include "core/western/synastry/synastry_document.h"

namespace lumora::documents {

namespace {

// Ring radii as shares of the wheel's radius, from the outside in.
constexpr double kOuterPointsInner = 0.84;  // the outer chart's ring: 1.0 .. 0.84
constexpr double kZodiacInner = 0.72;       // the signs: 0.84 .. 0.72
constexpr double kInnerPointsInner = 0.54;  // the inner chart's ring: 0.72 .. 0.54
constexpr double kHouseNumbers = 0.50;      // house numbers just inside it

const QColor kRule(0x55, 0x55, 0x55);
const QColor kInnerInk(0x1A, 0x2A, 0x5A);  // the inner chart's points
const QColor kOuterInk(0x7A, 0x1F, 0x2B);  // the outer chart's points
const QColor kZodiacFill(0xF3, 0xEF, 0xE4);
const QColor kInnerFill(0xEE, 0xF2, 0xFA);
const QColor kOuterFill(0xFA, 0xF0, 0xF0);

// Glyphs of the signs, Aries first (Unicode block Miscellaneous Symbols).
const char16_t kSignGlyphs[12] = {u'\u2648', u'\u2649', u'\u264A', u'\u264B', u'\u264C', u'\u264D',
                                  u'\u264E', u'\u264F', u'\u2650', u'\u2651', u'\u2652', u'\u2653'};

struct Wheel {
  QPointF centre;
  double radius = 0.0;
  double ascendant = 0.0;  // the longitude drawn at the left

  // The screen point of a longitude at a share of the radius: longitudes run
  // anticlockwise from the ascendant at nine o'clock.
  QPointF At(double longitude, double share) const {
    const double angle = (180.0 + longitude - ascendant) * std::numbers::pi / 180.0;
    return {centre.x() + radius * share * std::cos(angle),
            centre.y() - radius * share * std::sin(angle)};
  }
};

// Spreads glyph positions so that neighbours stay at least `gap` degrees apart, keeping
// each as close to its true longitude as the crowd allows.
std::vector<double> Spread(const std::array<double, kSynastryPointCount>& longitudes, double gap) {
  std::vector<int> order(kSynastryPointCount);
  for (int i = 0; i < kSynastryPointCount; ++i) {
    order[i] = i;
  }
  std::sort(order.begin(), order.end(),
            [&](int a, int b) { return longitudes[a] < longitudes[b]; });
  std::vector<double> placed(kSynastryPointCount);
  for (int i = 0; i < kSynastryPointCount; ++i) {
    placed[i] = longitudes[order[i]];
  }
  constexpr int kPasses = 60;
  for (int pass = 0; pass < kPasses; ++pass) {
    bool moved = false;
    for (int i = 0; i < kSynastryPointCount; ++i) {
      const int next = (i + 1) % kSynastryPointCount;
      const double distance = NormalizedDegrees(placed[next] - placed[i]);
      if (distance < gap) {
        const double push = (gap - distance) / 2.0;
        placed[i] -= push;
        placed[next] += push;
        moved = true;
      }
    }
    if (!moved) {
      break;
    }
  }
  std::vector<double> result(kSynastryPointCount);
  for (int i = 0; i < kSynastryPointCount; ++i) {
    result[order[i]] = placed[i];
  }
  return result;
}

void DrawPoints(QPainter& painter, const Wheel& wheel,
                const std::array<double, kSynastryPointCount>& longitudes, double ring_outer,
                double ring_inner, const QColor& ink, const QFont& font) {
  const double glyph_radius = (ring_outer + ring_inner) / 2.0;
  const double glyph_size = (ring_outer - ring_inner) * wheel.radius * 0.62;
  // The angular width of a glyph at its radius, in degrees, with a little air.
  const double gap = glyph_size * 1.15 / (glyph_radius * wheel.radius) * 180.0 / std::numbers::pi;
  const std::vector<double> placed = Spread(longitudes, std::min(gap, 360.0 / 14.0));
  QFont glyph_font = font;
  glyph_font.setPixelSize(std::max(6, static_cast<int>(glyph_size)));
  painter.setFont(glyph_font);
  for (int i = 0; i < kSynastryPointCount; ++i) {
    // A tick at the true place on the ring's inner edge, the glyph where there is room.
    painter.setPen(QPen(ink, std::max(0.8, wheel.radius * 0.006)));
    painter.drawLine(wheel.At(longitudes[i], ring_inner),
                     wheel.At(longitudes[i], ring_inner + (ring_outer - ring_inner) * 0.14));
    const QPointF at = wheel.At(placed[i], glyph_radius);
    const QRectF box(at.x() - glyph_size, at.y() - glyph_size / 1.6, glyph_size * 2.0,
                     glyph_size * 1.25);
    painter.drawText(box, Qt::AlignCenter, PointGlyph(kSynastryPoints[i]));
  }
}

}  // namespace

QColor AspectQColor(AspectKind kind) {
  const Rgb rgb = AspectColor(kind);
  return {rgb.Red, rgb.Green, rgb.Blue};
}

QString PointGlyph(ChartPoint point) {
  static const char16_t kGlyphs[] = {u'\u2609', u'\u263D', u'\u263F', u'\u2640',
                                     u'\u2642', u'\u2643', u'\u2644', u'\u2645',
                                     u'\u2646', u'\u2647', u'\u260A'};
  switch (point) {
    case ChartPoint::Ascendant:
      return QStringLiteral("As");
    case ChartPoint::Midheaven:
      return QStringLiteral("Mc");
    case ChartPoint::Ketu:
      return QString(QChar(u'\u260B'));
    default:
      return QString(QChar(kGlyphs[SynastrySlot(point)]));
  }
}

void PaintAspectGlyph(QPainter& painter, const QRectF& box, AspectKind kind, const QColor& color) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  const double side = std::min(box.width(), box.height());
  const QRectF square(box.center().x() - side / 2.0, box.center().y() - side / 2.0, side, side);
  QPen pen(color, std::max(1.0, side * 0.09));
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  const QPointF c = square.center();
  const double r = side * 0.4;
  switch (kind) {
    case AspectKind::Conjunction: {
      const double ring = r * 0.55;
      const QPointF ring_centre(c.x() - r * 0.25, c.y() + r * 0.25);
      painter.drawEllipse(ring_centre, ring, ring);
      const double k = ring / std::numbers::sqrt2;
      painter.drawLine(QPointF(ring_centre.x() + k, ring_centre.y() - k),
                       QPointF(c.x() + r, c.y() - r));
      break;
    }
    case AspectKind::Opposition: {
      const double ring = r * 0.34;
      const QPointF low(c.x() - r + ring, c.y() + r - ring);
      const QPointF high(c.x() + r - ring, c.y() - r + ring);
      painter.drawEllipse(low, ring, ring);
      painter.drawEllipse(high, ring, ring);
      const double k = ring / std::numbers::sqrt2;
      painter.drawLine(QPointF(low.x() + k, low.y() - k), QPointF(high.x() - k, high.y() + k));
      break;
    }
    case AspectKind::Square:
      painter.drawRect(QRectF(c.x() - r * 0.8, c.y() - r * 0.8, r * 1.6, r * 1.6));
      break;
    case AspectKind::Trine: {
      QPainterPath path;
      path.moveTo(c.x(), c.y() - r);
      path.lineTo(c.x() + r * 0.95, c.y() + r * 0.7);
      path.lineTo(c.x() - r * 0.95, c.y() + r * 0.7);
      path.closeSubpath();
      painter.drawPath(path);
      break;
    }
    case AspectKind::Sextile:
      for (double angle : {90.0, 30.0, 150.0}) {
        const double a = angle * std::numbers::pi / 180.0;
        const QPointF d(r * std::cos(a), -r * std::sin(a));
        painter.drawLine(c + d, c - d);
      }
      break;
    case AspectKind::SemiSextile:
      // A chevron standing on a bar.
      painter.drawLine(QPointF(c.x() - r * 0.7, c.y() - r), QPointF(c.x(), c.y() + r * 0.5));
      painter.drawLine(QPointF(c.x() + r * 0.7, c.y() - r), QPointF(c.x(), c.y() + r * 0.5));
      painter.drawLine(QPointF(c.x() - r * 0.8, c.y() + r), QPointF(c.x() + r * 0.8, c.y() + r));
      break;
    case AspectKind::Quincunx:
      // A bar over an upturned chevron.
      painter.drawLine(QPointF(c.x() - r * 0.8, c.y() - r), QPointF(c.x() + r * 0.8, c.y() - r));
      painter.drawLine(QPointF(c.x(), c.y() - r * 0.5), QPointF(c.x() - r * 0.7, c.y() + r));
      painter.drawLine(QPointF(c.x(), c.y() - r * 0.5), QPointF(c.x() + r * 0.7, c.y() + r));
      break;
  }
  painter.restore();
}

void PaintBiWheel(QPainter& painter, const QRectF& area, const DocumentBiWheel& data) {
  const double side = std::min(area.width(), area.height());
  if (side <= 0.0) {
    return;
  }
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  Wheel wheel;
  wheel.centre = area.center();
  wheel.radius = side / 2.0 - std::max(1.0, side * 0.005);
  wheel.ascendant = data.InnerCusps[0];
  const double rule = std::max(0.6, side * 0.0025);
  const auto circle = [&](double share, const QColor& fill) {
    painter.setPen(QPen(kRule, rule));
    painter.setBrush(fill);
    painter.drawEllipse(wheel.centre, wheel.radius * share, wheel.radius * share);
  };
  circle(1.0, kOuterFill);
  circle(kOuterPointsInner, kZodiacFill);
  circle(kZodiacInner, kInnerFill);
  circle(kInnerPointsInner, QColor(Qt::white));

  // The signs: a rule at each sign's start and its glyph in the middle.
  QFont font = painter.font();
  QFont sign_font = font;
  sign_font.setPixelSize(
      std::max(6, static_cast<int>(wheel.radius * (kOuterPointsInner - kZodiacInner) * 0.62)));
  for (int sign = 0; sign < 12; ++sign) {
    const double start = 30.0 * sign;
    painter.setPen(QPen(kRule, rule));
    painter.drawLine(wheel.At(start, kZodiacInner), wheel.At(start, kOuterPointsInner));
    const QPointF at = wheel.At(start + 15.0, (kZodiacInner + kOuterPointsInner) / 2.0);
    const double size = sign_font.pixelSize();
    painter.setFont(sign_font);
    painter.setPen(QColor(0x44, 0x44, 0x44));
    painter.drawText(QRectF(at.x() - size, at.y() - size / 1.6, size * 2.0, size * 1.25),
                     Qt::AlignCenter, QString(QChar(kSignGlyphs[sign])));
  }

  // The inner chart's houses: cusp lines across its ring, the angles drawn bolder, and
  // each house's number inside.
  QFont number_font = font;
  number_font.setPixelSize(std::max(5, static_cast<int>(wheel.radius * 0.05)));
  for (int house = 0; house < 12; ++house) {
    const double cusp = data.InnerCusps[house];
    const bool angle = house % 3 == 0;
    painter.setPen(QPen(angle ? QColor(0x22, 0x22, 0x22) : kRule, angle ? rule * 2.0 : rule));
    painter.drawLine(wheel.At(cusp, kInnerPointsInner), wheel.At(cusp, kZodiacInner));
    const double next = data.InnerCusps[(house + 1) % 12];
    const double middle = cusp + NormalizedDegrees(next - cusp) / 2.0;
    const QPointF at = wheel.At(middle, kHouseNumbers - 0.03);
    const double size = number_font.pixelSize();
    painter.setFont(number_font);
    painter.setPen(QColor(0x77, 0x77, 0x77));
    painter.drawText(QRectF(at.x() - size, at.y() - size, size * 2.0, size * 2.0), Qt::AlignCenter,
                     QString::number(house + 1));
  }

  // Aspect lines between the two charts' true places, on the inner circle.
  for (const SynastryAspect& aspect : data.Aspects) {
    QPen pen(AspectQColor(aspect.Kind), std::max(0.7, side * 0.003));
    if (DefinitionOf(aspect.Kind).Minor) {
      pen.setStyle(Qt::DashLine);
    }
    painter.setPen(pen);
    const double inner = kHouseNumbers - 0.08;
    painter.drawLine(wheel.At(data.Inner[SynastrySlot(aspect.A)], inner),
                     wheel.At(data.Outer[SynastrySlot(aspect.B)], inner));
  }

  DrawPoints(painter, wheel, data.Inner, kZodiacInner, kInnerPointsInner, kInnerInk, font);
  DrawPoints(painter, wheel, data.Outer, 1.0, kOuterPointsInner, kOuterInk, font);
  painter.restore();
}

}  // namespace lumora::documents
