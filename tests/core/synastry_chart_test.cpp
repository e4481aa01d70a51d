// SPDX-License-Identifier: MIT
// The charts a synastry reading is made of: every point against the reference ephemeris
// (tests/data/ephemeris-reference.csv, Moshier's ephemeris and Meeus, see its header), the
// houses cast from the same sidereal angle as the chart's own angles, and the birth
// instants of entered moments.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/ephemeris/astro_time.h"
#include "core/western/synastry/synastry_chart.h"
#include "support/births.h"

namespace lumora {
namespace {

using namespace ::lumora::testing;

constexpr double kArcsecond = 1.0 / 3600.0;
// The reference's own agreement with this program's ephemeris (its accuracy tests): the
// Sun to Saturn, the Moon, Uranus to Pluto, the mean node, the angles below 60 degrees.
constexpr double kInnerBodyTolerance = 2.0 * kArcsecond;
constexpr double kMoonTolerance = 3.0 * kArcsecond;
constexpr double kOuterBodyTolerance = 5.0 * kArcsecond;
constexpr double kNodeTolerance = 1.0 * kArcsecond;
constexpr double kAngleTolerance = 5.0 * kArcsecond;
constexpr double kAngleLatitudeLimit = 60.0;  // degrees; the reference's angles beyond it
                                              // are not claimed to that tolerance
// The houses and the angles come from one sidereal angle and one obliquity; they differ
// only by rounding.
constexpr double kSameAngle = 1e-7;  // degrees
// A Julian day of an entered moment: whole seconds, far finer than a second of time.
constexpr double kJulianDayTolerance = 1e-8;  // days (under a millisecond)

double AngleDifference(double a, double b) {
  return std::remainder(a - b, 360.0);
}

struct ReferenceRow {
  double JulianDayTT = 0.0;
  double DeltaT = 0.0;  // seconds
  double Latitude = 0.0;
  double EastLongitude = 0.0;
  // The synastry points in their order: the ten bodies, the mean node, ascendant, MC.
  std::array<double, kSynastryPointCount> Longitude{};
};

std::vector<ReferenceRow> ReadReference() {
  std::ifstream in(LUMORA_TEST_DATA "/ephemeris-reference.csv");
  std::vector<ReferenceRow> rows;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#' || line[0] == 'J') {
      continue;  // comments and the header
    }
    std::vector<double> cells;
    std::stringstream stream(line);
    std::string cell;
    while (std::getline(stream, cell, ',')) {
      cells.push_back(std::stod(cell));
    }
    // JulianDayTT, DeltaT, Latitude, EastLongitude, ten (longitude, latitude) pairs,
    // MeanNode, Ascendant, Midheaven.
    if (cells.size() != 27) {
      continue;
    }
    ReferenceRow row;
    row.JulianDayTT = cells[0];
    row.DeltaT = cells[1];
    row.Latitude = cells[2];
    row.EastLongitude = cells[3];
    for (int b = 0; b < 10; ++b) {
      row.Longitude[b] = cells[4 + 2 * b];
    }
    for (int k = 0; k < 3; ++k) {
      row.Longitude[10 + k] = cells[24 + k];
    }
    rows.push_back(row);
  }
  return rows;
}

const std::vector<ReferenceRow>& Reference() {
  static const std::vector<ReferenceRow> rows = ReadReference();
  return rows;
}

// The reference's own instant, so that only the positions are compared.
AstroTime InstantOf(const ReferenceRow& row) {
  return {row.JulianDayTT - row.DeltaT / 86400.0, row.JulianDayTT};
}

double ToleranceOf(ChartPoint point) {
  switch (point) {
    case ChartPoint::Moon:
      return kMoonTolerance;
    case ChartPoint::Uranus:
    case ChartPoint::Neptune:
    case ChartPoint::Pluto:
      return kOuterBodyTolerance;
    case ChartPoint::Rahu:
      return kNodeTolerance;
    case ChartPoint::Ascendant:
    case ChartPoint::Midheaven:
      return kAngleTolerance;
    default:
      return kInnerBodyTolerance;
  }
}

TEST(SynastryChart, EveryPointFollowsTheReferenceEphemeris) {
  ASSERT_GE(Reference().size(), 300u);
  std::array<double, kSynastryPointCount> worst{};
  for (const ReferenceRow& row : Reference()) {
    const NatalChart chart = CastNatalChart(InstantOf(row), row.Latitude, row.EastLongitude);
    EXPECT_DOUBLE_EQ(chart.JulianDayUt, InstantOf(row).Ut);
    for (int i = 0; i < kSynastryPointCount; ++i) {
      const auto point = kSynastryPoints[i];
      if (IsAngle(point) && std::fabs(row.Latitude) > kAngleLatitudeLimit) {
        continue;
      }
      const double error = std::fabs(AngleDifference(chart.Points[i].Longitude, row.Longitude[i]));
      worst[i] = std::max(worst[i], error);
      EXPECT_LE(error, ToleranceOf(point))
          << ChartPointName(point) << " at JD(TT) " << row.JulianDayTT;
    }
  }
  for (int i = 0; i < kSynastryPointCount; ++i) {
    std::printf("largest error of %-9s %.2f\"\n", ChartPointName(kSynastryPoints[i]).data(),
                worst[i] / kArcsecond);
  }
}

