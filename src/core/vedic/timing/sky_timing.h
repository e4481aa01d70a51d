// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/ephemeris/ayanamsa.h"
#include "core/ephemeris/birth_moment.h"
#include "core/vedic/timing/person_timing.h"

namespace lumora {

// Saturn of the precise ephemeris, made sidereal with the chosen ayanamsa, through time.
LongitudeAt SiderealSaturn(Ayanamsa ayanamsa);

// The birth instant of a moment as a Julian day of UT, as the chart reads it.
double BirthJulianDay(const BirthMoment& moment);

// The chart's Moon: the sidereal Moon of the precise ephemeris at the birth instant.
double BirthMoonLongitude(const BirthMoment& moment, Ayanamsa ayanamsa);

// The clock of a moment: the zone's history where the zone is known (time_zone names an
// IANA zone the database has), else the fixed offset the moment was read with.
UtcOffsetAt BirthClock(const BirthMoment& moment, std::string_view time_zone = {});

// One person's timing from the sky.
PersonTiming ComputeSkyTiming(const BirthMoment& moment, UtcOffsetAt clock, Ayanamsa ayanamsa,
                              const TimingOptions& options);

// Both persons of a match, as the window, the documents and the vedic command time them.
struct CoupleTimingRequest {
  BirthMoment Boy;
  BirthMoment Girl;
  std::string BoyTimeZone;  // IANA names where known; empty: the birth clock's offset
  std::string GirlTimeZone;
  Ayanamsa ZodiacAyanamsa = Ayanamsa::Standard;
  TimingOptions Options;
  std::optional<int> WeddingDay;
};

CoupleTiming ComputeCoupleTiming(const CoupleTimingRequest& request);

}  // namespace lumora
