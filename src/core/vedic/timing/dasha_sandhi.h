// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <vector>

namespace lumora {

// Two mahadasha changes this many days apart or fewer, or a change this near the
// wedding, make a Dasha Sandhi (half a year, as Kerala matching practice counts it).
inline constexpr int kDashaSandhiDays = 183;

// One Sandhi: a change of the boy's mahadasha, of the girl's, or of both, as local day
// numbers (days from 1970-01-01); DaysApart counts between the two changes, or between the
// one change and the wedding.
struct SandhiEntry {
  std::optional<int> BoyDay;
  std::optional<int> GirlDay;
  int DaysApart = 0;
};

// The Sandhis of two persons' mahadasha changes (each person's local days, in time order):
// first each change within kDashaSandhiDays of the wedding day, the boy's and then the
// girl's, in time order; then every pair of one change of each within kDashaSandhiDays of
// each other, in order of the boy's change and then the girl's.
std::vector<SandhiEntry> FindDashaSandhi(const std::vector<int>& boy_changes,
                                         const std::vector<int>& girl_changes,
                                         std::optional<int> wedding_day);

}  // namespace lumora
