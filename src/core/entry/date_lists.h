// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/entry/person_side.h"
#include "core/form_failure.h"

namespace lumora {

// The drop-down lists of a birth date and time. The birth-details form offers the
// hours 0 to 24 (24 being the midnight that ends the day), the Western form 0 to 23.
enum class DateTimeList { Day, Month, Year, Hour, HourThrough24, Minute, Second };

inline constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// The years both forms offer.
inline constexpr int kFirstYear = 1901;
inline constexpr int kLastYear = 2050;

// The entries of a list, in order, the first preselected: whole numbers in plain
// decimal (no leading zeros) or the month names.
const std::vector<std::string>& DateTimeListEntries(DateTimeList list);

// The 0-based position of a text in a list, compared exactly; nothing when it is not
// an entry.
std::optional<int> DateTimeListPosition(DateTimeList list, std::string_view text);

// The entry that typing selects in a list: the entry equal to what was typed, else the
// first from the top that begins with it, letters compared without case ("1" picks 1 in
// a day list, "1", "2" picks 12, "Ju" June); nothing when no entry begins with it.
std::optional<int> TypedEntryPosition(const std::vector<std::string>& entries,
                                      std::string_view typed);

// The number of a month name, 1 (January) to 12; nothing for any other text.
std::optional<int> MonthNumber(std::string_view name);

// The message for a day that its month does not have, or nothing. Every fourth year
// is a leap year: within the years the lists offer no century rule is needed. The
// two messages differ only in the blank before the "!" (February, then the months
// of 30 days), as the forms have always shown them.
std::optional<FormFailure> CheckDayOfMonth(int day, int month, int year, PersonSide side);

}  // namespace lumora
