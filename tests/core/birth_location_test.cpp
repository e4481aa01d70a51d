// SPDX-License-Identifier: MIT
// The coordinates and clock a result shows beside the place's name: the offset is the one
// the computation read (the zone of the atlas, or the hand-typed zone with its direction and
// daylight hour), and the forms, documents and report carry it for both tests.
#include <gtest/gtest.h>

#include <string_view>
#include <variant>

#include "core/entry/birth_location.h"
#include "core/ephemeris/calendar.h"
#include "core/vedic/match/match.h"
#include "core/vedic/result/match_document.h"
#include "core/western/western_document.h"
#include "core/western/western_run.h"
#include "reference_forms.h"
#include "support/births.h"

namespace lumora {
namespace {

using namespace ::lumora::testing;

struct LocationCase {
  const char* source;
  BirthMoment moment;
  std::string_view zone;  // empty: the zone typed by hand
  const char* words;
};

BirthMoment Typed(BirthMoment m, int zone_hour, int zone_minute, bool dst,
                  std::optional<bool> ahead) {
  m = InZone(m, zone_hour, zone_minute, dst);
  m.ZoneAhead = ahead;
  return m;
}

const BirthMoment kDelhi1990 = MomentAt(1990, 6, 15, 12, 0, kNewDelhi);
const BirthMoment kDelhi1943 = MomentAt(1943, 3, 1, 12, 0, kNewDelhi);
const BirthMoment kDelhi1850 = MomentAt(1850, 1, 1, 12, 0, kNewDelhi);
const BirthMoment kLondon1944 = MomentAt(1944, 6, 15, 12, 0, {51, 30, false, 0, 7, false});
const BirthMoment kMadrid1980 = MomentAt(1980, 1, 10, 12, 0, {40, 25, false, 3, 42, false});
const BirthMoment kSydney2000 = MomentAt(2000, 1, 1, 12, 0, {33, 52, true, 151, 13, true});

// Offsets of the zone eras as zdump prints them for the tz database (2023 and later).
const LocationCase kLocations[] = {
    {"India Standard Time from the atlas", kDelhi1990, "Asia/Kolkata",
     "28\u00B036\u2032N 77\u00B012\u2032E, Asia/Kolkata, UTC+05:30 (IST)"},
    {"India's war time: the database names no period (+0630)", kDelhi1943, "Asia/Kolkata",
     "28\u00B036\u2032N 77\u00B012\u2032E, Asia/Kolkata, UTC+06:30"},
    {"local mean time keeps its seconds", kDelhi1850, "Asia/Kolkata",
     "28\u00B036\u2032N 77\u00B012\u2032E, Asia/Kolkata, UTC+05:53:28 (LMT)"},
    {"British Double Summer Time from the atlas, west of Greenwich", kLondon1944, "Europe/London",
     "51\u00B030\u2032N 0\u00B007\u2032W, Europe/London, UTC+02:00 (BDST)"},
    {"Australian summer time, south and east", kSydney2000, "Australia/Sydney",
     "33\u00B052\u2032S 151\u00B013\u2032E, Australia/Sydney, UTC+11:00 (AEDT)"},
    {"double summer time typed by hand: one hour ahead plus the daylight hour",
     Typed(kLondon1944, 1, 0, true, true), "",
     "51\u00B030\u2032N 0\u00B007\u2032W, zone as entered, UTC+02:00 with daylight time"},
    {"India typed by hand west of Greenwich, ahead chosen", Typed(kDelhi1990, 5, 30, false, true),
     "", "28\u00B036\u2032N 77\u00B012\u2032E, zone as entered, UTC+05:30"},
    // Without a direction the zone lies on the longitude's side: CET in Madrid reads as an
    // hour behind, and the result says so where the user can see it.
    {"CET in Madrid by the old rule", Typed(kMadrid1980, 1, 0, false, std::nullopt), "",
     "40\u00B025\u2032N 3\u00B042\u2032W, zone as entered, UTC-01:00"},
    {"CET in Madrid, ahead chosen", Typed(kMadrid1980, 1, 0, false, true), "",
     "40\u00B025\u2032N 3\u00B042\u2032W, zone as entered, UTC+01:00"},
    {"behind with daylight time: an hour less behind", Typed(kMadrid1980, 5, 0, true, false), "",
     "40\u00B025\u2032N 3\u00B042\u2032W, zone as entered, UTC-04:00 with daylight time"},
};

TEST(BirthLocation, WordsSayTheCoordinatesZoneAndOffsetUsed) {
  for (const LocationCase& c : kLocations) {
    SCOPED_TRACE(c.source);
    BirthMoment moment = c.moment;
    std::optional<PersonClock> clock;
    if (!c.zone.empty()) {
      const LocalDateTime when{moment.BirthYear, moment.BirthMonth, moment.BirthDay,
                               moment.BirthHour, moment.BirthMinute};
      auto read = ReadPersonClock(c.zone, when, std::nullopt, std::nullopt);
      ASSERT_TRUE(std::holds_alternative<PersonClock>(read));
      clock = std::get<PersonClock>(read);
      moment.UtcOffsetSeconds = clock->Reading.UtcOffsetSeconds;
    }
    const BirthLocation location = LocationOf(moment, clock);
    EXPECT_EQ(LocationWords(location), c.words);
    // The offset shown is the one universal time was reached with.
    const double clock_hours = moment.BirthHour + moment.BirthMinute / 60.0;
    EXPECT_NEAR(clock_hours - location.UtcOffsetSeconds / 3600.0, UniversalTime(moment), 1e-9);
  }
}

TEST(BirthLocation, BothTestsCarryItIntoTheirResultsAndDocuments) {
  // Vedic: the match's details, the report's person blocks and the document's table.
  MatchState state;
  const MatchOutcome outcome = RunMatch(state, testing::ReferenceForm());
  ASSERT_TRUE(outcome.Result.has_value());
  ASSERT_TRUE(state.BoyDetails.Location.has_value());
  const std::string boy = "28\u00B036\u2032N 77\u00B012\u2032E, zone as entered, UTC+05:30";
  const std::string girl = "51\u00B030\u2032N 0\u00B000\u2032W, zone as entered, UTC+00:00";
  EXPECT_EQ(LocationWords(*state.BoyDetails.Location), boy);
  std::string report;
  for (const ReportRun& run : outcome.Result->Report) {
    report += run.Text;
  }
  EXPECT_NE(report.find("Place of Birth: Delhi, Delhi, India\r\nCoordinates and Clock: " + boy +
                        "\r\n\r\nYour Partner's Details:"),
            std::string::npos);
  EXPECT_NE(report.find("Coordinates and Clock: " + girl + "\r\n\r\n"), std::string::npos);
  const std::string document = PlainText(ComposeMatchDocument(state, *outcome.Result, false));
  EXPECT_NE(document.find("Coordinates\t28\u00B036\u2032N 77\u00B012\u2032E\t51\u00B030\u2032N "
                          "0\u00B000\u2032W"),
            std::string::npos);
  EXPECT_NE(document.find("Clock\tzone as entered, UTC+05:30\tzone as entered, UTC+00:00"),
            std::string::npos);

  // Western: India's row of the zone list chosen for a birth west of Greenwich, with the
  // direction pair set by the list, reads +05:30 as the charts do.
  WesternForm form;
  for (const PersonSide side : kPersonSides) {
    WesternFormSide& p = form[side];
    p.Name = side == PersonSide::Male ? "Tom" : "Ann";
    p.Day = "5";
    p.Month = "January";
    p.Year = "1980";
    p.Hour = "5";
    p.Minute = "7";
    p.City = "Pune";
    p.State = "Maharashtra";
    p.Country = "India";
    p.LatDeg = "18";
    p.LatMin = "31";
    p.LongDeg = "73";
    p.LongMin = "51";
  }
  form.Female.East = false;
  form.Female.West = true;
  form.Female.ZoneAhead = true;
  form.Male.TimeZoneRow = *FindWesternZoneRow(19800);
  form.Female.TimeZoneRow = form.Male.TimeZoneRow;
  const auto western = RunWesternTest(form);
  ASSERT_TRUE(std::holds_alternative<WesternTestResult>(western));
  const WesternTestResult& result = std::get<WesternTestResult>(western);
  EXPECT_EQ(result.Report.mTOB, "05:07");
  EXPECT_EQ(ClockUsedWords(result.Locations.Male), "zone as entered, UTC+05:30");
  EXPECT_EQ(ClockUsedWords(result.Locations.Female), "zone as entered, UTC+05:30");
  EXPECT_EQ(CoordinatesWords(result.Locations.Female), "18\u00B031\u2032N 73\u00B051\u2032W");
  const std::string printed = PlainText(ComposeWesternDocument(result));
  EXPECT_NE(printed.find("Time of Birth:\t05:07\t05:07"), std::string::npos);
  EXPECT_NE(printed.find("Clock:\tzone as entered, UTC+05:30\tzone as entered, UTC+05:30"),
            std::string::npos);
}

}  // namespace
}  // namespace lumora
