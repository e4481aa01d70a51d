// SPDX-License-Identifier: MIT
// Calendar, Moon and zodiac conventions against published and hand-checked values.
#include <gtest/gtest.h>

#include <cmath>

#include "core/ephemeris/calendar.h"
#include "core/ephemeris/moon.h"
#include "core/ephemeris/moon_sign.h"
#include "core/ephemeris/zodiac.h"
#include "support/births.h"

namespace lumora {
namespace {

using namespace ::lumora::testing;

constexpr double kMicroDegree = 1e-6;
constexpr double kTwelvePlaces = 1e-12;

// A birth with only what the Moon reads: the clock, its zone, and the longitude's side.
BirthMoment Moment(int y, int mo, int d, int h, int mi, int zh, int zm, bool east, bool dst = false,
                   int long_deg = 77) {
  return InZone(MomentAt(y, mo, d, h, mi, {0, 0, false, long_deg, 0, east}), zh, zm, dst);
}

struct DayCase {
  int year, month, day;
  double expected;
};

TEST(JulianDayNumber, KnownDates) {
  // Meeus ch. 7 and the switch from the Julian to the Gregorian calendar:
  // 15 October 1582 is still counted as a Julian-calendar date (strict comparison).
  const DayCase cases[] = {
      {2000, 1, 1, 2451545},  {1900, 1, 1, 2415021},   {1600, 3, 1, 2305508},
      {1582, 10, 4, 2299160}, {1582, 10, 15, 2299171}, {1582, 10, 16, 2299162},
      {1947, 8, 15, 2432413}, {1999, 13, 1, 2451545},  // month 13 of 1999 is January 2000
      {2000, 3, 0, 2451604},                           // day 0 is 29 February 2000
  };
  for (const auto& c : cases) {
    EXPECT_EQ(JulianDayNumber(c.month, c.day, c.year), c.expected)
        << c.year << "-" << c.month << "-" << c.day;
  }
}

struct UtCase {
  BirthMoment moment;
  double ut;
};

TEST(UniversalTime, HemisphereAndDaylightSaving) {
  const UtCase cases[] = {
      {Moment(2000, 1, 1, 12, 0, 0, 0, false, false, 0), 12.0},
      {Moment(2000, 1, 1, 17, 30, 5, 30, true), 12.0},
      {Moment(1976, 7, 4, 10, 30, 5, 0, false, true), 14.5},  // west + DST: zone 4 h
      {Moment(1976, 7, 4, 10, 30, 5, 0, true, true), 4.5},    // east + DST: zone 6 h
      {DelhiMoment(), -5.5},                                  // not reduced into 0..24
      // 0 deg 0 min "east" is -0, not below 0, so the west rule applies.
      {Moment(2000, 1, 1, 12, 0, 1, 0, true, false, 0), 13.0},
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(UniversalTime(c.moment), c.ut);
  }
}

TEST(TimeArguments, SameInstantSameT) {
  EXPECT_EQ(ComputeTimeArguments(Moment(2000, 1, 1, 12, 0, 0, 0, false, false, 0)).T, 0.0);
  EXPECT_NEAR(ComputeTimeArguments(Moment(2000, 1, 1, 17, 30, 5, 30, true)).T, 0.0, kTwelvePlaces);
  EXPECT_NEAR(ComputeTimeArguments(DelhiMoment()).T, -0.523825576089, kTwelvePlaces);
  // Hour 24 is not carried into the next day, yet names the same instant.
  EXPECT_NEAR(ComputeTimeArguments(Moment(2000, 1, 1, 24, 30, 0, 0, false, false, 0)).T,
              ComputeTimeArguments(Moment(2000, 1, 2, 0, 30, 0, 0, false, false, 0)).T,
              kTwelvePlaces);
}

struct MoonCase {
  const char* source;
  double T;
  double lambda, correction, sidereal;
};

TEST(MoonLongitude, ReferenceInstants) {
  const MoonCase cases[] = {
      {"J2000.0", 0.0, 223.316103, -23.853726, 199.462377},
      {"13 January 2000 12:00 UT", 12.0 / 36525.0, 9.384144, -23.854134, 345.530011},
      {"15 August 1947 00:00 +5:30", -0.523825576089, 117.109656, -23.121833, 93.987823},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.source);
    EXPECT_NEAR(MoonLongitude(c.T), c.lambda, kMicroDegree);
    EXPECT_NEAR(AyanamsaCorrection(c.T), c.correction, kMicroDegree);
    EXPECT_NEAR(SiderealLongitude(MoonLongitude(c.T), AyanamsaCorrection(c.T)), c.sidereal,
                kMicroDegree);
  }
}

TEST(MoonLongitude, StaysWithinOneTurnFarFromJ2000) {
  for (double T : {-4.18, -1.0, 0.37, 2.5, 10.0}) {
    const double lambda = MoonLongitude(T);
    EXPECT_GE(lambda, 0.0) << T;
    EXPECT_LE(lambda, 360.0) << T;
  }
}

struct FormatCase {
  double longitude;
  const char* text;
  int nakshatra;
};

TEST(FormatZodiacLongitude, TruncatesAndNamesTheSign) {
  const FormatCase cases[] = {
      {199.462377, "19\u00B0 27' 44\" Lib", 14},
      {345.530011, "15\u00B0 31' 48\" Pis", 25},
      {93.987823, "3\u00B0 59' 16\" Can", 7},
      {30.0, "0\u00B0 0' 0\" Tau", 2},
      {0.0, "0\u00B0 0' 0\" Ari", 0},
      {29.9999999, "29\u00B0 59' 59\" Ari", 2},  // seconds never carry
      {35.25, "5\u00B0 15' 0\" Tau", 2},
      {35.05, "5\u00B0 2' 59\" Tau", 2},    // 35.05 is stored just below: truncated
      {360.0, "0\u00B0 0' 0\" Ari", 0},     // a full turn is the start of Aries and Ashwini
      {-12.5, "17\u00B0 30' 0\" Pis", 26},  // 12.5 degrees before Aries, not after it
      {719.5, "29\u00B0 30' 0\" Pis", 26},  // two turns less half a degree
      {388.0, "28\u00B0 0' 0\" Ari", 2},    // sign and nakshatra from the same reduction
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatZodiacLongitude(c.longitude), c.text) << c.longitude;
    EXPECT_EQ(NakshatraIndex(c.longitude), c.nakshatra) << c.longitude;
  }
}

