// SPDX-License-Identifier: MIT
#pragma once

namespace lumora {

// Degrees reduced to [-180, 180).
double SignedArc(double degrees);

// The midpoint of two longitudes along the shorter arc between them, in [0, 360). Two
// points exactly opposite have two midpoints; this takes the one at (a + b) / 2, so the
// result does not depend on which point comes first.
double ShorterArcMidpoint(double a, double b);

// The midpoint of two geographic longitudes (east positive) along the shorter arc, in
// (-180, 180]: 170 E and 170 W meet at 180, across the date line.
double GeographicMidpoint(double east_a, double east_b);

}  // namespace lumora
