// SPDX-License-Identifier: MIT
#pragma once

#include "core/ephemeris/astro_time.h"
#include "core/ephemeris/body.h"

namespace lumora {

// A geocentric apparent ecliptic position: longitude and latitude in degrees referred to
// the ecliptic and the true equinox of date (light time, aberration and nutation applied;
// tropical), the longitude in [0, 360); Speed is the longitude's rate in degrees per day,
// negative while the body is retrograde.
struct EclipticPoint {
  double Longitude = 0.0;
  double Latitude = 0.0;
  double Speed = 0.0;
};

// The apparent position of a body. The Sun and the planets from VSOP87 (libnova's full
// series), the Moon from ELP 2000-82B (libnova), Pluto from Meeus, Astronomical
// Algorithms, ch. 37 (1885-2099) and an integration of its orbit outside those years;
// precession, nutation (IAU 2006/2000A) from ERFA.
EclipticPoint ApparentPosition(Body body, const AstroTime& time);

// The apparent longitude alone (no latitude, no speed): a third of the work, for searches
// that step through time.
double ApparentLongitude(Body body, const AstroTime& time);

// The lunar node: the mean node of Meeus, eq. 47.7 (ELP 2000-82), or the true
// (osculating) node of the Moon's geocentric orbit; the north node (Rahu), with nutation,
// like every position here.
enum class NodeKind { Mean, True };
EclipticPoint LunarNode(NodeKind kind, const AstroTime& time);

// The angles of a place: ascendant and midheaven (ecliptic longitudes, degrees, of the
// true equinox of date), the right ascension of the midheaven (degrees) and the true
// obliquity of the ecliptic (degrees), from apparent sidereal time (IAU 2006/2000A).
struct ChartAngles {
  double Ascendant = 0.0;
  double Midheaven = 0.0;
  double Armc = 0.0;
  double Obliquity = 0.0;
};
ChartAngles AnglesAt(const AstroTime& time, double latitude_deg, double east_longitude_deg);

// The nutation in longitude and the true obliquity of the ecliptic, degrees.
struct Nutation {
  double Longitude = 0.0;
  double TrueObliquity = 0.0;
};
Nutation NutationAt(const AstroTime& time);

}  // namespace lumora
