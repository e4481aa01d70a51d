// SPDX-License-Identifier: MIT
#include "core/entry/birth_location.h"

#include <cmath>

#include "core/ephemeris/calendar.h"
#include "core/glossary/phrases.h"
#include "core/text.h"

namespace lumora {

namespace {

constexpr double kSecondsPerHour = 3600.0;

std::string Angle(int degrees, int minutes, char direction) {
  return std::to_string(degrees) + "\u00B0" + TwoDigits(minutes) + "\u2032" + direction;
}

}  // namespace

int UtcOffsetOf(const BirthMoment& moment) {
  if (moment.UtcOffsetSeconds) {
    return *moment.UtcOffsetSeconds;
  }
  const double clock = moment.BirthHour + moment.BirthMinute / 60.0;
  return static_cast<int>(std::lround((clock - UniversalTime(moment)) * kSecondsPerHour));
}

BirthLocation LocationOf(const BirthMoment& moment, int utc_offset_seconds,
                         const std::optional<PersonClock>& clock) {
  BirthLocation location;
  location.LatitudeDegrees = moment.LatDeg;
  location.LatitudeMinutes = moment.LatMin;
  location.IsSouth = moment.IsSouth;
  location.LongitudeDegrees = moment.LongDeg;
  location.LongitudeMinutes = moment.LongMin;
  location.IsWest = !moment.IsEast;
  location.Clock = clock;
  if (clock) {
    location.UtcOffsetSeconds = clock->Reading.UtcOffsetSeconds;
    location.IsDaylight = clock->Reading.IsDaylight;
  } else {
    location.UtcOffsetSeconds = utc_offset_seconds;
    location.IsDaylight = moment.IsDST;
  }
  return location;
}

BirthLocation LocationOf(const BirthMoment& moment, const std::optional<PersonClock>& clock) {
  return LocationOf(moment, UtcOffsetOf(moment), clock);
}

std::string CoordinatesWords(const BirthLocation& location) {
  return Angle(location.LatitudeDegrees, location.LatitudeMinutes, location.IsSouth ? 'S' : 'N') +
         " " +
         Angle(location.LongitudeDegrees, location.LongitudeMinutes, location.IsWest ? 'W' : 'E');
}

std::string ClockUsedWords(const BirthLocation& location, Language language) {
  const std::string offset = "UTC" + FormatUtcOffset(location.UtcOffsetSeconds);
  if (!location.Clock) {
    const Phrases& words = PhrasesOf(language);
    return std::string(words.ZoneAsEntered) + ", " + offset +
           std::string(location.IsDaylight ? words.WithDaylightTime : "");
  }
  std::string text = location.Clock->TimeZone + ", " + offset;
  // The abbreviation only: the form's clock line gives what it stands for.
  const std::string& abbreviation = location.Clock->Reading.Abbreviation;
  if (!ClockPeriod(*location.Clock).empty()) {
    text += " (" + abbreviation + ")";
  }
  return text;
}

std::string LocationWords(const BirthLocation& location, Language language) {
  return CoordinatesWords(location) + ", " + ClockUsedWords(location, language);
}

}  // namespace lumora
