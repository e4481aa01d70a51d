// SPDX-License-Identifier: MIT
#include "core/ephemeris/quick_positions.h"

#include <erfa.h>

#include <atomic>
#include <cmath>
#include <limits>
#include <memory>

#include "core/ephemeris/astronomical_constants.h"
#include "core/ephemeris/geometry.h"
#include "core/ephemeris/precise_moon.h"

namespace lumora {

namespace {

inline constexpr double kRadiansPerArcsecond = kRadiansPerDegree / kArcsecondsPerDegree;
// The Earth's share of the Earth-Moon distance from their barycentre: 1 / (1 + the Earth's
// mass in Moon masses, 81.3005690699; IAU 2009 system), and the Moon's mean distance in AU
// (385,000.56 km, Meeus ch. 47).
inline constexpr double kEarthShareOfMoonDistance = 1.0 / (1.0 + 81.3005690699);
inline constexpr double kMoonMeanDistanceAu = 385000.56 / 149597870.7;
// ERFA's planet numbers for eraPlan94.
inline constexpr int kPlan94EarthMoonBarycentre = 3;
inline constexpr int kPlan94Mars = 4;

// Nutation in longitude and obliquity, radians, from its four largest terms (Meeus,
// Astronomical Algorithms, 2nd ed., ch. 22: within 0.5" and 0.1" of the full theory).
struct Nutation4 {
  double Longitude = 0.0;
  double Obliquity = 0.0;
};

Nutation4 NutationOf(double T) {
  const double node = (125.04452 - 1934.136261 * T) * kRadiansPerDegree;
  const double sun = (280.4665 + 36000.7698 * T) * kRadiansPerDegree;
  const double moon = (218.3165 + 481267.8813 * T) * kRadiansPerDegree;
  return {(-17.20 * std::sin(node) - 1.32 * std::sin(2.0 * sun) - 0.23 * std::sin(2.0 * moon) +
           0.21 * std::sin(2.0 * node)) *
              kRadiansPerArcsecond,
          (9.20 * std::cos(node) + 0.57 * std::cos(2.0 * sun) + 0.10 * std::cos(2.0 * moon) -
           0.09 * std::cos(2.0 * node)) *
              kRadiansPerArcsecond};
}

double CenturiesOf(double jd_tt) {
  return (jd_tt - kJ2000) / kDaysPerCentury;
}

double SiderealTimeOf(const AstroTime& time, const Nutation4& nutation) {
  const double mean_obliquity = eraObl06(time.Tt, 0.0);
  return eraGmst06(time.Ut, 0.0, time.Tt, 0.0) + nutation.Longitude * std::cos(mean_obliquity);
}

double TrueObliquityOf(const AstroTime& time, const Nutation4& nutation) {
  return eraObl06(time.Tt, 0.0) + nutation.Obliquity;
}

// Mars as the Earth sees it, mean ecliptic and equinox of date: ERFA's eraPlan94 (Simon et
// al. 1994) for Mars and the Earth-Moon barycentre, the Earth put off the barycentre by the
// Moon's place, the light time twice, the annual aberration. The Moon's longitude is the
// geometric one of date, degrees.
struct MarsSeen {
  double Longitude = 0.0;  // degrees
  double Distance = 0.0;   // AU
};

MarsSeen MarsMeanPlace(double jd_tt, double moon_longitude_deg) {
  double mars[2][3];
  double barycentre[2][3];
  eraPlan94(jd_tt, 0.0, kPlan94Mars, mars);
  eraPlan94(jd_tt, 0.0, kPlan94EarthMoonBarycentre, barycentre);
  double to_date[3][3];
  eraEcm06(jd_tt, 0.0, to_date);
  const Vector mars_position = Rotate(to_date, mars[0]);
  const Vector mars_velocity = Rotate(to_date, mars[1]);
  const double moon = moon_longitude_deg * kRadiansPerDegree;
  const Vector earth =
      Rotate(to_date, barycentre[0]) - (kEarthShareOfMoonDistance * kMoonMeanDistanceAu) *
                                           Vector{std::cos(moon), std::sin(moon), 0.0};
  Vector geocentric = mars_position - earth;
  for (int pass = 0; pass < 2; ++pass) {
    const double tau = Length(geocentric) * kLightDaysPerAu;
    geocentric = (mars_position - tau * mars_velocity) - earth;
  }
  const Vector u = (1.0 / Length(geocentric)) * geocentric;
  const Vector beta = kLightDaysPerAu * Rotate(to_date, barycentre[1]);
  const Vector apparent = u + beta - Dot(u, beta) * u;
  return {std::atan2(apparent.Y, apparent.X) * kDegreesPerRadian, Length(geocentric)};
}

QuickAscendant QuickAscendantOf(double sidereal_time, double obliquity, double latitude_deg,
                                double east_longitude_deg) {
  const double armc = sidereal_time + east_longitude_deg * kRadiansPerDegree;
  const double phi = latitude_deg * kRadiansPerDegree;
  // The ascendant as AnglesAt computes it, atan2(y, x), and its partial derivatives in the
  // sidereal time and the obliquity.
  const double s = std::sin(armc);
  const double c = std::cos(armc);
  const double se = std::sin(obliquity);
  const double ce = std::cos(obliquity);
  const double t = std::tan(phi);
  const double y = c;
  const double x = -(s * ce + t * se);
  const double r2 = x * x + y * y;
  const double d_time = (-x * s + c * c * ce) / r2;
  const double d_obliquity = -c * (s * se - t * ce) / r2;
  double bound = 2.0 *
                 (std::fabs(d_time) * kQuickSiderealTimeBoundArcseconds +
                  std::fabs(d_obliquity) * kQuickObliquityBoundArcseconds) /
                 kArcsecondsPerDegree;
  if (!std::isfinite(bound) || std::fabs(latitude_deg) > 66.0)
    bound = std::numeric_limits<double>::infinity();
  return {NormalizedDegrees(std::atan2(y, x) * kDegreesPerRadian), bound};
}

}  // namespace

double QuickSiderealTime(const AstroTime& time) {
  return SiderealTimeOf(time, NutationOf(CenturiesOf(time.Tt)));
}

double QuickTrueObliquity(const AstroTime& time) {
  return TrueObliquityOf(time, NutationOf(CenturiesOf(time.Tt)));
}

QuickAscendant QuickAscendantAt(const AstroTime& time, double latitude_deg,
                                double east_longitude_deg) {
  const Nutation4 nutation = NutationOf(CenturiesOf(time.Tt));
  return QuickAscendantOf(SiderealTimeOf(time, nutation), TrueObliquityOf(time, nutation),
                          latitude_deg, east_longitude_deg);
}

namespace {

// The Moon and Mars move smoothly enough to be read between places computed at fixed
// instants: four-point (cubic) interpolation between nodes a quarter of a day apart
// (the Moon) and a day apart (Mars) adds under 0.0001 degree, a tenth of the quick
// models' own error (the bounds above are measured on the interpolated places). The
// nodes of the program's years are computed as they are first needed and kept for the
// whole run, 2.2 MB. Threads share them without a lock: a node is a pure function of its
// instant, so two threads that compute the same node store the same value.
inline constexpr double kFirstNodeDay = 2415018.5;  // TT, 1899-12-30
inline constexpr double kLastNodeDay = 2470176.5;   // TT, 2051-01-04
inline constexpr int kMoonNodesPerDay = 4;
inline constexpr int kMarsNodesPerDay = 1;

double MoonMeanAt(double jd_tt) {
  return PreciseMoonLongitudeByAngleAddition(CenturiesOf(jd_tt));
}

double MarsMeanAt(double jd_tt) {
  return MarsMeanPlace(jd_tt, MoonMeanAt(jd_tt)).Longitude;
}

double MarsDistanceAt(double jd_tt) {
  return MarsMeanPlace(jd_tt, MoonMeanAt(jd_tt)).Distance;
}

// std::remainder(d, 360) for the difference of two nodes, with its exact result and
// without its cost: one node to the next moves a body by well under half a turn, so the
// difference is within half a turn of a whole turn and one subtraction, exact by
// Sterbenz's lemma, does; anything else, and a zero (whose sign remainder sets), goes
// to remainder itself.
double NodeRemainder(double d) {
  if (std::fabs(d) <= 180.0) {
    return d;
  }
  double r = std::numeric_limits<double>::quiet_NaN();
  if (d > 180.0 && d < 540.0) {
    r = d - 360.0;
  } else if (d < -180.0 && d > -540.0) {
    r = d + 360.0;
  }
  return r != 0.0 && !std::isnan(r) ? r : std::remainder(d, 360.0);
}

class NodeTable {
 public:
  NodeTable(int per_day, double (*place)(double))
      : per_day_(per_day),
        place_(place),
        size_(static_cast<std::size_t>((kLastNodeDay - kFirstNodeDay) * per_day) + 1),
        nodes_(new std::atomic<double>[size_]) {
    for (std::size_t k = 0; k < size_; ++k) {
      nodes_[k].store(std::numeric_limits<double>::quiet_NaN(), std::memory_order_relaxed);
    }
  }

