// SPDX-License-Identifier: MIT
#pragma once

namespace lumora {

// Pluto's heliocentric position, AU, rectangular, mean ecliptic and equinox of J2000.0.
struct PlutoPosition {
  double X = 0.0;
  double Y = 0.0;
  double Z = 0.0;
};

// Meeus, Astronomical Algorithms, ch. 37 (libnova) within the years it is made for,
// 1885-2099 (and after); from 1600 to 1885 the integrated orbit of pluto_orbit_data.cpp
// (scripts/reference/pluto-orbit.cpp); before 1600 the series again, off by arc minutes.
PlutoPosition PlutoHeliocentricJ2000(double jd_tt);

}  // namespace lumora
