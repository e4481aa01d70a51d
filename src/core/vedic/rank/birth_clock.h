#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

// One valid reading of a local clock time in a zone.
struct ZoneClockReading {
  int UtcOffsetSeconds = 0;  // signed, east positive
  std::string Abbreviation;  // "IST", "BST", "LMT"
  bool IsDaylight = false;
};

// The readings of a local date and time in an IANA zone, from the zone's history in
// the system's time-zone database: one normally, two (earlier instant first) where
// the clocks were put back over that time, none where they were put forward over it.
// Nothing when the zone is not in the database.
std::optional<std::vector<ZoneClockReading>> ReadZoneClock(std::string_view zone, int year,
                                                           int month, int day, int hour,
                                                           int minute);

}  // namespace lumora
