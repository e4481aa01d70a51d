// SPDX-License-Identifier: MIT
#include "core/vedic/porutham/porutham.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <string_view>
#include <utility>

namespace lumora {
namespace {

// The definitions of the ten poruthams written out again as data, the way the
// almanacs print them (stars numbered 1 Ashwini .. 27 Revati, rashis 1 Aries .. 12
// Pisces), so that every pair of Moons can be checked against them. Sources: the
// Tamil almanac reading as the South Indian matching issue states it; ganas, yoni
// animals, sign lords and Graha Maitri points from ../shared/data/classical-koota.md.

constexpr std::array<int, 12> kGoodDina = {2, 4, 6, 8, 9, 11, 13, 15, 18, 20, 24, 26};
constexpr std::array<int, 8> kGoodMahendra = {4, 7, 10, 13, 16, 19, 22, 25};

// Gana of stars 1..27, by the lists of Deva and Rakshasa stars (the rest are Manushya).
constexpr std::array<int, 9> kDevaStars = {1, 5, 7, 8, 13, 15, 17, 22, 27};
constexpr std::array<int, 9> kRakshasaStars = {3, 9, 10, 14, 16, 18, 19, 23, 24};

// Yoni animal of stars 1..27 and the seven pairs of sworn enemies.
constexpr std::array<std::string_view, 27> kAnimals = {
    "Horse", "Elephant", "Sheep",    "Serpent", "Serpent", "Dog",     "Cat",   "Sheep", "Cat",
    "Rat",   "Rat",      "Cow",      "Buffalo", "Tiger",   "Buffalo", "Tiger", "Deer",  "Deer",
    "Dog",   "Monkey",   "Mongoose", "Monkey",  "Lion",    "Horse",   "Lion",  "Cow",   "Elephant"};
constexpr std::array<std::pair<std::string_view, std::string_view>, 7> kSwornEnemies = {{
    {"Horse", "Buffalo"},
    {"Elephant", "Lion"},
    {"Sheep", "Monkey"},
    {"Serpent", "Mongoose"},
    {"Dog", "Deer"},
    {"Cat", "Rat"},
    {"Cow", "Tiger"},
}};

// Lords of rashis 1..12 (0 Sun, 1 Moon, 2 Mars, 3 Mercury, 4 Jupiter, 5 Venus, 6 Saturn)
// and the Graha Maitri points of two lords: 4 or 5 is an agreement.
constexpr std::array<int, 12> kLords = {2, 5, 3, 1, 0, 3, 5, 2, 4, 6, 6, 4};
constexpr std::array<std::array<double, 7>, 7> kMaitriPoints = {{
    {5, 5, 5, 4, 5, 0, 0},
    {5, 5, 4, 1, 4, 0.5, 0.5},
    {5, 4, 5, 0.5, 5, 3, 0.5},
    {4, 1, 0.5, 5, 0.5, 5, 4},
    {5, 4, 5, 0.5, 5, 0.5, 3},
    {0, 0.5, 3, 5, 0.5, 5, 5},
    {0, 0.5, 0.5, 4, 3, 5, 5},
}};

// Vasya: each rashi (1..12) with the rashis vasya to it.
constexpr std::array<std::pair<int, int>, 18> kVasya = {{
    {1, 5},
    {1, 8},
    {2, 4},
    {2, 7},
    {3, 6},
    {4, 8},
    {4, 9},
    {5, 7},
    {6, 12},
    {6, 3},
    {7, 6},
    {7, 10},
    {8, 4},
    {9, 12},
    {10, 1},
    {10, 11},
    {11, 1},
    {12, 10},
}};

// Rajju groups as the almanacs print them.
struct RajjuList {
  std::string_view Name;
  std::set<int> Stars;
};
const std::array<RajjuList, 5> kRajju = {{
    {"Pada", {1, 9, 10, 18, 19, 27}},
    {"Kati", {2, 8, 11, 17, 20, 26}},
    {"Nabhi", {3, 7, 12, 16, 21, 25}},
    {"Kanta", {4, 6, 13, 15, 22, 24}},
    {"Siro", {5, 14, 23}},
}};

constexpr std::array<std::pair<int, int>, 15> kVedha = {{
    {1, 18},
    {2, 17},
    {3, 16},
    {4, 15},
    {6, 22},
    {7, 21},
    {8, 20},
    {9, 19},
    {10, 27},
    {11, 26},
    {12, 25},
    {13, 24},
    {5, 23},
    {5, 14},
    {14, 23},
}};

template <typename Array>
bool Has(const Array& array, int value) {
  return std::find(array.begin(), array.end(), value) != array.end();
}

char GanaLetter(int star) {
  if (Has(kDevaStars, star)) {
    return 'D';
  }
  return Has(kRakshasaStars, star) ? 'R' : 'M';
}

std::string_view RajjuName(int star) {
  for (const RajjuList& group : kRajju) {
    if (group.Stars.count(star) != 0) {
      return group.Name;
    }
  }
  return "";
}

// Boy and girl as the almanacs number them.
struct Case {
  int BoyStar;
  int GirlStar;
  int BoyRashi;
  int GirlRashi;
};

struct Expected {
  std::array<bool, kPoruthamCount> Agrees;
  std::array<std::optional<int>, kPoruthamCount> Count;
  std::optional<std::string_view> Group;
};

Expected ExpectedFor(const Case& c) {
  const int n = ((c.BoyStar - c.GirlStar) % 27 + 27) % 27 + 1;
  const int r = ((c.BoyRashi - c.GirlRashi) % 12 + 12) % 12 + 1;
  Expected e{};
  e.Agrees[0] = Has(kGoodDina, n);
  e.Count[0] = n;
  const char gb = GanaLetter(c.BoyStar);
  const char gg = GanaLetter(c.GirlStar);
  e.Agrees[1] = gb == gg || (gb != 'R' && gg != 'R');
  e.Agrees[2] = Has(kGoodMahendra, n);
  e.Count[2] = n;
  e.Agrees[3] = n > 13;
  e.Count[3] = n;
  const std::string_view ab = kAnimals[static_cast<std::size_t>(c.BoyStar - 1)];
  const std::string_view ag = kAnimals[static_cast<std::size_t>(c.GirlStar - 1)];
  e.Agrees[4] = std::none_of(kSwornEnemies.begin(), kSwornEnemies.end(), [&](const auto& p) {
    return (p.first == ab && p.second == ag) || (p.first == ag && p.second == ab);
  });
  e.Agrees[5] = r == 1 || r >= 7;
  e.Count[5] = r;
  const double maitri = kMaitriPoints[static_cast<std::size_t>(kLords[c.BoyRashi - 1])]
                                     [static_cast<std::size_t>(kLords[c.GirlRashi - 1])];
  e.Agrees[6] = maitri >= 4;
  e.Agrees[7] = std::any_of(kVasya.begin(), kVasya.end(), [&](const auto& p) {
    return (p.first == c.BoyRashi && p.second == c.GirlRashi) ||
           (p.first == c.GirlRashi && p.second == c.BoyRashi);
  });
  const std::string_view rb = RajjuName(c.BoyStar);
  e.Agrees[8] = rb != RajjuName(c.GirlStar);
  if (!e.Agrees[8]) {
    e.Group = rb;
  }
  e.Agrees[9] = std::none_of(kVedha.begin(), kVedha.end(), [&](const auto& p) {
    return (p.first == c.BoyStar && p.second == c.GirlStar) ||
           (p.first == c.GirlStar && p.second == c.BoyStar);
  });
  return e;
}

// The rashis (1..12) a star (1..27) touches: nine padas make a rashi.
std::set<int> RashisOf(int star) {
  std::set<int> rashis;
  for (int pada = 0; pada < 4; ++pada) {
    rashis.insert((4 * (star - 1) + pada) / 9 + 1);
  }
  return rashis;
}

MoonPair PairOf(const Case& c) {
  return MoonPair{c.BoyRashi - 1, c.GirlRashi - 1, c.BoyStar - 1, c.GirlStar - 1};
}

std::string Describe(const Case& c) {
  return "boy star " + std::to_string(c.BoyStar) + " rashi " + std::to_string(c.BoyRashi) +
         ", girl star " + std::to_string(c.GirlStar) + " rashi " + std::to_string(c.GirlRashi);
}

TEST(Porutham, EveryPairOfStarsAndTheirRashisFollowsTheWrittenDefinitions) {
  int checked = 0;
  for (int boy = 1; boy <= 27; ++boy) {
    for (int girl = 1; girl <= 27; ++girl) {
      for (int boy_rashi : RashisOf(boy)) {
        for (int girl_rashi : RashisOf(girl)) {
          const Case c{boy, girl, boy_rashi, girl_rashi};
          const Expected e = ExpectedFor(c);
          const PoruthamMatch match = MatchPoruthams(PairOf(c));
          int count = 0;
          for (int k = 0; k < kPoruthamCount; ++k) {
            const auto i = static_cast<std::size_t>(k);
            const PoruthamResult& got = match.Poruthams[i];
            ASSERT_EQ(got.Which, static_cast<Porutham>(k)) << Describe(c);
            ASSERT_EQ(got.Agrees, e.Agrees[i]) << kPoruthamNames[i] << ": " << Describe(c);
            ASSERT_EQ(got.Count, e.Count[i]) << kPoruthamNames[i] << ": " << Describe(c);
            count += e.Agrees[i] ? 1 : 0;
          }
          const auto& rajju = match.Poruthams[static_cast<std::size_t>(Porutham::Rajju)];
          ASSERT_EQ(rajju.Group.has_value(), e.Group.has_value()) << Describe(c);
          if (rajju.Group) {
            ASSERT_EQ(kRajjuGroupNames[static_cast<std::size_t>(*rajju.Group)], *e.Group);
          }
          ASSERT_EQ(match.Count, count) << Describe(c);
          std::vector<Porutham> vetoes;
          if (!e.Agrees[8]) {
            vetoes.push_back(Porutham::Rajju);
          }
          if (!e.Agrees[9]) {
            vetoes.push_back(Porutham::Vedha);
          }
          ASSERT_EQ(match.Vetoes, vetoes) << Describe(c);
          const PoruthamVerdict verdict = !vetoes.empty() ? PoruthamVerdict::NotRecommended
                                          : count >= 7    ? PoruthamVerdict::Good
                                          : count >= 5    ? PoruthamVerdict::Acceptable
                                                          : PoruthamVerdict::NotRecommended;
          ASSERT_EQ(match.Verdict, verdict) << Describe(c);
          ++checked;
        }
      }
    }
  }
  // 27 stars: 18 lie in one rashi and 9 straddle two, so 36 star-rashi states.
  EXPECT_EQ(checked, 36 * 36);
}

// Rajju, Vedha and Vasya read the two Moons alike: swapping boy and girl changes nothing.
TEST(Porutham, RajjuVedhaAndVasyaAreSymmetric) {
  for (int boy = 0; boy < 27; ++boy) {
    for (int girl = 0; girl < 27; ++girl) {
      for (int boy_sign = 0; boy_sign < 12; ++boy_sign) {
        const int girl_sign = (boy_sign * 7 + girl) % 12;  // a spread of sign pairs
        const MoonPair forward{boy_sign, girl_sign, boy, girl};
        const MoonPair backward{girl_sign, boy_sign, girl, boy};
        for (Porutham p : {Porutham::Rajju, Porutham::Vedha, Porutham::Vasya}) {
          const PoruthamResult a = AssessPorutham(p, forward);
          const PoruthamResult b = AssessPorutham(p, backward);
          ASSERT_EQ(a.Agrees, b.Agrees) << kPoruthamNames[static_cast<std::size_t>(p)];
          ASSERT_EQ(a.Group, b.Group);
        }
      }
    }
  }
}

// Published faults of other tables would show here as a different number of failing
// pairs: 15 Vedha pairs (30 ordered), four Rajju groups of six and one of three.
TEST(Porutham, VetoCountsOverAllOrderedPairs) {
  int vedha = 0;
  int rajju = 0;
  for (int boy = 0; boy < 27; ++boy) {
    for (int girl = 0; girl < 27; ++girl) {
      const MoonPair pair{0, 0, boy, girl};
      vedha += AssessPorutham(Porutham::Vedha, pair).Agrees ? 0 : 1;
      rajju += AssessPorutham(Porutham::Rajju, pair).Agrees ? 0 : 1;
    }
  }
  EXPECT_EQ(vedha, 30);
  EXPECT_EQ(rajju, 4 * 36 + 9);
}

struct VerdictCase {
  int Count;
  bool Vetoed;
  PoruthamVerdict Verdict;
};

constexpr std::array<VerdictCase, 8> kVerdictCases{{
    {10, false, PoruthamVerdict::Good},
    {7, false, PoruthamVerdict::Good},
    {6, false, PoruthamVerdict::Acceptable},
    {5, false, PoruthamVerdict::Acceptable},
    {4, false, PoruthamVerdict::NotRecommended},
    {0, false, PoruthamVerdict::NotRecommended},
    {9, true, PoruthamVerdict::NotRecommended},
    {5, true, PoruthamVerdict::NotRecommended},
}};

TEST(Porutham, VerdictFromCountAndVetoes) {
  for (const VerdictCase& c : kVerdictCases) {
    EXPECT_EQ(PoruthamVerdictOf(c.Count, c.Vetoed), c.Verdict) << c.Count << " " << c.Vetoed;
  }
}

// ---------------------------------------------------------------- Papasamyam

// A chart from the signs (0..11) of the Lagna and the grahas; each body in the middle
// of its sign, or at the given degree, so whole-sign houses alone decide.
SiderealChart ChartOfSigns(int lagna, int sun, int moon, int mars, int venus, int saturn, int rahu,
                           double degree = 15.0) {
  SiderealChart chart;
  chart.Lagna = lagna * 30.0 + degree;
  chart.Planets.fill(3 * 30.0 + degree);  // Mercury and Jupiter in Cancer: not weighed
  chart.Planets[static_cast<std::size_t>(Graha::Sun)] = sun * 30.0 + degree;
  chart.Planets[static_cast<std::size_t>(Graha::Moon)] = moon * 30.0 + degree;
  chart.Planets[static_cast<std::size_t>(Graha::Mars)] = mars * 30.0 + degree;
  chart.Planets[static_cast<std::size_t>(Graha::Venus)] = venus * 30.0 + degree;
  chart.Planets[static_cast<std::size_t>(Graha::Saturn)] = saturn * 30.0 + degree;
  chart.Planets[static_cast<std::size_t>(Graha::Rahu)] = rahu * 30.0 + degree;
  chart.Planets[static_cast<std::size_t>(Graha::Ketu)] = (rahu + 6) % 12 * 30.0 + degree;
  return chart;
}

struct PapaCase {
  const char* Name;
  SiderealChart Chart;
  double Points;  // counted by hand from the houses
};

const std::array<PapaCase, 5> kPapaCases{{
    // Lagna, Moon and Venus all in Aries; the malefics in the 3rd, 6th, 10th and 11th
    // from all three: nothing.
    {"all malefics in upachaya houses", ChartOfSigns(0, 2, 0, 5, 0, 9, 10), 0.0},
    // Same references; Mars in the 1st (1 + 1/2 + 1/4), Saturn in the 7th (1.75), the Sun
    // in the 12th (1.75), Rahu in the 8th (1.75).
    {"every malefic in a dosha house from all three", ChartOfSigns(0, 11, 0, 0, 0, 6, 7), 7.0},
    // Lagna Aries, Moon Cancer, Venus Libra. Mars in Aries: 1st from the Lagna (1), 10th
    // from the Moon, 7th from Venus (1/4). Saturn in Capricorn: 10th, 7th (1/2), 4th
    // (1/4). Sun in Gemini: 3rd, 12th (1/2), 9th. Rahu in Virgo: 6th, 3rd, 12th (1/4).
    {"mixed references", ChartOfSigns(0, 2, 3, 0, 6, 9, 5), 2.75},
    // The same chart at 29.9 degrees of each sign: still whole signs.
    {"late in every sign", ChartOfSigns(0, 2, 3, 0, 6, 9, 5, 29.9), 2.75},
    // Lagna Pisces, Moon and Venus in Pisces: Mars in Aries is the 2nd (1.75), Rahu in
    // Aquarius the 12th (1.75), Saturn in Virgo the 7th (1.75), the Sun in Taurus the
    // 3rd: 5.25; the wrap from Pisces to Aries counts.
    {"counting across Pisces to Aries", ChartOfSigns(11, 1, 11, 0, 11, 5, 10), 5.25},
}};

TEST(Papasamyam, PointsOfConstructedCharts) {
  for (const PapaCase& c : kPapaCases) {
    EXPECT_DOUBLE_EQ(PapaPoints(c.Chart), c.Points) << c.Name;
  }
}

TEST(Papasamyam, GirlAtMostBoyAgrees) {
  const SiderealChart light = kPapaCases[2].Chart;  // 2.75
  const SiderealChart heavy = kPapaCases[1].Chart;  // 7
  const PapasamyamResult equal = AssessPapasamyam(light, light);
  EXPECT_TRUE(equal.Agrees);
  EXPECT_DOUBLE_EQ(equal.Boy, 2.75);
  EXPECT_DOUBLE_EQ(equal.Girl, 2.75);
  EXPECT_TRUE(AssessPapasamyam(heavy, light).Agrees);
  const PapasamyamResult girl_heavier = AssessPapasamyam(light, heavy);
  EXPECT_FALSE(girl_heavier.Agrees);
  EXPECT_DOUBLE_EQ(girl_heavier.Girl, 7.0);
}

TEST(Papasamyam, PlacementsListEveryMaleficFromEveryReference) {
  const PapasamyamResult result = AssessPapasamyam(kPapaCases[2].Chart, kPapaCases[0].Chart);
  ASSERT_EQ(result.Placements.size(), 24u);
  // The boy's Saturn in Capricorn from Lagna Aries, Moon Cancer, Venus Libra.
  const PapaPlacement& saturn_from_moon = result.Placements[4];
  EXPECT_TRUE(saturn_from_moon.Boy);
  EXPECT_EQ(saturn_from_moon.Planet, Graha::Saturn);
  EXPECT_EQ(saturn_from_moon.From, PapaReference::Moon);
  EXPECT_EQ(saturn_from_moon.House, 7);
  EXPECT_DOUBLE_EQ(saturn_from_moon.Points, 0.5);
  // Only the boy's six dosha placements contribute; the girl has none.
  const std::vector<PapaPlacement> contributions = result.Contributions();
  ASSERT_EQ(contributions.size(), 6u);
  double sum = 0.0;
  for (const PapaPlacement& p : contributions) {
    EXPECT_TRUE(p.Boy);
    EXPECT_TRUE(std::find(kDoshaHouses.begin(), kDoshaHouses.end(), p.House) != kDoshaHouses.end());
    sum += p.Points;
  }
  EXPECT_DOUBLE_EQ(sum, result.Boy);
}

}  // namespace
}  // namespace lumora
