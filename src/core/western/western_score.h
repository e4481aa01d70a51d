// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "core/ephemeris/zodiac.h"

namespace lumora {

// The five figures of the Western compatibility block.
struct WesternScore {
  int Power = 0;              // male Moon's whole degrees within its sign x 30
  int Harmony = 0;            // female Moon's whole degrees within its sign x 30
  int PowerTimesHarmony = 0;  // Power x Harmony / 100
  int Percentage = 0;         // PowerTimesHarmony / 100, rounded down
  std::string Comment;
};

// Scores the two Moons. Only their whole degrees within the sign count: neither the
// sign nor the minutes.
WesternScore ScoreWesternCompatibility(const ZodiacPosition& male_moon,
                                       const ZodiacPosition& female_moon);

// "Very Bad" (20 or less), "Bad" (21 to 40), "Average" (41 to 60), "Good" (61 to 80),
// "Very Good" (81 or more).
std::string_view CompatibilityComment(int percentage);

}  // namespace lumora
