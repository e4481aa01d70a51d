// SPDX-License-Identifier: MIT
#include "core/ephemeris/body.h"

namespace lumora {

namespace {
inline constexpr std::array<std::string_view, kBodyCount> kBodyNames{
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto"};
}

std::string_view BodyName(Body body) {
  return kBodyNames[static_cast<std::size_t>(body)];
}

std::optional<Body> FindBody(std::string_view name) {
  for (std::size_t k = 0; k < kBodyCount; ++k) {
    if (kBodyNames[k] == name)
      return kBodies[k];
  }
  return std::nullopt;
}

}  // namespace lumora
