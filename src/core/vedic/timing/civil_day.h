// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <optional>
#include <string_view>

namespace lumora {

// The signed offset of a person's clock from universal time at an instant (seconds, east
// positive), for a Julian day of UT: the zone's own history where the zone is known.
using UtcOffsetAt = std::function<int(double jd_ut)>;

// A civil date of the proleptic Gregorian calendar.
struct CivilDate {
  int Year = 2000;
  int Month = 1;  // 1..12
  int Day = 1;

  friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

// Days are counted from 1970-01-01 (day 0), so that days apart are a subtraction.
int DayNumberOf(const CivilDate& date);
CivilDate CivilDateOf(int day_number);

// "2024-02-14" (four-digit year, two-digit month and day, a date the calendar has); nothing
// for any other text.
std::optional<int> ParseDayText(std::string_view text);

// The local civil day of an instant on a clock offset_seconds ahead of universal time.
int LocalDayNumber(double jd_ut, int offset_seconds);
int LocalDayNumber(double jd_ut, const UtcOffsetAt& offset);

// The Julian day (UT) at which a local day begins on a clock offset_seconds ahead.
double LocalDayStart(int day_number, int offset_seconds);

UtcOffsetAt FixedUtcOffset(int offset_seconds);

// The offsets of an IANA zone through its history; nothing for a zone the database lacks.
std::optional<UtcOffsetAt> ZoneUtcOffsets(std::string_view time_zone);

}  // namespace lumora
