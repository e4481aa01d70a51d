// SPDX-License-Identifier: MIT
#include "core/places/clock.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>

#include <date/tz.h>

#include "core/places/footer_rule.h"
#include "core/places/zone_abbreviations.h"

namespace lumora {

namespace {

using std::chrono::days;
using std::chrono::hours;
using std::chrono::minutes;
using std::chrono::seconds;

constexpr int kSecondsPerHour = 3600;
constexpr int kSecondsPerMinute = 60;

// Eras whose offsets the time-zone database itself calls uncertain. Source: the India
// section of the tz database's "asia" file (comments on Indian time by Paul Eggert and the
// contributors cited there): before 1906 Indian towns kept local, Madras (railway),
// Bombay or Calcutta time, and the database's single offset stands for none of them
// reliably; the war-time advance of 1941-1945 has poorly documented dates. Dates are local,
// From inclusive, Until exclusive.
struct UncertainEra {
  std::string_view TimeZone;
  int FromYear;
  int FromMonth;
  int FromDay;
  int UntilYear;
  int UntilMonth;
  int UntilDay;
  std::string_view Caution;
};

constexpr std::string_view kIndiaBefore1906 =
    "before 1906 Indian towns kept local, Madras, Bombay or Calcutta time: check the record";
constexpr std::string_view kIndiaWarTime =
    "India's war time 1941-1945: the dates of its changes are uncertain";

constexpr std::array<UncertainEra, 4> kUncertainEras{{
    {"Asia/Kolkata", 1, 1, 1, 1906, 1, 1, kIndiaBefore1906},
    {"Asia/Kolkata", 1941, 10, 1, 1945, 10, 15, kIndiaWarTime},
    // The database's former name of the same zone.
    {"Asia/Calcutta", 1, 1, 1, 1906, 1, 1, kIndiaBefore1906},
    {"Asia/Calcutta", 1941, 10, 1, 1945, 10, 15, kIndiaWarTime},
}};

constexpr std::string_view kLocalMeanTimeCaution =
    "local mean time: the town's own sun time, check the record";

constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

date::local_seconds ToLocal(const LocalDateTime& when) {
  // Counted from the first of the month so that hour 24 (and any day past the month's
  // end) carries into the next day rather than naming no date at all.
  const date::year_month month =
      date::year{when.Year} / date::January + date::months{when.Month - 1};
  const date::local_days start{month / 1};
  return start + days{when.Day - 1} + hours{when.Hour} + minutes{when.Minute};
}

LocalDateTime FromLocal(date::local_seconds t) {
  const auto day = date::floor<days>(t);
  const date::year_month_day ymd{day};
  const date::hh_mm_ss clock{t - day};
  return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
          static_cast<int>(static_cast<unsigned>(ymd.day())),
          static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count())};
}

std::optional<std::string> CautionOf(std::string_view zone, date::local_seconds when,
                                     const std::string& abbreviation) {
  for (const UncertainEra& era : kUncertainEras) {
    if (era.TimeZone != zone) {
      continue;
    }
    const date::local_days from{date::year{era.FromYear} / era.FromMonth / era.FromDay};
    const date::local_days until{date::year{era.UntilYear} / era.UntilMonth / era.UntilDay};
    if (when >= from && when < until) {
      return std::string(era.Caution);
    }
  }
  if (abbreviation == "LMT") {
    return std::string(kLocalMeanTimeCaution);
  }
  return std::nullopt;
}

ClockReading ReadingOf(std::string_view zone, const date::sys_info& info,
                       date::local_seconds when) {
  ClockReading reading;
  reading.UtcOffsetSeconds = static_cast<int>(info.offset.count());
  reading.Abbreviation = info.abbrev;
  // The system database only says whether an offset is daylight time, not by how much.
  reading.IsDaylight = info.save != minutes{0};
  reading.IsLocalMeanTime = info.abbrev == "LMT";
  reading.Caution = CautionOf(zone, when, info.abbrev);
  return reading;
}

std::string TwoDigits(int n) {
  std::string text = std::to_string(n);
  if (text.size() < 2) {
    text.insert(text.begin(), '0');
  }
  return text;
}

std::string ClockText(const LocalDateTime& t) {
  return TwoDigits(t.Hour) + ":" + TwoDigits(t.Minute);
}

std::string DateText(const LocalDateTime& t) {
  return std::to_string(t.Day) + " " + std::string(kMonthNames[(t.Month - 1) % 12]) + " " +
         std::to_string(t.Year);
}

