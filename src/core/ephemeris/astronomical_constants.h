// SPDX-License-Identifier: MIT
#pragma once

namespace lumora {

// Constants every ephemeris of the program shares, each defined here once. The
// values are written to the precision the formulas were checked with; changing a
// digit changes results.

// Degrees to radians and back.
inline constexpr double kRadiansPerDegree = 0.0174532925199433;
inline constexpr double kDegreesPerRadian = 57.2957795130823;

// Days in a Julian century, the unit of T (Meeus, Astronomical Algorithms, 1991,
// eq. 21.1).
inline constexpr double kDaysPerCentury = 36525.0;

// Julian day number of the epoch J2000.0, 2000 January 1.5 (Meeus, Astronomical
// Algorithms, 1991, chapter 21).
inline constexpr double kJ2000 = 2451545.0;

inline constexpr double kArcsecondsPerDegree = 3600.0;

// The light time for one astronomical unit, days (IERS Conventions 2010: 499.004783836 s).
inline constexpr double kLightDaysPerAu = 499.004783836 / 86400.0;

}  // namespace lumora
