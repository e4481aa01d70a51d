// SPDX-License-Identifier: MIT
#include "core/vedic/chart/sidereal_chart.h"

#include <cmath>
#include <cstdio>

#include "core/ephemeris/calendar.h"
#include "core/ephemeris/moon.h"
#include "core/ephemeris/moon_sign.h"
#include "core/ephemeris/precise_moon.h"
#include "core/western/western_elements.h"
#include "core/western/western_positions.h"

namespace lumora {

namespace {

constexpr double kSecondsPerHour = 3600.0;
constexpr double kDegreesPerSign = 30.0;

double CenturiesAt(const ChartInstant& instant) {
  return JulianCenturies(instant.UT, instant.JulianDay);
}

}  // namespace

ChartInstant BirthInstant(const BirthMoment& moment) {
  const TimeArguments args = ComputeTimeArguments(moment);
  return {args.UT, args.JulianDay, SignedLongitude(moment), SignedLatitude(moment)};
}

ChartInstant ShiftedInstant(const ChartInstant& instant, double seconds) {
  ChartInstant shifted = instant;
  shifted.UT += seconds / kSecondsPerHour;
  return shifted;
}

double ReduceDegrees(double x) {
  double r = std::fmod(x, 360.0);
  if (r < 0.0) {
    r += 360.0;
  }
  // A tiny negative remainder rounds up to 360 when raised: that is Aries 0.
  return r >= 360.0 ? 0.0 : r;
}

int SignOf(double longitude) {
  const int sign = static_cast<int>(std::floor(longitude / kDegreesPerSign));
  return ((sign % 12) + 12) % 12;
}

int HouseFrom(int sign, int reference_sign) {
  return ((sign - reference_sign) % 12 + 12) % 12 + 1;
}

double SiderealMoonAt(const ChartInstant& instant, MoonModel model) {
  const double T = CenturiesAt(instant);
  return ReduceDegrees(SiderealLongitude(TropicalMoonLongitude(T, model), AyanamsaCorrection(T)));
}

double SiderealLagnaAt(const ChartInstant& instant) {
  const WesternAngles angles = CalculateAnglesAt(instant.UT, instant.JulianDay,
                                                 instant.SignedLongitude, instant.SignedLatitude);
  return ReduceDegrees(angles.Ascendant + AyanamsaCorrection(CenturiesAt(instant)));
}

SiderealChart CalculateSiderealChart(const BirthMoment& moment, MoonModel model) {
  const ChartInstant instant = BirthInstant(moment);
  const double correction = AyanamsaCorrection(CenturiesAt(instant));
  const double d = DayNumberAt(instant.UT, instant.JulianDay);
  auto sidereal = [correction](double tropical) { return ReduceDegrees(tropical + correction); };
  auto planet = [&](PlanetSlot slot) {
    return sidereal(PlanetLongitude(static_cast<int>(slot), d));
  };

  SiderealChart chart;
  chart.Lagna = SiderealLagnaAt(instant);
  const double rahu = sidereal(CalculateLunarNodes(d).North);
  chart.Planets = {
      planet(PlanetSlot::Earth),  // the Earth's slot gives the Sun
      ReduceDegrees(CalculateMoonSign(moment, model).SiderealLongitude),
      planet(PlanetSlot::Mars),
      planet(PlanetSlot::Mercury),
      planet(PlanetSlot::Jupiter),
      planet(PlanetSlot::Venus),
      planet(PlanetSlot::Saturn),
      rahu,
      ReduceDegrees(rahu + 180.0),
  };
  return chart;
}

LagnaAndMars CalculateLagnaAndMars(const BirthMoment& moment) {
  const ChartInstant instant = BirthInstant(moment);
  const double correction = AyanamsaCorrection(CenturiesAt(instant));
  const double d = DayNumberAt(instant.UT, instant.JulianDay);
  return {SiderealLagnaAt(instant),
          ReduceDegrees(PlanetLongitude(static_cast<int>(PlanetSlot::Mars), d) + correction)};
}

bool NearSignBoundary(double longitude) {
  const double within = longitude - kDegreesPerSign * std::floor(longitude / kDegreesPerSign);
  return within < kUncertainSignMarginDegrees ||
         within > kDegreesPerSign - kUncertainSignMarginDegrees;
}

std::vector<ChartPlacement> ChartPlacements(const SiderealChart& chart) {
  auto placement = [](std::string_view abbreviation, double longitude) {
    const double within = longitude - kDegreesPerSign * std::floor(longitude / kDegreesPerSign);
    const int total_minutes = static_cast<int>(std::floor(within * 60.0));
    char text[32];
    std::snprintf(text, sizeof text, " %d\u00B0%02d'", total_minutes / 60, total_minutes % 60);
    return ChartPlacement{std::string(abbreviation) + text, SignOf(longitude),
                          NearSignBoundary(longitude)};
  };
  std::vector<ChartPlacement> out;
  out.push_back(placement("La", chart.Lagna));
  for (int g = 0; g < kGrahaCount; ++g) {
    out.push_back(placement(kGrahaNames[static_cast<std::size_t>(g)].Abbreviation,
                            chart.Planets[static_cast<std::size_t>(g)]));
  }
  return out;
}

}  // namespace lumora
