#include "core/ephemeris/zodiac.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace lumora {

std::string_view SignAbbreviation(int k) {
  return kSignAbbreviations.substr(static_cast<std::size_t>(k) * 3, 3);
}

std::optional<double> ReduceLongitude(double degrees) {
  if (!std::isfinite(degrees)) {
    return std::nullopt;
  }
  // fmod is exact; only its sign needs correcting. Adding 360 to a tiny negative
  // remainder can round up to 360 itself, which is 0 again.
  double reduced = std::fmod(degrees, 360.0);
  if (reduced < 0.0) {
    reduced += 360.0;
  }
  if (reduced >= 360.0) {
    reduced = 0.0;
  }
  return reduced;
}

std::string FormatZodiacLongitude(double x) {
  const double a = ReduceLongitude(x).value_or(0.0);
  const double d = std::floor(a);
  const double f = a - d;
  const double mm = 60.0 * f;
  const double m = std::floor(mm);
  const double s = std::floor(60.0 * (mm - m));
  const int whole = static_cast<int>(d);  // 0..359
  const int k = whole / 30;
  std::string text = std::to_string(whole % 30);
  text += "\u00B0 ";
  text += std::to_string(static_cast<int>(m));
  text += "' ";
  text += std::to_string(static_cast<int>(s));
  text += "\" ";
  text += SignAbbreviation(k);
  return text;
}

int NakshatraIndex(double sidereal_longitude) {
  const double reduced = ReduceLongitude(sidereal_longitude).value_or(0.0);
  // A reduced longitude lies below 360, so the floor is at most 26; the minimum guards
  // the last representable double below 360 against rounding in the product.
  return std::min(static_cast<int>(std::floor(60.0 * reduced / 800.0)), 26);
}

}  // namespace lumora
