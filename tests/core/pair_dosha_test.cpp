// SPDX-License-Identifier: MIT
// Nadi, Bhakoot and Gana doshas over every pair of Moon signs and nakshatras, against
// the traditional definitions written out here on their own.
#include <gtest/gtest.h>

#include <array>
#include <string_view>
#include <vector>

#include "core/vedic/chart/doshas.h"
#include "core/vedic/match/koota_matrices.h"

namespace lumora {
namespace {

// Nadi of nakshatra n: Adi, Madhya, Antya, Antya, Madhya, Adi, repeating from Ashwini
// (the serpentine count of the nadi chakra).
constexpr std::array<int, 6> kNadiCycle = {0, 1, 2, 2, 1, 0};

// The nine Rakshasa nakshatras: Krittika, Ashlesha, Magha, Chitra, Vishakha, Jyeshtha,
// Moola, Dhanishta, Shatabhisha.
constexpr std::array<int, 9> kRakshasaNakshatras = {2, 8, 9, 13, 15, 17, 18, 22, 23};

// Lords of the signs Aries to Pisces.
constexpr std::array<std::string_view, 12> kLords = {"Mars",    "Venus",   "Mercury", "Moon",
                                                     "Sun",     "Mercury", "Venus",   "Mars",
                                                     "Jupiter", "Saturn",  "Saturn",  "Jupiter"};

// Bhakoot dosha by the count from the boy's sign to the girl's, 1..12: the 2/12, 5/9
// and 6/8 relations.
constexpr std::array<bool, 13> kBhakootByCount = {false, false, true, false, false, true, true,
                                                  false, true,  true, false, false, true};

bool IsRakshasa(int n) {
  for (int r : kRakshasaNakshatras) {
    if (r == n) {
      return true;
    }
  }
  return false;
}

using E = DoshaException;

TEST(PairDoshas, EverySignAndNakshatraPair) {
  int present[3] = {0, 0, 0};
  for (int bs = 0; bs < 12; ++bs) {
    for (int gs = 0; gs < 12; ++gs) {
      const bool same_lord = kLords[bs] == kLords[gs];
      const bool friendly = kGrahaMaitriMatrix[bs][gs] >= 4.0;
      const int count = (gs - bs + 12) % 12 + 1;
      for (int bn = 0; bn < 27; ++bn) {
        for (int gn = 0; gn < 27; ++gn) {
          const PairDoshas d = AssessPairDoshas({bs, gs, bn, gn});
          std::vector<E> nadi;
          std::vector<E> bhakoot;
          std::vector<E> gana;
          const bool nadi_present = kNadiCycle[bn % 6] == kNadiCycle[gn % 6];
          if (nadi_present) {
            if (bs == gs && bn != gn) {
              nadi.push_back(E::SameRashiDifferentNakshatra);
            }
            if (bn == gn && bs != gs) {
              nadi.push_back(E::SameNakshatraDifferentRashi);
            }
            if (same_lord) {
              nadi.push_back(E::SameRashiLord);
            }
          }
          const bool bhakoot_present = kBhakootByCount[count];
          if (bhakoot_present) {
            if (same_lord) {
              bhakoot.push_back(E::SameRashiLord);
            }
            if (friendly) {
              bhakoot.push_back(E::FriendlyRashiLords);
            }
          }
          const bool gana_present = IsRakshasa(bn) != IsRakshasa(gn);
          if (gana_present && friendly) {
            gana.push_back(E::FriendlyRashiLords);
          }
          const bool expected[3] = {nadi_present, bhakoot_present, gana_present};
          const std::vector<E>* lists[3] = {&nadi, &bhakoot, &gana};
          for (int k = 0; k < 3; ++k) {
            ASSERT_EQ(d[k].Dosha, static_cast<PairDosha>(k));
            ASSERT_EQ(d[k].Present, expected[k])
                << kPairDoshaNames[k] << " " << bs << " " << gs << " " << bn << " " << gn;
            ASSERT_EQ(d[k].Exceptions, *lists[k])
                << kPairDoshaNames[k] << " " << bs << " " << gs << " " << bn << " " << gn;
            present[k] += expected[k] ? 1 : 0;
          }
        }
      }
    }
  }
  // A third of nakshatra pairs share a nadi; half of sign pairs are 2/12, 5/9 or 6/8;
  // 2 x 9 x 18 of 27 x 27 nakshatra pairs have exactly one Rakshasa.
  EXPECT_EQ(present[0], 144 * 243);
  EXPECT_EQ(present[1], 72 * 729);
  EXPECT_EQ(present[2], 144 * 324);
}

}  // namespace
}  // namespace lumora
