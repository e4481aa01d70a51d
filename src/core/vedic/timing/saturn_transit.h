// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <vector>

namespace lumora {

// A body's sidereal longitude in degrees as a function of the Julian day (UT).
using LongitudeAt = std::function<double(double jd_ut)>;

// The fastest Saturn moves along the ecliptic, seen from the Earth. At conjunction with the
// Sun the two orbital velocities add (9.6 + 29.8 km/s across 10.5 AU): about +0.124 degree
// a day; at opposition they oppose (9.6 - 29.8 km/s across 8.5 AU): about -0.078. The
// bound leaves a margin for the orbits' eccentricities; the search relies on it to step
// over days on which no sign boundary can be reached.
inline constexpr double kSaturnMaxSpeedDegreesPerDay = 0.2;

// A stay of the body in one sign: from the instant it entered (or the start of the search)
// to the instant it left (or the end of the search). Julian days of UT.
struct SignStay {
  int Sign = 0;  // 0 = Aries .. 11 = Pisces
  double From = 0.0;
  double To = 0.0;
};

// The body's stays in the signs from from_jd to to_jd, in time order. The body is looked at
// once a day at least, more seldom where it is too far from a sign boundary to reach one
// at max_speed (degrees a day); each change of sign is then found by halving to about a
// second. A retrograde return into a sign is a stay of its own. A visit to a sign shorter
// than a day at a station may go unseen, as it would by a daily look.
std::vector<SignStay> FindSignStays(const LongitudeAt& longitude, double from_jd, double to_jd,
                                    double max_speed);

// The stays that overlap [from_jd, to_jd), cut to it: one search serves several persons.
std::vector<SignStay> StaysWithin(const std::vector<SignStay>& stays, double from_jd, double to_jd);

// The three phases of Sade Sati: Saturn in the 12th, 1st and 2nd sign from the Moon's.
enum class SadeSatiPhase { Rising, Peak, Setting };

struct SadeSatiSpan {
  SadeSatiPhase Phase = SadeSatiPhase::Rising;
  double From = 0.0;  // Julian days (UT)
  double To = 0.0;
};

struct TransitSpan {
  double From = 0.0;
  double To = 0.0;
};

struct SaturnTransits {
  std::vector<SadeSatiSpan> SadeSati;     // each stay in the 12th, 1st or 2nd sign
  std::vector<TransitSpan> AshtamaShani;  // each stay in the 8th sign
};

// Sade Sati and Ashtama Shani of a natal Moon sign (0 = Aries) from Saturn's stays.
SaturnTransits SaturnTransitsFrom(int moon_sign, const std::vector<SignStay>& saturn_stays);

}  // namespace lumora
