// SPDX-License-Identifier: MIT
#include "core/ephemeris/pluto_orbit.h"

#include <libnova/pluto.h>

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "core/ephemeris/astronomical_constants.h"
#include "core/ephemeris/pluto_orbit_table.h"

namespace lumora {

namespace {

// 1885 January 1, 0h TT: the first day of the series of Meeus, ch. 37.
inline constexpr double kSeriesFirstDay = 2409177.5;

// Four-point Lagrange interpolation in the integrated orbit; Pluto moves so smoothly that
// 40-day rows leave errors below 0.001".
PlutoPosition FromTable(double jd_tt) {
  const double position = (jd_tt - kPlutoOrbitFirstDay) / kPlutoOrbitStep;
  const auto last = static_cast<std::ptrdiff_t>(kPlutoOrbit.size()) - 1;
  const auto k =
      std::clamp<std::ptrdiff_t>(static_cast<std::ptrdiff_t>(std::floor(position)), 1, last - 2);
  const double p = position - static_cast<double>(k);
  const double w0 = -p * (p - 1.0) * (p - 2.0) / 6.0;
  const double w1 = (p + 1.0) * (p - 1.0) * (p - 2.0) / 2.0;
  const double w2 = -(p + 1.0) * p * (p - 2.0) / 2.0;
  const double w3 = (p + 1.0) * p * (p - 1.0) / 6.0;
  const auto& a = kPlutoOrbit[static_cast<std::size_t>(k - 1)];
  const auto& b = kPlutoOrbit[static_cast<std::size_t>(k)];
  const auto& c = kPlutoOrbit[static_cast<std::size_t>(k + 1)];
  const auto& d = kPlutoOrbit[static_cast<std::size_t>(k + 2)];
  return {w0 * a.X + w1 * b.X + w2 * c.X + w3 * d.X, w0 * a.Y + w1 * b.Y + w2 * c.Y + w3 * d.Y,
          w0 * a.Z + w1 * b.Z + w2 * c.Z + w3 * d.Z};
}

}  // namespace

PlutoPosition PlutoHeliocentricJ2000(double jd_tt) {
  // Before the table (1600) the series is all there is: outside the years it serves,
  // off by arc minutes, as every position of Pluto before its discovery is uncertain.
  if (jd_tt >= kPlutoOrbitFirstDay && jd_tt < kSeriesFirstDay) {
    return FromTable(jd_tt);
  }
  ln_helio_posn p{};
  ln_get_pluto_helio_coords(jd_tt, &p);
  const double l = p.L * kRadiansPerDegree;
  const double b = p.B * kRadiansPerDegree;
  return {p.R * std::cos(b) * std::cos(l), p.R * std::cos(b) * std::sin(l), p.R * std::sin(b)};
}

}  // namespace lumora
