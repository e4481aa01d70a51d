// SPDX-License-Identifier: MIT
#pragma once

#include "core/ephemeris/astro_time.h"

namespace lumora {

// Quick apparent places for deciding in which sign a body stands when the answer is
// certain, a few hundred times cheaper than precise_ephemeris.h. Each comes with the
// largest difference from the precise place measured over the program's years
// (1900-2051, UT), widened by a margin; the precise place remains the truth, and a
// caller goes to it whenever a body lies within its bound of a sign's edge.
//
// Measured against precise_ephemeris.h at 43,000 random instants of 1900-2051 (the
// test quick_positions_test.cpp samples fresh instants on every run and checks the bounds):
//   Moon (Meeus ch. 47, full series, plus the four leading nutation terms): 0.0049 degree;
//   Mars (ERFA eraPlan94, light time and aberration):                        0.0166 degree,
//     and 0.0084 degree x AU as the error times Mars's distance from the Earth;
//   apparent sidereal time (GMST 2006 plus four nutation terms):           0.31 arc second;
//   true obliquity (four nutation terms):                                   0.085 arc second.
inline constexpr double kQuickMoonBoundDegrees = 0.008;
// Mars's error is that of its heliocentric place and the Earth's seen from Mars's
// distance: the bound is an angle times a distance, degrees x AU, divided by the distance
// at the instant.
inline constexpr double kQuickMarsBoundDegreeAu = 0.014;
inline constexpr double kQuickSiderealTimeBoundArcseconds = 1.0;
inline constexpr double kQuickObliquityBoundArcseconds = 0.5;

// The ascendant of a place (tropical, true equinox of date, degrees in [0, 360)), with
// the bound its quick sidereal time and obliquity carry at that place: the first-order
// spread of the formula, doubled. Infinite where the ecliptic lies close to the horizon
// (latitudes near and beyond the polar circles), where only the precise angle serves.
struct QuickAscendant {
  double Longitude = 0.0;
  double BoundDegrees = 0.0;
};
QuickAscendant QuickAscendantAt(const AstroTime& time, double latitude_deg,
                                double east_longitude_deg);

// The three places a Manglik verdict reads, tropical: the ascendant of the place, and the
// apparent longitudes of the Moon and Mars (true equinox of date, degrees in [0, 360)).
struct QuickPlaces {
  QuickAscendant Ascendant;
  double Moon = 0.0;
  double Mars = 0.0;
  double MarsBoundDegrees = 0.0;  // kQuickMarsBoundDegreeAu over Mars's distance
};
QuickPlaces QuickPlacesAt(const AstroTime& time, double latitude_deg, double east_longitude_deg);

// The parts the bounds above are measured on: apparent sidereal time (radians, not
// reduced) and the true obliquity (radians).
double QuickSiderealTime(const AstroTime& time);
double QuickTrueObliquity(const AstroTime& time);

}  // namespace lumora
