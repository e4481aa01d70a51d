// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "core/form_result.h"

namespace lumora::json {

// A small, strict JSON (RFC 8259) reader and writer for the program's own files. It
// keeps the order of object members, refuses duplicate names, lone surrogates, control
// characters in strings, trailing text and nesting deeper than kMaxDepth.

struct Value;
using Array = std::vector<Value>;
using Member = std::pair<std::string, Value>;
using Object = std::vector<Member>;

struct Value {
  std::variant<std::nullptr_t, bool, double, std::string, Array, Object> Data = nullptr;

  bool IsNull() const { return std::holds_alternative<std::nullptr_t>(Data); }
  const bool* AsBool() const { return std::get_if<bool>(&Data); }
  const double* AsNumber() const { return std::get_if<double>(&Data); }
  const std::string* AsString() const { return std::get_if<std::string>(&Data); }
  const Array* AsArray() const { return std::get_if<Array>(&Data); }
  const Object* AsObject() const { return std::get_if<Object>(&Data); }
};

inline constexpr int kMaxDepth = 32;

// The value of the whole text, or a refusal naming the line and column of the fault.
FormResult<Value> Parse(std::string_view text);

// Indented by two blanks a level, members in their order, ending without a line break.
std::string Write(const Value& value);

// The member of that name; nullptr when the object has none.
const Value* Find(const Object& object, std::string_view name);

}  // namespace lumora::json
