// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

// One row of the time-zone table: the entry text the list shows and the hours and
// minutes that picking it writes into a form.
struct TimeZoneRow {
  std::string_view Text;
  int Hours;
  int Minutes;
};

inline constexpr int kTimeZoneCount = 71;

extern const std::array<TimeZoneRow, kTimeZoneCount> kTimeZones;

// The entry texts of all rows, in list order, as the pickers show them.
std::vector<std::string> TimeZoneEntryTexts();

// The row at a list position; nothing outside 0..70.
std::optional<TimeZoneRow> LookupTimeZone(int row);

// The list position of an entry text, compared exactly.
std::optional<int> FindTimeZoneRow(std::string_view text);

// The Western form's minutes for a row: -30 for the half-hour zones east of
// Greenwich, otherwise the same as the Vedic table; 0 outside 0..70.
int WesternTimeZoneMinutes(int row);

}  // namespace lumora
