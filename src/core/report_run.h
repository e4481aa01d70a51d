// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace lumora {

struct Rgb {
  int Red = 0;
  int Green = 0;
  int Blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// One piece of report text. A run without a colour keeps the colour in force
// (black at the start of a document). Texts carry their own CR LF line ends.
struct ReportRun {
  std::string Text;
  bool Bold = false;
  std::optional<Rgb> Color;
};

using ReportDocument = std::vector<ReportRun>;

inline constexpr const char* kCrLf = "\r\n";

}  // namespace lumora
