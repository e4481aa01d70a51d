// SPDX-License-Identifier: MIT
#include "core/western/synastry/arcs.h"

#include <cmath>

namespace lumora {

double NormalizeDegrees(double degrees) {
  double reduced = std::fmod(degrees, 360.0);
  if (reduced < 0.0) {
    reduced += 360.0;
  }
  // fmod of a tiny negative number plus 360 can round up to 360 itself.
  return reduced >= 360.0 ? 0.0 : reduced;
}

double SignedArc(double degrees) {
  const double reduced = NormalizeDegrees(degrees);
  return reduced >= 180.0 ? reduced - 360.0 : reduced;
}

double ShorterArcMidpoint(double a, double b) {
  const double lo = NormalizeDegrees(a);
  const double hi = NormalizeDegrees(b);
  double mid = (lo + hi) / 2.0;
  if (std::fabs(lo - hi) > 180.0) {
    mid += 180.0;
  }
  return NormalizeDegrees(mid);
}

double GeographicMidpoint(double east_a, double east_b) {
  const double mid = ShorterArcMidpoint(east_a, east_b);
  return mid > 180.0 ? mid - 360.0 : mid;
}

}  // namespace lumora
