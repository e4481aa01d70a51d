#pragma once

#include <optional>
#include <string>

#include "core/entry/form_failure.h"
#include "core/entry/person_side.h"
#include "core/ephemeris/birth_moment.h"

namespace lumora {

// The entries of one side of the birth-details form, as texts and choices exactly
// as the window holds them. Lists hold the text of their selected entry.
struct BirthFormSide {
  std::string Name;
  std::string Day = "1";
  std::string Month = "January";
  std::string Year = "1901";
  std::string Hour = "0";  // "0" .. "24"
  std::string Minute = "0";
  std::string Second = "0";
  std::string City;
  std::string State;
  std::string Country;
  std::string LatDeg;
  std::string LatMin;
  bool North = true;
  bool South = false;
  std::string LongDeg;
  std::string LongMin;
  bool East = true;
  bool West = false;
  std::string ZoneHour;
  std::string ZoneMinute;
  bool DST = false;
};

struct BirthForm {
  BirthFormSide Boy;   // the male fields, control prefix M
  BirthFormSide Girl;  // the female fields, control prefix F
};

// Checks the form in its fixed order and returns the first fault, or nothing.
// Returns nothing at once when the Moon values come from a profile file.
std::optional<FormFailure> ValidateBirthDetails(const BirthForm& form, bool loaded_from_file);

}  // namespace lumora
