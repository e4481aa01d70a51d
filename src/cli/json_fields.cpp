// SPDX-License-Identifier: MIT
#include "cli/json_fields.h"

#include <cmath>
#include <cstdint>

#include "cli/cli_io.h"
#include "core/glossary/messages.h"

namespace lumora::cli {

int IntField(const Json& input, const char* key, std::optional<int> fallback, int minimum,
             int maximum, const std::string& message) {
  if (!input.contains(key) || input[key].is_null()) {
    if (fallback) {
      return *fallback;
    }
    throw Rejection(std::string(key) + " is required");
  }
  const Json& value = input[key];
  // Each kind is read as itself: reading an unsigned value past 2^63 as a signed one
  // would wrap it to a negative number that could pass the range check.
  if (value.is_number_unsigned()) {
    const auto n = value.get<std::uint64_t>();
    if (maximum >= 0 && n <= static_cast<std::uint64_t>(maximum) &&
        (minimum <= 0 || n >= static_cast<std::uint64_t>(minimum))) {
      return static_cast<int>(n);
    }
  } else if (value.is_number_integer()) {
    const auto n = value.get<std::int64_t>();
    if (n >= minimum && n <= maximum) {
      return static_cast<int>(n);
    }
  } else if (value.is_number_float()) {
    const double d = value.get<double>();
    if (std::isfinite(d) && d == std::floor(d) && d >= minimum && d <= maximum) {
      return static_cast<int>(d);
    }
  }
  throw Rejection(message);
}

bool BoolField(const Json& input, const char* key, bool fallback) {
  if (!input.contains(key) || input[key].is_null()) {
    return fallback;
  }
  if (!input[key].is_boolean()) {
    throw Rejection(RecordMessageText(RecordMessage::MustBeTrueOrFalse, {key}));
  }
  return input[key].get<bool>();
}

std::string StringField(const Json& input, const char* key, const std::string& fallback) {
  if (!input.contains(key) || input[key].is_null()) {
    return fallback;
  }
  if (input[key].is_string()) {
    return input[key].get<std::string>();
  }
  if (input[key].is_number_integer()) {
    // The number as written: an unsigned value past 2^63 must not turn negative.
    return input[key].dump();
  }
  throw Rejection(std::string(key) + " must be a text");
}

}  // namespace lumora::cli
