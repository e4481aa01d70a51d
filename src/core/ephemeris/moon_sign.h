// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "core/ephemeris/ayanamsa.h"
#include "core/ephemeris/birth_moment.h"
#include "core/ephemeris/moon_model.h"
#include "core/ephemeris/zodiac.h"

namespace lumora {

// Everything the Vedic Moon of one birth moment yields, with the working values
// behind it.
struct MoonSignResult {
  double UT = 0.0;
  double JulianDay = 0.0;
  double T = 0.0;
  double TropicalLongitude = 0.0;   // lambda
  double AyanamsaCorrection = 0.0;  // C
  double SiderealLongitude = 0.0;   // lambda + C, raised into [0, 360)
  ZodiacPosition Position;          // of the sidereal longitude
  std::string MoonLongitudeText;    // FormatZodiacPosition of Position
  std::string MoonSignName;         // "Libra (Thula)"
  std::string NakshatraName;        // "Swati"
  MoonModel Model = MoonModel::Standard;
  Ayanamsa AyanamsaKind = Ayanamsa::Standard;  // the correction is minus this ayanamsa
  // TT - UT in seconds, for the precise Moon only (the standard series runs on UT).
  std::optional<double> DeltaT;
};

// The Moon of the chosen lunar theory made sidereal with the chosen ayanamsa (the standard
// correction unless another is chosen).
MoonSignResult CalculateMoonSign(const BirthMoment& moment, MoonModel model = MoonModel::Standard,
                                 Ayanamsa ayanamsa = Ayanamsa::Standard);

// The standard Moon's sign, nakshatra and half of its sign as CalculateMoonSign gives
// them, for many births at a time: summed by QuickMoonLongitude, and by MoonLongitude
// only where the quick sidereal longitude lies within kMoonEdgeMarginDegrees of the edge
// of a sign, a half sign or a nakshatra. Far from an edge the result's longitudes may
// differ from CalculateMoonSign's in their last bits (kQuickMoonSumDegrees at most),
// never in what they place. The precise Moon is CalculateMoonSign's.
MoonSignResult ScreenedMoonSign(const BirthMoment& moment, MoonModel model = MoonModel::Standard,
                                Ayanamsa ayanamsa = Ayanamsa::Standard);
inline constexpr double kMoonEdgeMarginDegrees = 1e-6;
// Whether a sidereal longitude lies within kMoonEdgeMarginDegrees of such an edge.
bool NearMoonStateEdge(double sidereal_longitude);

// Quarter (1..4) of its nakshatra in which a sidereal longitude lies (200 arc
// minutes each).
int NakshatraPada(double sidereal_longitude);

// The Moon of one birth by both models, and whether the choice moves it into another
// nakshatra or pada.
struct MoonModelComparison {
  MoonSignResult Standard;
  MoonSignResult Precise;
  int StandardPada = 1;
  int PrecisePada = 1;
  bool NakshatraDiffers = false;
  bool PadaDiffers = false;           // also set when the nakshatra differs
  double DifferenceArcseconds = 0.0;  // precise minus standard, within (-648000, 648000]
};

MoonModelComparison CompareMoonModels(const BirthMoment& moment,
                                      Ayanamsa ayanamsa = Ayanamsa::Standard);

}  // namespace lumora
