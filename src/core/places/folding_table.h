// SPDX-License-Identifier: MIT
#pragma once

#include <span>

namespace lumora {

// One folded code point: the character and its ASCII search form.
struct FoldEntry {
  char32_t CodePoint;
  const char* Folded;
};

// Sorted by CodePoint.
extern const std::span<const FoldEntry> kFoldEntries;

}  // namespace lumora
