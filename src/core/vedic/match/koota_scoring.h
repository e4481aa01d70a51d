// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace lumora {

// The outcome of one koota. Points is "0", "0.5" ... "8"; it is empty when either
// name lies outside the tables, so no earlier result can be shown in its place.
struct KootaResult {
  std::string BoyValue;
  std::string GirlValue;
  std::string Points;
};

// Every scorer takes the boy's name first and the girl's second.
KootaResult CalculateVarnaKuta(std::string_view boy_sign, std::string_view girl_sign);
KootaResult CalculateVasyaKuta(std::string_view boy_sign, std::string_view girl_sign);
KootaResult CalculateGrahaMaitriKuta(std::string_view boy_sign, std::string_view girl_sign);
KootaResult CalculateRashiKuta(std::string_view boy_sign, std::string_view girl_sign);
KootaResult CalculateTaraKuta(std::string_view boy_nakshatra, std::string_view girl_nakshatra);
KootaResult CalculateGanaKuta(std::string_view boy_nakshatra, std::string_view girl_nakshatra);
KootaResult CalculateNadiKuta(std::string_view boy_nakshatra, std::string_view girl_nakshatra);
KootaResult CalculateYoniKuta(std::string_view boy_nakshatra, std::string_view girl_nakshatra);

// The eight kootas in koota order: Varna, Vasya, Tara, Yoni, Graha Maitri, Gana, Rashi, Nadi.
inline constexpr int kKootaCount = 8;
using KootaResults = std::array<KootaResult, kKootaCount>;

KootaResults ScoreAllKootas(std::string_view boy_sign, std::string_view girl_sign,
                            std::string_view boy_nakshatra, std::string_view girl_nakshatra);

}  // namespace lumora
