// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>

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
