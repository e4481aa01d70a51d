// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/json.h"
#include "core/json_text.h"

namespace lumora::cli {

// Reading the input stream and small files, guarded against what is not JSON text.

// One input line longer than this is refused: a record is a few hundred bytes, and the
// cap keeps an endless stream without line ends (/dev/zero) from filling the memory.
inline constexpr std::size_t kMaxInputLine = std::size_t{1} << 20;

// JSON input is read strictly, as the program's own files are: nesting deeper than
// kMaxJsonDepth (forms and records are two levels deep) and a member named twice in one
// object are refused, so no reader or writer meets a value nested 100,000 deep and no
// input says two things at once.
inline constexpr int kMaxJsonDepth = json::kMaxDepth;

// Reads JSON text with the program's one strict reader (see kMaxJsonDepth): the value, or
// why it was refused as the end of a sentence about the text ("is nested deeper than 32
// levels"); kNotJson when the text is no JSON at all, for the caller to say in its own words.
inline constexpr std::string_view kNotJson = "is not JSON";
std::variant<Json, std::string> ParseStrictJson(std::string_view text);

// One input as it was read: its JSON object, or why it was refused in its place.
struct Input {
  Json Value;
  std::optional<std::string> Refusal;
};
using Inputs = std::vector<Input>;

// Reads one JSON object (it may span lines), or JSON Lines, streaming from the file or
// from the context's input when empty. A NUL byte, an over-long line, a file that is not
// a regular one (a FIFO, a device, a folder) or a malformed line is a UsageError; an
// object nested too deep or naming a member twice is a refused input, which RunEach
// reports in its place.
Inputs ReadInputs(const std::string& input_file);

// The whole of a small regular file, read no further than limit bytes: nothing when it
// cannot be opened, is not a regular file or is longer than limit.
std::optional<std::string> ReadSmallFile(const std::string& path, std::size_t limit);

}  // namespace lumora::cli
