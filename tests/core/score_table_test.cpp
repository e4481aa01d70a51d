// SPDX-License-Identifier: MIT
// The ranking's score table against the koota scorers and the match driver, and the
// order a ranking puts candidates in.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "core/ephemeris/zodiac.h"
#include "core/vedic/match/match.h"
#include "core/vedic/rank/ranking.h"
#include "core/vedic/rank/score_table.h"

namespace lumora {
namespace {

// The (rashi, nakshatra) states a birth can reach, found by walking the sidereal
// zodiac minute of arc by minute of arc: signs are 30 degrees, nakshatras 13 1/3.
std::vector<MoonState> ReachableStates() {
  std::set<int> seen;
  for (int minute = 0; minute < 360 * 60; ++minute) {
    const double longitude = minute / 60.0 + 1.0 / 240.0;
    seen.insert(MoonStateIndex({static_cast<int>(longitude / 30.0), NakshatraIndex(longitude)}));
  }
  std::vector<MoonState> states;
  for (const int index : seen) {
    states.push_back(MoonStateAt(index));
  }
  return states;
}

class ScoreTableOf : public ::testing::TestWithParam<KootaTables> {};

INSTANTIATE_TEST_SUITE_P(BothTableSets, ScoreTableOf,
                         ::testing::Values(KootaTables::Specified, KootaTables::Classical));

TEST_P(ScoreTableOf, EveryPairEqualsTheScorers) {
  const ScoreTable& table = ScoreTable::Instance(GetParam());
  for (int boy = 0; boy < kMoonStateCount; ++boy) {
    for (int girl = 0; girl < kMoonStateCount; ++girl) {
      const MoonState b = MoonStateAt(boy);
      const MoonState g = MoonStateAt(girl);
      const KootaScores kootas = ScoreKootas(GetParam(), KootaMoonOf(b.Sign, b.Nakshatra),
                                             KootaMoonOf(g.Sign, g.Nakshatra));
      const PairScore& score = table.Score(boy, girl);
      int total = 0;
      for (int k = 0; k < kKootaCount; ++k) {
        ASSERT_EQ(score.Points[k], kootas[static_cast<std::size_t>(k)].HalfPoints)
            << RashiName(b) << "/" << NakshatraName(b) << " with " << RashiName(g) << "/"
            << NakshatraName(g) << ", koota " << k;
        total += score.Points[k];
      }
      ASSERT_EQ(score.Total, total);
      ASSERT_EQ(table.TotalsOfBoy(boy)[girl], score.Total);
      ASSERT_EQ(table.TotalsOfGirl(girl)[boy], score.Total);
    }
  }
}

// Every pair a birth can give, through the whole match driver: the total text and
// verdict a window shows.
TEST_P(ScoreTableOf, ReachablePairsEqualTheMatchDriver) {
  const std::vector<MoonState> states = ReachableStates();
  ASSERT_EQ(states.size(), 36u);  // 27 nakshatras, nine cut by a sign boundary
  const ScoreTable& table = ScoreTable::Instance(GetParam());
  for (const MoonState b : states) {
    for (const MoonState g : states) {
      MatchState state;
      state.Boy = KootaMoonOf(b.Sign, b.Nakshatra);
      state.Girl = KootaMoonOf(g.Sign, g.Nakshatra);
      state.Tables = GetParam();
      const MatchOutcome outcome = CalculateMatch(state);
      ASSERT_TRUE(outcome.Result.has_value());
      const PairScore& score = table.Score(MoonStateIndex(b), MoonStateIndex(g));
      EXPECT_EQ(HalfPointsText(score.Total), outcome.Result->TotalPoints);
      EXPECT_EQ(MatchVerdict(score.Total / 2.0), outcome.Result->Verdict);
    }
  }
}

TEST(MoonStateOf, NamesOfTheTablesOnly) {
  for (int index = 0; index < kMoonStateCount; ++index) {
    const MoonState state = MoonStateAt(index);
    EXPECT_EQ(MoonStateOf(RashiName(state), NakshatraName(state)), state);
  }
  // The display name and misspellings are not table names.
  EXPECT_FALSE(MoonStateOf("Libra (Thula)", "Swati"));
  EXPECT_FALSE(MoonStateOf("Libra", "Swathi"));
  EXPECT_FALSE(MoonStateOf("", ""));
}

// Candidate states by name, so each case reads as the pair it ranks.
std::uint16_t State(const char* rashi, const char* nakshatra) {
  return static_cast<std::uint16_t>(MoonStateIndex(*MoonStateOf(rashi, nakshatra)));
}

TEST(RankOrder, BestFirstTiesInInputOrder) {
  const MoonState boy = *MoonStateOf("Cancer", "Pushya");
  const std::vector<std::uint16_t> girls = {
      State("Libra", "Swati"),   State("Aries", "Ashwini"),
      State("Libra", "Swati"),  // the same total as the first: stays after it
      State("Cancer", "Pushya"), State("Pisces", "Revati"),
  };
  const std::vector<std::uint32_t> order = RankOrder(boy, PersonRole::Boy, girls);
  ASSERT_EQ(order.size(), girls.size());
  const ScoreTable& table = ScoreTable::Instance();
  const int b = MoonStateIndex(boy);
  for (std::size_t i = 1; i < order.size(); ++i) {
    const int before = table.Score(b, girls[order[i - 1]]).Total;
    const int after = table.Score(b, girls[order[i]]).Total;
    EXPECT_TRUE(before > after || (before == after && order[i - 1] < order[i]))
        << "places " << i - 1 << " and " << i;
  }
  const auto first = std::find(order.begin(), order.end(), 0u);
  const auto third = std::find(order.begin(), order.end(), 2u);
  EXPECT_EQ(third - first, 1);  // equal totals side by side, in input order
}

// Against a stable sort on many candidates, with the person on either side.
TEST(RankOrder, AgreesWithAStableSort) {
  std::vector<std::uint16_t> states(5000);
  std::uint32_t seed = 12345;
  for (std::uint16_t& s : states) {
    seed = seed * 1103515245u + 12345u;  // a fixed linear congruential sequence
    s = static_cast<std::uint16_t>((seed >> 8) % kMoonStateCount);
  }
  const ScoreTable& table = ScoreTable::Instance();
  for (const PersonRole role : {PersonRole::Boy, PersonRole::Girl}) {
    const MoonState person = *MoonStateOf("Virgo", "Chitra");
    const int p = MoonStateIndex(person);
    auto total = [&](std::uint32_t i) {
      return role == PersonRole::Boy ? table.Score(p, states[i]).Total
                                     : table.Score(states[i], p).Total;
    };
    std::vector<std::uint32_t> expected(states.size());
    for (std::uint32_t i = 0; i < expected.size(); ++i) {
      expected[i] = i;
    }
    std::stable_sort(expected.begin(), expected.end(),
                     [&](std::uint32_t a, std::uint32_t b) { return total(a) > total(b); });
    EXPECT_EQ(RankOrder(person, role, states), expected);
  }
}

}  // namespace
}  // namespace lumora
