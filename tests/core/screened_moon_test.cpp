// SPDX-License-Identifier: MIT
// The Moon summed by angle addition against the direct sum, and the screened Moon of a
// ranking against the full one: the same sign, nakshatra and half sign at every birth.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>

#include "core/ephemeris/moon.h"
#include "core/ephemeris/moon_sign.h"
#include "core/vedic/match/classical_tables.h"
#include "core/vedic/match/koota_scoring.h"

namespace lumora {
namespace {

// Julian centuries from J2000.0 of 1900-01-01 and 2051-01-01, the form's years.
constexpr double kFirstT = -1.0;
constexpr double kLastT = 0.51;

std::mt19937_64& Random() {
  static std::mt19937_64 random = [] {
    const auto seed = std::random_device{}();
    std::printf("screened moon seed %u\n", seed);
    return std::mt19937_64(seed);
  }();
  return random;
}

TEST(QuickMoonLongitude, StaysWithinItsBoundOfTheDirectSum) {
  std::uniform_real_distribution<double> centuries(kFirstT, kLastT);
  double largest = 0.0;
  for (int k = 0; k < 200000; ++k) {
    const double T = centuries(Random());
    const double difference =
        std::fabs(std::remainder(QuickMoonLongitude(T) - MoonLongitude(T), 360.0));
    largest = std::max(largest, difference);
  }
  std::printf("largest difference %.3g degree\n", largest);
  EXPECT_LE(largest, kQuickMoonSumDegrees);
  // The bound is a rounding bound, far below the margin the screen keeps from an edge.
  EXPECT_LT(100.0 * kQuickMoonSumDegrees, kMoonEdgeMarginDegrees);
}

TEST(NearMoonStateEdge, EdgesOfHalfSignsAndNakshatras) {
  constexpr double kMargin = kMoonEdgeMarginDegrees;
  struct Case {
    double Longitude;
    bool Near;
  };
  constexpr Case kCases[] = {
      {0.0, true},                          // the start of Aries
      {kMargin / 2.0, true},                //
      {360.0 - kMargin / 2.0, true},        // the turn, from below
      {2.0 * kMargin, false},               //
      {15.0 - kMargin / 2.0, true},         // the vasya half of Aries
      {15.0 + 2.0 * kMargin, false},        //
      {30.0 + kMargin / 2.0, true},         // Taurus
      {40.0 / 3.0 + kMargin / 2.0, true},   // Bharani
      {40.0 / 3.0 - 2.0 * kMargin, false},  //
      {80.0 / 3.0 - kMargin / 2.0, true},   // Krittika
      {120.0, true},                        // Leo and Magha together
      {7.5, false},                         // far from every edge
      {200.0, true},                        // 20 in Libra, where Vishakha begins
      {205.0, false},                       // 5 degrees into Vishakha
      {std::nan(""), true},                 // nothing to place: the full sum decides
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.Longitude);
    EXPECT_EQ(NearMoonStateEdge(c.Longitude), c.Near);
  }
}

TEST(ScreenedMoonSign, PlacesEveryBirthAsTheFullSumDoes) {
  std::uniform_int_distribution<int> year(1901, 2050);
  std::uniform_int_distribution<int> day(1, 28);
  std::uniform_int_distribution<int> month(1, 12);
  std::uniform_int_distribution<int> minute(0, 24 * 60 - 1);
  int quick = 0;
  for (int k = 0; k < 20000; ++k) {
    BirthMoment m;
    m.BirthYear = year(Random());
    m.BirthMonth = month(Random());
    m.BirthDay = day(Random());
    const int at = minute(Random());
    m.BirthHour = at / 60;
    m.BirthMinute = at % 60;
    for (const Ayanamsa ayanamsa : {Ayanamsa::Standard, Ayanamsa::Raman}) {
      const MoonSignResult full = CalculateMoonSign(m, MoonModel::Standard, ayanamsa);
      const MoonSignResult screened = ScreenedMoonSign(m, MoonModel::Standard, ayanamsa);
      ASSERT_EQ(screened.Position.Sign, full.Position.Sign);
      ASSERT_EQ(NakshatraIndex(screened.SiderealLongitude), NakshatraIndex(full.SiderealLongitude));
      ASSERT_EQ(KootaMoonAt(screened.SiderealLongitude).DegreeInSign < kVasyaHalfSignDegrees,
                KootaMoonAt(full.SiderealLongitude).DegreeInSign < kVasyaHalfSignDegrees);
      ASSERT_EQ(screened.AyanamsaCorrection, full.AyanamsaCorrection);
      ASSERT_LE(std::fabs(screened.TropicalLongitude - full.TropicalLongitude),
                kQuickMoonSumDegrees);
      quick += screened.TropicalLongitude != full.TropicalLongitude ? 1 : 0;
    }
  }
  std::printf("%d of 40000 Moons differ from the direct sum in their last bits\n", quick);
  // The precise Moon is never screened.
  BirthMoment m;
  const MoonSignResult precise = ScreenedMoonSign(m, MoonModel::Precise);
  EXPECT_EQ(precise.TropicalLongitude, CalculateMoonSign(m, MoonModel::Precise).TropicalLongitude);
}

}  // namespace
}  // namespace lumora
