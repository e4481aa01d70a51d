// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include <nlohmann/json.hpp>

#include "core/form_result.h"

namespace lumora::json {

// The program's own files are JSON (RFC 8259) read strictly: objects keep the order of
// their members, and a name given twice, nesting deeper than kMaxDepth, control
// characters in texts, bytes that are not UTF-8, lone surrogates and trailing text are
// all refused.
using Value = nlohmann::ordered_json;

inline constexpr int kMaxDepth = 32;

// Why a text was refused, for each reader to word in its own way.
enum class FaultKind {
  Grammar,    // not JSON text at all
  NameTwice,  // one object names a member twice
  TooDeep,    // nested deeper than kMaxDepth
};

struct ReadFault {
  FaultKind Kind = FaultKind::Grammar;
  // The grammar's complaint ("syntax error while parsing value - ..."), or the name
  // given twice as it was written; empty for nesting.
  std::string Detail;
  // Where the grammar failed, both from 1 as an editor counts; nothing for the other kinds.
  std::optional<std::size_t> Line;
  std::optional<std::size_t> Column;
};

// The value of the whole text, or the first fault met reading it from the start. No
// value is built past the first fault, nor any level past kMaxDepth.
std::variant<Value, ReadFault> Read(std::string_view text);

// Read, with a fault as one sentence naming its line and column:
// "Not valid JSON at line 3, column 14: ...", "Not valid JSON: the name "a" is given twice."
FormResult<Value> Parse(std::string_view text);

// Indented by two blanks a level, members in their order, ending without a line break;
// texts are written as UTF-8 (a byte that is not UTF-8 becoming U+FFFD), control
// characters as six-character escapes.
std::string Write(const Value& value);

}  // namespace lumora::json
