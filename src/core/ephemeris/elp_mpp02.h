// SPDX-License-Identifier: MIT
#pragma once

#include <array>

namespace lumora {

// One periodic term of ELP/MPP02: Amplitude x sin(Phase0 + Phase1 T + ... + Phase4 T^4),
// T in Julian centuries of TT from J2000.0. Amplitudes: arc seconds for the longitude and
// latitude, kilometres for the distance; phases in radians.
struct ElpTerm {
  double Amplitude;
  double Phase0;
  double Phase1;
  double Phase2;
  double Phase3;
  double Phase4;
};

// The series (elp_mpp02_data.cpp): kElpLk multiplies T^k in the longitude, B the latitude,
// R the distance; the mean longitude W1 of the Moon, radians, as a quartic in T.
extern const std::array<double, 5> kElpMeanLongitude;
extern const std::array<ElpTerm, 1386> kElpL0;
extern const std::array<ElpTerm, 592> kElpL1;
extern const std::array<ElpTerm, 210> kElpL2;
extern const std::array<ElpTerm, 2> kElpL3;
extern const std::array<ElpTerm, 785> kElpB0;
extern const std::array<ElpTerm, 235> kElpB1;
extern const std::array<ElpTerm, 46> kElpB2;
extern const std::array<ElpTerm, 0> kElpB3;
extern const std::array<ElpTerm, 1066> kElpR0;
extern const std::array<ElpTerm, 424> kElpR1;
extern const std::array<ElpTerm, 114> kElpR2;
extern const std::array<ElpTerm, 2> kElpR3;

// The Moon's geocentric position, kilometres, rectangular, referred to the mean ecliptic
// and equinox of J2000.0 (the solution's own transformation with Laskar's P and Q).
struct LunarVector {
  double X = 0.0;
  double Y = 0.0;
  double Z = 0.0;
};
LunarVector ElpMpp02Position(double jd_tt);

}  // namespace lumora
