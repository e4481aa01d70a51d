// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "core/entry/birth_location.h"
#include "core/entry/person_entries.h"
#include "core/entry/person_side.h"
#include "core/ephemeris/birth_moment.h"
#include "core/ephemeris/moon_model.h"
#include "core/form_failure.h"
#include "core/form_result.h"
#include "core/places/clock.h"
#include "core/vedic/chart/sidereal_chart.h"

namespace lumora {

// One side of the birth-details form: the shared entries and the zone boxes, which the
// time-zone picker fills with the hours and minutes to add to local time.
struct BirthFormSide : PersonEntries {
  std::string ZoneHour;
  std::string ZoneMinute;
};

using BirthForm = FormSides<BirthFormSide>;

// One person's entries, kept for display.
struct PersonDetails {
  std::string Name;
  std::string Day;
  std::string Month;
  std::string Year;
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
  std::string Place;                     // "City, State, Country"
  MoonModel Moon = MoonModel::Standard;  // the Moon the match was computed with
  // The coordinates and clock the match read (absent for a match from a profile file).
  std::optional<BirthLocation> Location = std::nullopt;
  // The ayanamsa and node the match was computed with; absent until a match reads the
  // birth (and for a profile file, which holds no birth).
  std::optional<ChartZodiac> Zodiac = std::nullopt;
};

// What one side of the form yields: the details to display, the ephemeris input, and the
// clock of a side that names its zone (its exact offset is then in the moment).
struct BirthDetails {
  PersonDetails Details;
  BirthMoment Moment;
  std::optional<PersonClock> Clock;
};

// One side's entries read; the exact offset is set from clock when given.
BirthDetails ReadBirthDetails(const BirthFormSide& side,
                              const std::optional<PersonClock>& clock = std::nullopt);

// Checks the form in its fixed order, then reads both sides' clocks, boy first: the first
// fault, or both sides read.
FormResult<FormSides<BirthDetails>> ValidateBirthDetails(const BirthForm& form);

}  // namespace lumora
