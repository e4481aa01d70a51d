// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace lumora::ui {

// What the desktop program's command line asks for: "lumora", "lumora FILE" (a couple
// file or a profile file a file manager hands over), "lumora --help", "lumora --version".
struct StartRequest {
  enum class Kind { Run, Help, Version, Refused };
  Kind What = Kind::Run;
  std::string File;     // Run: the file to open, empty for none
  std::string Problem;  // Refused: why
};

// The arguments after the program's name, once Qt has taken its own options (-platform,
// -style ...): at most one file; -h/--help and -v/--version win over everything else.
StartRequest ReadStartArguments(const std::vector<std::string>& arguments);

// The text --help prints.
std::string StartUsage();

}  // namespace lumora::ui
