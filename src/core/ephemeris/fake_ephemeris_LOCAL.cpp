// SPDX-License-Identifier: MIT
// LOCAL DEVELOPMENT STAND-IN, NEVER COMMITTED: mean motions only.
#include <cmath>

#include "core/ephemeris/astro_time.h"
#include "core/ephemeris/body.h"
#include "core/ephemeris/precise_ephemeris.h"

namespace lumora {

AstroTime AstroTimeFromUt(double jd) { return {jd, jd + 69.0 / 86400.0}; }

std::string_view BodyName(Body body) {
  static const char* names[] = {"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto"};
  return names[static_cast<int>(body)];
}

EclipticPoint ApparentPosition(Body body, const AstroTime& time) {
  static const double base[] = {280.46, 218.32, 252.25, 181.98, 355.43, 34.35, 50.08, 314.06, 304.35, 238.93};
  static const double rate[] = {0.98565, 13.17640, 4.09234, 1.60213, 0.52403, 0.08309, 0.03346, 0.01173, 0.00598, 0.00397};
  const int i = static_cast<int>(body);
  const double d = time.Tt - 2451545.0;
  double l = std::fmod(base[i] + rate[i] * d, 360.0);
  if (l < 0) l += 360.0;
  return {l, 0.0, rate[i]};
}

EclipticPoint LunarNode(NodeKind, const AstroTime& time) {
  const double d = time.Tt - 2451545.0;
  double l = std::fmod(125.04 - 0.0529538 * d, 360.0);
  if (l < 0) l += 360.0;
  return {l, 0.0, -0.0529538};
}

ChartAngles AnglesAt(const AstroTime& time, double latitude, double east_longitude) {
  const double d = time.Ut - 2451545.0;
  double armc = std::fmod(280.46061837 + 360.98564736629 * d + east_longitude, 360.0);
  if (armc < 0) armc += 360.0;
  const double eps = 23.4393 * 0.0174532925199433;
  const double r = armc * 0.0174532925199433;
  const double phi = latitude * 0.0174532925199433;
  double mc = std::atan2(std::sin(r), std::cos(r) * std::cos(eps)) * 57.2957795130823;
  double asc = std::atan2(std::cos(r), -(std::sin(r) * std::cos(eps) + std::tan(phi) * std::sin(eps))) * 57.2957795130823;
  if (mc < 0) mc += 360;
  if (asc < 0) asc += 360;
  return {asc, mc, armc, 23.4393};
}

}  // namespace lumora
