// SPDX-License-Identifier: MIT
#pragma once

namespace lumora {

// Delta T = TT - UT in seconds of time for a decimal year (2000.0 is the start of
// 1 January 2000): the observed values (USNO, IERS; delta_t_data.cpp) from 1657 to their
// end, then a cubic joining the long-term parabola of Morrison and Stephenson (2004) a
// century later; before 1657 the polynomials of Espenak and Meeus (2006).
double DeltaTSeconds(double decimal_year);

// The decimal year of a Julian day (universal time), for DeltaTSeconds.
double DecimalYear(double julian_day_ut);

}  // namespace lumora
