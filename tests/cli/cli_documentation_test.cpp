// SPDX-License-Identifier: MIT
// The manual page and the bash completion against the program itself: every command and
// option that lumora-cli's --help lists is described in the manual and offered by the
// completion, and the completion offers what each position of a command line takes.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli_runner.h"
#include "core/vedic/result/nakshatra_catalogue.h"
#include "core/vedic/result/rashi_catalogue.h"

namespace lumora::testing {
namespace {

const std::string kPackaging = LUMORA_PACKAGING_DIR;

std::string ReadText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream buffer;
  buffer << file.rdbuf();
  return buffer.str();
}

std::string ShellQuoted(const std::string& word) {
  std::string quoted = "'";
  for (const char c : word) {
    quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  }
  return quoted + "'";
}

// What the completion offers when the cursor is at the end of the last word, typed in
// the folder given.
std::set<std::string> Completions(const std::vector<std::string>& words,
                                  const std::string& folder = ".") {
  std::string command = "cd " + ShellQuoted(folder) +
                        " && bash --norc --noprofile -c 'source \"$0\"; COMP_WORDS=(\"$@\"); "
                        "COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); _lumora_cli 2>/dev/null; "
                        "printf \"%s\\n\" \"${COMPREPLY[@]}\"' " +
                        ShellQuoted(kPackaging + "/lumora-cli.bash-completion");
  for (const std::string& word : words) {
    command += " " + ShellQuoted(word);
  }
  std::set<std::string> offered;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) {
    return offered;
  }
  std::string out;
  char buffer[4096];
  while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, pipe)) {
    out.append(buffer, got);
  }
  EXPECT_EQ(WEXITSTATUS(pclose(pipe)), 0) << command;
  std::istringstream lines(out);
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty()) {
      offered.insert(line);
    }
  }
  return offered;
}

// The long options and the subcommands of one --help text, as CLI11 lays it out.
struct HelpListing {
  std::vector<std::string> options;
  std::vector<std::string> subcommands;
};

HelpListing ReadHelp(const std::string& command_path) {
  const CliRun run = RunCli(command_path + " --help", "");
  EXPECT_EQ(run.status, 0) << command_path;
  HelpListing listing;
  static const std::regex kOption(R"(^\s+(?:-\w,)?(--[a-z][a-z0-9-]*))");
  static const std::regex kSubcommand(R"(^  ([a-z][a-z0-9-]*)\s)");
  std::istringstream lines(run.out);
  std::string line;
  bool in_subcommands = false;
  while (std::getline(lines, line)) {
    if (line.empty() || line.front() != ' ') {
      in_subcommands = line.rfind("Subcommands:", 0) == 0;
      continue;
    }
    std::smatch match;
    if (in_subcommands && std::regex_search(line, match, kSubcommand)) {
      listing.subcommands.push_back(match[1]);
    } else if (std::regex_search(line, match, kOption)) {
      listing.options.push_back(match[1]);
    }
  }
  return listing;
}

std::vector<std::string> Split(const std::string& command_path) {
  std::vector<std::string> words;
  std::istringstream in(command_path);
  for (std::string word; in >> word;) {
    words.push_back(word);
  }
  return words;
}

// Every command path of the program with its --help listing, found by walking --help
// from the top.
std::map<std::string, HelpListing> Commands() {
  std::map<std::string, HelpListing> commands;
  std::vector<std::string> pending = {""};
  while (!pending.empty()) {
    const std::string path = pending.back();
    pending.pop_back();
    const HelpListing& listing = commands[path] = ReadHelp(path);
    for (const std::string& sub : listing.subcommands) {
      pending.push_back(path.empty() ? sub : path + " " + sub);
    }
  }
  return commands;
}

// The manual writes a dash of an option as \-.
std::string ManualSpelling(const std::string& text) {
  return std::regex_replace(text, std::regex("-"), "\\-");
}

// A command is described under a heading in bold that begins with its whole path:
// ".B info kootas" or ".BI "profile read " FILE".
bool ManualDescribes(const std::string& manual, const std::string& path) {
  std::istringstream lines(manual);
  for (std::string line; std::getline(lines, line);) {
    for (const std::string& head : {".B " + path, ".BI \"" + path}) {
      if (line.rfind(head, 0) == 0 &&
          (line.size() == head.size() || line[head.size()] == ' ' || line[head.size()] == '"')) {
        return true;
      }
    }
  }
  return false;
}

TEST(CliDocumentation, EveryCommandAndOptionIsInTheManualAndTheCompletion) {
  const std::string manual = ReadText(kPackaging + "/lumora-cli.1");
  ASSERT_FALSE(manual.empty());
  const std::map<std::string, HelpListing> commands = Commands();
  // moon, vedic, western, profile and its two, info and its four at least.
  ASSERT_GE(commands.size(), 12U);
  for (const auto& [path, listing] : commands) {
    std::vector<std::string> words = Split(path);
    if (!words.empty()) {
      if (listing.subcommands.empty()) {
        EXPECT_TRUE(ManualDescribes(manual, path)) << "the manual does not describe " << path;
      }
      std::vector<std::string> before = {"lumora-cli"};
      before.insert(before.end(), words.begin(), words.end() - 1);
      before.push_back(words.back().substr(0, 1));
      EXPECT_TRUE(Completions(before).contains(words.back()))
          << "the completion does not offer " << path;
    }
    std::vector<std::string> line = {"lumora-cli"};
    line.insert(line.end(), words.begin(), words.end());
    line.push_back("--");
    const std::set<std::string> offered = Completions(line);
    for (const std::string& option : listing.options) {
      EXPECT_NE(manual.find(ManualSpelling(option)), std::string::npos)
          << "the manual does not describe " << option << " of '" << path << "'";
      EXPECT_TRUE(offered.contains(option))
          << "the completion does not offer " << option << " after '" << path << "'";
    }
  }
}

