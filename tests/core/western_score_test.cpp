// Western compatibility figures from the two Moon entries.
#include <gtest/gtest.h>

#include <stdexcept>

#include "core/western/western_score.h"

namespace lumora {
namespace {

WesternPositions WithMoon(const char* moon) {
  WesternPositions positions;
  positions.fill("15 Leo 30");  // every other point: must not count
  positions[static_cast<int>(WesternPoint::Moon)] = moon;
  positions[14].clear();
  return positions;
}

struct ScoreCase {
  const char* source;
  const char* male_moon;
  const char* female_moon;
  int power, harmony, ph, percentage;
  const char* comment;
};

TEST(ScoreWesternCompatibility, FiguresAndBands) {
  // The worked cases of the scoring rules, including both sides of every band edge
  // that can occur (9 x dM x dF / 100 never exceeds 75).
  const ScoreCase cases[] = {
      {"both Moons at 0 degrees", "00 Ari 10", "00 Cap 59", 0, 0, 0, 0, "Very Bad"},
      {"highest figures", "29 Pis 59", "29 Ari 00", 870, 870, 7569, 75, "Good"},
      {"dM 10, dF 23", "10 Tau 00", "23 Gem 00", 300, 690, 2070, 20, "Very Bad"},
      {"dM 10, dF 24", "10 Tau 00", "24 Gem 00", 300, 720, 2160, 21, "Bad"},
      {"dM 19, dF 23", "19 Can 00", "23 Can 00", 570, 690, 3933, 39, "Bad"},
      {"dM 19, dF 24", "19 Can 00", "24 Can 00", 570, 720, 4104, 41, "Average"},
      {"dM 25, dF 27", "25 Vir 00", "27 Lib 00", 750, 810, 6075, 60, "Average"},
      {"dM 26, dF 27", "26 Vir 00", "27 Lib 00", 780, 810, 6318, 63, "Good"},
      {"sign and minutes do not count (1)", "07 Sco 42", "10 Ari 00", 210, 300, 630, 6, "Very Bad"},
      {"sign and minutes do not count (2)", "07 Ari 00", "10 Pis 59", 210, 300, 630, 6, "Very Bad"},
      {"swapped: dM 24, dF 10", "24 Gem 00", "10 Tau 00", 720, 300, 2160, 21, "Bad"},
      {"male Moon in its first degree", "00 Leo 45", "29 Sag 00", 0, 870, 0, 0, "Very Bad"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.source);
    const WesternScore s =
        ScoreWesternCompatibility(WithMoon(c.male_moon), WithMoon(c.female_moon));
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

TEST(ScoreWesternCompatibility, RefusesAMoonWithoutDegrees) {
  for (const char* moon : {"", "7 Sco 42", " 07 Sco"}) {
    EXPECT_THROW(ScoreWesternCompatibility(WithMoon(moon), WithMoon("10 Ari 00")),
                 std::invalid_argument)
        << moon;
  }
}

}  // namespace
}  // namespace lumora
