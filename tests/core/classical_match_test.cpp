// SPDX-License-Identifier: MIT
// The classical tables through the scoring engine, for every pair of Moons a birth can
// have: every nakshatra in every sign it touches, and in Sagittarius and Capricorn both
// vasya halves. The expected points come from tables written out below from the
// published definitions (animals, lists, matrices), independently of the program's own.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/vedic/match/koota_scoring.h"
#include "core/vedic/match/match.h"

namespace lumora {
namespace {

constexpr std::array<std::string_view, 27> kAnimals = {
    "Horse", "Elephant", "Sheep",    "Serpent", "Serpent", "Dog",     "Cat",   "Sheep", "Cat",
    "Rat",   "Rat",      "Cow",      "Buffalo", "Tiger",   "Buffalo", "Tiger", "Deer",  "Deer",
    "Dog",   "Monkey",   "Mongoose", "Monkey",  "Lion",    "Horse",   "Lion",  "Cow",   "Elephant"};
constexpr std::array<std::string_view, 14> kAnimalOrder = {
    "Horse", "Elephant", "Sheep", "Serpent", "Dog",    "Cat",      "Rat",
    "Cow",   "Buffalo",  "Tiger", "Deer",    "Monkey", "Mongoose", "Lion"};
// Rows and columns in kAnimalOrder; whole points.
constexpr std::array<std::string_view, 14> kYoniRows = {
    "4 2 2 3 2 2 2 1 0 1 3 3 2 1", "2 4 3 3 2 2 2 2 3 1 2 3 2 0", "2 3 4 2 1 2 1 3 3 1 2 0 3 1",
    "3 3 2 4 2 1 1 1 1 2 2 2 0 2", "2 2 1 2 4 2 1 2 2 1 0 2 1 1", "2 2 2 1 2 4 0 2 2 1 3 3 2 1",
    "2 2 1 1 1 0 4 2 2 2 2 2 1 2", "1 2 3 1 2 2 2 4 3 0 3 2 2 1", "0 3 3 1 2 2 2 3 4 1 2 2 2 1",
    "1 1 1 2 1 1 2 0 1 4 1 1 2 1", "3 2 2 2 0 3 2 3 2 1 4 2 2 1", "3 3 0 2 2 3 2 2 2 1 2 4 3 2",
    "2 2 3 0 1 2 1 2 2 2 2 3 4 2", "1 0 1 2 1 1 2 1 1 1 1 2 2 4"};

// D Deva, M Manushya, R Rakshasa; A Adi, M Madhya, N Antya; Ashwini to Revati.
constexpr std::string_view kGanas = "DMRMDMDDRRMMDRDRDRRMMDRRMMD";
constexpr std::string_view kNadis = "AMNNMAAMNNMAAMNNMAAMNNMAAMN";
// Boy's gana in rows, girl's in columns: D, M, R.
constexpr int kGanaPoints[3][3] = {{6, 5, 1}, {6, 6, 0}, {0, 0, 6}};

// B Brahmin, K Kshatriya, V Vaishya, S Shudra, Aries to Pisces; rank B > K > V > S.
constexpr std::string_view kVarnas = "KVSBKVSBKVSB";
constexpr std::string_view kVarnaRank = "BKVS";

// Vasya class of each sign below and from 15 degrees: C Chatushpada, M Manava,
// J Jalachara, V Vanachara, K Keeta.
constexpr std::array<std::string_view, 12> kVasyaHalves = {"CC", "CC", "MM", "JJ", "VV", "MM",
                                                           "MM", "KK", "MC", "CJ", "MM", "JJ"};
constexpr std::string_view kVasyaOrder = "CMJVK";
// Boy rows, girl columns, in half points.
constexpr int kVasyaHalfPoints[5][5] = {
    {4, 2, 1, 0, 2}, {0, 4, 2, 0, 2}, {0, 2, 4, 0, 2}, {1, 1, 2, 4, 0}, {0, 2, 2, 0, 4}};

// Lords (Su Mo Ma Me Ju Ve Sa as 0..6) and the Graha Maitri points as PyJHora prints them,
// in half points.
constexpr std::array<int, 12> kLords = {2, 5, 3, 1, 0, 3, 5, 2, 4, 6, 6, 4};
constexpr int kMaitriHalfPoints[7][7] = {{10, 10, 10, 8, 10, 0, 0}, {10, 10, 8, 2, 8, 1, 1},
                                         {10, 8, 10, 1, 10, 6, 1},  {8, 2, 1, 10, 1, 10, 8},
                                         {10, 8, 10, 1, 10, 1, 6},  {0, 1, 6, 10, 1, 10, 10},
                                         {0, 1, 1, 8, 6, 10, 10}};

int IndexOf(std::string_view list, char c) {
  return static_cast<int>(list.find(c));
}

int AnimalIndex(std::string_view animal) {
  return static_cast<int>(std::find(kAnimalOrder.begin(), kAnimalOrder.end(), animal) -
                          kAnimalOrder.begin());
}

int YoniHalfPoints(int boy_nakshatra, int girl_nakshatra) {
  const std::string_view row =
      kYoniRows[static_cast<std::size_t>(AnimalIndex(kAnimals[boy_nakshatra]))];
  const int column = AnimalIndex(kAnimals[girl_nakshatra]);
  return 2 * (row[static_cast<std::size_t>(2 * column)] - '0');
}

int TaraHalfPoints(int boy, int girl) {
  auto favourable = [](int from, int to) {
    const int tara = ((to - from + 27) % 27) % 9 + 1;
    return tara != 3 && tara != 5 && tara != 7;
  };
  return 3 * (favourable(boy, girl) ? 1 : 0) + 3 * (favourable(girl, boy) ? 1 : 0);
}

int BhakootHalfPoints(int boy, int girl) {
  const int n = (girl - boy + 12) % 12 + 1;
  return (n == 2 || n == 12 || n == 5 || n == 9 || n == 6 || n == 8) ? 0 : 14;
}

char VasyaClassOf(const KootaMoon& moon) {
  return kVasyaHalves[static_cast<std::size_t>(moon.Sign)][moon.DegreeInSign < 15.0 ? 0 : 1];
}

std::array<int, kKootaCount> Expected(const KootaMoon& b, const KootaMoon& g) {
  const int varna = IndexOf(kVarnaRank, kVarnas[static_cast<std::size_t>(b.Sign)]) <=
                            IndexOf(kVarnaRank, kVarnas[static_cast<std::size_t>(g.Sign)])
                        ? 2
                        : 0;
  const int vasya = kVasyaHalfPoints[IndexOf(kVasyaOrder, VasyaClassOf(b))]
                                    [IndexOf(kVasyaOrder, VasyaClassOf(g))];
  const int gana = kGanaPoints[IndexOf("DMR", kGanas[static_cast<std::size_t>(b.Nakshatra)])]
                              [IndexOf("DMR", kGanas[static_cast<std::size_t>(g.Nakshatra)])];
  const int nadi =
      kNadis[static_cast<std::size_t>(b.Nakshatra)] == kNadis[static_cast<std::size_t>(g.Nakshatra)]
          ? 0
          : 16;
  return {varna,
          vasya,
          TaraHalfPoints(b.Nakshatra, g.Nakshatra),
          YoniHalfPoints(b.Nakshatra, g.Nakshatra),
          kMaitriHalfPoints[kLords[static_cast<std::size_t>(b.Sign)]]
                           [kLords[static_cast<std::size_t>(g.Sign)]],
          2 * gana,
          BhakootHalfPoints(b.Sign, g.Sign),
          nadi};
}

// Every Moon a birth can have, one per nakshatra part of each half of a sign, at the
// middle of that part.
std::vector<KootaMoon> EveryBirthMoon() {
  std::vector<KootaMoon> moons;
  constexpr double kSpan = 360.0 / 27.0;
  for (int sign = 0; sign < 12; ++sign) {
    for (int n = 0; n < 27; ++n) {
      for (int half = 0; half < 2; ++half) {
        const double from = std::max(n * kSpan, sign * 30.0 + 15.0 * half);
        const double to = std::min((n + 1) * kSpan, sign * 30.0 + 15.0 * (half + 1));
        if (to > from) {
          moons.push_back({sign, n, (from + to) / 2.0 - sign * 30.0});
        }
      }
    }
  }
  return moons;
}

TEST(ClassicalScoring, EveryPairOfBirthMoonsAgainstThePublishedTables) {
  const std::vector<KootaMoon> moons = EveryBirthMoon();
  // 27 nakshatras, 9 of them cut by a sign boundary, and one more cut at the middle of
  // each sign (never a nakshatra boundary): 27 + 9 + 12 parts.
  ASSERT_EQ(moons.size(), 48u);
  int checked = 0;
  for (const KootaMoon& b : moons) {
    for (const KootaMoon& g : moons) {
      const KootaScores scores = ScoreKootas(KootaTables::Classical, b, g);
      const std::array<int, kKootaCount> expected = Expected(b, g);
      for (int k = 0; k < kKootaCount; ++k) {
        ASSERT_EQ(scores[static_cast<std::size_t>(k)].HalfPoints,
                  expected[static_cast<std::size_t>(k)])
            << kKootas[static_cast<std::size_t>(k)].Koota << ": boy sign " << b.Sign
            << " nakshatra " << b.Nakshatra << " at " << b.DegreeInSign << ", girl sign " << g.Sign
            << " nakshatra " << g.Nakshatra << " at " << g.DegreeInSign;
        ++checked;
      }
    }
  }
  EXPECT_EQ(checked, 48 * 48 * kKootaCount);
}

// Rules that are symmetric give the same points with the roles swapped; varna, vasya
// and gana are not symmetric and must not be treated as if they were.
TEST(ClassicalScoring, SymmetricKootasAreSymmetricAndTheOthersAreNot) {
  const std::vector<KootaMoon> moons = EveryBirthMoon();
  std::array<int, kKootaCount> asymmetric{};
  for (const KootaMoon& b : moons) {
    for (const KootaMoon& g : moons) {
      const KootaScores forward = ScoreKootas(KootaTables::Classical, b, g);
      const KootaScores backward = ScoreKootas(KootaTables::Classical, g, b);
      for (std::size_t k = 0; k < forward.size(); ++k) {
        asymmetric[k] += forward[k].HalfPoints != backward[k].HalfPoints ? 1 : 0;
      }
    }
  }
  for (const Koota k : {Koota::Tara, Koota::Yoni, Koota::GrahaMaitri, Koota::Rashi, Koota::Nadi}) {
    EXPECT_EQ(asymmetric[static_cast<std::size_t>(k)], 0) << static_cast<int>(k);
  }
  for (const Koota k : {Koota::Varna, Koota::Vasya, Koota::Gana}) {
    EXPECT_GT(asymmetric[static_cast<std::size_t>(k)], 0) << static_cast<int>(k);
  }
}

// The published worked example: Moola boy (Sagittarius, below 13 degrees 20) and
// Anuradha girl (Scorpio) score 15.5 by the classical tables and 24.5 by the specified
// ones; the match shows both totals and explains the rows that differ.
TEST(ClassicalScoring, MoolaBoyAnuradhaGirlWorkedExample) {
  MatchState state;
  state.Boy = KootaMoonAt(8 * 30.0 + 6.0);
  state.Girl = KootaMoonAt(7 * 30.0 + 10.0);
  ASSERT_EQ(state.Boy.Nakshatra, 18);
  ASSERT_EQ(state.Girl.Nakshatra, 16);
  state.Tables = KootaTables::Specified;
  const MatchOutcome specified = CalculateMatch(state);
  ASSERT_TRUE(specified.Result);
  EXPECT_EQ(specified.Result->TotalPoints, "24.5");
  EXPECT_EQ(specified.Result->TotalHalfPointsOf(KootaTables::Classical), 31);
  EXPECT_EQ(specified.Result->Grid.TablesLine, "Koota tables: Specified");
  EXPECT_EQ(specified.Result->Grid.OtherTotalLine, "Classical tables: 15.5 \u2014 below 18");
  const auto& notes = specified.Result->Grid.Notes;
  EXPECT_EQ(notes[static_cast<std::size_t>(Koota::Yoni)],
            "The classical tables give 0 of 4: dog and deer are sworn enemies");
  EXPECT_EQ(notes[static_cast<std::size_t>(Koota::Rashi)],
            "The classical tables give 0 of 7: the signs stand 2/12 from each other; Bhakoot "
            "dosha is present, yet the specified table awards 7 of 7");
  EXPECT_EQ(notes[static_cast<std::size_t>(Koota::Nadi)], "");  // both tables give 8

  state.Tables = KootaTables::Classical;
  const MatchOutcome classical = CalculateMatch(state);
  ASSERT_TRUE(classical.Result);
  EXPECT_EQ(classical.Result->TotalPoints, "15.5");
  EXPECT_EQ(classical.Result->Verdict, "This is a Poor Match");
  EXPECT_EQ(classical.Result->Grid.OtherTotalLine, "Specified tables: 24.5 \u2014 at least 18");
  const GunaMilanGrid& grid = classical.Result->Grid;
  EXPECT_EQ(grid.Rows[static_cast<std::size_t>(Koota::Yoni)].BoyValue, "Dog");
  EXPECT_EQ(grid.Rows[static_cast<std::size_t>(Koota::Yoni)].GirlValue, "Deer");
  EXPECT_EQ(grid.Rows[static_cast<std::size_t>(Koota::Vasya)].BoyValue, "Manava");
  EXPECT_EQ(grid.Rows[static_cast<std::size_t>(Koota::Vasya)].GirlValue, "Keeta");
  EXPECT_EQ(grid.Rows[static_cast<std::size_t>(Koota::Gana)].BoyValue, "Rakshasa");
  EXPECT_EQ(grid.Rows[static_cast<std::size_t>(Koota::GrahaMaitri)].BoyValue, "Jupiter");
  // With the classical tables a present dosha scores 0 in its row, except a Rakshasa
  // partner whose table still gives a point.
  for (const std::string& note : grid.Notes) {
    EXPECT_EQ(note.find("The classical tables"), std::string::npos) << note;
  }
  // The significance texts follow the tables in use.
  EXPECT_NE(classical.Result->Texts.KootaSignificance[0].find("man's Varna is equal"),
            std::string::npos);
  EXPECT_NE(specified.Result->Texts.KootaSignificance[0].find("woman's Varna is equal"),
            std::string::npos);
}

// Every classical text change finds the words it replaces, so no classical text keeps a
// sentence about the specified points by accident.
TEST(ClassicalScoring, EveryClassicalTextChangeApplies) {
  for (const SignificanceChange& change : kClassicalSignificanceChanges) {
    const std::string specified = SignificanceText(KootaTables::Specified, change.Koota);
    const std::string classical = SignificanceText(KootaTables::Classical, change.Koota);
    EXPECT_NE(specified.find(change.Specified), std::string::npos) << change.Specified;
    EXPECT_EQ(classical.find(change.Specified), std::string::npos) << change.Specified;
    EXPECT_NE(classical.find(change.Classical), std::string::npos) << change.Classical;
  }
}

// With the profile rule, Purva Ashadha is taken in the second half of Sagittarius and
// Shravana in the second half of Capricorn; with a longitude, the degree decides.
TEST(ClassicalScoring, VasyaHalfByLongitudeOrByTheProfileRule) {
  const KootaMoon girl = KootaMoonOf(0, 1);  // Aries, Bharani: Chatushpada
  struct Case {
    KootaMoon Boy;
    std::string_view Class;
  };
  const Case cases[] = {
      {KootaMoonOf(8, 19), "Chatushpada"},           {KootaMoonAt(8 * 30.0 + 14.0), "Manava"},
      {KootaMoonAt(8 * 30.0 + 16.0), "Chatushpada"}, {KootaMoonOf(9, 21), "Jalachara"},
      {KootaMoonAt(9 * 30.0 + 11.0), "Chatushpada"}, {KootaMoonAt(9 * 30.0 + 20.0), "Jalachara"},
  };
  for (const Case& c : cases) {
    const KootaScores scores = ScoreKootas(KootaTables::Classical, c.Boy, girl);
    const KootaScore& vasya = scores[static_cast<std::size_t>(Koota::Vasya)];
    EXPECT_EQ(KootaValueName(KootaTables::Classical, static_cast<int>(Koota::Vasya), vasya.Boy),
              c.Class)
        << c.Boy.Sign << " " << c.Boy.DegreeInSign;
  }
}

}  // namespace
}  // namespace lumora
