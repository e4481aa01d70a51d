// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cmath>
#include <cstddef>

namespace lumora {

// An angle in degrees reduced to [0, 360); -tiny + 360 rounds to 360 and is taken as 0.
inline double NormalizedDegrees(double degrees) {
  double x = std::fmod(degrees, 360.0);
  if (x < 0.0)
    x += 360.0;
  return x >= 360.0 ? 0.0 : x;
}

// A position or velocity in rectangular coordinates (AU, or AU a day).
struct Vector {
  double X = 0.0;
  double Y = 0.0;
  double Z = 0.0;
};

inline Vector operator-(const Vector& a, const Vector& b) {
  return {a.X - b.X, a.Y - b.Y, a.Z - b.Z};
}
inline Vector operator+(const Vector& a, const Vector& b) {
  return {a.X + b.X, a.Y + b.Y, a.Z + b.Z};
}
inline Vector operator*(double k, const Vector& a) {
  return {k * a.X, k * a.Y, k * a.Z};
}
inline double Dot(const Vector& a, const Vector& b) {
  return a.X * b.X + a.Y * b.Y + a.Z * b.Z;
}
inline double Length(const Vector& a) {
  return std::sqrt(Dot(a, a));
}
inline Vector Cross(const Vector& a, const Vector& b) {
  return {a.Y * b.Z - a.Z * b.Y, a.Z * b.X - a.X * b.Z, a.X * b.Y - a.Y * b.X};
}
// m v, for ERFA's rotation matrices and vectors.
inline Vector Rotate(const double (&m)[3][3], const double (&v)[3]) {
  return {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2],
          m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
          m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}

// A point of the unit circle, cos + i sin, multiplied as complex numbers: adding angles
// without calling sin and cos again.
struct Turn {
  double Cos = 1.0;
  double Sin = 0.0;
};

inline Turn operator*(const Turn& a, const Turn& b) {
  return {a.Cos * b.Cos - a.Sin * b.Sin, a.Sin * b.Cos + a.Cos * b.Sin};
}

// Multiples -4..4 of one angle, at [multiple + 4], the reach of the lunar series' arguments.
inline constexpr int kMostMultiple = 4;
using AngleMultiples = std::array<Turn, 2 * kMostMultiple + 1>;

inline AngleMultiples MultiplesOf(double angle) {
  AngleMultiples out{};
  constexpr auto kOnce = static_cast<std::size_t>(kMostMultiple + 1);
  out[kOnce] = {std::cos(angle), std::sin(angle)};
  for (std::size_t k = kOnce + 1; k < out.size(); ++k) {
    out[k] = out[k - 1] * out[kOnce];
  }
  for (std::size_t k = 1; k <= kMostMultiple; ++k) {
    out[kMostMultiple - k] = {out[kMostMultiple + k].Cos, -out[kMostMultiple + k].Sin};
  }
  return out;
}

// The multiple k (-4..4) from a table made by MultiplesOf.
inline Turn MultipleAt(const AngleMultiples& table, int k) {
  return table[static_cast<std::size_t>(kMostMultiple + k)];
}

}  // namespace lumora
