// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "cli/json.h"

namespace lumora::cli {

// Typed access to the fields of an input object.

// Typed field access with clear rejections. A whole number must be a JSON integer (or
// a float without fraction) within [minimum, maximum]; anything else, including an
// unsigned value past 2^63, is refused with message.
int IntField(const Json& input, const char* key, std::optional<int> fallback, int minimum,
             int maximum, const std::string& message);
bool BoolField(const Json& input, const char* key, bool fallback);
std::string StringField(const Json& input, const char* key, const std::string& fallback);

// One member of a record under its key. A record's output is written from one list of
// these, so the keys and their order live in one place.
template <typename Record, typename Value>
struct JsonField {
  std::string_view Key;
  Value Record::*Member;
};
// Spelled out for compilers without aggregate deduction (clang before 17).
template <typename Record, typename Value>
JsonField(std::string_view, Value Record::*) -> JsonField<Record, Value>;

// The record as an object: the members of the list (a tuple of JsonField), in order.
template <typename Record, typename Fields>
Json RecordJson(const Record& record, const Fields& fields) {
  Json out;
  std::apply(
      [&](const auto&... field) { ((out[std::string(field.Key)] = record.*field.Member), ...); },
      fields);
  return out;
}

}  // namespace lumora::cli
