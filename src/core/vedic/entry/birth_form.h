#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ephemeris/birth_moment.h"
#include "core/form_failure.h"
#include "core/place_lookup.h"

namespace lumora {

// The entries of one side of the birth-details form, as texts and choices exactly
// as the window holds them. Lists hold the text of their selected entry.
struct BirthFormSide {
  std::string Name;
  std::string Day = "1";
  std::string Month = "January";
  std::string Year = "1901";
  std::string Hour = "0";
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

enum class BirthList { Day, Month, Year, Hour, Minute, Second };

// The entries of each list, in order: days "1".."31", month names, years
// "1901".."2050", hours "0".."24" (25 entries), minutes and seconds "0".."59".
const std::vector<std::string>& BirthListEntries(BirthList list);

// The 0-based position of a text in a list; nothing when it is not an entry.
std::optional<int> BirthListPosition(BirthList list, std::string_view text);

enum class FieldKind { Digits, Name, Free };

// The key filter of the text fields: nothing when the typed character passes,
// otherwise the message shown (with the error icon) as the key is discarded.
std::optional<std::string> VedicKeyFilter(int key_code, FieldKind kind);

// The coordinate look-up of one side of the form.
PlaceLookup LookupPlace(const BirthFormSide& side, char prefix);

// Checks the form in its fixed order and returns the first fault, or nothing.
// Returns nothing at once when the Moon values come from a profile file.
std::optional<FormFailure> ValidateBirthDetails(const BirthForm& form, bool loaded_from_file);

}  // namespace lumora