// Speeds are what applying and separating are read from: the Moon always direct and
// fastest, the mean node always retrograde, the angles without a speed of their own.
TEST(SynastryChart, SpeedsHaveTheirBodiesSigns) {
  for (std::size_t k = 0; k < Reference().size(); k += 7) {
    const ReferenceRow& row = Reference()[k];
    const NatalChart chart = CastNatalChart(InstantOf(row), row.Latitude, row.EastLongitude);
    const auto speed = [&chart](ChartPoint p) { return chart.Points[SynastrySlot(p)].Speed; };
    EXPECT_GT(speed(ChartPoint::Moon), 11.0) << row.JulianDayTT;
    EXPECT_LT(speed(ChartPoint::Moon), 15.5) << row.JulianDayTT;
    EXPECT_NEAR(speed(ChartPoint::Sun), 0.9856, 0.035) << row.JulianDayTT;
    EXPECT_NEAR(speed(ChartPoint::Rahu), -0.05295, 0.001) << row.JulianDayTT;
    EXPECT_EQ(speed(ChartPoint::Ascendant), 0.0);
    EXPECT_EQ(speed(ChartPoint::Midheaven), 0.0);
  }
}

// The overlays' houses and the chart's angles must be one sky: cusp 1 on the ascendant
// and cusp 10 on the midheaven (Placidus), the equal houses from the ascendant and the
// whole signs from its sign, at every reference place below the polar circles.
TEST(SynastryChart, HouseCuspsMeetTheChartsOwnAngles) {
  int checked = 0;
  for (const ReferenceRow& row : Reference()) {
    if (std::fabs(row.Latitude) > kPlacidusLatitudeLimit) {
      continue;
    }
    const NatalChart chart = CastNatalChart(InstantOf(row), row.Latitude, row.EastLongitude);
    const double ascendant = chart.Points[SynastrySlot(ChartPoint::Ascendant)].Longitude;
    const double midheaven = chart.Points[SynastrySlot(ChartPoint::Midheaven)].Longitude;
    const HouseCusps placidus = HousesOf(chart, HouseSystem::Placidus);
    EXPECT_FALSE(placidus.FellBack());
    EXPECT_NEAR(AngleDifference(placidus.Cusps[0], ascendant), 0.0, kSameAngle) << row.JulianDayTT;
    EXPECT_NEAR(AngleDifference(placidus.Cusps[9], midheaven), 0.0, kSameAngle) << row.JulianDayTT;
    const HouseCusps equal = HousesOf(chart, HouseSystem::Equal);
    EXPECT_NEAR(AngleDifference(equal.Cusps[0], ascendant), 0.0, kSameAngle);
    const HouseCusps whole = HousesOf(chart, HouseSystem::WholeSign);
    EXPECT_EQ(static_cast<int>(whole.Cusps[0] / 30.0), static_cast<int>(ascendant / 30.0));
    ++checked;
  }
  EXPECT_GT(checked, 300);
}

struct InstantCase {
  const char* why;
  BirthMoment moment;
  double julian_day_ut;  // hand-computed: Meeus, Astronomical Algorithms, ch. 7
  double latitude;
  double east_longitude;
};

BirthMoment Moment(int year, int month, int day, int hour, int minute, int offset_seconds,
                   const Place& place) {
  return AtOffset(MomentAt(year, month, day, hour, minute, place), offset_seconds);
}

const InstantCase kInstants[] = {
    // J2000.0 itself: 2000-01-01 12:00 UT is JD 2451545.0.
    {"noon of J2000 at Greenwich", AtOffset(GreenwichMoment(), 0), 2451545.0, 51.5, 0.0},
    // Fiji, UTC+12: 09:15 on 2 March 1985 is 21:15 UT on 1 March; JD 2446125.5 + 21.25/24.
    {"a zone ahead carries into the day before",
     Moment(1985, 3, 2, 9, 15, 12 * 3600, {18, 8, true, 170, 0, true}), 2446126.3854166667,
     -18.0 - 8.0 / 60.0, 170.0},
    // Pago Pago, UTC-11: 21:40 on 20 November 1987 is 08:40 UT on the 21st.
    {"a zone behind carries into the day after",
     Moment(1987, 11, 20, 21, 40, -11 * 3600, {14, 16, true, 170, 42, false}),
     2447120.5 + (8.0 + 40.0 / 60.0) / 24.0, -14.0 - 16.0 / 60.0, -170.0 - 42.0 / 60.0},
    // India, UTC+5:30, the first minute of 15 August 1947: 18:30 UT on the 14th.
    {"a half-hour zone", AtOffset(DelhiMoment(), 19800), 2432411.5 + 18.5 / 24.0, 28.6, 77.2},
};

TEST(SynastryChart, BirthInstantsOfEnteredMoments) {
  for (const InstantCase& c : kInstants) {
    SCOPED_TRACE(c.why);
    const SynastryBirth birth = SynastryBirthOf(c.moment);
    EXPECT_NEAR(birth.JulianDayUt, c.julian_day_ut, kJulianDayTolerance);
    EXPECT_NEAR(birth.Latitude, c.latitude, 1e-12);
    EXPECT_NEAR(birth.EastLongitude, c.east_longitude, 1e-12);
  }
}

// A person record keeps its place to the decimal degree; the moment's whole minutes of arc
// do not round it.
TEST(SynastryChart, PersonRecordsKeepTheirDecimalPlace) {
  const SynastryBirth birth = SynastryBirthAt(kInstants[1].moment, -18.14, 170.0);
  EXPECT_NEAR(birth.JulianDayUt, kInstants[1].julian_day_ut, kJulianDayTolerance);
  EXPECT_EQ(birth.Latitude, -18.14);
  EXPECT_EQ(birth.EastLongitude, 170.0);
}

}  // namespace
}  // namespace lumora
