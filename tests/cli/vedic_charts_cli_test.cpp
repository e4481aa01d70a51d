// SPDX-License-Identifier: MIT
// lumora-cli vedic: charts, Manglik, doshas, birth-time windows and the score range.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_runner.h"

namespace lumora::testing {
namespace {

using Json = nlohmann::ordered_json;

std::vector<std::string> Keys(const Json& object) {
  std::vector<std::string> keys;
  for (const auto& item : object.items()) {
    keys.push_back(item.key());
  }
  return keys;
}

// The reference pair: the boy of 15 August 1947 at New Delhi (Taurus rising, Mars in
// Gemini in the 2nd), the girl of 1 January 2000, 12:00 at Greenwich.
TEST(VedicChartsCli, FormCarriesChartsAfterTheMatch) {
  const CliRun run = RunCli("vedic --json", Fixture("vedic_match.jsonl"));
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = run.Lines();
  ASSERT_EQ(lines.size(), 2u);
  const Json& form = lines[0];
  const std::vector<std::string> expected_keys = {
      "BoyDetails",      "GirlDetails",    "BoyMoon",         "GirlMoon",    "BoyRashi",
      "GirlRashi",       "BoyNakshatra",   "GirlNakshatra",   "Kootas",      "TotalPoints",
      "Total",           "PointsByKoota",  "Verdict",         "Summary",     "Grid",
      "BoyChart",        "GirlChart",      "BoyManglik",      "GirlManglik", "BoyTimeWindows",
      "GirlTimeWindows", "ManglikMatch",   "ScoreRange",      "Doshas",      "Tables",
      "SpecifiedTotal",  "ClassicalTotal", "OtherTables",     "Notes",       "Poruthams",
      "PoruthamCount",   "PoruthamVetoes", "PoruthamVerdict", "Papasamyam"};
  EXPECT_EQ(Keys(form), expected_keys);

  const Json& chart = form["BoyChart"];
  EXPECT_EQ(Keys(chart["Planets"]),
            (std::vector<std::string>{"Sun", "Moon", "Mars", "Mercury", "Jupiter", "Venus",
                                      "Saturn", "Rahu", "Ketu"}));
  // The chart's Moon is the precise ephemeris's (apparent), the match's the standard series:
  // the same sign and nakshatra here, within a minute of arc.
  EXPECT_NEAR(chart["Planets"]["Moon"].get<double>(),
              form["BoyMoon"]["SiderealLongitude"].get<double>(), 1.0 / 60.0);
  EXPECT_EQ(chart["Ayanamsa"]["Name"], "Standard");
  EXPECT_EQ(chart["Node"], "Mean");
  EXPECT_EQ(static_cast<int>(chart["Lagna"].get<double>() / 30), 1);            // Taurus
  EXPECT_EQ(static_cast<int>(chart["Planets"]["Mars"].get<double>() / 30), 2);  // Gemini

  const Json& manglik = form["BoyManglik"];
  EXPECT_EQ(Keys(manglik), (std::vector<std::string>{"FromLagna", "FromMoon", "FromVenus",
                                                     "IsManglik", "Exceptions"}));
  EXPECT_EQ(manglik["FromLagna"]["House"], 2);
  EXPECT_EQ(manglik["FromLagna"]["Dosha"], true);
  EXPECT_EQ(manglik["FromMoon"]["House"], 12);
  EXPECT_EQ(manglik["IsManglik"], true);
  EXPECT_EQ(manglik["Exceptions"], Json::array({"SignHouseException"}));  // 2nd in Gemini
  EXPECT_EQ(form["GirlManglik"]["IsManglik"], false);
  EXPECT_EQ(form["ManglikMatch"], "Boy");

  const Json& windows = form["BoyTimeWindows"];
  EXPECT_EQ(Keys(windows), (std::vector<std::string>{"Nakshatra", "Pada", "Rashi", "Lagna"}));
  for (const auto& item : windows.items()) {
    const std::string from = item.value()["From"];
    const std::string to = item.value()["To"];
    EXPECT_EQ(from.size(), 19u) << from;
    EXPECT_LE(from, "1947-08-15 00:00:00") << item.key();
    EXPECT_GE(to, "1947-08-15 00:00:00") << item.key();
  }

  EXPECT_EQ(form["ScoreRange"]["Minutes"], 30);
  EXPECT_EQ(form["ScoreRange"]["Lowest"], "18");
  EXPECT_EQ(form["ScoreRange"]["Highest"], "18");
  EXPECT_EQ(form["ScoreRange"]["Kootas"], Json::array());

  // Cancer and Libra, Pushya (Deva, Madhya) and Swati (Deva, Antya): no dosha.
  for (const Json& dosha : form["Doshas"]) {
    EXPECT_FALSE(dosha["Present"]) << dosha;
  }

  // A profile has no birth details: the doshas only. Bharani (Manusha) and Shatabhisha
  // (Rakshasa) with Aries and Gemini, lords Mars and Mercury, no friends.
  const Json& profile = lines[1];
  EXPECT_FALSE(profile.contains("BoyChart"));
  EXPECT_FALSE(profile.contains("ManglikMatch"));
  EXPECT_FALSE(profile.contains("ScoreRange"));
  const Json expected_doshas = Json::parse(R"([{"Name":"Nadi","Present":false,"Exceptions":[]},)"
                                           R"({"Name":"Bhakoot","Present":false,"Exceptions":[]},)"
                                           R"({"Name":"Gana","Present":true,"Exceptions":[]}])");
  EXPECT_EQ(profile["Doshas"], expected_doshas);
}

TEST(VedicChartsCli, UncertaintyChoices) {
  // Leo and Scorpio Moons: a 4/10 relation, no bhakoot; Magha is Rakshasa, Anuradha Deva,
  // and the lords Sun and Mars are friends.
  const std::string profile = R"({"Profile":["Leo","Scorpio","Magha","Anuradha"]})"
                              "\n";
  const CliRun run = RunCli("vedic --json --uncertainty 60", profile);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.Lines()[0]["Doshas"][2]["Exceptions"], Json::array({"FriendlyRashiLords"}));

  const CliRun form = RunCli("vedic --json --uncertainty 5", Fixture("vedic_match.jsonl"));
  ASSERT_EQ(form.status, 0) << form.err;
  EXPECT_EQ(form.Lines()[0]["ScoreRange"]["Minutes"], 5);

  for (const char* bad : {"--uncertainty 45", "--uncertainty 0", "--uncertainty x"}) {
    const CliRun refused = RunCli(std::string("vedic --json ") + bad, profile);
    EXPECT_EQ(refused.status, 1) << bad;
    EXPECT_TRUE(refused.out.empty()) << bad;
  }
}

}  // namespace
}  // namespace lumora::testing
