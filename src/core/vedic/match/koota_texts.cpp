// SPDX-License-Identifier: MIT
#include "core/vedic/match/koota_texts.h"

#include "core/text.h"

namespace lumora {

std::string SignificanceText(KootaTables tables, int koota) {
  std::string text(kKootaSignificance[static_cast<std::size_t>(koota)]);
  if (tables == KootaTables::Classical) {
    for (const SignificanceChange& change : kClassicalSignificanceChanges) {
      if (change.Koota != koota) {
        continue;
      }
      const std::size_t at = text.find(change.Specified);
      if (at != std::string::npos) {
        text.replace(at, change.Specified.size(), change.Classical);
      }
    }
  }
  return text;
}

KootaTexts LoadKootaTexts(KootaTables tables, const KootaScores& kootas) {
  KootaTexts texts;
  for (int k = 0; k < kKootaCount; ++k) {
    texts.KootaPoints[k] = FormatHalfPoints(kootas[k].HalfPoints / 2.0);
    texts.KootaAreaOfLife[k] = std::string(kKootas[k].AreaOfLife);
    texts.KootaSignificance[k] = SignificanceText(tables, k);
  }
  return texts;
}

}  // namespace lumora
