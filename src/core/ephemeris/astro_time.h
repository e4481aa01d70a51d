// SPDX-License-Identifier: MIT
#pragma once

namespace lumora {

// One instant in the two time scales the ephemeris reads: universal time (the Earth's
// rotation: sidereal time, the houses) and terrestrial time (the bodies' motion), both as
// Julian days. Made once, through the one Delta T of the program (delta_t.h).
struct AstroTime {
  double Ut = 0.0;
  double Tt = 0.0;
};

AstroTime AstroTimeFromUt(double julian_day_ut);

// TT - UT of the instant in seconds.
double DeltaTSecondsOf(const AstroTime& time);

}  // namespace lumora
