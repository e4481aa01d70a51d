// SPDX-License-Identifier: MIT
// Historical clocks from the IANA time-zone database: offsets, abbreviations and daylight
// flags of known eras, gaps and repeated hours, and the birth-form values of a reading.
#include <gtest/gtest.h>

#include <string_view>

#include "core/entry/person_side.h"
#include "core/places/clock.h"

namespace lumora {
namespace {

constexpr PanelControl kMaleHour{PersonSide::Male, FormControl::Hour};

struct ReadingCase {
  const char* source;
  std::string_view zone;
  LocalDateTime when;
  int offset_seconds;
  std::string_view abbreviation;
  bool daylight;
  bool cautioned;  // local mean time or an uncertain era
  ZoneFormValues form;
};

// Offsets as zdump prints them for the tz database (2023 and later releases).
constexpr ReadingCase kReadings[] = {
    {"India war time (+0630, Sep 1942 - Oct 1945)",
     "Asia/Kolkata",
     {1943, 3, 1, 12, 0},
     23400,
     "+0630",
     true,
     true,
     {5, 30, true, true}},
    {"India, Madras time before 1906",
     "Asia/Kolkata",
     {1900, 6, 15, 12, 0},
     19270,
     "MMT",
     false,
     true,
     {5, 21, true, false}},
    {"India, local mean time before 1854",
     "Asia/Kolkata",
     {1850, 1, 1, 12, 0},
     21208,
     "LMT",
     false,
     true,
     {5, 53, true, false}},
    {"India Standard Time after the war",
     "Asia/Kolkata",
     {1947, 8, 15, 0, 0},
     19800,
     "IST",
     false,
     false,
     {5, 30, true, false}},
    {"London, double summer time June 1944",
     "Europe/London",
     {1944, 6, 15, 12, 0},
     7200,
     "BDST",
     true,
     false,
     {1, 0, true, true}},
    {"London, British Standard Time all year 1969",
     "Europe/London",
     {1969, 1, 15, 12, 0},
     3600,
     "BST",
     false,
     false,
     {1, 0, true, false}},
    {"New York, year-round daylight time from 6 January 1974",
     "America/New_York",
     {1974, 1, 15, 12, 0},
     -14400,
     "EDT",
     true,
     false,
     {5, 0, false, true}},
    {"New York, standard time December 1973",
     "America/New_York",
     {1973, 12, 15, 12, 0},
     -18000,
     "EST",
     false,
     false,
     {5, 0, false, false}},
    {"Kathmandu before 1986",
     "Asia/Kathmandu",
     {1985, 6, 1, 12, 0},
     19800,
     "+0530",
     false,
     false,
     {5, 30, true, false}},
    {"Kathmandu from 1986",
     "Asia/Kathmandu",
     {1986, 6, 1, 12, 0},
     20700,
     "+0545",
     false,
     false,
     {5, 45, true, false}},
    {"Sydney summer (AEDT)",
     "Australia/Sydney",
     {2024, 1, 15, 12, 0},
     39600,
     "AEDT",
     true,
     false,
     {10, 0, true, true}},
    {"Sydney winter (AEST)",
     "Australia/Sydney",
     {2024, 7, 15, 12, 0},
     36000,
     "AEST",
     false,
     false,
     {10, 0, true, false}},
    {"Hour 24 is midnight of the next day (Kolkata)",
     "Asia/Kolkata",
     {1943, 3, 1, 24, 0},
     23400,
     "+0630",
     true,
     true,
     {5, 30, true, true}},
};

class ClockReadings : public ::testing::TestWithParam<ReadingCase> {};

TEST_P(ClockReadings, OneReadingAsTheDatabaseGivesIt) {
  const ReadingCase& c = GetParam();
  const auto clock = ReadZoneClock(c.zone, c.when);
  ASSERT_FALSE(IsRefused(clock)) << c.source;
  const ZoneClock& local = std::get<ZoneClock>(clock);
  ASSERT_EQ(local.Readings.size(), 1u) << c.source;
  const ClockReading& r = local.Readings[0];
  EXPECT_EQ(r.UtcOffsetSeconds, c.offset_seconds) << c.source;
  EXPECT_EQ(r.Abbreviation, c.abbreviation) << c.source;
  EXPECT_EQ(r.IsDaylight, c.daylight) << c.source;
  EXPECT_EQ(r.Caution.has_value(), c.cautioned) << c.source;
  const ZoneFormValues form = FormValuesOf(r);
  EXPECT_EQ(form.ZoneHour, c.form.ZoneHour) << c.source;
  EXPECT_EQ(form.ZoneMinute, c.form.ZoneMinute) << c.source;
  EXPECT_EQ(form.ZoneIsEast, c.form.ZoneIsEast) << c.source;
  EXPECT_EQ(form.IsDST, c.form.IsDST) << c.source;
}

INSTANTIATE_TEST_SUITE_P(HistoricalEras, ClockReadings, ::testing::ValuesIn(kReadings));

struct ChangeCase {
  const char* source;
  std::string_view zone;
  LocalDateTime when;
  int readings;  // 0 in a gap, 2 in a repeated hour
  LocalDateTime from;
  LocalDateTime to;
  int offset_before;
  int offset_after;
};

constexpr ChangeCase kChanges[] = {
    {"New York spring forward 2024",
     "America/New_York",
     {2024, 3, 10, 2, 30},
     0,
     {2024, 3, 10, 2, 0},
     {2024, 3, 10, 3, 0},
     -18000,
     -14400},
    {"New York fall back 2024",
     "America/New_York",
     {2024, 11, 3, 1, 30},
     2,
     {2024, 11, 3, 2, 0},
     {2024, 11, 3, 1, 0},
     -14400,
     -18000},
    {"Kathmandu moves to +0545 at midnight 1986",
     "Asia/Kathmandu",
     {1986, 1, 1, 0, 10},
     0,
     {1986, 1, 1, 0, 0},
     {1986, 1, 1, 0, 15},
     19800,
     20700},
    {"London ends double summer time 1944",
     "Europe/London",
     {1944, 9, 17, 2, 30},
     2,
     {1944, 9, 17, 3, 0},
     {1944, 9, 17, 2, 0},
     7200,
     3600},
    {"Sydney fall back April 2024",
     "Australia/Sydney",
     {2024, 4, 7, 2, 30},
     2,
     {2024, 4, 7, 3, 0},
     {2024, 4, 7, 2, 0},
     39600,
     36000},
};

void ExpectSameTime(const LocalDateTime& a, const LocalDateTime& b, const char* source) {
  EXPECT_EQ(a.Year, b.Year) << source;
  EXPECT_EQ(a.Month, b.Month) << source;
  EXPECT_EQ(a.Day, b.Day) << source;
  EXPECT_EQ(a.Hour, b.Hour) << source;
  EXPECT_EQ(a.Minute, b.Minute) << source;
}

class ClockChanges : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(ClockChanges, GapsHaveNoReadingAndRepeatedHoursTwoEarlierFirst) {
  const ChangeCase& c = GetParam();
  const auto clock = ReadZoneClock(c.zone, c.when);
  ASSERT_FALSE(IsRefused(clock)) << c.source;
  const ZoneClock& local = std::get<ZoneClock>(clock);
  ASSERT_EQ(static_cast<int>(local.Readings.size()), c.readings) << c.source;
  ASSERT_TRUE(local.Change.has_value()) << c.source;
  ExpectSameTime(local.Change->From, c.from, c.source);
  ExpectSameTime(local.Change->To, c.to, c.source);
  EXPECT_EQ(local.Change->Before.UtcOffsetSeconds, c.offset_before) << c.source;
  EXPECT_EQ(local.Change->After.UtcOffsetSeconds, c.offset_after) << c.source;
  if (c.readings == 2) {
    EXPECT_EQ(local.Readings[0].UtcOffsetSeconds, c.offset_before) << c.source;
    EXPECT_EQ(local.Readings[1].UtcOffsetSeconds, c.offset_after) << c.source;
  }
}

INSTANTIATE_TEST_SUITE_P(ClockChangeTimes, ClockChanges, ::testing::ValuesIn(kChanges));

TEST(PersonClock, RefusalsNameTheChangeAndFocusTheHourList) {
  const struct {
    const char* source;
    std::string_view zone;
    LocalDateTime when;
    std::optional<ClockChoice> choice;
    std::string_view message_part;  // empty: accepted
    int offset;
  } cases[] = {
      {"gap",
       "America/New_York",
       {2024, 3, 10, 2, 30},
       std::nullopt,
       "02:30 on 10 March 2024 in America/New_York never existed: the clocks were put forward "
       "from 02:00 to 03:00 (EST -05:00 to EDT -04:00)",
       0},
      {"gap with a choice is still a gap",
       "America/New_York",
       {2024, 3, 10, 2, 30},
       ClockChoice::Later,
       "never existed",
       0},
      {"repeated hour without a choice",
       "America/New_York",
       {2024, 11, 3, 1, 30},
       std::nullopt,
       "occurred twice: the clocks were put back from 02:00 to 01:00",
       0},
      {"repeated hour, earlier",
       "America/New_York",
       {2024, 11, 3, 1, 30},
       ClockChoice::Earlier,
       "",
       -14400},
      {"repeated hour, later",
       "America/New_York",
       {2024, 11, 3, 1, 30},
       ClockChoice::Later,
       "",
       -18000},
      {"a choice where there is one reading changes nothing",
       "Asia/Kolkata",
       {1943, 3, 1, 12, 0},
       ClockChoice::Later,
       "",
       23400},
      {"unknown zone",
       "Mars/Olympus_Mons",
       {2000, 1, 1, 0, 0},
       std::nullopt,
       "\"Mars/Olympus_Mons\" is not a time zone",
       0},
  };
  for (const auto& c : cases) {
    const auto clock = ReadPersonClock(c.zone, c.when, c.choice, kMaleHour);
    if (c.message_part.empty()) {
      ASSERT_FALSE(IsRefused(clock)) << c.source;
      EXPECT_EQ(std::get<PersonClock>(clock).Reading.UtcOffsetSeconds, c.offset) << c.source;
      continue;
    }
    ASSERT_TRUE(IsRefused(clock)) << c.source;
    const FormFailure& failure = std::get<FormFailure>(clock);
    EXPECT_NE(failure.Message.find(c.message_part), std::string::npos)
        << c.source << ": " << failure.Message;
    EXPECT_EQ(FocusedControlName(failure), "cboMHH") << c.source;
  }
}

TEST(PersonClock, LineUnderTheZoneFields) {
  const struct {
    std::string_view zone;
    LocalDateTime when;
    std::string_view line;
  } cases[] = {
      {"Asia/Kolkata",
       {1943, 3, 1, 12, 0},
       "Asia/Kolkata, +06:30, daylight time in force; India's war time 1941-1945: the dates of "
       "its changes are uncertain"},
      {"Asia/Kathmandu", {1990, 1, 1, 12, 0}, "Asia/Kathmandu, +05:45, standard time"},
      {"America/New_York",
       {1974, 1, 15, 12, 0},
       "America/New_York, -04:00, EDT (Eastern Daylight Time), daylight time in force"},
      {"Europe/London",
       {1944, 6, 15, 12, 0},
       "Europe/London, +02:00, BDST (British Double Summer Time), daylight time in force"},
      {"Europe/Dublin", {1990, 6, 15, 12, 0}, "Europe/Dublin, +01:00, IST (Irish Standard Time), "},
      {"Asia/Kolkata", {1990, 1, 1, 12, 0}, "Asia/Kolkata, +05:30, IST (India Standard Time), "},
      {"Europe/Madrid",
       {1990, 1, 1, 12, 0},
       "Europe/Madrid, +01:00, CET (Central European Time), standard time"},
      {"Asia/Kolkata",
       {1850, 1, 1, 12, 0},
       "Asia/Kolkata, +05:53:28, LMT (local mean time), standard time; before 1906 Indian towns "
       "kept local, Madras, "
       "Bombay or Calcutta time: check the record"},
  };
  for (const auto& c : cases) {
    const auto clock = ReadPersonClock(c.zone, c.when, std::nullopt, kMaleHour);
    ASSERT_FALSE(IsRefused(clock)) << c.zone;
    // A line that ends in ", " is checked as far as it goes: the database decides whether
    // Ireland's summer clock counts as its standard time.
    const std::string line = DescribeClock(std::get<PersonClock>(clock));
    if (c.line.ends_with(", ")) {
      EXPECT_TRUE(line.starts_with(c.line)) << line;
    } else {
      EXPECT_EQ(line, c.line);
    }
  }
}

}  // namespace
}  // namespace lumora

