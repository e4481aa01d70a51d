// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "core/ephemeris/birth_moment.h"
#include "core/glossary/language.h"
#include "core/places/clock.h"

namespace lumora {

// Where a birth was computed and on which clock, as the computation read it. The result
// pages and documents show it beside the place's name, so that a name typed over another
// place's coordinates, or a zone typed with the wrong sign, shows itself.
struct BirthLocation {
  int LatitudeDegrees = 0;  // magnitudes; the directions are the two flags
  int LatitudeMinutes = 0;
  bool IsSouth = false;
  int LongitudeDegrees = 0;
  int LongitudeMinutes = 0;
  bool IsWest = false;
  // The IANA zone the clock came from; absent where the zone was entered by hand.
  std::optional<PersonClock> Clock;
  int UtcOffsetSeconds = 0;  // as used: east positive, any daylight hour included
  bool IsDaylight = false;   // a daylight hour is in the offset
};

// The offset from universal time a moment's clock time is read with (signed seconds, east
// positive): the exact offset where the moment carries one, else the zone entry, its
// direction and the daylight hour as UniversalTime reads them.
int UtcOffsetOf(const BirthMoment& moment);

// The location of a moment read with the given offset (the Western test reads its zone
// list's entry, the Vedic test UtcOffsetOf) and the clock of a zone, where one was named.
BirthLocation LocationOf(const BirthMoment& moment, int utc_offset_seconds,
                         const std::optional<PersonClock>& clock);
BirthLocation LocationOf(const BirthMoment& moment, const std::optional<PersonClock>& clock);

// "28°36′N 77°12′E".
std::string CoordinatesWords(const BirthLocation& location);
// "Asia/Kolkata, UTC+05:30 (IST)"; "Europe/London, UTC+02:00 (BDST)"; a zone entered by
// hand: "zone as entered, UTC+06:30 with daylight time".
std::string ClockUsedWords(const BirthLocation& location, Language language = Language::English);
// Both, joined: "28°36′N 77°12′E, Asia/Kolkata, UTC+05:30 (IST)".
std::string LocationWords(const BirthLocation& location, Language language = Language::English);

}  // namespace lumora