  // The place at jd_tt, degrees, not reduced; computed outright outside the years kept.
  double At(double jd_tt) const {
    const double x = (jd_tt - kFirstNodeDay) * per_day_;
    const double index = std::floor(x);
    if (!(index >= 1.0 && index + 2.0 < static_cast<double>(size_))) {
      return place_(jd_tt);
    }
    const auto k = static_cast<std::size_t>(index);
    const double p = x - index;
    // Each node unwrapped onto the turn of node k.
    const double y1 = Node(k);
    const double y0 = y1 + NodeRemainder(Node(k - 1) - y1);
    const double y2 = y1 + NodeRemainder(Node(k + 1) - y1);
    const double y3 = y1 + NodeRemainder(Node(k + 2) - y1);
    // Lagrange's cubic through the nodes at -1, 0, 1 and 2.
    return y0 * (-p * (p - 1.0) * (p - 2.0) / 6.0) +
           y1 * ((p + 1.0) * (p - 1.0) * (p - 2.0) / 2.0) +
           y2 * (-(p + 1.0) * p * (p - 2.0) / 2.0) + y3 * ((p + 1.0) * p * (p - 1.0) / 6.0);
  }

 private:
  double Node(std::size_t k) const {
    double node = nodes_[k].load(std::memory_order_relaxed);
    if (std::isnan(node)) {
      node = place_(kFirstNodeDay + static_cast<double>(k) / per_day_);
      nodes_[k].store(node, std::memory_order_relaxed);
    }
    return node;
  }

