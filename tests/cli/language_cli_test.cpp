// SPDX-License-Identifier: MIT
// lumora-cli's readable output in Hindi and Tamil: no English label or value of the English
// run shows through, and the columns of a table line up on a terminal.
#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <cwchar>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli_runner.h"
#include "core/glossary/phrases.h"
#include "core/terminal_text.h"

namespace lumora::testing {
namespace {

// Two persons by coordinates and zone, so that no atlas look-up decides the output.
constexpr const char* kCouple =
    R"({"Boy":{"Name":"Ravi","BirthDate":"1990-05-14","BirthTime":"06:30","Latitude":28.65,)"
    R"("Longitude":77.23,"TimeZone":"Asia/Kolkata"},"Girl":{"Name":"Meena","BirthDate":)"
    R"("1992-11-02","BirthTime":"21:15","Latitude":13.08,"Longitude":80.27,"TimeZone":)"
    R"("Asia/Kolkata"}})";
constexpr const char* kPersons =
    R"({"Name":"Ravi","BirthDate":"1990-05-14","BirthTime":"06:30","Latitude":28.65,)"
    R"("Longitude":77.23,"TimeZone":"Asia/Kolkata"})";
constexpr const char* kZone =
    R"({"TimeZone":"America/New_York","BirthYear":2024,"BirthMonth":11,"BirthDay":3,)"
    R"("BirthHour":1,"BirthMinute":30})";
constexpr const char* kMoon =
    R"({"BirthYear":1947,"BirthMonth":8,"BirthDay":15,"BirthHour":0,"BirthMinute":0,)"
    R"("ZoneHour":5,"ZoneMinute":30,"LongDeg":77,"LongMin":12,"LatDeg":28,"LatMin":36,)"
    R"("IsEast":true,"IsSouth":false,"IsDST":false})";

struct ReadableCommand {
  std::string arguments;  // after "--lang xx"
  std::string input;      // standard input; a fixture's bytes where fixture is set
  const char* fixture;
  // Words of the English output that are the input's, not the program's: names, places,
  // zones, and the abbreviations that stay as they are in every language (IST, UTC, the
  // signs of a position text).
  std::vector<std::string> kept;
  // Keys of the command's JSON whose values stay as the data gives them in every language
  // (symbols, colours, gemstones, the deities, the zones' names, the long readings): their
  // words are kept too, save the words of the output's own labels.
  std::vector<std::string> kept_fields = {};
  // How many English words the output has at the least.
  std::size_t least_words = 6;
};

const std::vector<std::string> kAlwaysKept = {"UTC", "IST", "Asia", "Kolkata", "Ravi", "Meena"};

// A ranking of the candidates file for the boy of rank_boy.json, with further options.
std::string RankArguments(const std::string& options) {
  return "rank " + options + " --boy '" + FixturePath("rank_boy.json") + "' --candidates '" +
         FixturePath("rank_candidates.csv") + "'";
}

// The candidates' names, and the column names and values of the file a refusal quotes as
// the file has them.
const std::vector<std::string> kCandidateNames = {
    "Kumar", "Asha",   "Rao",    "Meera",     "Iyer",         "Khan",    "Sana", "Priya", "Shah",
    "Divya", "Nair",   "Nisha",  "Verma",     "Gupta",        "Anu",     "Lata", "Rekha", "Uma",
    "Zara",  "Europe", "London", "BirthDate", "ClockReading", "earlier", "later"};

std::vector<ReadableCommand> Commands() {
  return {
      {"vedic --dasha --wedding 2027-02-10 --compare-moons", kCouple, nullptr, {}},
      {"vedic --tables classical --ayanamsa Lahiri --node true --uncertainty 15",
       kCouple,
       nullptr,
       {}},
      {"vedic",
       "",
       "vedic_match.jsonl",
       {"Arjun", "Bela", "Delhi", "London", "England", "United", "Kingdom", "India"}},
      {"vedic", R"({"Profile":["Leo","Aries","Magha","Ashwini"]})", nullptr, {}},
      {"moon --compare-moons", kMoon, nullptr, {}},
      {"chart", kPersons, nullptr, {}},
      {"dasha --levels 2", kPersons, nullptr, {}},
      {"zone", kZone, nullptr, {"America", "New", "York", "EDT", "EST", "DST"}},
      {"western",
       "",
       "western_valid.json",
       {"Arun", "Mira", "Greenwich", "Kent", "England", "Delhi", "India"}},
      {RankArguments("--uncertainty 15"), "", nullptr, kCandidateNames},
      {RankArguments("--method porutham --tables classical"), "", nullptr, kCandidateNames},
      {"rank --boy '" + FixturePath("rank_boy.json") + "' --candidates '" +
           FixturePath("rank_refusals.csv") + "'",
       "", nullptr, kCandidateNames},
      {"synastry --minor",
       "",
       "synastry_pairs.jsonl",
       {"Tevita", "Sina", "Ingrid", "Jonas", "Nobody", "Name", "BirthDate", "BirthTime", "Place"}},
      {"info rashi Leo",
       "",
       nullptr,
       {},
       {"EnglishName", "Symbol", "SignColor", "LuckyColors", "LuckyGemstone", "PartOfTheBody",
        "Looks", "Nature", "CareerAndFinance", "LoveAndDomesticLife", "Health"}},
      {"info nakshatra Ardra",
       "",
       nullptr,
       {},
       {"RullingDeva", "PurposeOfTheDeva", "Symbol", "AstronomicalName", "PartOfBody",
        "LuckyGemstone", "GeneralAndPhysicalFeatures", "PositiveHumanTraits", "NegativeHumanTraits",
        "BestCareerOptions", "DomesticLife", "Health"}},
      {"info kootas", "", nullptr, {}, {"Significance"}},
      // Three labels a row: the zones' names are the data's.
      {"info timezones", "", nullptr, {}, {"Text"}, 3},
  };
}

bool IsLatin(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The first words of the labels of an output's outermost keys: a line's first word where
// the line starts with no space and has a colon (a value's later lines are indented). A
// label that shows through shows its first word; the words after it ("of", "the", "life")
// are the long readings' words as well.
std::set<std::string> OuterLabelWords(const std::string& output) {
  std::set<std::string> words;
  std::istringstream lines(output);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.empty() || line[0] == ' ' || line.find(':') == std::string::npos) {
      continue;
    }
    std::istringstream label(line.substr(0, line.find(':')));
    std::string word;
    if (label >> word) {
      words.insert(word);
    }
  }
  return words;
}

// The runs of Latin words of a line (words joined by single spaces and the marks a label
// holds), each a list of its words.
std::vector<std::vector<std::string>> LatinRuns(const std::string& line) {
  std::vector<std::vector<std::string>> runs;
  std::vector<std::string> run;
  std::string word;
  for (std::size_t i = 0; i <= line.size(); ++i) {
    const char c = i < line.size() ? line[i] : '\n';
    if (IsLatin(c) || (c == '\'' && !word.empty())) {
      word += c;
      continue;
    }
    if (!word.empty()) {
      run.push_back(word);
      word.clear();
    }
    const bool joins = c == ' ' && i + 1 < line.size() && IsLatin(line[i + 1]) && !run.empty();
    if (!joins && !(c == '(' || c == ')' || c == ',' || c == '-' || c == '/') && !run.empty()) {
      runs.push_back(run);
      run.clear();
    }
  }
  if (!run.empty()) {
    runs.push_back(run);
  }
  return runs;
}

// Long runs are prose, which may stay English where the output says so once; what a
// reader must read in the language are the labels and the short values.
constexpr std::size_t kProseWords = 7;

// The English words of an English readable output: every word of three letters or more in
// a run short enough not to be prose, less the kept ones.
std::set<std::string> EnglishWords(const std::string& output,
                                   const std::vector<std::string>& kept) {
  std::set<std::string> words;
  std::istringstream lines(output);
  std::string line;
  while (std::getline(lines, line)) {
    for (const auto& run : LatinRuns(line)) {
      if (run.size() >= kProseWords) {
        continue;
      }
      for (const std::string& word : run) {
        if (word.size() >= 3) {
          words.insert(word);
        }
      }
    }
  }
  for (const auto* list : {&kAlwaysKept, &kept}) {
    for (const std::string& word : *list) {
      words.erase(word);
    }
  }
  return words;
}

// The words of a translated output found in the English list, prose runs left out.
std::set<std::string> ShowingThrough(const std::string& output,
                                     const std::set<std::string>& english) {
  std::set<std::string> found;
  std::istringstream lines(output);
  std::string line;
  while (std::getline(lines, line)) {
    for (const auto& run : LatinRuns(line)) {
      if (run.size() >= kProseWords) {
        continue;
      }
      for (const std::string& word : run) {
        if (english.count(word) != 0) {
          found.insert(word);
        }
      }
    }
  }
  return found;
}

TEST(LanguageCli, NoEnglishLabelOrValueShowsThrough) {
  for (const ReadableCommand& command : Commands()) {
    const std::string input = command.fixture != nullptr ? Fixture(command.fixture) : command.input;
    SCOPED_TRACE(command.arguments + " " + (command.fixture != nullptr ? command.fixture : ""));
    const CliRun english = RunCli("--lang en " + command.arguments, input);
    ASSERT_FALSE(english.out.empty()) << english.err;
    std::vector<std::string> kept = command.kept;
    if (!command.kept_fields.empty()) {
      const std::set<std::string> labels = OuterLabelWords(english.out);
      const CliRun json = RunCli(std::string(command.arguments) + " --json", input);
      ASSERT_FALSE(json.Lines().empty()) << json.err;
      for (const auto& line : json.Lines()) {
        for (const std::string& field : command.kept_fields) {
          ASSERT_TRUE(line.contains(field)) << field;
          // As the readable output writes it, its line breaks escaped.
          const std::string value = EscapeControlCharacters(line[field].get<std::string>());
          for (const auto& run : LatinRuns(value)) {
            std::copy_if(run.begin(), run.end(), std::back_inserter(kept),
                         [&labels](const std::string& word) { return labels.count(word) == 0; });
          }
        }
      }
    }
    const std::set<std::string> words = EnglishWords(english.out, kept);
    // The list holds the English output's labels: a run that lost them would pass anything.
    ASSERT_GE(words.size(), command.least_words);
    for (const char* code : {"hi", "ta"}) {
      const CliRun run = RunCli(std::string("--lang ") + code + " " + command.arguments, input);
      EXPECT_EQ(run.status, english.status) << code;
      std::string leaked;
      for (const std::string& word : ShowingThrough(run.out, words)) {
        leaked += word + " ";
      }
      EXPECT_TRUE(leaked.empty()) << code << ": " << leaked << "\n" << run.out;
    }
  }
}

// The columns a UTF-8 text takes on a terminal, by the C library's own table.
int TerminalColumns(const std::string& text) {
  std::wstring wide(text.size() + 1, L'\0');
  const std::size_t length = std::mbstowcs(wide.data(), text.c_str(), wide.size());
  if (length == static_cast<std::size_t>(-1)) {
    return -1;
  }
  return wcswidth(wide.c_str(), length);
}

// Where each cell of a table line starts, in terminal columns: cells are parted by two
// spaces or more.
std::vector<int> CellStarts(const std::string& line) {
  std::vector<int> starts;
  std::size_t i = line.find_first_not_of(' ');
  while (i != std::string::npos && i < line.size()) {
    starts.push_back(TerminalColumns(line.substr(0, i)));
    std::size_t end = line.find("  ", i);
    if (end == std::string::npos) {
      break;
    }
    i = line.find_first_not_of(' ', end);
  }
  return starts;
}

TEST(LanguageCli, TableColumnsLineUpOnATerminal) {
  ASSERT_NE(std::setlocale(LC_CTYPE, "C.UTF-8"), nullptr);
  struct TableCase {
    const char* arguments;
    const char* heading;  // the line above the table
    int rows;             // the header and the rows below it
  };
  const TableCase cases[] = {
      {"--lang ta vedic", "கூடங்கள்:", 9},
      {"--lang hi vedic", "कूट:", 9},
      {"--lang ta vedic --dasha", "  மகாதசைகள்:", 10},
      {"--lang ta vedic", "பொருத்தங்கள்:", 11},
  };
  for (const TableCase& c : cases) {
    SCOPED_TRACE(c.arguments + std::string(" ") + c.heading);
    const CliRun run = RunCli(c.arguments, kCouple);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::size_t at = run.out.find(std::string(c.heading) + "\n");
    ASSERT_NE(at, std::string::npos) << run.out;
    std::istringstream lines(run.out.substr(at));
    std::string line;
    std::getline(lines, line);
    std::vector<int> header;
    for (int r = 0; r < c.rows && std::getline(lines, line); ++r) {
      const std::vector<int> starts = CellStarts(line);
      ASSERT_FALSE(starts.empty()) << line;
      if (r == 0) {
        header = starts;
        ASSERT_GE(header.size(), 3u) << line;
        continue;
      }
      // Every cell of a row starts where its column's heading starts.
      ASSERT_EQ(starts.size(), header.size()) << line;
      EXPECT_EQ(starts, header) << line;
    }
  }
}

// A ranking's table pads its words by the columns a terminal draws: every row's name,
// verdict, porutham, rashi, nakshatra, Manglik and dosha cells start under their heads.
TEST(LanguageCli, RankTableLinesUpOnATerminal) {
  ASSERT_NE(std::setlocale(LC_CTYPE, "C.UTF-8"), nullptr);
  for (const Language language : {Language::Hindi, Language::Tamil}) {
    const Phrases& words = PhrasesOf(language);
    const std::string code = language == Language::Hindi ? "hi" : "ta";
    SCOPED_TRACE(code);
    const CliRun run =
        RunCli("--lang " + code + " " + RankArguments("--method porutham --uncertainty 15"), "");
    ASSERT_EQ(run.status, 0) << run.err;
    std::istringstream lines(run.out);
    std::string line;
    // The header follows the first blank line.
    while (std::getline(lines, line) && !line.empty()) {
    }
    std::string header;
    std::getline(lines, header);
    ASSERT_FALSE(header.empty()) << run.out;
    // The left-aligned columns: name, verdict, vetoes, porutham, rashi .. doshas, range.
    std::vector<int> columns;
    for (const std::size_t c : {2, 4, 6, 7, 8, 9, 10, 11, 12}) {
      const std::size_t at = header.find(words.RankColumns[c]);
      ASSERT_NE(at, std::string::npos) << words.RankColumns[c];
      columns.push_back(TerminalColumns(header.substr(0, at)));
    }
    int rows = 0;
    while (std::getline(lines, line) && !line.empty()) {
      ++rows;
      const std::vector<int> starts = CellStarts(line);
      for (const int column : columns) {
        EXPECT_NE(std::find(starts.begin(), starts.end(), column), starts.end())
            << "no cell starts at column " << column << ":\n"
            << header << "\n"
            << line;
      }
    }
    EXPECT_EQ(rows, 6) << run.out;
  }
}

}  // namespace
}  // namespace lumora::testing
