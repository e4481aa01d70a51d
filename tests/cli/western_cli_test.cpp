// SPDX-License-Identifier: MIT
// lumora-cli western: form controls in, charts, score and report out; rejections in place.
#include <gtest/gtest.h>

#include <cmath>

#include "cli_runner.h"

namespace lumora::testing {
namespace {

constexpr double kMicroDegree = 1e-6;

// western_valid.json: the male born at J2000.0 in Greenwich at 51 30 N (the reference
// chart), the female at the same instant, 17:30 Indian time at 77 12 E, 28 36 N.
TEST(WesternCli, WholeTestOfOneForm) {
  const CliRun run = RunCli("western --json", Fixture("western_valid.json"));
  EXPECT_EQ(run.status, 0) << run.err;
  const auto lines = run.Lines();
  ASSERT_EQ(lines.size(), 1u);
  const auto& out = lines[0];
  const std::vector<std::string> male = {
      "10 Cap 22", "13 Sco 18", "01 Cap 54", "01 Sag 34", "27 Aqu 58", "25 Ari 21", "10 Tau 12",
      "14 Aqu 47", "03 Aqu 11", "11 Sag 27", "04 Leo 07", "04 Aqu 07", "24 Ari 17", "09 Cap 36"};
  EXPECT_EQ(out["MalePositions"].get<std::vector<std::string>>(), male);
  ASSERT_EQ(out["FemaleLongitudes"].size(), 14u);
  EXPECT_EQ(out["FemalePositions"][12], "10 Can 10");
  EXPECT_EQ(out["FemalePositions"][13], "27 Pis 27");
  EXPECT_NEAR(out["MaleLongitudes"][0].get<double>(), 280.379632, kMicroDegree);
  EXPECT_NEAR(out["FemaleLongitudes"][12].get<double>(), 100.180576, kMicroDegree);
  EXPECT_NEAR(out["FemaleLongitudes"][1].get<double>(), 223.316103, kMicroDegree);

  const auto& score = out["WesternScore"];  // both Moons 13 degrees into Scorpio
  EXPECT_EQ(score["Power"], 390);
  EXPECT_EQ(score["Harmony"], 390);
  EXPECT_EQ(score["PowerTimesHarmony"], 1521);
  EXPECT_EQ(score["Percentage"], 15);
  EXPECT_EQ(score["Comment"], "Very Bad");
  EXPECT_EQ(out["Report"]["mDOB"], "January 1, 2000");
  EXPECT_EQ(out["Report"]["Mcountry"], "England");
  EXPECT_EQ(out["Report"]["fCity"], "Delhi");
}

TEST(WesternCli, PreciseEphemerisGivesEveryPoint) {
  // Both births are J2000.0 (1 January 2000, 12:00 UT). Reference: Moshier's lunar
  // theory (ELP-2000/85 adjusted to JPL DE404, "ephemeris" npm package 3.2.1),
  // geometric, mean equinox of date, at 12:00 UT + 63.83 s; the precise ephemeris gives the
  // apparent place, which the nutation in longitude of that day (-13.9") moves.
  constexpr double kNutationAndSeries = 16.0 / 3600.0;
  const CliRun standard = RunCli("western --json", Fixture("western_valid.json"));
  const CliRun precise = RunCli("western --json --precise", Fixture("western_valid.json"));
  const CliRun synonym = RunCli("western --json --precise-moon", Fixture("western_valid.json"));
  EXPECT_EQ(precise.out, synonym.out);
  ASSERT_EQ(precise.status, 0) << precise.err;
  const auto standard_lines = standard.Lines();
  const auto precise_lines = precise.Lines();
  ASSERT_EQ(standard_lines.size(), 1u);
  ASSERT_EQ(precise_lines.size(), 1u);
  const auto& a = standard_lines[0];
  const auto& b = precise_lines[0];
  EXPECT_EQ(b["MoonModel"], "Precise");
  EXPECT_FALSE(a.contains("MoonModel"));
  for (const char* key : {"MaleLongitudes", "FemaleLongitudes"}) {
    EXPECT_NEAR(b[key][1].get<double>(), 223.327814, kNutationAndSeries) << key;
    for (std::size_t i = 0; i < 14; ++i) {
      // The standard series stay within a degree and a half of the precise points.
      EXPECT_NEAR(std::remainder(b[key][i].get<double>() - a[key][i].get<double>(), 360.0), 0.0,
                  1.5)
          << key << " " << i;
    }
  }
}

TEST(WesternCli, RejectionsInPlaceWithTheirFocus) {
  const CliRun run = RunCli("western --json", Fixture("western_forms.jsonl"));
  EXPECT_EQ(run.status, 2);
  const auto lines = run.Lines();
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_TRUE(lines[0].contains("WesternScore"));
  const struct {
    const char* source;
    const char* message;  // nullptr: any text
    const char* icon;
    const char* focus;  // nullptr: Focus is null
  } cases[] = {
      {"31 April", "Please Enter Your Correct Date Or Month !", "information", nullptr},
      {"missing male name", "Please Enter Male Name", "error", "txtMName"},
      {"month not in its list", nullptr, "error", "cboMMonth"},
      {"time-zone row 99", nullptr, "error", "cmbFTimeZone"},
      {"latitude pair with neither", "Please Select Direction For The Latitude", "error",
       "optFLong"},
      {"latitude 95", "Please Enter A Correct Latitude", "error", "txtFLD"},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const auto& c = cases[i];
    SCOPED_TRACE(c.source);
    ASSERT_TRUE(lines[i + 1].contains("Error"));
    const auto& error = lines[i + 1]["Error"];
    if (c.message != nullptr) {
      EXPECT_EQ(error["Message"], c.message);
    }
    EXPECT_EQ(error["Icon"], c.icon);
    if (c.focus == nullptr) {
      EXPECT_TRUE(error["Focus"].is_null());
    } else {
      EXPECT_EQ(error["Focus"], c.focus);
    }
  }
}

TEST(WesternCli, ReadableLayoutAndUsageErrors) {
  const CliRun readable = RunCli("western", Fixture("western_valid.json"));
  EXPECT_EQ(readable.status, 0);
  EXPECT_NE(readable.out.find("Asc"), std::string::npos);
  EXPECT_NE(readable.out.find("24 Ari 17"), std::string::npos);

  const CliRun broken = RunCli("western --json", "{\"txtMName\": ");
  EXPECT_EQ(broken.status, 1);
  EXPECT_TRUE(broken.out.empty());
}

}  // namespace
}  // namespace lumora::testing
