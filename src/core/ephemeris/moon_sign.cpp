// SPDX-License-Identifier: MIT
#include "core/ephemeris/moon_sign.h"

#include <algorithm>
#include <cmath>

#include "core/ephemeris/astro_time.h"
#include "core/ephemeris/calendar.h"
#include "core/ephemeris/moon.h"
#include "core/ephemeris/precise_moon.h"
#include "core/ephemeris/zodiac.h"

namespace lumora {

MoonSignResult CalculateMoonSign(const BirthMoment& moment, MoonModel model, Ayanamsa ayanamsa) {
  MoonSignResult result;
  const TimeArguments args = ComputeTimeArguments(moment);
  result.UT = args.UT;
  result.JulianDay = args.JulianDay;
  result.T = args.T;
  result.Model = model;
  if (model == MoonModel::Precise) {
    const TerrestrialTime tt = ToTerrestrialTime(args.T);
    result.DeltaT = tt.DeltaT;
    result.TropicalLongitude = PreciseMoonLongitude(tt.T);
  } else {
    result.TropicalLongitude = MoonLongitude(args.T);
  }
  // The ayanamsa moves 50" a year; Delta T would change it by well under a
  // micro-arc-second, so both models take it at the same T.
  result.AyanamsaKind = ayanamsa;
  result.AyanamsaCorrection =
      ayanamsa == Ayanamsa::Standard
          ? AyanamsaCorrection(args.T)
          : -AyanamsaDegrees(ayanamsa, AstroTimeFromUt(args.JulianDay - 0.5 + args.UT / 24.0));
  result.SiderealLongitude = SiderealLongitude(result.TropicalLongitude, result.AyanamsaCorrection);
  result.Position = ToZodiacPosition(result.SiderealLongitude);
  // Text and sign name come from the one position, so the sign shown and the sign
  // used agree.
  result.MoonLongitudeText = FormatZodiacPosition(result.Position);
  result.MoonSignName =
      std::string(kSignDisplayNames[static_cast<std::size_t>(result.Position.Sign)]);
  result.NakshatraName = std::string(kNakshatraNames[NakshatraIndex(result.SiderealLongitude)]);
  return result;
}

int NakshatraPada(double sidereal_longitude) {
  // 200 arc minutes a pada, four to a nakshatra, counted the way NakshatraIndex
  // counts nakshatras so the two always agree.
  const int quarter =
      std::clamp(static_cast<int>(std::floor(60.0 * sidereal_longitude / 200.0)), 0, 4 * 27 - 1);
  return quarter % 4 + 1;
}

MoonModelComparison CompareMoonModels(const BirthMoment& moment, Ayanamsa ayanamsa) {
  MoonModelComparison comparison;
  comparison.Standard = CalculateMoonSign(moment, MoonModel::Standard, ayanamsa);
  comparison.Precise = CalculateMoonSign(moment, MoonModel::Precise, ayanamsa);
  comparison.StandardPada = NakshatraPada(comparison.Standard.SiderealLongitude);
  comparison.PrecisePada = NakshatraPada(comparison.Precise.SiderealLongitude);
  comparison.NakshatraDiffers =
      comparison.Standard.NakshatraName != comparison.Precise.NakshatraName;
  comparison.PadaDiffers =
      comparison.NakshatraDiffers || comparison.StandardPada != comparison.PrecisePada;
  double difference = comparison.Precise.TropicalLongitude - comparison.Standard.TropicalLongitude;
  if (difference > 180.0) {
    difference -= 360.0;
  } else if (difference <= -180.0) {
    difference += 360.0;
  }
  comparison.DifferenceArcseconds = difference * 3600.0;
  return comparison;
}

}  // namespace lumora
