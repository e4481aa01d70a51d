// SPDX-License-Identifier: MIT
#pragma once

#include "core/ephemeris/astronomical_constants.h"

namespace lumora {

// Geocentric tropical ecliptic longitude of the Moon in degrees, in [0, 360]
// (exactly 360 is left as it is), for T in Julian centuries from J2000.0.
double MoonLongitude(double T);

// Correction in degrees that turns a tropical longitude sidereal (the negated
// ayanamsa; about -23.85 in the year 2000).
double AyanamsaCorrection(double T);

// Tropical longitude plus correction, reduced into [0, 360); a value that is not
// finite comes back as it is.
double SiderealLongitude(double tropical_longitude, double correction);

}  // namespace lumora
