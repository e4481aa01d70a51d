// SPDX-License-Identifier: MIT
#include "core/vedic/match/koota_tables.h"

#include <array>

#include "core/ephemeris/zodiac.h"

namespace lumora {

namespace {

struct SignAttributes {
  std::string_view Varna;
  std::string_view Vasya;
};

// Varna and vasya class of the twelve signs, Aries to Pisces. Sagittarius is
// classed whole as a quadruped sign and Capricorn likewise, whatever the degree.
constexpr std::array<SignAttributes, 12> kSignAttributes{{
    {"Kshatriya", "Chatushpada"},  // Aries
    {"Vysya", "Chatushpada"},      // Taurus
    {"Sudra", "Nara"},             // Gemini
    {"Brahmin", "Jala"},           // Cancer
    {"Kshatriya", "Chatushpada"},  // Leo
    {"Vysya", "Nara"},             // Virgo
    {"Sudra", "Nara"},             // Libra
    {"Brahmin", "Jala"},           // Scorpio
    {"Kshatriya", "Chatushpada"},  // Sagittarius
    {"Vysya", "Chatushpada"},      // Capricorn
    {"Sudra", "Nara"},             // Aquarius
    {"Brahmin", "Jala"},           // Pisces
}};

struct NakshatraAttributes {
  std::string_view Gana;
  std::string_view Nadi;
};

// Gana and nadi of the 27 nakshatras, Ashwini to Revati.
constexpr std::array<NakshatraAttributes, 27> kNakshatraAttributes{{
    {"Deva", "Vatha/Adi"},          {"Manusha", "Pitha/Madhya"},     // Ashwini, Bharani
    {"Rakshasa", "Sleshma/Anthya"}, {"Manusha", "Sleshma/Anthya"},   // Krittika, Rohini
    {"Deva", "Pitha/Madhya"},       {"Manusha", "Vatha/Adi"},        // Mrigasira, Ardra
    {"Deva", "Vatha/Adi"},          {"Deva", "Pitha/Madhya"},        // Punarvasu, Pushya
    {"Rakshasa", "Sleshma/Anthya"}, {"Rakshasa", "Sleshma/Anthya"},  // Ashlesha, Magha
    {"Manusha", "Pitha/Madhya"},    {"Manusha", "Vatha/Adi"},        // P. Phalguni, U. Phalguni
    {"Deva", "Vatha/Adi"},          {"Rakshasa", "Pitha/Madhya"},    // Hasta, Chitra
    {"Deva", "Sleshma/Anthya"},     {"Rakshasa", "Sleshma/Anthya"},  // Swati, Vishakha
    {"Deva", "Pitha/Madhya"},       {"Rakshasa", "Vatha/Adi"},       // Anuradha, Jyeshtha
    {"Rakshasa", "Vatha/Adi"},      {"Manusha", "Pitha/Madhya"},     // Moola, Purva Ashadha
    {"Manusha", "Sleshma/Anthya"},  {"Deva", "Sleshma/Anthya"},      // U. Ashadha, Shravana
    {"Rakshasa", "Pitha/Madhya"},   {"Rakshasa", "Vatha/Adi"},       // Dhanistha, Shatabhisha
    {"Manusha", "Vatha/Adi"},       {"Manusha", "Pitha/Madhya"},     // P. Bhadrapada, U. Bhadrapada
    {"Deva", "Sleshma/Anthya"},                                      // Revati
}};

}  // namespace

std::string GetSignIndex(std::string_view sign) {
  const auto k = FindSign(sign);
  return k ? std::to_string(*k) : std::string(sign);
}

std::string GetVarna(std::string_view sign) {
  const auto k = FindSign(sign);
  return k ? std::string(kSignAttributes[*k].Varna) : std::string(sign);
}

std::string GetVasyaClass(std::string_view sign) {
  const auto k = FindSign(sign);
  return k ? std::string(kSignAttributes[*k].Vasya) : std::string(sign);
}

std::string GetNakshatraIndex(std::string_view name) {
  const auto n = FindNakshatra(name);
  return n ? std::to_string(*n) : std::string(name);
}

std::string GetTaraPosition(std::string_view name) {
  // The three groups Ashwini..Ashlesha, Magha..Jyeshtha, Moola..Revati each count 0..8.
  const auto n = FindNakshatra(name);
  return n ? std::to_string(*n % 9) : std::string(name);
}

std::string GetGana(std::string_view name) {
  const auto n = FindNakshatra(name);
  return n ? std::string(kNakshatraAttributes[*n].Gana) : std::string(name);
}

std::string GetNadi(std::string_view name) {
  const auto n = FindNakshatra(name);
  return n ? std::string(kNakshatraAttributes[*n].Nadi) : std::string(name);
}

}  // namespace lumora
