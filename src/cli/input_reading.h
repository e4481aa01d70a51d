// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "cli/json.h"

namespace lumora::cli {

// Reading the input stream and small files, guarded against what is not JSON text.

// One input line longer than this is refused: a record is a few hundred bytes, and the
// cap keeps an endless stream without line ends (/dev/zero) from filling the memory.
inline constexpr std::size_t kMaxInputLine = std::size_t{1} << 20;

// Reads one JSON object (it may span lines), or JSON Lines, streaming from the file or
// from the context's input when empty. A NUL byte, an over-long line, a folder or a
// malformed line is a UsageError.
std::vector<Json> ReadInputs(const std::string& input_file);

// The whole of a small file, read no further than limit bytes: nothing when it cannot
// be opened, is a folder or is longer than limit.
std::optional<std::string> ReadSmallFile(const std::string& path, std::size_t limit);

}  // namespace lumora::cli
