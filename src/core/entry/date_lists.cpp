// SPDX-License-Identifier: MIT
#include "core/entry/date_lists.h"

#include "core/calendar.h"

#include <algorithm>

namespace lumora {

namespace {

std::vector<std::string> NumberEntries(int first, int last) {
  std::vector<std::string> entries;
  for (int n = first; n <= last; ++n) {
    entries.push_back(std::to_string(n));
  }
  return entries;
}

constexpr int kFebruary = 2;

}  // namespace

const std::vector<std::string>& DateTimeListEntries(DateTimeList list) {
  static const std::vector<std::string> days = NumberEntries(1, 31);
  static const std::vector<std::string> months(kMonthNames.begin(), kMonthNames.end());
  static const std::vector<std::string> years = NumberEntries(kFirstYear, kLastYear);
  static const std::vector<std::string> hours = NumberEntries(0, 23);
  static const std::vector<std::string> hours_through_24 = NumberEntries(0, 24);
  static const std::vector<std::string> sixty = NumberEntries(0, 59);
  switch (list) {
    case DateTimeList::Day:
      return days;
    case DateTimeList::Month:
      return months;
    case DateTimeList::Year:
      return years;
    case DateTimeList::Hour:
      return hours;
    case DateTimeList::HourThrough24:
      return hours_through_24;
    case DateTimeList::Minute:
    case DateTimeList::Second:
      break;
  }
  return sixty;
}

std::optional<int> DateTimeListPosition(DateTimeList list, std::string_view text) {
  const auto& entries = DateTimeListEntries(list);
  const auto found = std::find(entries.begin(), entries.end(), text);
  if (found == entries.end()) {
    return std::nullopt;
  }
  return static_cast<int>(found - entries.begin());
}

std::optional<int> TypedEntryPosition(const std::vector<std::string>& entries,
                                      std::string_view typed) {
  if (typed.empty()) {
    return std::nullopt;
  }
  const auto lower = [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  };
  const auto begins = [&](std::string_view entry) {
    return entry.size() >= typed.size() &&
           std::equal(typed.begin(), typed.end(), entry.begin(),
                      [&](char a, char b) { return lower(a) == lower(b); });
  };
  std::optional<int> first;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (begins(entries[i])) {
      if (entries[i].size() == typed.size()) {
        return static_cast<int>(i);
      }
      if (!first) {
        first = static_cast<int>(i);
      }
    }
  }
  return first;
}

std::optional<int> MonthNumber(std::string_view name) {
  const auto position = DateTimeListPosition(DateTimeList::Month, name);
  if (!position) {
    return std::nullopt;
  }
  return *position + 1;
}

std::optional<FormFailure> CheckDayOfMonth(int day, int month, int year, PersonSide side) {
  const bool male = side == PersonSide::Male;
  const int days = DaysInMonth(year, month, Calendar::Julian);
  if (month == kFebruary && day > days) {
    return FormFailure{male ? "Please Enter Your Correct Date Or Month!"
                            : "Please Enter Your Partner's Correct Date Or Month!",
                       MessageIcon::Information, std::nullopt, false};
  }
  if (days == 30 && day == 31) {
    return FormFailure{male ? "Please Enter Your Correct Date Or Month !"
                            : "Please Enter Your Partner's Correct Date Or Month !",
                       MessageIcon::Information, std::nullopt, false};
  }
  return std::nullopt;
}

}  // namespace lumora
