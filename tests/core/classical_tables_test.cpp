// SPDX-License-Identifier: MIT
// The classical koota tables against facts that do not depend on how they are stored:
// the published worked example, counts and symmetries the rules imply, and one table
// (Graha Maitri points) printed by a source other than the rule the code applies.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string_view>

#include "core/vedic/match/classical_tables.h"

namespace lumora {
namespace {

constexpr int kSigns = 12;
constexpr int kNakshatras = 27;

// Boy Moola (Sagittarius, below 13 degrees 20) and girl Anuradha (Scorpio): the worked
// example of the classical tables, 0 + 1 + 1.5 + 0 + 5 + 0 + 0 + 8 = 15.5 points.
TEST(ClassicalTables, WorkedExampleMoolaBoyAnuradhaGirlScoresFifteenAndAHalf) {
  constexpr int kSagittarius = 8;
  constexpr int kScorpio = 7;
  constexpr int kMoola = 18;
  constexpr int kAnuradha = 16;
  const std::array<int, 8> half_points = {
      ClassicalVarnaHalfPoints(SignVarna(kSagittarius), SignVarna(kScorpio)),
      ClassicalVasyaHalfPoints(SignVasyaClass(kSagittarius, 5.0), SignVasyaClass(kScorpio, 5.0)),
      ClassicalTaraHalfPoints(kMoola, kAnuradha),
      ClassicalYoniHalfPoints(YoniOf(kMoola).Animal, YoniOf(kAnuradha).Animal),
      ClassicalGrahaMaitriHalfPoints(SignLord(kSagittarius), SignLord(kScorpio)),
      ClassicalGanaHalfPoints(GanaOf(kMoola), GanaOf(kAnuradha)),
      ClassicalBhakootHalfPoints(kSagittarius, kScorpio),
      ClassicalNadiHalfPoints(NadiOf(kMoola), NadiOf(kAnuradha))};
  constexpr std::array<int, 8> kExpected = {0, 2, 3, 0, 10, 0, 0, 16};
  EXPECT_EQ(half_points, kExpected);
  int total = 0;
  for (const int h : half_points) {
    total += h;
  }
  EXPECT_EQ(total, 31);
  EXPECT_TRUE(AreSwornEnemies(YoniAnimal::Dog, YoniAnimal::Deer));
  EXPECT_EQ(TaraNumber(kMoola, kAnuradha), 8);  // Mitra, the 26th counted from Moola
  EXPECT_EQ(TaraNumber(kAnuradha, kMoola), 3);  // Vipat
}

// Twenty-seven nakshatras and fourteen animals: every animal but the Mongoose (whose
// female is Abhijit, the 28th asterism) rules one male and one female nakshatra.
TEST(ClassicalTables, EachYoniAnimalHasOneMaleAndOneFemaleNakshatra) {
  std::map<YoniAnimal, std::array<int, 2>> count;
  for (int n = 0; n < kNakshatras; ++n) {
    ++count[YoniOf(n).Animal][static_cast<int>(YoniOf(n).Sex)];
  }
  ASSERT_EQ(count.size(), static_cast<std::size_t>(kYoniAnimalCount));
  for (const auto& [animal, by_sex] : count) {
    const std::array<int, 2> expected =
        animal == YoniAnimal::Mongoose ? std::array<int, 2>{1, 0} : std::array<int, 2>{1, 1};
    EXPECT_EQ(by_sex, expected) << YoniAnimalName(animal);
  }
}

// The yoni table is symmetric, gives 4 only to the same animal and 0 exactly to the
// seven sworn-enemy pairs.
TEST(ClassicalTables, YoniPointsAreSymmetricAndZeroExactlyForSwornEnemies) {
  int enemy_cells = 0;
  for (int a = 0; a < kYoniAnimalCount; ++a) {
    for (int b = 0; b < kYoniAnimalCount; ++b) {
      const auto x = static_cast<YoniAnimal>(a);
      const auto y = static_cast<YoniAnimal>(b);
      const int points = ClassicalYoniHalfPoints(x, y);
      EXPECT_EQ(points, ClassicalYoniHalfPoints(y, x)) << YoniAnimalName(x) << YoniAnimalName(y);
      EXPECT_EQ(points == 8, a == b) << YoniAnimalName(x) << " " << YoniAnimalName(y);
      EXPECT_EQ(points == 0, AreSwornEnemies(x, y)) << YoniAnimalName(x) << YoniAnimalName(y);
      enemy_cells += AreSwornEnemies(x, y);
    }
  }
  EXPECT_EQ(enemy_cells, 14);  // seven pairs, both orders
}

// Nine nakshatras in each gana and each nadi; the nadis run Adi, Madhya, Antya,
// Antya, Madhya, Adi by index mod 6.
TEST(ClassicalTables, GanaAndNadiHoldNineNakshatrasEach) {
  std::array<int, kGanaCount> ganas{};
  std::array<int, kNadiCount> nadis{};
  constexpr std::array<Nadi, 6> kNadiCycle = {Nadi::Adi,   Nadi::Madhya, Nadi::Antya,
                                              Nadi::Antya, Nadi::Madhya, Nadi::Adi};
  for (int n = 0; n < kNakshatras; ++n) {
    ++ganas[static_cast<int>(GanaOf(n))];
    ++nadis[static_cast<int>(NadiOf(n))];
    EXPECT_EQ(NadiOf(n), kNadiCycle[n % 6]) << n;
  }
  EXPECT_EQ(ganas, (std::array<int, kGanaCount>{9, 9, 9}));
  EXPECT_EQ(nadis, (std::array<int, kNadiCount>{9, 9, 9}));
  EXPECT_EQ(GanaOf(21), Gana::Deva);  // Shravana
}

// The Graha Maitri points as PyJHora prints them cell for cell (raasi_adhipathi_array),
// in half points; the code derives them from the friendships and the 5/4/3/1/0.5/0 rule.
TEST(ClassicalTables, GrahaMaitriRuleReproducesThePrintedLordTable) {
  // Sun, Moon, Mars, Mercury, Jupiter, Venus, Saturn
  constexpr std::array<std::array<int, kPlanetCount>, kPlanetCount> kPrinted{{
      {10, 10, 10, 8, 10, 0, 0},
      {10, 10, 8, 2, 8, 1, 1},
      {10, 8, 10, 1, 10, 6, 1},
      {8, 2, 1, 10, 1, 10, 8},
      {10, 8, 10, 1, 10, 1, 6},
      {0, 1, 6, 10, 1, 10, 10},
      {0, 1, 1, 8, 6, 10, 10},
  }};
  for (int b = 0; b < kSigns; ++b) {
    for (int g = 0; g < kSigns; ++g) {
      const int lord_b = static_cast<int>(SignLord(b));
      const int lord_g = static_cast<int>(SignLord(g));
      EXPECT_EQ(ClassicalGrahaMaitriHalfPoints(SignLord(b), SignLord(g)), kPrinted[lord_b][lord_g])
          << "signs " << b << ", " << g;
    }
  }
  // Two lords per planet except the luminaries, one sign each.
  std::array<int, kPlanetCount> signs_ruled{};
  for (int s = 0; s < kSigns; ++s) {
    ++signs_ruled[static_cast<int>(SignLord(s))];
  }
  EXPECT_EQ(signs_ruled, (std::array<int, kPlanetCount>{1, 1, 2, 2, 2, 2, 2}));
}

// Tara counted both ways, 3/5/7 unfavourable: the same count mod 9 or a neighbour
// scores 3, everything else 1.5 and nothing 0 ("Horoscope Matching", p. 41).
TEST(ClassicalTables, TaraGivesThreeForNeighboursAndOneAndAHalfOtherwise) {
  for (int b = 0; b < kNakshatras; ++b) {
    for (int g = 0; g < kNakshatras; ++g) {
      const int d = ((g - b) % 9 + 9) % 9;
      const int expected = (d == 0 || d == 1 || d == 8) ? 6 : 3;
      EXPECT_EQ(ClassicalTaraHalfPoints(b, g), expected) << b << " " << g;
    }
  }
  // Bride Ashwini, groom Vishakha: 1.5 (sriramgurujala.com).
  EXPECT_EQ(ClassicalTaraHalfPoints(15, 0), 3);
}

// Bhakoot is symmetric, and each sign has six partners at 2/12, 5/9 or 6/8 scoring 0.
TEST(ClassicalTables, BhakootIsSymmetricWithSixDoshaDistancesPerSign) {
  for (int b = 0; b < kSigns; ++b) {
    int zeros = 0;
    for (int g = 0; g < kSigns; ++g) {
      EXPECT_EQ(ClassicalBhakootHalfPoints(b, g), ClassicalBhakootHalfPoints(g, b));
      zeros += ClassicalBhakootHalfPoints(b, g) == 0;
      EXPECT_EQ(SignDistance(b, g) + SignDistance(g, b), b == g ? 2 : 14);
    }
    EXPECT_EQ(zeros, 6) << b;
  }
}

// Varna: the boy equal or higher earns the point; the signs cycle Kshatriya, Vaishya,
// Shudra, Brahmin from Aries.
TEST(ClassicalTables, VarnaFollowsTheBoyEqualOrHigherRule) {
  constexpr std::array<Varna, 4> kCycle = {Varna::Kshatriya, Varna::Vaishya, Varna::Shudra,
                                           Varna::Brahmin};
  for (int s = 0; s < kSigns; ++s) {
    EXPECT_EQ(SignVarna(s), kCycle[s % 4]) << s;
  }
  EXPECT_EQ(ClassicalVarnaHalfPoints(Varna::Brahmin, Varna::Shudra), 2);
  EXPECT_EQ(ClassicalVarnaHalfPoints(Varna::Shudra, Varna::Brahmin), 0);
  EXPECT_EQ(ClassicalVarnaHalfPoints(Varna::Vaishya, Varna::Vaishya), 2);
}

// Vasya: the half-sign rule with a longitude, and the data file's choice for each
// nakshatra of Sagittarius and Capricorn without one.
TEST(ClassicalTables, VasyaHalvesOfSagittariusAndCapricorn) {
  struct Case {
    int Sign;
    double Degree;
    VasyaClass Expected;
  };
  constexpr Case kCases[] = {
      {8, 0.0, VasyaClass::Manava},       {8, 14.99, VasyaClass::Manava},
      {8, 15.0, VasyaClass::Chatushpada}, {8, 29.9, VasyaClass::Chatushpada},
      {9, 0.0, VasyaClass::Chatushpada},  {9, 14.99, VasyaClass::Chatushpada},
      {9, 15.0, VasyaClass::Jalachara},   {9, 29.9, VasyaClass::Jalachara},
      {4, 20.0, VasyaClass::Vanachara},   {7, 1.0, VasyaClass::Keeta},
      {11, 16.0, VasyaClass::Jalachara},  {10, 3.0, VasyaClass::Manava},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(SignVasyaClass(c.Sign, c.Degree), c.Expected) << c.Sign << " " << c.Degree;
  }
  struct ProfileCase {
    int Sign;
    int Nakshatra;
    VasyaClass Expected;
  };
  constexpr ProfileCase kProfile[] = {
      {8, 18, VasyaClass::Manava},       // Moola
      {8, 19, VasyaClass::Chatushpada},  // Purva Ashadha
      {8, 20, VasyaClass::Chatushpada},  // Uttara Ashadha, Sagittarius part
      {9, 20, VasyaClass::Chatushpada},  // Uttara Ashadha, Capricorn part
      {9, 21, VasyaClass::Jalachara},    // Shravana
      {9, 22, VasyaClass::Jalachara},    // Dhanistha
      {8, 0, VasyaClass::Chatushpada},   // Ashwini does not touch Sagittarius: 15 degrees
      {9, 5, VasyaClass::Jalachara},     // nor Ardra Capricorn
  };
  for (const ProfileCase& c : kProfile) {
    EXPECT_EQ(ProfileVasyaClass(c.Sign, c.Nakshatra), c.Expected) << c.Sign << " " << c.Nakshatra;
  }
}

// The natural friendships as the data file lists them, friend/neutral/enemy per planet.
TEST(ClassicalTables, NaturalFriendshipsAsListed) {
  // One letter per column Sun..Saturn: F friend, N neutral, E enemy, - itself.
  constexpr std::array<std::string_view, kPlanetCount> kListed = {
      "-FFNFEE", "F-NFNNN", "FF-EFNN", "FEN-NFN", "FFFE-EN", "EENFN-F", "EEEFNF-"};
  for (int from = 0; from < kPlanetCount; ++from) {
    for (int to = 0; to < kPlanetCount; ++to) {
      if (from == to) {
        continue;
      }
      const char expected = kListed[from][to];
      const Friendship f = NaturalFriendship(static_cast<Planet>(from), static_cast<Planet>(to));
      const char got = f == Friendship::Friend ? 'F' : f == Friendship::Neutral ? 'N' : 'E';
      EXPECT_EQ(got, expected) << PlanetName(static_cast<Planet>(from)) << " -> "
                               << PlanetName(static_cast<Planet>(to));
    }
  }
}

}  // namespace
}  // namespace lumora