std::string ChangeText(const ClockChange& change, std::string_view direction) {
  return "the clocks were put " + std::string(direction) + " from " + ClockText(change.From) +
         " to " + ClockText(change.To) + " (" + change.Before.Abbreviation + " " +
         FormatUtcOffset(change.Before.UtcOffsetSeconds) + " to " + change.After.Abbreviation +
         " " + FormatUtcOffset(change.After.UtcOffsetSeconds) + ")";
}

// The folder of the system's zone database, where the date library reads it too.
std::string ZoneFolder() {
  const char* folder = std::getenv("TZDIR");
  return folder != nullptr && *folder != '\0' ? folder : "/usr/share/zoneinfo";
}

// The names the zone database lists, sorted: the zones ("Z") and links ("L") of its
// tzdata.zi; where a system ships no tzdata.zi, the zones of zone1970.tab and zone.tab
// (their third column) and UTC. Read once.
const std::vector<std::string>& ZoneDatabaseNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> found;
    const std::string folder = ZoneFolder();
    if (std::ifstream zi(folder + "/tzdata.zi"); zi) {
      std::string line;
      while (std::getline(zi, line)) {
        std::istringstream words(line);
        std::string kind, first, second;
        words >> kind >> first >> second;
        if (kind == "Z" && !first.empty()) {
          found.push_back(first);
        } else if (kind == "L" && !second.empty()) {
          found.push_back(second);  // L TARGET LINK-NAME
        }
      }
    }
    if (found.empty()) {
      for (const char* table : {"/zone1970.tab", "/zone.tab"}) {
        std::ifstream tab(folder + table);
        std::string line;
        while (std::getline(tab, line)) {
          if (line.empty() || line.front() == '#') {
            continue;
          }
          std::istringstream columns(line);
          std::string codes, coordinates, zone;
          std::getline(columns, codes, '\t');
          std::getline(columns, coordinates, '\t');
          std::getline(columns, zone, '\t');
          if (!zone.empty()) {
            found.push_back(zone);
          }
        }
      }
      if (!found.empty()) {
        found.emplace_back("UTC");
      }
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
  }();
  return names;
}

// The zone of a listed name, or nothing. The last zones found are remembered on each
// thread: a file of candidates names the same few zones again and again, and the
// database's zones live as long as the program.
const date::time_zone* LocateListedZone(std::string_view name);

}  // namespace

bool IsZoneDatabaseName(std::string_view name) {
  const std::vector<std::string>& names = ZoneDatabaseNames();
  return std::binary_search(names.begin(), names.end(), name, std::less<>());
}

namespace {

const date::time_zone* LocateListedZone(std::string_view name) {
  constexpr std::size_t kRemembered = 16;
  thread_local std::vector<std::pair<std::string, const date::time_zone*>> recent;
  for (const auto& [known, zone] : recent) {
    if (known == name) {
      return zone;
    }
  }
  if (!IsZoneDatabaseName(name)) {
    return nullptr;
  }
  const date::time_zone* zone = nullptr;
  try {
    zone = date::locate_zone(name);
  } catch (const std::runtime_error&) {
    return nullptr;
  }
  if (recent.size() == kRemembered) {
    recent.erase(recent.begin());
  }
  recent.emplace_back(std::string(name), zone);
  return zone;
}

std::optional<FormFocus> FocusOf(std::optional<PanelControl> control) {
  if (control) {
    return FormFocus{*control};
  }
  return std::nullopt;
}

}  // namespace

FormResult<ZoneClock> ReadZoneClock(std::string_view time_zone, const LocalDateTime& when) {
  const date::time_zone* zone = LocateListedZone(time_zone);
  if (zone == nullptr) {
    return FormFailure{
        "\"" + std::string(time_zone) + "\" is not a time zone of the IANA time-zone database.",
        MessageIcon::Error, std::nullopt, false};
  }
  if (when.Year < kFirstClockYear || when.Year > kLastClockYear) {
    return FormFailure{"The year " + std::to_string(when.Year) + " lies outside the years " +
                           std::to_string(kFirstClockYear) + " to " +
                           std::to_string(kLastClockYear) + ".",
                       MessageIcon::Error, std::nullopt, false};
  }
  // Within a month the day and time may carry into the next (hour 24), never further.
  if (when.Month < 1 || when.Month > 12 || when.Day < 1 || when.Day > 31 || when.Hour < 0 ||
      when.Hour > 24 || when.Minute < 0 || when.Minute > 59) {
    return FormFailure{"The month, day, hour or minute is out of range.", MessageIcon::Error,
                       std::nullopt, false};
  }
  const date::local_seconds local = ToLocal(when);
  // After the zone file's last listed change the footer rule decides (footer_rule.h).
  const date::local_info info = ZoneLocalInfo(*zone, zone->name(), local);

  ZoneClock clock;
  clock.TimeZone = std::string(time_zone);
  if (info.result == date::local_info::unique) {
    clock.Readings.push_back(ReadingOf(time_zone, info.first, local));
    return clock;
  }
  // Both other cases sit next to the change at info.second.begin.
  const date::sys_seconds change = info.second.begin;
  ClockChange c;
  c.From = FromLocal(date::local_seconds{change.time_since_epoch()} + info.first.offset);
  c.To = FromLocal(date::local_seconds{change.time_since_epoch()} + info.second.offset);
  c.Before = ReadingOf(time_zone, info.first, local);
  c.After = ReadingOf(time_zone, info.second, local);
  if (info.result == date::local_info::ambiguous) {
    clock.Readings = {c.Before, c.After};
  }
  clock.Change = std::move(c);
  return clock;
}

