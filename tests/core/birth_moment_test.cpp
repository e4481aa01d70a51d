// SPDX-License-Identifier: MIT
// Birth moments outside the calendar are refused by name, and every longitude is
// reduced once into [0, 360).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/ephemeris/birth_moment.h"
#include "core/ephemeris/moon_sign.h"
#include "core/ephemeris/zodiac.h"

namespace lumora {
namespace {

BirthMoment Date(int year, int month, int day) {
  BirthMoment moment;
  moment.BirthYear = year;
  moment.BirthMonth = month;
  moment.BirthDay = day;
  return moment;
}

struct MomentCase {
  const char* source;
  BirthMoment moment;
  const char* message;  // nullptr: accepted
};

TEST(ValidateBirthMoment, RefusesWhatNoCalendarHoldsByName) {
  auto with = [](BirthMoment m, int BirthMoment::*member, int value) {
    m.*member = value;
    return m;
  };
  const BirthMoment base = Date(1990, 4, 30);
  const MomentCase cases[] = {
      {"30 April 1990", base, nullptr},
      {"month 13", Date(1990, 13, 1), "BirthMonth must be a whole number from 1 to 12"},
      {"month 0", Date(1990, 0, 1), "BirthMonth must be a whole number from 1 to 12"},
      {"day 0", Date(1990, 1, 0), "BirthDay must be a whole number from 1 to 31"},
      {"day 40", Date(1990, 1, 40), "BirthDay must be a whole number from 1 to 31"},
      {"31 April", Date(1990, 4, 31), "BirthDay must be from 1 to 30 in month 4 of 1990"},
      {"year 100000", Date(100000, 1, 1), "BirthYear must be a whole number from 1 to 9999"},
      {"year 0", Date(0, 1, 1), "BirthYear must be a whole number from 1 to 9999"},
      {"year -1947", Date(-1947, 8, 15), "BirthYear must be a whole number from 1 to 9999"},
      {"31 December 9999", Date(9999, 12, 31), nullptr},
      {"29 February 2000 (Gregorian leap year)", Date(2000, 2, 29), nullptr},
      {"29 February 1900 (no Gregorian leap year)", Date(1900, 2, 29),
       "BirthDay must be from 1 to 28 in month 2 of 1900"},
      {"29 February 1500 (Julian leap year)", Date(1500, 2, 29), nullptr},
      {"10 October 1582 (left out at the reform)", Date(1582, 10, 10),
       "BirthDay: 5 to 14 October 1582 were left out at the calendar reform"},
      {"15 October 1582", Date(1582, 10, 15), nullptr},
      {"hour 24", with(base, &BirthMoment::BirthHour, 24), nullptr},
      {"hour 25", with(base, &BirthMoment::BirthHour, 25),
       "BirthHour must be a whole number from 0 to 24"},
      {"minute 60", with(base, &BirthMoment::BirthMinute, 60),
       "BirthMinute must be a whole number from 0 to 59"},
      {"negative zone (directions come from the flags)", with(base, &BirthMoment::ZoneHour, -5),
       "ZoneHour must be a whole number from 0 to 14"},
      {"longitude 181", with(base, &BirthMoment::LongDeg, 181),
       "LongDeg must be a whole number from 0 to 180"},
      {"latitude 91", with(base, &BirthMoment::LatDeg, 91),
       "LatDeg must be a whole number from 0 to 90"},
  };
  for (const MomentCase& c : cases) {
    SCOPED_TRACE(c.source);
    const auto failure = ValidateBirthMoment(c.moment);
    if (c.message == nullptr) {
      EXPECT_FALSE(failure.has_value()) << failure->Message;
    } else {
      ASSERT_TRUE(failure.has_value());
      EXPECT_EQ(failure->Message, c.message);
    }
  }
}

TEST(ReduceLongitude, OneTrueModulo) {
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  struct Case {
    double degrees;
    std::optional<double> reduced;
  } cases[] = {
      {0.0, 0.0},
      {359.5, 359.5},
      {360.0, 0.0},
      {-0.5, 359.5},
      {-360.0, 0.0},
      {725.0, 5.0},
      {-725.0, 355.0},
      {1e9, std::fmod(1e9, 360.0)},
      {-1e-300, 0.0},  // the remainder rounds up to 360, which is 0 again
      {std::nan(""), std::nullopt},
      {kInfinity, std::nullopt},
      {-kInfinity, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReduceLongitude(c.degrees), c.reduced) << c.degrees;
  }
  // Nothing loops over an infinity or casts a NaN (UBSan reports a cast of NaN to int).
  EXPECT_EQ(FormatZodiacLongitude(kInfinity), "0\u00B0 0' 0\" Ari");
  EXPECT_EQ(NakshatraIndex(std::nan("")), 0);
}

TEST(CalculateMoonSign, SignAndNakshatraAgreePastAFullTurn) {
  // 19 January of the year 1, midnight at Greenwich: the tropical Moon at 358.3 degrees
  // plus an ayanamsa correction of +3.9 passes a full turn. Raised only from below, the
  // sidereal longitude stayed at 362.2: Aries by its text, but Revati by the clamped
  // nakshatra.
  const MoonSignResult r = CalculateMoonSign(Date(1, 1, 19));
  EXPECT_GE(r.SiderealLongitude, 0.0);
  EXPECT_LT(r.SiderealLongitude, 360.0);
  EXPECT_EQ(r.MoonSignName, "Aries (Mesha)");
  EXPECT_EQ(r.NakshatraName, "Ashwini");
}

}  // namespace
}  // namespace lumora
