#include "core/vedic/entry/birth_form.h"

#include <cstdlib>

#include "core/text.h"

namespace lumora {

namespace {

std::vector<std::string> NumberEntries(int first, int last) {
  std::vector<std::string> entries;
  for (int n = first; n <= last; ++n) {
    entries.push_back(std::to_string(n));
  }
  return entries;
}

// Control names of one side: prefix M for the boy, F for the girl.
std::string Control(const char* kind, char side, const char* rest) {
  return std::string(kind) + side + rest;
}

struct EmptyCheck {
  const std::string BirthFormSide::*Field;
  const char* Control;
  const char* BoyMessage;
  const char* GirlMessage;
};

// Checks of the empty fields, boy's wording and girl's wording. The boy's
// longitude-minutes message says "Minute", the girl's "Minutes".
const EmptyCheck kEmptyChecks[] = {
    {&BirthFormSide::Name, "txt?Name", "Please Enter Your Name",
     "Please Enter Your Partner's Name"},
    {&BirthFormSide::ZoneHour, "txt?ZoneHour", "Please Enter Your Hour Of Time Zone",
     "Please Enter Your Partner's Hour Of Time Zone"},
    {&BirthFormSide::ZoneMinute, "txt?ZoneMinute", "Please Enter Your Minute Of Time Zone",
     "Please Enter Your Partner's Minute Of Time Zone"},
    {&BirthFormSide::LatDeg, "txt?LD", "Please Enter Degree in Latitude",
     "Please Enter Degree in Latitude"},
    {&BirthFormSide::LatMin, "txt?LM", "Please Enter Minutes in Latitude",
     "Please Enter Minutes in Latitude"},
    {&BirthFormSide::LongDeg, "txt?LoD", "Please Enter Degree in Longitude",
     "Please Enter Degree in Longitude"},
    {&BirthFormSide::LongMin, "txt?LoM", "Please Enter Minute in Longitude",
     "Please Enter Minutes in Longitude"},
    {&BirthFormSide::City, "txt?City", "Please Enter City", "Please Enter City"},
    {&BirthFormSide::State, "txt?State", "Please Enter State", "Please Enter State"},
    {&BirthFormSide::Country, "txt?Country", "Please Enter Country", "Please Enter Country"},
};

bool IsZoneBox(const std::string BirthFormSide::*field) {
  return field == &BirthFormSide::ZoneHour || field == &BirthFormSide::ZoneMinute;
}

std::string SideControl(const char* pattern, char side) {
  std::string name(pattern);
  name[name.find('?')] = side;
  return name;
}

std::optional<FormFailure> CheckSideEntries(const BirthFormSide& s, char side) {
  const bool boy = side == 'M';
  for (const EmptyCheck& check : kEmptyChecks) {
    if (!s.TimeZoneId.empty() && IsZoneBox(check.Field)) {
      continue;  // the zone's own offset stands in for the zone boxes
    }
    // Only an exactly empty text is empty: blanks count as content.
    if ((s.*check.Field).empty()) {
      return FormFailure{boy ? check.BoyMessage : check.GirlMessage, MessageIcon::Error,
                         SideControl(check.Control, side), false};
    }
  }
  if (!s.North && !s.South) {
    return FormFailure{"Please Select Direction For The Latitude", MessageIcon::Error,
                       Control("opt", side, "North"), true};
  }
  if (!s.East && !s.West) {
    return FormFailure{"Please Select Direction For The Longitude", MessageIcon::Error,
                       Control("opt", side, "East"), true};
  }
  return std::nullopt;
}

std::optional<FormFailure> CheckSideDate(const BirthFormSide& s, bool boy) {
  const int day = BirthListPosition(BirthList::Day, s.Day).value_or(0);
  const int month = BirthListPosition(BirthList::Month, s.Month).value_or(0);
  const int year = ParseInteger(s.Year).value_or(0);
  // Every fourth year is a leap year; the lists stay within 1901..2050, where no
  // century rule is needed.
  const bool leap = year % 4 == 0;
  const bool bad_february = month == 1 && (leap ? day >= 29 : day >= 28);
  if (bad_february) {
    return FormFailure{boy ? "Please Enter Your Correct Date Or Month!"
                           : "Please Enter Your Partner's Correct Date Or Month!",
                       MessageIcon::Information, "", false};
  }
  const bool thirty_day_month = month == 3 || month == 5 || month == 8 || month == 10;
  if (thirty_day_month && day == 30) {
    return FormFailure{boy ? "Please Enter Your Correct Date Or Month !"
                           : "Please Enter Your Partner's Correct Date Or Month !",
                       MessageIcon::Information, "", false};
  }
  return std::nullopt;
}

struct NumberCheck {
  const std::string BirthFormSide::*Field;
  const char* Control;
  int Maximum;
  const char* RangeMessage;
  bool AllowsMinus;
};

// Pasted text could otherwise pass the empty-field checks and be read as a wrong
// value, so every number is checked for digits and range.
const NumberCheck kNumberChecks[] = {
    {&BirthFormSide::LatDeg, "txt?LD", 90, "Please Enter A Correct Latitude", false},
    {&BirthFormSide::LatMin, "txt?LM", 59, "Please Enter A Correct Latitude", false},
    {&BirthFormSide::LongDeg, "txt?LoD", 180, "Please Enter A Correct Longitude", false},
    {&BirthFormSide::LongMin, "txt?LoM", 59, "Please Enter A Correct Longitude", false},
    // The time-zone picker writes east zones with a minus sign.
    {&BirthFormSide::ZoneHour, "txt?ZoneHour", 14, "Please Enter A Correct Time Zone", true},
    {&BirthFormSide::ZoneMinute, "txt?ZoneMinute", 59, "Please Enter A Correct Time Zone", false},
};

std::optional<FormFailure> CheckSideNumbers(const BirthFormSide& s, char side) {
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
                         SideControl(check.Control, side), false};
    }
    if (*value > check.Maximum) {
      return FormFailure{check.RangeMessage, MessageIcon::Error, SideControl(check.Control, side),
                         false};
    }
  }
  return std::nullopt;
}

}  // namespace

