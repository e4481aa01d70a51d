// SPDX-License-Identifier: MIT
#include "core/ephemeris/calendar.h"

#include <cmath>

#include "core/ephemeris/astronomical_constants.h"

namespace lumora {

namespace {
// The last day number still read in the Julian calendar (15 October 1582 counted
// as a Julian-calendar date).
constexpr double kLastJulianCalendarDay = 2299171.0;
}  // namespace

double JulianDayNumber(int month, int day, int year) {
  // Months since March of the year -4800; doubles keep every product exact.
  const double m = 12.0 * (year + 4800.0) + month - 3.0;
  double j = day + std::floor((365.0 * m + 7.0 + 2.0 * (m - 12.0 * std::floor(m / 12.0))) / 12.0) +
             std::floor(m / 48.0) - 32083.0;
  if (j > kLastJulianCalendarDay) {
    j = j + std::floor(m / 4800.0) - std::floor(m / 1200.0) + 38.0;
  }
  return j;
}

double SignedLongitude(const BirthMoment& moment) {
  const double g = moment.LongDeg + moment.LongMin / 60.0;
  return moment.IsEast ? -g : g;
}

double SignedLatitude(const BirthMoment& moment) {
  const double phi = moment.LatDeg + moment.LatMin / 60.0;
  return moment.IsSouth ? -phi : phi;
}

double UniversalTime(const BirthMoment& moment) {
  const double clock = moment.BirthHour + moment.BirthMinute / 60.0;
  if (moment.UtcOffsetSeconds) {
    return clock - *moment.UtcOffsetSeconds / 3600.0;
  }
  double zone = moment.ZoneHour + moment.ZoneMinute / 60.0;
  // A zone's direction given with it wins: a London birth on British Double Summer Time
  // lies west of Greenwich with its clock two hours ahead. Without one the zone lies on
  // the longitude's side; a longitude of 0 deg 0 min "east" is -0, which is not below 0:
  // the west rule holds.
  const bool east = moment.ZoneAhead.value_or(SignedLongitude(moment) < 0.0);
  if (moment.IsDST) {
    zone += east ? 1.0 : -1.0;
  }
  return east ? clock - zone : clock + zone;
}

double JulianCenturies(double universal_time, double julian_day) {
  return ((universal_time / 24.0 + (julian_day - kJ2000)) - 0.5) / kDaysPerCentury;
}

TimeArguments ComputeTimeArguments(const BirthMoment& moment) {
  TimeArguments args;
  args.UT = UniversalTime(moment);
  args.JulianDay = JulianDayNumber(moment.BirthMonth, moment.BirthDay, moment.BirthYear);
  args.T = JulianCenturies(args.UT, args.JulianDay);
  return args;
}

}  // namespace lumora
