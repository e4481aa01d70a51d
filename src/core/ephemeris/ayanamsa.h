// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "core/ephemeris/astro_time.h"

namespace lumora {

// The sidereal zodiacs a user may choose; each is defined in ayanamsa.cpp with its source.
//  Standard:     the correction of the program's first versions (the default).
//  Lahiri:       Chitrapaksha, as the Indian Astronomical Ephemeris defines it.
//  Raman:        B. V. Raman's.
//  Krishnamurti: K. S. Krishnamurti's (KP).
//  TrueChitra:   the true (apparent) Spica at 180 degrees.
//  FaganBradley: the Western sidereal zodiac of C. Fagan and D. Bradley.
enum class Ayanamsa { Standard, Lahiri, Raman, Krishnamurti, TrueChitra, FaganBradley };

inline constexpr std::array<Ayanamsa, 6> kAyanamsas{Ayanamsa::Standard,   Ayanamsa::Lahiri,
                                                    Ayanamsa::Raman,      Ayanamsa::Krishnamurti,
                                                    Ayanamsa::TrueChitra, Ayanamsa::FaganBradley};

// The amount subtracted from a tropical longitude (true equinox of date) to make it
// sidereal, degrees: a true ayanamsa, the nutation in longitude included, so that sidereal
// longitudes carry no nutation. Standard gives exactly -AyanamsaCorrection(T) of moon.h
// with T in Julian centuries of universal time.
double AyanamsaDegrees(Ayanamsa ayanamsa, const AstroTime& time);

// "Standard", "Lahiri", ...: the names at the edges (CLI values, settings, files).
std::string_view AyanamsaName(Ayanamsa ayanamsa);

// The ayanamsa of a name, compared without regard to case; nothing for another name.
std::optional<Ayanamsa> FindAyanamsa(std::string_view name);

}  // namespace lumora