std::optional<ClockChoice> ParseClockChoice(std::string_view text) {
  if (text == "earlier") {
    return ClockChoice::Earlier;
  }
  if (text == "later") {
    return ClockChoice::Later;
  }
  return std::nullopt;
}

FormResult<PersonClock> ReadPersonClock(std::string_view time_zone, const LocalDateTime& when,
                                        std::optional<ClockChoice> choice,
                                        std::optional<PanelControl> hour_control) {
  auto clock = ReadZoneClock(time_zone, when);
  if (auto* failure = std::get_if<FormFailure>(&clock)) {
    failure->Control = FocusOf(hour_control);
    return *failure;
  }
  const ZoneClock& c = std::get<ZoneClock>(clock);
  const LocalDateTime shown = FromLocal(ToLocal(when));
  const std::string moment = ClockText(shown) + " on " + DateText(shown) + " in " + c.TimeZone;
  if (c.Readings.empty()) {
    return FormFailure{moment + " never existed: " + ChangeText(*c.Change, "forward") +
                           ". Please check the time of birth.",
                       MessageIcon::Error, FocusOf(hour_control), false};
  }
  if (c.Readings.size() == 2 && !choice) {
    return FormFailure{moment + " occurred twice: " + ChangeText(*c.Change, "back") +
                           ". Please choose the earlier reading (" + c.Readings[0].Abbreviation +
                           ") or the later one (" + c.Readings[1].Abbreviation + ").",
                       MessageIcon::Information, FocusOf(hour_control), false};
  }
  const bool later = c.Readings.size() == 2 && choice == ClockChoice::Later;
  return PersonClock{c.TimeZone, c.Readings[later ? 1 : 0]};
}

ZoneFormValues FormValuesOf(const ClockReading& reading) {
  const int standard = reading.UtcOffsetSeconds - (reading.IsDaylight ? kSecondsPerHour : 0);
  const int rounded_minutes = (std::abs(standard) + kSecondsPerMinute / 2) / kSecondsPerMinute;
  ZoneFormValues values;
  values.ZoneHour = rounded_minutes / 60;
  values.ZoneMinute = rounded_minutes % 60;
  values.ZoneIsEast = standard >= 0;
  values.IsDST = reading.IsDaylight;
  return values;
}

std::string FormatUtcOffset(int seconds) {
  const int magnitude = std::abs(seconds);
  std::string text(1, seconds < 0 ? '-' : '+');
  text.append(TwoDigits(magnitude / kSecondsPerHour));
  text.push_back(':');
  text.append(TwoDigits(magnitude % kSecondsPerHour / kSecondsPerMinute));
  if (magnitude % kSecondsPerMinute != 0) {
    text.push_back(':');
    text.append(TwoDigits(magnitude % kSecondsPerMinute));
  }
  return text;
}

std::string ClockPeriod(const PersonClock& clock) {
  const std::string& abbreviation = clock.Reading.Abbreviation;
  // The database's numeric abbreviations ("+0630") only repeat the offset.
  if (abbreviation.empty() || abbreviation.front() == '+' || abbreviation.front() == '-') {
    return "";
  }
  if (const auto description = DescribeZoneAbbreviation(clock.TimeZone, abbreviation)) {
    return abbreviation + " (" + std::string(*description) + ")";
  }
  return abbreviation;
}

std::string DescribeClock(const PersonClock& clock) {
  const ClockReading& r = clock.Reading;
  std::string line = clock.TimeZone + ", " + FormatUtcOffset(r.UtcOffsetSeconds) + ", ";
  if (const std::string period = ClockPeriod(clock); !period.empty()) {
    line += period + ", ";
  }
  line += r.IsDaylight ? "daylight time in force" : "standard time";
  if (r.Caution) {
    line += "; " + *r.Caution;
  }
  return line;
}

}  // namespace lumora
