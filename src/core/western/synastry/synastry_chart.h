// SPDX-License-Identifier: MIT
#pragma once

#include "core/ephemeris/astro_time.h"
#include "core/ephemeris/birth_moment.h"
#include "core/western/synastry/synastry.h"

namespace lumora {

// A birth as synastry reads it: the instant and the place.
struct SynastryBirth {
  double JulianDayUt = 0.0;
  double Latitude = 0.0;       // degrees, north positive
  double EastLongitude = 0.0;  // degrees, east positive
};

// The instant of a birth moment (its clock less its zone, or its exact offset) and its
// place, with the signs of the hemisphere flags.
SynastryBirth SynastryBirthOf(const BirthMoment& moment);

// The instant of a birth moment at a place given in decimal degrees (a person record's
// place as read: its moment keeps whole minutes of arc, as the forms do).
SynastryBirth SynastryBirthAt(const BirthMoment& moment, double latitude, double east_longitude);

// The chart of an instant and place from the precise ephemeris: the ten bodies and the
// mean north node (apparent, tropical, with their daily speeds) and both angles, with
// the place's ARMC and the true obliquity for the houses.
NatalChart CastNatalChart(const AstroTime& time, double latitude, double east_longitude);
NatalChart CastNatalChart(double julian_day_ut, double latitude, double east_longitude);
NatalChart CastNatalChart(const SynastryBirth& birth);

// The whole reading of two births, the Davison chart cast by the precise ephemeris too.
SynastryReading SynastryOfBirths(const SynastryBirth& a, const SynastryBirth& b,
                                 const SynastryOptions& options);

}  // namespace lumora
