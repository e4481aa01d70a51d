#pragma once

#include <string>

#include "core/entry/form_result.h"
#include "core/ephemeris/birth_moment.h"

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
  std::string MoonLongitudeText;    // FormatZodiacLongitude of the sidereal longitude
  std::string MoonSignName;         // "Libra (Thula)"
  std::string NakshatraName;        // "Swati"
};

// The Moon of a birth moment that passes ValidateBirthMoment; any other moment is
// refused with that check's message.
FormResult<MoonSignResult> CalculateMoonSign(const BirthMoment& moment);

}  // namespace lumora
