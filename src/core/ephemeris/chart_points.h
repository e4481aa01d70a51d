// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "core/ephemeris/astro_time.h"
#include "core/ephemeris/ayanamsa.h"
#include "core/ephemeris/body.h"
#include "core/ephemeris/geometry.h"
#include "core/ephemeris/precise_ephemeris.h"

namespace lumora {

// The fourteen points of a chart, in the order of every table and output: the ten bodies
// (in Body order), the nodes and the two angles.
enum class ChartPoint {
  Sun,
  Moon,
  Mercury,
  Venus,
  Mars,
  Jupiter,
  Saturn,
  Uranus,
  Neptune,
  Pluto,
  Rahu,
  Ketu,
  Ascendant,
  Midheaven,
};

inline constexpr std::size_t kChartPointCount = 14;
// The points with a speed: the ten bodies and Rahu (Ketu moves with it).
inline constexpr std::size_t kMovingPointCount = 11;

// "Sun" ... "Pluto", "Rahu", "Ketu", "Ascendant", "Midheaven": the names at the edges.
std::string_view ChartPointName(ChartPoint point);

inline constexpr ChartPoint PointOf(Body body) {
  return static_cast<ChartPoint>(static_cast<int>(body));
}

// Every point of one instant and place, tropical (true equinox of date) and sidereal
// (less the chosen, true ayanamsa), longitudes in [0, 360); speeds in degrees a day.
struct ChartPoints {
  std::array<double, kChartPointCount> Tropical{};
  std::array<double, kChartPointCount> Sidereal{};
  std::array<double, kMovingPointCount> Speeds{};
  Ayanamsa AyanamsaKind = Ayanamsa::Standard;
  double AyanamsaDegrees = 0.0;
  NodeKind Node = NodeKind::Mean;

  double TropicalOf(ChartPoint p) const { return Tropical[static_cast<std::size_t>(p)]; }
  double SiderealOf(ChartPoint p) const { return Sidereal[static_cast<std::size_t>(p)]; }
  double SpeedOf(Body b) const { return Speeds[static_cast<std::size_t>(b)]; }
  // Mercury to Pluto while moving backwards; the luminaries never are.
  bool IsRetrograde(Body b) const { return b != Body::Sun && b != Body::Moon && SpeedOf(b) < 0.0; }
};

ChartPoints ComputeChartPoints(const AstroTime& time, double latitude_deg,
                               double east_longitude_deg, Ayanamsa ayanamsa, NodeKind node);

}  // namespace lumora
