// SPDX-License-Identifier: MIT
// How pages and reports put charts, doshas and birth-time windows into words.
#include <gtest/gtest.h>

#include "core/vedic/chart/charts_and_doshas.h"

namespace lumora {
namespace {

TEST(ChartWords, ScoreRange) {
  struct Case {
    const char* source;
    ScoreRange range;
    const char* words;
  };
  const Case cases[] = {
      {"steady total",
       {30, 18.0, 18.0, {}},
       "Within 30 minutes either side of the birth times the total stays at 18 points; no koota "
       "changes."},
      {"one koota",
       {5, 20.5, 23.0, {2}},
       "Within 5 minutes either side of the birth times the total lies between 20.5 and 23 "
       "points; Tara changes."},
      {"three kootas",
       {60, 11.0, 26.5, {2, 4, 7}},
       "Within 60 minutes either side of the birth times the total lies between 11 and 26.5 "
       "points; Tara, Graha Maitri and Nadi change."},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ScoreRangeWords(c.range), c.words) << c.source;
  }
}

TEST(ChartWords, DoshasAndExceptions) {
  PairDoshas doshas{};
  for (int d = 0; d < 3; ++d) {
    doshas[d].Dosha = static_cast<PairDosha>(d);
  }
  EXPECT_EQ(DoshasPresentWords(doshas), "No Nadi, Bhakoot or Gana dosha is present.");
  doshas[0].Present = true;
  doshas[0].Exceptions = {DoshaException::SameRashiDifferentNakshatra,
                          DoshaException::SameRashiLord};
  doshas[2].Present = true;
  EXPECT_EQ(DoshasPresentWords(doshas), "Doshas present: Nadi, Gana.");
  EXPECT_EQ(DoshaWords(doshas[0]),
            "Nadi dosha: present. Exceptions: Same rashi, different nakshatras; Both rashis have "
            "the same lord");
  EXPECT_EQ(DoshaWords(doshas[1]), "Bhakoot dosha: not present");
  EXPECT_EQ(DoshaWords(doshas[2]), "Gana dosha: present");
  EXPECT_EQ(ExceptionListWords({}), "None");
  for (int e = 0; e < kDoshaExceptionCount; ++e) {
    EXPECT_FALSE(ExceptionWords(static_cast<DoshaException>(e)).empty()) << e;
  }
  // Manglik says whether exceptions apply with it, never a bare "Yes" beside them.
  ManglikAssessment manglik;
  EXPECT_EQ(ManglikWords(manglik), "No");
  manglik.IsManglik = true;
  EXPECT_EQ(ManglikWords(manglik), "Yes");
  manglik.Exceptions = {DoshaException::JupiterAspect, DoshaException::LagnaCancerOrLeo};
  EXPECT_EQ(ManglikWords(manglik),
            "Yes, with exceptions: " + std::string(ExceptionWords(DoshaException::JupiterAspect)) +
                "; " + std::string(ExceptionWords(DoshaException::LagnaCancerOrLeo)));
  manglik.IsManglik = false;
  EXPECT_EQ(ManglikWords(manglik), "No");
  EXPECT_EQ(ManglikMatchWords(ManglikMatch::Both),
            "Both are Manglik: the dosha is traditionally held cancelled");
}

// Ends on the entered day are times only; others carry their date; an end that met the
// search limit says so.
TEST(ChartWords, Windows) {
  BirthMoment m;
  m.BirthYear = 1990;
  m.BirthMonth = 5;
  m.BirthDay = 10;
  m.BirthHour = 6;
  BirthTimeWindows w;
  w.Nakshatra = 3;
  w.Pada = 2;
  w.Rashi = 1;
  w.LagnaSign = 4;
  auto window = [&](long long from, long long to, bool from_limit = false, bool to_limit = false) {
    TimeWindow tw;
    tw.FromSeconds = from;
    tw.ToSeconds = to;
    tw.From = ClockAfter(m, from);
    tw.To = ClockAfter(m, to);
    tw.FromAtLimit = from_limit;
    tw.ToAtLimit = to_limit;
    return tw;
  };
  w.Windows[0] = window(-3600, 7 * 3600);
  w.Windows[1] = window(-800, 4003);
  w.Windows[2] = window(-7 * 3600 - 1, 20 * 3600, false, true);
  w.Windows[3] = window(-120, 60);
  EXPECT_EQ(WindowWords(w, WindowKind::Nakshatra, m), "Moon in Rohini from 05:00:00 to 13:00:00");
  EXPECT_EQ(WindowWords(w, WindowKind::Pada, m), "Moon in Rohini pada 2 from 05:46:40 to 07:06:43");
  EXPECT_EQ(WindowWords(w, WindowKind::Rashi, m),
            "Moon in Taurus from 1990-05-09 22:59:59 to 1990-05-11 02:00:00 or later");
  EXPECT_EQ(WindowWords(w, WindowKind::Lagna, m), "Lagna in Leo from 05:58:00 to 06:01:00");
}

}  // namespace
}  // namespace lumora
