// SPDX-License-Identifier: MIT
#include "core/ephemeris/moon.h"

#include "core/ephemeris/geometry.h"

#include <array>
#include <cmath>

#include "core/ephemeris/zodiac.h"

namespace lumora {

namespace {

// One periodic term of the Moon's longitude: coefficient x sin(D d + M m + M' mp + F f).
struct MoonTerm {
  int D;
  int M;
  int Mp;
  int F;
  double Coefficient;  // degrees
  bool TimesE;         // multiplied once by the eccentricity factor E
};

// Meeus, Astronomical Algorithms (1991), table 47.A, the first 25 rows of the
// longitude column, in the book's order and with its signs (values x 1e-6 degree).
constexpr std::array<MoonTerm, 25> kMoonTerms{{
    {0, 0, 1, 0, +6.288774, false},  {2, 0, -1, 0, +1.274027, false},
    {2, 0, 0, 0, +0.658314, false},  {0, 0, 2, 0, +0.213618, false},
    {0, 1, 0, 0, -0.185116, true},   {0, 0, 0, 2, -0.114332, false},
    {2, 0, -2, 0, +0.058793, false}, {2, -1, -1, 0, +0.057066, true},
    {2, 0, 1, 0, +0.053322, false},  {2, -1, 0, 0, +0.045758, true},
    {0, 1, -1, 0, -0.040923, true},  {1, 0, 0, 0, -0.034720, false},
    {0, 1, 1, 0, -0.030383, true},   {2, 0, 0, -2, +0.015327, false},
    {0, 0, 1, 2, -0.012528, false},  {0, 0, 1, -2, +0.010980, false},
    {4, 0, -1, 0, +0.010675, false}, {0, 0, 3, 0, +0.010034, false},
    {4, 0, -2, 0, +0.008548, false}, {2, 1, -1, 0, -0.007888, true},
    {2, 1, 0, 0, -0.006766, true},   {1, 0, -1, 0, -0.005163, false},
    {1, 1, 0, 0, +0.004987, true},   {2, -1, 1, 0, +0.004036, true},
    {2, 0, 2, 0, +0.003994, false},
}};

}  // namespace

namespace {

// Equivalent to "while below 0 add 360, then while above 360 subtract 360":
// fmod is exact, and so is every step of those loops, so both agree bit for bit.
// A positive whole number of turns stops at 360, as the loop would.
double MoonTurn(double lambda) {
  if (lambda < 0.0) {
    lambda = std::fmod(lambda, 360.0);
    if (lambda < 0.0) {
      lambda += 360.0;
    }
  } else if (lambda > 360.0) {
    lambda = std::fmod(lambda, 360.0);
    if (lambda == 0.0) {
      lambda = 360.0;
    }
  }
  return lambda;
}

// Mean elements (Meeus ch. 47) truncated to their constant and linear terms; only E
// keeps its T^2 term. Angles in radians.
struct MoonArguments {
  double MeanLongitude;  // degrees
  double D;
  double M;
  double Mp;
  double F;
  double E;
};

MoonArguments MoonArgumentsAt(double T) {
  return {218.3164591 + 481267.88134236 * T,
          (297.8502042 + 445267.1115168 * T) * kRadiansPerDegree,
          (357.5291092 + 35999.0502909 * T) * kRadiansPerDegree,
          (134.9634114 + 477198.8676313 * T) * kRadiansPerDegree,
          (93.2720993 + 483202.0175273 * T) * kRadiansPerDegree,
          1.0 - 0.002516 * T - 0.0000074 * T * T};
}

}  // namespace

double MoonLongitude(double T) {
  const MoonArguments a = MoonArgumentsAt(T);
  double sum = 0.0;
  for (const MoonTerm& term : kMoonTerms) {
    double value =
        term.Coefficient * std::sin(term.D * a.D + term.M * a.M + term.Mp * a.Mp + term.F * a.F);
    if (term.TimesE) {
      value *= a.E;
    }
    sum += value;
  }
  return MoonTurn(a.MeanLongitude + sum);
}

double QuickMoonLongitude(double T) {
  const MoonArguments a = MoonArgumentsAt(T);
  const AngleMultiples d = MultiplesOf(a.D);
  const AngleMultiples m = MultiplesOf(a.M);
  const AngleMultiples mp = MultiplesOf(a.Mp);
  const AngleMultiples f = MultiplesOf(a.F);
  double sum = 0.0;
  for (const MoonTerm& term : kMoonTerms) {
    const Turn angle = MultipleAt(d, term.D) * MultipleAt(m, term.M) * MultipleAt(mp, term.Mp) *
                       MultipleAt(f, term.F);
    double value = term.Coefficient * angle.Sin;
    if (term.TimesE) {
      value *= a.E;
    }
    sum += value;
  }
  return MoonTurn(a.MeanLongitude + sum);
}

// The negated Lahiri (Chitrapaksha) ayanamsa in the classical closed form: its value
// at J2000.0, 85886.27" (23 deg 51' 26.27"), carried by general precession in
// longitude, 5025.64" a century plus 1.11" T^2 (compare Lieske et al., A&A 58, 1977,
// table 5), and by the two leading nutation terms in the Moon's node and the Sun's
// mean longitude (compare Meeus, Astronomical Algorithms, 1991, chapter 21, whose
// low-precision coefficients are 17.20" and 1.32"). The coefficients are kept as the
// program has always used them: every sidereal result depends on them.
double AyanamsaCorrection(double T) {
  const double node = 125.044555 - 1934.1361849 * T + 0.0020762 * T * T;
  const double sun = 280.466449 + 36000.7698231 * T + 0.0003106 * T * T;
  double p = 1.27 * std::sin(sun * kRadiansPerDegree) + 17.23 * std::sin(node * kRadiansPerDegree);
  p = p - T * (5025.64 + 1.11 * T);
  return (p - 85886.27) / 3600.0;
}

double SiderealLongitude(double tropical_longitude, double correction) {
  // The correction grows to +28 degrees by the year 1 and to -111 by the year 9999, so
  // one turn added or taken off is not always enough: one true modulo covers every case.
  const double lambda = tropical_longitude + correction;
  return ReduceLongitude(lambda).value_or(lambda);
}

}  // namespace lumora
