// SPDX-License-Identifier: MIT
// Birth-time windows and the score range against brute-force stepping through the
// ordinary Moon and chart computations.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <set>
#include <utility>
#include <vector>

#include "core/ephemeris/moon_sign.h"
#include "core/ephemeris/zodiac.h"
#include "core/vedic/chart/birth_time.h"
#include "core/vedic/chart/sidereal_chart.h"
#include "core/vedic/match/koota_scoring.h"
#include "core/vedic/match/match.h"

namespace lumora {
namespace {

// A small fixed generator, so every platform draws the same births.
class Births {
 public:
  explicit Births(std::uint32_t seed) : state_(seed) {}
  int Between(int low, int high) {
    state_ = state_ * 1664525u + 1013904223u;
    return low + static_cast<int>((state_ >> 8) % static_cast<std::uint32_t>(high - low + 1));
  }
  BirthMoment Next() {
    BirthMoment m;
    m.BirthYear = Between(1901, 2050);
    m.BirthMonth = Between(1, 12);
    m.BirthDay = Between(1, 28);
    m.BirthHour = Between(0, 23);
    m.BirthMinute = Between(0, 59);
    m.ZoneHour = Between(0, 12);
    m.ZoneMinute = Between(0, 3) * 15;
    m.LongDeg = Between(0, 179);
    m.LongMin = Between(0, 59);
    m.LatDeg = Between(0, 58);  // inhabited latitudes, below the polar circles
    m.LatMin = Between(0, 59);
    m.IsEast = Between(0, 1) == 1;
    m.IsSouth = Between(0, 1) == 1;
    m.IsDST = Between(0, 3) == 0;
    return m;
  }

