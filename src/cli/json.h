// SPDX-License-Identifier: MIT
#pragma once

#include <nlohmann/json.hpp>

namespace lumora::cli {

// Objects keep their keys in the order they were written, as every output does.
using Json = nlohmann::ordered_json;

}  // namespace lumora::cli
