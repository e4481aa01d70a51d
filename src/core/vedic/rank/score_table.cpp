// SPDX-License-Identifier: MIT
#include "core/vedic/rank/score_table.h"

#include <cmath>

#include "core/ephemeris/zodiac.h"
#include "core/text.h"

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
  return MoonState{moon.Position.Sign, NakshatraIndex(moon.SiderealLongitude)};
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

const ScoreTable& ScoreTable::Instance(KootaTables tables) {
  if (tables == KootaTables::Classical) {
    static const ScoreTable classical(KootaTables::Classical);
    return classical;
  }
  static const ScoreTable specified(KootaTables::Specified);
  return specified;
}

ScoreTable::ScoreTable(KootaTables tables)
    : tables_(tables),
      cells_(static_cast<std::size_t>(kMoonStateCount) * kMoonStateCount),
      boy_totals_(cells_.size()),
      girl_totals_(cells_.size()) {
  // A state carries no longitude: the vasya half of Sagittarius and Capricorn follows
  // the nakshatra, as for a profile.
  const KootaTableSet& set = TableSetOf(tables);
  std::vector<KootaMoon> moons(kMoonStateCount);
  for (int i = 0; i < kMoonStateCount; ++i) {
    const MoonState s = MoonStateAt(i);
    moons[static_cast<std::size_t>(i)] = KootaMoonOf(s.Sign, s.Nakshatra);
  }
  for (int boy = 0; boy < kMoonStateCount; ++boy) {
    for (int girl = 0; girl < kMoonStateCount; ++girl) {
      const KootaScores scores = ScoreKootas(set, moons[static_cast<std::size_t>(boy)],
                                             moons[static_cast<std::size_t>(girl)]);
      const std::size_t at = static_cast<std::size_t>(boy) * kMoonStateCount + girl;
      PairScore& cell = cells_[at];
      for (std::size_t k = 0; k < scores.size(); ++k) {
        cell.Points[k] = static_cast<std::uint8_t>(scores[k].HalfPoints);
      }
      cell.Total = static_cast<std::uint8_t>(TotalHalfPoints(scores));
      boy_totals_[at] = cell.Total;
      girl_totals_[static_cast<std::size_t>(girl) * kMoonStateCount + boy] = cell.Total;
    }
  }
}

}  // namespace lumora
