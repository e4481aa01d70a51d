// SPDX-License-Identifier: MIT
#include "core/ephemeris/birth_moment.h"

namespace lumora {

namespace {
// Dershowitz and Reingold, Calendrical Calculations, ch. 2: the Gregorian calendar
// took over after Thursday 4 October 1582 (Julian), the next day being Friday
// 15 October 1582 (Gregorian).
constexpr int kReformYear = 1582;
constexpr int kReformMonth = 10;
constexpr int kFirstDayLeftOut = 5;
constexpr int kLastDayLeftOut = 14;
}  // namespace

std::string MomentFieldMessage(const MomentField& field) {
  return std::string(field.Name) + " must be a whole number from " + std::to_string(field.Minimum) +
         " to " + std::to_string(field.Maximum);
}

int DaysInMonth(int year, int month) {
  static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month != 2) {
    return kDays[static_cast<std::size_t>(month - 1)];
  }
  const bool leap =
      year <= kReformYear ? year % 4 == 0 : (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return leap ? 29 : 28;
}

std::optional<FormFailure> ValidateBirthMoment(const BirthMoment& moment) {
  for (const MomentField& field : kMomentFields) {
    const int value = moment.*field.Member;
    if (value < field.Minimum || value > field.Maximum) {
      return FormFailure{MomentFieldMessage(field), MessageIcon::Error, "", false};
    }
  }
  const int days = DaysInMonth(moment.BirthYear, moment.BirthMonth);
  if (moment.BirthDay > days) {
    return FormFailure{"BirthDay must be from 1 to " + std::to_string(days) + " in month " +
                           std::to_string(moment.BirthMonth) + " of " +
                           std::to_string(moment.BirthYear),
                       MessageIcon::Error, "", false};
  }
  if (moment.BirthYear == kReformYear && moment.BirthMonth == kReformMonth &&
      moment.BirthDay >= kFirstDayLeftOut && moment.BirthDay <= kLastDayLeftOut) {
    return FormFailure{"BirthDay: 5 to 14 October 1582 were left out at the calendar reform",
                       MessageIcon::Error, "", false};
  }
  return std::nullopt;
}

}  // namespace lumora
