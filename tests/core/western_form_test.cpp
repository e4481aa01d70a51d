// SPDX-License-Identifier: MIT
// The Western input form without its window: validation, reading, the run.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <variant>

#include "core/western/western_form.h"
#include "core/western/western_run.h"

namespace lumora {
namespace {

using Icon = MessageIcon;

WesternFormSide ValidPanel(const char* name) {
  WesternFormSide panel;
  panel.Name = name;
  panel.Day = "5";
  panel.Month = "January";
  panel.Year = "1980";
  panel.Hour = "5";
  panel.Minute = "7";
  panel.City = "Pune";
  panel.State = "Maharashtra";
  panel.Country = "India";
  panel.LatDeg = "18";
  panel.LatMin = "31";
  panel.LongDeg = "73";
  panel.LongMin = "51";
  panel.TimeZoneRow = 34;  // "Indian Time, IST, +5.3"
  return panel;
}

WesternForm ValidForm() {
  return {ValidPanel("Arun"), ValidPanel("Mira")};
}

struct ValidationCase {
  const char* source;
  void (*edit)(WesternForm&);
  const char* message;  // nullptr: the form passes
  Icon icon;
  const char* control;
};

TEST(ValidateWesternInput, OrderAndWording) {
  const Icon E = Icon::Error;
  const Icon I = Icon::Information;
  // clang-format off
  const ValidationCase cases[] = {
      {"every field empty", [](WesternForm& f) { f = {}; }, "Please Enter Male Name", E, "txtMName"},
      {"check 1 before a female fault", [](WesternForm& f) { f.Male.Name = f.Female.City = ""; }, "Please Enter Male Name", E, "txtMName"},
      {"check 2", [](WesternForm& f) { f.Male.LatDeg = ""; }, "Please Enter Degree in Latitude", E, "txtMLD"},
      {"check 3", [](WesternForm& f) { f.Male.LatMin = ""; }, "Please Enter Minutes in Latitude", E, "txtMLM"},
      {"check 4", [](WesternForm& f) { f.Male.LongDeg = ""; }, "Please Enter Degree in Longitude", E, "txtMLoD"},
      {"check 5: Minute", [](WesternForm& f) { f.Male.LongMin = ""; }, "Please Enter Minute in Longitude", E, "txtMLoM"},
      {"check 6", [](WesternForm& f) { f.Male.City = ""; }, "Please Enter City", E, "txtMCity"},
      {"check 7", [](WesternForm& f) { f.Male.State = ""; }, "Please Enter State", E, "txtMState"},
      {"check 8", [](WesternForm& f) { f.Male.Country = ""; }, "Please Enter Country", E, "txtMCountry"},
      {"check 9", [](WesternForm& f) { f.Male.North = false; }, "Please Select Direction For The Latitude", E, "optMLong"},
      {"check 10", [](WesternForm& f) { f.Male.East = false; }, "Please Select Direction For The Longitude", E, "optMLat"},
      {"check 11", [](WesternForm& f) { f.Female.Name = ""; }, "Please Enter Female Name", E, "txtFName"},
      {"check 13", [](WesternForm& f) { f.Female.LatMin = ""; }, "Please Enter Minutes in Latitude", E, "txtFLM"},
      {"check 15: Minutes", [](WesternForm& f) { f.Female.LongMin = ""; }, "Please Enter Minutes in Longitude", E, "txtFLoM"},
      {"check 18", [](WesternForm& f) { f.Female.Country = ""; }, "Please Enter Country", E, "txtFCountry"},
      {"check 19", [](WesternForm& f) { f.Female.North = false; }, "Please Select Direction For The Latitude", E, "optFLong"},
      {"check 20", [](WesternForm& f) { f.Female.East = false; }, "Please Select Direction For The Longitude", E, "optFLat"},
      {"check 21: 29 February 1901", [](WesternForm& f) { f.Male.Day = "29"; f.Male.Month = "February"; f.Male.Year = "1901"; },
       "Please Enter Your Correct Date Or Month!", I, ""},
      {"check 21: 30 February 2000", [](WesternForm& f) { f.Male.Day = "30"; f.Male.Month = "February"; f.Male.Year = "2000"; },
       "Please Enter Your Correct Date Or Month!", I, ""},
      {"check 22: 31 April", [](WesternForm& f) { f.Male.Day = "31"; f.Male.Month = "April"; },
       "Please Enter Your Correct Date Or Month !", I, ""},
      {"check 23: 29 February 1981", [](WesternForm& f) { f.Female.Day = "29"; f.Female.Month = "February"; f.Female.Year = "1981"; },
       "Please Enter Your Partner's Correct Date Or Month!", I, ""},
      {"check 24", [](WesternForm& f) { f.Female.Day = "31"; f.Female.Month = "November"; },
       "Please Enter Your Partner's Correct Date Or Month !", I, ""},
      {"both dates impossible", [](WesternForm& f) { f.Male.Day = f.Female.Day = "31"; f.Male.Month = f.Female.Month = "June"; },
       "Please Enter Your Correct Date Or Month !", I, ""},
      {"male date after female empty fields", [](WesternForm& f) { f.Male.Day = "31"; f.Male.Month = "June"; f.Female.State = ""; },
       "Please Enter State", E, "txtFState"},
      {"coordinates: not digits", [](WesternForm& f) { f.Male.LatDeg = "1a"; }, "Please enter only numbers", E, "txtMLD"},
      {"coordinates: a blank", [](WesternForm& f) { f.Female.LongMin = " 5"; }, "Please enter only numbers", E, "txtFLoM"},
      {"coordinates: beyond the pole", [](WesternForm& f) { f.Male.LatDeg = "91"; }, "Please Enter A Correct Latitude", E, "txtMLD"},
      {"coordinates: 60 minutes", [](WesternForm& f) { f.Female.LatMin = "60"; }, "Please Enter A Correct Latitude", E, "txtFLM"},
      {"coordinates: beyond 180", [](WesternForm& f) { f.Male.LongDeg = "181"; }, "Please Enter A Correct Longitude", E, "txtMLoD"},
      {"coordinates: 60 minutes", [](WesternForm& f) { f.Male.LongMin = "60"; }, "Please Enter A Correct Longitude", E, "txtMLoM"},
      {"coordinates: degrees first", [](WesternForm& f) { f.Male.LatDeg = "95"; f.Male.LatMin = "x"; },
       "Please Enter A Correct Latitude", E, "txtMLD"},
      {"coordinates: after the dates", [](WesternForm& f) { f.Male.LatDeg = "x"; f.Female.Day = "31"; f.Female.Month = "April"; },
       "Please Enter Your Partner's Correct Date Or Month !", I, ""},
      {"passes: the limits", [](WesternForm& f) { f.Male.LatDeg = "90"; f.Male.LatMin = "59"; f.Male.LongDeg = "180"; f.Female.LongMin = "059"; },
       nullptr, E, ""},
      {"passes: 29 February 2000, 1904", [](WesternForm& f) { f.Male.Day = f.Female.Day = "29"; f.Male.Month = f.Female.Month = "February"; f.Male.Year = "2000"; f.Female.Year = "1904"; },
       nullptr, E, ""},
      {"passes: 31 May, blank name", [](WesternForm& f) { f.Male.Day = "31"; f.Male.Month = "May"; f.Female.Name = "  "; },
       nullptr, E, ""},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.source);
    WesternForm form = ValidForm();
    c.edit(form);
    const auto failure = FailureOf(ValidateWesternInput(form));
    if (c.message == nullptr) {
      EXPECT_FALSE(failure.has_value()) << failure->Message;
      continue;
    }
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->Message, c.message);
    EXPECT_EQ(failure->Icon, c.icon);
    EXPECT_EQ(FocusedControlName(*failure).value_or(""), c.control);
  }
}

