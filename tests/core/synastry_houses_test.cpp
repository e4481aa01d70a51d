// SPDX-License-Identifier: MIT
// House cusps from ARMC, obliquity and latitude against published examples, the
// defining property of Placidus cusps, the tables' southern-latitude rule, and the
// fall-back to equal houses inside the polar circles.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/ephemeris/astronomical_constants.h"
#include "core/ephemeris/geometry.h"
#include "core/western/synastry/arcs.h"
#include "core/western/synastry/houses.h"

namespace lumora {
namespace {

constexpr double kArcminute = 1.0 / 60.0;
// The worked example below is interpolated in printed tables of houses and rounded to
// the minute; it states itself accurate to an arcminute.
constexpr double kWorkedExampleTolerance = 1.5 * kArcminute;
constexpr double kMicroDegree = 1e-6;

double Degrees(int sign, int degrees, int minutes) {
  return 30.0 * sign + degrees + minutes / 60.0;
}

// The largest difference between two longitudes, reduced across 0 degrees.
double ArcError(double a, double b) {
  return std::fabs(SignedArc(a - b));
}

struct PublishedCusps {
  const char* source;
  double armc;
  double obliquity;
  double latitude;
  int cusp;  // 1..12
  double longitude;
  double tolerance;
};

// trans4mind.com, "Astrology: Calculating the House Cusps" (Mary, 7 May 1982, New
// Berlin NY): LST 1h16m13s, latitude 42 deg 37 min N; Placidus 11th 27 Tau 42, 12th 4 Can 17,
// 2nd 25 Leo 04, 3rd 19 Vir 29, MC 20 Ari 38. Obliquity of 1982 (Meeus 22.2): 23.4417.
// Raphael's Tables of Houses for London (51 deg 32 min N), sidereal time 0h: ascendant
// 26 Can 36.
constexpr double kMaryArmc = (1.0 + 16.0 / 60.0 + 13.0 / 3600.0) * 15.0;
const PublishedCusps kPublished[] = {
    {"Mary, 11th", kMaryArmc, 23.4417, 42.0 + 37.0 / 60.0, 11, Degrees(1, 27, 42),
     kWorkedExampleTolerance},
    {"Mary, 12th", kMaryArmc, 23.4417, 42.0 + 37.0 / 60.0, 12, Degrees(3, 4, 17),
     kWorkedExampleTolerance},
    {"Mary, 2nd", kMaryArmc, 23.4417, 42.0 + 37.0 / 60.0, 2, Degrees(4, 25, 4),
     kWorkedExampleTolerance},
    {"Mary, 3rd", kMaryArmc, 23.4417, 42.0 + 37.0 / 60.0, 3, Degrees(5, 19, 29),
     kWorkedExampleTolerance},
    {"Mary, MC", kMaryArmc, 23.4417, 42.0 + 37.0 / 60.0, 10, Degrees(0, 20, 38),
     kWorkedExampleTolerance},
    {"Mary, 5th opposite the 11th", kMaryArmc, 23.4417, 42.0 + 37.0 / 60.0, 5, Degrees(7, 27, 42),
     kWorkedExampleTolerance},
    {"Raphael, London 0h, ascendant", 0.0, 23.0 + 27.0 / 60.0, 51.0 + 32.0 / 60.0, 1,
     Degrees(3, 26, 36), kArcminute},
};

TEST(HouseCusps, PublishedPlacidusExamples) {
  double largest = 0.0;
  for (const PublishedCusps& c : kPublished) {
    const HouseCusps houses =
        CalculateHouseCusps(HouseSystem::Placidus, c.armc, c.obliquity, c.latitude);
    const double error = ArcError(houses.Cusps[c.cusp - 1], c.longitude);
    largest = std::max(largest, error);
    EXPECT_LE(error, c.tolerance) << c.source << ": " << houses.Cusps[c.cusp - 1];
  }
  std::printf("largest error against the published cusps: %.3f arcminutes\n", largest * 60.0);
}

double Sin(double x) {
  return std::sin(x * kRadiansPerDegree);
}
double Cos(double x) {
  return std::cos(x * kRadiansPerDegree);
}
double Tan(double x) {
  return std::tan(x * kRadiansPerDegree);
}

// Placidus' definition read forwards: the cusp's hour angle is a third or two thirds of
// its own semi-arc. Checked over a grid of sidereal times and latitudes, both hemispheres.
TEST(HouseCusps, PlacidusCuspsTrisectTheirSemiArcs) {
  constexpr double kObliquity = 23.4393;
  struct Trisection {
    int cusp;
    double fraction;  // of the semi-arc, from the meridian
    bool above;
  };
  constexpr Trisection kCusps[] = {
      {11, 1.0 / 3.0, true}, {12, 2.0 / 3.0, true}, {2, 2.0 / 3.0, false}, {3, 1.0 / 3.0, false}};
  double largest = 0.0;
  for (double latitude : {-60.0, -33.9, -5.0, 0.0, 12.5, 28.6, 51.5, 65.9}) {
    for (double armc = 0.0; armc < 360.0; armc += 17.5) {
      const HouseCusps houses =
          CalculateHouseCusps(HouseSystem::Placidus, armc, kObliquity, latitude);
      ASSERT_EQ(houses.Used, HouseSystem::Placidus);
      for (const Trisection& t : kCusps) {
        const double longitude = houses.Cusps[t.cusp - 1];
        const double ra =
            std::atan2(Sin(longitude) * Cos(kObliquity), Cos(longitude)) / kRadiansPerDegree;
        const double declination = std::asin(Sin(kObliquity) * Sin(longitude)) / kRadiansPerDegree;
        const double ascensional = std::asin(Tan(latitude) * Tan(declination)) / kRadiansPerDegree;
        // East of the meridian: the cusp culminates after ARMC reaches its right ascension.
        const double east_of_upper = NormalizedDegrees(ra - armc);
        const double expected =
            t.above ? t.fraction * (90.0 + ascensional) : 180.0 - t.fraction * (90.0 - ascensional);
        const double error = std::fabs(SignedArc(east_of_upper - expected));
        largest = std::max(largest, error);
        EXPECT_LE(error, kMicroDegree)
            << "cusp " << t.cusp << " ARMC " << armc << " lat " << latitude;
      }
      // Cusps follow each other round the zodiac, each house narrower than half the circle.
      for (int i = 0; i < 12; ++i) {
        const double width = NormalizedDegrees(houses.Cusps[(i + 1) % 12] - houses.Cusps[i]);
        EXPECT_GT(width, 0.0);
        EXPECT_LT(width, 180.0);
      }
    }
  }
  std::printf("largest trisection error: %.2e degrees\n", largest);
}

// The tables' rule for southern latitudes: add 12 hours to the sidereal time, read the
// cusps as if north, and take the opposite signs.
TEST(HouseCusps, SouthernLatitudesMirrorTheNorthernTables) {
  for (HouseSystem system : {HouseSystem::Placidus, HouseSystem::Equal}) {
    for (double armc : {0.0, 47.0, 133.3, 201.0, 299.9}) {
      for (double latitude : {8.0, 33.9, 52.0}) {
        const HouseCusps south = CalculateHouseCusps(system, armc, 23.44, -latitude);
        const HouseCusps north = CalculateHouseCusps(system, armc + 180.0, 23.44, latitude);
        for (int i = 0; i < 12; ++i) {
          EXPECT_LE(ArcError(south.Cusps[i], north.Cusps[i] + 180.0), kMicroDegree)
              << "cusp " << i + 1 << " ARMC " << armc << " lat " << latitude;
        }
      }
    }
  }
}

TEST(HouseCusps, EqualAndWholeSignFromTheAscendant) {
  const double armc = kMaryArmc;
  const double latitude = 42.0 + 37.0 / 60.0;
  const double ascendant = AscendantFromArmc(armc, 23.4417, latitude);
  ASSERT_GE(ascendant, 120.0);  // Mary's ascendant is in Leo
  ASSERT_LT(ascendant, 150.0);
  const HouseCusps equal = CalculateHouseCusps(HouseSystem::Equal, armc, 23.4417, latitude);
  const HouseCusps whole = CalculateHouseCusps(HouseSystem::WholeSign, armc, 23.4417, latitude);
  for (int i = 0; i < 12; ++i) {
    EXPECT_NEAR(equal.Cusps[i], NormalizedDegrees(ascendant + 30.0 * i), kMicroDegree);
    EXPECT_NEAR(whole.Cusps[i], NormalizedDegrees(120.0 + 30.0 * i), kMicroDegree);
  }
  EXPECT_FALSE(equal.FellBack());
}

TEST(HouseCusps, PlacidusFallsBackToEqualInsideThePolarCircles) {
  struct Case {
    double latitude;
    HouseSystem used;
  };
  constexpr Case kCases[] = {{66.0, HouseSystem::Placidus},
                             {-66.0, HouseSystem::Placidus},
                             {66.01, HouseSystem::Equal},
                             {-70.0, HouseSystem::Equal},
                             {78.2, HouseSystem::Equal}};
  for (const Case& c : kCases) {
    const HouseCusps houses = CalculateHouseCusps(HouseSystem::Placidus, 250.0, 23.44, c.latitude);
    EXPECT_EQ(houses.Used, c.used) << c.latitude;
    EXPECT_EQ(houses.FellBack(), c.used != HouseSystem::Placidus);
    if (houses.FellBack()) {
      const HouseCusps equal = CalculateHouseCusps(HouseSystem::Equal, 250.0, 23.44, c.latitude);
      EXPECT_EQ(houses.Cusps, equal.Cusps);
    }
  }
  // Whole-sign houses exist at every latitude and never fall back.
  EXPECT_FALSE(CalculateHouseCusps(HouseSystem::WholeSign, 250.0, 23.44, 78.2).FellBack());
}

TEST(HouseCusps, HouseOfAPointCountsFromEachCusp) {
  HouseCusps houses;
  houses.Used = HouseSystem::Equal;
  for (int i = 0; i < 12; ++i) {
    houses.Cusps[i] = NormalizedDegrees(345.0 + 30.0 * i);  // houses straddling 0 degrees
  }
  struct Case {
    double longitude;
    int house;
  };
  constexpr Case kCases[] = {{345.0, 1},    {359.9, 1}, {0.0, 1},   {14.999, 1}, {15.0, 2},
                             {344.999, 12}, {-15.0, 1}, {375.0, 2}, {195.0, 8}};
  for (const Case& c : kCases) {
    EXPECT_EQ(HouseOf(c.longitude, houses), c.house) << c.longitude;
  }
}

}  // namespace
}  // namespace lumora
