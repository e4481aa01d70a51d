// SPDX-License-Identifier: MIT
#include "core/vedic/porutham/porutham_words.h"

#include <cmath>

#include "core/ephemeris/zodiac.h"
#include "core/glossary/glossary.h"
#include "core/glossary/phrases.h"
#include "core/vedic/match/classical_tables.h"

namespace lumora {

namespace {

// Indexed by Porutham: the English titles (the glossary's English names).
constexpr std::array<std::string_view, kPoruthamCount> kPoruthamTitles{
    "Dina", "Gana",           "Mahendra", "Stree Deergha", "Yoni",
    "Rasi", "Rasiyathipathi", "Vasya",    "Rajju",         "Vedha"};

std::string Decided(const PoruthamResult& result, const MoonPair& pair, Language language) {
  const Phrases& words = PhrasesOf(language);
  const Glossary& g = GlossaryOf(language);
  const auto joined = [&words](std::string_view boy, std::string_view girl) {
    return Fill(words.PairJoin, {boy, girl});
  };
  switch (result.Which) {
    case Porutham::Dina:
    case Porutham::Mahendra:
    case Porutham::StreeDeergha:
      return Fill(words.StarCount, {std::to_string(result.Count.value_or(0))});
    case Porutham::Rasi:
      return Fill(words.RashiCount, {std::to_string(result.Count.value_or(0))});
    case Porutham::Gana:
      return joined(g.Ganas[static_cast<std::size_t>(GanaOf(pair.BoyNakshatra))],
                    g.Ganas[static_cast<std::size_t>(GanaOf(pair.GirlNakshatra))]);
    case Porutham::Yoni:
      return joined(g.YoniAnimals[static_cast<std::size_t>(YoniOf(pair.BoyNakshatra).Animal)],
                    g.YoniAnimals[static_cast<std::size_t>(YoniOf(pair.GirlNakshatra).Animal)]);
    case Porutham::Rasiyathipathi:
      // Planet runs as Graha does, Sun .. Saturn.
      return joined(GrahaWord(language, static_cast<Graha>(SignLord(pair.BoySign))),
                    GrahaWord(language, static_cast<Graha>(SignLord(pair.GirlSign))));
    case Porutham::Vasya:
      return joined(RashiWord(language, pair.BoySign), RashiWord(language, pair.GirlSign));
    case Porutham::Rajju:
      if (result.Group) {
        return Fill(words.BothInGroup, {RajjuGroupWord(language, *result.Group)});
      }
      return joined(RajjuGroupWord(language, RajjuGroupOf(pair.BoyNakshatra)),
                    RajjuGroupWord(language, RajjuGroupOf(pair.GirlNakshatra)));
    case Porutham::Vedha:
      return Fill(result.Agrees ? words.DoNotPierce : words.Pierce,
                  {joined(NakshatraWord(language, pair.BoyNakshatra),
                          NakshatraWord(language, pair.GirlNakshatra))});
  }
  return {};
}

constexpr Rgb kVerdictBlue{0, 0, 192};

}  // namespace

std::string_view PoruthamTitle(Porutham which) {
  return kPoruthamTitles[static_cast<std::size_t>(which)];
}

std::string_view PoruthamMeaning(Porutham which, Language language) {
  return PhrasesOf(language).PoruthamMeanings[static_cast<std::size_t>(which)];
}

std::array<PoruthamRow, kPoruthamCount> PoruthamRows(const PoruthamMatch& match,
                                                     const MoonPair& pair, Language language) {
  const Phrases& words = PhrasesOf(language);
  std::array<PoruthamRow, kPoruthamCount> rows;
  for (std::size_t k = 0; k < rows.size(); ++k) {
    const PoruthamResult& result = match.Poruthams[k];
    rows[k] = {std::string(PoruthamWord(language, result.Which)),
               std::string(result.Agrees ? words.Yes : words.No), Decided(result, pair, language),
               std::string(PoruthamMeaning(result.Which, language))};
  }
  return rows;
}

std::string PoruthamCountWords(const PoruthamMatch& match, Language language) {
  return Fill(PhrasesOf(language).PoruthamCount,
              {std::to_string(match.Count), std::to_string(kPoruthamCount)});
}

std::string PoruthamVetoWords(const PoruthamMatch& match, Language language) {
  const Phrases& words = PhrasesOf(language);
  if (match.Vetoes.empty()) {
    return Fill(words.Vetoes, {words.VetoesNone});
  }
  std::string names;
  for (std::size_t i = 0; i < match.Vetoes.size(); ++i) {
    names += (i == 0 ? "" : ", ") + std::string(PoruthamWord(language, match.Vetoes[i]));
  }
  return Fill(words.Vetoes, {names});
}

std::string_view PoruthamVerdictWords(PoruthamVerdict verdict) {
  return kPoruthamVerdictNames[static_cast<std::size_t>(verdict)];
}

std::string QuarterPointsText(double points) {
  const long quarters = std::lround(points * 4.0);
  std::string out = std::to_string(quarters / 4);
  switch (quarters % 4) {
    case 1:
      return out + ".25";
    case 2:
      return out + ".5";
    case 3:
      return out + ".75";
    default:
      return out;
  }
}

PapaRow PapaRowOf(const PapaPlacement& placement, Language language) {
  const Phrases& words = PhrasesOf(language);
  // The references are the Lagna, the Moon and Venus (kPapaReferenceNames).
  constexpr std::array<Graha, 2> kReferenceGrahas = {Graha::Moon, Graha::Venus};
  const auto from = static_cast<std::size_t>(placement.From);
  return {std::string(placement.Boy ? words.Boy : words.Girl),
          std::string(GrahaWord(language, placement.Planet)),
          std::string(from == 0 ? GlossaryOf(language).Lagna
                                : GrahaWord(language, kReferenceGrahas[from - 1])),
          std::to_string(placement.House), QuarterPointsText(placement.Points)};
}

std::string PapasamyamWords(const PapasamyamResult& result, Language language) {
  const Phrases& words = PhrasesOf(language);
  return Fill(result.Agrees ? words.PapaAgrees : words.PapaDisagrees,
              {QuarterPointsText(result.Boy), QuarterPointsText(result.Girl)});
}

void AppendPoruthamSection(Document& document, const PoruthamMatch& match, const MoonPair& pair,
                           const std::optional<PapasamyamResult>& papasamyam, Language language) {
  const Phrases& words = PhrasesOf(language);
  AddParagraph(document, ParagraphStyle::Heading,
               std::string(GlossaryOf(language).PoruthamMatching));
  DocumentTable table;
  table.ColumnWeights = {3, 2, 4, 7};
  DocumentRow titles;
  for (const std::string_view title : words.PoruthamColumns) {
    titles.push_back(TextCell(std::string(title), true, CellAlign::Center));
  }
  table.Rows.push_back(std::move(titles));
  for (const PoruthamRow& row : PoruthamRows(match, pair, language)) {
    table.Rows.push_back({TextCell(row.Name, true), TextCell(row.Agrees, false, CellAlign::Center),
                          TextCell(row.Decided), TextCell(row.Meaning)});
  }
  DocumentCell verdict = TextCell(std::string(PoruthamVerdictWord(language, match.Verdict)), true);
  verdict.Color = kVerdictBlue;
  DocumentCell count = TextCell(PoruthamCountWords(match, language), true);
  count.Color = kVerdictBlue;
  table.Rows.push_back({TextCell(std::string(words.Verdict), true), verdict, count,
                        TextCell(PoruthamVetoWords(match, language))});
  document.Blocks.emplace_back(std::move(table));

  AddParagraph(document, ParagraphStyle::Subheading, std::string(GlossaryOf(language).Papasamyam));
  if (!papasamyam) {
    AddParagraph(document, ParagraphStyle::Note, std::string(words.PapasamyamNeedsCharts));
    return;
  }
  DocumentTable papa;
  papa.ColumnWeights = {2, 2, 2, 2, 2};
  DocumentRow papa_titles;
  for (std::size_t c = 0; c < words.PapaColumns.size(); ++c) {
    papa_titles.push_back(TextCell(std::string(words.PapaColumns[c]), true,
                                   c >= 3 ? CellAlign::Center : CellAlign::Left));
  }
  papa.Rows.push_back(std::move(papa_titles));
  for (const PapaPlacement& placement : papasamyam->Placements) {
    const PapaRow row = PapaRowOf(placement, language);
    papa.Rows.push_back({TextCell(row.Person), TextCell(row.Planet), TextCell(row.From),
                         TextCell(row.House, false, CellAlign::Center),
                         TextCell(row.Points, placement.Points > 0.0, CellAlign::Center)});
  }
  document.Blocks.emplace_back(std::move(papa));
  DocumentParagraph totals;
  totals.Runs.push_back({PapasamyamWords(*papasamyam, language), true, kVerdictBlue});
  document.Blocks.emplace_back(std::move(totals));
}

}  // namespace lumora
