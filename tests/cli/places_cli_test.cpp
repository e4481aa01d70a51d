// SPDX-License-Identifier: MIT
// lumora-cli atlas and zone, and zone ids in the form input of vedic and western.
#include <gtest/gtest.h>

#include "cli_runner.h"

namespace lumora::testing {
namespace {

TEST(AtlasCli, PlacesBestFirstWithEveryKey) {
  const CliRun run = RunCli("atlas Bombay --json --limit 3", "");
  EXPECT_EQ(run.status, 0) << run.err;
  const auto lines = run.Lines();
  ASSERT_GE(lines.size(), 1u);
  const auto& mumbai = lines[0];
  std::vector<std::string> keys;
  for (const auto& item : mumbai.items()) {
    keys.push_back(item.key());
  }
  EXPECT_EQ(keys, (std::vector<std::string>{"Name", "State", "Country", "CountryCode", "Latitude",
                                            "Longitude", "TimeZone", "Population", "Id"}));
  EXPECT_EQ(mumbai["Name"], "Mumbai");
  EXPECT_EQ(mumbai["State"], "Maharashtra");
  EXPECT_EQ(mumbai["Country"], "India");
  EXPECT_EQ(mumbai["TimeZone"], "Asia/Kolkata");
  EXPECT_EQ(mumbai["Id"], 1275339);
  EXPECT_NEAR(mumbai["Latitude"].get<double>(), 19.07, 0.01);
  EXPECT_NEAR(mumbai["Longitude"].get<double>(), 72.88, 0.01);
}

TEST(AtlasCli, UsageAndMisses) {
  const struct {
    const char* arguments;
    int status;
    std::size_t lines;
  } cases[] = {
      {"atlas \"Perth, Australia\" --json --limit 1", 0, 1},
      {"atlas San --json", 0, 10},
      {"atlas Qqqzzzx --json", 2, 1},
      {"atlas Pune --limit 0", 1, 0},
      {"atlas Pune --limit 101", 1, 0},
      {"atlas", 1, 0},
  };
  for (const auto& c : cases) {
    const CliRun run = RunCli(c.arguments, "");
    EXPECT_EQ(run.status, c.status) << c.arguments << run.err;
    if (c.status == 1) {
      EXPECT_TRUE(run.out.empty()) << c.arguments;
      continue;
    }
    const auto lines = run.Lines();
    ASSERT_EQ(lines.size(), c.lines) << c.arguments;
    EXPECT_EQ(lines[0].contains("Error"), c.status == 2) << c.arguments;
  }
}

TEST(ZoneCli, ReadingsAndRefusals) {
  const std::string inputs =
      R"({"TimeZone":"Asia/Kolkata","BirthYear":1943,"BirthMonth":3,"BirthDay":1,"BirthHour":12,"BirthMinute":0})"
      "\n"
      R"({"TimeZone":"America/New_York","BirthYear":2024,"BirthMonth":11,"BirthDay":3,"BirthHour":1,"BirthMinute":30})"
      "\n"
      R"({"TimeZone":"America/New_York","BirthYear":2024,"BirthMonth":3,"BirthDay":10,"BirthHour":2,"BirthMinute":30})"
      "\n"
      R"({"TimeZone":"Nowhere/Atlantis","BirthYear":2000,"BirthMonth":1,"BirthDay":1})"
      "\n";
  const CliRun run = RunCli("zone --json", inputs);
  EXPECT_EQ(run.status, 2) << run.err;
  const auto lines = run.Lines();
  ASSERT_EQ(lines.size(), 4u);

  EXPECT_EQ(lines[0]["TimeZone"], "Asia/Kolkata");
  ASSERT_EQ(lines[0]["Readings"].size(), 1u);
  const auto& war_time = lines[0]["Readings"][0];
  EXPECT_EQ(war_time["UtcOffsetSeconds"], 23400);
  EXPECT_EQ(war_time["Abbreviation"], "+0630");
  EXPECT_EQ(war_time["IsDaylight"], true);
  EXPECT_EQ(war_time["ZoneHour"], 5);
  EXPECT_EQ(war_time["ZoneMinute"], 30);
  EXPECT_EQ(war_time["ZoneIsEast"], true);
  EXPECT_EQ(war_time["IsDST"], true);

  ASSERT_EQ(lines[1]["Readings"].size(), 2u);
  EXPECT_EQ(lines[1]["Readings"][0]["UtcOffsetSeconds"], -14400);
  EXPECT_EQ(lines[1]["Readings"][0]["Abbreviation"], "EDT");
  EXPECT_EQ(lines[1]["Readings"][1]["UtcOffsetSeconds"], -18000);
  EXPECT_EQ(lines[1]["Readings"][1]["ZoneHour"], 5);
  EXPECT_EQ(lines[1]["Readings"][1]["ZoneIsEast"], false);

  for (int i : {2, 3}) {
    ASSERT_TRUE(lines[i].contains("Error")) << i;
  }
  EXPECT_NE(lines[2]["Error"]["Message"].get<std::string>().find("never existed"),
            std::string::npos);
}

// Names of files in the zone folder that are not zones of the database's list, and
// years the 16-bit calendar would wrap: refused, never read as some other clock.
TEST(ZoneCli, HostFilesAndWrappedYearsAreRefused) {
  const struct {
    const char* zone;
    int year;
    const char* message_part;
  } cases[] = {
      {"localtime", 2000, "is not a time zone"},
      {"posixrules", 2000, "is not a time zone"},
      {"right/Asia/Kolkata", 2000, "is not a time zone"},
      {"posix/Europe/London", 2000, "is not a time zone"},
      {"Asia/Kolkata", 67536, "lies outside the years"},
      {"Asia/Kolkata", 10000, "lies outside the years"},
      {"Asia/Kolkata", 0, "lies outside the years"},
  };
  for (const auto& c : cases) {
    const CliRun run =
        RunCli("zone --json", std::string(R"({"TimeZone":")") + c.zone + R"(","BirthYear":)" +
                                  std::to_string(c.year) + R"(,"BirthMonth":6,"BirthDay":1})");
    EXPECT_EQ(run.status, 2) << c.zone << " " << c.year << ": " << run.out;
    const auto lines = run.Lines();
    ASSERT_EQ(lines.size(), 1u) << c.zone;
    ASSERT_TRUE(lines[0].contains("Error")) << c.zone << " " << c.year << ": " << run.out;
    EXPECT_NE(lines[0]["Error"]["Message"].get<std::string>().find(c.message_part),
              std::string::npos)
        << lines[0].dump();
  }
}

TEST(ZoneCli, FormInputWithZoneIds) {
  const CliRun run = RunCli("vedic --json", Fixture("zone_forms.jsonl"));
  EXPECT_EQ(run.status, 2) << run.err;
  const auto lines = run.Lines();
  ASSERT_EQ(lines.size(), 4u);
  // Zone boxes left out: the zones give the clocks.
  ASSERT_TRUE(lines[0].contains("BoyMoon")) << lines[0].dump();
  EXPECT_EQ(lines[0]["BoyMoon"]["TimeZone"], "Asia/Kolkata");
  EXPECT_EQ(lines[0]["BoyMoon"]["UtcOffsetSeconds"], 23400);
  EXPECT_EQ(lines[0]["BoyMoon"]["Abbreviation"], "+0630");
  EXPECT_DOUBLE_EQ(lines[0]["BoyMoon"]["UT"].get<double>(), 12.0 - 6.5);
  EXPECT_EQ(lines[0]["GirlMoon"]["UtcOffsetSeconds"], -18000);
  EXPECT_DOUBLE_EQ(lines[0]["GirlMoon"]["UT"].get<double>(), 1.5 + 5.0);

  const struct {
    const char* source;
    const char* focus;
    const char* message_part;
  } refusals[] = {
      {"repeated hour without a reading", "cboFHH", "occurred twice"},
      {"a time that never existed", "cboMHH", "never existed"},
      {"an unknown reading", "cboMHH", "MClockReading"},
  };
  for (int i = 0; i < 3; ++i) {
    const auto& error = lines[i + 1]["Error"];
    EXPECT_EQ(error["Focus"], refusals[i].focus) << refusals[i].source;
    EXPECT_NE(error["Message"].get<std::string>().find(refusals[i].message_part), std::string::npos)
        << refusals[i].source << ": " << error["Message"];
  }
}

TEST(ZoneCli, WesternFormWithZoneIds) {
  const std::string form =
      R"({"txtMName":"Arun","cboMDate":"1","cboMMonth":"June","cboMYear":"1990","cboMHH":"12","txtMCity":"Madrid","txtMState":"Madrid","txtMCountry":"Spain","txtMLD":"40","txtMLM":"25","txtMLoD":"3","txtMLoM":"42","optMLat":1,"MTimeZoneId":"Europe/Madrid",)"
      R"("txtFName":"Mira","cboFDate":"1","cboFMonth":"June","cboFYear":"1990","cboFHH":"10","txtFCity":"London","txtFState":"England","txtFCountry":"United Kingdom","txtFLD":"51","txtFLM":"30","txtFLoD":"0","txtFLoM":"7","optFLat":1,"FTimeZoneId":"Etc/UTC"})";
  const CliRun run = RunCli("western --json", form);
  EXPECT_EQ(run.status, 0) << run.err << run.out;
  const auto lines = run.Lines();
  ASSERT_EQ(lines.size(), 1u);
  // 12:00 in Madrid summer time (+2) is 10:00 UT: the Sun and Moon of both charts agree.
  for (int point : {0, 1}) {
    EXPECT_NEAR(lines[0]["MaleLongitudes"][point].get<double>(),
                lines[0]["FemaleLongitudes"][point].get<double>(), 1e-9)
        << point;
  }
}

}  // namespace
}  // namespace lumora::testing
