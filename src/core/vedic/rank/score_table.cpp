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
  return kSignNames[state.Rashi];
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
  for (int boy = 0; boy < kMoonStateCount; ++boy) {
    const MoonState b = MoonStateAt(boy);
    for (int girl = 0; girl < kMoonStateCount; ++girl) {
      const MoonState g = MoonStateAt(girl);
      const KootaResults kootas =
          ScoreAllKootas(RashiName(b), RashiName(g), NakshatraName(b), NakshatraName(g));
      PairScore& cell = cells_[static_cast<std::size_t>(boy) * kMoonStateCount + girl];
      int total = 0;
      for (int k = 0; k < kKootaCount; ++k) {
        // Every name here is in the tables, so every koota scores; the matrices
        // hold whole and half points only.
        const double points = ParsePoints(kootas[k].Points).value_or(0.0);
        cell.Points[k] = static_cast<std::uint8_t>(std::lround(points * 2.0));
        total += cell.Points[k];
      }
      cell.Total = static_cast<std::uint8_t>(total);
      boy_totals_[static_cast<std::size_t>(boy) * kMoonStateCount + girl] = cell.Total;
      girl_totals_[static_cast<std::size_t>(girl) * kMoonStateCount + boy] = cell.Total;
    }
  }
}

}  // namespace lumora
