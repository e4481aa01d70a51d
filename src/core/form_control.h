// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <variant>

namespace lumora {

// The two people of a match. The Vedic windows call them boy and girl, the Western
// windows male and female; control names mark them M and F in both.
enum class PersonSide { Male, Female };

inline constexpr std::array<PersonSide, 2> kPersonSides = {PersonSide::Male, PersonSide::Female};

// The controls of one person's panel, in both forms. Where the two forms name a
// control differently, it is two enumerators: the birth-details form has a pair of
// options per direction and hour and minute boxes for the zone, the Western form one
// option pair control per direction and a zone list.
enum class FormControl {
  Name,
  Day,
  Month,
  Year,
  Hour,
  Minute,
  Second,
  City,
  State,
  Country,
  LatDeg,
  LatMin,
  LatDirection,  // Western option pair optMLong: index 0 North, 1 South
  LongDeg,
  LongMin,
  LongDirection,  // Western option pair optMLat: index 0 East, 1 West
  TimeZone,       // Western zone list cmbMTimeZone
  DST,
  North,  // the birth-details form's direction options
  South,
  East,
  West,
  ZoneHour,  // the birth-details form's zone boxes
  ZoneMinute,
  ZoneAhead,  // the zone's direction pair, in both forms
  ZoneBehind,
};

// A control of one person's panel: the typed form of "cboMHH". Its name is made where a
// window or the CLI shows it (ControlName in core/entry/person_side.h).
struct PanelControl {
  PersonSide Side = PersonSide::Male;
  FormControl Control = FormControl::Name;
  bool operator==(const PanelControl&) const = default;
};

// The fields of a person record (a line of the rank input, a person object of the CLI),
// in the order of their column names (kBirthEntryColumns).
enum class RecordField {
  Name,
  BirthDate,
  BirthTime,
  Place,
  Latitude,
  Longitude,
  TimeZone,
  ClockReading,
  IsDST,
};

// What a refusal focuses: a control of a form, or a field of a person record.
using FormFocus = std::variant<PanelControl, RecordField>;

}  // namespace lumora
