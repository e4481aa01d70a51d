// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/ephemeris/birth_moment.h"
#include "core/ephemeris/moon_model.h"

namespace lumora {

// The nine grahas of a rasi chart, in the order charts and tables list them.
enum class Graha { Sun, Moon, Mars, Mercury, Jupiter, Venus, Saturn, Rahu, Ketu };

inline constexpr int kGrahaCount = 9;

struct GrahaName {
  std::string_view Name;          // "Mercury"
  std::string_view Abbreviation;  // "Me", the two letters a chart picture writes
};

inline constexpr std::array<GrahaName, kGrahaCount> kGrahaNames{{
    {"Sun", "Su"},
    {"Moon", "Mo"},
    {"Mars", "Ma"},
    {"Mercury", "Me"},
    {"Jupiter", "Ju"},
    {"Venus", "Ve"},
    {"Saturn", "Sa"},
    {"Rahu", "Ra"},
    {"Ketu", "Ke"},
}};

// The two customary drawings of a rasi chart: North Indian (houses fixed, the Lagna's
// house at the top, sign numbers written in the houses) and South Indian (signs fixed,
// Pisces at the top left, the Lagna's sign marked).
enum class ChartStyle { NorthIndian, SouthIndian };

// Sidereal longitudes in degrees, each in [0, 360).
struct SiderealChart {
  double Lagna = 0.0;
  std::array<double, kGrahaCount> Planets{};

  double Of(Graha graha) const { return Planets[static_cast<std::size_t>(graha)]; }
};

// An instant as the Vedic Moon reads it: universal time in hours (not reduced to
// 0..24) on the civil day of Julian day number JulianDay, and the birth place.
struct ChartInstant {
  double UT = 0.0;
  double JulianDay = 0.0;
  double SignedLongitude = 0.0;  // degrees, west positive
  double SignedLatitude = 0.0;   // degrees, north positive
};

// The Lagna and Mars alone, placed exactly as CalculateSiderealChart places them: with
// the Moon, all the Manglik verdict reads, for callers that place many persons.
struct LagnaAndMars {
  double Lagna = 0.0;
  double Mars = 0.0;
};
LagnaAndMars CalculateLagnaAndMars(const BirthMoment& moment);

// The instant of a person's Vedic Moon, at the person's place.
ChartInstant BirthInstant(const BirthMoment& moment);

// The instant a number of seconds later (earlier when negative).
ChartInstant ShiftedInstant(const ChartInstant& instant, double seconds);

// x reduced to [0, 360).
double ReduceDegrees(double x);

// Sign 0 (Aries) .. 11 (Pisces) of a longitude in [0, 360).
int SignOf(double longitude);

// Whole-sign house 1..12 of a sign counted from a reference sign.
int HouseFrom(int sign, int reference_sign);

// The Vedic sidereal Moon and the sidereal ascendant at an instant.
double SiderealMoonAt(const ChartInstant& instant, MoonModel model = MoonModel::Standard);
double SiderealLagnaAt(const ChartInstant& instant);

// The whole chart: the Sun, the planets, the node and the ascendant as the Western
// ephemeris finds them at the instant of the Vedic Moon, turned sidereal with the same
// ayanamsa correction as the Moon; Ketu opposite Rahu. The Moon is the match's Moon of
// the chosen model.
SiderealChart CalculateSiderealChart(const BirthMoment& moment,
                                     MoonModel model = MoonModel::Standard);

// A body this close to either edge of its sign could stand in the next sign for a
// slightly different birth time or ephemeris: a chart marks it as uncertain.
inline constexpr double kUncertainSignMarginDegrees = 0.5;

bool NearSignBoundary(double longitude);

// One entry of a chart picture: "Ma 7°28'" (abbreviation, degrees and minutes within
// the sign) in its sign. The Lagna comes first as "La", then the grahas in chart order.
struct ChartPlacement {
  std::string Label;
  int Sign = 0;
  bool Uncertain = false;
};

std::vector<ChartPlacement> ChartPlacements(const SiderealChart& chart);

}  // namespace lumora
