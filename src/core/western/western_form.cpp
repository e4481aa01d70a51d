#include "core/western/western_form.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <stdexcept>

#include "core/text.h"
#include "core/vedic/entry/birth_form.h"
#include "core/vedic/entry/time_zones.h"

namespace lumora {

namespace {

constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2050;
constexpr int kFebruary = 1;                                    // list position
constexpr std::array<int, 4> kThirtyDayMonths = {3, 5, 8, 10};  // April, June, September, November

struct ControlNameParts {
  std::string_view Prefix;
  std::string_view Suffix;
};

// In the order of WesternControl.
constexpr std::array<ControlNameParts, 18> kControlNames{{
    {"txt", "Name"},
    {"cbo", "Date"},
    {"cbo", "Month"},
    {"cbo", "Year"},
    {"cbo", "HH"},
    {"cbo", "MM"},
    {"cbo", "SS"},
    {"txt", "City"},
    {"txt", "State"},
    {"txt", "Country"},
    {"txt", "LD"},
    {"txt", "LM"},
    {"opt", "Long"},
    {"txt", "LoD"},
    {"txt", "LoM"},
    {"opt", "Lat"},
    {"cmb", "TimeZone"},
    {"chk", "DST"},
}};

// A text box that must not be left empty, with the message of each panel.
struct RequiredText {
  std::string WesternFormSide::*Field;
  WesternControl Control;
  std::string_view MaleMessage;
  std::string_view FemaleMessage;
};

// Checks 1 to 8 of a panel, in order ("Minute" for the male longitude minutes,
// "Minutes" for the female, as the form has always shown them).
constexpr std::array<RequiredText, 8> kRequiredTexts{{
    {&WesternFormSide::Name, WesternControl::Name, "Please Enter Male Name",
     "Please Enter Female Name"},
    {&WesternFormSide::LatDeg, WesternControl::LatDeg, "Please Enter Degree in Latitude",
     "Please Enter Degree in Latitude"},
    {&WesternFormSide::LatMin, WesternControl::LatMin, "Please Enter Minutes in Latitude",
     "Please Enter Minutes in Latitude"},
    {&WesternFormSide::LongDeg, WesternControl::LongDeg, "Please Enter Degree in Longitude",
     "Please Enter Degree in Longitude"},
    {&WesternFormSide::LongMin, WesternControl::LongMin, "Please Enter Minute in Longitude",
     "Please Enter Minutes in Longitude"},
    {&WesternFormSide::City, WesternControl::City, "Please Enter City", "Please Enter City"},
    {&WesternFormSide::State, WesternControl::State, "Please Enter State", "Please Enter State"},
    {&WesternFormSide::Country, WesternControl::Country, "Please Enter Country",
     "Please Enter Country"},
}};

// A coordinate box with the largest value it may hold.
struct CoordinateBox {
  std::string WesternFormSide::*Field;
  WesternControl Control;
  int Maximum;
  std::string_view RangeMessage;
};

constexpr std::array<CoordinateBox, 4> kCoordinateBoxes{{
    {&WesternFormSide::LatDeg, WesternControl::LatDeg, 90, "Please Enter A Correct Latitude"},
    {&WesternFormSide::LatMin, WesternControl::LatMin, 59, "Please Enter A Correct Latitude"},
    {&WesternFormSide::LongDeg, WesternControl::LongDeg, 180, "Please Enter A Correct Longitude"},
    {&WesternFormSide::LongMin, WesternControl::LongMin, 59, "Please Enter A Correct Longitude"},
}};

// A list with the panel's text for it.
struct ListText {
  std::string WesternFormSide::*Field;
  WesternControl Control;
  WesternList List;
};

constexpr std::array<ListText, 6> kListTexts{{
    {&WesternFormSide::Day, WesternControl::Day, WesternList::Day},
    {&WesternFormSide::Month, WesternControl::Month, WesternList::Month},
    {&WesternFormSide::Year, WesternControl::Year, WesternList::Year},
    {&WesternFormSide::Hour, WesternControl::Hour, WesternList::Hour},
    {&WesternFormSide::Minute, WesternControl::Minute, WesternList::Minute},
    {&WesternFormSide::Second, WesternControl::Second, WesternList::Second},
}};

struct NumberRange {
  int First;
  int Last;
};

// The lists of plain decimal numbers (no leading zeros); nothing for the others.
std::optional<NumberRange> NumberRangeOf(WesternList list) {
  switch (list) {
    case WesternList::Day:
      return NumberRange{1, 31};
    case WesternList::Year:
      return NumberRange{kFirstYear, kLastYear};
    case WesternList::Hour:
      return NumberRange{0, 23};
    case WesternList::Minute:
    case WesternList::Second:
      return NumberRange{0, 59};
    default:
      return std::nullopt;
  }
}

WesternFormMessage Failure(std::string_view message, WesternMessageIcon icon, WesternSide side,
                           std::optional<WesternControl> control) {
  return {std::string(message), icon, control ? WesternControlName(side, *control) : std::string()};
}

// Month names are the ones of the Vedic form's list.
std::optional<int> MonthPosition(std::string_view month) {
  return BirthListPosition(BirthList::Month, month);
}

bool IsListEntry(WesternList list, std::string_view text) {
  if (list == WesternList::Month) {
    return MonthPosition(text).has_value();
  }
  const auto range = NumberRangeOf(list);
  const auto value = ParseDigits(text);
  return range && value && *value >= range->First && *value <= range->Last &&
         std::to_string(*value) == text;
}

// Checks 21 and 22 (male) or 23 and 24 (female). Only years divisible by 4 are leap
// years, which is right for every year the list offers.
std::optional<WesternFormMessage> CheckDate(const WesternFormSide& panel, WesternSide side) {
  const auto month = MonthPosition(panel.Month);
  const auto day = ParseDigits(panel.Day);
  const auto year = ParseDigits(panel.Year);
  if (!month || !day || !year) {
    return std::nullopt;
  }
  const bool male = side == WesternSide::Male;
  const bool leap = *year % 4 == 0;
  if (*month == kFebruary && *day > (leap ? 29 : 28)) {
    return Failure(male ? "Please Enter Your Correct Date Or Month!"
                        : "Please Enter Your Partner's Correct Date Or Month!",
                   WesternMessageIcon::Information, side, std::nullopt);
  }
  if (std::find(kThirtyDayMonths.begin(), kThirtyDayMonths.end(), *month) !=
          kThirtyDayMonths.end() &&
      *day == 31) {
    return Failure(male ? "Please Enter Your Correct Date Or Month !"
                        : "Please Enter Your Partner's Correct Date Or Month !",
                   WesternMessageIcon::Information, side, std::nullopt);
  }
  return std::nullopt;
}

// Checks 1 to 10 (male) or 11 to 20 (female). A text counts as empty only when it is
// exactly empty: blanks pass.
std::optional<WesternFormMessage> CheckPanelEntries(const WesternFormSide& panel,
                                                    WesternSide side) {
  const bool male = side == WesternSide::Male;
  for (const RequiredText& check : kRequiredTexts) {
    if ((panel.*check.Field).empty()) {
      return Failure(male ? check.MaleMessage : check.FemaleMessage, WesternMessageIcon::Error,
                     side, check.Control);
    }
  }
  if (!panel.LatNorth && !panel.LatSouth) {
    return Failure("Please Select Direction For The Latitude", WesternMessageIcon::Error, side,
                   WesternControl::LatDirection);
  }
  if (!panel.LongEast && !panel.LongWest) {
    return Failure("Please Select Direction For The Longitude", WesternMessageIcon::Error, side,
                   WesternControl::LongDirection);
  }
  return std::nullopt;
}

// The coordinate boxes must hold numbers within range. The key filter keeps other keys
// out, but a pasted text gets past it, and degrees beyond the pole or the date line
// would otherwise be computed without a word.
std::optional<WesternFormMessage> CheckCoordinates(const WesternFormSide& panel, WesternSide side) {
  for (const CoordinateBox& box : kCoordinateBoxes) {
    const auto value = ParseDigits(panel.*box.Field);
    if (!value) {
      return Failure("Please enter only numbers", WesternMessageIcon::Error, side, box.Control);
    }
    if (*value > box.Maximum) {
      return Failure(box.RangeMessage, WesternMessageIcon::Error, side, box.Control);
    }
  }
  return std::nullopt;
}

int ConvertedNumber(std::string_view text) {
  const auto value = ParseDigits(text);
  if (!value) {
    throw std::invalid_argument("not a whole number: \"" + std::string(text) + "\"");
  }
  return *value;
}

}  // namespace

std::string WesternControlName(WesternSide side, WesternControl control) {
  const ControlNameParts& parts = kControlNames[static_cast<std::size_t>(control)];
  std::string name(parts.Prefix);
  name += side == WesternSide::Male ? 'M' : 'F';
  name += parts.Suffix;
  return name;
}

std::vector<std::string> WesternListEntries(WesternList list) {
  std::vector<std::string> entries;
  if (list == WesternList::Month) {
    entries = BirthListEntries(BirthList::Month);
  } else if (list == WesternList::TimeZone) {
    for (const TimeZoneRow& row : kTimeZones) {
      entries.emplace_back(row.Text);
    }
  } else if (const auto range = NumberRangeOf(list)) {
    for (int n = range->First; n <= range->Last; ++n) {
      entries.push_back(std::to_string(n));
    }
  }
  return entries;
}

std::optional<WesternFormMessage> FindWesternListFault(const WesternForm& form) {
  for (const WesternSide side : {WesternSide::Male, WesternSide::Female}) {
    const WesternFormSide& panel = side == WesternSide::Male ? form.Male : form.Female;
    for (const ListText& list : kListTexts) {
      const std::string& text = panel.*list.Field;
      if (!IsListEntry(list.List, text)) {
        const std::string name = WesternControlName(side, list.Control);
        return Failure("\"" + text + "\" is not an entry of the list " + name,
                       WesternMessageIcon::Error, side, list.Control);
      }
    }
    if (panel.TimeZoneId.empty() && !LookupTimeZone(panel.TimeZoneRow)) {
      const std::string name = WesternControlName(side, WesternControl::TimeZone);
      return Failure("Row " + std::to_string(panel.TimeZoneRow) + " is not an entry of the list " +
                         name + " (rows 0 to " + std::to_string(kTimeZoneCount - 1) + ")",
                     WesternMessageIcon::Error, side, WesternControl::TimeZone);
    }
  }
  return std::nullopt;
}

std::optional<WesternKeyFilter> WesternKeyFilterOf(WesternControl control) {
  switch (control) {
    case WesternControl::Name:
    case WesternControl::City:
    case WesternControl::State:
    case WesternControl::Country:
      return WesternKeyFilter::Letters;
    case WesternControl::LatDeg:
    case WesternControl::LatMin:
    case WesternControl::LongDeg:
    case WesternControl::LongMin:
      return WesternKeyFilter::Digits;
    default:
      return std::nullopt;
  }
}

std::optional<WesternFormMessage> FilterWesternKey(WesternKeyFilter filter, int key_code) {
  if (filter == WesternKeyFilter::Letters) {
    if (PassesLetterFilter(key_code)) {
      return std::nullopt;
    }
    return WesternFormMessage{"Please enter only letters", MessageIcon::Error, {}};
  }
  if (PassesDigitFilter(key_code)) {
    return std::nullopt;
  }
  return WesternFormMessage{"Please enter only numbers", MessageIcon::Error, {}};
}

WesternPlaceLookup LookupWesternPlace(const WesternFormSide& panel, WesternSide side) {
  return LookupPlace(panel.City, panel.State, panel.Country, side == WesternSide::Male ? 'M' : 'F');
}

std::optional<WesternFormMessage> ValidateWesternInput(const WesternForm& form) {
  if (auto failure = CheckPanelEntries(form.Male, WesternSide::Male)) {
    return failure;
  }
  if (auto failure = CheckPanelEntries(form.Female, WesternSide::Female)) {
    return failure;
  }
  if (auto failure = CheckDate(form.Male, WesternSide::Male)) {
    return failure;
  }
  if (auto failure = CheckDate(form.Female, WesternSide::Female)) {
    return failure;
  }
  if (auto failure = CheckCoordinates(form.Male, WesternSide::Male)) {
    return failure;
  }
  return CheckCoordinates(form.Female, WesternSide::Female);
}

FormResult<std::optional<PersonClock>> ReadPanelClock(const WesternFormSide& side,
                                                      WesternSide which) {
  if (side.TimeZoneId.empty()) {
    return std::optional<PersonClock>{};
  }
  const LocalDateTime when{ParseInteger(side.Year).value_or(0),
                           MonthPosition(side.Month).value_or(0) + 1,
                           ParseInteger(side.Day).value_or(1), ParseInteger(side.Hour).value_or(0),
                           ParseInteger(side.Minute).value_or(0)};
  auto clock = ReadPersonClock(side.TimeZoneId, when, side.ClockReading,
                               WesternControlName(which, WesternControl::Hour));
  if (auto* failure = std::get_if<FormFailure>(&clock)) {
    return *failure;
  }
  return std::optional<PersonClock>(std::get<PersonClock>(std::move(clock)));
}

WesternBirthData ReadWesternBirthData(const WesternFormSide& side) {
  const auto month = MonthPosition(side.Month);
  // A panel whose zone comes from the atlas may show a zone entry beyond the table; its
  // row is not read then.
  const auto zone = LookupTimeZone(side.TimeZoneId.empty() ? side.TimeZoneRow : 0);
  if (!month || !zone) {
    throw std::invalid_argument("the month or time zone is not an entry of its list");
  }
  WesternBirthData data;
  data.BirthMonth = *month + 1;
  data.BirthDay = ConvertedNumber(side.Day);
  data.BirthYear = ConvertedNumber(side.Year);
  data.BirthHour = ConvertedNumber(side.Hour);
  data.BirthMinute = ConvertedNumber(side.Minute);
  data.ZoneAddHours = zone->Hours;
  data.ZoneAddMinutes = WesternTimeZoneMinutes(side.TimeZoneId.empty() ? side.TimeZoneRow : 0);
  data.ZoneHour = std::abs(data.ZoneAddHours);
  data.ZoneMinute = std::abs(data.ZoneAddMinutes);
  data.LatDeg = ConvertedNumber(side.LatDeg);
  data.LatMin = ConvertedNumber(side.LatMin);
  data.LongDeg = ConvertedNumber(side.LongDeg);
  data.LongMin = ConvertedNumber(side.LongMin);
  data.IsSouth = side.LatSouth;
  data.IsEast = side.LongEast;
  data.IsDST = side.DST;
  return data;
}

}  // namespace lumora
