// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace lumora {

// Three-letter abbreviations of the signs 0 (Aries) to 11 (Pisces), three characters each.
// The signs by name, for the tables that are written sign by sign (0 Aries .. 11 Pisces).
enum ZodiacSign : int {
  Aries,
  Taurus,
  Gemini,
  Cancer,
  Leo,
  Virgo,
  Libra,
  Scorpio,
  Sagittarius,
  Capricorn,
  Aquarius,
  Pisces
};

inline constexpr std::string_view kSignAbbreviations = "AriTauGemCanLeoVirLibScoSagCapAquPis";

// Moon-sign names as the Vedic ephemeris hands them out.
inline constexpr std::array<std::string_view, 12> kSignDisplayNames = {
    "Aries (Mesha)",         "Taurus (Vrishabha)", "Gemini (Mithuna)",  "Cancer (Kataka)",
    "Leo (Simha)",           "Virgo (Kanya)",      "Libra (Thula)",     "Scorpio (Vrishcika)",
    "Sagittarius (Dhanush)", "Capricorn (Makara)", "Aquarius (Kumbha)", "Pisces (Meena)"};

// Bare English sign names, the names the koota engine and the catalogues work on.
inline constexpr std::array<std::string_view, 12> kSignNames = {
    "Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

// Nakshatras 0 (Ashwini) to 26 (Revati), spelled once for the whole program.
inline constexpr std::array<std::string_view, 27> kNakshatraNames = {"Ashwini",
                                                                     "Bharani",
                                                                     "Krittika",
                                                                     "Rohini",
                                                                     "Mrigasira",
                                                                     "Ardra",
                                                                     "Punarvasu",
                                                                     "Pushya",
                                                                     "Ashlesha",
                                                                     "Magha",
                                                                     "Poorva Phalguni",
                                                                     "Uttara Phalguni",
                                                                     "Hasta",
                                                                     "Chitra",
                                                                     "Swati",
                                                                     "Vishakha",
                                                                     "Anuradha",
                                                                     "Jyeshtha",
                                                                     "Moola",
                                                                     "Purva Ashadha",
                                                                     "Uttara Ashadha",
                                                                     "Shravana",
                                                                     "Dhanistha",
                                                                     "Shatabhisha",
                                                                     "Poorva Bhadrapada",
                                                                     "Uttara Bhadrapada",
                                                                     "Revati"};

// Index of a bare sign name (0..11) or nakshatra name (0..26), compared exactly
// (case-sensitive); nothing for a name outside the tables.
std::optional<int> FindSign(std::string_view sign);
std::optional<int> FindNakshatra(std::string_view name);

// The abbreviation of sign k (0..11).
std::string_view SignAbbreviation(int k);

// A longitude in degrees brought into [0, 360) by one true modulo (-12.5 is 347.5,
// 360 is 0); nothing for NaN or an infinity, which name no direction at all.
std::optional<double> ReduceLongitude(double degrees);

// A longitude as the zodiac reads it: the sign, 0 (Aries) to 11 (Pisces), and the
// degrees (0..29), minutes and seconds within it. Every text of a position is
// formatted from this, and every figure taken from a position is read here.
struct ZodiacPosition {
  int Sign = 0;
  int Degrees = 0;
  int Minutes = 0;
  int Seconds = 0;
};

// The position of a longitude in degrees, each part truncated (seconds never carry
// into minutes), after ReduceLongitude: -12.5 is 17 degrees 30 of Pisces, a full turn
// is the start of Aries again, and a longitude that is not finite reads as 0.
ZodiacPosition ToZodiacPosition(double longitude);

// Degrees, minutes and seconds followed by the sign abbreviation: 19° 27' 44" Lib.
std::string FormatZodiacPosition(const ZodiacPosition& position);

// Two-digit degrees, the sign abbreviation and two-digit minutes: "13 Sco 18".
std::string FormatShortPosition(const ZodiacPosition& position);
// The same two forms with the sign written as given: "07 वृश्चि 42".
std::string FormatZodiacPosition(const ZodiacPosition& position, std::string_view sign);
std::string FormatShortPosition(const ZodiacPosition& position, std::string_view sign);

// FormatZodiacPosition of the position of a longitude.
std::string FormatZodiacLongitude(double x);

// Nakshatra number 0..26 of a sidereal longitude in degrees (800 arc minutes each),
// after the same reduction.
int NakshatraIndex(double sidereal_longitude);

}  // namespace lumora
