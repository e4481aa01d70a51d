// SPDX-License-Identifier: MIT
#include "core/ephemeris/birth_moment.h"

#include "core/calendar.h"
#include "core/glossary/messages.h"

namespace lumora {

namespace {
// Dershowitz and Reingold, Calendrical Calculations, ch. 2: the Gregorian calendar
// took over after Thursday 4 October 1582 (Julian), the next day being Friday
// 15 October 1582 (Gregorian).
constexpr int kReformMonth = 10;
constexpr int kFirstDayLeftOut = 5;
constexpr int kLastDayLeftOut = 14;
}  // namespace

std::string MomentFieldMessage(const MomentField& field) {
  return RecordMessageText(
      RecordMessage::MustBeWholeNumber,
      {field.Name, std::to_string(field.Minimum), std::to_string(field.Maximum)});
}

std::optional<FormFailure> ValidateBirthMoment(const BirthMoment& moment) {
  for (const MomentField& field : kMomentFields) {
    const int value = moment.*field.Member;
    if (value < field.Minimum || value > field.Maximum) {
      return FormFailure{MomentFieldMessage(field), MessageIcon::Error, std::nullopt, false};
    }
  }
  const int days = DaysInMonth(moment.BirthYear, moment.BirthMonth, Calendar::JulianUntilReform);
  if (moment.BirthDay > days) {
    return FormFailure{"BirthDay must be from 1 to " + std::to_string(days) + " in month " +
                           std::to_string(moment.BirthMonth) + " of " +
                           std::to_string(moment.BirthYear),
                       MessageIcon::Error, std::nullopt, false};
  }
  if (moment.BirthYear == kGregorianReformYear && moment.BirthMonth == kReformMonth &&
      moment.BirthDay >= kFirstDayLeftOut && moment.BirthDay <= kLastDayLeftOut) {
    return FormFailure{"BirthDay: 5 to 14 October 1582 were left out at the calendar reform",
                       MessageIcon::Error, std::nullopt, false};
  }
  return std::nullopt;
}

}  // namespace lumora
