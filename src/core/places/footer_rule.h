// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <date/tz.h>

namespace lumora {

// The day of a POSIX TZ rule: "Jn" (1..365, 29 February never counted), "n" (0..365,
// counted) or "Mm.w.d" (day d, 0 = Sunday, of week w, 5 = the last, of month m), and the
// local time of the change in seconds (may be negative or past 24 hours, RFC 8536 3.3.1).
struct PosixDayRule {
  enum class Kind { JulianNoLeap, ZeroBased, MonthWeekDay };
  Kind Form = Kind::MonthWeekDay;
  int Month = 1;
  int Week = 1;
  int Weekday = 0;
  int Day = 0;
  int TimeSeconds = 7200;
};

// The daylight part of a POSIX TZ string.
struct PosixDaylight {
  std::string Abbreviation;
  int UtcOffsetSeconds = 0;  // east positive
  PosixDayRule Start;        // local standard time
  PosixDayRule End;          // local daylight time
};

// A POSIX TZ string as the footer of a TZif file (RFC 8536, section 3.3) holds it:
// "EST5EDT,M3.2.0,M11.1.0", "<+1030>-10:30<+11>-11,M10.1.0,M4.1.0".
struct PosixZoneRule {
  std::string StandardAbbreviation;
  int StandardOffsetSeconds = 0;  // east positive
  std::optional<PosixDaylight> Daylight;
};

std::optional<PosixZoneRule> ParsePosixZoneRule(std::string_view text);

// The footer rule of a zone, read once from its TZif file in the system's zone folder.
std::optional<PosixZoneRule> FooterRuleOf(std::string_view zone_name);

// What the zone's clocks say at a local time, as date::time_zone::get_info gives it, except
// after the last change that the zone file lists: there the footer rule decides, as RFC 8536
// asks (the files list changes only to 2037).
date::local_info ZoneLocalInfo(const date::time_zone& zone, std::string_view zone_name,
                               date::local_seconds local);

// The same for an instant of universal time.
date::sys_info ZoneSysInfo(const date::time_zone& zone, std::string_view zone_name,
                           date::sys_seconds instant);

}  // namespace lumora
