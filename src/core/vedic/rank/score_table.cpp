// SPDX-License-Identifier: MIT
#include "core/vedic/rank/score_table.h"

#include <cmath>

#include "core/ephemeris/zodiac.h"
#include "core/text.h"
#include "core/vedic/match/match.h"

namespace lumora {

namespace {

template <std::size_t N>
std::optional<int> IndexIn(const std::array<std::string_view, N>& names, std::string_view name) {
  for (std::size_t i = 0; i < N; ++i) {
    if (names[i] == name) {
      return static_cast<int>(i);
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<MoonState> MoonStateOf(std::string_view rashi, std::string_view nakshatra) {
  const auto r = IndexIn(kSignNames, rashi);
  const auto n = IndexIn(kNakshatraNames, nakshatra);
  if (!r || !n) {
    return std::nullopt;
  }
  return MoonState{*r, *n};
}

std::optional<MoonState> MoonStateOf(const MoonSignResult& moon) {
  return MoonStateOf(BareSignName(moon.MoonSignName), moon.NakshatraName);
}

std::string_view RashiName(MoonState state) {
  return kSignNames[state.Sign];
}

std::string_view NakshatraName(MoonState state) {
  return kNakshatraNames[state.Nakshatra];
}

std::string HalfPointsText(int half_points) {
  return FormatHalfPoints(half_points / 2.0);
}

const ScoreTable& ScoreTable::Instance() {
  static const ScoreTable table;
  return table;
}

ScoreTable::ScoreTable()
    : cells_(static_cast<std::size_t>(kMoonStateCount) * kMoonStateCount),
      boy_totals_(cells_.size()),
      girl_totals_(cells_.size()) {
  // Four kootas read only the two signs and four only the two nakshatras, so each
  // scorer runs once per sign pair or nakshatra pair and every state pair is put
  // together from those.
  using Scorer = KootaResult (*)(std::string_view, std::string_view);
  struct KootaScorer {
    int Koota;  // place in koota order
    Scorer Score;
  };
  constexpr KootaScorer kBySign[] = {{0, CalculateVarnaKuta},
                                     {1, CalculateVasyaKuta},
                                     {4, CalculateGrahaMaitriKuta},
                                     {6, CalculateRashiKuta}};
  constexpr KootaScorer kByNakshatra[] = {{2, CalculateTaraKuta},
                                          {3, CalculateYoniKuta},
                                          {5, CalculateGanaKuta},
                                          {7, CalculateNadiKuta}};
  // Every name passed here is in the tables, so every koota scores; the matrices
  // hold whole and half points only.
  const auto half_points = [](const KootaResult& result) {
    return static_cast<std::uint8_t>(std::lround(ParsePoints(result.Points).value_or(0.0) * 2.0));
  };
  std::vector<PairScore> by_sign(kRashiCount * kRashiCount);
  for (int b = 0; b < kRashiCount; ++b) {
    for (int g = 0; g < kRashiCount; ++g) {
      for (const KootaScorer& s : kBySign) {
        by_sign[b * kRashiCount + g].Points[s.Koota] =
            half_points(s.Score(kSignNames[b], kSignNames[g]));
      }
    }
  }
  std::vector<PairScore> by_nakshatra(kNakshatraCount * kNakshatraCount);
  for (int b = 0; b < kNakshatraCount; ++b) {
    for (int g = 0; g < kNakshatraCount; ++g) {
      for (const KootaScorer& s : kByNakshatra) {
        by_nakshatra[b * kNakshatraCount + g].Points[s.Koota] =
            half_points(s.Score(kNakshatraNames[b], kNakshatraNames[g]));
      }
    }
  }
  for (int boy = 0; boy < kMoonStateCount; ++boy) {
    const MoonState b = MoonStateAt(boy);
    for (int girl = 0; girl < kMoonStateCount; ++girl) {
      const MoonState g = MoonStateAt(girl);
      const PairScore& signs = by_sign[b.Sign * kRashiCount + g.Sign];
      const PairScore& nakshatras = by_nakshatra[b.Nakshatra * kNakshatraCount + g.Nakshatra];
      const std::size_t at = static_cast<std::size_t>(boy) * kMoonStateCount + girl;
      PairScore& cell = cells_[at];
      int total = 0;
      for (int k = 0; k < kKootaCount; ++k) {
        // Each koota is set in exactly one of the two partial scores.
        cell.Points[k] = static_cast<std::uint8_t>(signs.Points[k] + nakshatras.Points[k]);
        total += cell.Points[k];
      }
      cell.Total = static_cast<std::uint8_t>(total);
      boy_totals_[at] = cell.Total;
      girl_totals_[static_cast<std::size_t>(girl) * kMoonStateCount + boy] = cell.Total;
    }
  }
}

}  // namespace lumora
