// SPDX-License-Identifier: MIT
#include "core/vedic/timing/sky_timing.h"

#include <cmath>
#include <utility>

#include "core/ephemeris/astro_time.h"
#include "core/ephemeris/body.h"
#include "core/ephemeris/calendar.h"
#include "core/ephemeris/precise_ephemeris.h"

namespace lumora {

namespace {

constexpr double kSecondsPerHour = 3600.0;

double Sidereal(Body body, double jd_ut, Ayanamsa ayanamsa) {
  const AstroTime time = AstroTimeFromUt(jd_ut);
  const double longitude = ApparentPosition(body, time).Longitude - AyanamsaDegrees(ayanamsa, time);
  const double reduced = std::fmod(longitude, 360.0);
  return reduced < 0.0 ? reduced + 360.0 : reduced;
}

}  // namespace

double SiderealMoonAt(double jd_ut, Ayanamsa ayanamsa) {
  return Sidereal(Body::Moon, jd_ut, ayanamsa);
}

LongitudeAt SiderealSaturn(Ayanamsa ayanamsa) {
  return [ayanamsa](double jd_ut) { return Sidereal(Body::Saturn, jd_ut, ayanamsa); };
}

double BirthJulianDay(const BirthMoment& moment) {
  const TimeArguments args = ComputeTimeArguments(moment);
  // The day number names the civil day's noon; UT counts hours from its midnight.
  return args.JulianDay - 0.5 + args.UT / 24.0;
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
  const double birth = BirthJulianDay(moment);
  return ComputePersonTiming(SiderealMoonAt(birth, ayanamsa), birth, SiderealSaturn(ayanamsa),
                             std::move(clock), options);
}

CoupleTiming ComputeCoupleTiming(const CoupleTimingRequest& request) {
  return CombineTimings(
      ComputeSkyTiming(request.Boy, BirthClock(request.Boy, request.BoyTimeZone),
                       request.ZodiacAyanamsa, request.Options),
      ComputeSkyTiming(request.Girl, BirthClock(request.Girl, request.GirlTimeZone),
                       request.ZodiacAyanamsa, request.Options),
      request.WeddingDay);
}

}  // namespace lumora
