#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace lumora::testing {

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
  // Standard output parsed as JSON Lines.
  std::vector<nlohmann::ordered_json> Lines() const;
};

// Runs lumora-cli with the arguments, feeding stdin_text on standard input.
CliRun RunCli(const std::string& arguments, const std::string& stdin_text);

std::string Fixture(const std::string& name);

}  // namespace lumora::testing
