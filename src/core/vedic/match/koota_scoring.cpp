// SPDX-License-Identifier: MIT
#include "core/vedic/match/koota_scoring.h"

#include <array>
#include <optional>

#include "core/ephemeris/zodiac.h"
#include "core/text.h"
#include "core/vedic/match/koota_matrices.h"
#include "core/vedic/match/koota_tables.h"

namespace lumora {

namespace {

template <std::size_t N>
int ClassIndex(const std::array<std::string_view, N>& classes, std::string_view value) {
  for (std::size_t i = 0; i < N; ++i) {
    if (classes[i] == value) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

// Row and column order of the class matrices.
constexpr std::array<std::string_view, 4> kVarnaRanks = {"Brahmin", "Kshatriya", "Vysya", "Sudra"};
constexpr std::array<std::string_view, 3> kVasyaClasses = {"Chatushpada", "Nara", "Jala"};
constexpr std::array<std::string_view, 3> kGanaClasses = {"Deva", "Manusha", "Rakshasa"};
constexpr std::array<std::string_view, 3> kNadiClasses = {"Vatha/Adi", "Pitha/Madhya",
                                                          "Sleshma/Anthya"};

template <std::size_t N>
std::string Cell(const KootaMatrix<N>& matrix, int row, int column) {
  if (row < 0 || column < 0 || row >= static_cast<int>(N) || column >= static_cast<int>(N)) {
    return {};
  }
  return FormatHalfPoints(matrix[row][column]);
}

// A name outside the table comes back from classify unchanged; it must not score
// even when it happens to spell a class name ("Brahmin", "Deva").
template <std::size_t N, std::size_t C>
KootaResult ByClass(std::string (*classify)(std::string_view),
                    std::optional<int> (*find)(std::string_view),
                    const std::array<std::string_view, C>& classes, const KootaMatrix<N>& matrix,
                    std::string_view boy, std::string_view girl) {
  KootaResult result;
  result.BoyValue = classify(boy);
  result.GirlValue = classify(girl);
  if (find(boy) && find(girl)) {
    result.Points =
        Cell(matrix, ClassIndex(classes, result.BoyValue), ClassIndex(classes, result.GirlValue));
  }
  return result;
}

template <std::size_t N>
KootaResult ByIndex(std::optional<int> (*find)(std::string_view), const KootaMatrix<N>& matrix,
                    std::string_view boy, std::string_view girl) {
  KootaResult result;
  result.BoyValue = std::string(boy);
  result.GirlValue = std::string(girl);
  const auto row = find(boy);
  const auto column = find(girl);
  if (row && column) {
    result.Points = Cell(matrix, *row, *column);
  }
  return result;
}

}  // namespace

KootaResult CalculateVarnaKuta(std::string_view boy_sign, std::string_view girl_sign) {
  return ByClass(GetVarna, FindSign, kVarnaRanks, kVarnaMatrix, boy_sign, girl_sign);
}

KootaResult CalculateVasyaKuta(std::string_view boy_sign, std::string_view girl_sign) {
  return ByClass(GetVasyaClass, FindSign, kVasyaClasses, kVasyaMatrix, boy_sign, girl_sign);
}

KootaResult CalculateGrahaMaitriKuta(std::string_view boy_sign, std::string_view girl_sign) {
  return ByIndex(FindSign, kGrahaMaitriMatrix, boy_sign, girl_sign);
}

KootaResult CalculateRashiKuta(std::string_view boy_sign, std::string_view girl_sign) {
  return ByIndex(FindSign, kRashiMatrix, boy_sign, girl_sign);
}

KootaResult CalculateTaraKuta(std::string_view boy_nakshatra, std::string_view girl_nakshatra) {
  KootaResult result;
  result.BoyValue = std::string(boy_nakshatra);
  result.GirlValue = std::string(girl_nakshatra);
  const auto boy = ParseDigits(GetTaraPosition(boy_nakshatra));
  const auto girl = ParseDigits(GetTaraPosition(girl_nakshatra));
  if (FindNakshatra(boy_nakshatra) && FindNakshatra(girl_nakshatra) && boy && girl) {
    // Count from the boy's tara to the girl's: the same tara gives 0, a neighbour
    // on either side 3, any other 1.5.
    const int d = ((*girl - *boy) % 9 + 9) % 9;
    result.Points = d == 0 ? "0" : (d == 1 || d == 8) ? "3" : "1.5";
  }
  return result;
}

KootaResult CalculateGanaKuta(std::string_view boy_nakshatra, std::string_view girl_nakshatra) {
  return ByClass(GetGana, FindNakshatra, kGanaClasses, kGanaMatrix, boy_nakshatra, girl_nakshatra);
}

KootaResult CalculateNadiKuta(std::string_view boy_nakshatra, std::string_view girl_nakshatra) {
  return ByClass(GetNadi, FindNakshatra, kNadiClasses, kNadiMatrix, boy_nakshatra, girl_nakshatra);
}

KootaResult CalculateYoniKuta(std::string_view boy_nakshatra, std::string_view girl_nakshatra) {
  return ByIndex(FindNakshatra, kYoniMatrix, boy_nakshatra, girl_nakshatra);
}

KootaResults ScoreAllKootas(std::string_view boy_sign, std::string_view girl_sign,
                            std::string_view boy_nakshatra, std::string_view girl_nakshatra) {
  return {CalculateVarnaKuta(boy_sign, girl_sign),
          CalculateVasyaKuta(boy_sign, girl_sign),
          CalculateTaraKuta(boy_nakshatra, girl_nakshatra),
          CalculateYoniKuta(boy_nakshatra, girl_nakshatra),
          CalculateGrahaMaitriKuta(boy_sign, girl_sign),
          CalculateGanaKuta(boy_nakshatra, girl_nakshatra),
          CalculateRashiKuta(boy_sign, girl_sign),
          CalculateNadiKuta(boy_nakshatra, girl_nakshatra)};
}

}  // namespace lumora
