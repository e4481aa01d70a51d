// SPDX-License-Identifier: MIT
#pragma once

#include <array>

namespace lumora {

// The observed Delta T table (delta_t_data.cpp): seconds of TT - UT every half year from
// kObservedDeltaTFirstYear.
inline constexpr double kObservedDeltaTFirstYear = 1657.0;
inline constexpr double kObservedDeltaTStep = 0.5;  // years
extern const std::array<double, 733> kObservedDeltaT;

}  // namespace lumora
