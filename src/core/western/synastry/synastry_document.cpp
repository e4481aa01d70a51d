// SPDX-License-Identifier: MIT
#include "core/western/synastry/synastry_document.h"

#include <cmath>
#include <cstdio>

#include "core/ephemeris/zodiac.h"
#include "core/glossary/glossary.h"
#include "core/glossary/phrases.h"
#include "core/glossary/western_phrases.h"
#include "core/text.h"

namespace lumora {

namespace {

struct AspectStyle {
  AspectKind Kind;
  Rgb Color;
  std::string_view Abbreviation;
};

// One record per aspect, in the order of kAspectDefinitions.
constexpr std::array<AspectStyle, kAspectDefinitions.size()> kAspectStyles{{
    {AspectKind::Conjunction, {158, 104, 0}, "Cnj"},
    {AspectKind::Sextile, {0, 100, 190}, "Sxt"},
    {AspectKind::Square, {196, 32, 32}, "Sqr"},
    {AspectKind::Trine, {18, 128, 56}, "Tri"},
    {AspectKind::Opposition, {150, 30, 140}, "Opp"},
    {AspectKind::SemiSextile, {70, 130, 150}, "SSx"},
    {AspectKind::Quincunx, {120, 84, 30}, "Qnx"},
}};

constexpr std::array<std::string_view, kSynastryPointCount> kPointAbbreviations = {
    "Su", "Mo", "Me", "Ve", "Ma", "Ju", "Sa", "Ur", "Ne", "Pl", "Ra", "As", "MC"};

std::string DegreesMinutes(double value) {
  const double magnitude = std::fabs(value);
  int degrees = static_cast<int>(magnitude);
  int minutes = static_cast<int>((magnitude - degrees) * 60.0);
  if (minutes >= 60) {
    degrees += 1;
    minutes -= 60;
  }
  return std::to_string(degrees) + "\u00B0" + TwoDigits(minutes) + "\u2032";
}

std::string PointName(ChartPoint point) {
  return std::string(ChartPointName(point));
}

}  // namespace

Rgb AspectColor(AspectKind kind) {
  return kAspectStyles[static_cast<std::size_t>(kind)].Color;
}

std::string_view AspectAbbreviation(AspectKind kind) {
  return kAspectStyles[static_cast<std::size_t>(kind)].Abbreviation;
}

std::string_view PointAbbreviation(ChartPoint point) {
  return kPointAbbreviations[SynastrySlot(point)];
}

std::string OrbText(double orb) {
  return DegreesMinutes(orb);
}

std::string LongitudeText(double longitude, Language language) {
  return ShortPositionWords(language, ToZodiacPosition(longitude));
}

std::string AspectWords(const SynastryAspect& aspect) {
  std::string words = std::string(AspectName(aspect.Kind)) + ", orb " + OrbText(aspect.Orb);
  if (aspect.Applying) {
    words += *aspect.Applying ? ", applying" : ", separating";
  }
  return words;
}

std::string HousesText(const HouseCusps& houses, Language language) {
  const WesternPhrases& words = WesternPhrasesOf(language);
  const std::string used(words.HouseSystems[static_cast<std::size_t>(houses.Used)]);
  return houses.FellBack() ? Fill(words.PlacidusFellBack, {used}) : used;
}

std::string DavisonText(const DavisonMoment& moment) {
  const UtcDateTime t = UtcFromJulianDay(moment.JulianDayUt);
  char when[40];
  std::snprintf(when, sizeof when, "%04d-%02d-%02d %02d:%02d:%02d UT", t.Year, t.Month, t.Day,
                t.Hour, t.Minute, t.Second);
  return std::string(when) + ", " + DegreesMinutes(moment.Latitude) +
         (moment.Latitude < 0.0 ? " S, " : " N, ") + DegreesMinutes(moment.EastLongitude) +
         (moment.EastLongitude < 0.0 ? " W" : " E");
}

DocumentBiWheel MakeBiWheel(const SynastryReading& reading, const std::string& a_name,
                            const std::string& b_name, Language language) {
  DocumentBiWheel wheel;
  wheel.Caption = Fill(WesternPhrasesOf(language).WheelCaption, {Trim(a_name), Trim(b_name)});
  wheel.InnerName = Trim(a_name);
  wheel.OuterName = Trim(b_name);
  for (int i = 0; i < kSynastryPointCount; ++i) {
    wheel.Inner[i] = reading.A.Points[i].Longitude;
    wheel.Outer[i] = reading.B.Points[i].Longitude;
  }
  wheel.InnerCusps = reading.HousesA.Cusps;
  wheel.Aspects = reading.Aspects;
  return wheel;
}

void AppendSynastrySection(Document& document, const SynastryReading& reading,
                           const std::string& a_name, const std::string& b_name,
                           Language language) {
  const std::string a = Trim(a_name);
  const std::string b = Trim(b_name);
  const WesternPhrases& words = WesternPhrasesOf(language);
  // A point's word: the chart's own name in English, the language's word otherwise.
  const bool english = language == Language::English;
  const auto point_word = [&words, english](ChartPoint point) {
    return english ? PointName(point) : std::string(words.Points[static_cast<std::size_t>(point)]);
  };
  document.Blocks.emplace_back(DocumentPageBreak{});
  AddParagraph(document, ParagraphStyle::Heading, std::string(words.Synastry));
  AddParagraph(document, ParagraphStyle::Body, Fill(words.GridNote, {a, b}));

  DocumentTable grid;
  DocumentRow header{TextCell("", true)};
  for (int j = 0; j < kSynastryPointCount; ++j) {
    DocumentCell cell = TextCell(std::string(PointAbbreviation(kSynastryPoints[j])), true);
    cell.Align = CellAlign::Center;
    header.push_back(cell);
  }
  grid.Rows.push_back(std::move(header));
  for (int i = 0; i < kSynastryPointCount; ++i) {
    DocumentRow row{TextCell(std::string(PointAbbreviation(kSynastryPoints[i])), true)};
    for (int j = 0; j < kSynastryPointCount; ++j) {
      row.push_back(TextCell(""));
      row.back().Align = CellAlign::Center;
    }
    grid.Rows.push_back(std::move(row));
  }
  for (const SynastryAspect& aspect : reading.Aspects) {
    DocumentCell& cell = grid.Rows[SynastrySlot(aspect.A) + 1][SynastrySlot(aspect.B) + 1];
    cell.Text = std::string(AspectAbbreviation(aspect.Kind)) + "\n" + OrbText(aspect.Orb);
    if (aspect.Applying) {
      cell.Text += *aspect.Applying ? " A" : " S";
    }
    cell.Color = AspectColor(aspect.Kind);
  }
  document.Blocks.emplace_back(std::move(grid));

  document.Blocks.emplace_back(MakeBiWheel(reading, a, b, language));

  AddParagraph(document, ParagraphStyle::Subheading, std::string(words.HouseOverlays));
  AddParagraph(document, ParagraphStyle::Body,
               Fill(words.HousesLine, {a, HousesText(reading.HousesA, language), b,
                                       HousesText(reading.HousesB, language)}));
  DocumentTable overlays;
  overlays.ColumnWeights = {3, 3, 3};
  overlays.Rows.push_back({TextCell("", true), TextCell(Fill(words.InHouseOf, {a, b}), true),
                           TextCell(Fill(words.InHouseOf, {b, a}), true)});
  for (int i = 0; i < kSynastryPointCount; ++i) {
    overlays.Rows.push_back({TextCell(point_word(kSynastryPoints[i]), true),
                             TextCell(std::to_string(reading.AInB[i])),
                             TextCell(std::to_string(reading.BInA[i]))});
  }
  document.Blocks.emplace_back(std::move(overlays));

  AddParagraph(document, ParagraphStyle::Subheading, std::string(words.CompositeAndDavison));
  AddParagraph(document, ParagraphStyle::Body,
               Fill(words.CompositeNote, {DavisonText(reading.Davison)}));
  DocumentTable relationship;
  relationship.ColumnWeights = {3, 3, 3};
  relationship.Rows.push_back({TextCell("", true), TextCell(std::string(words.Composite), true),
                               TextCell(std::string(words.Davison), true)});
  for (int i = 0; i < kSynastryPointCount; ++i) {
    relationship.Rows.push_back(
        {TextCell(point_word(kSynastryPoints[i]), true),
         TextCell(LongitudeText(reading.Composite[i], language)),
         TextCell(LongitudeText(reading.DavisonChart.Points[i].Longitude, language))});
  }
  document.Blocks.emplace_back(std::move(relationship));
}

}  // namespace lumora