  int per_day_;
  double (*place_)(double);
  std::size_t size_;
  std::unique_ptr<std::atomic<double>[]> nodes_;
};

}  // namespace

QuickPlaces QuickPlacesAt(const AstroTime& time, double latitude_deg, double east_longitude_deg) {
  static const NodeTable moon_nodes(kMoonNodesPerDay, MoonMeanAt);
  static const NodeTable mars_nodes(kMarsNodesPerDay, MarsMeanAt);
  static const NodeTable mars_distances(kMarsNodesPerDay, MarsDistanceAt);
  const Nutation4 nutation = NutationOf(CenturiesOf(time.Tt));
  const double nutation_deg = nutation.Longitude * kDegreesPerRadian;
  QuickPlaces out;
  out.Ascendant = QuickAscendantOf(SiderealTimeOf(time, nutation), TrueObliquityOf(time, nutation),
                                   latitude_deg, east_longitude_deg);
  out.Moon = NormalizedDegrees(moon_nodes.At(time.Tt) + nutation_deg);
  out.Mars = NormalizedDegrees(mars_nodes.At(time.Tt) + nutation_deg);
  out.MarsBoundDegrees = kQuickMarsBoundDegreeAu / mars_distances.At(time.Tt);
  return out;
}

}  // namespace lumora
