#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/form_failure.h"

namespace lumora {

// The coordinate look-up of one side of either form (prefix 'M' or 'F'): the first
// empty place field fails with its message and focus; otherwise the web-search query
// is city, state and country as typed, separated by blanks, then " Latitude Longitude".
struct PlaceLookup {
  std::optional<FormFailure> Failure;
  std::string Query;
};

PlaceLookup LookupPlace(std::string_view city, std::string_view state, std::string_view country,
                        char prefix);

// Typed characters that the forms' key filters let through: letters and the blank,
// or digits; Backspace (8) and code 127 pass both.
bool PassesLetterFilter(int key_code);
bool PassesDigitFilter(int key_code);

}  // namespace lumora
