// SPDX-License-Identifier: MIT
// The birth-details form: the fixed order of its checks and their exact
// wording, and what a check leaves focused or selected.
#include <gtest/gtest.h>

#include <iterator>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/vedic/entry/birth_form.h"
#include "reference_forms.h"

namespace lumora {
namespace {

// A form that passes every check.
BirthForm ValidForm() {
  return testing::ReferenceForm();
}

void SetDate(BirthFormSide& side, const char* day, const char* month, const char* year) {
  side.Day = day;
  side.Month = month;
  side.Year = year;
}

struct Check {
  int number;
  void (*fault)(BirthForm&);
  const char* message;
  MessageIcon icon;
  const char* control;  // focused, or selected when selects_option; empty for none
  bool selects_option;
};

constexpr MessageIcon kError = MessageIcon::Error;
constexpr MessageIcon kInfo = MessageIcon::Information;

// The checks in the order the form runs them, each with a fault that fails it alone.
const Check kChecks[] = {
    {1, [](BirthForm& f) { f.Male.Name = ""; }, "Please Enter Your Name", kError, "txtMName",
     false},
    {2, [](BirthForm& f) { f.Male.ZoneHour = ""; }, "Please Enter Your Hour Of Time Zone", kError,
     "txtMZoneHour", false},
    {3, [](BirthForm& f) { f.Male.ZoneMinute = ""; }, "Please Enter Your Minute Of Time Zone",
     kError, "txtMZoneMinute", false},
    {4, [](BirthForm& f) { f.Male.LatDeg = ""; }, "Please Enter Degree in Latitude", kError,
     "txtMLD", false},
    {5, [](BirthForm& f) { f.Male.LatMin = ""; }, "Please Enter Minutes in Latitude", kError,
     "txtMLM", false},
    {6, [](BirthForm& f) { f.Male.LongDeg = ""; }, "Please Enter Degree in Longitude", kError,
     "txtMLoD", false},
    {7, [](BirthForm& f) { f.Male.LongMin = ""; }, "Please Enter Minute in Longitude", kError,
     "txtMLoM", false},
    {8, [](BirthForm& f) { f.Male.City = ""; }, "Please Enter City", kError, "txtMCity", false},
    {9, [](BirthForm& f) { f.Male.State = ""; }, "Please Enter State", kError, "txtMState", false},
    {10, [](BirthForm& f) { f.Male.Country = ""; }, "Please Enter Country", kError, "txtMCountry",
     false},
    {11, [](BirthForm& f) { f.Male.North = f.Male.South = false; },
     "Please Select Direction For The Latitude", kError, "optMNorth", true},
    {12, [](BirthForm& f) { f.Male.East = f.Male.West = false; },
     "Please Select Direction For The Longitude", kError, "optMEast", true},
    {13, [](BirthForm& f) { f.Female.Name = ""; }, "Please Enter Your Partner's Name", kError,
     "txtFName", false},
    {14, [](BirthForm& f) { f.Female.ZoneHour = ""; },
     "Please Enter Your Partner's Hour Of Time Zone", kError, "txtFZoneHour", false},
    {15, [](BirthForm& f) { f.Female.ZoneMinute = ""; },
     "Please Enter Your Partner's Minute Of Time Zone", kError, "txtFZoneMinute", false},
    {16, [](BirthForm& f) { f.Female.LatDeg = ""; }, "Please Enter Degree in Latitude", kError,
     "txtFLD", false},
    {17, [](BirthForm& f) { f.Female.LatMin = ""; }, "Please Enter Minutes in Latitude", kError,
     "txtFLM", false},
    {18, [](BirthForm& f) { f.Female.LongDeg = ""; }, "Please Enter Degree in Longitude", kError,
     "txtFLoD", false},
    {19, [](BirthForm& f) { f.Female.LongMin = ""; }, "Please Enter Minutes in Longitude", kError,
     "txtFLoM", false},
    {20, [](BirthForm& f) { f.Female.City = ""; }, "Please Enter City", kError, "txtFCity", false},
    {21, [](BirthForm& f) { f.Female.State = ""; }, "Please Enter State", kError, "txtFState",
     false},
    {22, [](BirthForm& f) { f.Female.Country = ""; }, "Please Enter Country", kError, "txtFCountry",
     false},
    {23, [](BirthForm& f) { f.Female.North = f.Female.South = false; },
     "Please Select Direction For The Latitude", kError, "optFNorth", true},
    {24, [](BirthForm& f) { f.Female.East = f.Female.West = false; },
     "Please Select Direction For The Longitude", kError, "optFEast", true},
    {25, [](BirthForm& f) { SetDate(f.Male, "29", "February", "1901"); },
     "Please Enter Your Correct Date Or Month!", kInfo, "", false},
    {26, [](BirthForm& f) { SetDate(f.Male, "31", "April", "1980"); },
     "Please Enter Your Correct Date Or Month !", kInfo, "", false},
    {27, [](BirthForm& f) { SetDate(f.Female, "29", "February", "1901"); },
     "Please Enter Your Partner's Correct Date Or Month!", kInfo, "", false},
    {28, [](BirthForm& f) { SetDate(f.Female, "31", "April", "1980"); },
     "Please Enter Your Partner's Correct Date Or Month !", kInfo, "", false},
};

// Numbers typed into the digit fields are checked after all of the above (pasted
// text and the picker's minus sign get past the key filter), boy first.
const Check kNumberChecks[] = {
    {29, [](BirthForm& f) { f.Male.LatDeg = "2x"; }, "Please Enter Only Numbers", kError, "txtMLD",
     false},
    {30, [](BirthForm& f) { f.Male.LatMin = "-3"; }, "Please Enter Only Numbers", kError, "txtMLM",
     false},
    {31, [](BirthForm& f) { f.Male.LongDeg = " 77"; }, "Please Enter Only Numbers", kError,
     "txtMLoD", false},
    {32, [](BirthForm& f) { f.Male.LongMin = "1.5"; }, "Please Enter Only Numbers", kError,
     "txtMLoM", false},
    {33, [](BirthForm& f) { f.Male.ZoneHour = "--5"; }, "Please Enter Only Numbers", kError,
     "txtMZoneHour", false},
    {34, [](BirthForm& f) { f.Male.ZoneMinute = "-30"; }, "Please Enter Only Numbers", kError,
     "txtMZoneMinute", false},
    {35, [](BirthForm& f) { f.Female.LatDeg = "5 1"; }, "Please Enter Only Numbers", kError,
     "txtFLD", false},
    {36, [](BirthForm& f) { f.Female.LatMin = "+3"; }, "Please Enter Only Numbers", kError,
     "txtFLM", false},
    {37, [](BirthForm& f) { f.Female.LongDeg = "O"; }, "Please Enter Only Numbers", kError,
     "txtFLoD", false},
    {38, [](BirthForm& f) { f.Female.LongMin = " "; }, "Please Enter Only Numbers", kError,
     "txtFLoM", false},
    {39, [](BirthForm& f) { f.Female.ZoneHour = "-"; }, "Please Enter Only Numbers", kError,
     "txtFZoneHour", false},
    {40, [](BirthForm& f) { f.Female.ZoneMinute = "3O"; }, "Please Enter Only Numbers", kError,
     "txtFZoneMinute", false},
};

// Numbers out of range, each alone on a valid form.
const Check kRangeChecks[] = {
    {41, [](BirthForm& f) { f.Male.LatDeg = "91"; }, "Please Enter A Correct Latitude", kError,
     "txtMLD", false},
    {42, [](BirthForm& f) { f.Male.LatMin = "60"; }, "Please Enter A Correct Latitude", kError,
     "txtMLM", false},
    {43, [](BirthForm& f) { f.Male.LongDeg = "181"; }, "Please Enter A Correct Longitude", kError,
     "txtMLoD", false},
    {44, [](BirthForm& f) { f.Male.LongMin = "60"; }, "Please Enter A Correct Longitude", kError,
     "txtMLoM", false},
    {45, [](BirthForm& f) { f.Male.ZoneHour = "15"; }, "Please Enter A Correct Time Zone", kError,
     "txtMZoneHour", false},
    {46, [](BirthForm& f) { f.Male.ZoneHour = "-15"; }, "Please Enter A Correct Time Zone", kError,
     "txtMZoneHour", false},
    {47, [](BirthForm& f) { f.Male.ZoneMinute = "60"; }, "Please Enter A Correct Time Zone", kError,
     "txtMZoneMinute", false},
    {48, [](BirthForm& f) { f.Female.LatDeg = "999"; }, "Please Enter A Correct Latitude", kError,
     "txtFLD", false},
    {49, [](BirthForm& f) { f.Female.LatMin = "75"; }, "Please Enter A Correct Latitude", kError,
     "txtFLM", false},
    {50, [](BirthForm& f) { f.Female.LongDeg = "200"; }, "Please Enter A Correct Longitude", kError,
     "txtFLoD", false},
    {51, [](BirthForm& f) { f.Female.LongMin = "99"; }, "Please Enter A Correct Longitude", kError,
     "txtFLoM", false},
    {52, [](BirthForm& f) { f.Female.ZoneHour = "-100"; }, "Please Enter A Correct Time Zone",
     kError, "txtFZoneHour", false},
    {53, [](BirthForm& f) { f.Female.ZoneMinute = "90"; }, "Please Enter A Correct Time Zone",
     kError, "txtFZoneMinute", false},
};

void ExpectFailure(const std::optional<FormFailure>& failure, const Check& check) {
  ASSERT_TRUE(failure.has_value()) << "check " << check.number << " passed";
  EXPECT_EQ(failure->Message, check.message) << "check " << check.number;
  EXPECT_EQ(failure->Icon, check.icon) << "check " << check.number;
  EXPECT_EQ(FocusedControlName(*failure).value_or(""), check.control) << "check " << check.number;
  EXPECT_EQ(failure->SelectsOption, check.selects_option) << "check " << check.number;
}

TEST(ValidateBirthDetails, ValidFormPasses) {
  EXPECT_FALSE(FailureOf(ValidateBirthDetails(ValidForm())).has_value());
}

TEST(ValidateBirthDetails, EachCheckAloneWithItsMessage) {
  std::vector<Check> all(std::begin(kChecks), std::end(kChecks));
  all.insert(all.end(), std::begin(kNumberChecks), std::end(kNumberChecks));
  all.insert(all.end(), std::begin(kRangeChecks), std::end(kRangeChecks));
  for (const Check& check : all) {
    BirthForm form = ValidForm();
    check.fault(form);
    ExpectFailure(FailureOf(ValidateBirthDetails(form)), check);
  }
}

TEST(ValidateBirthDetails, FirstFailingCheckWins) {
  // Check n with every later check failing as well still reports check n. Faults are
  // applied from the last one back, so check n's own fault is the one left in place
  // where two faults touch the same field.
  std::vector<Check> ordered(std::begin(kChecks), std::end(kChecks));
  ordered.insert(ordered.end(), std::begin(kNumberChecks), std::end(kNumberChecks));
  for (std::size_t n = 0; n < ordered.size(); ++n) {
    BirthForm form = ValidForm();
    for (std::size_t m = ordered.size(); m-- > n;) {
      ordered[m].fault(form);
    }
    ExpectFailure(FailureOf(ValidateBirthDetails(form)), ordered[n]);
  }
}

struct FormCase {
  const char* source;
  void (*change)(BirthForm&);
  const char* message;  // nullptr: the form passes
};

TEST(ValidateBirthDetails, CornerCases) {
  const FormCase cases[] = {
      {"every field empty: only the boy's name", [](BirthForm& f) { f = BirthForm{}; },
       "Please Enter Your Name"},
      {"a name of blanks is a name", [](BirthForm& f) { f.Male.Name = f.Female.Name = "   "; },
       nullptr},
      {"a city, state and country of blanks count as entered",
       [](BirthForm& f) { f.Female.City = f.Female.State = f.Female.Country = " "; }, nullptr},
      {"girl's empty field before boy's date",
       [](BirthForm& f) {
         SetDate(f.Male, "30", "February", "2000");
         f.Female.Country = "";
       },
       "Please Enter Country"},
      {"girl's option before boy's date",
       [](BirthForm& f) {
         SetDate(f.Male, "31", "June", "2000");
         f.Female.East = f.Female.West = false;
       },
       "Please Select Direction For The Longitude"},
      {"boy's date before girl's date",
       [](BirthForm& f) {
         SetDate(f.Male, "31", "November", "2000");
         SetDate(f.Female, "30", "February", "2000");
       },
       "Please Enter Your Correct Date Or Month !"},
      {"a date fault before a number fault",
       [](BirthForm& f) {
         SetDate(f.Female, "31", "September", "2000");
         f.Male.LatDeg = "95";
       },
       "Please Enter Your Partner's Correct Date Or Month !"},
      {"29 February 2000 (leap year)",
       [](BirthForm& f) { SetDate(f.Male, "29", "February", "2000"); }, nullptr},
      {"29 February 1904 (leap year)",
       [](BirthForm& f) { SetDate(f.Female, "29", "February", "1904"); }, nullptr},
      {"29 February 1901", [](BirthForm& f) { SetDate(f.Female, "29", "February", "1901"); },
       "Please Enter Your Partner's Correct Date Or Month!"},
      {"28 February 1901", [](BirthForm& f) { SetDate(f.Male, "28", "February", "1901"); },
       nullptr},
      {"30 February 2000", [](BirthForm& f) { SetDate(f.Male, "30", "February", "2000"); },
       "Please Enter Your Correct Date Or Month!"},
      {"31 February 2048", [](BirthForm& f) { SetDate(f.Male, "31", "February", "2048"); },
       "Please Enter Your Correct Date Or Month!"},
      {"31 April", [](BirthForm& f) { SetDate(f.Male, "31", "April", "2000"); },
       "Please Enter Your Correct Date Or Month !"},
      {"31 June", [](BirthForm& f) { SetDate(f.Female, "31", "June", "1950"); },
       "Please Enter Your Partner's Correct Date Or Month !"},
      {"30 April", [](BirthForm& f) { SetDate(f.Male, "30", "April", "2000"); }, nullptr},
      {"31 May", [](BirthForm& f) { SetDate(f.Male, "31", "May", "2000"); }, nullptr},
      {"31 December 2050", [](BirthForm& f) { SetDate(f.Female, "31", "December", "2050"); },
       nullptr},
      {"hour 24 is an entry of the list", [](BirthForm& f) { f.Male.Hour = f.Female.Hour = "24"; },
       nullptr},
      // Only the window's lists stopped these texts before; the core reads them as numbers.
      {"year 1000000 is no entry of the year list", [](BirthForm& f) { f.Male.Year = "1000000"; },
       "\"1000000\" is not an entry of the list cboMYear"},
      {"year 1900 lies before the list", [](BirthForm& f) { f.Female.Year = "1900"; },
       "\"1900\" is not an entry of the list cboFYear"},
      {"day 0", [](BirthForm& f) { f.Female.Day = "0"; },
       "\"0\" is not an entry of the list cboFDate"},
      {"day 32", [](BirthForm& f) { f.Male.Day = "32"; },
       "\"32\" is not an entry of the list cboMDate"},
      {"month 13 by number", [](BirthForm& f) { f.Male.Month = "13"; },
       "\"13\" is not an entry of the list cboMMonth"},
      {"month in lower case", [](BirthForm& f) { f.Male.Month = "august"; },
       "\"august\" is not an entry of the list cboMMonth"},
      {"hour 25", [](BirthForm& f) { f.Female.Hour = "25"; },
       "\"25\" is not an entry of the list cboFHH"},
      {"minute with a blank", [](BirthForm& f) { f.Male.Minute = " 5"; },
       "\" 5\" is not an entry of the list cboMMM"},
      {"second 60", [](BirthForm& f) { f.Female.Second = "60"; },
       "\"60\" is not an entry of the list cboFSS"},
      {"a list fault before an empty name",
       [](BirthForm& f) {
         f.Male.Name = "";
         f.Female.Year = "99999";
       },
       "\"99999\" is not an entry of the list cboFYear"},
      {"picker's east zone -5", [](BirthForm& f) { f.Male.ZoneHour = "-5"; }, nullptr},
      {"zone limits",
       [](BirthForm& f) {
         f.Male.ZoneHour = "-14";
         f.Female.ZoneHour = "14";
       },
       nullptr},
      {"coordinate limits",
       [](BirthForm& f) {
         f.Male.LatDeg = "90";
         f.Male.LatMin = "59";
         f.Male.LongDeg = "180";
         f.Male.LongMin = "59";
         f.Female.ZoneMinute = "59";
         f.Female.LatDeg = "000";
       },
       nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.source);
    BirthForm form = ValidForm();
    c.change(form);
    const auto failure = FailureOf(ValidateBirthDetails(form));
    if (c.message == nullptr) {
      EXPECT_FALSE(failure.has_value()) << failure->Message;
    } else {
      ASSERT_TRUE(failure.has_value());
      EXPECT_EQ(failure->Message, c.message);
    }
  }
}

TEST(ValidateBirthDetails, EmptyFormFocusesTheBoysName) {
  const auto failure = FailureOf(ValidateBirthDetails(BirthForm{}));
  ASSERT_TRUE(failure.has_value());
  EXPECT_EQ(FocusedControlName(*failure).value_or(""), "txtMName");
  EXPECT_EQ(failure->Icon, MessageIcon::Error);
}

// Validation hands back both sides read, each with the clock of a zone it names, or the
// clock's refusal focused on that side's hour list.
TEST(ValidateBirthDetails, HandsBackBothSidesRead) {
  const struct {
    const char* source;
    const char* girl_zone;  // "" for the zone boxes
    const char* girl_month;
    const char* girl_hour;
    int girl_offset_seconds;      // of the girl's clock
    const char* refused_control;  // nullptr: the form is read
  } cases[] = {
      {"zone boxes: no clock", "", "January", "12", 0, nullptr},
      {"Europe/London in January 2000 (IANA tz database): GMT", "Europe/London", "January", "12", 0,
       nullptr},
      {"Europe/London in June 2000 (IANA tz database): BST", "Europe/London", "June", "12", 3600,
       nullptr},
      {"Europe/London, 26 March 2000 01:30 never happened (clocks forward)", "Europe/London",
       "March", "1", 0, "cboFHH"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.source);
    BirthForm form = ValidForm();
    form.Female.TimeZoneId = c.girl_zone;
    form.Female.Month = c.girl_month;
    form.Female.Hour = c.girl_hour;
    if (c.refused_control != nullptr) {
      form.Female.Day = "26";
      form.Female.Minute = "30";
    }
    const auto read = ValidateBirthDetails(form);
    if (c.refused_control != nullptr) {
      const auto failure = FailureOf(read);
      ASSERT_TRUE(failure.has_value());
      EXPECT_EQ(FocusedControlName(*failure).value_or(""), c.refused_control);
      continue;
    }
    ASSERT_TRUE(std::holds_alternative<FormSides<BirthDetails>>(read));
    const auto& sides = std::get<FormSides<BirthDetails>>(read);
    EXPECT_EQ(sides.Male.Details.Place, "Delhi, Delhi, India");
    EXPECT_EQ(sides.Male.Moment.BirthYear * 100 + sides.Male.Moment.BirthMonth, 194708);
    EXPECT_EQ(sides.Male.Moment.ZoneHour * 100 + sides.Male.Moment.ZoneMinute, 530);
    EXPECT_FALSE(sides.Male.Clock.has_value());
    EXPECT_EQ(sides.Female.Details.Name, "Bela");
    EXPECT_EQ(sides.Female.Moment.BirthHour, 12);
    EXPECT_EQ(sides.Female.Clock.has_value(), *c.girl_zone != '\0');
    if (sides.Female.Clock) {
      EXPECT_EQ(sides.Female.Clock->Reading.UtcOffsetSeconds, c.girl_offset_seconds);
      EXPECT_EQ(sides.Female.Moment.UtcOffsetSeconds, c.girl_offset_seconds);
    }
  }
}

}  // namespace
}  // namespace lumora
