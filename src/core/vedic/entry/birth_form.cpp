// SPDX-License-Identifier: MIT
#include "core/vedic/entry/birth_form.h"

#include <cstdlib>
#include <string_view>

#include "core/entry/date_lists.h"
#include "core/nfc.h"
#include "core/text.h"

namespace lumora {

namespace {

struct EmptyCheck {
  const std::string BirthFormSide::*Field;
  FormControl Control;
  const char* BoyMessage;
  const char* GirlMessage;
};

// Checks of the empty fields, boy's wording and girl's wording. The boy's
// longitude-minutes message says "Minute", the girl's "Minutes".
const EmptyCheck kEmptyChecks[] = {
    {&BirthFormSide::Name, FormControl::Name, "Please Enter Your Name",
     "Please Enter Your Partner's Name"},
    {&BirthFormSide::ZoneHour, FormControl::ZoneHour, "Please Enter Your Hour Of Time Zone",
     "Please Enter Your Partner's Hour Of Time Zone"},
    {&BirthFormSide::ZoneMinute, FormControl::ZoneMinute, "Please Enter Your Minute Of Time Zone",
     "Please Enter Your Partner's Minute Of Time Zone"},
    {&BirthFormSide::LatDeg, FormControl::LatDeg, "Please Enter Degree in Latitude",
     "Please Enter Degree in Latitude"},
    {&BirthFormSide::LatMin, FormControl::LatMin, "Please Enter Minutes in Latitude",
     "Please Enter Minutes in Latitude"},
    {&BirthFormSide::LongDeg, FormControl::LongDeg, "Please Enter Degree in Longitude",
     "Please Enter Degree in Longitude"},
    {&BirthFormSide::LongMin, FormControl::LongMin, "Please Enter Minute in Longitude",
     "Please Enter Minutes in Longitude"},
    {&BirthFormSide::City, FormControl::City, "Please Enter City", "Please Enter City"},
    {&BirthFormSide::State, FormControl::State, "Please Enter State", "Please Enter State"},
    {&BirthFormSide::Country, FormControl::Country, "Please Enter Country", "Please Enter Country"},
};

bool IsZoneBox(const std::string BirthFormSide::*field) {
  return field == &BirthFormSide::ZoneHour || field == &BirthFormSide::ZoneMinute;
}

std::optional<FormFailure> CheckSideEntries(const BirthFormSide& s, PersonSide side) {
  const bool boy = side == PersonSide::Male;
  for (const EmptyCheck& check : kEmptyChecks) {
    if (!s.TimeZoneId.empty() && IsZoneBox(check.Field)) {
      continue;  // the zone's own offset stands in for the zone boxes
    }
    // Only an exactly empty text is empty: blanks count as content.
    if ((s.*check.Field).empty()) {
      return FormFailure{boy ? check.BoyMessage : check.GirlMessage, MessageIcon::Error,
                         PanelControl{side, check.Control}, false};
    }
  }
  if (!s.North && !s.South) {
    return FormFailure{"Please Select Direction For The Latitude", MessageIcon::Error,
                       PanelControl{side, FormControl::North}, true};
  }
  if (!s.East && !s.West) {
    return FormFailure{"Please Select Direction For The Longitude", MessageIcon::Error,
                       PanelControl{side, FormControl::East}, true};
  }
  return std::nullopt;
}

std::optional<FormFailure> CheckSideDate(const BirthFormSide& s, PersonSide side) {
  // The lists hold only their entries; a text that is none reads as the first one.
  const int day = DateTimeListPosition(DateTimeList::Day, s.Day).value_or(0) + 1;
  const int month = MonthNumber(s.Month).value_or(1);
  const int year = ParseInteger(s.Year).value_or(0);
  return CheckDayOfMonth(day, month, year, side);
}

// The lists of one side. The window can only hold their entries; any other caller's
// text (a year "1000000", a month "Smarch") would otherwise reach the reading of the
// form and the ephemerides.
std::optional<FormFailure> CheckSideLists(const BirthFormSide& s, PersonSide side) {
  return CheckListEntries(s, FormKind::Vedic, side);
}

struct NumberCheck {
  const std::string BirthFormSide::*Field;
  FormControl Control;
  int Maximum;
  const char* RangeMessage;
  bool AllowsMinus;
};

// Pasted text could otherwise pass the empty-field checks and be read as a wrong
// value, so every number is checked for digits and range.
const NumberCheck kNumberChecks[] = {
    {&BirthFormSide::LatDeg, FormControl::LatDeg, 90, "Please Enter A Correct Latitude", false},
    {&BirthFormSide::LatMin, FormControl::LatMin, 59, "Please Enter A Correct Latitude", false},
    {&BirthFormSide::LongDeg, FormControl::LongDeg, 180, "Please Enter A Correct Longitude", false},
    {&BirthFormSide::LongMin, FormControl::LongMin, 59, "Please Enter A Correct Longitude", false},
    // The time-zone picker writes east zones with a minus sign.
    {&BirthFormSide::ZoneHour, FormControl::ZoneHour, 14, "Please Enter A Correct Time Zone", true},
    {&BirthFormSide::ZoneMinute, FormControl::ZoneMinute, 59, "Please Enter A Correct Time Zone",
     false},
};

std::optional<FormFailure> CheckSideNumbers(const BirthFormSide& s, PersonSide side) {
  for (const NumberCheck& check : kNumberChecks) {
    if (!s.TimeZoneId.empty() && IsZoneBox(check.Field)) {
      continue;
    }
    std::string_view text = s.*check.Field;
    if (check.AllowsMinus && !text.empty() && text.front() == '-') {
      text.remove_prefix(1);
    }
    const auto value = ParseDigits(text);
    if (!value) {
      return FormFailure{"Please Enter Only Numbers", MessageIcon::Error,
                         PanelControl{side, check.Control}, false};
    }
    if (*value > check.Maximum) {
      return FormFailure{check.RangeMessage, MessageIcon::Error, PanelControl{side, check.Control},
                         false};
    }
  }
  return std::nullopt;
}

int IntegerOr(std::string_view text, int fallback) {
  return ParseInteger(text).value_or(fallback);
}

using SideCheck = std::optional<FormFailure> (*)(const BirthFormSide&, PersonSide);

// The checks in their order, each for the boy and then the girl. Texts that no list holds
// come first: nothing after this reads them otherwise.
constexpr SideCheck kSideChecks[] = {CheckSideLists, CheckSideEntries, CheckSideDate,
                                     CheckSideNumbers};

std::optional<FormFailure> CheckForm(const BirthForm& form) {
  for (const SideCheck check : kSideChecks) {
    for (const PersonSide side : kPersonSides) {
      if (auto failure = check(form[side], side)) {
        return failure;
      }
    }
  }
  return std::nullopt;
}

}  // namespace

BirthDetails ReadBirthDetails(const BirthFormSide& side, const std::optional<PersonClock>& clock) {
  BirthDetails out;
  PersonDetails& d = out.Details;
  // Names and places in composed form: "Jose" + U+0301 and "Jos" U+00E9 are one name.
  d.Name = ComposedText(Trim(side.Name));
  d.Day = Trim(side.Day);
  d.Month = Trim(side.Month);
  d.Year = Trim(side.Year);
  d.Hour = IntegerOr(side.Hour, 0);
  d.Minute = IntegerOr(side.Minute, 0);
  d.Second = IntegerOr(side.Second, 0);
  d.Place = ComposedText(Trim(side.City) + ", " + Trim(side.State) + ", " + Trim(side.Country));

  BirthMoment& m = out.Moment;
  m.BirthYear = IntegerOr(side.Year, 0);
  m.BirthMonth = MonthNumber(side.Month).value_or(1);
  m.BirthDay = IntegerOr(side.Day, 0);
  m.BirthHour = d.Hour;
  m.BirthMinute = d.Minute;
  // The zone is a magnitude: earlier pickers wrote east zones as "-5". Its direction is
  // the zone's own choice where one was made, else the East/West choice.
  m.ZoneHour = std::abs(IntegerOr(side.ZoneHour, 0));
  m.ZoneMinute = std::abs(IntegerOr(side.ZoneMinute, 0));
  m.LongDeg = IntegerOr(side.LongDeg, 0);
  m.LongMin = IntegerOr(side.LongMin, 0);
  m.LatDeg = IntegerOr(side.LatDeg, 0);
  m.LatMin = IntegerOr(side.LatMin, 0);
  m.IsDST = side.DST;
  m.IsEast = side.East;
  m.IsSouth = side.South;
  m.ZoneAhead = ZoneDirection(side);
  if (clock) {
    m.UtcOffsetSeconds = clock->Reading.UtcOffsetSeconds;
  }
  out.Clock = clock;
  d.Location = LocationOf(m, clock);
  return out;
}

FormResult<FormSides<BirthDetails>> ValidateBirthDetails(const BirthForm& form) {
  if (auto failure = CheckForm(form)) {
    return *failure;
  }
  auto clocks = ReadFormClocks(form);
  if (auto* failure = std::get_if<FormFailure>(&clocks)) {
    return *failure;
  }
  const auto& clock = std::get<FormSides<std::optional<PersonClock>>>(clocks);
  FormSides<BirthDetails> read;
  for (const PersonSide side : kPersonSides) {
    read[side] = ReadBirthDetails(form[side], clock[side]);
  }
  return read;
}

}  // namespace lumora
