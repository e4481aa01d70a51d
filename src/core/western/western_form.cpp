// SPDX-License-Identifier: MIT
#include "core/western/western_form.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "core/entry/date_lists.h"
#include "core/entry/time_zones.h"
#include "core/glossary/messages.h"
#include "core/text.h"

namespace lumora {

namespace {

// A text box that must not be left empty, with the message of each panel.
struct RequiredText {
  std::string WesternFormSide::*Field;
  FormControl Control;
  std::string_view MaleMessage;
  std::string_view FemaleMessage;
};

// The text boxes of a panel in the order they are checked ("Minute" for the male
// longitude minutes, "Minutes" for the female, as the form has always shown them).
constexpr std::array<RequiredText, 8> kRequiredTexts{{
    {&WesternFormSide::Name, FormControl::Name, "Please Enter Male Name",
     "Please Enter Female Name"},
    {&WesternFormSide::LatDeg, FormControl::LatDeg, "Please Enter Degree in Latitude",
     "Please Enter Degree in Latitude"},
    {&WesternFormSide::LatMin, FormControl::LatMin, "Please Enter Minutes in Latitude",
     "Please Enter Minutes in Latitude"},
    {&WesternFormSide::LongDeg, FormControl::LongDeg, "Please Enter Degree in Longitude",
     "Please Enter Degree in Longitude"},
    {&WesternFormSide::LongMin, FormControl::LongMin, "Please Enter Minute in Longitude",
     "Please Enter Minutes in Longitude"},
    {&WesternFormSide::City, FormControl::City, "Please Enter City", "Please Enter City"},
    {&WesternFormSide::State, FormControl::State, "Please Enter State", "Please Enter State"},
    {&WesternFormSide::Country, FormControl::Country, "Please Enter Country",
     "Please Enter Country"},
}};

// A coordinate box with the largest value it may hold.
struct CoordinateBox {
  std::string WesternFormSide::*Field;
  FormControl Control;
  int Maximum;
  std::string_view RangeMessage;
};

constexpr std::array<CoordinateBox, 4> kCoordinateBoxes{{
    {&WesternFormSide::LatDeg, FormControl::LatDeg, 90, "Please Enter A Correct Latitude"},
    {&WesternFormSide::LatMin, FormControl::LatMin, 59, "Please Enter A Correct Latitude"},
    {&WesternFormSide::LongDeg, FormControl::LongDeg, 180, "Please Enter A Correct Longitude"},
    {&WesternFormSide::LongMin, FormControl::LongMin, 59, "Please Enter A Correct Longitude"},
}};

FormFailure Failure(std::string_view message, MessageIcon icon, PersonSide side,
                    std::optional<FormControl> control) {
  std::optional<FormFocus> focus;
  if (control) {
    focus = PanelControl{side, *control};
  }
  return {std::string(message), icon, focus};
}

// The entries of a panel. A text counts as empty only when it is exactly empty:
// blanks pass.
std::optional<FormFailure> CheckPanelEntries(const WesternFormSide& panel, PersonSide side) {
  const bool male = side == PersonSide::Male;
  for (const RequiredText& check : kRequiredTexts) {
    if ((panel.*check.Field).empty()) {
      return Failure(male ? check.MaleMessage : check.FemaleMessage, MessageIcon::Error, side,
                     check.Control);
    }
  }
  if (!panel.North && !panel.South) {
    return Failure("Please Select Direction For The Latitude", MessageIcon::Error, side,
                   FormControl::LatDirection);
  }
  if (!panel.East && !panel.West) {
    return Failure("Please Select Direction For The Longitude", MessageIcon::Error, side,
                   FormControl::LongDirection);
  }
  return std::nullopt;
}

// The four coordinate boxes' values, in the order of kCoordinateBoxes.
using Coordinates = std::array<int, kCoordinateBoxes.size()>;

// The coordinate boxes must hold numbers within range. The key filter keeps other keys
// out, but a pasted text gets past it, and degrees beyond the pole or the date line
// would otherwise be computed without a word. Each box is read here, once.
FormResult<Coordinates> ReadCoordinates(const WesternFormSide& panel, PersonSide side) {
  Coordinates numbers{};
  for (std::size_t i = 0; i < kCoordinateBoxes.size(); ++i) {
    const CoordinateBox& box = kCoordinateBoxes[i];
    const auto value = ParseDigits(panel.*box.Field);
    if (!value) {
      return Failure("Please enter only numbers", MessageIcon::Error, side, box.Control);
    }
    if (*value > box.Maximum) {
      return Failure(box.RangeMessage, MessageIcon::Error, side, box.Control);
    }
    numbers[i] = *value;
  }
  return numbers;
}

// The checks of the form in their fixed order, the coordinates of both panels read.
FormResult<FormSides<Coordinates>> CheckForm(const WesternForm& form) {
  for (const PersonSide side : kPersonSides) {
    if (auto failure = CheckPanelEntries(form[side], side)) {
      return *failure;
    }
  }
  for (const PersonSide side : kPersonSides) {
    const WesternFormSide& panel = form[side];
    // A date the lists cannot hold is left to the list check.
    const auto month = MonthNumber(panel.Month);
    const auto day = ParseDigits(panel.Day);
    const auto year = ParseDigits(panel.Year);
    if (month && day && year) {
      if (auto failure = CheckDayOfMonth(*day, *month, *year, side)) {
        return *failure;
      }
    }
  }
  FormSides<Coordinates> coordinates;
  for (const PersonSide side : kPersonSides) {
    auto read = ReadCoordinates(form[side], side);
    if (auto* failure = std::get_if<FormFailure>(&read)) {
      return *failure;
    }
    coordinates[side] = std::get<Coordinates>(read);
  }
  return coordinates;
}

// The birth data of a panel whose lists and coordinates passed their checks.
WesternBirthData PanelBirthData(const WesternFormSide& panel, const Coordinates& numbers) {
  // A panel whose zone comes from the atlas may show a zone entry beyond the table; its
  // row is not read then.
  const int row = panel.TimeZoneId.empty() ? panel.TimeZoneRow : 0;
  const TimeZoneRow& zone = kTimeZones[static_cast<std::size_t>(row)];
  WesternBirthData data;
  data.BirthMonth = *MonthNumber(panel.Month);
  data.BirthDay = *ParseDigits(panel.Day);
  data.BirthYear = *ParseDigits(panel.Year);
  data.BirthHour = *ParseDigits(panel.Hour);
  data.BirthMinute = *ParseDigits(panel.Minute);
  data.ZoneAddHours = zone.Hours;
  data.ZoneAddMinutes = WesternTimeZoneMinutes(row);
  // The zone's own direction, where given, signs the row's amount: the list sets it as a
  // row is chosen, and the Moon and the angles read it too.
  data.ZoneAhead = ZoneDirection(panel);
  if (data.ZoneAhead && (data.ZoneAddHours < 0 || data.ZoneAddMinutes < 0) != *data.ZoneAhead) {
    data.ZoneAddHours = -data.ZoneAddHours;
    data.ZoneAddMinutes = -data.ZoneAddMinutes;
  }
  data.ZoneHour = std::abs(data.ZoneAddHours);
  data.ZoneMinute = std::abs(data.ZoneAddMinutes);
  data.LatDeg = numbers[0];
  data.LatMin = numbers[1];
  data.LongDeg = numbers[2];
  data.LongMin = numbers[3];
  data.IsSouth = panel.South;
  data.IsEast = panel.East;
  data.IsDST = panel.DST;
  return data;
}

}  // namespace

std::optional<FormFailure> FindWesternListFault(const WesternFormSide& panel, PersonSide side) {
  if (auto failure = CheckListEntries(panel, FormKind::Western, side)) {
    return failure;
  }
  if (panel.TimeZoneId.empty() && panel.TimeZoneRow == kNoTimeZoneRow) {
    // The list emptied as a place was given up: the zone went with the place.
    return Failure(side == PersonSide::Male ? "Please Select Your Time Zone"
                                            : "Please Select Your Partner's Time Zone",
                   MessageIcon::Information, side, FormControl::TimeZone);
  }
  if (panel.TimeZoneId.empty() && !LookupTimeZone(panel.TimeZoneRow)) {
    const std::string name = ControlName(side, FormControl::TimeZone);
    return Failure(
        RecordMessageText(RecordMessage::RowNotInList, {std::to_string(panel.TimeZoneRow), name,
                                                        std::to_string(kTimeZoneCount - 1)}),
        MessageIcon::Error, side, FormControl::TimeZone);
  }
  return std::nullopt;
}

std::optional<FormFailure> FindWesternListFault(const WesternForm& form) {
  if (auto fault = FindWesternListFault(form.Male, PersonSide::Male)) {
    return fault;
  }
  return FindWesternListFault(form.Female, PersonSide::Female);
}

FormResult<FormSides<WesternReading>> ValidateWesternInput(const WesternForm& form) {
  if (auto fault = FindWesternListFault(form)) {
    return *fault;
  }
  auto checked = CheckForm(form);
  if (auto* failure = std::get_if<FormFailure>(&checked)) {
    return *failure;
  }
  const FormSides<Coordinates>& coordinates = std::get<FormSides<Coordinates>>(checked);
  // Both panels' clocks before either panel is read, male first, as the checks run.
  auto clocks = ReadFormClocks(form);
  if (auto* failure = std::get_if<FormFailure>(&clocks)) {
    return *failure;
  }
  FormSides<WesternReading> read;
  for (const PersonSide side : kPersonSides) {
    read[side].Clock = std::get<FormSides<std::optional<PersonClock>>>(clocks)[side];
  }
  for (const PersonSide side : kPersonSides) {
    WesternReading& reading = read[side];
    reading.Data = PanelBirthData(form[side], coordinates[side]);
    if (reading.Clock) {
      reading.Data.UtcOffsetSeconds = reading.Clock->Reading.UtcOffsetSeconds;
    }
  }
  return read;
}

std::optional<int> FindWesternZoneRow(int standard_offset_seconds) {
  std::optional<int> any_row;
  for (int row = 0; row < kTimeZoneCount; ++row) {
    // A row's hours and minutes are what added to the local clock gives universal time.
    const int add_seconds = kTimeZones[row].Hours * 3600 + WesternTimeZoneMinutes(row) * 60;
    if (add_seconds != -standard_offset_seconds) {
      continue;
    }
    const std::string_view text = kTimeZones[row].Text;
    if (text.find("Standard") != std::string_view::npos ||
        text.find("Greenwich") != std::string_view::npos) {
      return row;
    }
    if (!any_row) {
      any_row = row;
    }
  }
  return any_row;
}

std::string WesternZoneEntryText(const PersonClock& clock) {
  const int standard = clock.Reading.UtcOffsetSeconds - (clock.Reading.IsDaylight ? 3600 : 0);
  return clock.TimeZone + ", " + FormatUtcOffset(standard);
}

FormResult<WesternBirthData> ReadWesternBirthData(const WesternFormSide& panel, PersonSide side) {
  if (auto fault = FindWesternListFault(panel, side)) {
    return *fault;
  }
  auto numbers = ReadCoordinates(panel, side);
  if (auto* failure = std::get_if<FormFailure>(&numbers)) {
    return *failure;
  }
  return PanelBirthData(panel, std::get<Coordinates>(numbers));
}

}  // namespace lumora
