// SPDX-License-Identifier: MIT
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

// Runs lumora-cli with the arguments, feeding stdin_text on standard input; with
// as_nobody (and a superuser running the tests) as the unprivileged user "nobody", so
// that file permissions count.
CliRun RunCli(const std::string& arguments, const std::string& stdin_text, bool as_nobody = false);

std::string Fixture(const std::string& name);

}  // namespace lumora::testing
