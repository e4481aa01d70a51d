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
      {"an endless stream of zeros", "moon --json --input /dev/zero", "", "a device"},
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

// JSON nested far past any record's depth (the JSON writer once recursed 100,000 deep
// and crashed) and an object naming a member twice: each is a refused input in its place
// (exit status 2), the inputs around it still answered.
TEST(InputSafetyCli, DeepNestingAndDuplicateMembersAreRefusedInputs) {
  const std::string deep_arrays = std::string(100000, '[') + std::string(100000, ']');
  std::string deep_objects;
  for (int i = 0; i < 40000; ++i) {
    deep_objects += "{\"a\":";
  }
  deep_objects += "1" + std::string(40000, '}');
  // Just past the limit, with brackets inside strings that must not count.
  const std::string just_past =
      "{\"x\":\"[[{{\"," + std::string(32, '[') + std::string(32, ']') + "}";
  const struct {
    const char* source;
    std::string args;
    std::string input;
    const char* message;
  } cases[] = {
      {"a deep array as a form entry", "vedic --json", VedicWith("txtMName", deep_arrays),
       "is nested deeper than 32 levels"},
      {"deep objects as a form entry", "vedic --json", VedicWith("txtFName", deep_objects),
       "is nested deeper than 32 levels"},
      {"a deep array as the whole input", "moon --json", deep_arrays,
       "is nested deeper than 32 levels"},
      {"one level past the limit", "moon --json", just_past, "is nested deeper than 32 levels"},
      {"a member named twice", "vedic --json",
       VedicWith("txtMName", "\"Bela\",\"txtMName\":\"Ravi\""),
       "names the member \"txtMName\" twice"},
      {"a member named twice in a nested object", "vedic --json",
       R"({"Boy":{"Name":"A","Name":"B"},"Girl":{}})", "names the member \"Name\" twice"},
      {"a year given twice", "moon --json",
       R"({"BirthYear":1947,"BirthYear":2047,"BirthMonth":8,"BirthDay":15})",
       "names the member \"BirthYear\" twice"},
      {"a repeated name shown escaped", "moon --json", "{\"\\u001b]0;x\":1,\"\\u001b]0;x\":2}",
       "names the member \"\\x1b]0;x\" twice"},
  };
  // A valid input of the command before and after the refused one.
  const std::string vedic_form = VedicWith("txtMName", "\"Ravi\"");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.source);
    const std::string around = c.args.starts_with("vedic") ? vedic_form : std::string(kMoon);
    const CliRun run = RunCli(c.args, around + "\n" + c.input + "\n" + around + "\n");
    EXPECT_EQ(run.status, 2) << run.err;
    const auto lines = run.Lines();
    ASSERT_EQ(lines.size(), 3u) << run.out.substr(0, 300) << run.err;
    EXPECT_FALSE(lines[0].contains("Error")) << lines[0].dump();
    EXPECT_FALSE(lines[2].contains("Error")) << lines[2].dump();
    ASSERT_TRUE(lines[1].contains("Error")) << lines[1].dump().substr(0, 300);
    EXPECT_EQ(lines[1]["Error"]["Message"], "The input at line 2 " + std::string(c.message));
  }
  // Exactly at the limit is still read: a moon input one array 31 deep inside its object.
  const std::string at_limit = R"({"BirthYear":1947,"BirthMonth":8,"BirthDay":15,"x":)" +
                               std::string(31, '[') + std::string(31, ']') + "}";
  const CliRun kept = RunCli("moon --json", at_limit);
  EXPECT_EQ(kept.status, 0) << kept.out << kept.err;
}

// A FIFO or a device named as the input is refused at once, never waited on or read
// for ever, couple files (.lumora) and profiles included.
TEST(InputSafetyCli, OnlyRegularFilesAreRead) {
  const std::string fifo_couple = "/tmp/lumora-cli-input-fifo.lumora";
  const std::string zero_couple = "/tmp/lumora-cli-input-zero.lumora";
  const std::string fifo_json = "/tmp/lumora-cli-input-fifo.json";
  const std::string fifo_profile = "/tmp/lumora-cli-input-fifo.kun";
  for (const std::string& name : {fifo_couple, zero_couple, fifo_json, fifo_profile}) {
    std::remove(name.c_str());
  }
  ASSERT_EQ(::mkfifo(fifo_couple.c_str(), 0600), 0);
  ASSERT_EQ(::mkfifo(fifo_json.c_str(), 0600), 0);
  ASSERT_EQ(::mkfifo(fifo_profile.c_str(), 0600), 0);
  std::filesystem::create_symlink("/dev/zero", zero_couple);
  const struct {
    std::string args;
    int status;
    const char* message;  // on standard error, or in the refusal on standard output
  } cases[] = {
      {"vedic --json --input " + fifo_couple, 1, "FIFO"},
      {"vedic --json --input " + zero_couple, 1, "a device"},
      {"moon --json --input " + fifo_json, 1, "FIFO"},
      {"western --json --input /dev/zero", 1, "a device"},
      {"profile read " + fifo_profile + " --json", 2, "Please Check The File."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args);
    // A blocked read would hang the test; the timeout turns that into a failure.
    const CliRun run = RunCli(c.args, "", false, 20);
    EXPECT_EQ(run.status, c.status);
    EXPECT_NE((run.err + run.out).find(c.message), std::string::npos) << run.err << run.out;
  }
  for (const std::string& name : {fifo_couple, zero_couple, fifo_json, fifo_profile}) {
    std::remove(name.c_str());
  }
}

// Readable output and messages show control characters escaped, never raw: a zone, a
// name or a file name cannot move the cursor, retitle the terminal or forge a line.
TEST(InputSafetyCli, ReadableOutputNeverActsOnTheTerminal) {
  const std::string person =
      R"({"Name":"Asha\u001b[31m\nRank: 1","BirthDate":"1992-03-01","BirthTime":"12:00",)"
      R"("Latitude":18.52,"Longitude":73.86,"TimeZone":"Asia/Kolkata"})";
  const struct {
    const char* source;
    std::string args;
    std::string input;
    const char* shown;  // as standard output or standard error shows it
  } cases[] = {
      {"an OSC sequence as a zone", "zone",
       R"({"TimeZone":"\u001b]0;owned\u0007","BirthYear":2000,"BirthMonth":1,"BirthDay":1})",
       "\"\\x1b]0;owned\\x07\" is not a time zone"},
      {"colour and a line break in a name", "vedic",
       R"({"Boy":)" + person + R"(,"Girl":)" + person + "}", "Asha\\x1b[31m\\x0aRank: 1"},
      {"an escape in a file name", "moon --input '/tmp/no\x1b[2Jsuch.json'", "",
       "no\\x1b[2Jsuch.json"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.source);
    const CliRun run = RunCli(c.args, c.input);
    const std::string shown = run.out + run.err;
    EXPECT_EQ(shown.find('\x1b'), std::string::npos) << shown;
    EXPECT_NE(shown.find(c.shown), std::string::npos) << shown;
  }
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
