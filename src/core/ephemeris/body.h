// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace lumora {

// The bodies of the precise ephemeris, in the order of their tables and of every output.
enum class Body { Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto };

inline constexpr std::size_t kBodyCount = 10;

inline constexpr std::array<Body, kBodyCount> kBodies{
    Body::Sun,     Body::Moon,   Body::Mercury, Body::Venus,   Body::Mars,
    Body::Jupiter, Body::Saturn, Body::Uranus,  Body::Neptune, Body::Pluto};

// "Sun", "Moon", ... "Pluto": the English names, for the edges (CLI keys, tables).
std::string_view BodyName(Body body);

// The body of an English name, compared exactly.
std::optional<Body> FindBody(std::string_view name);

}  // namespace lumora
