// SPDX-License-Identifier: MIT
#include "core/vedic/timing/civil_day.h"

#include <chrono>
#include <cmath>
#include <stdexcept>
#include <string>

#include <date/date.h>
#include <date/tz.h>

namespace lumora {

namespace {

// Julian day of 1970-01-01 00:00 UT, the start of day 0.
constexpr double kDayZeroJulianDay = 2440587.5;
constexpr double kSecondsPerDay = 86400.0;

}  // namespace

int DayNumberOf(const CivilDate& date) {
  const date::year_month_day ymd{date::year{date.Year},
                                 date::month{static_cast<unsigned>(date.Month)},
                                 date::day{static_cast<unsigned>(date.Day)}};
  return static_cast<int>(date::sys_days{ymd}.time_since_epoch().count());
}

CivilDate CivilDateOf(int day_number) {
  const date::year_month_day ymd{date::sys_days{date::days{day_number}}};
  return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
          static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

std::optional<int> ParseDayText(std::string_view text) {
  constexpr std::size_t kLength = 10;  // YYYY-MM-DD
  if (text.size() != kLength || text[4] != '-' || text[7] != '-') {
    return std::nullopt;
  }
  const auto number = [text](std::size_t from, std::size_t count) -> std::optional<int> {
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
      if (text[i] < '0' || text[i] > '9') {
        return std::nullopt;
      }
      value = value * 10 + (text[i] - '0');
    }
    return value;
  };
  const std::optional<int> year = number(0, 4);
  const std::optional<int> month = number(5, 2);
  const std::optional<int> day = number(8, 2);
  if (!year || !month || !day) {
    return std::nullopt;
  }
  const date::year_month_day ymd{date::year{*year}, date::month{static_cast<unsigned>(*month)},
                                 date::day{static_cast<unsigned>(*day)}};
  if (!ymd.ok()) {
    return std::nullopt;
  }
  return DayNumberOf({*year, *month, *day});
}

int LocalDayNumber(double jd_ut, int offset_seconds) {
  return static_cast<int>(std::floor(jd_ut - kDayZeroJulianDay + offset_seconds / kSecondsPerDay));
}

int LocalDayNumber(double jd_ut, const UtcOffsetAt& offset) {
  return LocalDayNumber(jd_ut, offset(jd_ut));
}

double LocalDayStart(int day_number, int offset_seconds) {
  return kDayZeroJulianDay + day_number - offset_seconds / kSecondsPerDay;
}

UtcOffsetAt FixedUtcOffset(int offset_seconds) {
  return [offset_seconds](double) { return offset_seconds; };
}

std::optional<UtcOffsetAt> ZoneUtcOffsets(std::string_view time_zone) {
  const date::time_zone* zone = nullptr;
  try {
    zone = date::locate_zone(std::string(time_zone));
  } catch (const std::runtime_error&) {
    return std::nullopt;
  }
  return [zone](double jd_ut) {
    const auto seconds_since_day_zero = std::llround((jd_ut - kDayZeroJulianDay) * kSecondsPerDay);
    const date::sys_seconds instant{std::chrono::seconds{seconds_since_day_zero}};
    return static_cast<int>(zone->get_info(instant).offset.count());
  };
}

}  // namespace lumora
