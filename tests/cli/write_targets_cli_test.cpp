// SPDX-License-Identifier: MIT
// Files the tool writes (--pdf, profile write) replace only a regular file the user
// could write in place, or take a new name: never a device node, a FIFO, a folder or
// a write-protected file, and never the empty name.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "cli_runner.h"

namespace lumora::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* kAriesCapricorn =
    R"({"BoyRashi":"Aries","GirlRashi":"Capricorn","BoyNakshatra":"Ashwini","GirlNakshatra":"Revati"})";

std::string FirstLine(const std::string& fixture) {
  std::istringstream lines(Fixture(fixture));
  std::string line;
  std::getline(lines, line);
  return line;
}

// What a path is, to tell afterwards whether the tool replaced it.
std::string KindAndBytes(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) {
    return "missing";
  }
  if (S_ISCHR(info.st_mode)) {
    return "character device " + std::to_string(major(info.st_rdev)) + "," +
           std::to_string(minor(info.st_rdev));
  }
  if (S_ISFIFO(info.st_mode)) {
    return "fifo";
  }
  if (S_ISDIR(info.st_mode)) {
    return "folder";
  }
  return "file " + FileBytes(path) + " mode " + std::to_string(info.st_mode & 0777);
}

class WriteTargets : public ScratchFolder {
 protected:
  void TearDown() override {
    fs::permissions(dir_, fs::perms::owner_all);
    ScratchFolder::TearDown();
  }
};

TEST_F(WriteTargets, OnlyRegularFilesTheUserMayWriteAreReplaced) {
  if (::geteuid() != 0) {
    GTEST_SKIP() << "making a device node and acting as another user need the administrator";
  }
  // Each command writes its own kind of file; a refusal is exit status 1 for --pdf (as
  // any failed save) and a rejected input, 2, for profile write.
  const struct {
    const char* name;
    const char* extension;
    std::function<std::string(const std::string&)> arguments;
    std::string input;
    int refused_status;
  } commands[] = {
      {"vedic --pdf", ".pdf",
       [](const std::string& path) { return "vedic --json --pdf '" + path + "'"; },
       FirstLine("vedic_match.jsonl"), 1},
      {"profile write", ".kun",
       [](const std::string& path) { return "profile write '" + path + "' --json"; },
       kAriesCapricorn, 2},
  };
  const struct {
    const char* why;
    std::function<void(const std::string&)> make;  // nothing: a new name
    bool as_nobody;
    std::string_view message_part;  // empty: written
  } targets[] = {
      {"a new name", nullptr, false, ""},
      // A copy of /dev/null's node (character device 1,3), so the machine's own is safe.
      {"a character device",
       [](const std::string& path) {
         ASSERT_EQ(::mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
       },
       false, "is a device"},
      {"a FIFO", [](const std::string& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0666), 0); }, false,
       "is a FIFO"},
      {"a folder", [](const std::string& path) { fs::create_directory(path); }, false,
       "is a folder"},
      {"the user's own read-only file (0444)",
       [](const std::string& path) {
         std::ofstream(path) << "kept";
         fs::permissions(path,
                         fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
       },
       false, "write-protected"},
      {"another user's 0644 file in a folder everyone may write",
       [](const std::string& path) {
         std::ofstream(path) << "kept";
         fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write |
                                   fs::perms::group_read | fs::perms::others_read);
       },
       true, "write-protected"},
  };
  fs::permissions(dir_, fs::perms::all);
  int n = 0;
  for (const auto& command : commands) {
    for (const auto& target : targets) {
      SCOPED_TRACE(std::string(command.name) + ", " + target.why);
      const std::string path = Path("target" + std::to_string(++n) + command.extension);
      if (target.make) {
        target.make(path);
      }
      const std::string before = KindAndBytes(path);
      const CliRun run = RunCli(command.arguments(path), command.input, target.as_nobody);
      if (target.message_part.empty()) {
        EXPECT_EQ(run.status, 0) << run.err << run.out;
        EXPECT_EQ(KindAndBytes(path).rfind("file ", 0), 0u);
        continue;
      }
      EXPECT_EQ(run.status, command.refused_status) << run.err << run.out;
      EXPECT_NE((run.err + run.out).find(target.message_part), std::string::npos)
          << run.err << run.out;
      EXPECT_EQ(KindAndBytes(path), before) << "the target was replaced";
    }
  }
}

TEST_F(WriteTargets, TheEmptyNameIsRefused) {
  const CliRun pdf = RunCli("vedic --json --pdf ''", FirstLine("vedic_match.jsonl"));
  EXPECT_EQ(pdf.status, 1) << pdf.out;
  EXPECT_NE(pdf.err.find("empty"), std::string::npos) << pdf.err;
  const CliRun profile = RunCli("profile write '' --json", kAriesCapricorn);
  EXPECT_NE(profile.status, 0);
}

// Standard output that cannot be written (/dev/full: every write fails with "no space")
// ends the run with exit status 1 and a message on standard error, whatever the command.
TEST(OutputErrors, AFullStandardOutputIsAFailure) {
  const std::string zone_input = "/tmp/lumora-cli-full-in.json";
  std::ofstream(zone_input)
      << R"({"TimeZone":"Asia/Kolkata","BirthYear":1943,"BirthMonth":3,"BirthDay":1})"
      << "\n";
  const std::string fixtures = std::string(LUMORA_CLI_FIXTURES) + "/";
  const std::string commands[] = {
      "zone --json --input " + zone_input,
      "atlas Pune --json",
      "info kootas --json",
      "info rashi Leo",
      "vedic --json --input " + fixtures + "vedic_match.jsonl",
      "rank --json --boy " + fixtures + "rank_boy.json --candidates " + fixtures +
          "rank_candidates.csv",
  };
  for (const std::string& command : commands) {
    SCOPED_TRACE(command);
    const std::string err = "/tmp/lumora-cli-full-err.txt";
    const int raw = std::system(
        ("'" + std::string(LUMORA_CLI_PATH) + "' " + command + " </dev/null >/dev/full 2>" + err)
            .c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 1);
    EXPECT_NE(FileBytes(err).find("cannot write to standard output"), std::string::npos)
        << FileBytes(err);
    std::remove(err.c_str());
  }
  std::remove(zone_input.c_str());
}

}  // namespace
}  // namespace lumora::testing
