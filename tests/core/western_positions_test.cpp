// SPDX-License-Identifier: MIT
// Tropical positions of the Western chart against published and hand-computed values.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <optional>
#include <tuple>

#include "core/ephemeris/planet_elements.h"
#include "core/ephemeris/western_positions.h"

namespace lumora {
namespace {

constexpr double kMicroDegree = 1e-6;
constexpr double kHundredthDegree = 0.01;
constexpr double kNanoDegree = 1e-9;
constexpr double kRoundingRadians = 1e-14;
constexpr double kPi = 3.14159265358979;

// A birth at a whole-hour zone; west of Greenwich unless east is set.
WesternBirthData Birth(int y, int mo, int d, int h, int mi, int zone_add_hours, bool east = false,
                       bool dst = false) {
  WesternBirthData data;
  data.BirthYear = y;
  data.BirthMonth = mo;
  data.BirthDay = d;
  data.BirthHour = h;
  data.BirthMinute = mi;
  data.ZoneAddHours = zone_add_hours;
  data.ZoneHour = std::abs(zone_add_hours);
  data.IsEast = east;
  data.IsDST = dst;
  return data;
}

struct PointCase {
  ChartPoint point;
  double longitude;
  const char* text;
};

// The reference chart of J2000.0 (1 January 2000, 12:00 UT, d = 0, T = 0, T0 = 1) at
// 0 deg 0 min, 51 deg 30 min north: planets, nodes, tropical Moon and both angles.
TEST(WesternChart, ReferenceChartAtJ2000) {
  const PointCase cases[] = {
      {ChartPoint::Sun, 280.379632, "10 Cap 22"},
      {ChartPoint::Moon, 223.316103, "13 Sco 18"},
      {ChartPoint::Mercury, 271.906024, "01 Cap 54"},
      {ChartPoint::Venus, 241.578068, "01 Sag 34"},
      {ChartPoint::Mars, 327.982802, "27 Aqu 58"},
      {ChartPoint::Jupiter, 25.361134, "25 Ari 21"},
      {ChartPoint::Saturn, 40.214662, "10 Tau 12"},
      {ChartPoint::Uranus, 314.790105, "14 Aqu 47"},
      {ChartPoint::Neptune, 303.191603, "03 Aqu 11"},
      {ChartPoint::Pluto, 251.454279, "11 Sag 27"},
      {ChartPoint::Rahu, 124.122507, "04 Leo 07"},
      {ChartPoint::Ketu, 304.122507, "04 Aqu 07"},
      {ChartPoint::Ascendant, 24.297922, "24 Ari 17"},
      {ChartPoint::Midheaven, 279.614477, "09 Cap 36"},
  };
  WesternBirthData data = Birth(2000, 1, 1, 12, 0, 0);
  data.LatDeg = 51;
  data.LatMin = 30;
  const WesternChart chart = CalculateWesternChart(data);
  for (const auto& c : cases) {
    EXPECT_NEAR(chart.LongitudeOf(c.point), c.longitude, kMicroDegree) << ChartPointName(c.point);
    EXPECT_EQ(PositionText(chart, c.point), c.text) << ChartPointName(c.point);
  }
}

struct AngleCase {
  const char* source;
  int long_deg, long_min;
  bool east;
  int lat_deg, lat_min;
  double theta, ascendant, midheaven;
  const char *ascendant_text, *midheaven_text;
};

TEST(CalculateAngles, SiderealTimeAscendantMidheaven) {
  const AngleCase cases[] = {
      {"J2000.0 at 0 0 W, 51 30 N", 0, 0, false, 51, 30, 280.460871, 24.297922, 279.614477,
       "24 Ari 17", "09 Cap 36"},
      {"J2000.0 at 77 12 E, 28 36 N", 77, 12, true, 28, 36, 357.660871, 100.180576, 357.450757,
       "10 Can 10", "27 Pis 27"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.source);
    WesternBirthData data = Birth(2000, 1, 1, 12, 0, 0, c.east);
    data.LongDeg = c.long_deg;
    data.LongMin = c.long_min;
    data.LatDeg = c.lat_deg;
    data.LatMin = c.lat_min;
    const WesternAngles angles = CalculateAngles(data);
    EXPECT_DOUBLE_EQ(angles.T0, 1.0);
    EXPECT_NEAR(angles.SiderealTime, c.theta, kMicroDegree);
    EXPECT_NEAR(angles.Ascendant, c.ascendant, kMicroDegree);
    EXPECT_NEAR(angles.Midheaven, c.midheaven, kMicroDegree);
    const WesternChart chart = CalculateWesternChart(data);
    EXPECT_EQ(PositionText(chart, ChartPoint::Ascendant), c.ascendant_text);
    EXPECT_EQ(PositionText(chart, ChartPoint::Midheaven), c.midheaven_text);
  }
}

TEST(PlanetDateTime, CarriesAcrossDaysMonthsAndYears) {
  const struct {
    const char* source;
    WesternBirthData data;
    int zone_add_minutes;
    CivilDateTime expected;
  } cases[] = {
      {"21:30 on 31 December + 5 h", Birth(1999, 12, 31, 21, 30, 5), 0, {2000, 1, 1, 2, 30}},
      {"India back over the year", Birth(2000, 1, 1, 1, 0, -5, true), -30, {1999, 12, 31, 19, 30}},
      {"DST back into a leap day",
       Birth(2000, 3, 1, 0, 30, 0, false, true),
       0,
       {2000, 2, 29, 23, 30}},
      {"DST back to 28 February",
       Birth(1901, 3, 1, 0, 30, 0, false, true),
       0,
       {1901, 2, 28, 23, 30}},
  };
  for (const auto& c : cases) {
    WesternBirthData data = c.data;
    data.ZoneAddMinutes = c.zone_add_minutes;
    const CivilDateTime t = PlanetDateTime(data);
    const CivilDateTime& e = c.expected;
    EXPECT_EQ(std::tie(t.Year, t.Month, t.Day, t.Hour, t.Minute),
              std::tie(e.Year, e.Month, e.Day, e.Hour, e.Minute))
        << c.source;
  }
}

TEST(WesternOperations, DayCountAndQuadrants) {
  // Day counts by hand from the formula: J2000.0 is 0; 1 January 1901 12:00 is
  // 697667 - 3326 + 30 + 1 - 730531.5 + 0.5.
  EXPECT_EQ(DayNumberJ2000(2000, 1, 1, 12, 0), 0.0);
  EXPECT_EQ(DayNumberJ2000(1901, 1, 1, 12, 0), -36159.0);
  EXPECT_DOUBLE_EQ(DayNumberJ2000(2000, 1, 1, 2, 30), -9.5 / 24.0);

  // ArcTangent2: the four quadrants, the axes, and 0 (not pi) straight behind.
  const struct {
    double y, x, expected;
  } atan_cases[] = {
      {1, 1, kPi / 4},   {1, -1, 3 * kPi / 4}, {-1, -1, -3 * kPi / 4},
      {-1, 1, -kPi / 4}, {2, 0, kPi / 2},      {-2, 0, -kPi / 2},
      {0, 0, 0},         {0, -1, 0},
  };
  for (const auto& c : atan_cases) {
    EXPECT_NEAR(ArcTangent2(c.y, c.x), c.expected, kRoundingRadians) << c.y << " " << c.x;
  }
}

TEST(FormatShortPosition, PadsAndDropsSeconds) {
  const struct {
    double longitude;
    const char* zodiac;
    const char* text;
  } cases[] = {
      {279.6145, "9\u00B0 36' 52\" Cap", "09 Cap 36"},
      {0.0, "0\u00B0 0' 0\" Ari", "00 Ari 00"},
      {359.9999, "29\u00B0 59' 59\" Pis", "29 Pis 59"},
      {223.3159, "13\u00B0 18' 57\" Sco", "13 Sco 18"},
  };
  for (const auto& c : cases) {
    const ZodiacPosition position = ToZodiacPosition(c.longitude);
    EXPECT_EQ(FormatZodiacPosition(position), c.zodiac) << c.longitude;
    EXPECT_EQ(FormatShortPosition(position), c.text) << c.longitude;
  }
}

// The element table refers to the equinox of J2000.0; the planets are brought to the
// equinox of date, as the Moon and the angles are.
TEST(PlanetLongitude, PrecessedToTheEquinoxOfDate) {
  // 1 January 1901, 12:00 UT: d = -36159, T = -0.989979466119096; by hand,
  // p = (5029.0966 T + 1.11113 T^2) / 3600 = -1.382670387 degrees.
  constexpr double d = -36159.0;
  EXPECT_NEAR(PrecessionSinceJ2000(d), -1.382670387, kNanoDegree);
  EXPECT_EQ(PrecessionSinceJ2000(0.0), 0.0);
  // Sun by a separate hand computation from the Earth's elements: 281.797762209 of
  // J2000.0, plus p.
  const double sun = PlanetLongitude(Body::Sun, d).value_or(0.0);
  EXPECT_NEAR(sun, 280.415091822, kMicroDegree);
  // Meeus, Astronomical Algorithms (1991), ch. 25, low-accuracy Sun, geometric longitude
  // of date at JD 2415386.0: 280.416776. Without precession the gap is 1.38 degrees.
  EXPECT_NEAR(sun, 280.416776, kHundredthDegree);
}

// Daylight saving takes one hour off every point alike: a DST birth at 13:00 is the
// same chart as a standard-time birth at 12:00, and not the one at 13:00.
TEST(WesternChart, DaylightSavingMovesEveryPointAlike) {
  // New York, 4 July 1985, zone entry +5 h.
  const WesternChart dst = CalculateWesternChart(Birth(1985, 7, 4, 13, 0, 5, false, true));
  const WesternChart standard = CalculateWesternChart(Birth(1985, 7, 4, 12, 0, 5));
  for (std::size_t i = 0; i < kChartPointCount; ++i) {
    EXPECT_DOUBLE_EQ(dst.Longitudes[i], standard.Longitudes[i])
        << ChartPointName(static_cast<ChartPoint>(i));
  }
  // The Sun moves about 0.04 degree in the hour.
  const WesternChart clock = CalculateWesternChart(Birth(1985, 7, 4, 13, 0, 5));
  EXPECT_GT(std::fabs(clock.Longitudes[0] - dst.Longitudes[0]), 0.03);
}

TEST(CalculateLunarNodes, NorthNodeWrapsIntoPisces) {
  // Hand-computed from the node formula; d = 2353.5 is 12 June 2006, 00:00 UT, where the
  // mean node lies 0.496 degree into Aries and the north node one degree before it.
  const struct {
    double d, north, south;
  } cases[] = {
      {0.0, 124.122507, 304.122507},
      {2342.5, 0.078502, 180.078502},
      {2353.5, 359.496011, 179.496011},
      {2363.5, 358.965632, 178.965632},
  };
  for (const auto& c : cases) {
    const LunarNodes nodes = CalculateLunarNodes(c.d);
    EXPECT_NEAR(nodes.North, c.north, kMicroDegree) << c.d;
    EXPECT_NEAR(nodes.South, c.south, kMicroDegree) << c.d;
  }
  const WesternChart chart = CalculateWesternChart(Birth(2006, 6, 12, 0, 0, 0));
  EXPECT_EQ(PositionText(chart, ChartPoint::Rahu), "29 Pis 29");
  EXPECT_EQ(PositionText(chart, ChartPoint::Ketu), "29 Vir 29");
}

// Every body but the Moon has exactly one row of elements, so every planet of a chart
// comes from its own orbit; the Moon, which has none, is left to the Moon's model.
TEST(PlanetElements, OneRowForEveryBodyButTheMoon) {
  for (const Body body : kBodies) {
    SCOPED_TRACE(BodyName(body));
    int rows = 0;
    for (const PlanetElements& row : kPlanetElements) {
      rows += row.Of == body ? 1 : 0;
    }
    EXPECT_EQ(rows, body == Body::Moon ? 0 : 1);
    EXPECT_EQ(PlanetLongitude(body, 0.0).has_value(), body != Body::Moon);
  }
  // Mean distances grow outwards from the Sun (Bode's order), the Earth's row at 1 au.
  for (std::size_t k = 1; k < kPlanetElementRows; ++k) {
    EXPECT_LT(kPlanetElements[k - 1].SemiMajorAxis, kPlanetElements[k].SemiMajorAxis) << k;
  }
  const std::optional<PlanetElements> earth = ElementsOf(Body::Sun);
  ASSERT_TRUE(earth.has_value());
  EXPECT_NEAR(earth->SemiMajorAxis, 1.0, 1e-6);
}

}  // namespace
}  // namespace lumora
