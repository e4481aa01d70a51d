// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "core/form_result.h"

namespace lumora::json {

// The program's own files are JSON (RFC 8259) read strictly: objects keep the order of
// their members, and a name given twice, nesting deeper than kMaxDepth, control
// characters in texts, bytes that are not UTF-8, lone surrogates and trailing text are
// all refused.
using Value = nlohmann::ordered_json;

inline constexpr int kMaxDepth = 32;

// The value of the whole text, or a refusal naming the line and column of the fault.
FormResult<Value> Parse(std::string_view text);

// Indented by two blanks a level, members in their order, ending without a line break;
// texts are written as UTF-8 (a byte that is not UTF-8 becoming U+FFFD), control
// characters as six-character escapes.
std::string Write(const Value& value);

}  // namespace lumora::json
