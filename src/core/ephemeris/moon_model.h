// SPDX-License-Identifier: MIT
#pragma once

namespace lumora {

// Which lunar theory computes the Moon.
//  Standard: the short series of the program's first versions (25 terms, universal
//            time); every result of the Vedic and Western tests is defined by it.
//  Precise:  the full series of Meeus, chapter 47, in terrestrial time; a few
//            arc-seconds from a modern ephemeris.
enum class MoonModel { Standard, Precise };

// How result pages and documents name the precise Moon in a person's birth details.
inline constexpr const char* kPreciseMoonText = "Precise Moon";

}  // namespace lumora
