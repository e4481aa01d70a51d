// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/report_run.h"
#include "core/vedic/match/koota_scoring.h"

namespace lumora {

// Fixed facts of each koota, in koota order.
struct KootaInfo {
  std::string_view Koota;       // "Graha Maitri"
  std::string_view Word;        // the word the report uses: "Maitri"
  std::string_view Maximum;     // "5"
  std::string_view AreaOfLife;  // "Compatibility"
  Rgb LineColor;                // colour of the two "belongs to" lines
};

inline constexpr std::array<KootaInfo, kKootaCount> kKootas{{
    {"Varna", "Varna", "1", "Work", {0, 0, 128}},
    {"Vasya", "Vasya", "2", "Control", {0, 128, 0}},
    {"Tara", "Tara", "3", "Destiny", {128, 0, 0}},
    {"Yoni", "Yoni", "4", "Mental Awareness", {128, 0, 128}},
    {"Graha Maitri", "Maitri", "5", "Compatibility", {128, 0, 0}},
    {"Gana", "Gana", "6", "Temperament", {255, 0, 255}},
    {"Rashi", "Rashi", "7", "Love", {0, 0, 255}},
    {"Nadi", "Nadi", "8", "Health", {128, 128, 128}},
}};

extern const std::array<std::string_view, kKootaCount> kKootaSignificance;

// Where the classical tables score a koota otherwise than the significance text says
// (the text describes the specified tables), the classical text says so instead.
struct SignificanceChange {
  int Koota;
  std::string_view Specified;  // the words of the specified text
  std::string_view Classical;  // the words the classical text has in their place
};
extern const std::array<SignificanceChange, 6> kClassicalSignificanceChanges;

// The significance text of a koota as the given tables score it.
std::string SignificanceText(KootaTables tables, int koota);

// The three parallel arrays the result window and the reports read.
struct KootaTexts {
  std::array<std::string, kKootaCount> KootaPoints;
  std::array<std::string, kKootaCount> KootaAreaOfLife;
  std::array<std::string, kKootaCount> KootaSignificance;
};

KootaTexts LoadKootaTexts(KootaTables tables, const KootaScores& kootas);

}  // namespace lumora