const std::vector<std::string>& BirthListEntries(BirthList list) {
  static const std::vector<std::string> days = NumberEntries(1, 31);
  static const std::vector<std::string> months = {"January",   "February", "March",    "April",
                                                  "May",       "June",     "July",     "August",
                                                  "September", "October",  "November", "December"};
  static const std::vector<std::string> years = NumberEntries(1901, 2050);
  static const std::vector<std::string> hours = NumberEntries(0, 24);
  static const std::vector<std::string> sixty = NumberEntries(0, 59);
  switch (list) {
    case BirthList::Day:
      return days;
    case BirthList::Month:
      return months;
    case BirthList::Year:
      return years;
    case BirthList::Hour:
      return hours;
    case BirthList::Minute:
    case BirthList::Second:
      break;
  }
  return sixty;
}

std::optional<int> BirthListPosition(BirthList list, std::string_view text) {
  const auto& entries = BirthListEntries(list);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (entries[i] == text) {
      return static_cast<int>(i);
    }
  }
  return std::nullopt;
}

std::optional<std::string> VedicKeyFilter(int key_code, FieldKind kind) {
  switch (kind) {
    case FieldKind::Digits:
      if (PassesDigitFilter(key_code)) {
        return std::nullopt;
      }
      return "Please Enter Only Numbers";
    case FieldKind::Name:
      if (PassesLetterFilter(key_code)) {
        return std::nullopt;
      }
      return "Please Enter Only Characters";
    case FieldKind::Free:
      break;
  }
  return std::nullopt;
}

PlaceLookup LookupPlace(const BirthFormSide& side, char prefix) {
  return LookupPlace(side.City, side.State, side.Country, prefix);
}

LocalDateTime LocalBirthTime(const BirthFormSide& side) {
  return {ParseInteger(side.Year).value_or(0),
          BirthListPosition(BirthList::Month, side.Month).value_or(0) + 1,
          ParseInteger(side.Day).value_or(1), ParseInteger(side.Hour).value_or(0),
          ParseInteger(side.Minute).value_or(0)};
}

FormResult<std::optional<PersonClock>> ReadSideClock(const BirthFormSide& side, char prefix) {
  if (side.TimeZoneId.empty()) {
    return std::optional<PersonClock>{};
  }
  auto clock = ReadPersonClock(side.TimeZoneId, LocalBirthTime(side), side.ClockReading,
                               Control("cbo", prefix, "HH"));
  if (auto* failure = std::get_if<FormFailure>(&clock)) {
    return *failure;
  }
  return std::optional<PersonClock>(std::get<PersonClock>(std::move(clock)));
}

std::optional<FormFailure> ValidateBirthDetails(const BirthForm& form, bool loaded_from_file) {
  if (loaded_from_file) {
    return std::nullopt;
  }
  // All of the boy's entries, all of the girl's, then the dates, boy first.
  if (auto failure = CheckSideEntries(form.Boy, 'M')) {
    return failure;
  }
  if (auto failure = CheckSideEntries(form.Girl, 'F')) {
    return failure;
  }
  if (auto failure = CheckSideDate(form.Boy, true)) {
    return failure;
  }
  if (auto failure = CheckSideDate(form.Girl, false)) {
    return failure;
  }
  if (auto failure = CheckSideNumbers(form.Boy, 'M')) {
    return failure;
  }
  return CheckSideNumbers(form.Girl, 'F');
}

}  // namespace lumora
