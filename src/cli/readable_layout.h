// SPDX-License-Identifier: MIT
#pragma once

#include <iosfwd>

#include "cli/json.h"

namespace lumora::cli {

// The layout of results: compact JSON Lines, or aligned labels, tables and wrapped
// prose for people.

// Writes one result: compact JSON Lines with json, an aligned layout for people otherwise.
void WriteResult(std::ostream& out, const Json& result, bool json);

}  // namespace lumora::cli
