// SPDX-License-Identifier: MIT
#pragma once

#include <array>

namespace lumora {

// One row of Pluto's integrated orbit (pluto_orbit_data.cpp): heliocentric, AU, mean
// ecliptic and equinox of J2000.0.
struct PlutoTableRow {
  double X;
  double Y;
  double Z;
};

inline constexpr double kPlutoOrbitFirstDay = 2305447.5;  // JD TT, 1600 January 1
inline constexpr double kPlutoOrbitStep = 40.0;           // days
extern const std::array<PlutoTableRow, 2604> kPlutoOrbit;

}  // namespace lumora
