// SPDX-License-Identifier: MIT
#include "core/vedic/chart/charts_and_doshas.h"

#include <cmath>
#include <cstdio>

#include "core/ephemeris/zodiac.h"
#include "core/glossary/glossary.h"
#include "core/glossary/phrases.h"
#include "core/text.h"
#include "core/vedic/match/koota_texts.h"

namespace lumora {

namespace {

constexpr Rgb kHeadingColor{128, 0, 0};
constexpr Rgb kBlack{0, 0, 0};

std::string EndWords(const TimeWindow& w, bool from, const BirthMoment& moment,
                     const Phrases& words) {
  const LocalClock& clock = from ? w.From : w.To;
  const LocalClock entered = ClockAfter(moment, 0);
  const bool same_day =
      clock.Year == entered.Year && clock.Month == entered.Month && clock.Day == entered.Day;
  std::string text = same_day ? FormatClockTime(clock) : FormatLocalClock(clock);
  if (from ? w.FromAtLimit : w.ToAtLimit) {
    text += from ? words.OrEarlier : words.OrLater;
  }
  return text;
}

// The word of a planet-table point: the Lagna or a graha, by its English name.
std::string PointWord(std::string_view point, Language language) {
  for (int g = 0; g < kGrahaCount; ++g) {
    if (kGrahaNames[static_cast<std::size_t>(g)].Name == point) {
      return std::string(GrahaWord(language, static_cast<Graha>(g)));
    }
  }
  return std::string(GlossaryOf(language).Lagna);
}

void Line(ReportDocument& doc, const std::string& text, bool bold = false,
          std::optional<Rgb> color = kBlack) {
  doc.push_back({text + kCrLf, bold, color});
}

}  // namespace

MoonPair MoonPairOf(const MatchState& state) {
  return MoonPair{state.Boy.Sign, state.Girl.Sign, state.Boy.Nakshatra, state.Girl.Nakshatra};
}

PersonChartReading ReadPersonChart(const BirthMoment& moment, MoonModel model,
                                   const ChartOptions& options) {
  PersonChartReading reading;
  reading.Model = model;
  reading.Chart = CalculateSiderealChart(moment, options);
  reading.Manglik = AssessManglik(reading.Chart);
  reading.Windows = FindBirthTimeWindows(moment, options);
  MoonModelComparison comparison = CompareMoonModels(moment, options.ayanamsa);
  if (comparison.PadaDiffers) {
    reading.MoonDifference = std::move(comparison);
  }
  return reading;
}

std::optional<ChartsAndDoshas> ComputeChartsAndDoshas(const MatchState& state,
                                                      const std::optional<BirthMoment>& boy,
                                                      const std::optional<BirthMoment>& girl,
                                                      int uncertainty_minutes,
                                                      const ChartOptions& options) {
  ChartsAndDoshas out;
  out.Doshas = AssessPairDoshas(MoonPairOf(state));
  if (boy && girl) {
    const MoonModel model = state.BoyDetails.Moon;  // one Moon for the whole match
    out.Boy = ReadPersonChart(*boy, model, options);
    out.Girl = ReadPersonChart(*girl, model, options);
    out.Manglik = MatchManglik(out.Boy->Manglik.IsManglik, out.Girl->Manglik.IsManglik);
    out.Range = CalculateScoreRange(*boy, *girl, uncertainty_minutes, model, options.ayanamsa,
                                    state.Tables);
  }
  return out;
}

std::vector<PlanetTableRow> PlanetTable(const SiderealChart& chart) {
  auto row = [](std::string_view point, double longitude, bool retrograde) {
    return PlanetTableRow{point, longitude, NakshatraIndex(longitude), NakshatraPada(longitude),
                          retrograde};
  };
  std::vector<PlanetTableRow> rows{row("Lagna", chart.Lagna, false)};
  for (int g = 0; g < kGrahaCount; ++g) {
    const auto graha = static_cast<Graha>(g);
    rows.push_back(row(kGrahaNames[static_cast<std::size_t>(g)].Name, chart.Of(graha),
                       chart.IsRetrograde(graha)));
  }
  return rows;
}

std::array<std::string, 5> PlanetTableCells(const PlanetTableRow& row, Language language) {
  const ZodiacPosition p = ToZodiacPosition(row.Longitude);
  char degrees[48];
  std::snprintf(degrees, sizeof degrees, "%d\u00B0%02d\u2032%02d\u2033", p.Degrees, p.Minutes,
                p.Seconds);
  const Glossary& g = GlossaryOf(language);
  return {PointWord(row.Point, language) +
              (row.Retrograde ? " " + std::string(g.RetrogradeMark) : std::string()),
          std::string(RashiWord(language, p.Sign)), degrees,
          std::string(NakshatraWord(language, row.Nakshatra)), std::to_string(row.Pada)};
}

std::string ManglikMatchWords(ManglikMatch match, Language language) {
  return std::string(PhrasesOf(language).ManglikMatches[static_cast<std::size_t>(match)]);
}

std::string ExceptionListWords(const std::vector<DoshaException>& exceptions, Language language) {
  if (exceptions.empty()) {
    return std::string(PhrasesOf(language).None);
  }
  std::string text;
  for (const DoshaException e : exceptions) {
    if (!text.empty()) {
      text += "; ";
    }
    text += DoshaExceptionWord(language, e);
  }
  return text;
}

std::string ManglikWords(const ManglikAssessment& manglik, Language language) {
  const Phrases& words = PhrasesOf(language);
  if (!manglik.IsManglik) {
    return std::string(words.No);
  }
  if (manglik.Exceptions.empty()) {
    return std::string(words.Yes);
  }
  return Fill(words.YesWithExceptions, {ExceptionListWords(manglik.Exceptions, language)});
}

std::string DoshaWords(const DoshaAssessment& dosha, Language language) {
  const Phrases& words = PhrasesOf(language);
  const std::string_view name = PairDoshaWord(language, dosha.Dosha);
  if (!dosha.Present) {
    return Fill(words.DoshaNotPresent, {name});
  }
  if (dosha.Exceptions.empty()) {
    return Fill(words.DoshaPresent, {name});
  }
  return Fill(words.DoshaPresentExceptions, {name, ExceptionListWords(dosha.Exceptions, language)});
}

std::string WindowWords(const BirthTimeWindows& windows, WindowKind kind, const BirthMoment& moment,
                        Language language) {
  const Phrases& words = PhrasesOf(language);
  std::string text;
  switch (kind) {
    case WindowKind::Nakshatra:
      text = Fill(words.MoonIn, {NakshatraWord(language, windows.Nakshatra)});
      break;
    case WindowKind::Pada:
      text = Fill(words.MoonInPada,
                  {NakshatraWord(language, windows.Nakshatra), std::to_string(windows.Pada)});
      break;
    case WindowKind::Rashi:
      text = Fill(words.MoonIn, {RashiWord(language, windows.Rashi)});
      break;
    case WindowKind::Lagna:
      text = Fill(words.LagnaIn, {RashiWord(language, windows.LagnaSign)});
      break;
  }
  const TimeWindow& w = windows.Of(kind);
  return Fill(words.WindowFromTo,
              {text, EndWords(w, true, moment, words), EndWords(w, false, moment, words)});
}

std::string MoonDifferenceWords(const MoonModelComparison& comparison, MoonModel used) {
  const long long apart = std::llround(std::abs(comparison.DifferenceArcseconds));
  return comparison.Standard.NakshatraName + " pada " + std::to_string(comparison.StandardPada) +
         " by the standard Moon, " + comparison.Precise.NakshatraName + " pada " +
         std::to_string(comparison.PrecisePada) + " by the precise Moon (" + std::to_string(apart) +
         "\" apart); this match uses the " + (used == MoonModel::Precise ? "precise" : "standard") +
         " Moon.";
}

std::string ScoreRangeWords(const ScoreRange& range) {
  std::string text = "Within " + std::to_string(range.Minutes) + " minutes either side of the " +
                     "birth times the total ";
  if (range.Lowest == range.Highest) {
    text += "stays at " + FormatHalfPoints(range.Lowest) + " points; no koota changes.";
    return text;
  }
  text += "lies between " + FormatHalfPoints(range.Lowest) + " and " +
          FormatHalfPoints(range.Highest) + " points; ";
  std::vector<std::string> names;
  for (const int k : range.ChangingKootas) {
    names.emplace_back(kKootas[static_cast<std::size_t>(k)].Koota);
  }
  text += JoinNames(names, " and ") + (names.size() == 1 ? " changes." : " change.");
  return text;
}

std::string DoshasPresentWords(const PairDoshas& doshas, Language language) {
  // English names the doshas by their kootas alone ("Nadi, Gana"); the other languages by
  // the dosha's own name.
  std::vector<std::string> present;
  for (const DoshaAssessment& d : doshas) {
    if (d.Present) {
      present.emplace_back(language == Language::English
                               ? kPairDoshaNames[static_cast<std::size_t>(d.Dosha)]
                               : PairDoshaWord(language, d.Dosha));
    }
  }
  const Phrases& words = PhrasesOf(language);
  if (present.empty()) {
    return std::string(words.NoPairDosha);
  }
  return Fill(words.DoshasPresent, {JoinNames(present, ", ")});
}

ReportDocument ComposeDoshaSummary(const PairDoshas& doshas, Language language) {
  ReportDocument doc;
  Line(doc, std::string(PhrasesOf(language).Doshas), true, kHeadingColor);
  Line(doc, DoshasPresentWords(doshas, language));
  for (const DoshaAssessment& d : doshas) {
    if (d.Present) {
      Line(doc, DoshaWords(d, language));
    }
  }
  return doc;
}

}  // namespace lumora
