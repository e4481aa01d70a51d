// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>

namespace lumora {

// A run of code points sharing one canonical combining class.
struct CombiningClassRun {
  char32_t First;
  char32_t Last;
  std::uint8_t Class;
};

// A code point's canonical decomposition: one code point (Second 0) or two.
struct Decomposition {
  char32_t CodePoint;
  char32_t First;
  char32_t Second;
};

// A primary composite: First followed by Second composes to Composed.
struct Composition {
  char32_t First;
  char32_t Second;
  char32_t Composed;
};

extern const std::span<const CombiningClassRun> kCombiningClasses;  // sorted by First
extern const std::span<const Decomposition> kDecompositions;        // sorted by CodePoint
extern const std::span<const Composition> kCompositions;            // sorted by First, Second

}  // namespace lumora
