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
