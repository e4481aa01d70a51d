// SPDX-License-Identifier: MIT
// Vimshottari periods, Saturn's sign stays against a daily look, and Dasha Sandhi.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <string_view>
#include <vector>

#include "core/vedic/timing/civil_day.h"
#include "core/vedic/timing/dasha_sandhi.h"
#include "core/vedic/timing/person_timing.h"
#include "core/vedic/timing/saturn_transit.h"
#include "core/vedic/timing/timing_document.h"
#include "core/vedic/timing/vimshottari.h"

namespace lumora {
namespace {

constexpr double kSecond = 1.0 / 86400.0;  // in days
constexpr double kBalanceEpsilon = 1e-12;  // years: the balance is one product
constexpr double kBirth1990 = 2447892.5;   // 1990-01-01 00:00 UT

CivilDate DateAt(double jd_ut, int offset_seconds = 0) {
  return CivilDateOf(LocalDayNumber(jd_ut, offset_seconds));
}

// Worked by hand from the nakshatra count λ × 27 / 360 for a birth at 1990-01-01 00:00 UT:
// λ = 250: 18.75 nakshatras, Mula (18, lord 18 mod 9 = 0, Ketu), three quarters gone,
// balance 0.25 × 7 = 1.75 years = 639.1875 days (365.25) or 630 days (360): Ketu ends
// 1991-10-02 (1991-09-23); it began 5.25 years before birth, 1984-10-01 (1984-10-29).
// λ = 40 and 200 begin Rohini (Moon) and Vishakha (Jupiter) exactly: full balance.
// λ = 0 begins Ashwini (Ketu); 359.99 is the end of Revati (Mercury, 0.00075 left).
struct DashaCase {
  std::string_view Source;
  double MoonLongitude;
  double YearDays;
  int Nakshatra;
  DashaLord BirthLord;
  double BalanceYears;
  CivilDate FirstFrom;
  CivilDate FirstTo;
  CivilDate SecondTo;
  CivilDate LastTo;
};

constexpr DashaCase kDashaCases[] = {
    {"Mula three quarters, Julian year",
     250.0,
     365.25,
     18,
     DashaLord::Ketu,
     1.75,
     {1984, 10, 1},
     {1991, 10, 2},
     {2011, 10, 2},
     {2104, 10, 2}},
    {"Mula three quarters, savana year",
     250.0,
     360.0,
     18,
     DashaLord::Ketu,
     1.75,
     {1984, 10, 29},
     {1991, 9, 23},
     {2011, 6, 10},
     {2103, 2, 8}},
    {"Mula three quarters, tropical year",
     250.0,
     365.2422,
     18,
     DashaLord::Ketu,
     1.75,
     {1984, 10, 1},
     {1991, 10, 2},
     {2011, 10, 2},
     {2104, 10, 1}},
    {"Ashwini at its first point",
     0.0,
     365.25,
     0,
     DashaLord::Ketu,
     7.0,
     {1990, 1, 1},
     {1996, 12, 31},
     {2016, 12, 31},
     {2110, 1, 2}},
    {"Rohini at its first point, a sign boundary",
     40.0,
     365.25,
     3,
     DashaLord::Moon,
     10.0,
     {1990, 1, 1},
     {2000, 1, 1},
     {2007, 1, 1},
     {2110, 1, 2}},
    {"Revati at its last hundredth of a degree",
     359.99,
     365.25,
     26,
     DashaLord::Mercury,
     0.01275,
     {1973, 1, 5},
     {1990, 1, 5},
     {1997, 1, 5},
     {2093, 1, 5}},
    {"Vishakha at its first point, a sign boundary",
     200.0,
     365.2422,
     15,
     DashaLord::Jupiter,
     16.0,
     {1990, 1, 1},
     {2005, 12, 31},
     {2024, 12, 31},
     {2110, 1, 1}},
};

TEST(Vimshottari, BalancesAndDatesAtNakshatraEdges) {
  for (const DashaCase& c : kDashaCases) {
    SCOPED_TRACE(c.Source);
    const VimshottariDashas d = ComputeVimshottari(c.MoonLongitude, kBirth1990, c.YearDays, 1);
    EXPECT_EQ(d.Moon.Nakshatra, c.Nakshatra);
    EXPECT_EQ(d.BirthLord, c.BirthLord);
    EXPECT_NEAR(d.BalanceYears, c.BalanceYears, kBalanceEpsilon * 100);
    ASSERT_EQ(d.Mahadashas.size(), 9U);
    EXPECT_EQ(d.Mahadashas.front().Lord, c.BirthLord);
    EXPECT_EQ(DateAt(d.Mahadashas[0].From), c.FirstFrom);
    EXPECT_EQ(DateAt(d.Mahadashas[0].To), c.FirstTo);
    EXPECT_EQ(DateAt(d.Mahadashas[1].To), c.SecondTo);
    EXPECT_EQ(DateAt(d.Mahadashas[8].To), c.LastTo);
    EXPECT_NEAR(d.Mahadashas[0].To - kBirth1990, c.BalanceYears * c.YearDays, kSecond);
  }
}

TEST(Vimshottari, LordsFollowTheSequenceWithTheirYears) {
  constexpr double kYearLengths[] = {kJulianDashaYear.Days, kTropicalDashaYear.Days,
                                     kSavanaDashaYear.Days};
  for (const double year_days : kYearLengths) {
    const VimshottariDashas d = ComputeVimshottari(123.4, kBirth1990, year_days, 1);
    // 123.4 × 27 / 360 = 9.255: Magha, Ketu, and so Ketu, Venus, Sun ... Mercury.
    for (int i = 0; i < kDashaLordCount; ++i) {
      EXPECT_EQ(d.Mahadashas[i].Lord, kVimshottari[i].Lord);
      EXPECT_NEAR(d.Mahadashas[i].To - d.Mahadashas[i].From, kVimshottari[i].Years * year_days,
                  kSecond);
    }
    EXPECT_NEAR(d.Mahadashas.back().To - d.Mahadashas.front().From,
                kVimshottariCycleYears * year_days, kSecond);
  }
}

// Every period at every level is exactly divided by its sub-periods: they begin with the
// period's own lord, touch without gaps, and last Y_parent × Y_lord / 120 each.
void CheckDivision(const DashaPeriod& parent, int depth, double& worst) {
  if (parent.Sub.empty()) {
    return;
  }
  ASSERT_EQ(parent.Sub.size(), 9U);
  EXPECT_EQ(parent.Sub.front().Lord, parent.Lord);
  EXPECT_EQ(parent.Sub.front().From, parent.From);
  EXPECT_EQ(parent.Sub.back().To, parent.To);
  double sum = 0.0;
  const double length = parent.To - parent.From;
  for (std::size_t i = 0; i < parent.Sub.size(); ++i) {
    const DashaPeriod& sub = parent.Sub[i];
    if (i > 0) {
      EXPECT_EQ(sub.From, parent.Sub[i - 1].To);
    }
    EXPECT_EQ(static_cast<int>(sub.Lord), (static_cast<int>(parent.Lord) + i) % 9);
    worst = std::max(worst, std::fabs((sub.To - sub.From) -
                                      length * LordYears(sub.Lord) / kVimshottariCycleYears));
    sum += sub.To - sub.From;
    CheckDivision(sub, depth + 1, worst);
  }
  worst = std::max(worst, std::fabs(sum - length));
}

TEST(Vimshottari, SubPeriodsSumToTheirParentToTheSecond) {
  constexpr double kLongitudes[] = {0.0, 13.3333, 40.0, 123.4, 250.0, 359.999};
  double worst = 0.0;
  for (const DashaYearLength& year : kDashaYearLengths) {
    for (const double longitude : kLongitudes) {
      const VimshottariDashas d =
          ComputeVimshottari(longitude, kBirth1990, year.Days, kPratyantardashaLevel);
      for (const DashaPeriod& maha : d.Mahadashas) {
        ASSERT_EQ(maha.Sub.size(), 9U);
        ASSERT_EQ(maha.Sub.front().Sub.size(), 9U);
        EXPECT_TRUE(maha.Sub.front().Sub.front().Sub.empty());
        CheckDivision(maha, 1, worst);
      }
    }
  }
  std::printf("largest sub-period error: %.3g s\n", worst * 86400.0);
  EXPECT_LT(worst, kSecond);
}

TEST(Vimshottari, WorkedAntardashas) {
  // Venus 20 years: Venus-Venus 20 × 20 / 120 = 3 1/3 years, Venus-Sun exactly 1 year;
  // Sun 6 years: Sun-Sun 0.3 year, Sun-Sun-Sun 0.015 year (5.48 days), the shortest.
  const VimshottariDashas d = ComputeVimshottari(13.5, kBirth1990, 365.25, 3);
  const DashaPeriod& venus = d.Mahadashas[0];
  ASSERT_EQ(venus.Lord, DashaLord::Venus);
  EXPECT_NEAR(venus.Sub[0].To - venus.Sub[0].From, 20.0 / 6.0 * 365.25, kSecond);
  EXPECT_EQ(venus.Sub[1].Lord, DashaLord::Sun);
  EXPECT_NEAR(venus.Sub[1].To - venus.Sub[1].From, 365.25, kSecond);
  const DashaPeriod& sun = d.Mahadashas[1];
  EXPECT_NEAR(sun.Sub[0].To - sun.Sub[0].From, 0.3 * 365.25, kSecond);
  EXPECT_NEAR(sun.Sub[0].Sub[0].To - sun.Sub[0].Sub[0].From, 0.015 * 365.25, kSecond);
}

TEST(Vimshottari, RunningPeriodsOnADay) {
  // λ = 250 (Ketu to 1991-10-02 13:30 UT): on that day Venus has begun, the day before Ketu
  // ran; Venus-Venus-Venus open the Venus period.
  const PersonTiming p = ComputePersonTiming(250.0, kBirth1990, [](double) { return 0.0; },
                                             FixedUtcOffset(0), {365.25, 3});
  const auto on_change = RunningOnDay(p, DayNumberOf({1991, 10, 2}));
  ASSERT_EQ(on_change.size(), 3U);
  EXPECT_EQ(on_change[0].Lord, DashaLord::Venus);
  EXPECT_EQ(on_change[1].Lord, DashaLord::Venus);
  EXPECT_EQ(on_change[2].Lord, DashaLord::Venus);
  const auto before = RunningOnDay(p, DayNumberOf({1991, 10, 1}));
  ASSERT_EQ(before.size(), 3U);
  EXPECT_EQ(before[0].Lord, DashaLord::Ketu);
  EXPECT_EQ(before[1].Lord, DashaLord::Mercury);  // the last antardasha of Ketu
  EXPECT_EQ(before[2].Lord, DashaLord::Saturn);   // and the last of its pratyantardashas
  EXPECT_TRUE(RunningOnDay(p, DayNumberOf({2200, 1, 1})).empty());
  // IST: the change at 13:30 UT falls at 19:00 on the same local day.
  const PersonTiming ist = ComputePersonTiming(250.0, kBirth1990, [](double) { return 0.0; },
                                               FixedUtcOffset(19800), {365.25, 1});
  EXPECT_EQ(MahadashaChangeDays(ist).front(), DayNumberOf({1991, 10, 2}));
  EXPECT_EQ(MahadashaChangeDays(ist).size(), 8U);
}

TEST(CivilDay, DaysAndZones) {
  EXPECT_EQ(DayNumberOf({1970, 1, 1}), 0);
  EXPECT_EQ(CivilDateOf(DayNumberOf({2024, 2, 29})), (CivilDate{2024, 2, 29}));
  // 2000-01-01 18:30 UT is already 2000-01-02 in India, still 2000-01-01 in New York.
  const double jd = 2451545.0 + 6.5 / 24.0;
  EXPECT_EQ(DateAt(jd, 19800), (CivilDate{2000, 1, 2}));
  EXPECT_EQ(DateAt(jd, -18000), (CivilDate{2000, 1, 1}));
  const auto kolkata = ZoneUtcOffsets("Asia/Kolkata");
  ASSERT_TRUE(kolkata.has_value());
  EXPECT_EQ((*kolkata)(jd), 19800);
  const auto new_york = ZoneUtcOffsets("America/New_York");
  ASSERT_TRUE(new_york.has_value());
  EXPECT_EQ((*new_york)(2451727.0), -14400);  // 2000-07-01: daylight time
  EXPECT_FALSE(ZoneUtcOffsets("Nowhere/Atlantis").has_value());
  EXPECT_NEAR(LocalDayStart(DayNumberOf({2000, 1, 2}), 19800), 2451545.5 - 5.5 / 24.0, kSecond);
}

// ---------------------------------------------------------------- Saturn's sign stays

// The crossings a daily look finds: the day index n (from the start) at which the sign is
// first seen changed, with the sign entered.
struct DailyChange {
  long Day;
  int Sign;
  friend bool operator==(const DailyChange&, const DailyChange&) = default;
};

int SignOfLongitude(double longitude) {
  const double x = std::fmod(std::fmod(longitude, 360.0) + 360.0, 360.0);
  return std::min(static_cast<int>(x / 30.0), 11);
}

std::vector<DailyChange> DailyScan(const LongitudeAt& f, double from, double to) {
  std::vector<DailyChange> changes;
  int sign = SignOfLongitude(f(from));
  for (long n = 1; from + n <= to; ++n) {
    const int next = SignOfLongitude(f(from + n));
    if (next != sign) {
      changes.push_back({n, next});
      sign = next;
    }
  }
  return changes;
}

std::vector<DailyChange> ChangesOf(const std::vector<SignStay>& stays, double from) {
  std::vector<DailyChange> changes;
  for (std::size_t i = 1; i < stays.size(); ++i) {
    changes.push_back({static_cast<long>(std::ceil(stays[i].From - from)), stays[i].Sign});
  }
  return changes;
}

// A planet on a circle seen from the Earth on a circle: Saturn's mean distance and
// period (9.537 AU, 10759.2 days) and the Earth's; retrograde loops of about 7 degrees
// every 378 days, as the real planet makes.
double TwoCircleSaturn(double jd) {
  constexpr double kTwoPi = 2.0 * std::numbers::pi;
  const double days = jd - 2451545.0;
  const double earth = kTwoPi * days / 365.256 + 1.75;
  const double saturn = kTwoPi * days / 10759.2 + 0.87;
  const double x = 9.537 * std::cos(saturn) - std::cos(earth);
  const double y = 9.537 * std::sin(saturn) - std::sin(earth);
  return std::atan2(y, x) * 180.0 / std::numbers::pi;
}

// A constructed motion: a steady drift with a yearly back-and-forth, strong enough to
// turn retrograde (the sine's speed 3 × 2π / 378 exceeds the drift's 0.0335 a day).
double WobblingSaturn(double jd) {
  const double days = jd - 2440000.0;
  return 17.0 + 0.0335 * days + 3.0 * std::sin(2.0 * std::numbers::pi * days / 378.0);
}

struct MotionCase {
  std::string_view Source;
  double (*Longitude)(double);
  double From;
};

constexpr MotionCase kMotions[] = {
    {"steady drift with a yearly wobble", WobblingSaturn, 2440000.25},
    {"two circular orbits, from 1950", TwoCircleSaturn, 2433282.5},
    {"two circular orbits, from 1987 at 17:00 UT", TwoCircleSaturn, 2446800.2083333},
};

TEST(SaturnStays, AgreeWithADailyLookForAHundredYears) {
  for (const MotionCase& motion : kMotions) {
    SCOPED_TRACE(motion.Source);
    const double to = motion.From + 100 * 365.25;
    long looks = 0;
    const LongitudeAt counted = [&looks, &motion](double jd) {
      ++looks;
      return motion.Longitude(jd);
    };
    const std::vector<SignStay> stays =
        FindSignStays(counted, motion.From, to, kSaturnMaxSpeedDegreesPerDay);
    ASSERT_FALSE(stays.empty());
    EXPECT_EQ(stays.front().From, motion.From);
    EXPECT_EQ(stays.back().To, to);
    int reentries = 0;
    for (std::size_t i = 1; i < stays.size(); ++i) {
      EXPECT_EQ(stays[i].From, stays[i - 1].To);
      if (i >= 2 && stays[i].Sign == stays[i - 2].Sign) {
        ++reentries;
      }
    }
    // The retrograde loops must make some re-entries for the comparison to mean anything.
    EXPECT_GT(reentries, 5);
    const std::vector<DailyChange> daily = DailyScan(motion.Longitude, motion.From, to);
    EXPECT_EQ(ChangesOf(stays, motion.From), daily);
    // The search looks far less often than once a day.
    EXPECT_LT(looks, 36525 / 5);
    std::printf("%s: %zu stays, %d retrograde re-entries, %ld looks\n",
                std::string(motion.Source).c_str(), stays.size(), reentries, looks);
  }
}

TEST(SaturnStays, PhasesFromTheMoonsSign) {
  // Moon in Aquarius (10): Capricorn rises, Aquarius peaks, Pisces sets, Virgo is the 8th.
  const std::vector<SignStay> stays = {{8, 0, 10},   {9, 10, 20},  {8, 20, 25}, {9, 25, 40},
                                       {10, 40, 50}, {11, 50, 60}, {0, 60, 70}, {5, 70, 80},
                                       {4, 80, 85},  {5, 85, 90}};
  const SaturnTransits t = SaturnTransitsFrom(10, stays);
  ASSERT_EQ(t.SadeSati.size(), 4U);
  EXPECT_EQ(t.SadeSati[0].Phase, SadeSatiPhase::Rising);
  EXPECT_EQ(t.SadeSati[0].From, 10);
  EXPECT_EQ(t.SadeSati[1].Phase, SadeSatiPhase::Rising);  // the retrograde re-entry
  EXPECT_EQ(t.SadeSati[1].From, 25);
  EXPECT_EQ(t.SadeSati[2].Phase, SadeSatiPhase::Peak);
  EXPECT_EQ(t.SadeSati[3].Phase, SadeSatiPhase::Setting);
  EXPECT_EQ(t.SadeSati[3].To, 60);
  ASSERT_EQ(t.AshtamaShani.size(), 2U);
  EXPECT_EQ(t.AshtamaShani[1].From, 85);
  // Moon in Aries (0): Pisces is the 12th, reached across the circle.
  const SaturnTransits aries = SaturnTransitsFrom(0, stays);
  ASSERT_EQ(aries.SadeSati.size(), 2U);
  EXPECT_EQ(aries.SadeSati[0].Phase, SadeSatiPhase::Rising);
  EXPECT_EQ(aries.SadeSati[0].From, 50);
  EXPECT_EQ(aries.SadeSati[1].Phase, SadeSatiPhase::Peak);
}

// ---------------------------------------------------------------- Dasha Sandhi

// Found the slow way: every day of the span, whether each person's mahadasha differs from
// the day before's, then every day near a boy's change looked at for a girl's.
std::vector<SandhiEntry> SandhiByDays(const PersonTiming& boy, const PersonTiming& girl,
                                      std::optional<int> wedding) {
  const int first =
      std::min(LocalDayNumber(boy.Dashas.Birth, 0), LocalDayNumber(girl.Dashas.Birth, 0)) - 1;
  const auto changes_of = [first](const PersonTiming& p) {
    std::vector<int> days;
    const int last = LocalDayNumber(p.Horizon, p.Offset);
    std::optional<DashaLord> previous;
    for (int day = first; day <= last + 1; ++day) {
      const auto running = RunningOnDay(p, day);
      if (day > LocalDayNumber(p.Dashas.Birth, p.Offset) && day <= last && previous &&
          !running.empty() && running.front().Lord != *previous) {
        days.push_back(day);
      }
      if (!running.empty()) {
        previous = running.front().Lord;
      }
    }
    return days;
  };
  const std::vector<int> b = changes_of(boy);
  const std::vector<int> g = changes_of(girl);
  std::vector<SandhiEntry> entries;
  if (wedding) {
    for (int day = *wedding - kDashaSandhiDays; day <= *wedding + kDashaSandhiDays; ++day) {
      if (std::count(b.begin(), b.end(), day)) {
        entries.push_back({day, std::nullopt, std::abs(day - *wedding)});
      }
    }
    for (int day = *wedding - kDashaSandhiDays; day <= *wedding + kDashaSandhiDays; ++day) {
      if (std::count(g.begin(), g.end(), day)) {
        entries.push_back({std::nullopt, day, std::abs(day - *wedding)});
      }
    }
  }
  for (const int boy_day : b) {
    for (int day = boy_day - kDashaSandhiDays; day <= boy_day + kDashaSandhiDays; ++day) {
      if (std::count(g.begin(), g.end(), day)) {
        entries.push_back({boy_day, day, std::abs(day - boy_day)});
      }
    }
  }
  return entries;
}

struct SandhiCase {
  std::string_view Source;
  double BoyMoon;
  double BoyBirth;
  double GirlMoon;
  double GirlBirth;
  int GirlOffset;
  CivilDate Wedding;
  int AtLeast;  // Sandhis the case is built to have
};

constexpr SandhiCase kSandhiCases[] = {
    // Both in Mula; the girl born 200 days later and 0.04 further on: every change of hers
    // about 98 days after his, eight pairs, and a wedding near the first changes.
    {"same lords, changes 98 days apart",
     250.0,
     2447892.5,
     250.5,
     2448092.5,
     19800,
     {1991, 12, 1},
     9},
    // Different lords: the pairs come where the sequences happen to meet.
    {"different lords", 123.4, 2446000.3, 301.7, 2447100.8, -18000, {2010, 6, 15}, 1},
    {"Venus and Saturn balances", 20.0, 2445000.5, 290.0, 2445500.5, 3600, {2030, 3, 3}, 0},
};

TEST(DashaSandhi, AgreesWithADayByDayLook) {
  for (const SandhiCase& c : kSandhiCases) {
    SCOPED_TRACE(c.Source);
    const auto still = [](double) { return 0.0; };
    const PersonTiming boy =
        ComputePersonTiming(c.BoyMoon, c.BoyBirth, still, FixedUtcOffset(0), {365.25, 1});
    const PersonTiming girl = ComputePersonTiming(c.GirlMoon, c.GirlBirth, still,
                                                  FixedUtcOffset(c.GirlOffset), {365.25, 1});
    const int wedding = DayNumberOf(c.Wedding);
    const CoupleTiming couple = CombineTimings(boy, girl, wedding);
    const std::vector<SandhiEntry> expected = SandhiByDays(boy, girl, wedding);
    ASSERT_EQ(couple.Sandhi.size(), expected.size());
    EXPECT_GE(static_cast<int>(couple.Sandhi.size()), c.AtLeast);
    for (std::size_t i = 0; i < expected.size(); ++i) {
      EXPECT_EQ(couple.Sandhi[i].BoyDay, expected[i].BoyDay);
      EXPECT_EQ(couple.Sandhi[i].GirlDay, expected[i].GirlDay);
      EXPECT_EQ(couple.Sandhi[i].DaysApart, expected[i].DaysApart);
      EXPECT_LE(couple.Sandhi[i].DaysApart, kDashaSandhiDays);
    }
  }
}

TEST(DashaSandhi, TheEdgeOfHalfAYear) {
  const std::vector<SandhiEntry> s = FindDashaSandhi({1000, 5000}, {1183, 5184}, 817);
  ASSERT_EQ(s.size(), 2U);
  EXPECT_EQ(s[0].BoyDay, 1000);  // 183 days after the wedding: in; 5000 is far from it
  EXPECT_FALSE(s[0].GirlDay.has_value());
  EXPECT_EQ(s[0].DaysApart, 183);
  EXPECT_EQ(s[1].BoyDay, 1000);  // 183 apart: in; 5000 and 5184, 184 apart: out
  EXPECT_EQ(s[1].GirlDay, 1183);
  EXPECT_TRUE(FindDashaSandhi({1000}, {1184}, std::nullopt).empty());
}

// ---------------------------------------------------------------- the document section

TEST(TimingSection, CarriesTimelinesRunningPeriodsSandhiAndTransits) {
  const PersonTiming boy =
      ComputePersonTiming(250.0, 2447892.5, TwoCircleSaturn, FixedUtcOffset(0), {365.25, 3});
  const PersonTiming girl =
      ComputePersonTiming(250.5, 2448092.5, WobblingSaturn, FixedUtcOffset(19800), {365.25, 3});
  const int wedding = DayNumberOf({1991, 12, 1});
  const CoupleTiming couple = CombineTimings(boy, girl, wedding);
  Document document;
  AppendTimingSection(document, couple, "Arjun", "Bela", {"Standard", "365.25"}, wedding);

  const auto* timeline = std::get_if<DocumentTimeline>(&document.Blocks[2]);
  ASSERT_NE(timeline, nullptr);
  ASSERT_EQ(timeline->Rows.size(), 2U);
  EXPECT_EQ(timeline->Rows[0].Caption, "Arjun");
  EXPECT_EQ(timeline->Rows[0].Segments.front().Label, "Ketu");
  EXPECT_EQ(timeline->Rows[0].Segments.front().FromDay, DayNumberOf({1990, 1, 1}));
  EXPECT_EQ(timeline->MarkDay, wedding);
  EXPECT_EQ(timeline->Shaded.size(), couple.Sandhi.size());

  const std::string text = PlainText(document);
  EXPECT_NE(text.find("Wedding 1991-12-01"), std::string::npos);
  EXPECT_NE(text.find("Standard ayanamsa"), std::string::npos);
  // On the wedding day Arjun has run Venus since 1991-10-02, its first antardasha too.
  EXPECT_NE(text.find("Arjun\tVenus 1991-10-02 to 2011-10-02\tVenus 1991-10-02 to"),
            std::string::npos);
  // Every Sandhi is written out; Arjun's change 1991-10-02 is 60 days before the wedding.
  EXPECT_NE(text.find("Arjun's mahadasha changes 1991-10-02, 60 days from the wedding"),
            std::string::npos);
  for (const SandhiEntry& entry : couple.Sandhi) {
    EXPECT_NE(text.find(SandhiWords(entry, "Arjun", "Bela", wedding)), std::string::npos);
  }
  // Saturn's spans in the next 30 years, each within them.
  for (const TransitRow& row : TransitsAhead(boy, wedding)) {
    EXPECT_GE(row.ToDay, wedding);
    EXPECT_LE(row.FromDay, wedding + 30 * 366);
  }
  EXPECT_FALSE(TransitsAhead(boy, wedding).empty());
}

}  // namespace
}  // namespace lumora