TEST(ReadWesternBirthData, ZoneFromTheWesternTableAndHemispheres) {
  const struct {
    const char* source;
    int row;
    bool south, west;
    int zone_hour, zone_minute, add_hours, add_minutes;
  } cases[] = {
      {"row 34 India, South and East", 34, true, false, 5, 30, -5, -30},
      {"row 27 EST, North and West", 27, false, true, 5, 0, 5, 0},
      {"row 50 Newfoundland, half hour west", 50, false, false, 3, 30, 3, 30},
      {"row 29 GMT", 29, false, false, 0, 0, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.source);
    WesternFormSide panel = ValidPanel("Arun");
    panel.Month = "March";
    panel.TimeZoneRow = c.row;
    panel.North = !c.south;
    panel.South = c.south;
    panel.East = !c.west;
    panel.West = c.west;
    const auto read = ReadWesternBirthData(panel, PersonSide::Male);
    ASSERT_TRUE(std::holds_alternative<WesternBirthData>(read));
    const WesternBirthData& data = std::get<WesternBirthData>(read);
    EXPECT_EQ(data.BirthMonth, 3);  // list position + 1
    EXPECT_EQ(data.BirthYear * 100 + data.BirthDay, 198005);
    EXPECT_EQ(data.BirthHour * 100 + data.BirthMinute, 507);
    EXPECT_EQ(data.LatDeg * 100 + data.LongMin, 1851);
    EXPECT_EQ(data.ZoneHour, c.zone_hour);
    EXPECT_EQ(data.ZoneMinute, c.zone_minute);
    EXPECT_EQ(data.ZoneAddHours, c.add_hours);
    EXPECT_EQ(data.ZoneAddMinutes, c.add_minutes);
    EXPECT_EQ(data.IsSouth, c.south);
    EXPECT_EQ(data.IsEast, !c.west);
  }
}

