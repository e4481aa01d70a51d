// SPDX-License-Identifier: MIT
#include "core/ephemeris/elp_mpp02.h"

#include <cmath>
#include <span>

#include "core/ephemeris/astronomical_constants.h"

namespace lumora {

namespace {

inline constexpr double kRadiansPerArcsecond = kRadiansPerDegree / 3600.0;

double Horner(std::span<const double> coefficients, double T) {
  double value = 0.0;
  for (auto k = coefficients.size(); k-- > 0;)
    value = value * T + coefficients[k];
  return value;
}

double SumSeries(std::span<const ElpTerm> terms, double T) {
  double sum = 0.0;
  for (const ElpTerm& term : terms) {
    const double phase =
        term.Phase0 + T * (term.Phase1 + T * (term.Phase2 + T * (term.Phase3 + T * term.Phase4)));
    sum += term.Amplitude * std::sin(phase);
  }
  return sum;
}

// The four series of one coordinate, multiplied by 1, T, T^2 and T^3.
template <std::size_t N0, std::size_t N1, std::size_t N2, std::size_t N3>
double Coordinate(const std::array<ElpTerm, N0>& s0, const std::array<ElpTerm, N1>& s1,
                  const std::array<ElpTerm, N2>& s2, const std::array<ElpTerm, N3>& s3, double T) {
  return SumSeries(s0, T) + T * (SumSeries(s1, T) + T * (SumSeries(s2, T) + T * SumSeries(s3, T)));
}

// Laskar's precession quantities P and Q of the ecliptic from J2000.0 (Chapront and
// Francou 2003, the file README of ELP/MPP02), as polynomials in T without constant term.
constexpr std::array<double, 6> kLaskarP{0.0,           0.10180391e-4,  0.47020439e-6,
                                         -0.5417367e-9, -0.2507948e-11, 0.463486e-14};
constexpr std::array<double, 6> kLaskarQ{0.0,          -0.113469002e-3, 0.12372674e-6,
                                         0.1265417e-8, -0.1371808e-11,  -0.320334e-14};

}  // namespace

LunarVector ElpMpp02Position(double jd_tt) {
  const double T = (jd_tt - kJ2000) / kDaysPerCentury;
  const double longitude = Horner(kElpMeanLongitude, T) +
                           Coordinate(kElpL0, kElpL1, kElpL2, kElpL3, T) * kRadiansPerArcsecond;
  const double latitude = Coordinate(kElpB0, kElpB1, kElpB2, kElpB3, T) * kRadiansPerArcsecond;
  const double distance = Coordinate(kElpR0, kElpR1, kElpR2, kElpR3, T);

  const double x = distance * std::cos(longitude) * std::cos(latitude);
  const double y = distance * std::sin(longitude) * std::cos(latitude);
  const double z = distance * std::sin(latitude);

  const double P = Horner(kLaskarP, T);
  const double Q = Horner(kLaskarQ, T);
  const double root = std::sqrt(1.0 - P * P - Q * Q);
  return {(1.0 - 2.0 * P * P) * x + 2.0 * P * Q * y + 2.0 * P * root * z,
          2.0 * P * Q * x + (1.0 - 2.0 * Q * Q) * y - 2.0 * Q * root * z,
          -2.0 * P * root * x + 2.0 * Q * root * y + (1.0 - 2.0 * P * P - 2.0 * Q * Q) * z};
}

}  // namespace lumora
