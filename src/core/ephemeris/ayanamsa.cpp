// SPDX-License-Identifier: MIT
#include "core/ephemeris/ayanamsa.h"

#include <erfa.h>

#include <cctype>
#include <cmath>

#include "core/ephemeris/astronomical_constants.h"
#include "core/ephemeris/moon.h"
#include "core/ephemeris/precise_ephemeris.h"

namespace lumora {

namespace {

// An ayanamsa fixed at one epoch and carried by the general precession in longitude.
struct PrecessedAyanamsa {
  double EpochJulianDay;  // TT
  double MeanDegrees;     // the mean ayanamsa (no nutation) at the epoch
};

// Lahiri: 23 deg 15' 00.658" on 1956 March 21, 0h ET, the value of the Indian Calendar
// Reform Committee (Report, 1955) that the Indian Astronomical Ephemeris carries forward;
// it is a true value, so the nutation of that instant (-16.769", 0.004658035 degree) is
// taken off to give the mean value. Raman: B. V. Raman, "Hindu Predictive Astrology";
// Krishnamurti: K. S. Krishnamurti, "Krishnamurti Padhdhati"; both as mean values at
// 1900 January 0.5 (JD 2415020.0) as the Swiss Ephemeris documentation (Astrodienst,
// section 2.7) tabulates them: 360 - 338.98556 and 360 - 337.636111 degrees. Fagan-Bradley:
// the synetic vernal point at 5 deg 57' 28.64" Pisces at 1950.0 (JD 2433282.42346), C. Fagan
// and D. Bradley, American Federation of Astrologers (1957).
constexpr PrecessedAyanamsa kLahiri{2435553.5, 23.250182778 - 0.004658035};
constexpr PrecessedAyanamsa kRaman{2415020.0, 360.0 - 338.98556};
constexpr PrecessedAyanamsa kKrishnamurti{2415020.0, 360.0 - 337.636111};
constexpr PrecessedAyanamsa kFaganBradley{2433282.42346, 24.042044444};

// General precession in longitude, arc seconds, T in Julian centuries of TT from J2000.0:
// IAU 2006 (N. Capitaine, P. T. Wallace and J. Chapront, Astron. Astrophys. 412 (2003)
// 567, eq. 39; IERS Conventions 2010, eq. 5.40).
double GeneralPrecessionArcseconds(double T) {
  return T * (5028.796195 +
              T * (1.1054348 + T * (0.00007964 + T * (-0.000023857 + T * -0.0000000383))));
}

// Spica (alpha Virginis), ICRS at J2000.0 with its proper motion: the new reduction of the
// Hipparcos data, F. van Leeuwen, Astron. Astrophys. 474 (2007) 653 (HIP 65474).
inline constexpr double kSpicaRightAscension = 201.29824736;  // degrees
inline constexpr double kSpicaDeclination = -11.16131949;     // degrees
inline constexpr double kSpicaProperMotionRa = -42.35;        // mas a year, times cos(dec)
inline constexpr double kSpicaProperMotionDec = -30.67;       // mas a year
inline constexpr double kDaysPerJulianYear = 365.25;
inline constexpr double kMilliarcsecondsPerDegree = 3.6e6;

// The apparent ecliptic longitude of Spica, true equinox of date, degrees: proper motion,
// annual aberration (first order), precession-nutation IAU 2006/2000A.
double SpicaApparentLongitude(const AstroTime& time) {
  const double years = (time.Tt - kJ2000) / kDaysPerJulianYear;
  const double dec =
      (kSpicaDeclination + kSpicaProperMotionDec * years / kMilliarcsecondsPerDegree) *
      kRadiansPerDegree;
  const double ra =
      kSpicaRightAscension * kRadiansPerDegree +
      kSpicaProperMotionRa * years / kMilliarcsecondsPerDegree * kRadiansPerDegree / std::cos(dec);
  double p[3] = {std::cos(dec) * std::cos(ra), std::cos(dec) * std::sin(ra), std::sin(dec)};
  double heliocentric[2][3];
  double barycentric[2][3];
  eraEpv00(time.Tt, 0.0, heliocentric, barycentric);
  double dot = 0.0;
  for (int i = 0; i < 3; ++i)
    dot += p[i] * barycentric[1][i] * kLightDaysPerAu;
  double apparent[3];
  for (int i = 0; i < 3; ++i)
    apparent[i] = p[i] + barycentric[1][i] * kLightDaysPerAu - dot * p[i];
  double npb[3][3];
  eraPnm06a(time.Tt, 0.0, npb);
  double q[3];
  for (int i = 0; i < 3; ++i)
    q[i] = npb[i][0] * apparent[0] + npb[i][1] * apparent[1] + npb[i][2] * apparent[2];
  const double eps = NutationAt(time).TrueObliquity * kRadiansPerDegree;
  const double y = q[1] * std::cos(eps) + q[2] * std::sin(eps);
  double longitude = std::atan2(y, q[0]) * kDegreesPerRadian;
  if (longitude < 0.0)
    longitude += 360.0;
  return longitude;
}

double Precessed(const PrecessedAyanamsa& entry, const AstroTime& time) {
  const double T = (time.Tt - kJ2000) / kDaysPerCentury;
  const double T0 = (entry.EpochJulianDay - kJ2000) / kDaysPerCentury;
  const double precession =
      (GeneralPrecessionArcseconds(T) - GeneralPrecessionArcseconds(T0)) / kArcsecondsPerDegree;
  return entry.MeanDegrees + precession + NutationAt(time).Longitude;
}

inline constexpr std::array<std::string_view, 6> kAyanamsaNames{
    "Standard", "Lahiri", "Raman", "Krishnamurti", "TrueChitra", "FaganBradley"};

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size())
    return false;
  for (std::size_t k = 0; k < a.size(); ++k) {
    if (std::tolower(static_cast<unsigned char>(a[k])) !=
        std::tolower(static_cast<unsigned char>(b[k])))
      return false;
  }
  return true;
}

}  // namespace

double AyanamsaDegrees(Ayanamsa ayanamsa, const AstroTime& time) {
  switch (ayanamsa) {
    case Ayanamsa::Standard:
      return -AyanamsaCorrection((time.Ut - kJ2000) / kDaysPerCentury);
    case Ayanamsa::Lahiri:
      return Precessed(kLahiri, time);
    case Ayanamsa::Raman:
      return Precessed(kRaman, time);
    case Ayanamsa::Krishnamurti:
      return Precessed(kKrishnamurti, time);
    case Ayanamsa::TrueChitra:
      return SpicaApparentLongitude(time) - 180.0;
    case Ayanamsa::FaganBradley:
      return Precessed(kFaganBradley, time);
  }
  return Precessed(kLahiri, time);  // unreachable: the switch covers every enumerator
}

std::string_view AyanamsaName(Ayanamsa ayanamsa) {
  return kAyanamsaNames[static_cast<std::size_t>(ayanamsa)];
}

std::optional<Ayanamsa> FindAyanamsa(std::string_view name) {
  for (std::size_t k = 0; k < kAyanamsaNames.size(); ++k) {
    if (SameIgnoringCase(kAyanamsaNames[k], name))
      return kAyanamsas[k];
  }
  return std::nullopt;
}

}  // namespace lumora
