// SPDX-License-Identifier: MIT
// Birth forms whose clock comes from a zone: a form filled from the atlas gives the match of
// the same values typed by hand, universal time from the exact offset, and the refusals of
// times that never existed or occurred twice.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

#include "core/entry/date_lists.h"
#include "core/entry/time_zones.h"
#include "core/ephemeris/calendar.h"
#include "core/places/atlas.h"
#include "core/places/clock.h"
#include "core/places/place_form.h"
#include "core/vedic/match/match.h"
#include "core/western/western_form.h"
#include "core/western/western_run.h"
#include "reference_forms.h"

namespace lumora {
namespace {

constexpr double kMicroDegree = 1e-6;

const Atlas& BundledAtlas() {
  static const std::shared_ptr<const Atlas> atlas =
      std::get<std::shared_ptr<const Atlas>>(Atlas::LoadInstalled());
  return *atlas;
}

struct Birth {
  std::string_view place;  // atlas query
  int year;
  int month;
  int day;
  int hour;
  int minute;
};

// Fills one side from the atlas's first place: coordinates, and either the zone id (as a
// form filled from the atlas) or the zone boxes and DST box of its reading (typed by hand).
void FillSide(BirthFormSide& side, const Birth& birth, bool from_atlas) {
  const auto places = BundledAtlas().Search(birth.place, 1);
  ASSERT_EQ(places.size(), 1u) << birth.place;
  const Place& place = places[0];
  side.City = place.Name;
  side.State = place.State;
  side.Country = place.Country;
  side.Day = std::to_string(birth.day);
  side.Month = DateTimeListEntries(DateTimeList::Month)[birth.month - 1];
  side.Year = std::to_string(birth.year);
  side.Hour = std::to_string(birth.hour);
  side.Minute = std::to_string(birth.minute);
  const CoordinateFormValues c = CoordinatesOf(place);
  side.LatDeg = std::to_string(c.LatDeg);
  side.LatMin = std::to_string(c.LatMin);
  side.North = c.North;
  side.South = !c.North;
  side.LongDeg = std::to_string(c.LongDeg);
  side.LongMin = std::to_string(c.LongMin);
  side.East = c.East;
  side.West = !c.East;
  if (from_atlas) {
    side.TimeZoneId = place.TimeZone;
    return;
  }
  const auto clock = ReadPersonClock(
      place.TimeZone, {birth.year, birth.month, birth.day, birth.hour, birth.minute}, std::nullopt,
      PanelControl{PersonSide::Male, FormControl::Hour});
  ASSERT_FALSE(IsRefused(clock));
  const ZoneFormValues zone = FormValuesOf(std::get<PersonClock>(clock).Reading);
  side.ZoneHour = std::to_string(zone.ZoneHour);
  side.ZoneMinute = std::to_string(zone.ZoneMinute);
  side.DST = zone.IsDST;
}

struct CoupleCase {
  const char* source;
  Birth boy;
  Birth girl;
};

// Places whose zone direction agrees with their hemisphere, so the typed zone boxes can
// express their clocks.
constexpr CoupleCase kCouples[] = {
    {"Pune and Bombay, standard time",
     {"Pune", 1990, 5, 17, 6, 45},
     {"Bombay", 1992, 11, 2, 22, 10}},
    {"Indian war time", {"Calcutta", 1943, 3, 1, 12, 0}, {"Bangalore", 1944, 8, 9, 4, 30}},
    {"New York on daylight time in January 1974",
     {"New York City", 1974, 1, 15, 12, 0},
     {"Sydney", 1975, 1, 20, 18, 0}},
    {"Kathmandu before 1986",
     {"Kathmandu", 1985, 6, 1, 9, 0},
     {"Perth, Australia", 1986, 2, 3, 10, 5}},
};

class AtlasFilledForms : public ::testing::TestWithParam<CoupleCase> {};

TEST_P(AtlasFilledForms, SameMatchAsTypedByHand) {
  const CoupleCase& c = GetParam();
  BirthForm typed = testing::ReferenceForm();
  BirthForm filled = testing::ReferenceForm();
  FillSide(typed.Male, c.boy, false);
  FillSide(typed.Female, c.girl, false);
  FillSide(filled.Male, c.boy, true);
  FillSide(filled.Female, c.girl, true);
  filled.Male.ZoneHour.clear();  // the zone's offset stands in for the boxes
  filled.Female.ZoneMinute.clear();

  MatchState typed_state;
  MatchState filled_state;
  const MatchOutcome by_hand = RunMatch(typed_state, typed);
  const MatchOutcome from_atlas = RunMatch(filled_state, filled);
  ASSERT_TRUE(by_hand.Result) << c.source << ": " << by_hand.Failure->Message;
  ASSERT_TRUE(from_atlas.Result) << c.source << ": " << from_atlas.Failure->Message;
  EXPECT_NEAR(from_atlas.Result->BoyMoon->SiderealLongitude,
              by_hand.Result->BoyMoon->SiderealLongitude, kMicroDegree)
      << c.source;
  EXPECT_NEAR(from_atlas.Result->GirlMoon->SiderealLongitude,
              by_hand.Result->GirlMoon->SiderealLongitude, kMicroDegree)
      << c.source;
  EXPECT_EQ(from_atlas.Result->TotalPoints, by_hand.Result->TotalPoints) << c.source;
  EXPECT_EQ(from_atlas.Result->Grid, by_hand.Result->Grid) << c.source;
  ASSERT_TRUE(from_atlas.Result->BoyClock) << c.source;
  EXPECT_FALSE(by_hand.Result->BoyClock) << c.source;
}

INSTANTIATE_TEST_SUITE_P(Couples, AtlasFilledForms, ::testing::ValuesIn(kCouples));

TEST(ExactOffset, UniversalTimeIsClockLessOffsetWhateverTheHemisphere) {
  const struct {
    const char* source;
    int hour;
    int minute;
    int offset_seconds;
    bool east;  // the longitude's hemisphere, which the exact offset overrides
    double ut;
  } cases[] = {
      {"Madrid summer: west of Greenwich, clocks two hours ahead", 12, 0, 7200, false, 10.0},
      {"Kathmandu +05:45", 12, 0, 20700, true, 6.25},
      {"New York daylight time", 8, 30, -14400, false, 12.5},
      {"Madras time +05:21:10", 0, 0, 19270, true, -19270.0 / 3600.0},
  };
  for (const auto& c : cases) {
    BirthMoment moment;
    moment.BirthHour = c.hour;
    moment.BirthMinute = c.minute;
    moment.ZoneHour = 9;  // not read
    moment.IsDST = true;  // not read
    moment.LongDeg = 3;
    moment.IsEast = c.east;
    moment.UtcOffsetSeconds = c.offset_seconds;
    EXPECT_DOUBLE_EQ(UniversalTime(moment), c.ut) << c.source;
  }
}

TEST(ExactOffset, PlanetsCountFromTheSameInstant) {
  WesternBirthData data;
  data.BirthYear = 1990;
  data.BirthMonth = 1;
  data.BirthDay = 1;
  data.BirthHour = 2;
  data.BirthMinute = 0;
  data.ZoneAddHours = 3;  // not read
  data.IsDST = true;      // not read
  data.UtcOffsetSeconds = 20700;
  const CivilDateTime when = PlanetDateTime(data);
  EXPECT_EQ(when.Year, 1989);
  EXPECT_EQ(when.Month, 12);
  EXPECT_EQ(when.Day, 31);
  EXPECT_EQ(when.Hour, 20);
  EXPECT_EQ(when.Minute, 15);
}

TEST(ZoneForms, GapsAndRepeatedHoursAreRefusedOnTheHourList) {
  const struct {
    const char* source;
    const char* girl_hour;
    const char* girl_minute;
    std::optional<ClockChoice> choice;
    const char* control;  // nullptr: the match runs
    int offset;
  } cases[] = {
      {"never existed", "2", "30", std::nullopt, "cboFHH", 0},
      {"repeated hour without a reading", "1", "30", std::nullopt, "cboFHH", 0},
      {"repeated hour, earlier reading", "1", "30", ClockChoice::Earlier, nullptr, -14400},
      {"repeated hour, later reading", "1", "30", ClockChoice::Later, nullptr, -18000},
  };
  for (const auto& c : cases) {
    BirthForm form = testing::ReferenceForm();
    form.Female.TimeZoneId = "America/New_York";
    form.Female.Year = "2024";
    form.Female.Month = std::string(c.choice || c.girl_hour[0] == '1' ? "November" : "March");
    form.Female.Day = c.girl_hour[0] == '1' ? "3" : "10";
    form.Female.Hour = c.girl_hour;
    form.Female.Minute = c.girl_minute;
    form.Female.ClockReading = c.choice;
    MatchState state;
    const MatchOutcome outcome = RunMatch(state, form);
    if (c.control) {
      ASSERT_TRUE(outcome.Failure) << c.source;
      EXPECT_EQ(FocusedControlName(*outcome.Failure).value_or(""), c.control) << c.source;
      continue;
    }
    ASSERT_TRUE(outcome.Result) << c.source << ": " << outcome.Failure->Message;
    EXPECT_EQ(outcome.Result->GirlClock->Reading.UtcOffsetSeconds, c.offset) << c.source;
  }
}

TEST(ZoneForms, WesternPanelFromTheAtlasMatchesTheTypedRow) {
  WesternFormSide typed;
  typed.Name = "Arun";
  typed.Day = "5";
  typed.Year = "1980";
  typed.Hour = "5";
  typed.Minute = "7";
  typed.City = "Pune";
  typed.State = "Maharashtra";
  typed.Country = "India";
  typed.LatDeg = "18";
  typed.LatMin = "31";
  typed.LongDeg = "73";
  typed.LongMin = "51";
  typed.TimeZoneRow = 34;  // "Indian Time, IST, +5.3"
  WesternFormSide filled = typed;
  filled.TimeZoneId = "Asia/Kolkata";
  filled.TimeZoneRow = 71;  // an entry beyond the table, as the window adds for a zone
  filled.DST = true;        // not read with a zone

  const WesternTestOutcome by_hand = RunWesternTest({typed, typed});
  const WesternTestOutcome from_atlas = RunWesternTest({filled, filled});
  ASSERT_TRUE(std::holds_alternative<WesternTestResult>(by_hand));
  ASSERT_TRUE(std::holds_alternative<WesternTestResult>(from_atlas))
      << std::get<FormFailure>(from_atlas).Message;
  const auto& a = std::get<WesternTestResult>(by_hand);
  const auto& b = std::get<WesternTestResult>(from_atlas);
  for (std::size_t i = 0; i < kChartPointCount; ++i) {
    const auto point = static_cast<ChartPoint>(i);
    EXPECT_EQ(PositionText(a.Male, point), PositionText(b.Male, point)) << i;
    EXPECT_NEAR(a.Male.LongitudeOf(point), b.Male.LongitudeOf(point), kMicroDegree) << i;
  }
  ASSERT_TRUE(b.MaleClock);
  EXPECT_EQ(b.MaleClock->Reading.Abbreviation, "IST");
}

// A zone typed by hand, with its direction chosen beside it or not: universal time of a
// noon birth. Without a choice the zone lies on the longitude's side, as forms always read
// it; with one, a clock ahead of UTC west of Greenwich reads right.
enum class Direction { Neither, Ahead, Behind };

struct HandZoneCase {
  const char* source;
  const char* long_deg;
  const char* long_min;
  bool west;
  const char* zone_hour;
  const char* zone_minute;
  bool dst;
  Direction direction;
  double universal_hours;  // of a birth at 12:00 on the clock
};

constexpr HandZoneCase kHandZones[] = {
    {"London, British Double Summer Time +2 from the picker", "0", "7", true, "2", "0", false,
     Direction::Ahead, 10.0},
    {"London, the same without a direction: the old reading, two hours out", "0", "7", true, "2",
     "0", false, Direction::Neither, 14.0},
    {"Madrid, CET +1 west of Greenwich", "3", "42", true, "1", "0", false, Direction::Ahead, 11.0},
    {"Madrid, CET with its summer hour", "3", "42", true, "1", "0", true, Direction::Ahead, 10.0},
    {"India's +5:30 from TZ Help on a western longitude", "73", "51", true, "5", "30", false,
     Direction::Ahead, 6.5},
    {"New York, EST -5 with the longitude's own direction", "74", "0", true, "5", "0", false,
     Direction::Behind, 17.0},
    {"New York, EDT: the summer hour comes off a zone behind UTC", "74", "0", true, "5", "0", true,
     Direction::Behind, 16.0},
    {"a zone behind UTC east of Greenwich", "10", "0", false, "3", "0", false, Direction::Behind,
     15.0},
    {"east without a direction: the old reading", "77", "12", false, "5", "30", false,
     Direction::Neither, 6.5},
};

TEST(HandTypedZone, ItsDirectionDecidesUniversalTime) {
  for (const HandZoneCase& c : kHandZones) {
    BirthForm form = testing::ReferenceForm();
    BirthFormSide& boy = form.Male;
    boy.Hour = "12";
    boy.Minute = "0";
    boy.LongDeg = c.long_deg;
    boy.LongMin = c.long_min;
    boy.East = !c.west;
    boy.West = c.west;
    boy.ZoneHour = c.zone_hour;
    boy.ZoneMinute = c.zone_minute;
    boy.DST = c.dst;
    boy.ZoneAhead = c.direction == Direction::Ahead;
    boy.ZoneBehind = c.direction == Direction::Behind;
    const auto read = ValidateBirthDetails(form);
    ASSERT_FALSE(IsRefused(read)) << c.source;
    const BirthMoment& moment = std::get<FormSides<BirthDetails>>(read).Male.Moment;
    EXPECT_NEAR(UniversalTime(moment), c.universal_hours, 1e-9) << c.source;
  }
}

TEST(HandTypedZone, TheWesternListRowTakesTheChosenDirection) {
  // "British Double Summer Time,BDST,+2.0" at London, west of Greenwich, at noon.
  const struct {
    const char* source;
    Direction direction;
    int zone_add_hours;      // what the planets' day count adds to the clock
    double universal_hours;  // what the Moon and the angles read
  } cases[] = {
      {"the row's own sign, as the list sets it", Direction::Ahead, -2, 10.0},
      {"behind UTC chosen by hand", Direction::Behind, 2, 14.0},
      {"no direction: the row's sign and the old reading of the Moon", Direction::Neither, -2,
       14.0},
  };
  const auto row = FindTimeZoneRow("British Double Summer Time,BDST,+2.0");
  ASSERT_TRUE(row);
  for (const auto& c : cases) {
    WesternFormSide panel;
    panel.Hour = "12";
    panel.LatDeg = "51";
    panel.LatMin = "30";
    panel.LongDeg = "0";
    panel.LongMin = "7";
    panel.East = false;
    panel.West = true;
    panel.TimeZoneRow = *row;
    panel.ZoneAhead = c.direction == Direction::Ahead;
    panel.ZoneBehind = c.direction == Direction::Behind;
    const auto data = ReadWesternBirthData(panel, PersonSide::Male);
    ASSERT_FALSE(IsRefused(data)) << c.source;
    const WesternBirthData& d = std::get<WesternBirthData>(data);
    EXPECT_EQ(d.ZoneAddHours, c.zone_add_hours) << c.source;
    EXPECT_NEAR(UniversalTime(d), c.universal_hours, 1e-9) << c.source;
  }
}

}  // namespace
}  // namespace lumora
