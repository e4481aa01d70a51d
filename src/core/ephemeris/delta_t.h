// SPDX-License-Identifier: MIT
#pragma once

namespace lumora {

// Delta T = TT - UT in seconds of time for a decimal year (2000.0 is the start of
// 1 January 2000), from the polynomial expressions of Espenak and Meeus.
double DeltaTSeconds(double decimal_year);

// The decimal year of a Julian day (universal time), for DeltaTSeconds.
double DecimalYear(double julian_day_ut);

}  // namespace lumora
