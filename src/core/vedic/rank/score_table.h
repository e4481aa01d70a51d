// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ephemeris/moon_sign.h"
#include "core/vedic/chart/birth_time.h"
#include "core/vedic/match/koota_scoring.h"

namespace lumora {

// A person's Moon state (sign, nakshatra) is everything a Vedic match reads of that
// person. A birth reaches only 36 of the 12 x 27 states (a nakshatra lies in one
// sign, or in two where a sign boundary cuts it), but a profile file may name any.
inline constexpr int kRashiCount = 12;
inline constexpr int kNakshatraCount = 27;
inline constexpr int kMoonStateCount = kRashiCount * kNakshatraCount;  // 324

constexpr int MoonStateIndex(MoonState state) {
  return state.Sign * kNakshatraCount + state.Nakshatra;
}
constexpr MoonState MoonStateAt(int index) {
  return {index / kNakshatraCount, index % kNakshatraCount};
}

// The state of bare names ("Libra", "Swati"); nothing when either is not in the tables.
std::optional<MoonState> MoonStateOf(std::string_view rashi, std::string_view nakshatra);
// The state of a computed Moon, read from the same names the match reads.
std::optional<MoonState> MoonStateOf(const MoonSignResult& moon);

std::string_view RashiName(MoonState state);      // "Libra"
std::string_view NakshatraName(MoonState state);  // "Swati"

// One pair's points in half points, so every sum is exact: koota k scored
// Points[k] / 2, the whole match Total / 2 out of 36.
struct PairScore {
  std::array<std::uint8_t, kKootaCount> Points{};
  std::uint8_t Total = 0;
};

inline constexpr int kMaximumHalfPoints = 72;

// Every boy state against every girl state, scored once by the same koota
// scorers a single match uses, so ranking a pair costs one look-up.
class ScoreTable {
 public:
  // One table per set of koota tables, each built on first use.
  static const ScoreTable& Instance(KootaTables tables = KootaTables::Specified);
  KootaTables Tables() const { return tables_; }

  const PairScore& Score(int boy_state, int girl_state) const {
    return cells_[static_cast<std::size_t>(boy_state) * kMoonStateCount +
                  static_cast<std::size_t>(girl_state)];
  }
  // The totals alone, one byte each, row by boy state: what a ranking walks.
  const std::uint8_t* TotalsOfBoy(int boy_state) const {
    return &boy_totals_[static_cast<std::size_t>(boy_state) * kMoonStateCount];
  }
  const std::uint8_t* TotalsOfGirl(int girl_state) const {
    return &girl_totals_[static_cast<std::size_t>(girl_state) * kMoonStateCount];
  }

 private:
  explicit ScoreTable(KootaTables tables);
  KootaTables tables_;
  std::vector<PairScore> cells_;
  std::vector<std::uint8_t> boy_totals_;   // [boy][girl]
  std::vector<std::uint8_t> girl_totals_;  // [girl][boy]
};

// "23.5", "23": the text a match shows for a number of half points.
std::string HalfPointsText(int half_points);

}  // namespace lumora
