#pragma once

#include "core/ephemeris/astronomical_constants.h"

namespace lumora {

// Geocentric tropical ecliptic longitude of the Moon in degrees, in [0, 360]
// (exactly 360 is left as it is), for T in Julian centuries from J2000.0.
double MoonLongitude(double T);

// Correction in degrees that turns a tropical longitude sidereal (the negated
// ayanamsa; about -23.85 in the year 2000).
double AyanamsaCorrection(double T);

// Tropical longitude plus correction, raised by one turn when it falls below 0.
double SiderealLongitude(double tropical_longitude, double correction);

}  // namespace lumora
