// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "core/ephemeris/chart_points.h"
#include "core/western/synastry/houses.h"

namespace lumora {

// The points two charts are compared by: the chart's points less Ketu, which always stands
// opposite Rahu and would only mirror its aspects. The ten bodies, the mean north node and
// the two angles, in this order everywhere (grid rows and columns, overlays, composite).
inline constexpr std::array<ChartPoint, 13> kSynastryPoints{
    ChartPoint::Sun,       ChartPoint::Moon,    ChartPoint::Mercury, ChartPoint::Venus,
    ChartPoint::Mars,      ChartPoint::Jupiter, ChartPoint::Saturn,  ChartPoint::Uranus,
    ChartPoint::Neptune,   ChartPoint::Pluto,   ChartPoint::Rahu,    ChartPoint::Ascendant,
    ChartPoint::Midheaven,
};

inline constexpr int kSynastryPointCount = static_cast<int>(kSynastryPoints.size());

// Where a point of kSynastryPoints stands in it, and so in every per-point array of a
// synastry (positions, overlays, composite, grid rows and columns).
constexpr std::size_t SynastrySlot(ChartPoint point) {
  const auto index = static_cast<std::size_t>(point);
  return point > ChartPoint::Ketu ? index - 1 : index;
}

constexpr bool SlotsFollowThePoints() {
  for (std::size_t i = 0; i < kSynastryPoints.size(); ++i) {
    if (SynastrySlot(kSynastryPoints[i]) != i) {
      return false;
    }
  }
  return true;
}
static_assert(SlotsFollowThePoints());

// The angles move with the sky's daily turn, not along the zodiac, so an aspect to one
// is neither applying nor separating.
constexpr bool IsAngle(ChartPoint point) {
  return point == ChartPoint::Ascendant || point == ChartPoint::Midheaven;
}

// A point's tropical longitude and its daily motion (degrees, degrees per day).
struct PointPosition {
  double Longitude = 0.0;
  double Speed = 0.0;
};

using SynastryPositions = std::array<PointPosition, kSynastryPointCount>;

// One chart as synastry reads it: the positions at the birth instant and what the
// houses are cast from.
struct NatalChart {
  SynastryPositions Points{};
  double JulianDayUt = 0.0;
  double Latitude = 0.0;       // degrees, north positive
  double EastLongitude = 0.0;  // degrees, east positive
  double Armc = 0.0;           // sidereal angle of the place, degrees
  double Obliquity = 0.0;      // true obliquity of the ecliptic, degrees
};

enum class AspectKind { Conjunction, Sextile, Square, Trine, Opposition, SemiSextile, Quincunx };

struct AspectDefinition {
  AspectKind Kind;
  double Angle;        // degrees
  double StandardOrb;  // degrees, before the Sun/Moon widening
  bool Minor;          // only with the minor aspects asked for
};

// The Ptolemaic aspects with the orbs most Western programs default to (conjunction,
// square, trine, opposition 7 degrees, sextile 6), and the two minor aspects of 30 and
// 150 degrees at 3; any aspect to the Sun or Moon is allowed one degree more
// (kLuminaryWidening). The tight set halves every allowance.
inline constexpr std::array<AspectDefinition, 7> kAspectDefinitions{{
    {AspectKind::Conjunction, 0.0, 7.0, false},
    {AspectKind::Sextile, 60.0, 6.0, false},
    {AspectKind::Square, 90.0, 7.0, false},
    {AspectKind::Trine, 120.0, 7.0, false},
    {AspectKind::Opposition, 180.0, 7.0, false},
    {AspectKind::SemiSextile, 30.0, 3.0, true},
    {AspectKind::Quincunx, 150.0, 3.0, true},
}};

inline constexpr double kLuminaryWidening = 1.0;  // degrees

// "Conjunction" ... "Quincunx", as the readings name them.
std::string_view AspectName(AspectKind kind);

const AspectDefinition& DefinitionOf(AspectKind kind);

enum class OrbSet { Standard, Tight };

struct AspectOptions {
  OrbSet Orbs = OrbSet::Standard;
  bool Minor = false;
};

// The largest orb an aspect of this kind between the two points may have.
double OrbAllowance(AspectKind kind, ChartPoint a, ChartPoint b, OrbSet orbs);

struct SynastryAspect {
  ChartPoint A = ChartPoint::Sun;
  ChartPoint B = ChartPoint::Sun;
  AspectKind Kind = AspectKind::Conjunction;
  double Orb = 0.0;              // |separation - aspect angle|, degrees
  std::optional<bool> Applying;  // none for an aspect to an angle
};

// The aspect, if any, between A's point and B's point. The allowances of different
// aspects never overlap, so at most one holds.
std::optional<SynastryAspect> AspectBetween(ChartPoint a, const PointPosition& at_a, ChartPoint b,
                                            const PointPosition& at_b,
                                            const AspectOptions& options);

// Whether the orb is shrinking when both points move at their speeds. Exactly at the
// aspect the orb can only grow, so an exact aspect is separating; two points keeping
// their distance are not applying.
bool IsApplying(const PointPosition& a, const PointPosition& b, double aspect_angle);

// Every aspect between A's points (rows) and B's (columns), row by row.
std::vector<SynastryAspect> FindAspects(const SynastryPositions& a, const SynastryPositions& b,
                                        const AspectOptions& options);

// The house (1..12) of each guest point in the host's houses.
using HouseOverlay = std::array<int, kSynastryPointCount>;

HouseOverlay OverlayHouses(const SynastryPositions& guest, const HouseCusps& host);

// The composite chart: each point at the shorter-arc midpoint of its two places.
std::array<double, kSynastryPointCount> CompositeLongitudes(const SynastryPositions& a,
                                                            const SynastryPositions& b);

// Where and when the Davison chart is cast: the midpoint in universal time, the mean
// latitude and the shorter-arc midpoint of the longitudes.
struct DavisonMoment {
  double JulianDayUt = 0.0;
  double Latitude = 0.0;
  double EastLongitude = 0.0;
};

DavisonMoment DavisonMidpoint(const NatalChart& a, const NatalChart& b);

// Casts a chart for an instant (Julian day, universal time) and a place (degrees).
using ChartCaster =
    std::function<NatalChart(double julian_day_ut, double latitude, double east_longitude)>;

struct SynastryOptions {
  AspectOptions Aspects;
  HouseSystem Houses = HouseSystem::Placidus;
};

// A whole synastry reading of two charts.
struct SynastryReading {
  NatalChart A;
  NatalChart B;
  std::vector<SynastryAspect> Aspects;
  HouseCusps HousesA;
  HouseCusps HousesB;
  HouseOverlay AInB{};  // A's points in B's houses
  HouseOverlay BInA{};  // B's points in A's houses
  std::array<double, kSynastryPointCount> Composite{};
  DavisonMoment Davison;
  NatalChart DavisonChart;
};

// A Julian day (UT) as a civil date and time of the Gregorian calendar (the Julian
// before 15 October 1582), to the nearest second: Meeus, Astronomical Algorithms,
// 2nd ed., ch. 7.
struct UtcDateTime {
  int Year = 2000;
  int Month = 1;
  int Day = 1;
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
};

UtcDateTime UtcFromJulianDay(double julian_day_ut);

HouseCusps HousesOf(const NatalChart& chart, HouseSystem system);

SynastryReading CalculateSynastry(const NatalChart& a, const NatalChart& b,
                                  const SynastryOptions& options, const ChartCaster& cast);

}  // namespace lumora
