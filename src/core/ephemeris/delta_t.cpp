// SPDX-License-Identifier: MIT
#include "core/ephemeris/delta_t.h"

#include <array>

namespace lumora {

namespace {

// One span of the Delta T polynomials: for From <= y < To,
// Delta T = sum of Coefficients[k] * ((y - Origin) / Scale)^k seconds.
struct DeltaTSpan {
  double From;  // decimal years
  double To;
  double Origin;
  double Scale;                        // years per unit of the polynomial's argument
  std::array<double, 8> Coefficients;  // seconds, constant term first
};

// F. Espenak and J. Meeus, "Five Millennium Canon of Solar Eclipses: -1999 to +3000",
// NASA/TP-2006-214141 (2006), section 2.6, "Polynomial Expressions for Delta T", as
// published on the NASA eclipse web site. The span from 1700 to 1800 and its
// neighbours are fits to the observed table of Morrison and Stephenson (2004) and to
// the Astronomical Almanac's annual values; after 2005 they extrapolate. Fractions
// such as t^3 / 7129 are written as their reciprocal coefficient. The parabola
// -20 + 32 u^2, u = (y - 1820) / 100, of Morrison and Stephenson holds outside the
// spans below; from 2050 to 2150 the canon subtracts 0.5628 (2150 - y) from it so
// that it joins the 2005-2050 polynomial.
constexpr std::array<DeltaTSpan, 12> kDeltaTSpans{{
    {-500.0,
     500.0,
     0.0,
     100.0,
     {10583.6, -1014.41, 33.78311, -5.952053, -0.1798452, 0.022174192, 0.0090316521, 0.0}},
    {500.0,
     1600.0,
     1000.0,
     100.0,
     {1574.2, -556.01, 71.23472, 0.319781, -0.8503463, -0.005050998, 0.0083572073, 0.0}},
    {1600.0, 1700.0, 1600.0, 1.0, {120.0, -0.9808, -0.01532, 1.0 / 7129.0, 0.0, 0.0, 0.0, 0.0}},
    {1700.0,
     1800.0,
     1700.0,
     1.0,
     {8.83, 0.1603, -0.0059285, 0.00013336, -1.0 / 1174000.0, 0.0, 0.0, 0.0}},
    {1800.0,
     1860.0,
     1800.0,
     1.0,
     {13.72, -0.332447, 0.0068612, 0.0041116, -0.00037436, 0.0000121272, -0.0000001699,
      0.000000000875}},
    {1860.0,
     1900.0,
     1860.0,
     1.0,
     {7.62, 0.5737, -0.251754, 0.01680668, -0.0004473624, 1.0 / 233174.0, 0.0, 0.0}},
    {1900.0,
     1920.0,
     1900.0,
     1.0,
     {-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197, 0.0, 0.0, 0.0}},
    {1920.0, 1941.0, 1920.0, 1.0, {21.20, 0.84493, -0.076100, 0.0020936, 0.0, 0.0, 0.0, 0.0}},
    {1941.0, 1961.0, 1950.0, 1.0, {29.07, 0.407, -1.0 / 233.0, 1.0 / 2547.0, 0.0, 0.0, 0.0, 0.0}},
    {1961.0, 1986.0, 1975.0, 1.0, {45.45, 1.067, -1.0 / 260.0, -1.0 / 718.0, 0.0, 0.0, 0.0, 0.0}},
    {1986.0,
     2005.0,
     2000.0,
     1.0,
     {63.86, 0.3345, -0.060374, 0.0017275, 0.000651814, 0.00002373599, 0.0, 0.0}},
    {2005.0, 2050.0, 2000.0, 1.0, {62.92, 0.32217, 0.005589, 0.0, 0.0, 0.0, 0.0, 0.0}},
}};

double MorrisonStephensonParabola(double y) {
  const double u = (y - 1820.0) / 100.0;
  return -20.0 + 32.0 * u * u;
}

}  // namespace

double DeltaTSeconds(double y) {
  for (const DeltaTSpan& span : kDeltaTSpans) {
    if (y >= span.From && y < span.To) {
      const double t = (y - span.Origin) / span.Scale;
      double value = 0.0;
      for (auto k = span.Coefficients.size(); k-- > 0;) {  // Horner
        value = value * t + span.Coefficients[k];
      }
      return value;
    }
  }
  if (y >= 2050.0 && y < 2150.0) {
    return MorrisonStephensonParabola(y) - 0.5628 * (2150.0 - y);
  }
  return MorrisonStephensonParabola(y);
}

double DecimalYear(double julian_day_ut) {
  // 2451544.5 is 1 January 2000, 0h; 365.2425 days is the mean Gregorian year.
  return 2000.0 + (julian_day_ut - 2451544.5) / 365.2425;
}

}  // namespace lumora
