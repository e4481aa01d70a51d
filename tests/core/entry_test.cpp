// SPDX-License-Identifier: MIT
// What both forms share: control names, the date and time lists, the day-of-month
// check, the key rules, the place look-up and the result type of a refusal.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "core/calendar.h"
#include "core/entry/date_lists.h"
#include "core/entry/key_filters.h"
#include "core/entry/person_entries.h"
#include "core/entry/person_side.h"
#include "core/entry/place_lookup.h"
#include "core/entry/time_zones.h"
#include "core/form_result.h"

namespace lumora {
namespace {

constexpr PersonSide kMale = PersonSide::Male;
constexpr PersonSide kFemale = PersonSide::Female;

TEST(ControlName, NamesOfBothForms) {
  // The object names the windows have always given their controls.
  const struct {
    PersonSide side;
    FormControl control;
    const char* name;
  } cases[] = {
      {kMale, FormControl::Name, "txtMName"},
      {kFemale, FormControl::Day, "cboFDate"},
      {kMale, FormControl::Month, "cboMMonth"},
      {kFemale, FormControl::Hour, "cboFHH"},
      {kMale, FormControl::Minute, "cboMMM"},
      {kFemale, FormControl::Second, "cboFSS"},
      {kMale, FormControl::LatDeg, "txtMLD"},
      {kFemale, FormControl::LongMin, "txtFLoM"},
      {kMale, FormControl::LatDirection, "optMLong"},  // the Western pairs cross their names
      {kFemale, FormControl::LongDirection, "optFLat"},
      {kMale, FormControl::TimeZone, "cmbMTimeZone"},
      {kFemale, FormControl::DST, "chkFDST"},
      {kMale, FormControl::North, "optMNorth"},
      {kFemale, FormControl::West, "optFWest"},
      {kMale, FormControl::ZoneHour, "txtMZoneHour"},
      {kFemale, FormControl::ZoneMinute, "txtFZoneMinute"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ControlName(c.side, c.control), c.name);
  }
}

TEST(DateTimeLists, EntriesInOrder) {
  const struct {
    const char* source;
    DateTimeList list;
    std::size_t count;
    const char* first;
    const char* last;
  } cases[] = {
      {"days", DateTimeList::Day, 31, "1", "31"},
      {"months", DateTimeList::Month, 12, "January", "December"},
      {"years", DateTimeList::Year, 150, "1901", "2050"},
      {"birth-details hours", DateTimeList::HourThrough24, 25, "0", "24"},
      {"Western hours", DateTimeList::Hour, 24, "0", "23"},
      {"minutes", DateTimeList::Minute, 60, "0", "59"},
      {"seconds", DateTimeList::Second, 60, "0", "59"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.source);
    const auto& entries = DateTimeListEntries(c.list);
    ASSERT_EQ(entries.size(), c.count);
    EXPECT_EQ(entries.front(), c.first);
    EXPECT_EQ(entries.back(), c.last);
  }
  const auto zones = TimeZoneEntryTexts();
  ASSERT_EQ(zones.size(), 71U);
  EXPECT_EQ(zones.front(), "Alaska/Hawaii Daylight Time,AHDT,-9.0");
  EXPECT_EQ(zones.back(), "Yukon War Time,YWT,-8.0");
}

TEST(DateTimeLists, PositionsAndMonthNumbers) {
  const struct {
    const char* source;
    DateTimeList list;
    const char* text;
    std::optional<int> position;
  } cases[] = {
      {"February is the second month", DateTimeList::Month, "February", 1},
      {"24 is the last birth-details hour", DateTimeList::HourThrough24, "24", 24},
      {"the Western hours end at 23", DateTimeList::Hour, "24", std::nullopt},
      {"no leading zeros", DateTimeList::Minute, "07", std::nullopt},
      {"month names are compared exactly", DateTimeList::Month, "january", std::nullopt},
      {"the years start at 1901", DateTimeList::Year, "1900", std::nullopt},
      {"no blanks around a number", DateTimeList::Day, " 5", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DateTimeListPosition(c.list, c.text), c.position) << c.source;
  }
  EXPECT_EQ(MonthNumber("January"), 1);
  EXPECT_EQ(MonthNumber("December"), 12);
  EXPECT_EQ(MonthNumber("Smarch"), std::nullopt);
}

TEST(CheckDayOfMonth, DaysTheMonthDoesNotHave) {
  constexpr const char* kFebruaryMale = "Please Enter Your Correct Date Or Month!";
  constexpr const char* kFebruaryFemale = "Please Enter Your Partner's Correct Date Or Month!";
  constexpr const char* kShortMale = "Please Enter Your Correct Date Or Month !";
  constexpr const char* kShortFemale = "Please Enter Your Partner's Correct Date Or Month !";
  const struct {
    const char* source;
    int day, month, year;
    PersonSide side;
    const char* message;  // nullptr: the day is fine
  } cases[] = {
      {"29 February of a leap year", 29, 2, 2000, kMale, nullptr},
      {"29 February of a common year", 29, 2, 1999, kMale, kFebruaryMale},
      {"30 February of a leap year", 30, 2, 1904, kFemale, kFebruaryFemale},
      {"28 February", 28, 2, 1901, kMale, nullptr},
      {"31 April", 31, 4, 1980, kMale, kShortMale},
      {"31 June", 31, 6, 1980, kFemale, kShortFemale},
      {"31 September", 31, 9, 1980, kMale, kShortMale},
      {"31 November", 31, 11, 1980, kFemale, kShortFemale},
      {"30 November", 30, 11, 1980, kMale, nullptr},
      {"31 December", 31, 12, 1980, kMale, nullptr},
      {"31 January", 31, 1, 1980, kFemale, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.source);
    const auto failure = CheckDayOfMonth(c.day, c.month, c.year, c.side);
    if (c.message == nullptr) {
      EXPECT_FALSE(failure.has_value());
      continue;
    }
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->Message, c.message);
    EXPECT_EQ(failure->Icon, MessageIcon::Information);
    EXPECT_EQ(FocusedControlName(*failure).value_or(""), "");  // the date messages focus no control
  }
}

TEST(KeyRules, BirthDetailsForm) {
  constexpr const char* kNumbers = "Please Enter Only Numbers";
  constexpr const char* kCharacters = "Please Enter Only Characters";
  const struct {
    const char* source;
    int key;
    FormControl control;
    const char* refusal;  // nullptr: the key passes
  } cases[] = {
      {"digit 0", '0', FormControl::LatDeg, nullptr},
      {"digit 9", '9', FormControl::ZoneHour, nullptr},
      {"backspace in digits", 8, FormControl::LatMin, nullptr},
      {"code 127 in digits", 127, FormControl::LongDeg, nullptr},
      {"minus sign cannot be typed", '-', FormControl::ZoneHour, kNumbers},
      {"slash, just below 0", '/', FormControl::LongMin, kNumbers},
      {"colon, just above 9", ':', FormControl::ZoneMinute, kNumbers},
      {"decimal point", '.', FormControl::LatDeg, kNumbers},
      {"blank in digits", ' ', FormControl::LatDeg, kNumbers},
      {"letter in digits", 'a', FormControl::LatDeg, kNumbers},
      {"Enter in digits", 13, FormControl::LatDeg, kNumbers},
      {"A", 'A', FormControl::Name, nullptr},
      {"Z", 'Z', FormControl::Name, nullptr},
      {"a", 'a', FormControl::Name, nullptr},
      {"z", 'z', FormControl::Name, nullptr},
      {"blank in a name", ' ', FormControl::Name, nullptr},
      {"backspace in a name", 8, FormControl::Name, nullptr},
      {"code 127 in a name", 127, FormControl::Name, nullptr},
      {"Enter in a name", 13, FormControl::Name, kCharacters},
      {"digit in a name", '5', FormControl::Name, kCharacters},
      {"@, just below A", '@', FormControl::Name, kCharacters},
      {"[, just above Z", '[', FormControl::Name, kCharacters},
      {"`, just below a", '`', FormControl::Name, kCharacters},
      {"{, just above z", '{', FormControl::Name, kCharacters},
      {"apostrophe in a name", '\'', FormControl::Name, kCharacters},
      {"hyphen in a name", '-', FormControl::Name, kCharacters},
      {"city takes digits", '7', FormControl::City, nullptr},
      {"city takes Enter", 13, FormControl::City, nullptr},
      {"city takes punctuation", ',', FormControl::City, nullptr},
      {"city takes a minus", '-', FormControl::City, nullptr},
  };
  for (const auto& c : cases) {
    const auto rule = KeyRuleOf(FormKind::Vedic, c.control);
    const auto refusal = rule ? RefuseKey(FormKind::Vedic, *rule, c.key) : std::nullopt;
    if (c.refusal == nullptr) {
      EXPECT_FALSE(refusal.has_value()) << c.source;
    } else {
      EXPECT_EQ(refusal.value_or("(passed)"), c.refusal) << c.source;
    }
  }
}

TEST(KeyRules, WesternForm) {
  // Backspace (8) and code 127 pass both filters; Enter (13) is no letter.
  const struct {
    KeyRule rule;
    std::string_view passing;
    std::string_view refused;
    const char* message;
  } cases[] = {
      {KeyRule::Letters, "AZaz \b\x7f", "5-'.\r", "Please enter only letters"},
      {KeyRule::Digits, "09\b\x7f", "-. a", "Please enter only numbers"},
  };
  for (const auto& c : cases) {
    for (const char key : c.passing) {
      EXPECT_FALSE(RefuseKey(FormKind::Western, c.rule, key).has_value()) << int{key};
    }
    for (const char key : c.refused) {
      EXPECT_EQ(RefuseKey(FormKind::Western, c.rule, key), c.message) << int{key};
    }
  }
  EXPECT_EQ(KeyRuleOf(FormKind::Western, FormControl::Country), KeyRule::Letters);
  EXPECT_EQ(KeyRuleOf(FormKind::Western, FormControl::LongMin), KeyRule::Digits);
  EXPECT_FALSE(KeyRuleOf(FormKind::Western, FormControl::Year).has_value());
  // The birth-details form lets any text into the place boxes.
  EXPECT_FALSE(KeyRuleOf(FormKind::Vedic, FormControl::Country).has_value());
}

TEST(LookupPlace, ChecksThePlaceBoxesThenBuildsTheQuery) {
  const struct {
    const char* source;
    PersonSide side;
    const char *city, *state, *country;
    const char* message;  // nullptr: the query is built
    const char* control;
    const char* query;
  } cases[] = {
      {"empty city first", kMale, "", "", "", "Please Enter City", "txtMCity", ""},
      {"state empty, city filled", kFemale, "Pune", "", "India", "Please Enter State", "txtFState",
       ""},
      {"country empty", kMale, "Pune", "Maharashtra", "", "Please Enter Country", "txtMCountry",
       ""},
      {"blanks are kept", kFemale, " Pune", "Maharashtra", "India ", nullptr, "",
       " Pune Maharashtra India  Latitude Longitude"},
      {"the example query", kMale, "Pune", "Maharashtra", "India", nullptr, "",
       "Pune Maharashtra India Latitude Longitude"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.source);
    const PlaceLookup lookup = LookupPlace(c.city, c.state, c.country, c.side);
    EXPECT_EQ(lookup.Query, c.query);
    if (c.message == nullptr) {
      EXPECT_FALSE(lookup.Failure.has_value());
      continue;
    }
    ASSERT_TRUE(lookup.Failure.has_value());
    EXPECT_EQ(lookup.Failure->Message, c.message);
    EXPECT_EQ(lookup.Failure->Icon, MessageIcon::Error);
    EXPECT_EQ(FocusedControlName(*lookup.Failure).value_or(""), c.control);
  }
}

TEST(FormResult, ValueOrRefusal) {
  const FormResult<int> cases[] = {
      7,
      FormFailure{"Please Enter City", MessageIcon::Error,
                  PanelControl{PersonSide::Male, FormControl::City}, false},
      FormFailure{"Please Select Direction For The Latitude", MessageIcon::Error,
                  PanelControl{PersonSide::Female, FormControl::North}, true},
  };
  EXPECT_FALSE(IsRefused(cases[0]));
  EXPECT_EQ(std::get<int>(cases[0]), 7);
  for (const auto* refused : {&cases[1], &cases[2]}) {
    ASSERT_TRUE(IsRefused(*refused));
    EXPECT_FALSE(std::get<FormFailure>(*refused).Message.empty());
  }
  EXPECT_TRUE(std::get<FormFailure>(cases[2]).SelectsOption);
  EXPECT_EQ(FocusedControlName(std::get<FormFailure>(cases[1])), "txtMCity");
  EXPECT_EQ(FocusedControlName(std::get<FormFailure>(cases[2])), "optFNorth");
}

struct MonthCase {
  int year;
  int month;
  Calendar calendar;
  int days;
  const char* source;
};

// Dershowitz and Reingold, Calendrical Calculations, ch. 2 and 3: every fourth Julian year
// is a leap year; the Gregorian calendar drops the centuries not divisible by 400.
TEST(Calendar, DaysInMonthFollowTheCalendarsLeapRule) {
  constexpr MonthCase kCases[] = {
      {1900, 2, Calendar::Julian, 29, "the forms' lists: every fourth year"},
      {1900, 2, Calendar::Gregorian, 28, "a Gregorian century"},
      {1900, 2, Calendar::JulianUntilReform, 28, "after the reform"},
      {2000, 2, Calendar::Gregorian, 29, "divisible by 400"},
      {1500, 2, Calendar::Gregorian, 28, "proleptic Gregorian"},
      {1500, 2, Calendar::JulianUntilReform, 29, "before the reform"},
      {1582, 2, Calendar::JulianUntilReform, 28, "the reform year is no leap year"},
      {2023, 2, Calendar::Julian, 28, "a common year"},
      {2024, 4, Calendar::Gregorian, 30, "April"},
      {2024, 12, Calendar::Julian, 31, "December"},
  };
  for (const MonthCase& c : kCases) {
    EXPECT_EQ(DaysInMonth(c.year, c.month, c.calendar), c.days) << c.source;
  }
}

// Typing on a closed list selects the entry typed: an equal entry before a longer one that
// begins with it, the first from the top otherwise.
TEST(TypedEntryPosition, SelectsWhatWasTyped) {
  const struct {
    DateTimeList list;
    std::string_view typed;
    std::optional<int> position;
  } cases[] = {
      {DateTimeList::Day, "1", 0},    // 1, not 10
      {DateTimeList::Day, "12", 11},  // "1" then "2"
      {DateTimeList::Day, "3", 2},    // 3, not 30
      {DateTimeList::Day, "32", std::nullopt},
      {DateTimeList::Hour, "2", 2},  // 2, not 20
      {DateTimeList::Hour, "20", 20},
      {DateTimeList::HourThrough24, "24", 24},
      {DateTimeList::Minute, "0", 0},
      {DateTimeList::Month, "j", 0},  // January
      {DateTimeList::Month, "Jun", 5},
      {DateTimeList::Month, "jul", 6},
      {DateTimeList::Month, "d", 11},
      {DateTimeList::Year, "1", 0},     // 1901
      {DateTimeList::Year, "194", 39},  // 1940
      {DateTimeList::Year, "1944", 43},
      {DateTimeList::Year, "3", std::nullopt},
      {DateTimeList::Day, "", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TypedEntryPosition(DateTimeListEntries(c.list), c.typed), c.position) << c.typed;
  }
}

TEST(UntouchedBirthTime, OnlyTheFormsOwnStartingValuesCount) {
  PersonEntries entries;
  EXPECT_TRUE(IsUntouchedBirthTime(entries));
  EXPECT_EQ(UntouchedBirthTimeQuestion(entries, FormKind::Vedic, PersonSide::Female),
            "The birth date and time of the girl are still 1 January 1901, 00:00:00, as the form "
            "starts. Are they correct?");
  entries.Name = " Ravi ";
  EXPECT_NE(UntouchedBirthTimeQuestion(entries, FormKind::Western, PersonSide::Male)
                .find("of Ravi are still"),
            std::string::npos);
  for (std::string PersonEntries::*field :
       {&PersonEntries::Day, &PersonEntries::Month, &PersonEntries::Year, &PersonEntries::Hour,
        &PersonEntries::Minute, &PersonEntries::Second}) {
    PersonEntries touched;
    touched.*field = touched.*field == "January" ? "February" : "2";
    EXPECT_FALSE(IsUntouchedBirthTime(touched));
  }
}

}  // namespace
}  // namespace lumora
