// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QRectF>
#include <QString>

#include "core/document.h"

class QPainter;

namespace lumora::documents {

QColor AspectQColor(AspectKind kind);

// The aspect's traditional glyph drawn with lines (no font needed), centred in the box:
// a ring with a stem for the conjunction, two rings joined for the opposition, a square,
// a triangle, a six-rayed star for the sextile, and the semi-sextile's and quincunx's
// bars over and under a chevron.
void PaintAspectGlyph(QPainter& painter, const QRectF& box, AspectKind kind, const QColor& color);

// The point's glyph as text (Sun, Moon, planets, node), or "As" and "Mc" for the angles.
QString PointGlyph(ChartPoint point);

// Draws the two charts as one wheel into the largest square that fits the area, in
// vectors only: the zodiac ring, the inner chart's houses and points inside it, the outer
// chart's points in the outer ring, and aspect lines across the centre in their colours
// (minor aspects dashed). The inner chart's ascendant lies at the left, as charts are
// drawn.
void PaintBiWheel(QPainter& painter, const QRectF& area, const DocumentBiWheel& wheel);

}  // namespace lumora::documents
