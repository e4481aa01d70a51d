// SPDX-License-Identifier: MIT
// Synastry between two constructed charts: aspects at the edges of their orbs,
// applying and separating from the points' speeds, composite midpoints across 0 degrees
// and the Davison place across the date line.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <tuple>

#include "core/western/synastry/arcs.h"
#include "core/western/synastry/synastry.h"

namespace lumora {
namespace {

constexpr double kNanoDegree = 1e-9;
using P = ChartPoint;
using K = AspectKind;

struct AspectCase {
  const char* why;
  P a;
  double longitude_a;
  P b;
  double longitude_b;
  OrbSet orbs;
  bool minor;
  std::optional<K> expected;
  double orb;  // expected orb where an aspect holds
};

// Each allowance is probed on its edge and just beyond it: 7 degrees for the four
// major aspects, 6 for the sextile, one more with the Sun or Moon, halved when tight,
// 3 (tight 1.5) for the minor aspects, and the arcs that cross 0 degrees.
constexpr AspectCase kAspectCases[] = {
    {"conjunction on its 7-degree edge", P::Mars, 10.0, P::Venus, 17.0, OrbSet::Standard, false,
     K::Conjunction, 7.0},
    {"conjunction just beyond 7", P::Mars, 10.0, P::Venus, 17.001, OrbSet::Standard, false,
     std::nullopt, 0.0},
    {"Sun widens the conjunction to 8", P::Sun, 10.0, P::Venus, 18.0, OrbSet::Standard, false,
     K::Conjunction, 8.0},
    {"Sun's conjunction just beyond 8", P::Sun, 10.0, P::Venus, 18.001, OrbSet::Standard, false,
     std::nullopt, 0.0},
    {"Moon on B's side widens too", P::Saturn, 10.0, P::Moon, 2.0, OrbSet::Standard, false,
     K::Conjunction, 8.0},
    {"conjunction across 0 degrees", P::Mars, 355.0, P::Venus, 2.0, OrbSet::Standard, false,
     K::Conjunction, 7.0},
    {"sextile on its 6-degree edge", P::Mars, 0.0, P::Venus, 66.0, OrbSet::Standard, false,
     K::Sextile, 6.0},
    {"sextile just beyond 6", P::Mars, 0.0, P::Venus, 66.001, OrbSet::Standard, false, std::nullopt,
     0.0},
    {"sextile below its angle", P::Mars, 0.0, P::Venus, 54.0, OrbSet::Standard, false, K::Sextile,
     6.0},
    {"Moon's sextile at 7", P::Moon, 0.0, P::Venus, 293.0, OrbSet::Standard, false, K::Sextile,
     7.0},
    {"square on its edge", P::Jupiter, 0.0, P::Pluto, 97.0, OrbSet::Standard, false, K::Square,
     7.0},
    {"square just beyond", P::Jupiter, 0.0, P::Pluto, 97.001, OrbSet::Standard, false, std::nullopt,
     0.0},
    {"trine across 0 degrees", P::Mercury, 350.0, P::Mars, 237.0, OrbSet::Standard, false, K::Trine,
     7.0},
    {"opposition across 0 degrees", P::Mars, 5.0, P::Venus, 178.0, OrbSet::Standard, false,
     K::Opposition, 7.0},
    {"opposition just beyond", P::Mars, 5.0, P::Venus, 177.999, OrbSet::Standard, false,
     std::nullopt, 0.0},
    {"tight conjunction at 3.5", P::Mars, 10.0, P::Venus, 13.5, OrbSet::Tight, false,
     K::Conjunction, 3.5},
    {"tight conjunction just beyond 3.5", P::Mars, 10.0, P::Venus, 13.501, OrbSet::Tight, false,
     std::nullopt, 0.0},
    {"tight Sun conjunction at 4", P::Sun, 10.0, P::Venus, 14.0, OrbSet::Tight, false,
     K::Conjunction, 4.0},
    {"tight sextile at 3", P::Mars, 0.0, P::Venus, 63.0, OrbSet::Tight, false, K::Sextile, 3.0},
    {"tight sextile just beyond 3", P::Mars, 0.0, P::Venus, 63.001, OrbSet::Tight, false,
     std::nullopt, 0.0},
    {"semi-sextile only when asked for", P::Mars, 0.0, P::Venus, 33.0, OrbSet::Standard, false,
     std::nullopt, 0.0},
    {"semi-sextile on its 3-degree edge", P::Mars, 0.0, P::Venus, 33.0, OrbSet::Standard, true,
     K::SemiSextile, 3.0},
    {"semi-sextile just beyond 3", P::Mars, 0.0, P::Venus, 33.001, OrbSet::Standard, true,
     std::nullopt, 0.0},
    {"quincunx on its edge", P::Mars, 0.0, P::Venus, 147.0, OrbSet::Standard, true, K::Quincunx,
     3.0},
    {"tight quincunx at 1.5", P::Mars, 0.0, P::Venus, 151.5, OrbSet::Tight, true, K::Quincunx, 1.5},
    {"tight quincunx just beyond 1.5", P::Mars, 0.0, P::Venus, 151.501, OrbSet::Tight, true,
     std::nullopt, 0.0},
    {"angles take the plain orbs", P::Ascendant, 0.0, P::Midheaven, 7.0, OrbSet::Standard, false,
     K::Conjunction, 7.0},
    {"the gap between sextile and square", P::Mars, 0.0, P::Venus, 75.0, OrbSet::Standard, true,
     std::nullopt, 0.0},
};

TEST(SynastryAspects, OrbsAtTheirEdges) {
  for (const AspectCase& c : kAspectCases) {
    SCOPED_TRACE(c.why);
    const auto aspect = AspectBetween(c.a, {c.longitude_a, 0.0}, c.b, {c.longitude_b, 0.0},
                                      {.Orbs = c.orbs, .Minor = c.minor});
    ASSERT_EQ(aspect.has_value(), c.expected.has_value());
    if (aspect) {
      EXPECT_EQ(aspect->Kind, *c.expected);
      EXPECT_NEAR(aspect->Orb, c.orb, kNanoDegree);
      EXPECT_EQ(aspect->A, c.a);
      EXPECT_EQ(aspect->B, c.b);
    }
  }
}

struct MotionCase {
  const char* why;
  PointPosition a;
  PointPosition b;
  double angle;
  bool applying;
};

// Speeds in degrees per day; the orb shrinks (applying) or grows (separating).
constexpr MotionCase kMotionCases[] = {
    {"faster A behind B closes a conjunction", {10.0, 1.0}, {15.0, 0.0}, 0.0, true},
    {"faster A past B leaves it", {20.0, 1.0}, {15.0, 0.0}, 0.0, false},
    {"retrograde A behind B falls back", {10.0, -1.0}, {15.0, 0.0}, 0.0, false},
    {"B's own motion can close the gap", {15.0, 0.0}, {10.0, 13.0}, 0.0, true},
    {"across 0 degrees: A at 358 moving onto B at 3", {358.0, 1.0}, {3.0, 0.0}, 0.0, true},
    {"exact conjunction can only separate", {15.0, 1.0}, {15.0, 0.0}, 0.0, false},
    {"equal speeds keep the orb", {10.0, 0.5}, {15.0, 0.5}, 0.0, false},
    {"square widening towards 90", {0.0, 0.0}, {85.0, 1.0}, 90.0, true},
    {"square beyond 90 widening away", {0.0, 0.0}, {95.0, 1.0}, 90.0, false},
    {"square from the other side", {0.0, 0.0}, {275.0, -1.0}, 90.0, true},
    {"opposition closing towards 180", {0.0, 0.0}, {178.0, 1.0}, 180.0, true},
    {"opposition beyond 180 opening", {0.0, 0.0}, {182.0, 1.0}, 180.0, false},
    {"exact opposition can only separate", {0.0, 0.0}, {180.0, 1.0}, 180.0, false},
    {"trine, both moving", {100.0, 1.2}, {345.0, 0.1}, 120.0, true},
};

TEST(SynastryAspects, ApplyingFromSpeeds) {
  for (const MotionCase& c : kMotionCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(IsApplying(c.a, c.b, c.angle), c.applying);
    // Stepping both points a little forward in time agrees, away from the exact aspect.
    if (c.a.Speed != c.b.Speed &&
        std::fabs(std::fabs(SignedArc(c.a.Longitude - c.b.Longitude)) - c.angle) > 0.0) {
      constexpr double kStepDays = 1e-3;
      const auto orb_at = [&c](double days) {
        const double separation = std::fabs(
            SignedArc(c.a.Longitude + c.a.Speed * days - (c.b.Longitude + c.b.Speed * days)));
        return std::fabs(separation - c.angle);
      };
      EXPECT_EQ(orb_at(kStepDays) < orb_at(0.0), c.applying);
    }
  }
}

TEST(SynastryAspects, AnglesAreNeitherApplyingNorSeparating) {
  SynastryPositions a{};
  SynastryPositions b{};
  for (auto& point : a) {
    point = {200.0, 1.0};  // far from everything of B but its Sun and its angles
  }
  for (auto& point : b) {
    point = {20.0, 0.0};
  }
  b[SynastrySlot(P::Sun)] = {198.0, 0.0};
  const auto aspects = FindAspects(a, b, {});
  // Every A point meets B's Sun in conjunction; every B point but the Sun is in opposition.
  ASSERT_EQ(aspects.size(), static_cast<std::size_t>(kSynastryPointCount * kSynastryPointCount));
  for (const SynastryAspect& aspect : aspects) {
    EXPECT_EQ(aspect.Applying.has_value(), !IsAngle(aspect.A) && !IsAngle(aspect.B))
        << ChartPointName(aspect.A) << " " << ChartPointName(aspect.B);
  }
  // Row by row: A's Sun first, against B's points in order.
  EXPECT_EQ(aspects[0].A, P::Sun);
  EXPECT_EQ(aspects[0].Kind, K::Conjunction);
  EXPECT_EQ(aspects[1].B, P::Moon);
  EXPECT_EQ(aspects[1].Kind, K::Opposition);
}

struct MidpointCase {
  double a;
  double b;
  double midpoint;
};

// Shorter-arc midpoints; the order of the two never matters, and an exact opposition
// takes the midpoint at (a + b) / 2.
constexpr MidpointCase kCompositeCases[] = {
    {10.0, 20.0, 15.0},    {350.0, 10.0, 0.0}, {359.0, 1.0, 0.0},    {340.0, 100.0, 40.0},
    {300.0, 20.0, 340.0},  {0.0, 180.0, 90.0}, {90.0, 270.0, 180.0}, {179.0, 181.0, 180.0},
    {355.0, 345.0, 350.0}, {0.0, 0.0, 0.0},
};

TEST(SynastryComposite, ShorterArcMidpointsAcrossZero) {
  for (const MidpointCase& c : kCompositeCases) {
    EXPECT_NEAR(ShorterArcMidpoint(c.a, c.b), c.midpoint, kNanoDegree) << c.a << " " << c.b;
    EXPECT_NEAR(ShorterArcMidpoint(c.b, c.a), c.midpoint, kNanoDegree) << c.b << " " << c.a;
  }
  SynastryPositions a{};
  SynastryPositions b{};
  a[SynastrySlot(P::Ascendant)].Longitude = 350.0;
  b[SynastrySlot(P::Ascendant)].Longitude = 20.0;
  a[SynastrySlot(P::Venus)].Longitude = 100.0;
  b[SynastrySlot(P::Venus)].Longitude = 340.0;
  const auto composite = CompositeLongitudes(a, b);
  EXPECT_NEAR(composite[SynastrySlot(P::Ascendant)], 5.0, kNanoDegree);
  EXPECT_NEAR(composite[SynastrySlot(P::Venus)], 40.0, kNanoDegree);
}

struct PlaceCase {
  const char* why;
  double latitude_a;
  double east_a;
  double latitude_b;
  double east_b;
  double latitude;
  double east;
};

constexpr PlaceCase kDavisonPlaces[] = {
    {"plain midpoint", 40.0, 10.0, 50.0, 20.0, 45.0, 15.0},
    {"across the date line to 180", 10.0, 170.0, -20.0, -170.0, -5.0, 180.0},
    {"across the date line, west side", 35.7, 175.0, 21.3, -165.0, 28.5, -175.0},
    {"across the date line, east side", 0.0, -178.0, 0.0, 172.0, 0.0, 177.0},
    {"across Greenwich", 51.5, -5.0, 48.9, 2.0, 50.2, -1.5},
    {"the shorter arc over Greenwich", 28.6, 77.2, 40.7, -74.0, 34.65, 1.6},
};

TEST(SynastryDavison, MidpointInTimeAndPlace) {
  for (const PlaceCase& c : kDavisonPlaces) {
    SCOPED_TRACE(c.why);
    NatalChart a;
    NatalChart b;
    a.Latitude = c.latitude_a;
    a.EastLongitude = c.east_a;
    a.JulianDayUt = 2447000.25;
    b.Latitude = c.latitude_b;
    b.EastLongitude = c.east_b;
    b.JulianDayUt = 2451545.0;
    for (const auto& [first, second] : {std::pair{a, b}, std::pair{b, a}}) {
      const DavisonMoment moment = DavisonMidpoint(first, second);
      EXPECT_NEAR(moment.Latitude, c.latitude, kNanoDegree);
      EXPECT_NEAR(moment.EastLongitude, c.east, kNanoDegree);
      EXPECT_NEAR(moment.JulianDayUt, 2449272.625, kNanoDegree);
    }
  }
}

struct CalendarCase {
  const char* source;
  double julian_day;
  UtcDateTime expected;
};

// Meeus, Astronomical Algorithms, 2nd ed., examples 7.a and 7.c, the Gregorian reform,
// and a last fraction of a second that rounds into the next day.
constexpr CalendarCase kCalendarCases[] = {
    {"J2000.0", 2451545.0, {2000, 1, 1, 12, 0, 0}},
    {"Sputnik 1, Meeus 7.c", 2436116.31, {1957, 10, 4, 19, 26, 24}},
    {"first Gregorian day", 2299160.5, {1582, 10, 15, 0, 0, 0}},
    {"last Julian day", 2299159.5, {1582, 10, 4, 0, 0, 0}},
    {"a midpoint of two births", 2448440.25, {1991, 7, 2, 18, 0, 0}},
    {"rounds into the new year", 2451544.4999999, {2000, 1, 1, 0, 0, 0}},
};

TEST(SynastryDavison, UniversalTimeOfTheMidpoint) {
  for (const CalendarCase& c : kCalendarCases) {
    const UtcDateTime t = UtcFromJulianDay(c.julian_day);
    EXPECT_EQ(std::tie(t.Year, t.Month, t.Day, t.Hour, t.Minute, t.Second),
              std::tie(c.expected.Year, c.expected.Month, c.expected.Day, c.expected.Hour,
                       c.expected.Minute, c.expected.Second))
        << c.source;
  }
}

TEST(SynastryReading, OverlaysBothWaysAndTheDavisonCast) {
  NatalChart a;
  NatalChart b;
  // ARMC 5 at the equator with obliquity 0: cusps fall every 30 degrees from 95 (Asc),
  // whole signs from 90; every point lies 5 degrees past a cusp in all three systems.
  a.Latitude = 0.0;
  b.Latitude = 0.0;
  a.Armc = 5.0;
  b.Armc = 95.0;  // B's ascendant at 185
  for (int i = 0; i < kSynastryPointCount; ++i) {
    a.Points[i].Longitude = 100.0 + 30.0 * i;  // A's points one per house of A
    b.Points[i].Longitude = 190.0 + 30.0 * i;  // B's likewise of B
  }
  int cast_calls = 0;
  const ChartCaster cast = [&cast_calls](double jd, double latitude, double east) {
    ++cast_calls;
    NatalChart chart;
    chart.JulianDayUt = jd;
    chart.Latitude = latitude;
    chart.EastLongitude = east;
    return chart;
  };
  for (HouseSystem system : {HouseSystem::Placidus, HouseSystem::Equal, HouseSystem::WholeSign}) {
    const SynastryReading reading =
        CalculateSynastry(a, b, {.Aspects = {}, .Houses = system}, cast);
    for (int i = 0; i < kSynastryPointCount; ++i) {
      SCOPED_TRACE(i);
      // A's point i sits 90 degrees behind B's own point i: three houses earlier.
      EXPECT_EQ(reading.AInB[i], (i + 12 - 3) % 12 + 1);
      EXPECT_EQ(reading.BInA[i], (i + 3) % 12 + 1);
    }
  }
  EXPECT_EQ(cast_calls, 3);
}

}  // namespace
}  // namespace lumora
