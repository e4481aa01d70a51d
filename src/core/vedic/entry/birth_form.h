// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "core/entry/form_failure.h"
#include "core/entry/form_result.h"
#include "core/entry/person_side.h"
#include "core/ephemeris/birth_moment.h"
#include "core/places/clock.h"

namespace lumora {

// The entries of one side of the birth-details form, as texts and choices exactly
// as the window holds them. Lists hold the text of their selected entry.
struct BirthFormSide {
  std::string Name;
  std::string Day = "1";
  std::string Month = "January";
  std::string Year = "1901";
  std::string Hour = "0";  // "0" .. "24"
  std::string Minute = "0";
  std::string Second = "0";
  std::string City;
  std::string State;
  std::string Country;
  std::string LatDeg;
  std::string LatMin;
  bool North = true;
  bool South = false;
  std::string LongDeg;
  std::string LongMin;
  bool East = true;
  bool West = false;
  std::string ZoneHour;
  std::string ZoneMinute;
  bool DST = false;
  // The birth place's IANA zone, where the atlas gave one: the clock then comes from the
  // zone at the birth date and time, and the zone boxes and the DST box are not used.
  std::string TimeZoneId;
  // Which reading of a repeated hour the birth time means, where the hour occurred twice.
  std::optional<ClockChoice> ClockReading;
};

struct BirthForm {
  BirthFormSide Boy;   // the male fields, control prefix M
  BirthFormSide Girl;  // the female fields, control prefix F
};

// The birth date and time of a side as a local clock reading.
LocalDateTime LocalBirthTime(const BirthFormSide& side);

// The clock of a side that names its zone, refused (focus on the side's hour list) for a
// time that never existed there or a repeated hour without a reading; nothing for a side
// without a zone.
FormResult<std::optional<PersonClock>> ReadSideClock(const BirthFormSide& side, PersonSide person);

// Checks the form in its fixed order and returns the first fault, or nothing.
std::optional<FormFailure> ValidateBirthDetails(const BirthForm& form);

}  // namespace lumora
