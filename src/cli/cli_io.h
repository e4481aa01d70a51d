#pragma once

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

// Reads one JSON object, or JSON Lines, from the file (or standard input when empty).
std::vector<Json> ReadInputs(const std::string& input_file);

Json ErrorObject(const Rejection& rejection);

// Writes one result: compact JSON Lines with json, an aligned layout for people otherwise.
void WriteResult(std::ostream& out, const Json& result, bool json);

// Runs a command over every input; returns the exit status (0, or 2 when any was rejected).
int RunEach(const std::vector<Json>& inputs, bool json,
            const std::function<Json(const Json&)>& command);

// Typed field access with clear rejections.
int IntField(const Json& input, const char* key, std::optional<int> fallback);
bool BoolField(const Json& input, const char* key, bool fallback);
std::string StringField(const Json& input, const char* key, const std::string& fallback);

}  // namespace lumora::cli
