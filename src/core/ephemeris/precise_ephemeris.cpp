// SPDX-License-Identifier: MIT
#include "core/ephemeris/precise_ephemeris.h"

#include <erfa.h>
#include <libnova/jupiter.h>
#include <libnova/mars.h>
#include <libnova/mercury.h>
#include <libnova/neptune.h>
#include <libnova/pluto.h>
#include <libnova/saturn.h>
#include <libnova/uranus.h>
#include <libnova/venus.h>

#include <array>
#include <cmath>

#include "core/ephemeris/astronomical_constants.h"
#include "core/ephemeris/elp_mpp02.h"
#include "core/ephemeris/geometry.h"
#include "core/ephemeris/pluto_orbit.h"

namespace lumora {

namespace {

// IAU 2012 astronomical unit and the light time for one unit (IERS Conventions 2010).
inline constexpr double kKilometresPerAu = 149597870.7;
// Obliquity of the ecliptic at J2000.0, IAU 2006 (Capitaine et al. 2003), arc seconds.
inline constexpr double kObliquityJ2000Arcseconds = 84381.406;
// The half step of the central differences that give the speeds, days: small enough for
// the Moon's changing speed (the error is h^2/6 of the third derivative, about 1e-5
// degree a day), large enough for the rounding of the series' sums.
inline constexpr double kSpeedStep = 1.0 / 24.0;
// Half step of the Moon's velocity for the true node, days.
inline constexpr double kVelocityStep = 0.01;

Vector FromSpherical(double longitude_deg, double latitude_deg, double distance) {
  const double l = longitude_deg * kRadiansPerDegree;
  const double b = latitude_deg * kRadiansPerDegree;
  return {distance * std::cos(b) * std::cos(l), distance * std::cos(b) * std::sin(l),
          distance * std::sin(b)};
}

double LongitudeOf(const Vector& v) {
  return NormalizedDegrees(std::atan2(v.Y, v.X) * kDegreesPerRadian);
}
double LatitudeOf(const Vector& v) {
  return std::atan2(v.Z, std::hypot(v.X, v.Y)) * kDegreesPerRadian;
}

// The rotation from the mean ecliptic and equinox of J2000.0 to the mean ecliptic and
// equinox of date: to the J2000 mean equator by the J2000 obliquity, then ERFA's IAU 2006
// equator-to-ecliptic-of-date matrix (eraEcm06, which takes the ICRS; the frame bias
// between the two, 0.02", is below the accuracy sought).
Vector PrecessFromJ2000(const Vector& v, double jd_tt) {
  const double e0 = kObliquityJ2000Arcseconds / kArcsecondsPerDegree * kRadiansPerDegree;
  const std::array<double, 3> equatorial{v.X, v.Y * std::cos(e0) - v.Z * std::sin(e0),
                                         v.Y * std::sin(e0) + v.Z * std::cos(e0)};
  double m[3][3];
  eraEcm06(jd_tt, 0.0, m);
  std::array<double, 3> out{};
  for (int i = 0; i < 3; ++i) {
    out[static_cast<std::size_t>(i)] =
        m[i][0] * equatorial[0] + m[i][1] * equatorial[1] + m[i][2] * equatorial[2];
  }
  return {out[0], out[1], out[2]};
}

Vector FromHelio(const ln_helio_posn& p) {
  return FromSpherical(p.L, p.B, p.R);
}

// The Earth's heliocentric position and barycentric velocity (AU, AU a day), mean ecliptic
// and equinox of date: ERFA's eraEpv00 (Bretagnon and Francou's VSOP2000 fitted to JPL
// DE405: 5 km from 1900 to 2100, 10 km from 1700) in the ICRS, turned to the ecliptic of
// date. It is a twentieth of the cost of the full VSOP87 Earth and closer to DE405.
struct EarthState {
  Vector Position;
  Vector Velocity;
};

EarthState EarthAt(double jd_tt) {
  double heliocentric[2][3];
  double barycentric[2][3];
  eraEpv00(jd_tt, 0.0, heliocentric, barycentric);
  double m[3][3];
  eraEcm06(jd_tt, 0.0, m);
  return {Rotate(m, heliocentric[0]), Rotate(m, barycentric[1])};
}

// Heliocentric position of a planet (not the Sun or the Moon), AU, mean ecliptic and
// equinox of date.
Vector PlanetHeliocentric(Body body, double jd_tt) {
  ln_helio_posn p{};
  switch (body) {
    case Body::Mercury:
      ln_get_mercury_helio_coords(jd_tt, &p);
      break;
    case Body::Venus:
      ln_get_venus_helio_coords(jd_tt, &p);
      break;
    case Body::Mars:
      ln_get_mars_helio_coords(jd_tt, &p);
      break;
    case Body::Jupiter:
      ln_get_jupiter_helio_coords(jd_tt, &p);
      break;
    case Body::Saturn:
      ln_get_saturn_helio_coords(jd_tt, &p);
      break;
    case Body::Uranus:
      ln_get_uranus_helio_coords(jd_tt, &p);
      break;
    case Body::Neptune:
      ln_get_neptune_helio_coords(jd_tt, &p);
      break;
    case Body::Pluto: {
      const PlutoPosition pluto = PlutoHeliocentricJ2000(jd_tt);
      return PrecessFromJ2000({pluto.X, pluto.Y, pluto.Z}, jd_tt);
    }
    case Body::Sun:
    case Body::Moon:
      return {};
  }
  return PrecessFromJ2000(FromHelio(p), jd_tt);
}

// Geocentric geometric position of the Moon, AU, mean ecliptic and equinox of date, from
// ELP/MPP02 fitted to DE405 (elp_mpp02.h).
Vector MoonGeocentric(double jd_tt) {
  const LunarVector p = ElpMpp02Position(jd_tt);
  return PrecessFromJ2000((1.0 / kKilometresPerAu) * Vector{p.X, p.Y, p.Z}, jd_tt);
}

double NutationInLongitudeDegrees(double jd_tt) {
  double dpsi = 0.0;
  double deps = 0.0;
  eraNut06a(jd_tt, 0.0, &dpsi, &deps);
  return dpsi * kDegreesPerRadian;
}

// The light time of a body at an instant, days: from its geometric distance, then once
// more from its distance when the light left it (the second pass changes the place of the
// fastest planet by under 0.01").
double LightTime(Body body, double jd_tt, const Vector& earth) {
  if (body == Body::Sun)
    return 0.0;  // the Sun is the origin: its place does not move with the light time
  if (body == Body::Moon)
    return Length(MoonGeocentric(jd_tt)) * kLightDaysPerAu;
  const double tau = Length(PlanetHeliocentric(body, jd_tt) - earth) * kLightDaysPerAu;
  return Length(PlanetHeliocentric(body, jd_tt - tau) - earth) * kLightDaysPerAu;
}

// Apparent direction (mean ecliptic of date) of a body, its light having taken tau days.
// A planet or the Sun: the geocentric place at the time the light left it, then the annual
// aberration of the Earth's barycentric velocity (relativistic terms below 0.01"). The
// Moon: the Earth's motion shifts it and its light alike, so no annual aberration is due.
Vector ApparentDirection(Body body, double jd_tt, double tau) {
  if (body == Body::Moon)
    return MoonGeocentric(jd_tt - tau);
  const EarthState earth = EarthAt(jd_tt);
  const Vector geocentric =
      (body == Body::Sun ? Vector{} : PlanetHeliocentric(body, jd_tt - tau)) - earth.Position;
  const Vector u = (1.0 / Length(geocentric)) * geocentric;
  const Vector beta = kLightDaysPerAu * earth.Velocity;  // v / c
  return u + beta - Dot(u, beta) * u;
}

struct Spherical {
  double Longitude;
  double Latitude;
};

// The same few instants come for every body of a chart: their nutation is kept (per thread,
// so that concurrent callers never share it).
double NutationInLongitudeCached(double jd_tt) {
  struct Entry {
    double JulianDay = 0.0;
    double Nutation = 0.0;
    bool Set = false;
  };
  thread_local std::array<Entry, 4> recent{};
  thread_local std::size_t next = 0;
  for (const Entry& entry : recent) {
    if (entry.Set && entry.JulianDay == jd_tt)
      return entry.Nutation;
  }
  const double nutation = NutationInLongitudeDegrees(jd_tt);
  recent[next] = {jd_tt, nutation, true};
  next = (next + 1) % recent.size();
  return nutation;
}

Spherical ApparentLongitudeLatitude(Body body, double jd_tt, double tau) {
  const Vector v = ApparentDirection(body, jd_tt, tau);
  return {NormalizedDegrees(LongitudeOf(v) + NutationInLongitudeCached(jd_tt)), LatitudeOf(v)};
}

// The difference b - a of two longitudes, within (-180, 180].
double LongitudeDifference(double a, double b) {
  double d = std::fmod(b - a, 360.0);
  if (d > 180.0)
    d -= 360.0;
  if (d <= -180.0)
    d += 360.0;
  return d;
}

// Meeus, Astronomical Algorithms, 2nd ed., eq. 47.7: the longitude of the Moon's mean
// ascending node, mean equinox of date (ELP 2000-82), T in Julian centuries of TT.
double MeanNodeLongitude(double T) {
  return 125.0445479 +
         T * (-1934.1362891 + T * (0.0020754 + T * (1.0 / 467441.0 + T * (-1.0 / 60616000.0))));
}
double MeanNodeSpeed(double T) {  // degrees per day
  return (-1934.1362891 + T * (2.0 * 0.0020754 + T * (3.0 / 467441.0 + T * (-4.0 / 60616000.0)))) /
         kDaysPerCentury;
}

// The ascending node of the Moon's osculating geocentric orbit, mean equinox of date.
double TrueNodeLongitude(double jd_tt) {
  const Vector r = MoonGeocentric(jd_tt);
  const Vector v = MoonGeocentric(jd_tt + kVelocityStep) - MoonGeocentric(jd_tt - kVelocityStep);
  const Vector h = Cross(r, v);
  return NormalizedDegrees(std::atan2(h.X, -h.Y) * kDegreesPerRadian);
}

}  // namespace

EclipticPoint ApparentPosition(Body body, const AstroTime& time) {
  // One light time serves the three instants: it changes by less than a part in 10^4
  // over the step, and the speed by as little.
  const double tau = LightTime(body, time.Tt, EarthAt(time.Tt).Position);
  const Spherical now = ApparentLongitudeLatitude(body, time.Tt, tau);
  const Spherical before = ApparentLongitudeLatitude(body, time.Tt - kSpeedStep, tau);
  const Spherical after = ApparentLongitudeLatitude(body, time.Tt + kSpeedStep, tau);
  return {now.Longitude, now.Latitude,
          LongitudeDifference(before.Longitude, after.Longitude) / (2.0 * kSpeedStep)};
}

double ApparentLongitude(Body body, const AstroTime& time) {
  const double tau = LightTime(body, time.Tt, EarthAt(time.Tt).Position);
  return ApparentLongitudeLatitude(body, time.Tt, tau).Longitude;
}

EclipticPoint LunarNode(NodeKind kind, const AstroTime& time) {
  const double nutation = NutationInLongitudeDegrees(time.Tt);
  if (kind == NodeKind::Mean) {
    const double T = (time.Tt - kJ2000) / kDaysPerCentury;
    return {NormalizedDegrees(MeanNodeLongitude(T) + nutation), 0.0, MeanNodeSpeed(T)};
  }
  const double before = TrueNodeLongitude(time.Tt - kSpeedStep);
  const double after = TrueNodeLongitude(time.Tt + kSpeedStep);
  return {NormalizedDegrees(TrueNodeLongitude(time.Tt) + nutation), 0.0,
          LongitudeDifference(before, after) / (2.0 * kSpeedStep)};
}

Nutation NutationAt(const AstroTime& time) {
  double dpsi = 0.0;
  double deps = 0.0;
  eraNut06a(time.Tt, 0.0, &dpsi, &deps);
  return {dpsi * kDegreesPerRadian, (eraObl06(time.Tt, 0.0) + deps) * kDegreesPerRadian};
}

ChartAngles AnglesAt(const AstroTime& time, double latitude_deg, double east_longitude_deg) {
  const Nutation nutation = NutationAt(time);
  const double gast = eraGst06a(time.Ut, 0.0, time.Tt, 0.0);  // radians
  const double armc = gast + east_longitude_deg * kRadiansPerDegree;
  const double eps = nutation.TrueObliquity * kRadiansPerDegree;
  const double phi = latitude_deg * kRadiansPerDegree;
  // The ecliptic's intersection with the horizon in the east and with the meridian
  // (Meeus, ch. 13 and 14; Hand, Astrological Houses).
  const double ascendant =
      std::atan2(std::cos(armc), -(std::sin(armc) * std::cos(eps) + std::tan(phi) * std::sin(eps)));
  const double midheaven = std::atan2(std::sin(armc), std::cos(armc) * std::cos(eps));
  return {NormalizedDegrees(ascendant * kDegreesPerRadian),
          NormalizedDegrees(midheaven * kDegreesPerRadian),
          NormalizedDegrees(armc * kDegreesPerRadian), nutation.TrueObliquity};
}

}  // namespace lumora
