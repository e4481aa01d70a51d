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

namespace lumora {
namespace {

// A chart made by hand: Saturn and Mercury moving backwards, the nodes backwards as
// always; the Lagna on the last second of Aries.
SiderealChart HandChart() {
  SiderealChart chart;
  chart.Lagna = 30.0 - 0.5 / 3600.0;
  chart.Planets = {120.5, 39.0, 200.25, 355.0, 3.3334, 95.0, 130.0 + 3.0 / 60.0 + 4.5 / 3600.0,
                   11.0,  191.0};
  chart.Speeds = {0.98, 13.2, 0.6, -0.4, 0.1, 1.1, -0.05, -0.05, -0.05};
  return chart;
}

// Every row of the table beside a chart: the retrograde mark only where a planet moves
// backwards, degrees truncated within the sign, the nakshatra and pada of the longitude.
TEST(ChartWords, PlanetTable) {
  struct Row {
    const char* Point;
    const char* Sign;
    const char* Degrees;
    const char* Nakshatra;
    const char* Pada;
  };
  constexpr Row kRows[] = {
      {"Lagna", "Aries", "29\u00B059\u203259\u2033", "Krittika", "1"},
      {"Sun", "Leo", "0\u00B030\u203200\u2033", "Magha", "1"},
      {"Moon", "Taurus", "9\u00B000\u203200\u2033", "Krittika", "4"},
      {"Mars", "Libra", "20\u00B015\u203200\u2033", "Vishakha", "1"},
      {"Mercury (R)", "Pisces", "25\u00B000\u203200\u2033", "Revati", "3"},
      {"Jupiter", "Aries", "3\u00B020\u203200\u2033", "Ashwini", "2"},
      {"Venus", "Cancer", "5\u00B000\u203200\u2033", "Pushya", "1"},
      {"Saturn (R)", "Leo", "10\u00B003\u203204\u2033", "Magha", "4"},
      {"Rahu", "Aries", "11\u00B000\u203200\u2033", "Ashwini", "4"},
      {"Ketu", "Libra", "11\u00B000\u203200\u2033", "Swati", "2"},
  };
  const std::vector<PlanetTableRow> rows = PlanetTable(HandChart());
  ASSERT_EQ(rows.size(), std::size(kRows));
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const std::array<std::string, 5> cells = PlanetTableCells(rows[r]);
    EXPECT_EQ(cells[0], kRows[r].Point);
    EXPECT_EQ(cells[1], kRows[r].Sign) << kRows[r].Point;
    EXPECT_EQ(cells[2], kRows[r].Degrees) << kRows[r].Point;
    EXPECT_EQ(cells[3], kRows[r].Nakshatra) << kRows[r].Point;
    EXPECT_EQ(cells[4], kRows[r].Pada) << kRows[r].Point;
  }
}

// The chart pictures mark the same planets; the Navamsa picture writes signs only.
TEST(ChartWords, PlacementsMarkRetrogradePlanets) {
  const SiderealChart chart = HandChart();
  const std::vector<ChartPlacement> rasi = ChartPlacements(chart);
  ASSERT_EQ(rasi.size(), 10u);
  EXPECT_EQ(rasi[0].Label, "La 29\u00B059'");
  EXPECT_TRUE(rasi[0].Uncertain);
  EXPECT_EQ(rasi[4].Label, "Me(R) 25\u00B000'");
  EXPECT_EQ(rasi[7].Label, "Sa(R) 10\u00B003'");
  EXPECT_EQ(rasi[3].Label, "Ma 20\u00B015'");
  EXPECT_EQ(rasi[8].Label, "Ra 11\u00B000'");  // the nodes are never marked
  const std::vector<ChartPlacement> d9 = ChartPlacements(NavamsaChart(chart));
  EXPECT_EQ(d9[0].Label, "La");
  EXPECT_FALSE(d9[0].Uncertain);
  EXPECT_EQ(d9[0].Sign, NavamsaSign(chart.Lagna));
  EXPECT_EQ(d9[7].Label, "Sa(R)");
  EXPECT_EQ(d9[7].Sign, NavamsaSign(chart.Of(Graha::Saturn)));
}

}  // namespace
}  // namespace lumora
