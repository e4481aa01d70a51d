// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/form_result.h"

namespace lumora {

// A reading of a local wall clock (no zone): the birth date and time as written down.
struct LocalDateTime {
  int Year = 2000;
  int Month = 1;  // 1..12
  int Day = 1;
  int Hour = 0;  // 24 reads as midnight at the end of the day
  int Minute = 0;
};

// What the clocks of a zone said about universal time at one instant.
struct ClockReading {
  int UtcOffsetSeconds = 0;  // signed, east of Greenwich positive
  std::string Abbreviation;  // "IST", "BDST", "EDT"; "LMT" for local mean time
  bool IsDaylight = false;   // daylight (or war) time in force
  bool IsLocalMeanTime = false;
  // Why the offset of this era deserves a check against the birth record, where it does.
  std::optional<std::string> Caution;
};

// A change of the clocks next to a local time: the wall clock jumped from From to To,
// changing the offset from the first reading's to the second's.
struct ClockChange {
  LocalDateTime From;
  LocalDateTime To;
  ClockReading Before;
  ClockReading After;
};

// The clock of a zone at one local time: one reading normally; two where the clocks were
// put back and the hour occurred twice (the earlier instant first); none where they were
// put forward over it. Change names the change in the last two cases.
struct ZoneClock {
  std::string TimeZone;
  std::vector<ClockReading> Readings;
  std::optional<ClockChange> Change;
};

// The years a clock is read for. The calendar underneath counts years in 16 bits, so a
// year outside these would wrap round to another (67536 would read as 2000).
inline constexpr int kFirstClockYear = 1;
inline constexpr int kLastClockYear = 9999;

// Whether the name is one the time-zone database lists as a zone or a link to one
// (the "Z" and "L" lines of its tzdata.zi, or else its zone1970.tab and zone.tab).
// Files of the database's folder that are not zones ("localtime", the host's own
// zone; "posixrules"; the "right/" and "posix/" copies) are not names.
bool IsZoneDatabaseName(std::string_view name);

// The readings from the IANA time-zone database; refused for a name it does not list
// and for a year outside kFirstClockYear to kLastClockYear.
FormResult<ZoneClock> ReadZoneClock(std::string_view time_zone, const LocalDateTime& when);

// Which reading of a repeated hour a person's birth time means.
enum class ClockChoice { Earlier, Later };

// "earlier" / "later"; nothing for any other text.
std::optional<ClockChoice> ParseClockChoice(std::string_view text);

// A person's clock as a form uses it: the zone and the one reading of the birth time.
struct PersonClock {
  std::string TimeZone;
  ClockReading Reading;
};

// The one reading of a person's birth time. A time that never existed, a repeated hour
// without a choice and an unknown zone are refused with a message that says so, focused
// on hour_control (the form's hour list).
FormResult<PersonClock> ReadPersonClock(std::string_view time_zone, const LocalDateTime& when,
                                        std::optional<ClockChoice> choice,
                                        std::optional<PanelControl> hour_control);

// The zone fields of a birth form that express a reading: the magnitude of the standard
// offset (the offset less the daylight hour) in hours and minutes, rounded to the minute,
// its direction, and the daylight box.
struct ZoneFormValues {
  int ZoneHour = 0;
  int ZoneMinute = 0;
  bool ZoneIsEast = true;
  bool IsDST = false;
};

ZoneFormValues FormValuesOf(const ClockReading& reading);

// "+05:30", "-04:00", "+05:53:28" (seconds only where the offset has them).
std::string FormatUtcOffset(int seconds);

// The period a reading names, where the database names one: "BDST (British Double Summer
// Time)", "LMT (local mean time)", a bare abbreviation the table does not describe; empty
// for the database's numeric abbreviations.
std::string ClockPeriod(const PersonClock& clock);

// The line a form shows under its zone fields: "Europe/London, +02:00, BDST (British
// Double Summer Time), daylight time in force", followed by the caution where the era has
// one.
std::string DescribeClock(const PersonClock& clock);

}  // namespace lumora
