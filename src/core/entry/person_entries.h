// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

#include "core/entry/date_lists.h"
#include "core/entry/person_side.h"
#include "core/form_result.h"
#include "core/places/clock.h"

namespace lumora {

// The entries of one person's panel that both forms share, as texts and choices exactly
// as the window holds them. Lists hold the text of their selected entry. Each form adds
// only its own way of giving the zone.
struct PersonEntries {
  std::string Name;
  std::string Day = "1";          // "1" .. "31"
  std::string Month = "January";  // "January" .. "December"
  std::string Year = "1901";      // "1901" .. "2050"
  std::string Hour = "0";         // "0" .. "24" in the birth-details form, "0" .. "23" otherwise
  std::string Minute = "0";       // "0" .. "59"
  std::string Second = "0";       // "0" .. "59"
  std::string City;
  std::string State;
  std::string Country;
  std::string LatDeg;
  std::string LatMin;
  std::string LongDeg;
  std::string LongMin;
  // The direction pairs. A pair may have neither option selected; the presets are North
  // and East.
  bool North = true;
  bool South = false;
  bool East = true;
  bool West = false;
  bool DST = false;
  // The zone's own direction pair: ahead of universal time (east of Greenwich) or behind
  // it. Neither selected leaves the zone on the longitude's side, as forms always read it
  // before the pair was there.
  bool ZoneAhead = false;
  bool ZoneBehind = false;
  // The birth place's IANA zone, where the atlas gave one: the clock then comes from the
  // zone at the birth date and time, and the form's own zone fields and the DST box are
  // not used.
  std::string TimeZoneId;
  // Which reading of a repeated hour the birth time means, where the hour occurred twice.
  std::optional<ClockChoice> ClockReading;
};

// One text entry of a panel: the control that holds it, the name files keep it under,
// and the member.
struct PersonTextField {
  FormControl Control;
  std::string_view Key;
  std::string PersonEntries::*Member;
};

// One choice of a panel (an option or a check box), likewise.
struct PersonChoiceField {
  FormControl Control;
  std::string_view Key;
  bool PersonEntries::*Member;
};

// The text entries both forms share, in the panel's order. The form readers, the forms'
// list checks and the couple file all walk this table, so an entry added here is read,
// checked and kept everywhere.
inline constexpr std::array<PersonTextField, 14> kPersonTextFields{{
    {FormControl::Name, "Name", &PersonEntries::Name},
    {FormControl::Day, "Day", &PersonEntries::Day},
    {FormControl::Month, "Month", &PersonEntries::Month},
    {FormControl::Year, "Year", &PersonEntries::Year},
    {FormControl::Hour, "Hour", &PersonEntries::Hour},
    {FormControl::Minute, "Minute", &PersonEntries::Minute},
    {FormControl::Second, "Second", &PersonEntries::Second},
    {FormControl::City, "City", &PersonEntries::City},
    {FormControl::State, "State", &PersonEntries::State},
    {FormControl::Country, "Country", &PersonEntries::Country},
    {FormControl::LatDeg, "LatDeg", &PersonEntries::LatDeg},
    {FormControl::LatMin, "LatMin", &PersonEntries::LatMin},
    {FormControl::LongDeg, "LongDeg", &PersonEntries::LongDeg},
    {FormControl::LongMin, "LongMin", &PersonEntries::LongMin},
}};

// The choices both forms share: the direction options, the daylight-saving box and the
// zone's direction pair.
inline constexpr std::array<PersonChoiceField, 7> kPersonChoiceFields{{
    {FormControl::North, "North", &PersonEntries::North},
    {FormControl::South, "South", &PersonEntries::South},
    {FormControl::East, "East", &PersonEntries::East},
    {FormControl::West, "West", &PersonEntries::West},
    {FormControl::DST, "DST", &PersonEntries::DST},
    {FormControl::ZoneAhead, "ZoneAhead", &PersonEntries::ZoneAhead},
    {FormControl::ZoneBehind, "ZoneBehind", &PersonEntries::ZoneBehind},
}};

// The list a form offers for a control: the date and time lists, the birth-details
// form's hours running to 24; nothing for a control that is typed into.
std::optional<DateTimeList> EntryList(FormControl control, FormKind form);

// The first list entry of a panel that its list in the form does not offer, as a refusal
// naming the list and focusing it. The windows' lists cannot hold such a text; a form
// made elsewhere (the command line, a file) can.
std::optional<FormFailure> CheckListEntries(const PersonEntries& entries, FormKind form,
                                            PersonSide side);

// Both persons' panels of a form, named by side.
template <typename Side>
struct FormSides {
  Side Male;    // control prefix M: the boy of the Vedic test, the male of the Western
  Side Female;  // control prefix F

  Side& operator[](PersonSide side) { return side == PersonSide::Male ? Male : Female; }
  const Side& operator[](PersonSide side) const { return side == PersonSide::Male ? Male : Female; }
};

// Whether the panel's zone is ahead of universal time, where exactly one option of its
// direction pair is selected.
std::optional<bool> ZoneDirection(const PersonEntries& entries);

// Whether the panel's date and time are still those the form starts with (1 January 1901,
// 00:00:00): most likely never set.
bool IsUntouchedBirthTime(const PersonEntries& entries);

// The question put before a test when a panel's date and time look untouched: the person
// by name, or by who the form says they are where the name is empty.
std::string UntouchedBirthTimeQuestion(const PersonEntries& entries, FormKind form,
                                       PersonSide side);

// The birth date and time of a panel as a local clock reading; texts that are no number
// read as the first day of the first month of year 0 at midnight.
LocalDateTime LocalBirthTime(const PersonEntries& entries);

// The clock of a panel that names its zone, refused (focus on the panel's hour list) for a
// time that never existed there or a repeated hour without a reading; nothing for a panel
// without a zone.
FormResult<std::optional<PersonClock>> ReadEntriesClock(const PersonEntries& entries,
                                                        PersonSide side);

// The clocks of both panels of a form, male first: the first refusal, or both.
template <typename Side>
FormResult<FormSides<std::optional<PersonClock>>> ReadFormClocks(const FormSides<Side>& form) {
  FormSides<std::optional<PersonClock>> clocks;
  for (const PersonSide side : kPersonSides) {
    auto clock = ReadEntriesClock(form[side], side);
    if (auto* failure = std::get_if<FormFailure>(&clock)) {
      return *failure;
    }
    clocks[side] = std::get<std::optional<PersonClock>>(std::move(clock));
  }
  return clocks;
}

}  // namespace lumora
