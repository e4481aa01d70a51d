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

namespace {

// The result around a tropical longitude already computed.
MoonSignResult MoonSignFrom(const TimeArguments& args, MoonModel model, Ayanamsa ayanamsa,
                            double tropical, std::optional<double> delta_t) {
  MoonSignResult result;
  result.UT = args.UT;
  result.JulianDay = args.JulianDay;
  result.T = args.T;
  result.Model = model;
  result.DeltaT = delta_t;
  result.TropicalLongitude = tropical;
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

// The edges ScreenedMoonSign keeps clear of: half signs (and so the signs and the turn),
// and nakshatras of 800 arc minutes (NakshatraIndex).
constexpr double kHalfSignDegrees = 15.0;
constexpr double kNakshatraDegrees = 800.0 / 60.0;

// How far a sidereal longitude lies from the nearest multiple of step degrees.
double DistanceToEdge(double longitude, double step) {
  const double within = longitude - step * std::floor(longitude / step);
  return std::min(within, step - within);
}

}  // namespace

MoonSignResult CalculateMoonSign(const BirthMoment& moment, MoonModel model, Ayanamsa ayanamsa) {
  const TimeArguments args = ComputeTimeArguments(moment);
  if (model == MoonModel::Precise) {
    const TerrestrialTime tt = ToTerrestrialTime(args.T);
    return MoonSignFrom(args, model, ayanamsa, PreciseMoonLongitude(tt.T), tt.DeltaT);
  }
  return MoonSignFrom(args, model, ayanamsa, MoonLongitude(args.T), std::nullopt);
}

bool NearMoonStateEdge(double sidereal_longitude) {
  const double edge = std::min(DistanceToEdge(sidereal_longitude, kHalfSignDegrees),
                               DistanceToEdge(sidereal_longitude, kNakshatraDegrees));
  return !(std::isfinite(edge) && edge > kMoonEdgeMarginDegrees);
}

MoonSignResult ScreenedMoonSign(const BirthMoment& moment, MoonModel model, Ayanamsa ayanamsa) {
  if (model == MoonModel::Precise) {
    return CalculateMoonSign(moment, model, ayanamsa);
  }
  const TimeArguments args = ComputeTimeArguments(moment);
  MoonSignResult quick =
      MoonSignFrom(args, model, ayanamsa, QuickMoonLongitude(args.T), std::nullopt);
  if (!NearMoonStateEdge(quick.SiderealLongitude)) {
    return quick;
  }
  return MoonSignFrom(args, model, ayanamsa, MoonLongitude(args.T), std::nullopt);
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