struct SignCase {
  BirthMoment moment;
  const char* text;
  const char* sign;
  const char* nakshatra;
};

TEST(CalculateMoonSign, WholeBirthMoments) {
  const SignCase cases[] = {
      {Moment(2000, 1, 1, 12, 0, 0, 0, false, false, 0), "19\u00B0 27' 44\" Lib", "Libra (Thula)",
       "Swati"},
      {Moment(2000, 1, 13, 12, 0, 0, 0, false, false, 0), "15\u00B0 31' 48\" Pis", "Pisces (Meena)",
       "Uttara Bhadrapada"},
      {DelhiMoment(), "3\u00B0 59' 16\" Can", "Cancer (Kataka)", "Pushya"},
  };
  for (const auto& c : cases) {
    const MoonSignResult r = CalculateMoonSign(c.moment);
    EXPECT_EQ(r.MoonLongitudeText, c.text);
    EXPECT_EQ(r.MoonSignName, c.sign);
    EXPECT_EQ(r.NakshatraName, c.nakshatra);
  }
  // The sign typed for the zone never matters, only the hemisphere: -5 reaches here as 5.
  const MoonSignResult a = CalculateMoonSign(Moment(1980, 1, 5, 5, 7, 5, 0, false));
  EXPECT_NEAR(a.UT, 10.1166666666, 1e-9);
}

}  // namespace
}  // namespace lumora
