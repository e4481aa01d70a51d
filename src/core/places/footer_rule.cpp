// SPDX-License-Identifier: MIT
#include "core/places/footer_rule.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <mutex>
#include <vector>

namespace lumora {

namespace {

using std::chrono::minutes;
using std::chrono::seconds;

// The zone files the time-zone library reads (it is built to use the system's database).
constexpr const char* kZoneFolder = "/usr/share/zoneinfo";
// A footer is a few dozen bytes; a zone file a few kilobytes.
constexpr std::size_t kMaxZoneFile = 1 << 20;
// date marks the last interval of a zone as running to the year 32767.
constexpr int kOpenEndYear = 10000;

class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}
  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
  bool Take(char c) {
    if (Peek() != c)
      return false;
    ++pos_;
    return true;
  }
  std::optional<std::string> Abbreviation() {
    std::string out;
    if (Take('<')) {
      while (!AtEnd() && Peek() != '>')
        out.push_back(text_[pos_++]);
      if (!Take('>'))
        return std::nullopt;
    } else {
      while (std::isalpha(static_cast<unsigned char>(Peek())))
        out.push_back(text_[pos_++]);
    }
    if (out.size() < 3)
      return std::nullopt;
    return out;
  }
  std::optional<int> Number() {
    if (!std::isdigit(static_cast<unsigned char>(Peek())))
      return std::nullopt;
    int value = 0;
    while (std::isdigit(static_cast<unsigned char>(Peek())) && value < 100000)
      value = value * 10 + (text_[pos_++] - '0');
    return value;
  }
  // [+-]hh[:mm[:ss]] in seconds.
  std::optional<int> Time() {
    int sign = 1;
    if (Take('-'))
      sign = -1;
    else
      Take('+');
    const auto hours = Number();
    if (!hours)
      return std::nullopt;
    int total = *hours * 3600;
    for (int unit : {60, 1}) {
      if (!Take(':'))
        break;
      const auto part = Number();
      if (!part)
        return std::nullopt;
      total += *part * unit;
    }
    return sign * total;
  }
  std::optional<PosixDayRule> DayRule() {
    PosixDayRule rule;
    if (Take('M')) {
      const auto m = Number();
      if (!m || !Take('.'))
        return std::nullopt;
      const auto w = Number();
      if (!w || !Take('.'))
        return std::nullopt;
      const auto d = Number();
      if (!d || *m < 1 || *m > 12 || *w < 1 || *w > 5 || *d > 6)
        return std::nullopt;
      rule.Form = PosixDayRule::Kind::MonthWeekDay;
      rule.Month = *m;
      rule.Week = *w;
      rule.Weekday = *d;
    } else if (Take('J')) {
      const auto n = Number();
      if (!n || *n < 1 || *n > 365)
        return std::nullopt;
      rule.Form = PosixDayRule::Kind::JulianNoLeap;
      rule.Day = *n;
    } else {
      const auto n = Number();
      if (!n || *n > 365)
        return std::nullopt;
      rule.Form = PosixDayRule::Kind::ZeroBased;
      rule.Day = *n;
    }
    if (Take('/')) {
      const auto t = Time();
      if (!t)
        return std::nullopt;
      rule.TimeSeconds = *t;
    }
    return rule;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

bool IsLeap(int y) {
  return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

// The local midnight (as days since 1970) of the rule's day in year y.
date::local_days DayOf(const PosixDayRule& rule, int y) {
  const date::local_days january_first{date::year{y} / date::January / 1};
  switch (rule.Form) {
    case PosixDayRule::Kind::JulianNoLeap: {
      int day = rule.Day - 1;  // 0-based, 29 February not counted
      if (IsLeap(y) && rule.Day >= 60)
        ++day;
      return january_first + date::days{day};
    }
    case PosixDayRule::Kind::ZeroBased:
      return january_first + date::days{rule.Day};
    case PosixDayRule::Kind::MonthWeekDay:
      break;
  }
  const date::year_month ym = date::year{y} / static_cast<unsigned>(rule.Month);
  const date::weekday wd{static_cast<unsigned>(rule.Weekday)};
  if (rule.Week == 5)
    return date::local_days{ym / date::weekday_last{wd}};
  return date::local_days{ym / wd[static_cast<unsigned>(rule.Week)]};
}

struct Transition {
  date::sys_seconds At;
  bool ToDaylight;
};

// The changes of a rule with daylight time in years y-1 .. y+1, in order.
std::vector<Transition> TransitionsAround(const PosixZoneRule& rule, int y) {
  std::vector<Transition> out;
  const PosixDaylight& dst = *rule.Daylight;
  for (int year = y - 1; year <= y + 1; ++year) {
    const auto start = DayOf(dst.Start, year) + seconds{dst.Start.TimeSeconds};
    const auto end = DayOf(dst.End, year) + seconds{dst.End.TimeSeconds};
    out.push_back(
        {date::sys_seconds{start.time_since_epoch() - seconds{rule.StandardOffsetSeconds}}, true});
    out.push_back(
        {date::sys_seconds{end.time_since_epoch() - seconds{dst.UtcOffsetSeconds}}, false});
  }
  std::sort(out.begin(), out.end(),
            [](const Transition& a, const Transition& b) { return a.At < b.At; });
  return out;
}

date::sys_info InfoOf(const PosixZoneRule& rule, bool daylight, date::sys_seconds begin,
                      date::sys_seconds end) {
  date::sys_info info;
  info.begin = begin;
  info.end = end;
  if (daylight) {
    info.offset = seconds{rule.Daylight->UtcOffsetSeconds};
    info.save = std::chrono::duration_cast<minutes>(
        seconds{rule.Daylight->UtcOffsetSeconds - rule.StandardOffsetSeconds});
    if (info.save == minutes{0})
      info.save = minutes{1};  // daylight time that does not move the clock is still daylight
    info.abbrev = rule.Daylight->Abbreviation;
  } else {
    info.offset = seconds{rule.StandardOffsetSeconds};
    info.save = minutes{0};
    info.abbrev = rule.StandardAbbreviation;
  }
  return info;
}

// The intervals of the footer around a year: each change starts one.
std::vector<date::sys_info> IntervalsAround(const PosixZoneRule& rule, int y) {
  const std::vector<Transition> changes = TransitionsAround(rule, y);
  std::vector<date::sys_info> out;
  for (std::size_t k = 0; k + 1 < changes.size(); ++k) {
    out.push_back(InfoOf(rule, changes[k].ToDaylight, changes[k].At, changes[k + 1].At));
  }
  return out;
}

bool OpenEnded(const date::sys_info& info) {
  return date::year_month_day{date::floor<date::days>(info.end)}.year() >= date::year{kOpenEndYear};
}

std::optional<PosixZoneRule> ReadFooter(std::string_view zone_name) {
  if (zone_name.empty() || zone_name.find("..") != std::string_view::npos)
    return std::nullopt;
  std::ifstream file(std::string(kZoneFolder) + "/" + std::string(zone_name), std::ios::binary);
  if (!file)
    return std::nullopt;
  std::string bytes;
  bytes.resize(kMaxZoneFile);
  file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(file.gcount()));
  // RFC 8536 3.3: the footer is the text between the last two newlines of the file.
  if (bytes.size() < 2 || bytes.back() != '\n')
    return std::nullopt;
  const std::size_t open = bytes.rfind('\n', bytes.size() - 2);
  if (open == std::string::npos)
    return std::nullopt;
  return ParsePosixZoneRule(std::string_view(bytes).substr(open + 1, bytes.size() - open - 2));
}

}  // namespace

std::optional<PosixZoneRule> ParsePosixZoneRule(std::string_view text) {
  Cursor in(text);
  PosixZoneRule rule;
  const auto standard = in.Abbreviation();
  const auto offset = in.Time();
  if (!standard || !offset)
    return std::nullopt;
  rule.StandardAbbreviation = *standard;
  rule.StandardOffsetSeconds = -*offset;  // POSIX counts west of Greenwich as positive
  if (in.AtEnd())
    return rule;
  PosixDaylight dst;
  const auto daylight = in.Abbreviation();
  if (!daylight)
    return std::nullopt;
  dst.Abbreviation = *daylight;
  dst.UtcOffsetSeconds = rule.StandardOffsetSeconds + 3600;
  if (in.Peek() != ',' && !in.AtEnd()) {
    const auto dst_offset = in.Time();
    if (!dst_offset)
      return std::nullopt;
    dst.UtcOffsetSeconds = -*dst_offset;
  }
  // Without rules POSIX leaves the dates to the system; zone files always give them.
  if (!in.Take(','))
    return std::nullopt;
  const auto start = in.DayRule();
  if (!start || !in.Take(','))
    return std::nullopt;
  const auto end = in.DayRule();
  if (!end || !in.AtEnd())
    return std::nullopt;
  dst.Start = *start;
  dst.End = *end;
  rule.Daylight = dst;
  return rule;
}

std::optional<PosixZoneRule> FooterRuleOf(std::string_view zone_name) {
  static std::mutex mutex;
  static std::map<std::string, std::optional<PosixZoneRule>, std::less<>> read;
  std::lock_guard lock(mutex);
  if (const auto found = read.find(zone_name); found != read.end())
    return found->second;
  auto rule = ReadFooter(zone_name);
  read.emplace(std::string(zone_name), rule);
  return rule;
}

date::sys_info ZoneSysInfo(const date::time_zone& zone, std::string_view zone_name,
                           date::sys_seconds instant) {
  const date::sys_info listed = zone.get_info(instant);
  if (!OpenEnded(listed))
    return listed;
  const auto rule = FooterRuleOf(zone_name);
  if (!rule || !rule->Daylight)
    return listed;
  const int y = static_cast<int>(date::year_month_day{date::floor<date::days>(instant)}.year());
  for (date::sys_info info : IntervalsAround(*rule, y)) {
    if (info.begin <= instant && instant < info.end) {
      info.begin = std::max(info.begin, listed.begin);
      return info;
    }
  }
  return listed;
}

date::local_info ZoneLocalInfo(const date::time_zone& zone, std::string_view zone_name,
                               date::local_seconds local) {
  const date::local_info listed = zone.get_info(local);
  const date::sys_info& last =
      listed.result == date::local_info::unique ? listed.first : listed.second;
  if (!OpenEnded(last))
    return listed;
  const auto rule = FooterRuleOf(zone_name);
  if (!rule || !rule->Daylight)
    return listed;
  const int y = static_cast<int>(date::year_month_day{date::floor<date::days>(local)}.year());
  const std::vector<date::sys_info> intervals = IntervalsAround(*rule, y);
  std::vector<date::sys_info> holding;
  for (const date::sys_info& info : intervals) {
    const date::local_seconds from{info.begin.time_since_epoch() + info.offset};
    const date::local_seconds to{info.end.time_since_epoch() + info.offset};
    if (from <= local && local < to && info.end > last.begin)
      holding.push_back(info);
  }
  date::local_info out;
  if (holding.size() == 1) {
    out.result = date::local_info::unique;
    out.first = holding[0];
    return out;
  }
  if (holding.size() == 2) {
    out.result = date::local_info::ambiguous;
    out.first = holding[0];
    out.second = holding[1];
    return out;
  }
  // In the gap of a change forward: the intervals on either side of it.
  for (std::size_t k = 0; k + 1 < intervals.size(); ++k) {
    const date::local_seconds ends{intervals[k].end.time_since_epoch() + intervals[k].offset};
    const date::local_seconds starts{intervals[k + 1].begin.time_since_epoch() +
                                     intervals[k + 1].offset};
    if (ends <= local && local < starts) {
      out.result = date::local_info::nonexistent;
      out.first = intervals[k];
      out.second = intervals[k + 1];
      return out;
    }
  }
  return listed;
}

}  // namespace lumora
