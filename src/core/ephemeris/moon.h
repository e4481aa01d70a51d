// SPDX-License-Identifier: MIT
#pragma once

#include "core/ephemeris/astronomical_constants.h"

namespace lumora {

// Geocentric tropical ecliptic longitude of the Moon in degrees, in [0, 360]
// (exactly 360 is left as it is), for T in Julian centuries from J2000.0.
double MoonLongitude(double T);

// The same sum with each term's angle built from the sines and cosines of the four
// arguments by angle addition: five times cheaper, and within kQuickMoonSumDegrees of
// MoonLongitude (the two differ only by rounding; moon_test.cpp measures the largest
// difference over the program's years). A caller that needs MoonLongitude's exact bits
// goes to it wherever that difference could matter.
double QuickMoonLongitude(double T);
inline constexpr double kQuickMoonSumDegrees = 1e-9;

// Correction in degrees that turns a tropical longitude sidereal (the negated
// ayanamsa; about -23.85 in the year 2000).
double AyanamsaCorrection(double T);

// Tropical longitude plus correction, reduced into [0, 360); a value that is not
// finite comes back as it is.
double SiderealLongitude(double tropical_longitude, double correction);

}  // namespace lumora
