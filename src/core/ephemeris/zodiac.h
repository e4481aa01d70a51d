#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace lumora {

// Three-letter abbreviations of the signs 0 (Aries) to 11 (Pisces), three characters each.
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

// Degrees within the sign, minutes and seconds of a longitude, each truncated,
// followed by the sign abbreviation: 19° 27' 44" Lib. The absolute value is used.
std::string FormatZodiacLongitude(double x);

// Nakshatra number 0..26 of a sidereal longitude in degrees (800 arc minutes each).
int NakshatraIndex(double sidereal_longitude);

}  // namespace lumora
