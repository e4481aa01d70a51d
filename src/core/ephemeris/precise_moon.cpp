// SPDX-License-Identifier: MIT
#include "core/ephemeris/precise_moon.h"

#include <array>
#include <cmath>

#include "core/ephemeris/delta_t.h"
#include "core/ephemeris/geometry.h"
#include "core/ephemeris/moon.h"

namespace lumora {

namespace {

// Units: angles in degrees, coefficients of periodic terms in units of 1e-6 degree,
// T in Julian centuries of 36525 days of terrestrial time from JDE 2451545.0.
inline constexpr double kMicrodegree = 1e-6;
inline constexpr double kSecondsPerCentury = 86400.0 * kDaysPerCentury;

// A polynomial in T of degree four; the T^3 and T^4 terms of the book are written
// there as fractions (T^3 / 538841), here as their reciprocal coefficients.
struct MeanElement {
  double C0;
  double C1;
  double C2;
  double C3;
  double C4;

  double At(double T) const { return C0 + T * (C1 + T * (C2 + T * (C3 + T * C4))); }
};

// Meeus, Astronomical Algorithms, 2nd ed. (1998), equations 47.1 to 47.6 (from the
// ELP-2000/82 theory of Chapront-Touze and Chapront).
constexpr MeanElement kMeanLongitude{218.3164477, 481267.88123421, -0.0015786, 1.0 / 538841.0,
                                     -1.0 / 65194000.0};  // L'
constexpr MeanElement kMeanElongation{297.8501921, 445267.1114034, -0.0018819, 1.0 / 545868.0,
                                      -1.0 / 113065000.0};  // D
constexpr MeanElement kSunMeanAnomaly{357.5291092, 35999.0502909, -0.0001536, 1.0 / 24490000.0,
                                      0.0};  // M
constexpr MeanElement kMoonMeanAnomaly{134.9633964, 477198.8675055, 0.0087414, 1.0 / 69699.0,
                                       -1.0 / 14712000.0};  // M'
constexpr MeanElement kArgumentOfLatitude{93.2720950, 483202.0175233, -0.0036539, -1.0 / 3526000.0,
                                          1.0 / 863310000.0};  // F
// The arguments of the additive terms of the same chapter: A1 for the action of
// Venus, A2 for that of Jupiter (A3 serves the latitude only).
constexpr MeanElement kVenusArgument{119.75, 131.849, 0.0, 0.0, 0.0};      // A1
constexpr MeanElement kJupiterArgument{53.09, 479264.290, 0.0, 0.0, 0.0};  // A2
// Equation 47.6: the eccentricity factor of the Earth's orbit.
constexpr MeanElement kEccentricityFactor{1.0, -0.002516, -0.0000074, 0.0, 0.0};  // E

// One periodic term of the longitude: Coefficient x sin(D d + M m + M' mp + F f).
// Terms with M or -M are multiplied by E, those with 2M or -2M by E^2.
struct LongitudeTerm {
  int D;
  int M;
  int Mp;
  int F;
  int Coefficient;  // 1e-6 degree
};

// Meeus, Astronomical Algorithms, 2nd ed., table 47.A, the longitude column (Sigma l),
// all 60 rows in the book's order. The last row has no longitude term (its
// coefficient is blank in the book; it serves the distance) and is kept for the
// row count only.
constexpr std::array<LongitudeTerm, 60> kLongitudeTerms{{
    {0, 0, 1, 0, 6288774}, {2, 0, -1, 0, 1274027}, {2, 0, 0, 0, 658314},  {0, 0, 2, 0, 213618},
    {0, 1, 0, 0, -185116}, {0, 0, 0, 2, -114332},  {2, 0, -2, 0, 58793},  {2, -1, -1, 0, 57066},
    {2, 0, 1, 0, 53322},   {2, -1, 0, 0, 45758},   {0, 1, -1, 0, -40923}, {1, 0, 0, 0, -34720},
    {0, 1, 1, 0, -30383},  {2, 0, 0, -2, 15327},   {0, 0, 1, 2, -12528},  {0, 0, 1, -2, 10980},
    {4, 0, -1, 0, 10675},  {0, 0, 3, 0, 10034},    {4, 0, -2, 0, 8548},   {2, 1, -1, 0, -7888},
    {2, 1, 0, 0, -6766},   {1, 0, -1, 0, -5163},   {1, 1, 0, 0, 4987},    {2, -1, 1, 0, 4036},
    {2, 0, 2, 0, 3994},    {4, 0, 0, 0, 3861},     {2, 0, -3, 0, 3665},   {0, 1, -2, 0, -2689},
    {2, 0, -1, 2, -2602},  {2, -1, -2, 0, 2390},   {1, 0, 1, 0, -2348},   {2, -2, 0, 0, 2236},
    {0, 1, 2, 0, -2120},   {0, 2, 0, 0, -2069},    {2, -2, -1, 0, 2048},  {2, 0, 1, -2, -1773},
    {2, 0, 0, 2, -1595},   {4, -1, -1, 0, 1215},   {0, 0, 2, 2, -1110},   {3, 0, -1, 0, -892},
    {2, 1, 1, 0, -810},    {4, -1, -2, 0, 759},    {0, 2, -1, 0, -713},   {2, 2, -1, 0, -700},
    {2, 1, -2, 0, 691},    {2, -1, 0, -2, 596},    {4, 0, 1, 0, 549},     {0, 0, 4, 0, 537},
    {4, -1, 0, 0, 520},    {1, 0, -2, 0, -487},    {2, 1, 0, -2, -399},   {0, 0, 2, -2, -381},
    {1, 1, 1, 0, 351},     {3, 0, -2, 0, -340},    {4, 0, -3, 0, 330},    {2, -1, 2, 0, 327},
    {0, 2, 1, 0, -323},    {1, 1, -1, 0, 299},     {2, 0, 3, 0, 294},     {2, 0, -1, -2, 0},
}};

// The additive terms of the longitude (Meeus, 2nd ed., chapter 47, after table 47.B):
// Venus (A1), the flattening of the Earth (L' - F) and Jupiter (A2).
inline constexpr int kVenusTerm = 3958;       // 1e-6 degree, x sin A1
inline constexpr int kFlatteningTerm = 1962;  // 1e-6 degree, x sin(L' - F)
inline constexpr int kJupiterTerm = 318;      // 1e-6 degree, x sin A2

double Radians(double degrees) {
  return degrees * kRadiansPerDegree;
}

// The series' arguments at T: the mean longitude in degrees, the four angles in radians and
// the eccentricity factor.
struct MoonArguments {
  double MeanLongitude;
  double D;
  double M;
  double Mp;
  double F;
  double E;
};

MoonArguments ArgumentsAt(double T) {
  return {kMeanLongitude.At(T),
          Radians(kMeanElongation.At(T)),
          Radians(kSunMeanAnomaly.At(T)),
          Radians(kMoonMeanAnomaly.At(T)),
          Radians(kArgumentOfLatitude.At(T)),
          kEccentricityFactor.At(T)};
}

// The Moon's longitude, degrees, not reduced: the mean longitude plus the periodic terms and
// the three additive terms. sin_of gives sin(D d + M m + M' mp + F f) of a term; the two
// ways of summing differ only there.
template <typename SinOf>
double LongitudeOfSeries(double T, const MoonArguments& a, SinOf sin_of) {
  double sum = 0.0;  // 1e-6 degree
  for (const LongitudeTerm& term : kLongitudeTerms) {
    double value = term.Coefficient * sin_of(term);
    if (term.M == 1 || term.M == -1) {
      value *= a.E;
    } else if (term.M == 2 || term.M == -2) {
      value *= a.E * a.E;
    }
    sum += value;
  }
  sum += kVenusTerm * std::sin(Radians(kVenusArgument.At(T)));
  sum += kFlatteningTerm * std::sin(Radians(a.MeanLongitude) - a.F);
  sum += kJupiterTerm * std::sin(Radians(kJupiterArgument.At(T)));
  return a.MeanLongitude + sum * kMicrodegree;
}

}  // namespace

TerrestrialTime ToTerrestrialTime(double T_ut) {
  TerrestrialTime tt;
  const double julian_day_ut = kJ2000 + T_ut * kDaysPerCentury;
  tt.DeltaT = DeltaTSeconds(DecimalYear(julian_day_ut));
  tt.T = T_ut + tt.DeltaT / kSecondsPerCentury;
  return tt;
}

double PreciseMoonLongitude(double T) {
  const MoonArguments a = ArgumentsAt(T);

  return NormalizedDegrees(LongitudeOfSeries(T, a, [&](const LongitudeTerm& term) {
    return std::sin(term.D * a.D + term.M * a.M + term.Mp * a.Mp + term.F * a.F);
  }));
}

double PreciseMoonLongitudeByAngleAddition(double T) {
  const MoonArguments a = ArgumentsAt(T);

  const AngleMultiples d = MultiplesOf(a.D);
  const AngleMultiples m = MultiplesOf(a.M);
  const AngleMultiples mp = MultiplesOf(a.Mp);
  const AngleMultiples f = MultiplesOf(a.F);

  return LongitudeOfSeries(T, a, [&](const LongitudeTerm& term) {
    return ((MultipleAt(d, term.D) * MultipleAt(m, term.M)) *
            (MultipleAt(mp, term.Mp) * MultipleAt(f, term.F)))
        .Sin;
  });
}

double TropicalMoonLongitude(double T_ut, MoonModel model) {
  if (model == MoonModel::Precise) {
    return PreciseMoonLongitude(ToTerrestrialTime(T_ut).T);
  }
  return MoonLongitude(T_ut);
}

}  // namespace lumora
