#include "core/ephemeris/moon_sign.h"

#include "core/ephemeris/calendar.h"
#include "core/ephemeris/moon.h"
#include "core/ephemeris/zodiac.h"
#include "core/text.h"

namespace lumora {

FormResult<MoonSignResult> CalculateMoonSign(const BirthMoment& moment) {
  if (auto failure = ValidateBirthMoment(moment)) {
    return *std::move(failure);
  }
  MoonSignResult result;
  const TimeArguments args = ComputeTimeArguments(moment);
  result.UT = args.UT;
  result.JulianDay = args.JulianDay;
  result.T = args.T;
  result.TropicalLongitude = MoonLongitude(args.T);
  result.AyanamsaCorrection = AyanamsaCorrection(args.T);
  result.SiderealLongitude = SiderealLongitude(result.TropicalLongitude, result.AyanamsaCorrection);
  const std::optional<std::string> text = FormatZodiacLongitude(result.SiderealLongitude);
  const std::optional<int> nakshatra = NakshatraIndex(result.SiderealLongitude);
  if (!text || !nakshatra) {
    // Every valid moment gives a finite longitude; this guards the series, not the input.
    return FormFailure{"The Moon's longitude could not be computed for this moment",
                       MessageIcon::Error, "", false};
  }
  result.MoonLongitudeText = *text;
  result.NakshatraName = std::string(kNakshatraNames[static_cast<std::size_t>(*nakshatra)]);

  // The sign is read back from the text, so the sign shown and the sign used agree.
  const std::string trimmed = Trim(result.MoonLongitudeText);
  if (trimmed.size() >= 3) {
    const std::string_view last = std::string_view(trimmed).substr(trimmed.size() - 3);
    for (int k = 0; k < 12; ++k) {
      if (last == SignAbbreviation(k)) {
        result.MoonSignName = std::string(kSignDisplayNames[static_cast<std::size_t>(k)]);
        break;
      }
    }
  }
  return result;
}

}  // namespace lumora
