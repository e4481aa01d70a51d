// SPDX-License-Identifier: MIT
#include "core/western/synastry/arcs.h"

#include <cmath>

#include "core/ephemeris/geometry.h"

namespace lumora {

double SignedArc(double degrees) {
  const double reduced = NormalizedDegrees(degrees);
  return reduced >= 180.0 ? reduced - 360.0 : reduced;
}

double ShorterArcMidpoint(double a, double b) {
  const double lo = NormalizedDegrees(a);
  const double hi = NormalizedDegrees(b);
  double mid = (lo + hi) / 2.0;
  if (std::fabs(lo - hi) > 180.0) {
    mid += 180.0;
  }
  return NormalizedDegrees(mid);
}

double GeographicMidpoint(double east_a, double east_b) {
  const double mid = ShorterArcMidpoint(east_a, east_b);
  return mid > 180.0 ? mid - 360.0 : mid;
}

}  // namespace lumora
