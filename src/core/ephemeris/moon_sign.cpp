#include "core/ephemeris/moon_sign.h"

#include "core/ephemeris/calendar.h"
#include "core/ephemeris/moon.h"
#include "core/ephemeris/zodiac.h"
#include "core/text.h"

namespace lumora {

MoonSignResult CalculateMoonSign(const BirthMoment& moment) {
  MoonSignResult result;
  const TimeArguments args = ComputeTimeArguments(moment);
  result.UT = args.UT;
  result.JulianDay = args.JulianDay;
  result.T = args.T;
  result.TropicalLongitude = MoonLongitude(args.T);
  result.AyanamsaCorrection = AyanamsaCorrection(args.T);
  result.SiderealLongitude = SiderealLongitude(result.TropicalLongitude, result.AyanamsaCorrection);
  result.MoonLongitudeText = FormatZodiacLongitude(result.SiderealLongitude);
  result.NakshatraName = std::string(kNakshatraNames[NakshatraIndex(result.SiderealLongitude)]);

  // The sign is read back from the text, so the sign shown and the sign used agree.
  const std::string trimmed = Trim(result.MoonLongitudeText);
  if (trimmed.size() >= 3) {
    const std::string_view last = std::string_view(trimmed).substr(trimmed.size() - 3);
    for (int k = 0; k < 12; ++k) {
      if (last == SignAbbreviation(k)) {
        result.MoonSignName = std::string(kSignDisplayNames[k]);
        break;
      }
    }
  }
  return result;
}

}  // namespace lumora
