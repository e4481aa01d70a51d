// SPDX-License-Identifier: MIT
#include "core/entry/person_entries.h"

#include <utility>

#include "core/entry/date_lists.h"
#include "core/text.h"

namespace lumora {

LocalDateTime LocalBirthTime(const PersonEntries& entries) {
  return {ParseInteger(entries.Year).value_or(0), MonthNumber(entries.Month).value_or(1),
          ParseInteger(entries.Day).value_or(1), ParseInteger(entries.Hour).value_or(0),
          ParseInteger(entries.Minute).value_or(0)};
}

FormResult<std::optional<PersonClock>> ReadEntriesClock(const PersonEntries& entries,
                                                        PersonSide side) {
  if (entries.TimeZoneId.empty()) {
    return std::optional<PersonClock>{};
  }
  auto clock = ReadPersonClock(entries.TimeZoneId, LocalBirthTime(entries), entries.ClockReading,
                               PanelControl{side, FormControl::Hour});
  if (auto* failure = std::get_if<FormFailure>(&clock)) {
    return *failure;
  }
  return std::optional<PersonClock>(std::get<PersonClock>(std::move(clock)));
}

}  // namespace lumora
