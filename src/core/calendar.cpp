// SPDX-License-Identifier: MIT
#include "core/calendar.h"

#include <array>
#include <cstddef>

namespace lumora {

bool IsLeapYear(int year, Calendar calendar) {
  const bool julian = calendar == Calendar::Julian ||
                      (calendar == Calendar::JulianUntilReform && year <= kGregorianReformYear);
  if (julian) {
    return year % 4 == 0;
  }
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month, Calendar calendar) {
  static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2 && IsLeapYear(year, calendar)) {
    return 29;
  }
  return kDays[static_cast<std::size_t>(month - 1)];
}

}  // namespace lumora
