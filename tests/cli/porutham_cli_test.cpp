// SPDX-License-Identifier: MIT
// lumora-cli and the South Indian match: the porutham keys of vedic, Papasamyam of form
// input, and rank ordered by poruthams.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <tuple>

#include "cli_runner.h"

namespace lumora::testing {
namespace {

using Json = nlohmann::ordered_json;

constexpr std::array<const char*, 10> kNames = {"Dina",  "Gana", "Mahendra",       "StreeDeergha",
                                                "Yoni",  "Rasi", "Rasiyathipathi", "Vasya",
                                                "Rajju", "Vedha"};

struct Expected {
  const char* Note;
  std::array<const char*, 4> Profile;  // boy rashi, girl rashi, boy nakshatra, girl nakshatra
  std::array<bool, 10> Agrees;
  std::array<int, 10> Count;  // 0 where the rule reads no count
  const char* Group;          // Rajju's failing group, or nullptr
  int Total;
  std::array<const char*, 2> Vetoes;
  const char* Verdict;
};

// Worked by hand from the definitions (n from the girl's star to the boy's, r the same
// for rashis).
const std::array<Expected, 3> kCases{{
    // Same star: n = r = 1. Rakshasa with Rakshasa, Rat with Rat, the Sun both lords;
    // Leo is not vasya to itself; Magha and Magha share the Pada rajju.
    {"Magha with Magha",
     {"Leo", "Leo", "Magha", "Magha"},
     {false, true, false, false, true, true, true, false, false, true},
     {1, 0, 1, 1, 0, 1, 0, 0, 0, 0},
     "Pada",
     5,
     {"Rajju", nullptr},
     "Not recommended"},
    // Boy Rohini (Taurus), girl Ashwini (Aries): n = 4, r = 2. Manushya and Deva, Serpent
    // and Horse; Venus and Mars neutral both ways; Kanta and Pada.
    {"Rohini with Ashwini",
     {"Taurus", "Aries", "Rohini", "Ashwini"},
     {true, true, true, false, true, false, false, false, true, true},
     {4, 0, 4, 4, 0, 2, 0, 0, 0, 0},
     nullptr,
     6,
     {nullptr, nullptr},
     "Acceptable"},
    // Boy Chitra (Libra), girl Mrigasira (Gemini): n = 10, r = 5. Rakshasa with Deva fails;
    // Tiger and Serpent; Venus and Mercury friends; Libra holds Virgo and Capricorn only;
    // both Siro; Mrigasira and Chitra pierce each other.
    {"Chitra with Mrigasira",
     {"Libra", "Gemini", "Chitra", "Mrigasira"},
     {false, false, true, false, true, false, true, false, false, false},
     {10, 0, 10, 10, 0, 5, 0, 0, 0, 0},
     "Siro",
     3,
     {"Rajju", "Vedha"},
     "Not recommended"},
}};

TEST(PoruthamCli, ProfileMatchesAgreeWithHandWorkedCases) {
  for (const Expected& c : kCases) {
    SCOPED_TRACE(c.Note);
    Json input;
    input["Profile"] = Json::array({c.Profile[0], c.Profile[1], c.Profile[2], c.Profile[3]});
    const CliRun run = RunCli("vedic --json", input.dump());
    ASSERT_EQ(run.status, 0) << run.err;
    const Json out = run.Lines().at(0);
    const Json& poruthams = out["Poruthams"];
    ASSERT_EQ(poruthams.size(), 10u);
    for (std::size_t k = 0; k < kNames.size(); ++k) {
      SCOPED_TRACE(kNames[k]);
      EXPECT_EQ(poruthams[k]["Name"], kNames[k]);
      EXPECT_EQ(poruthams[k]["Agrees"], c.Agrees[k]);
      if (c.Count[k] == 0) {
        EXPECT_TRUE(poruthams[k]["Count"].is_null());
      } else {
        EXPECT_EQ(poruthams[k]["Count"], c.Count[k]);
      }
      if (k == 8 && c.Group != nullptr) {
        EXPECT_EQ(poruthams[k]["Group"], c.Group);
      } else {
        EXPECT_TRUE(poruthams[k]["Group"].is_null());
      }
    }
    EXPECT_EQ(out["PoruthamCount"], c.Total);
    Json vetoes = Json::array();
    for (const char* veto : c.Vetoes) {
      if (veto != nullptr) {
        vetoes.push_back(veto);
      }
    }
    EXPECT_EQ(out["PoruthamVetoes"], vetoes);
    EXPECT_EQ(out["PoruthamVerdict"], c.Verdict);
    EXPECT_FALSE(out.contains("Papasamyam"));  // a profile holds no charts
  }
}

TEST(PoruthamCli, FormInputCarriesPapasamyamFromItsCharts) {
  const CliRun run = RunCli("vedic --json --input '" + FixturePath("vedic_match.jsonl") + "'", "");
  const auto lines = run.Lines();
  ASSERT_FALSE(lines.empty());
  int with_charts = 0;
  for (const Json& out : lines) {
    if (out.contains("Error") || !out.contains("BoyChart")) {
      continue;
    }
    ++with_charts;
    ASSERT_TRUE(out.contains("Papasamyam")) << out.dump();
    const Json& papa = out["Papasamyam"];
    std::array<double, 2> sums{};
    for (const Json& c : papa["Contributions"]) {
      const int house = c["House"];
      EXPECT_TRUE(house == 1 || house == 2 || house == 4 || house == 7 || house == 8 || house == 12)
          << c.dump();
      const std::string from = c["From"];
      const double weight = from == "Lagna" ? 1.0 : from == "Moon" ? 0.5 : 0.25;
      EXPECT_EQ(c["Points"].get<double>(), weight) << c.dump();
      // The house agrees with the chart the output gives.
      const Json& chart = c["Person"] == "Boy" ? out["BoyChart"] : out["GirlChart"];
      const double planet = chart["Planets"][c["Planet"].get<std::string>()];
      const double reference =
          from == "Lagna" ? chart["Lagna"].get<double>() : chart["Planets"][from].get<double>();
      const int expected_house = ((static_cast<int>(std::floor(planet / 30.0)) -
                                   static_cast<int>(std::floor(reference / 30.0))) %
                                      12 +
                                  12) %
                                     12 +
                                 1;
      EXPECT_EQ(house, expected_house) << c.dump();
      sums[c["Person"] == "Boy" ? 0 : 1] += weight;
    }
    EXPECT_EQ(papa["Boy"].get<double>(), sums[0]);
    EXPECT_EQ(papa["Girl"].get<double>(), sums[1]);
    EXPECT_EQ(papa["Agrees"], sums[1] <= sums[0]);
  }
  EXPECT_GT(with_charts, 0);
}

// The porutham order key: no veto first, then the count, then the Guna Milan total.
std::tuple<bool, int, double> Key(const Json& row) {
  return {row["PoruthamVetoes"].empty(), row["PoruthamCount"].get<int>(),
          std::stod(row["TotalPoints"].get<std::string>())};
}

TEST(PoruthamCli, RankByPoruthamsAndKeepAMinimum) {
  const std::string args = "rank --json --boy '" + FixturePath("rank_boy.json") +
                           "' --candidates '" + FixturePath("rank_candidates.csv") + "'";
  const CliRun run = RunCli(args + " --method porutham", "");
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = run.Lines();
  ASSERT_EQ(lines.size(), 6u);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Json& row = lines[i];
    SCOPED_TRACE(row.dump());
    // The same poruthams vedic gives for the same Moons.
    Json profile;
    profile["Profile"] =
        Json::array({row["BoyRashi"], row["GirlRashi"], row["BoyNakshatra"], row["GirlNakshatra"]});
    const Json vedic = RunCli("vedic --json", profile.dump()).Lines().at(0);
    for (const char* key : {"PoruthamCount", "PoruthamVetoes", "PoruthamVerdict"}) {
      EXPECT_EQ(row[key], vedic[key]) << key;
    }
    if (i > 0) {
      const auto before = Key(lines[i - 1]);
      const auto here = Key(row);
      EXPECT_GE(before, here);
      if (before == here) {
        EXPECT_LT(lines[i - 1]["Line"].get<int>(), row["Line"].get<int>());  // input order
      }
    }
  }
  // The default order does not carry the porutham keys.
  EXPECT_FALSE(RunCli(args, "").Lines().at(0).contains("PoruthamCount"));

  for (int minimum = 0; minimum <= 10; ++minimum) {
    SCOPED_TRACE(minimum);
    const CliRun kept =
        RunCli(args + " --method porutham --min-poruthams " + std::to_string(minimum), "");
    std::vector<Json> expected;
    for (const Json& row : lines) {
      if (row["PoruthamVetoes"].empty() && row["PoruthamCount"] >= minimum) {
        expected.push_back(row);
      }
    }
    const auto got = kept.Lines();
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
      EXPECT_EQ(got[i]["Line"], expected[i]["Line"]);
      EXPECT_EQ(got[i]["Rank"], i + 1);
    }
  }
  EXPECT_EQ(RunCli(args + " --method guess", "").status, 1);
  EXPECT_EQ(RunCli(args + " --min-poruthams 11", "").status, 1);
}

}  // namespace
}  // namespace lumora::testing
