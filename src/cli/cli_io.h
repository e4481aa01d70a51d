// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "core/entry/form_failure.h"

namespace lumora::cli {

using Json = nlohmann::ordered_json;

// An input the program refuses, reported as {"Error": {...}} in place of its result.
struct Rejection : std::runtime_error {
  Rejection(std::string message, std::string icon = "error",
            std::optional<std::string> focus = std::nullopt)
      : std::runtime_error(message),
        Message(std::move(message)),
        Icon(std::move(icon)),
        Focus(std::move(focus)) {}
  std::string Message;
  std::string Icon;
  std::optional<std::string> Focus;
};

// A malformed command line or input stream: exit status 1, nothing on standard output.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The rejection of a form's message: its text, icon and the control it focuses.
Rejection RejectionOf(const FormFailure& failure);

// Where one run of the program reads and writes. main gives the standard streams;
// tests and the fuzz target give strings. Readable output hides the working values
// unless verbose, and wraps long texts at width columns.
struct CliContext {
  std::istream* In = nullptr;
  std::ostream* Out = nullptr;
  std::ostream* Err = nullptr;
  bool Verbose = false;
  int Width = 80;
};

// The context of the run in progress (the standard streams outside RunCli).
CliContext& Context();

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

Json ErrorObject(const Rejection& rejection);

// Writes one result: compact JSON Lines with json, an aligned layout for people otherwise.
void WriteResult(std::ostream& out, const Json& result, bool json);

// Runs a command over every input; returns the exit status (0, or 2 when any was rejected).
int RunEach(const std::vector<Json>& inputs, bool json,
            const std::function<Json(const Json&)>& command);

// Typed field access with clear rejections. A whole number must be a JSON integer (or
// a float without fraction) within [minimum, maximum]; anything else, including an
// unsigned value past 2^63, is refused with message.
int IntField(const Json& input, const char* key, std::optional<int> fallback, int minimum,
             int maximum, const std::string& message);
bool BoolField(const Json& input, const char* key, bool fallback);
std::string StringField(const Json& input, const char* key, const std::string& fallback);

}  // namespace lumora::cli
