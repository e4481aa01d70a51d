// SPDX-License-Identifier: MIT
#pragma once

#include "core/ephemeris/birth_moment.h"

namespace lumora {

// Julian day number (noon-based, integral value) of a civil date. Dates after the
// Julian-calendar count 2299171 are read in the Gregorian calendar.
double JulianDayNumber(int month, int day, int year);

// Geographic longitude in degrees, west-positive (east of Greenwich is negative).
double SignedLongitude(const BirthMoment& moment);

// Geographic latitude in degrees, north-positive.
double SignedLatitude(const BirthMoment& moment);

// Universal time in hours from the clock time and the zone magnitude; the zone's
// direction comes from the hemisphere of the longitude; or, where the moment carries the
// exact offset, the clock time less that offset. Not reduced to 0..24.
double UniversalTime(const BirthMoment& moment);

// Julian centuries of 36525 days from J2000.0 (1 January 2000, 12:00 UT).
double JulianCenturies(double universal_time, double julian_day);

struct TimeArguments {
  double UT = 0.0;
  double JulianDay = 0.0;
  double T = 0.0;
};

TimeArguments ComputeTimeArguments(const BirthMoment& moment);

}  // namespace lumora
