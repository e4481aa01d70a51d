// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/ephemeris/birth_moment.h"
#include "core/ephemeris/moon_sign.h"
#include "core/glossary/language.h"
#include "core/report_run.h"
#include "core/vedic/chart/birth_time.h"
#include "core/vedic/chart/doshas.h"
#include "core/vedic/chart/sidereal_chart.h"
#include "core/vedic/match/match.h"

namespace lumora {

// What a person's birth details give beyond the Moon.
struct PersonChartReading {
  SiderealChart Chart;
  ManglikAssessment Manglik;
  BirthTimeWindows Windows;
  MoonModel Model = MoonModel::Standard;  // the Moon of the chart and the windows
  // Both Moons of the birth, present only when the choice of Moon changes the
  // nakshatra or the pada.
  std::optional<MoonModelComparison> MoonDifference;
};

// The charts and doshas of one match. The persons' readings, the Manglik verdict and the
// score range need birth details; a match from a profile file has the doshas only.
struct ChartsAndDoshas {
  std::optional<PersonChartReading> Boy;
  std::optional<PersonChartReading> Girl;
  std::optional<ManglikMatch> Manglik;
  std::optional<ScoreRange> Range;
  PairDoshas Doshas;
};

// The Moon values of the state as table positions.
MoonPair MoonPairOf(const MatchState& state);

// The chart, Manglik and windows come from the precise ephemeris with the options; the
// model is the match's Moon (the kootas' Moon), compared with the other one.
PersonChartReading ReadPersonChart(const BirthMoment& moment, MoonModel model = MoonModel::Standard,
                                   const ChartOptions& options = {});

// Nothing when the state's Moon values lie outside the tables (no match would run).
// Each person's chart, windows and score range use the Moon the match was computed
// with (the Moon of the person's details).
std::optional<ChartsAndDoshas> ComputeChartsAndDoshas(const MatchState& state,
                                                      const std::optional<BirthMoment>& boy,
                                                      const std::optional<BirthMoment>& girl,
                                                      int uncertainty_minutes,
                                                      const ChartOptions& options = {});

// One row of the planet table beside a chart: a point of the chart with its place.
struct PlanetTableRow {
  std::string_view Point;  // "Lagna", "Sun" .. "Ketu"
  double Longitude = 0.0;  // sidereal degrees
  int Nakshatra = 0;       // 0..26
  int Pada = 1;            // 1..4
  bool Retrograde = false;
};

// The Lagna, then the grahas in chart order.
std::vector<PlanetTableRow> PlanetTable(const SiderealChart& chart);

// ---------------------------------------------------------------- words

// The columns of a planet table, and one row's cells: "Saturn (R)", "Leo", "12°03′04″"
// (within the sign, truncated as every position is), "Magha", "2".
inline constexpr std::array<std::string_view, 5> kPlanetTableTitles = {"Planet", "Sign", "Degrees",
                                                                       "Nakshatra", "Pada"};
std::array<std::string, 5> PlanetTableCells(const PlanetTableRow& row,
                                            Language language = Language::English);

// "Both are Manglik: the dosha is traditionally held cancelled" ...
std::string ManglikMatchWords(ManglikMatch match, Language language = Language::English);
// "No", "Yes", or "Yes, with exceptions: ..." where exceptions apply (they are notes; they
// never clear the dosha).
std::string ManglikWords(const ManglikAssessment& manglik, Language language = Language::English);
// The exceptions joined with "; ", or "None".
std::string ExceptionListWords(const std::vector<DoshaException>& exceptions,
                               Language language = Language::English);
// "Nadi dosha: present. Exceptions: ..." or "Bhakoot dosha: not present".
std::string DoshaWords(const DoshaAssessment& dosha, Language language = Language::English);
// "Moon in Rohini pada 2 from 05:12:40 to 11:40:03"; an end on another day than the
// entered one carries its date.
std::string WindowWords(const BirthTimeWindows& windows, WindowKind kind, const BirthMoment& moment,
                        Language language = Language::English);
// "Punarvasu pada 4 by the standard Moon, Pushya pada 1 by the precise Moon (38"
// apart); this match uses the precise Moon."
std::string MoonDifferenceWords(const MoonModelComparison& comparison, MoonModel used);
// "Within 30 minutes either side the total lies between 21.5 and 25 points; Tara and
// Nadi change."
std::string ScoreRangeWords(const ScoreRange& range);
// "Doshas present: Nadi, Gana." or "No Nadi, Bhakoot or Gana dosha is present."
std::string DoshasPresentWords(const PairDoshas& doshas, Language language = Language::English);

// The runs the Interpretation page adds: which doshas are present.
ReportDocument ComposeDoshaSummary(const PairDoshas& doshas, Language language = Language::English);

}  // namespace lumora
