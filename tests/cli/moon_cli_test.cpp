// SPDX-License-Identifier: MIT
// The command-line contract: JSON Lines in and out, errors in place, exit statuses.
#include <gtest/gtest.h>

#include "cli_runner.h"

namespace lumora::testing {
namespace {

constexpr double kMicroDegree = 1e-6;

TEST(MoonCli, JsonLinesKeepOrderAndReportRejectionsInPlace) {
  const CliRun run = RunCli("moon --json", Fixture("moon.jsonl"));
  EXPECT_EQ(run.status, 2);
  const auto lines = run.Lines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0]["MoonSignName"], "Cancer (Kataka)");
  EXPECT_EQ(lines[0]["NakshatraName"], "Pushya");
  EXPECT_EQ(lines[0]["JulianDay"], 2432413.0);
  EXPECT_NEAR(lines[0]["SiderealLongitude"].get<double>(), 93.987823, kMicroDegree);
  EXPECT_EQ(lines[0]["MoonLongitudeText"], "3\u00B0 59' 16\" Can");
  EXPECT_NEAR(lines[1]["TropicalLongitude"].get<double>(), 223.316103, kMicroDegree);
  EXPECT_EQ(lines[1]["T"], 0.0);
  ASSERT_TRUE(lines[2].contains("Error"));
  EXPECT_EQ(lines[2]["Error"]["Icon"], "error");
  EXPECT_TRUE(lines[2]["Error"]["Focus"].is_null());
  EXPECT_EQ(lines[3]["NakshatraName"], "Uttara Bhadrapada");
}

TEST(MoonCli, PreciseMoonAgainstAnIndependentEphemeris) {
  // Moshier's lunar theory (ELP-2000/85 adjusted to JPL DE404, "ephemeris" npm package
  // 3.2.1), geometric, mean ecliptic and equinox of date, at the fixture's instants
  // moved to TT with the program's Delta T (the observed USNO/IERS values): 1947-08-14
  // 18:30 UT and 2000-01-01 12:00 UT.
  constexpr double kSeriesTolerance = 12.0 / 3600.0;
  struct Case {
    std::size_t line;
    double moshier;
    double delta_t;  // seconds
  } cases[] = {{0, 117.109226, 28.08}, {1, 223.327814, 63.83}};
  const CliRun standard = RunCli("moon --json", Fixture("moon.jsonl"));
  const CliRun precise = RunCli("moon --json --precise-moon", Fixture("moon.jsonl"));
  EXPECT_EQ(precise.status, 2);  // the rejected line stays rejected
  const auto lines = precise.Lines();
  const auto plain = standard.Lines();
  ASSERT_EQ(lines.size(), 4u);
  for (const Case& c : cases) {
    const auto& line = lines[c.line];
    EXPECT_NEAR(line["TropicalLongitude"].get<double>(), c.moshier, kSeriesTolerance) << c.line;
    EXPECT_EQ(line["MoonModel"], "Precise");
    EXPECT_NEAR(line["DeltaT"].get<double>(), c.delta_t, 0.01);
    // Same instant and ayanamsa; only the Moon differs.
    EXPECT_EQ(line["T"], plain[c.line]["T"]);
    EXPECT_EQ(line["AyanamsaCorrection"], plain[c.line]["AyanamsaCorrection"]);
    EXPECT_NE(line["TropicalLongitude"], plain[c.line]["TropicalLongitude"]);
    EXPECT_FALSE(plain[c.line].contains("MoonModel"));
    EXPECT_FALSE(plain[c.line].contains("DeltaT"));
  }
  EXPECT_TRUE(lines[2].contains("Error"));
}

TEST(MoonCli, CompareMoonsNamesBothNakshatrasAndPadas) {
  const CliRun run =
      RunCli("moon --json --compare-moons",
             R"({"BirthYear":1976,"BirthMonth":3,"BirthDay":12,"BirthHour":8,"BirthMinute":0,)"
             R"("ZoneHour":5,"ZoneMinute":30,"LongDeg":77,"LongMin":12,"IsEast":true})");
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = run.Lines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0]["NakshatraName"], "Punarvasu");  // the standard Moon is the result
  const auto& comparison = lines[0]["MoonComparison"];
  EXPECT_EQ(comparison["StandardNakshatra"], "Punarvasu");
  EXPECT_EQ(comparison["StandardPada"], 4);
  EXPECT_EQ(comparison["PreciseNakshatra"], "Pushya");
  EXPECT_EQ(comparison["PrecisePada"], 1);
  EXPECT_EQ(comparison["NakshatraDiffers"], true);
  EXPECT_EQ(comparison["PadaDiffers"], true);
  EXPECT_GT(comparison["DifferenceArcseconds"].get<double>(), 0.0);
}

TEST(MoonCli, UsageErrorsWriteNothingToStandardOutput) {
  struct Case {
    const char* args;
    const char* input;
  } cases[] = {
      {"moon --json", "{not json"},
      {"moon --json", "[1,2]"},
      {"moon --json --input /nonexistent/file.jsonl", ""},
      {"nosuchcommand", ""},
  };
  for (const auto& c : cases) {
    const CliRun run = RunCli(c.args, c.input);
    EXPECT_EQ(run.status, 1) << c.args << " " << c.input;
    EXPECT_TRUE(run.out.empty()) << run.out;
    EXPECT_FALSE(run.err.empty());
  }
}

TEST(MoonCli, ReadableLayoutWithoutJson) {
  const CliRun run = RunCli("moon", Fixture("moon.jsonl"));
  EXPECT_NE(run.out.find("Moon sign name:"), std::string::npos);
  EXPECT_NE(run.out.find("Cancer (Kataka)"), std::string::npos);
  const CliRun version = RunCli("--version", "");
  EXPECT_EQ(version.status, 0);
  EXPECT_NE(version.out.find("2.05"), std::string::npos);
}

}  // namespace
}  // namespace lumora::testing