 private:
  std::uint32_t state_;
};

BirthMoment MinutesLater(BirthMoment m, int minutes) {
  m.BirthMinute += minutes;  // the time arguments read minutes linearly
  return m;
}

// The states of a window kind at a whole minute, by the precise ephemeris's Moon and
// ascendant, reached from the birth moment of that minute.
int MoonStateAtMinute(const BirthMoment& m, WindowKind kind, int minute) {
  const ChartInstant instant = BirthInstant(MinutesLater(m, minute));
  if (kind == WindowKind::Lagna) {
    return SignOf(SiderealLagnaAt(instant));
  }
  const double moon = SiderealMoonAt(instant);
  switch (kind) {
    case WindowKind::Nakshatra:
      return NakshatraIndex(moon);
    case WindowKind::Pada:
      return static_cast<int>(std::floor(moon * 60.0 / 200.0));
    case WindowKind::Rashi:
      return SignOf(moon);
    case WindowKind::Lagna:
      break;
  }
  return -1;
}

long long FloorDiv(long long a, long long b) {
  return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// Every window holds its state at each whole minute inside it (stepped through the
// match's own Moon and the chart), the state changes one second beyond each end, and
// the clock readings are the entered time moved by the offsets.
TEST(BirthTimeWindows, AgreeWithBruteForceStepping) {
  Births births(20261208);
  // Each state of the precise ephemeris costs a fifth of a millisecond: fewer births than
  // the short series allowed, every minute of the windows of some of them.
  constexpr int kBirths = 60;
  constexpr int kSteppedBirths = 6;  // of which every minute is stepped through
  for (int i = 0; i < kBirths; ++i) {
    const BirthMoment m = births.Next();
    SCOPED_TRACE(::testing::Message()
                 << "birth " << i << ": " << m.BirthYear << "-" << m.BirthMonth << "-" << m.BirthDay
                 << " " << m.BirthHour << ":" << m.BirthMinute);
    const BirthTimeWindows w = FindBirthTimeWindows(m);
    EXPECT_EQ(w.Nakshatra, MoonStateAtMinute(m, WindowKind::Nakshatra, 0));
    EXPECT_EQ(w.Nakshatra * 4 + w.Pada - 1, MoonStateAtMinute(m, WindowKind::Pada, 0));
    EXPECT_EQ(w.Rashi, MoonStateAtMinute(m, WindowKind::Rashi, 0));
    EXPECT_EQ(w.LagnaSign, MoonStateAtMinute(m, WindowKind::Lagna, 0));
    for (int k = 0; k < kWindowKindCount; ++k) {
      const auto kind = static_cast<WindowKind>(k);
      SCOPED_TRACE(kWindowKindNames[k]);
      const TimeWindow& tw = w.Of(kind);
      const int state = WindowStateAt(m, kind, 0);
      ASSERT_LE(tw.FromSeconds, 0);
      ASSERT_GE(tw.ToSeconds, 0);
      EXPECT_FALSE(tw.FromAtLimit);
      EXPECT_FALSE(tw.ToAtLimit);
      // To the second at both ends.
      EXPECT_EQ(WindowStateAt(m, kind, static_cast<double>(tw.FromSeconds)), state);
      EXPECT_NE(WindowStateAt(m, kind, static_cast<double>(tw.FromSeconds - 1)), state);
      EXPECT_EQ(WindowStateAt(m, kind, static_cast<double>(tw.ToSeconds)), state);
      EXPECT_NE(WindowStateAt(m, kind, static_cast<double>(tw.ToSeconds + 1)), state);
      EXPECT_EQ(tw.From, ClockAfter(m, tw.FromSeconds));
      EXPECT_EQ(tw.To, ClockAfter(m, tw.ToSeconds));
      if (i >= kSteppedBirths) {
        continue;
      }
      const int first = static_cast<int>(FloorDiv(tw.FromSeconds + 59, 60));
      const int last = static_cast<int>(FloorDiv(tw.ToSeconds, 60));
      const int expected = MoonStateAtMinute(m, kind, 0);
      for (int minute = first; minute <= last; ++minute) {
        ASSERT_EQ(MoonStateAtMinute(m, kind, minute), expected) << "minute " << minute;
      }
      EXPECT_NE(MoonStateAtMinute(m, kind, first - 1), expected);
      EXPECT_NE(MoonStateAtMinute(m, kind, last + 1), expected);
    }
  }
}

// Another ayanamsa moves the edges by hours; the windows follow the zodiac they are asked
// about, and their Moon is the chart's.
TEST(BirthTimeWindows, FollowTheChosenAyanamsa) {
  Births births(1582);
  const ChartOptions options{Ayanamsa::Raman, NodeKind::Mean};
  for (int i = 0; i < 8; ++i) {
    const BirthMoment m = births.Next();
    const BirthTimeWindows w = FindBirthTimeWindows(m, options);
    EXPECT_EQ(w.Nakshatra, NakshatraIndex(CalculateSiderealChart(m, options).Of(Graha::Moon))) << i;
    for (const WindowKind kind : {WindowKind::Nakshatra, WindowKind::Pada, WindowKind::Rashi}) {
      const TimeWindow& tw = w.Of(kind);
      const int state = WindowStateAt(m, kind, 0, options);
      auto at = [&](long long s) {
        return WindowStateAt(m, kind, static_cast<double>(s), options);
      };
      EXPECT_EQ(at(tw.FromSeconds), state) << i;
      EXPECT_NE(at(tw.FromSeconds - 1), state) << i;
      EXPECT_EQ(at(tw.ToSeconds), state) << i;
      EXPECT_NE(at(tw.ToSeconds + 1), state) << i;
    }
  }
}

TEST(BirthTimeWindows, ClockReadings) {
  BirthMoment m;
  m.BirthYear = 2024;
  m.BirthMonth = 2;
  m.BirthDay = 28;
  m.BirthHour = 23;
  m.BirthMinute = 30;
  struct Case {
    long long seconds;
    const char* text;
  };
  const Case cases[] = {
      {0, "2024-02-28 23:30:00"},
      {1800 + 86400, "2024-03-01 00:00:00"},  // a leap day passes
      {-(23 * 3600 + 30 * 60) - 1, "2024-02-27 23:59:59"},
      {-86400 * 59, "2023-12-31 23:30:00"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatLocalClock(ClockAfter(m, c.seconds)), c.text) << c.seconds;
  }
  m.BirthHour = 24;  // the hour list's 24 is the midnight ending the day
  m.BirthMinute = 0;
  EXPECT_EQ(FormatLocalClock(ClockAfter(m, 5)), "2024-02-29 00:00:05");
  EXPECT_EQ(FormatClockTime(ClockAfter(m, -1)), "23:59:59");
}

struct BruteRange {
  double lowest = 99.0;
  double highest = -1.0;
  std::vector<int> changing;
};

// Every whole minute within +-N, through the match's Moon; every pair scored by the
// match driver.
BruteRange BruteForceRange(const BirthMoment& boy, const BirthMoment& girl, int n) {
  auto states = [n](const BirthMoment& m) {
    std::set<std::pair<int, int>> found;
    for (int minute = -n; minute <= n; ++minute) {
      const MoonSignResult moon = CalculateMoonSign(MinutesLater(m, minute));
      found.insert({moon.Position.Sign, NakshatraIndex(moon.SiderealLongitude)});
    }
    return found;
  };
  BruteRange range;
  std::set<std::string> points[kKootaCount];
  for (const auto& b : states(boy)) {
    for (const auto& g : states(girl)) {
      MatchState state;
      state.Boy = KootaMoonOf(b.first, b.second);
      state.Girl = KootaMoonOf(g.first, g.second);
      const MatchOutcome outcome = CalculateMatch(state);
      range.lowest = std::min(range.lowest, state.TotalPoints);
      range.highest = std::max(range.highest, state.TotalPoints);
      for (int k = 0; k < kKootaCount; ++k) {
        points[k].insert(outcome.Result->Grid.Rows[static_cast<std::size_t>(k)].PointsObtained);
      }
    }
  }
  for (int k = 0; k < kKootaCount; ++k) {
    if (points[k].size() > 1) {
      range.changing.push_back(k);
    }
  }
  return range;
}

TEST(ScoreRange, AgreesWithBruteForce) {
  Births births(7);
  int ranges_with_change = 0;
  for (int i = 0; i < 24; ++i) {
    BirthMoment boy = births.Next();
    BirthMoment girl = births.Next();
    // Most pairs move the boy's Moon to ten minutes before a nakshatra or pada ends, so
    // the wider uncertainties cross it.
    if (i % 4 != 3) {
      const BirthTimeWindows w = FindBirthTimeWindows(boy);
      const WindowKind kind = i % 2 == 0 ? WindowKind::Nakshatra : WindowKind::Pada;
      boy = MinutesLater(boy, static_cast<int>(w.Of(kind).ToSeconds / 60) - 10);
    }
    for (int n : kUncertaintyChoices) {
      SCOPED_TRACE(::testing::Message() << "pair " << i << " +-" << n);
      const ScoreRange range = CalculateScoreRange(boy, girl, n);
      const BruteRange brute = BruteForceRange(boy, girl, n);
      EXPECT_EQ(range.Minutes, n);
      EXPECT_EQ(range.Lowest, brute.lowest);
      EXPECT_EQ(range.Highest, brute.highest);
      EXPECT_EQ(range.ChangingKootas, brute.changing);
      ranges_with_change += range.ChangingKootas.empty() ? 0 : 1;
    }
  }
  EXPECT_GT(ranges_with_change, 10);  // the pairs above do cross boundaries
}

TEST(ScoreRange, UncertaintyChoices) {
  for (int n : {5, 15, 30, 60}) {
    EXPECT_TRUE(IsUncertaintyChoice(n)) << n;
  }
  for (int n : {0, -30, 10, 45, 120}) {
    EXPECT_FALSE(IsUncertaintyChoice(n)) << n;
  }
}

}  // namespace
}  // namespace lumora
