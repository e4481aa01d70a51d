// SPDX-License-Identifier: MIT
#include "core/ephemeris/zodiac.h"

#include <algorithm>
#include <cmath>
#include <string>

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

ZodiacPosition ToZodiacPosition(double longitude) {
  // One reduction for the sign and the figures within it; a longitude that is not
  // finite names no direction and reads as the start of Aries.
  const double a = ReduceLongitude(longitude).value_or(0.0);
  const double d = std::floor(a);
  const double f = a - d;
  const double mm = 60.0 * f;
  const double m = std::floor(mm);
  const double s = std::floor(60.0 * (mm - m));
  const int whole = static_cast<int>(d);  // 0..359
  return {.Sign = whole / 30,
          .Degrees = whole % 30,
          .Minutes = static_cast<int>(m),
          .Seconds = static_cast<int>(s)};
}

std::string FormatZodiacPosition(const ZodiacPosition& position) {
  return FormatZodiacPosition(position, SignAbbreviation(position.Sign));
}

std::string FormatZodiacPosition(const ZodiacPosition& position, std::string_view sign) {
  std::string text = std::to_string(position.Degrees);
  text += "\u00B0 ";
  text += std::to_string(position.Minutes);
  text += "' ";
  text += std::to_string(position.Seconds);
  text += "\" ";
  text += sign;
  return text;
}

std::string FormatShortPosition(const ZodiacPosition& position) {
  return FormatShortPosition(position, SignAbbreviation(position.Sign));
}

std::string FormatShortPosition(const ZodiacPosition& position, std::string_view sign) {
  // Appended piece by piece: GCC 12 at -O2 warns falsely (-Wrestrict) on a chain of
  // "literal" + std::string.
  const auto append_two_digits = [](std::string& text, int value) {
    if (value < 10) {
      text += '0';
    }
    text += std::to_string(value);
  };
  std::string text;
  append_two_digits(text, position.Degrees);
  text += ' ';
  text += sign;
  text += ' ';
  append_two_digits(text, position.Minutes);
  return text;
}

std::string FormatZodiacLongitude(double x) {
  return FormatZodiacPosition(ToZodiacPosition(x));
}

int NakshatraIndex(double sidereal_longitude) {
  const double reduced = ReduceLongitude(sidereal_longitude).value_or(0.0);
  // A reduced longitude lies below 360, so the floor is at most 26; the minimum guards
  // the last representable double below 360 against rounding in the product.
  return std::min(static_cast<int>(std::floor(60.0 * reduced / 800.0)), 26);
}

}  // namespace lumora
