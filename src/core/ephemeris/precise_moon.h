// SPDX-License-Identifier: MIT
#pragma once

#include "core/ephemeris/moon_model.h"

namespace lumora {

// The instant of a UT-based time argument in terrestrial time.
struct TerrestrialTime {
  double DeltaT = 0.0;  // TT - UT, seconds
  double T = 0.0;       // Julian centuries of TT from J2000.0 (JDE 2451545.0)
};

// Adds Delta T to T, Julian centuries of universal time from J2000.0.
TerrestrialTime ToTerrestrialTime(double T_ut);

// Geocentric ecliptic longitude of the Moon in degrees, [0, 360), from the full
// series of Meeus, chapter 47, for T in Julian centuries of TT. Geometric and referred
// to the mean equinox of date: no nutation, as the series gives it.
double PreciseMoonLongitude(double T_tt);

// The same series summed by angle addition from the sine and cosine of its four
// arguments (four of them where the direct sum takes sixty sines): equal to within
// rounding, about 1e-12 degree, and not reduced to [0, 360). For callers that place
// many Moons, to be reduced by the caller.
double PreciseMoonLongitudeByAngleAddition(double T_tt);

// The tropical Moon of either model for T in Julian centuries of universal time, the
// argument both tests compute from the birth moment. Standard gives exactly
// MoonLongitude(T); Precise moves T to terrestrial time first.
double TropicalMoonLongitude(double T_ut, MoonModel model);

}  // namespace lumora
