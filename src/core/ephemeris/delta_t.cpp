// SPDX-License-Identifier: MIT
#include "core/ephemeris/delta_t.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

#include "core/ephemeris/delta_t_table.h"

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

// Before the observed table: F. Espenak and J. Meeus, "Five Millennium Canon of Solar
// Eclipses: -1999 to +3000", NASA/TP-2006-214141 (2006), section 2.6, "Polynomial
// Expressions for Delta T". Fractions such as t^3 / 7129 are written as their reciprocal
// coefficient. The parabola -20 + 32 u^2, u = (y - 1820) / 100, of L. V. Morrison and
// F. R. Stephenson, "Historical values of the Earth's clock error Delta T and the
// calculation of eclipses", J. Hist. Astron. 35 (2004) 327, holds before -500 and, as
// the published long-term extrapolation, in the far future.
constexpr std::array<DeltaTSpan, 3> kDeltaTSpans{{
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
}};

double MorrisonStephensonParabola(double y) {
  const double u = (y - 1820.0) / 100.0;
  return -20.0 + 32.0 * u * u;
}

// Years from the end of the observed table to the parabola.
inline constexpr double kExtrapolationYears = 100.0;

// Four-point Lagrange interpolation in the observed table (two points at its ends).
double ObservedDeltaT(double y) {
  const double position = (y - kObservedDeltaTFirstYear) / kObservedDeltaTStep;
  const auto last = static_cast<std::ptrdiff_t>(kObservedDeltaT.size()) - 1;
  auto k = static_cast<std::ptrdiff_t>(std::floor(position));
  k = std::clamp<std::ptrdiff_t>(k, 0, last - 1);
  const double p = position - static_cast<double>(k);
  const auto at = [](std::ptrdiff_t i) { return kObservedDeltaT[static_cast<std::size_t>(i)]; };
  if (k == 0 || k + 2 > last) {
    return at(k) + p * (at(k + 1) - at(k));
  }
  const double a = at(k - 1);
  const double b = at(k);
  const double c = at(k + 1);
  const double d = at(k + 2);
  return -p * (p - 1.0) * (p - 2.0) / 6.0 * a + (p + 1.0) * (p - 1.0) * (p - 2.0) / 2.0 * b -
         (p + 1.0) * p * (p - 2.0) / 2.0 * c + (p + 1.0) * p * (p - 1.0) / 6.0 * d;
}

}  // namespace

double DeltaTSeconds(double y) {
  const double table_end = kObservedDeltaTFirstYear +
                           kObservedDeltaTStep * static_cast<double>(kObservedDeltaT.size() - 1);
  if (y >= kObservedDeltaTFirstYear && y <= table_end) {
    return ObservedDeltaT(y);
  }
  if (y > table_end) {
    // The long-term parabola of Morrison and Stephenson (2004) is reached a century after
    // the last observed value through the cubic that matches value and slope at both ends
    // (the joining of S. L. Moshier's ephemeris programs); the slope at the table's end is
    // that of its last ten years.
    const double end_value = kObservedDeltaT.back();
    const double end_slope =
        (end_value - kObservedDeltaT[kObservedDeltaT.size() - 21]) / (20.0 * kObservedDeltaTStep);
    const double join = table_end + kExtrapolationYears;
    if (y >= join) {
      return MorrisonStephensonParabola(y);
    }
    const double u = (join - 1820.0) / 100.0;
    const double join_value = MorrisonStephensonParabola(join);
    const double join_slope = 0.64 * u;  // d/dy of 32 u^2, seconds a year
    const double h = kExtrapolationYears;
    const double s = (y - table_end) / h;
    const double h00 = 2.0 * s * s * s - 3.0 * s * s + 1.0;
    const double h10 = s * s * s - 2.0 * s * s + s;
    const double h01 = -2.0 * s * s * s + 3.0 * s * s;
    const double h11 = s * s * s - s * s;
    return h00 * end_value + h10 * h * end_slope + h01 * join_value + h11 * h * join_slope;
  }
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
  return MorrisonStephensonParabola(y);
}

double DecimalYear(double julian_day_ut) {
  // 2451544.5 is 1 January 2000, 0h; 365.2425 days is the mean Gregorian year.
  return 2000.0 + (julian_day_ut - 2451544.5) / 365.2425;
}

}  // namespace lumora
