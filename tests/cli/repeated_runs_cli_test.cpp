// SPDX-License-Identifier: MIT
// One process runs the program many times (the fuzz target does): an option given to one
// run must not reach the next.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/run_cli.h"
#include "cli_runner.h"

namespace lumora::testing {
namespace {

using Json = nlohmann::ordered_json;

struct RunOutput {
  int status = -1;
  std::string out;
};

RunOutput RunInProcess(const std::vector<std::string>& arguments, const std::string& input) {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  const int status = cli::RunCli(arguments, in, out, err);
  return {status, out.str()};
}

// A .json fixture is one object over several lines; of JSON Lines the first object.
std::string InputOf(const std::string& fixture) {
  if (fixture.ends_with(".json")) {
    return Fixture(fixture);
  }
  std::istringstream lines(Fixture(fixture));
  std::string line;
  std::getline(lines, line);
  return line + "\n";
}

// Each case: a run with an option, then a run of the same command without it, whose
// output must be that of a run on its own.
struct RepeatCase {
  const char* what;
  std::vector<std::string> first;
  std::vector<std::string> second;
  const char* fixture;
};

const RepeatCase kRepeatCases[] = {
    {"--report adds the report runs",
     {"vedic", "--json", "--report"},
     {"vedic", "--json"},
     "vedic_match.jsonl"},
    {"--uncertainty widens the score range",
     {"vedic", "--json", "--uncertainty", "60"},
     {"vedic", "--json"},
     "vedic_match.jsonl"},
    {"--precise-moon changes the Moon",
     {"western", "--json", "--precise-moon"},
     {"western", "--json"},
     "western_valid.json"},
    {"--compare-moons adds the comparison",
     {"moon", "--json", "--precise-moon", "--compare-moons"},
     {"moon", "--json"},
     "moon.jsonl"},
    {"--verbose shows the working values", {"moon", "--verbose"}, {"moon"}, "moon.jsonl"},
    {"a refused command line",
     {"vedic", "--uncertainty", "7"},
     {"vedic", "--json"},
     "vedic_match.jsonl"},
};

TEST(RepeatedRuns, NoOptionReachesTheNextRun) {
  for (const RepeatCase& c : kRepeatCases) {
    SCOPED_TRACE(c.what);
    const std::string input = InputOf(c.fixture);
    const RunOutput alone = RunInProcess(c.second, input);
    const RunOutput with_option = RunInProcess(c.first, input);
    const RunOutput after = RunInProcess(c.second, input);
    EXPECT_EQ(after.status, alone.status);
    EXPECT_EQ(after.out, alone.out);
    // The option did change the first run, so the comparison means something.
    EXPECT_NE(with_option.out, alone.out);
  }
}

}  // namespace
}  // namespace lumora::testing
