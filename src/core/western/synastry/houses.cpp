// SPDX-License-Identifier: MIT
#include "core/western/synastry/houses.h"

#include <cmath>

#include "core/ephemeris/astronomical_constants.h"
#include "core/ephemeris/geometry.h"
#include "core/western/synastry/arcs.h"

namespace lumora {

namespace {

double Sin(double degrees) {
  return std::sin(degrees * kRadiansPerDegree);
}
double Cos(double degrees) {
  return std::cos(degrees * kRadiansPerDegree);
}
double Tan(double degrees) {
  return std::tan(degrees * kRadiansPerDegree);
}
double Atan2(double y, double x) {
  return std::atan2(y, x) * kDegreesPerRadian;
}
double Asin(double x) {
  return std::asin(x) * kDegreesPerRadian;
}

// The ecliptic degree whose right ascension is ra (both in degrees).
double EclipticFromRightAscension(double ra, double obliquity) {
  return NormalizedDegrees(Atan2(Sin(ra), Cos(ra) * Cos(obliquity)));
}

// A Placidus cusp that lies `fraction` of its semi-arc away from the meridian: above the
// horizon (cusps 11 and 12) measured from the upper meridian along the diurnal semi-arc,
// below it (cusps 2 and 3) from the lower meridian back along the nocturnal semi-arc.
// The semi-arc depends on the cusp's own declination, so the right ascension is iterated
// until it stops moving; below the polar circles this converges in a handful of steps.
double PlacidusCusp(double armc, double obliquity, double latitude, double fraction,
                    bool above_horizon) {
  constexpr double kConverged = 1e-10;  // degrees of right ascension
  constexpr int kMaxSteps = 100;
  double ra = above_horizon ? armc + fraction * 90.0 : armc + 180.0 - fraction * 90.0;
  for (int step = 0; step < kMaxSteps; ++step) {
    const double longitude = EclipticFromRightAscension(ra, obliquity);
    const double declination = Asin(Sin(obliquity) * Sin(longitude));
    // Ascensional difference: how much longer than 90 degrees the diurnal semi-arc is.
    const double ascensional = Asin(Tan(latitude) * Tan(declination));
    const double next = above_horizon ? armc + fraction * (90.0 + ascensional)
                                      : armc + 180.0 - fraction * (90.0 - ascensional);
    const bool done = std::fabs(next - ra) < kConverged;
    ra = next;
    if (done) {
      break;
    }
  }
  return EclipticFromRightAscension(ra, obliquity);
}

}  // namespace

double AscendantFromArmc(double armc, double obliquity, double latitude) {
  return NormalizedDegrees(
      Atan2(Cos(armc), -(Sin(armc) * Cos(obliquity) + Tan(latitude) * Sin(obliquity))));
}

double MidheavenFromArmc(double armc, double obliquity) {
  return EclipticFromRightAscension(armc, obliquity);
}

HouseCusps CalculateHouseCusps(HouseSystem system, double armc, double obliquity, double latitude) {
  HouseCusps houses;
  houses.Requested = system;
  houses.Used = system;
  if (system == HouseSystem::Placidus && std::fabs(latitude) > kPlacidusLatitudeLimit) {
    houses.Used = HouseSystem::Equal;
  }
  const double ascendant = AscendantFromArmc(armc, obliquity, latitude);
  auto& c = houses.Cusps;
  switch (houses.Used) {
    case HouseSystem::Placidus:
      c[0] = ascendant;
      c[9] = MidheavenFromArmc(armc, obliquity);
      c[10] = PlacidusCusp(armc, obliquity, latitude, 1.0 / 3.0, true);
      c[11] = PlacidusCusp(armc, obliquity, latitude, 2.0 / 3.0, true);
      c[1] = PlacidusCusp(armc, obliquity, latitude, 2.0 / 3.0, false);
      c[2] = PlacidusCusp(armc, obliquity, latitude, 1.0 / 3.0, false);
      // The other six are the opposite points of these.
      for (int i : {0, 1, 2, 9, 10, 11}) {
        c[(i + 6) % 12] = NormalizedDegrees(c[i] + 180.0);
      }
      break;
    case HouseSystem::WholeSign:
    case HouseSystem::Equal: {
      const double first =
          houses.Used == HouseSystem::WholeSign ? 30.0 * std::floor(ascendant / 30.0) : ascendant;
      for (int i = 0; i < 12; ++i) {
        c[i] = NormalizedDegrees(first + 30.0 * i);
      }
      break;
    }
  }
  return houses;
}

int HouseOf(double longitude, const HouseCusps& houses) {
  const double point = NormalizedDegrees(longitude);
  for (int i = 0; i < 12; ++i) {
    const double start = houses.Cusps[i];
    const double width = NormalizedDegrees(houses.Cusps[(i + 1) % 12] - start);
    if (NormalizedDegrees(point - start) < width) {
      return i + 1;
    }
  }
  // Only reachable if two cusps coincide; the point then sits on the first cusp.
  return 1;
}

}  // namespace lumora
