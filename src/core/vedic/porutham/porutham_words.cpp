// SPDX-License-Identifier: MIT
#include "core/vedic/porutham/porutham_words.h"

#include <cmath>

#include "core/ephemeris/zodiac.h"
#include "core/vedic/match/classical_tables.h"

namespace lumora {

namespace {

struct PoruthamText {
  std::string_view Title;
  std::string_view Meaning;
};

// Indexed by Porutham. What each agreement is read for, as the Tamil almanacs
// summarise it.
constexpr std::array<PoruthamText, kPoruthamCount> kPoruthamTexts{{
    {"Dina", "Health and daily well-being of the couple"},
    {"Gana", "Temperament: a divine, human or fierce nature"},
    {"Mahendra", "Children, wealth and the growth of the family"},
    {"Stree Deergha", "The wife's long life and well-being"},
    {"Yoni", "Physical and intimate compatibility"},
    {"Rasi", "Continuity of the family line"},
    {"Rasiyathipathi", "Harmony through the friendship of the rashi lords"},
    {"Vasya", "Mutual attraction and regard"},
    {"Rajju", "The husband's long life; a shared Rajju vetoes the match"},
    {"Vedha", "Freedom from afflicting stars; a Vedha pair vetoes the match"},
}};

std::string Joined(std::string_view boy, std::string_view girl) {
  return std::string(boy) + " and " + std::string(girl);
}

std::string_view RajjuName(RajjuGroup group) {
  return kRajjuGroupNames[static_cast<std::size_t>(group)];
}

std::string_view SignName(int sign) {
  return kSignNames[static_cast<std::size_t>(sign)];
}

std::string Decided(const PoruthamResult& result, const MoonPair& pair) {
  const auto b = static_cast<std::size_t>(pair.BoyNakshatra);
  const auto g = static_cast<std::size_t>(pair.GirlNakshatra);
  switch (result.Which) {
    case Porutham::Dina:
    case Porutham::Mahendra:
    case Porutham::StreeDeergha:
      return "star count " + std::to_string(result.Count.value_or(0));
    case Porutham::Rasi:
      return "rashi count " + std::to_string(result.Count.value_or(0));
    case Porutham::Gana:
      return Joined(GanaName(GanaOf(pair.BoyNakshatra)), GanaName(GanaOf(pair.GirlNakshatra)));
    case Porutham::Yoni:
      return Joined(YoniAnimalName(YoniOf(pair.BoyNakshatra).Animal),
                    YoniAnimalName(YoniOf(pair.GirlNakshatra).Animal));
    case Porutham::Rasiyathipathi:
      return Joined(PlanetName(SignLord(pair.BoySign)), PlanetName(SignLord(pair.GirlSign)));
    case Porutham::Vasya:
      return Joined(SignName(pair.BoySign), SignName(pair.GirlSign));
    case Porutham::Rajju:
      if (result.Group) {
        return "both " + std::string(RajjuName(*result.Group));
      }
      return Joined(RajjuName(RajjuGroupOf(pair.BoyNakshatra)),
                    RajjuName(RajjuGroupOf(pair.GirlNakshatra)));
    case Porutham::Vedha:
      return result.Agrees ? Joined(kNakshatraNames[b], kNakshatraNames[g]) + " do not pierce"
                           : Joined(kNakshatraNames[b], kNakshatraNames[g]) + " pierce";
  }
  return {};
}

DocumentCell Cell(std::string text, bool bold = false, CellAlign align = CellAlign::Left) {
  DocumentCell cell;
  cell.Text = std::move(text);
  cell.Bold = bold;
  cell.Align = align;
  return cell;
}

constexpr Rgb kVerdictBlue{0, 0, 192};

}  // namespace

std::string_view PoruthamTitle(Porutham which) {
  return kPoruthamTexts[static_cast<std::size_t>(which)].Title;
}

std::string_view PoruthamMeaning(Porutham which) {
  return kPoruthamTexts[static_cast<std::size_t>(which)].Meaning;
}

std::array<PoruthamRow, kPoruthamCount> PoruthamRows(const PoruthamMatch& match,
                                                     const MoonPair& pair) {
  std::array<PoruthamRow, kPoruthamCount> rows;
  for (std::size_t k = 0; k < rows.size(); ++k) {
    const PoruthamResult& result = match.Poruthams[k];
    rows[k] = {std::string(PoruthamTitle(result.Which)), result.Agrees ? "Yes" : "No",
               Decided(result, pair), std::string(PoruthamMeaning(result.Which))};
  }
  return rows;
}

std::string PoruthamCountWords(const PoruthamMatch& match) {
  return std::to_string(match.Count) + " of " + std::to_string(kPoruthamCount) + " poruthams agree";
}

std::string PoruthamVetoWords(const PoruthamMatch& match) {
  std::string out = "Vetoes: ";
  if (match.Vetoes.empty()) {
    return out + "none";
  }
  for (std::size_t i = 0; i < match.Vetoes.size(); ++i) {
    out += (i == 0 ? "" : ", ") + std::string(PoruthamTitle(match.Vetoes[i]));
  }
  return out;
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

PapaRow PapaRowOf(const PapaPlacement& placement) {
  return {placement.Boy ? "Boy" : "Girl",
          std::string(kGrahaNames[static_cast<std::size_t>(placement.Planet)].Name),
          std::string(kPapaReferenceNames[static_cast<std::size_t>(placement.From)]),
          std::to_string(placement.House), QuarterPointsText(placement.Points)};
}

std::string PapasamyamWords(const PapasamyamResult& result) {
  return "Boy " + QuarterPointsText(result.Boy) + ", girl " + QuarterPointsText(result.Girl) +
         (result.Agrees ? ": the girl's malefics do not outweigh the boy's (agrees)"
                        : ": the girl's malefics outweigh the boy's (does not agree)");
}

void AppendPoruthamSection(Document& document, const PoruthamMatch& match, const MoonPair& pair,
                           const std::optional<PapasamyamResult>& papasamyam) {
  AddParagraph(document, ParagraphStyle::Heading, "Porutham");
  DocumentTable table;
  table.ColumnWeights = {3, 2, 4, 7};
  table.Rows.push_back(
      {Cell("PORUTHAM", true, CellAlign::Center), Cell("AGREES", true, CellAlign::Center),
       Cell("DECIDED BY", true, CellAlign::Center), Cell("MEANING", true, CellAlign::Center)});
  for (const PoruthamRow& row : PoruthamRows(match, pair)) {
    table.Rows.push_back({Cell(row.Name, true), Cell(row.Agrees, false, CellAlign::Center),
                          Cell(row.Decided), Cell(row.Meaning)});
  }
  DocumentCell verdict = Cell(std::string(PoruthamVerdictWords(match.Verdict)), true);
  verdict.Color = kVerdictBlue;
  DocumentCell count = Cell(PoruthamCountWords(match), true);
  count.Color = kVerdictBlue;
  table.Rows.push_back({Cell("VERDICT", true), verdict, count, Cell(PoruthamVetoWords(match))});
  document.Blocks.emplace_back(std::move(table));

  AddParagraph(document, ParagraphStyle::Subheading, "Papasamyam");
  if (!papasamyam) {
    AddParagraph(document, ParagraphStyle::Note,
                 "Papasamyam needs both persons' birth details; a profile file holds none.");
    return;
  }
  DocumentTable papa;
  papa.ColumnWeights = {2, 2, 2, 2, 2};
  papa.Rows.push_back({Cell("PERSON", true), Cell("PLANET", true), Cell("FROM", true),
                       Cell("HOUSE", true, CellAlign::Center),
                       Cell("POINTS", true, CellAlign::Center)});
  for (const PapaPlacement& placement : papasamyam->Placements) {
    const PapaRow row = PapaRowOf(placement);
    papa.Rows.push_back({Cell(row.Person), Cell(row.Planet), Cell(row.From),
                         Cell(row.House, false, CellAlign::Center),
                         Cell(row.Points, placement.Points > 0.0, CellAlign::Center)});
  }
  document.Blocks.emplace_back(std::move(papa));
  DocumentParagraph totals;
  totals.Runs.push_back({PapasamyamWords(*papasamyam), true, kVerdictBlue});
  document.Blocks.emplace_back(std::move(totals));
}

ReportDocument ComposePoruthamReport(const PoruthamMatch& match, const MoonPair& pair,
                                     const std::optional<PapasamyamResult>& papasamyam) {
  ReportDocument runs;
  runs.push_back({std::string("Porutham (South Indian match)") + kCrLf, true, kVerdictBlue});
  for (const PoruthamRow& row : PoruthamRows(match, pair)) {
    runs.push_back({row.Name + ": " + row.Agrees + " (" + row.Decided + "). ", true, Rgb{}});
    runs.push_back({row.Meaning + "." + kCrLf, false, Rgb{}});
  }
  runs.push_back({PoruthamCountWords(match) + ". " + PoruthamVetoWords(match) + ". Verdict: " +
                      std::string(PoruthamVerdictWords(match.Verdict)) + "." + kCrLf,
                  true, kVerdictBlue});
  if (papasamyam) {
    std::string contributions;
    for (const PapaPlacement& placement : papasamyam->Contributions()) {
      const PapaRow row = PapaRowOf(placement);
      contributions += row.Person + " " + row.Planet + " in house " + row.House + " from the " +
                       row.From + " (" + row.Points + "); ";
    }
    runs.push_back({"Papasamyam: " + PapasamyamWords(*papasamyam) + "." + kCrLf, true, Rgb{}});
    if (!contributions.empty()) {
      contributions.resize(contributions.size() - 2);
      runs.push_back({contributions + "." + kCrLf, false, Rgb{}});
    }
  }
  runs.push_back({kCrLf, false, std::nullopt});
  return runs;
}

}  // namespace lumora
