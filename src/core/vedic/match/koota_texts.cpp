// SPDX-License-Identifier: MIT
#include "core/vedic/match/koota_texts.h"

namespace lumora {

KootaTexts LoadKootaTexts(const KootaResults& kootas) {
  KootaTexts texts;
  for (int k = 0; k < kKootaCount; ++k) {
    texts.KootaPoints[k] = kootas[k].Points;
    texts.KootaAreaOfLife[k] = std::string(kKootas[k].AreaOfLife);
    texts.KootaSignificance[k] = std::string(kKootaSignificance[k]);
  }
  return texts;
}

}  // namespace lumora
