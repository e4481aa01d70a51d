// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/entry/person_entries.h"
#include "core/entry/person_side.h"
#include "core/entry/place_lookup.h"
#include "core/ephemeris/western_positions.h"
#include "core/form_failure.h"
#include "core/form_result.h"
#include "core/places/clock.h"

namespace lumora {

// ---------------------------------------------------------------- the form record

// One panel of the Western input form: the shared entries and the zone list. In this
// form the latitude pair is the option pair optMLong (index 0 North, 1 South) and the
// longitude pair optMLat (index 0 East, 1 West); the hour list runs to 23 and the
// second list is offered, never read.
struct WesternFormSide : PersonEntries {
  int TimeZoneRow = 0;  // list position in the time-zone table, 0 .. 70
};

// The zone list's position when no zone is chosen.
inline constexpr int kNoTimeZoneRow = -1;

using WesternForm = FormSides<WesternFormSide>;

// ---------------------------------------------------------------- lists

// The first list text or time-zone row that its list does not offer, as a message
// naming the list. The window's lists cannot hold such a value; a form record made
// elsewhere can.
std::optional<FormFailure> FindWesternListFault(const WesternForm& form);
std::optional<FormFailure> FindWesternListFault(const WesternFormSide& panel, PersonSide side);

// The longest text a latitude or longitude box takes.
inline constexpr int kWesternCoordinateMaxLength = 3;

// ---------------------------------------------------------------- validation and reading

// One panel of a form that passed its checks: the birth data (its zone from the Western
// reading of the time-zone table, or the exact offset of the panel's clock) and the clock
// of a panel that names its zone.
struct WesternReading {
  WesternBirthData Data;
  std::optional<PersonClock> Clock;
};

// The list checks, then the checks of the form in their fixed order, then both panels'
// clocks, male first: the first failure, or both panels read.
FormResult<FormSides<WesternReading>> ValidateWesternInput(const WesternForm& form);

// The birth data of one panel, its zone from the Western reading of the time-zone
// table; a list fault or a coordinate box that holds no number in range refuses it.
FormResult<WesternBirthData> ReadWesternBirthData(const WesternFormSide& panel, PersonSide side);

// The time-zone row that, with the DST box, expresses a standard offset from universal time
// (signed seconds, east positive): a standard-time row where the table has one, else any
// row of that offset; nothing when no row has it (Kathmandu's +05:45).
std::optional<int> FindWesternZoneRow(int standard_offset_seconds);

// The zone entry a panel shows for a clock that no row expresses: "Asia/Kathmandu, +05:45"
// (the standard offset; the DST box carries the daylight hour).
std::string WesternZoneEntryText(const PersonClock& clock);

}  // namespace lumora
