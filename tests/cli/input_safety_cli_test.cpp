// SPDX-License-Identifier: MIT
// Malformed, oversized and hostile input: the CLI refuses it cleanly, never truncates
// it silently, never wraps numbers, and never writes through planted links.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "cli_runner.h"
#include "core/vedic/entry/profile.h"

namespace lumora::testing {
namespace {

using Json = nlohmann::ordered_json;
using namespace std::string_literals;

constexpr const char* kMoon = R"({"BirthYear":1947,"BirthMonth":8,"BirthDay":15})";

// The valid Vedic reference form with one key replaced by raw JSON text.
std::string VedicWith(const std::string& key, const std::string& raw) {
  Json form =
      Json::parse(Fixture("vedic_match.jsonl").substr(0, Fixture("vedic_match.jsonl").find('\n')));
  form.erase(key);
  std::string text = form.dump();
  text.insert(1, "\"" + key + "\":" + raw + ",");
  return text;
}

TEST(InputSafetyCli, UsageErrorsWriteNothingToStandardOutput) {
  struct Case {
    const char* source;
    std::string args;
    std::string input;
    const char* message;  // a part of the message on standard error
  } cases[] = {
      {"NUL between objects", "moon --json", std::string(kMoon) + "\n\0\n"s + kMoon + "\n" + kMoon,
       "NUL byte"},
      {"NUL inside a string", "vedic --json", "{\"txtMName\":\"A\0B\"}"s, "NUL byte"},
      {"NUL truncating profile write records", "profile write /tmp/never-written.kun --json",
       "{}\n\0{}"s, "NUL byte"},
      {"a line longer than 1 MiB", "moon --json",
       "{\"BirthYear\":1947,\"pad\":\"" + std::string(1100000, 'x') + "\"}", "longer than"},
      {"an endless stream of zeros", "moon --json --input /dev/zero", "", "NUL byte"},
      {"a folder as input", "moon --json --input /tmp", "", "is a folder"},
      {"a malformed later line", "moon --json", std::string(kMoon) + "\n{\"BirthYear\":", "line 2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.source);
    const CliRun run = RunCli(c.args, c.input);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.empty()) << run.out;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
  EXPECT_FALSE(std::filesystem::exists("/tmp/never-written.kun"));
}

TEST(InputSafetyCli, IntegersPastTheirRangeAreRefusedWithTheFieldsMessage) {
  struct Case {
    const char* source;
    std::string args;
    std::string input;
    const char* message;
  } cases[] = {
      {"BirthYear past 2^64 wraps to -1947 when read as signed", "moon --json",
       R"({"BirthYear":18446744073709549669,"BirthMonth":8,"BirthDay":15})",
       "BirthYear must be a whole number from 1 to 9999"},
      {"ZoneHour past 2^63", "moon --json",
       R"({"BirthYear":1947,"BirthMonth":8,"BirthDay":15,"ZoneHour":18446744073709551611})",
       "ZoneHour must be a whole number from 0 to 14"},
      {"a negative zone hour", "moon --json",
       R"({"BirthYear":1947,"BirthMonth":8,"BirthDay":15,"ZoneHour":-5})",
       "ZoneHour must be a whole number from 0 to 14"},
      {"a fraction", "moon --json", R"({"BirthYear":1947.5,"BirthMonth":8,"BirthDay":15})",
       "BirthYear must be a whole number from 1 to 9999"},
      {"month 13", "moon --json", R"({"BirthYear":1947,"BirthMonth":13,"BirthDay":15})",
       "BirthMonth must be a whole number from 1 to 12"},
      {"day 40", "moon --json", R"({"BirthYear":1947,"BirthMonth":1,"BirthDay":40})",
       "BirthDay must be a whole number from 1 to 31"},
      {"31 April", "moon --json", R"({"BirthYear":1947,"BirthMonth":4,"BirthDay":31})",
       "BirthDay must be from 1 to 30 in month 4 of 1947"},
      {"year 100000", "moon --json", R"({"BirthYear":100000,"BirthMonth":1,"BirthDay":1})",
       "BirthYear must be a whole number from 1 to 9999"},
      {"Vedic zone hour past 2^63 (once read as -5)", "vedic --json",
       VedicWith("txtMZoneHour", "18446744073709551611"), "Please Enter A Correct Time Zone"},
      {"Western zone row past 2^63", "western --json", R"({"cmbMTimeZone":18446744073709551611})",
       "cmbMTimeZone has no row 18446744073709551611 (rows 0 to 70)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.source);
    const CliRun run = RunCli(c.args, c.input);
    EXPECT_EQ(run.status, 2) << run.err;
    const auto lines = run.Lines();
    ASSERT_EQ(lines.size(), 1u);
    ASSERT_TRUE(lines[0].contains("Error")) << lines[0].dump();
    EXPECT_EQ(lines[0]["Error"]["Message"], c.message);
  }
}

// Hostile files planted in a folder of their own.
class HostileFiles : public ScratchFolder {};

constexpr const char* kProfile =
    R"({"BoyRashi":"Leo","GirlRashi":"Aries","BoyNakshatra":"Magha","GirlNakshatra":"Ashwini"})";

TEST_F(HostileFiles, WriteFollowsNoPlantedLinkAndKeepsThePermissions) {
  const std::string target = Path("pair.kun");
  const std::string victim = Path("victim.txt");
  std::ofstream(victim) << "precious";
  std::ofstream(target) << "earlier";
  ASSERT_EQ(chmod(target.c_str(), 0640), 0);
  // The fixed temporary name the program once used, planted as a link.
  std::filesystem::create_symlink(victim, target + ".tmp-lumora");

  const CliRun run = RunCli("profile write '" + target + "' --json", kProfile);
  EXPECT_EQ(run.status, 0) << run.err << run.out;
  EXPECT_EQ(Bytes(victim), "precious");
  EXPECT_EQ(Bytes(target), WriteProfile({"Leo", "Aries", "Magha", "Ashwini"}));
  struct stat info {};
  ASSERT_EQ(stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  // Only the target, the victim and the planted link: no temporary file is left.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_),
                          std::filesystem::directory_iterator()),
            3);
}

TEST_F(HostileFiles, WriteRefusesWhatReadWouldRefuse) {
  for (const char* name : {"pair.txt", "pair.KUN", "pair"}) {
    const CliRun run = RunCli("profile write '" + Path(name) + "' --json", kProfile);
    EXPECT_EQ(run.status, 2) << name;
    ASSERT_EQ(run.Lines().size(), 1u) << name;
    EXPECT_EQ(run.Lines()[0]["Error"]["Message"], "Please Check The File.") << name;
    EXPECT_FALSE(std::filesystem::exists(Path(name))) << name;
  }
}

TEST_F(HostileFiles, OversizedProfilesAreRefusedUnread) {
  const std::string valid = WriteProfile({"Leo", "Aries", "Magha", "Ashwini"});
  // A valid profile padded past the size limit: the four lines alone would pass.
  std::ofstream(Path("padded.kun"), std::ios::binary)
      << valid << std::string(kProfileFileLimit, '\n');
  // An endless device behind a profile name: read whole, it never ends.
  std::filesystem::create_symlink("/dev/zero", Path("zero.kun"));
  std::filesystem::create_directory(Path("folder.kun"));
  for (const char* name : {"padded.kun", "zero.kun", "folder.kun"}) {
    const CliRun run = RunCli("profile read '" + Path(name) + "' --json", "");
    EXPECT_EQ(run.status, 2) << name;
    ASSERT_EQ(run.Lines().size(), 1u) << name;
    EXPECT_EQ(run.Lines()[0]["Error"]["Message"], "Please Check The File.") << name;
  }
}

TEST(ReadableOutput, WorkingValuesOnlyWhenVerboseAndFieldsInWords) {
  const std::string form =
      Fixture("vedic_match.jsonl").substr(0, Fixture("vedic_match.jsonl").find('\n'));
  struct Case {
    const char* args;
    std::string input;
    const char* shown;
    const char* hidden;  // nullptr: nothing to look for
  } cases[] = {
      {"moon", kMoon, "Moon sign name:", "JulianDay"},
      {"moon", kMoon, "Universal time (hours):", "Julian day"},
      {"moon --verbose", kMoon, "Julian day:", nullptr},
      {"vedic", form, "Total points:", "Grid"},
      {"vedic --verbose", form, "Grid:", nullptr},
      {"western", Fixture("western_valid.json"), "Male date of birth:", "mDOB"},
      {"vedic", R"({"txtMName":"A"})", "time-zone hours of the male (txtMZoneHour)", nullptr},
  };
  for (const Case& c : cases) {
    const CliRun run = RunCli(c.args, c.input);
    EXPECT_NE(run.out.find(c.shown), std::string::npos) << c.args << "\n" << run.out;
    if (c.hidden != nullptr) {
      EXPECT_EQ(run.out.find(c.hidden), std::string::npos) << c.args << "\n" << run.out;
    }
  }
}

TEST(ReadableOutput, LongTextsWrapToTheWidth) {
  setenv("COLUMNS", "60", 1);
  const CliRun run = RunCli("info kootas", "");
  const CliRun rashi = RunCli("info rashi Leo", "");
  unsetenv("COLUMNS");
  std::istringstream lines(rashi.out);
  std::string line;
  int count = 0;
  while (std::getline(lines, line)) {
    ++count;
    EXPECT_LE(line.size(), 60u + 2) << line;  // a word longer than the room may overhang
  }
  EXPECT_GT(count, 27);  // the prose fields took several lines each
  EXPECT_EQ(run.status, 0);
}

TEST(CommandHelp, ListsTheInputKeys) {
  struct Case {
    const char* args;
    const char* key;
  } cases[] = {
      {"moon --help", "BirthYear"},       {"moon --help", "IsDST"},
      {"vedic --help", "cboMYear"},       {"vedic --help", "Profile"},
      {"western --help", "cmbMTimeZone"}, {"profile write --help", "GirlNakshatra"},
  };
  for (const Case& c : cases) {
    const CliRun run = RunCli(c.args, "");
    EXPECT_EQ(run.status, 0) << c.args;
    EXPECT_NE(run.out.find(c.key), std::string::npos) << c.args << "\n" << run.out;
  }
}

}  // namespace
}  // namespace lumora::testing