namespace lumora {
namespace {

// Only the zone database's own names are zones: the host's configured zone
// ("localtime"), the file zic uses for POSIX rules and the leap-second variants under
// "right/" would make a result depend on the machine it was computed on. Years are
// checked before they reach the calendar, whose years are 16 bits wide.
TEST(ZoneClock, RefusesHostFilesAndYearsBeyondTheRange) {
  const struct {
    const char* why;
    std::string_view zone;
    int year;
    std::string_view message_part;  // empty: accepted
  } cases[] = {
      {"a zone of the list", "Asia/Kolkata", 2000, ""},
      {"a link of the list (the zone's former name)", "Asia/Calcutta", 2000, ""},
      {"UTC is a zone of the list", "UTC", 2000, ""},
      {"the host's configured zone", "localtime", 2000, "is not a time zone"},
      {"zic's POSIX rules file", "posixrules", 2000, "is not a time zone"},
      {"the leap-second variant", "right/Asia/Kolkata", 2000, "is not a time zone"},
      {"the POSIX copy", "posix/Asia/Kolkata", 2000, "is not a time zone"},
      {"a path out of the database", "../../etc/passwd", 2000, "is not a time zone"},
      {"the database's own data file", "tzdata.zi", 2000, "is not a time zone"},
      {"the zone table", "zone1970.tab", 2000, "is not a time zone"},
      {"the last year of the range", "Asia/Kolkata", kLastClockYear, ""},
      {"the first year of the range", "Asia/Kolkata", kFirstClockYear, ""},
      {"a year 65,536 past 2000 (wraps to 2000 in 16 bits)", "Asia/Kolkata", 67536,
       "lies outside the years"},
      {"a year past the range", "Asia/Kolkata", kLastClockYear + 1, "lies outside the years"},
      {"a year before the range", "Asia/Kolkata", kFirstClockYear - 1, "lies outside the years"},
      {"a negative year", "Asia/Kolkata", -65536 + 2000, "lies outside the years"},
  };
  for (const auto& c : cases) {
    const auto clock = ReadZoneClock(c.zone, {c.year, 6, 1, 12, 0});
    if (c.message_part.empty()) {
      EXPECT_FALSE(IsRefused(clock)) << c.why;
      continue;
    }
    ASSERT_TRUE(IsRefused(clock)) << c.why;
    EXPECT_NE(std::get<FormFailure>(clock).Message.find(c.message_part), std::string::npos)
        << c.why << ": " << std::get<FormFailure>(clock).Message;
  }
  EXPECT_TRUE(IsZoneDatabaseName("Europe/London"));
  EXPECT_FALSE(IsZoneDatabaseName("localtime"));
  EXPECT_FALSE(IsZoneDatabaseName(""));
}

}  // namespace
}  // namespace lumora
