// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/entry/person_side.h"
#include "core/form_failure.h"

namespace lumora {

// The coordinate look-up of one side of either form: the first
// empty place field fails with its message and focus; otherwise the web-search query
// is city, state and country as typed, separated by blanks, then " Latitude Longitude".
struct PlaceLookup {
  std::optional<FormFailure> Failure;
  std::string Query;
};

PlaceLookup LookupPlace(std::string_view city, std::string_view state, std::string_view country,
                        PersonSide side);

}  // namespace lumora
