// SPDX-License-Identifier: MIT
#include "core/western/synastry/synastry.h"

#include <cmath>

#include "core/ephemeris/chart_points.h"
#include "core/western/synastry/arcs.h"

namespace lumora {

namespace {

constexpr std::array<std::string_view, kAspectDefinitions.size()> kAspectNames = {
    "Conjunction", "Sextile", "Square", "Trine", "Opposition", "SemiSextile", "Quincunx"};

// Separations come from differences of longitudes near 360; a separation that is
// meant to sit exactly on the edge of its orb may come out a few ulps beyond it.
constexpr double kEdgeTolerance = 1e-9;  // degrees

bool IsLuminary(ChartPoint point) {
  return point == ChartPoint::Sun || point == ChartPoint::Moon;
}

// The angular distance of two longitudes, [0, 180].
double Separation(double a, double b) {
  return std::fabs(SignedArc(a - b));
}

}  // namespace

std::string_view AspectName(AspectKind kind) {
  return kAspectNames[static_cast<std::size_t>(kind)];
}

const AspectDefinition& DefinitionOf(AspectKind kind) {
  return kAspectDefinitions[static_cast<std::size_t>(kind)];
}

double OrbAllowance(AspectKind kind, ChartPoint a, ChartPoint b, OrbSet orbs) {
  double allowance = DefinitionOf(kind).StandardOrb;
  if (IsLuminary(a) || IsLuminary(b)) {
    allowance += kLuminaryWidening;
  }
  return orbs == OrbSet::Tight ? allowance / 2.0 : allowance;
}

bool IsApplying(const PointPosition& a, const PointPosition& b, double aspect_angle) {
  const double difference = SignedArc(a.Longitude - b.Longitude);  // [-180, 180)
  const double relative_speed = a.Speed - b.Speed;
  // The rate of the separation |difference|: at 0 it can only grow, at -180 (exactly
  // opposite) only shrink.
  double separation_rate = 0.0;
  if (difference == 0.0) {
    separation_rate = std::fabs(relative_speed);
  } else if (difference == -180.0) {
    separation_rate = -std::fabs(relative_speed);
  } else {
    separation_rate = difference > 0.0 ? relative_speed : -relative_speed;
  }
  const double offset = std::fabs(difference) - aspect_angle;
  double orb_rate = 0.0;
  if (offset > 0.0) {
    orb_rate = separation_rate;
  } else if (offset < 0.0) {
    orb_rate = -separation_rate;
  } else {
    orb_rate = std::fabs(separation_rate);
  }
  return orb_rate < 0.0;
}

std::optional<SynastryAspect> AspectBetween(ChartPoint a, const PointPosition& at_a, ChartPoint b,
                                            const PointPosition& at_b,
                                            const AspectOptions& options) {
  const double separation = Separation(at_a.Longitude, at_b.Longitude);
  for (const AspectDefinition& definition : kAspectDefinitions) {
    if (definition.Minor && !options.Minor) {
      continue;
    }
    const double orb = std::fabs(separation - definition.Angle);
    if (orb > OrbAllowance(definition.Kind, a, b, options.Orbs) + kEdgeTolerance) {
      continue;
    }
    SynastryAspect aspect;
    aspect.A = a;
    aspect.B = b;
    aspect.Kind = definition.Kind;
    aspect.Orb = orb;
    if (!IsAngle(a) && !IsAngle(b)) {
      aspect.Applying = IsApplying(at_a, at_b, definition.Angle);
    }
    return aspect;
  }
  return std::nullopt;
}

std::vector<SynastryAspect> FindAspects(const SynastryPositions& a, const SynastryPositions& b,
                                        const AspectOptions& options) {
  std::vector<SynastryAspect> aspects;
  for (int i = 0; i < kSynastryPointCount; ++i) {
    for (int j = 0; j < kSynastryPointCount; ++j) {
      if (auto aspect =
              AspectBetween(kSynastryPoints[i], a[i], kSynastryPoints[j], b[j], options)) {
        aspects.push_back(*aspect);
      }
    }
  }
  return aspects;
}

HouseOverlay OverlayHouses(const SynastryPositions& guest, const HouseCusps& host) {
  HouseOverlay houses{};
  for (int i = 0; i < kSynastryPointCount; ++i) {
    houses[i] = HouseOf(guest[i].Longitude, host);
  }
  return houses;
}

std::array<double, kSynastryPointCount> CompositeLongitudes(const SynastryPositions& a,
                                                            const SynastryPositions& b) {
  std::array<double, kSynastryPointCount> composite{};
  for (int i = 0; i < kSynastryPointCount; ++i) {
    composite[i] = ShorterArcMidpoint(a[i].Longitude, b[i].Longitude);
  }
  return composite;
}

DavisonMoment DavisonMidpoint(const NatalChart& a, const NatalChart& b) {
  return {
      .JulianDayUt = (a.JulianDayUt + b.JulianDayUt) / 2.0,
      .Latitude = (a.Latitude + b.Latitude) / 2.0,
      .EastLongitude = GeographicMidpoint(a.EastLongitude, b.EastLongitude),
  };
}

HouseCusps HousesOf(const NatalChart& chart, HouseSystem system) {
  return CalculateHouseCusps(system, chart.Armc, chart.Obliquity, chart.Latitude);
}

SynastryReading CalculateSynastry(const NatalChart& a, const NatalChart& b,
                                  const SynastryOptions& options, const ChartCaster& cast) {
  SynastryReading reading;
  reading.A = a;
  reading.B = b;
  reading.Aspects = FindAspects(a.Points, b.Points, options.Aspects);
  reading.HousesA = HousesOf(a, options.Houses);
  reading.HousesB = HousesOf(b, options.Houses);
  reading.AInB = OverlayHouses(a.Points, reading.HousesB);
  reading.BInA = OverlayHouses(b.Points, reading.HousesA);
  reading.Composite = CompositeLongitudes(a.Points, b.Points);
  reading.Davison = DavisonMidpoint(a, b);
  reading.DavisonChart =
      cast(reading.Davison.JulianDayUt, reading.Davison.Latitude, reading.Davison.EastLongitude);
  return reading;
}

UtcDateTime UtcFromJulianDay(double julian_day_ut) {
  // Whole seconds first, so that 23:59:59.6 becomes the next day's midnight.
  constexpr double kSecondsPerDay = 86400.0;
  const double shifted = julian_day_ut + 0.5;
  double z = std::floor(shifted);
  double seconds = std::round((shifted - z) * kSecondsPerDay);
  if (seconds >= kSecondsPerDay) {
    seconds -= kSecondsPerDay;
    z += 1.0;
  }
  double a = z;
  if (z >= 2299161.0) {
    const double alpha = std::floor((z - 1867216.25) / 36524.25);
    a = z + 1.0 + alpha - std::floor(alpha / 4.0);
  }
  const double b = a + 1524.0;
  const double c = std::floor((b - 122.1) / 365.25);
  const double d = std::floor(365.25 * c);
  const double e = std::floor((b - d) / 30.6001);
  UtcDateTime out;
  out.Day = static_cast<int>(b - d - std::floor(30.6001 * e));
  out.Month = static_cast<int>(e < 14.0 ? e - 1.0 : e - 13.0);
  out.Year = static_cast<int>(out.Month > 2 ? c - 4716.0 : c - 4715.0);
  const int whole = static_cast<int>(seconds);
  out.Hour = whole / 3600;
  out.Minute = whole / 60 % 60;
  out.Second = whole % 60;
  return out;
}

}  // namespace lumora
