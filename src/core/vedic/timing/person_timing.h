// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <vector>

#include "core/vedic/timing/civil_day.h"
#include "core/vedic/timing/dasha_sandhi.h"
#include "core/vedic/timing/saturn_transit.h"
#include "core/vedic/timing/vimshottari.h"

namespace lumora {

// Sade Sati and the Sandhis are looked for up to the 100th year, counted in Julian years.
inline constexpr double kTimingHorizonYears = 100.0;
inline constexpr double kDaysPerJulianYear = 365.25;

// How the periods are counted.
struct TimingOptions {
  double YearDays = kJulianDashaYear.Days;
  int Levels = kAntardashaLevel;
};

// One person's timing: the periods, and Saturn's transits of the natal Moon from birth to
// the 100th year.
struct PersonTiming {
  VimshottariDashas Dashas;
  int MoonSign = 0;      // sidereal, 0 = Aries
  double Horizon = 0.0;  // Julian day (UT) of the end of the 100th year
  SaturnTransits Transits;
  UtcOffsetAt Offset;  // the birth zone's clock, for the person's dates
};

// From the sidereal Moon at birth and Saturn's sidereal longitude through the years.
PersonTiming ComputePersonTiming(double moon_longitude, double birth_jd_ut,
                                 const LongitudeAt& saturn_longitude, UtcOffsetAt offset,
                                 const TimingOptions& options);

// The same from Saturn's sign stays found beforehand over a span that covers the
// person's hundred years.
PersonTiming ComputePersonTimingFromStays(double moon_longitude, double birth_jd_ut,
                                          const std::vector<SignStay>& saturn_stays,
                                          UtcOffsetAt offset, const TimingOptions& options);

// The end of the 100th year of a person born at birth_jd_ut.
double TimingHorizon(double birth_jd_ut);

// The local days on which the person's mahadashas change, up to the 100th year.
std::vector<int> MahadashaChangeDays(const PersonTiming& person);

// The periods running on a local day: those whose first day is on or before it and whose
// last day (the day of the next change) is after it.
std::vector<DashaSpan> RunningOnDay(const PersonTiming& person, int day_number);

// Both persons' timings and the Sandhis between them.
struct CoupleTiming {
  PersonTiming Boy;
  PersonTiming Girl;
  std::optional<int> WeddingDay;
  std::vector<SandhiEntry> Sandhi;
};

CoupleTiming CombineTimings(PersonTiming boy, PersonTiming girl, std::optional<int> wedding_day);

}  // namespace lumora
