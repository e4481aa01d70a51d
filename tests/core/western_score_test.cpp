// SPDX-License-Identifier: MIT
// Western compatibility figures from the two Moon positions.
#include <gtest/gtest.h>

#include "core/western/western_score.h"

namespace lumora {
namespace {

struct ScoreCase {
  const char* source;
  ZodiacPosition male_moon;  // sign, degrees, minutes, seconds
  ZodiacPosition female_moon;
  int power, harmony, ph, percentage;
  const char* comment;
};

TEST(ScoreWesternCompatibility, FiguresAndBands) {
  // The worked cases of the scoring rules, including both sides of every band edge
  // that can occur (9 x dM x dF / 100 never exceeds 75).
  const ScoreCase cases[] = {
      {"both Moons at 0 degrees", {0, 0, 10, 0}, {9, 0, 59, 0}, 0, 0, 0, 0, "Very Bad"},
      {"highest figures", {11, 29, 59, 0}, {0, 29, 0, 0}, 870, 870, 7569, 75, "Good"},
      {"dM 10, dF 23", {1, 10, 0, 0}, {2, 23, 0, 0}, 300, 690, 2070, 20, "Very Bad"},
      {"dM 10, dF 24", {1, 10, 0, 0}, {2, 24, 0, 0}, 300, 720, 2160, 21, "Bad"},
      {"dM 19, dF 23", {3, 19, 0, 0}, {3, 23, 0, 0}, 570, 690, 3933, 39, "Bad"},
      {"dM 19, dF 24", {3, 19, 0, 0}, {3, 24, 0, 0}, 570, 720, 4104, 41, "Average"},
      {"dM 25, dF 27", {5, 25, 0, 0}, {6, 27, 0, 0}, 750, 810, 6075, 60, "Average"},
      {"dM 26, dF 27", {5, 26, 0, 0}, {6, 27, 0, 0}, 780, 810, 6318, 63, "Good"},
      {"sign and minutes do not count (1)",
       {7, 7, 42, 0},
       {0, 10, 0, 0},
       210,
       300,
       630,
       6,
       "Very Bad"},
      {"sign and minutes do not count (2)",
       {0, 7, 0, 0},
       {11, 10, 59, 0},
       210,
       300,
       630,
       6,
       "Very Bad"},
      {"swapped: dM 24, dF 10", {2, 24, 0, 0}, {1, 10, 0, 0}, 720, 300, 2160, 21, "Bad"},
      {"male Moon in its first degree", {4, 0, 45, 0}, {8, 29, 0, 0}, 0, 870, 0, 0, "Very Bad"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.source);
    const WesternScore s = ScoreWesternCompatibility(c.male_moon, c.female_moon);
    EXPECT_EQ(s.Power, c.power);
    EXPECT_EQ(s.Harmony, c.harmony);
    EXPECT_EQ(s.PowerTimesHarmony, c.ph);
    EXPECT_EQ(s.Percentage, c.percentage);
    EXPECT_EQ(s.Comment, c.comment);
  }
}

TEST(CompatibilityComment, InclusiveBandsUpward) {
  const struct {
    int percentage;
    const char* comment;
  } cases[] = {{-1, "Very Bad"}, {0, "Very Bad"},   {20, "Very Bad"},  {21, "Bad"},
               {40, "Bad"},      {41, "Average"},   {60, "Average"},   {61, "Good"},
               {80, "Good"},     {81, "Very Good"}, {100, "Very Good"}};
  for (const auto& c : cases) {
    EXPECT_EQ(CompatibilityComment(c.percentage), c.comment) << c.percentage;
  }
}

}  // namespace
}  // namespace lumora
