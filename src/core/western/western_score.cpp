// SPDX-License-Identifier: MIT
#include "core/western/western_score.h"

#include <array>
#include <cmath>

namespace lumora {

namespace {

constexpr int kPointsPerDegree = 30;

struct CommentBand {
  int UpTo;  // highest percentage of the band, inclusive
  std::string_view Comment;
};

// Searched from the lowest band upward; the first band that holds the value wins.
constexpr std::array<CommentBand, 4> kCommentBands{{
    {20, "Very Bad"},
    {40, "Bad"},
    {60, "Average"},
    {80, "Good"},
}};
constexpr std::string_view kTopComment = "Very Good";

}  // namespace

std::string_view CompatibilityComment(int percentage) {
  for (const CommentBand& band : kCommentBands) {
    if (percentage <= band.UpTo) {
      return band.Comment;
    }
  }
  return kTopComment;
}

WesternScore ScoreWesternCompatibility(const ZodiacPosition& male_moon,
                                       const ZodiacPosition& female_moon) {
  WesternScore score;
  score.Power = male_moon.Degrees * kPointsPerDegree;
  score.Harmony = female_moon.Degrees * kPointsPerDegree;
  // Both factors are multiples of 30, so the product over 100 is the whole number
  // 9 x dM x dF; rounding to nearest (ties to even) never changes it.
  const long product = static_cast<long>(score.Power) * score.Harmony;
  score.PowerTimesHarmony = static_cast<int>(std::nearbyint(static_cast<double>(product) / 100.0));
  score.Percentage = static_cast<int>(std::floor(score.PowerTimesHarmony / 100.0));
  score.Comment = std::string(CompatibilityComment(score.Percentage));
  return score;
}

}  // namespace lumora
