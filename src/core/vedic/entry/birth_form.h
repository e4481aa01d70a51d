// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "core/entry/form_failure.h"
#include "core/entry/form_result.h"
#include "core/entry/person_entries.h"
#include "core/entry/person_side.h"
#include "core/ephemeris/birth_moment.h"
#include "core/places/clock.h"

namespace lumora {

// One side of the birth-details form: the shared entries and the zone boxes, which the
// time-zone picker fills with the hours and minutes to add to local time.
struct BirthFormSide : PersonEntries {
  std::string ZoneHour;
  std::string ZoneMinute;
};

using BirthForm = FormSides<BirthFormSide>;

// Checks the form in its fixed order and returns the first fault, or nothing.
std::optional<FormFailure> ValidateBirthDetails(const BirthForm& form);

}  // namespace lumora
