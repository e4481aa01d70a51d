// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>

namespace lumora {

// The two people of a match. The Vedic windows call them boy and girl, the Western
// windows male and female; control names mark them M and F in both.
enum class PersonSide { Male, Female };

inline constexpr std::array<PersonSide, 2> kPersonSides = {PersonSide::Male, PersonSide::Female};

// The two forms that take birth data: the Vedic birth-details form and the Western
// input form. Their rules differ in wording and in a few controls.
enum class FormKind { Vedic, Western };

// 'M' or 'F', the letter of the side in control names.
char SideLetter(PersonSide side);

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

// The window's object name of a control: "txtMName", "cboFMonth", "optMNorth",
// "optFLong" ... The control-name prefix ("txt", "cbo", "opt", "cmb", "chk") says what
// kind of control it is.
std::string ControlName(PersonSide side, FormControl control);

}  // namespace lumora
