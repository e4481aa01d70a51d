// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/entry/form_failure.h"
#include "core/entry/form_result.h"
#include "core/entry/person_side.h"
#include "core/entry/place_lookup.h"
#include "core/places/clock.h"
#include "core/western/western_positions.h"

namespace lumora {

// ---------------------------------------------------------------- the form record

// One panel of the Western input form, each control as the window shows it.
struct WesternFormSide {
  std::string Name;
  std::string Day = "1";          // "1" .. "31"
  std::string Month = "January";  // "January" .. "December"
  std::string Year = "1901";      // "1901" .. "2050"
  std::string Hour = "0";         // "0" .. "23"
  std::string Minute = "0";       // "0" .. "59"
  std::string Second = "0";       // "0" .. "59"; offered, never read
  std::string City;
  std::string State;
  std::string Country;
  std::string LatDeg;
  std::string LatMin;
  std::string LongDeg;
  std::string LongMin;
  // The latitude direction pair (optMLong: index 0 North, index 1 South) and the
  // longitude direction pair (optMLat: index 0 East, index 1 West). A pair may have
  // neither option selected; the presets are North and East.
  bool LatNorth = true;
  bool LatSouth = false;
  bool LongEast = true;
  bool LongWest = false;
  int TimeZoneRow = 0;  // list position in the time-zone table, 0 .. 70
  bool DST = false;
  // The birth place's IANA zone, where the atlas gave one: the clock then comes from the
  // zone at the birth date and time, and the zone row and the DST box are not used.
  std::string TimeZoneId;
  // Which reading of a repeated hour the birth time means, where the hour occurred twice.
  std::optional<ClockChoice> ClockReading;
};

struct WesternForm {
  WesternFormSide Male;
  WesternFormSide Female;
};

// The panels and controls of the form are those of both forms.
using WesternSide = PersonSide;
using WesternControl = FormControl;

// ---------------------------------------------------------------- messages

// The messages of both forms are one type. For an option pair the control is the
// pair ("optMLong"), whose preset option (index 0) is selected.
using WesternMessageIcon = MessageIcon;
using WesternFormMessage = FormFailure;

// ---------------------------------------------------------------- lists

// The first list text or time-zone row that its list does not offer, as a message
// naming the list. The window's lists cannot hold such a value; a form record made
// elsewhere can.
std::optional<WesternFormMessage> FindWesternListFault(const WesternForm& form);
std::optional<WesternFormMessage> FindWesternListFault(const WesternFormSide& panel,
                                                       WesternSide side);

// The longest text a latitude or longitude box takes.
inline constexpr int kWesternCoordinateMaxLength = 3;

// ---------------------------------------------------------------- validation and reading

// The checks of the form in their fixed order; nothing when every check passes,
// otherwise the first failure.
std::optional<WesternFormMessage> ValidateWesternInput(const WesternForm& form);

// The birth data of one panel, its zone from the Western reading of the time-zone
// table; the list fault or the coordinate box that does not hold a number refuses it.
FormResult<WesternBirthData> ReadWesternBirthData(const WesternFormSide& panel, WesternSide side);

// The time-zone row that, with the DST box, expresses a standard offset from universal time
// (signed seconds, east positive): a standard-time row where the table has one, else any
// row of that offset; nothing when no row has it (Kathmandu's +05:45).
std::optional<int> FindWesternZoneRow(int standard_offset_seconds);

// The zone entry a panel shows for a clock that no row expresses: "Asia/Kathmandu, +05:45"
// (the standard offset; the DST box carries the daylight hour).
std::string WesternZoneEntryText(const PersonClock& clock);

// The clock of a panel that names its zone, refused (focus on the panel's hour list) for a
// time that never existed there or a repeated hour without a reading; nothing for a panel
// without a zone.
FormResult<std::optional<PersonClock>> ReadPanelClock(const WesternFormSide& side,
                                                      WesternSide which);

}  // namespace lumora