TEST(RunWesternTest, ChartsScoreAndReportLabels) {
  WesternForm form = ValidForm();
  form.Male.Name = " Arun ";
  form.Female.Day = "29";
  form.Female.Month = "February";
  form.Female.Year = "2000";
  form.Female.Second = "59";  // never read
  const auto outcome = RunWesternTest(form);
  ASSERT_TRUE(std::holds_alternative<WesternTestResult>(outcome));
  const auto& result = std::get<WesternTestResult>(outcome);
  EXPECT_EQ(result.Report.mName, " Arun ");
  EXPECT_EQ(result.Report.mDOB, "January 5, 1980");
  EXPECT_EQ(result.Report.fDOB, "February 29, 2000");
  EXPECT_EQ(result.Report.Mcountry, "India");
  EXPECT_EQ(result.Report.fState, "Maharashtra");

  WesternFormSide female = form.Female;
  female.Second = "0";
  const WesternChart expected = CalculateWesternChart(
      std::get<WesternBirthData>(ReadWesternBirthData(female, PersonSide::Female)));
  EXPECT_EQ(result.Female.Longitudes, expected.Longitudes);
  EXPECT_EQ(result.Score.Power, result.Male.ZodiacOf(ChartPoint::Moon).Degrees * 30);
  EXPECT_EQ(result.Score.Harmony, expected.ZodiacOf(ChartPoint::Moon).Degrees * 30);

  // A list value the window could not hold names its list.
  form.Female.Month = "Smarch";
  const auto refused = RunWesternTest(form);
  ASSERT_TRUE(std::holds_alternative<FormFailure>(refused));
  EXPECT_EQ(FocusedControlName(std::get<FormFailure>(refused)).value_or(""), "cboFMonth");
  form.Female.Month = "March";
  form.Male.Day = "05";  // the day list has no leading zeros
  EXPECT_EQ(FocusedControlName(std::get<FormFailure>(RunWesternTest(form))).value_or(""),
            "cboMDate");
  form.Male.Day = "5";
  form.Male.TimeZoneRow = 71;
  EXPECT_EQ(FocusedControlName(std::get<FormFailure>(RunWesternTest(form))).value_or(""),
            "cmbMTimeZone");
}

}  // namespace
}  // namespace lumora

namespace lumora {
namespace {

// Validation hands back what it read: each panel's coordinates and zone, and the exact
// offset of a panel that names its zone.
TEST(ValidateWesternInput, HandsBackBothPanelsRead) {
  const struct {
    const char* source;
    const char* zone_id;  // "" for the zone list
    int lat_deg, long_min;
    int utc_offset_seconds;  // of the clock; 0 without one
  } cases[] = {
      {"row 34 India from the list", "", 18, 51, 0},
      {"Asia/Kolkata in 1980 (IANA tz database): +05:30", "Asia/Kolkata", 18, 51, 19800},
      {"Asia/Kathmandu in 1980 (IANA tz database): +05:30 before 1986", "Asia/Kathmandu", 18, 51,
       19800},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.source);
    WesternForm form = ValidForm();
    form.Female.TimeZoneId = c.zone_id;
    const auto read = ValidateWesternInput(form);
    ASSERT_TRUE(std::holds_alternative<FormSides<WesternReading>>(read));
    const auto& panels = std::get<FormSides<WesternReading>>(read);
    EXPECT_EQ(panels.Male.Data.LatDeg, c.lat_deg);
    EXPECT_EQ(panels.Female.Data.LongMin, c.long_min);
    EXPECT_FALSE(panels.Male.Clock.has_value());
    EXPECT_EQ(panels.Female.Clock.has_value(), *c.zone_id != '\0');
    if (panels.Female.Clock) {
      EXPECT_EQ(panels.Female.Clock->Reading.UtcOffsetSeconds, c.utc_offset_seconds);
      EXPECT_EQ(panels.Female.Data.UtcOffsetSeconds, c.utc_offset_seconds);
    }
  }
}

// One panel read alone refuses what the form's checks refuse: a coordinate beyond its range.
TEST(ReadWesternBirthData, RefusesCoordinatesOutOfRange) {
  const struct {
    const char* source;
    std::string WesternFormSide::*field;
    const char* text;
    const char* message;
    const char* control;
  } cases[] = {
      {"latitude beyond the pole", &WesternFormSide::LatDeg, "91",
       "Please Enter A Correct Latitude", "txtMLD"},
      {"minutes past 59", &WesternFormSide::LongMin, "60", "Please Enter A Correct Longitude",
       "txtMLoM"},
      {"a pasted sign", &WesternFormSide::LongDeg, "-7", "Please enter only numbers", "txtMLoD"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.source);
    WesternFormSide panel = ValidPanel("Arun");
    panel.*c.field = c.text;
    const auto failure = FailureOf(ReadWesternBirthData(panel, PersonSide::Male));
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->Message, c.message);
    EXPECT_EQ(FocusedControlName(*failure).value_or(""), c.control);
  }
}

}  // namespace
}  // namespace lumora
