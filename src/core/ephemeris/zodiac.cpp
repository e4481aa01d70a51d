#include "core/ephemeris/zodiac.h"

#include <algorithm>
#include <cmath>

namespace lumora {

namespace {

template <std::size_t N>
std::optional<int> IndexOf(const std::array<std::string_view, N>& names, std::string_view name) {
  for (std::size_t i = 0; i < N; ++i) {
    if (names[i] == name) {
      return static_cast<int>(i);
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<int> FindSign(std::string_view sign) {
  return IndexOf(kSignNames, sign);
}

std::optional<int> FindNakshatra(std::string_view name) {
  return IndexOf(kNakshatraNames, name);
}

std::string_view SignAbbreviation(int k) {
  return kSignAbbreviations.substr(static_cast<std::size_t>(k) * 3, 3);
}

ZodiacPosition ToZodiacPosition(double longitude) {
  const double a = std::fabs(longitude);
  double d = std::floor(a);
  const double f = a - d;
  const double mm = 60.0 * f;
  const double m = std::floor(mm);
  const double s = std::floor(60.0 * (mm - m));
  // Exactly 360 degrees would name a thirteenth sign; it is the start of Aries.
  const int k = static_cast<int>(std::floor(d / 30.0)) % 12;
  while (d >= 30.0) {
    d -= 30.0;
  }
  return {.Sign = k,
          .Degrees = static_cast<int>(d),
          .Minutes = static_cast<int>(m),
          .Seconds = static_cast<int>(s)};
}

std::string FormatZodiacPosition(const ZodiacPosition& position) {
  std::string text = std::to_string(position.Degrees);
  text += "\u00B0 ";
  text += std::to_string(position.Minutes);
  text += "' ";
  text += std::to_string(position.Seconds);
  text += "\" ";
  text += SignAbbreviation(position.Sign);
  return text;
}

std::string FormatShortPosition(const ZodiacPosition& position) {
  const auto two_digits = [](int value) { return (value < 10 ? "0" : "") + std::to_string(value); };
  return two_digits(position.Degrees) + " " + std::string(SignAbbreviation(position.Sign)) + " " +
         two_digits(position.Minutes);
}

std::string FormatZodiacLongitude(double x) {
  return FormatZodiacPosition(ToZodiacPosition(x));
}

int NakshatraIndex(double sidereal_longitude) {
  const int n = static_cast<int>(std::floor(60.0 * sidereal_longitude / 800.0));
  return std::clamp(n, 0, 26);
}

}  // namespace lumora
