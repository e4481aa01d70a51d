// SPDX-License-Identifier: MIT
#include "core/ephemeris/chart_points.h"

#include <cmath>

namespace lumora {

namespace {
inline constexpr std::array<std::string_view, kChartPointCount> kChartPointNames{
    "Sun",    "Moon",    "Mercury", "Venus", "Mars", "Jupiter",   "Saturn",
    "Uranus", "Neptune", "Pluto",   "Rahu",  "Ketu", "Ascendant", "Midheaven"};
}

std::string_view ChartPointName(ChartPoint point) {
  return kChartPointNames[static_cast<std::size_t>(point)];
}

ChartPoints ComputeChartPoints(const AstroTime& time, double latitude_deg,
                               double east_longitude_deg, Ayanamsa ayanamsa, NodeKind node) {
  ChartPoints points;
  points.AyanamsaKind = ayanamsa;
  points.Node = node;
  points.AyanamsaDegrees = AyanamsaDegrees(ayanamsa, time);
  auto set = [&points](ChartPoint p, double tropical) {
    const auto k = static_cast<std::size_t>(p);
    points.Tropical[k] = NormalizedDegrees(tropical);
    points.Sidereal[k] = NormalizedDegrees(tropical - points.AyanamsaDegrees);
  };
  for (const Body body : kBodies) {
    const EclipticPoint p = ApparentPosition(body, time);
    set(PointOf(body), p.Longitude);
    points.Speeds[static_cast<std::size_t>(body)] = p.Speed;
  }
  const EclipticPoint rahu = LunarNode(node, time);
  set(ChartPoint::Rahu, rahu.Longitude);
  set(ChartPoint::Ketu, rahu.Longitude + 180.0);
  points.Speeds[static_cast<std::size_t>(ChartPoint::Rahu)] = rahu.Speed;
  const ChartAngles angles = AnglesAt(time, latitude_deg, east_longitude_deg);
  set(ChartPoint::Ascendant, angles.Ascendant);
  set(ChartPoint::Midheaven, angles.Midheaven);
  return points;
}

}  // namespace lumora
