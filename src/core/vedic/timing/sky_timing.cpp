// SPDX-License-Identifier: MIT
#include "core/vedic/timing/sky_timing.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/ephemeris/astro_time.h"
#include "core/ephemeris/body.h"
#include "core/ephemeris/calendar.h"
#include "core/ephemeris/geometry.h"
#include "core/ephemeris/precise_ephemeris.h"
#include "core/vedic/chart/sidereal_chart.h"

namespace lumora {

namespace {

constexpr double kSecondsPerHour = 3600.0;

}  // namespace

LongitudeAt SiderealSaturn(Ayanamsa ayanamsa) {
  return [ayanamsa](double jd_ut) {
    const AstroTime time = AstroTimeFromUt(jd_ut);
    return NormalizedDegrees(ApparentLongitude(Body::Saturn, time) -
                             AyanamsaDegrees(ayanamsa, time));
  };
}

double BirthJulianDay(const BirthMoment& moment) {
  return AstroTimeOf(BirthInstant(moment)).Ut;
}

double BirthMoonLongitude(const BirthMoment& moment, Ayanamsa ayanamsa) {
  ChartOptions options;
  options.ayanamsa = ayanamsa;
  return SiderealMoonAt(BirthInstant(moment), options);
}

UtcOffsetAt BirthClock(const BirthMoment& moment, std::string_view time_zone) {
  if (!time_zone.empty()) {
    if (std::optional<UtcOffsetAt> zone = ZoneUtcOffsets(time_zone)) {
      return std::move(*zone);
    }
  }
  // The clock reading less universal time: the offset the moment was read with, its
  // direction and daylight hour included.
  const double clock_hours = moment.BirthHour + moment.BirthMinute / 60.0;
  const double offset_hours = clock_hours - ComputeTimeArguments(moment).UT;
  return FixedUtcOffset(static_cast<int>(std::lround(offset_hours * kSecondsPerHour)));
}

PersonTiming ComputeSkyTiming(const BirthMoment& moment, UtcOffsetAt clock, Ayanamsa ayanamsa,
                              const TimingOptions& options) {
  return ComputePersonTiming(BirthMoonLongitude(moment, ayanamsa), BirthJulianDay(moment),
                             SiderealSaturn(ayanamsa), std::move(clock), options);
}

CoupleTiming ComputeCoupleTiming(const CoupleTimingRequest& request) {
  // Saturn's stays do not depend on the person: one search over both lifetimes.
  const double boy_birth = BirthJulianDay(request.Boy);
  const double girl_birth = BirthJulianDay(request.Girl);
  const std::vector<SignStay> stays = FindSignStays(
      SiderealSaturn(request.ZodiacAyanamsa), std::min(boy_birth, girl_birth),
      std::max(TimingHorizon(boy_birth), TimingHorizon(girl_birth)), kSaturnMaxSpeedDegreesPerDay);
  return CombineTimings(ComputePersonTimingFromStays(
                            BirthMoonLongitude(request.Boy, request.ZodiacAyanamsa), boy_birth,
                            stays, BirthClock(request.Boy, request.BoyTimeZone), request.Options),
                        ComputePersonTimingFromStays(
                            BirthMoonLongitude(request.Girl, request.ZodiacAyanamsa), girl_birth,
                            stays, BirthClock(request.Girl, request.GirlTimeZone), request.Options),
                        request.WeddingDay);
}

}  // namespace lumora
