// SPDX-License-Identifier: MIT
#include "core/ephemeris/astro_time.h"

#include "core/ephemeris/delta_t.h"

namespace lumora {

namespace {
inline constexpr double kSecondsPerDay = 86400.0;
}

AstroTime AstroTimeFromUt(double julian_day_ut) {
  return {julian_day_ut,
          julian_day_ut + DeltaTSeconds(DecimalYear(julian_day_ut)) / kSecondsPerDay};
}

double DeltaTSecondsOf(const AstroTime& time) {
  return (time.Tt - time.Ut) * kSecondsPerDay;
}

}  // namespace lumora
