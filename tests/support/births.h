// SPDX-License-Identifier: MIT
// The births the tests and benchmarks share, as the forms take them: a date, a clock time,
// a place in degrees and minutes, and the clock's zone.
#pragma once

#include <cmath>

#include "core/ephemeris/birth_moment.h"

namespace lumora::testing {

// A place of birth: latitude and longitude in whole degrees and minutes, with their sides.
struct Place {
  int LatDeg = 0;
  int LatMin = 0;
  bool South = false;
  int LongDeg = 0;
  int LongMin = 0;
  bool East = false;
};

// The place of a latitude and longitude in degrees (north and east positive), to the
// whole minute below.
inline Place PlaceAt(double latitude, double longitude) {
  const auto degrees = [](double value) { return static_cast<int>(std::fabs(value)); };
  const auto minutes = [](double value) {
    return static_cast<int>((std::fabs(value) - static_cast<int>(std::fabs(value))) * 60.0);
  };
  return {degrees(latitude),  minutes(latitude),  latitude < 0.0,
          degrees(longitude), minutes(longitude), longitude >= 0.0};
}

inline constexpr Place kNewDelhi{28, 36, false, 77, 12, true};
inline constexpr Place kGreenwich{51, 30, false, 0, 0, false};

// A birth on the date at the clock time and place, the clock on universal time until a
// zone is given.
inline BirthMoment MomentAt(int year, int month, int day, int hour, int minute,
                            const Place& place = {}) {
  BirthMoment m;
  m.BirthYear = year;
  m.BirthMonth = month;
  m.BirthDay = day;
  m.BirthHour = hour;
  m.BirthMinute = minute;
  m.LatDeg = place.LatDeg;
  m.LatMin = place.LatMin;
  m.IsSouth = place.South;
  m.LongDeg = place.LongDeg;
  m.LongMin = place.LongMin;
  m.IsEast = place.East;
  return m;
}

// The moment with its clock's zone as the birth-details form types it: hours and minutes
// on the longitude's side of Greenwich, and daylight saving.
inline BirthMoment InZone(BirthMoment m, int zone_hour, int zone_minute, bool dst = false) {
  m.ZoneHour = zone_hour;
  m.ZoneMinute = zone_minute;
  m.IsDST = dst;
  return m;
}

// The moment with its clock's exact offset from universal time (seconds, east positive),
// as a known zone gives it.
inline BirthMoment AtOffset(BirthMoment m, int offset_seconds) {
  m.UtcOffsetSeconds = offset_seconds;
  return m;
}

// The couple most tests match: the boy of 15 August 1947, 00:00 at New Delhi on India
// Standard Time (5 h 30 ahead), and the girl of 1 January 2000, 12:00 at Greenwich. Other
// births at New Delhi on that clock take their own date and time.
inline BirthMoment DelhiMoment(int year = 1947, int month = 8, int day = 15, int hour = 0,
                               int minute = 0) {
  return InZone(MomentAt(year, month, day, hour, minute, kNewDelhi), 5, 30);
}
inline BirthMoment GreenwichMoment() {
  return MomentAt(2000, 1, 1, 12, 0, kGreenwich);
}

}  // namespace lumora::testing
