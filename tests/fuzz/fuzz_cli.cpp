// SPDX-License-Identifier: MIT
// The CLI's input path: the whole program run on in-memory input. The first byte picks
// the command line; the rest is standard input. The exit status is 0, 1 or 2; status 1
// writes nothing to standard output; with --json every output line is a JSON object,
// and an Error line appears exactly when the status is 2.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/run_cli.h"

namespace {

void Require(bool condition) {
  if (!condition) {
    std::abort();
  }
}

// Command lines that read standard input, with and without --json.
const std::vector<std::vector<std::string>> kCommands = {
    {"moon", "--json"},
    {"vedic", "--json"},
    {"vedic", "--json", "--report"},
    {"western", "--json"},
    {"moon", "--json", "--precise-moon", "--compare-moons"},
    {"moon"},
    {"vedic"},
    {"western"},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) {
    return 0;
  }
  const auto& arguments = kCommands[data[0] % kCommands.size()];
  const bool json = arguments.size() > 1 && arguments[1] == "--json";
  std::istringstream in(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
  std::ostringstream out;
  std::ostringstream err;
  const int status = lumora::cli::RunCli(arguments, in, out, err);
  Require(status == 0 || status == 1 || status == 2);
  if (status == 1) {
    Require(out.str().empty());
    Require(!err.str().empty());
    return 0;
  }
  if (!json) {
    return 0;
  }
  std::istringstream lines(out.str());
  std::string line;
  bool error_seen = false;
  while (std::getline(lines, line)) {
    const auto value = nlohmann::ordered_json::parse(line, nullptr, false);
    Require(!value.is_discarded() && value.is_object());
    error_seen = error_seen || value.contains("Error");
  }
  Require(error_seen == (status == 2));
  return 0;
}
