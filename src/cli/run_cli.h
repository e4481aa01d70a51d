// SPDX-License-Identifier: MIT
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace lumora::cli {

// One whole run of lumora-cli: arguments (without the program name) in, the exit
// status out (0, 1 or 2), reading and writing only the given streams. main runs it
// on the standard streams; tests and the fuzz target run it on strings, many times in one
// process, one run at a time.
int RunCli(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
           std::ostream& err);

}  // namespace lumora::cli
