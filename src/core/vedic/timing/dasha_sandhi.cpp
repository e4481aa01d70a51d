// SPDX-License-Identifier: MIT
#include "core/vedic/timing/dasha_sandhi.h"

#include <cstdlib>

namespace lumora {

std::vector<SandhiEntry> FindDashaSandhi(const std::vector<int>& boy_changes,
                                         const std::vector<int>& girl_changes,
                                         std::optional<int> wedding_day) {
  std::vector<SandhiEntry> entries;
  if (wedding_day) {
    for (const int day : boy_changes) {
      const int apart = std::abs(day - *wedding_day);
      if (apart <= kDashaSandhiDays) {
        entries.push_back({day, std::nullopt, apart});
      }
    }
    for (const int day : girl_changes) {
      const int apart = std::abs(day - *wedding_day);
      if (apart <= kDashaSandhiDays) {
        entries.push_back({std::nullopt, day, apart});
      }
    }
  }
  for (const int boy_day : boy_changes) {
    for (const int girl_day : girl_changes) {
      const int apart = std::abs(boy_day - girl_day);
      if (apart <= kDashaSandhiDays) {
        entries.push_back({boy_day, girl_day, apart});
      }
    }
  }
  return entries;
}

}  // namespace lumora