// The names the completion offers are exactly the catalogues' names, so each one typed
// in full is found by `info`.
TEST(CliDocumentation, CompletionOffersTheCatalogueNames) {
  std::set<std::string> rashis;
  for (const RashiRecord& record : kRashiCatalogue) {
    rashis.insert(std::string(record.EnglishName));
  }
  EXPECT_EQ(Completions({"lumora-cli", "info", "rashi", ""}), rashis);

  std::set<std::string> nakshatras;
  for (const NakshatraRecord& record : kNakshatraCatalogue) {
    // Typed on a command line, a space in a name is escaped.
    nakshatras.insert(
        std::regex_replace(std::string(record.NakshatraName), std::regex(" "), "\\ "));
  }
  EXPECT_EQ(Completions({"lumora-cli", "info", "nakshatra", ""}), nakshatras);
}

// File names: each option and argument offers its own kind of file, and folders to walk into.
TEST(CliDocumentation, CompletionOffersTheFilesEachPlaceTakes) {
  char pattern[] = "/tmp/lumora-completion-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const std::filesystem::path folder = pattern;
  for (const char* name : {"a.kun", "b.csv", "c.jsonl", "d.json", "e.pdf", "f.txt"}) {
    std::ofstream(folder / name) << "x";
  }
  std::filesystem::create_directory(folder / "sub");
  const struct {
    std::vector<std::string> words;
    std::set<std::string> offered;
  } cases[] = {
      {{"lumora-cli", "profile", "read", ""}, {"a.kun", "sub"}},
      {{"lumora-cli", "profile", "write", ""}, {"a.kun", "sub"}},
      {{"lumora-cli", "rank", "--candidates", ""}, {"b.csv", "c.jsonl", "sub"}},
      {{"lumora-cli", "rank", "--girl", ""}, {"d.json", "sub"}},
      {{"lumora-cli", "western", "--pdf", ""}, {"e.pdf", "sub"}},
      {{"lumora-cli", "vedic", "--input", ""},
       {"a.kun", "b.csv", "c.jsonl", "d.json", "e.pdf", "f.txt", "sub"}},
  };
  for (const auto& each : cases) {
    EXPECT_EQ(Completions(each.words, folder.string()), each.offered) << each.words[1];
  }
  std::filesystem::remove_all(folder);
}

struct CompletionCase {
  const char* typed;  // the command line, the cursor after its last character
  std::vector<std::string> offered;
};

class CompletionOffers : public ::testing::TestWithParam<CompletionCase> {};

TEST_P(CompletionOffers, WhatThePositionTakes) {
  std::vector<std::string> words = Split(GetParam().typed);
  const std::string typed = GetParam().typed;
  if (typed.back() == ' ') {
    words.push_back("");
  }
  // A backslash-escaped space belongs to the word it is in.
  std::vector<std::string> joined;
  for (const std::string& word : words) {
    if (!joined.empty() && !joined.back().empty() && joined.back().back() == '\\') {
      joined.back() += " " + word;
    } else {
      joined.push_back(word);
    }
  }
  const std::set<std::string> expected(GetParam().offered.begin(), GetParam().offered.end());
  EXPECT_EQ(Completions(joined), expected) << typed;
}

// Cases: what a user types at each kind of position.
INSTANTIATE_TEST_SUITE_P(
    CommandLines, CompletionOffers,
    ::testing::Values(
        // The commands, also after an option with its value.
        CompletionCase{"lumora-cli p", {"profile"}},
        CompletionCase{"lumora-cli --input x.json w", {"western"}},
        CompletionCase{"lumora-cli profile ", {"read", "write"}},
        CompletionCase{"lumora-cli info k", {"kootas"}},
        // Values of options that take a fixed set.
        CompletionCase{"lumora-cli vedic --uncertainty ", {"5", "15", "30", "60"}},
        CompletionCase{"lumora-cli dasha --levels ", {"1", "2", "3"}},
        CompletionCase{"lumora-cli rank --boy b.json --uncertainty 3", {"30"}},
        // Numbers are the user's own.
        CompletionCase{"lumora-cli atlas --limit ", {}},
        // A value that was given does not make the next word a value.
        CompletionCase{"lumora-cli vedic --pdf out.pdf --wi", {"--with-catalogues"}},
        CompletionCase{"lumora-cli vedic --wedding 2026-02-14 --y", {"--year-days"}},
        CompletionCase{"lumora-cli dasha --year-days ", {"365.25", "365.2422", "360"}},
        CompletionCase{"lumora-cli dasha --levels 3 --l", {"--levels"}},
        CompletionCase{"lumora-cli da", {"dasha"}},
        CompletionCase{"lumora-cli vedic --json --pre", {"--precise-moon"}},
        // Options of the second word of profile.
        CompletionCase{"lumora-cli profile read --m", {"--match"}},
        // Names with spaces, typed with an escaped space.
        CompletionCase{"lumora-cli info nakshatra Uttara\\ B", {"Uttara\\ Bhadrapada"}},
        CompletionCase{"lumora-cli info rashi Ca", {"Cancer", "Capricorn"}},
        // One name only: a second word gets nothing.
        CompletionCase{"lumora-cli info rashi Leo ", {}}));

}  // namespace
}  // namespace lumora::testing
