// SPDX-License-Identifier: MIT
#pragma once

#include <QRectF>
#include <QString>

#include "core/vedic/chart/sidereal_chart.h"

class QPainter;

namespace lumora::documents {

// The chart styles are the core's, so a composed document can name the one it wants.
using lumora::ChartStyle;

// Stable names for settings and files: "north", "south"; anything else reads as North.
QString ChartStyleKey(ChartStyle style);
ChartStyle ChartStyleFromKey(const QString& key);

// Draws the chart into the largest square that fits the area, in vectors only (lines and
// text), so it is sharp on any screen, at any scale and in a PDF. A body within half a
// degree of a sign edge is written with a trailing "?" in the marking colour, explained by
// a one-line legend under the square (the area keeps room for it either way).
// The grahas are abbreviated in the given language.
void PaintRasiChart(QPainter& painter, const QRectF& area, const SiderealChart& chart,
                    ChartStyle style, const QString& caption = {},
                    Language language = Language::English);

// The legend's text.
QString UncertainLegend(Language language);

}  // namespace lumora::documents
