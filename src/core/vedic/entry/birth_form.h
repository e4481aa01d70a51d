#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ephemeris/birth_moment.h"
#include "core/form_failure.h"
#include "core/place_lookup.h"
#include "core/places/clock.h"

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
  // The birth place's IANA zone, where the atlas gave one: the clock then comes from the
  // zone at the birth date and time, and the zone boxes and the DST box are not used.
  std::string TimeZoneId;
  // Which reading of a repeated hour the birth time means, where the hour occurred twice.
  std::optional<ClockChoice> ClockReading;
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

// The birth date and time of a side as a local clock reading.
LocalDateTime LocalBirthTime(const BirthFormSide& side);

// The clock of a side that names its zone, refused (focus on the side's hour list) for a
// time that never existed there or a repeated hour without a reading; nothing for a side
// without a zone.
FormResult<std::optional<PersonClock>> ReadSideClock(const BirthFormSide& side, char prefix);

// Checks the form in its fixed order and returns the first fault, or nothing.
// Returns nothing at once when the Moon values come from a profile file.
std::optional<FormFailure> ValidateBirthDetails(const BirthForm& form, bool loaded_from_file);

}  // namespace lumora
