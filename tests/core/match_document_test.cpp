// SPDX-License-Identifier: MIT
// The shareable documents: the Guna Milan table holds the window's grid, profile
// matches say what they lack, catalogue pages come on request.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/vedic/porutham/porutham_words.h"
#include "core/vedic/result/export_document.h"
#include "core/vedic/result/match_document.h"
#include "core/western/western_document.h"
#include "reference_forms.h"

namespace lumora {
namespace {

std::vector<const DocumentTable*> Tables(const Document& doc) {
  std::vector<const DocumentTable*> tables;
  for (const DocumentBlock& block : doc.Blocks) {
    if (const auto* table = std::get_if<DocumentTable>(&block)) {
      tables.push_back(table);
    }
  }
  return tables;
}

std::size_t PageBreaks(const Document& doc) {
  std::size_t breaks = 0;
  for (const DocumentBlock& block : doc.Blocks) {
    breaks += std::holds_alternative<DocumentPageBreak>(block) ? 1 : 0;
  }
  return breaks;
}

TEST(MatchDocument, GunaMilanTableIsTheWindowsGrid) {
  MatchState state;
  const MatchOutcome outcome = RunMatch(state, testing::ReferenceForm());
  ASSERT_TRUE(outcome.Result);
  const MatchResult& r = *outcome.Result;
  const Document doc = ComposeMatchDocument(state, r, false);
  EXPECT_EQ(doc.Title, "Kundali Match: Arjun and Bela");
  const auto tables = Tables(doc);
  ASSERT_EQ(tables.size(), 4u);  // birth details, Guna Milan, Porutham, Papasamyam
  const DocumentTable& grid = *tables[1];
  ASSERT_EQ(grid.Rows.size(), 10u);  // titles, eight kootas, total
  for (int k = 0; k < kKootaCount; ++k) {
    const DocumentRow& row = grid.Rows[static_cast<std::size_t>(k + 1)];
    ASSERT_EQ(row.size(), 6u);
    EXPECT_EQ(row[0].Text, kGunaMilanRowTitles[static_cast<std::size_t>(k)]);
    const GunaMilanRow& cells = r.Grid.Rows[static_cast<std::size_t>(k)];
    const std::string* expected[] = {&cells.BoyValue, &cells.GirlValue, &cells.MaximumPoints,
                                     &cells.PointsObtained, &cells.AreaOfLife};
    for (std::size_t c = 0; c < std::size(expected); ++c) {
      EXPECT_EQ(row[c + 1].Text, *expected[c]) << k << "," << c;
    }
  }
  const DocumentRow& total = grid.Rows.back();
  EXPECT_EQ(total[1].Text, "This is a Fair Match");
  EXPECT_EQ(total[2].Text, "36");
  EXPECT_EQ(total[3].Text, r.TotalPoints);
  const std::string text = PlainText(doc);
  EXPECT_NE(text.find("You Have Obtained 18 Points Out Of 36 Points"), std::string::npos);
  EXPECT_NE(text.find("August 15, 1947"), std::string::npos);
  EXPECT_NE(text.find("Arjun belongs to Brahmin Varna; Bela belongs to Sudra Varna."),
            std::string::npos);
  EXPECT_EQ(text.find(kBirthDetailsNotStored), std::string::npos);
  EXPECT_EQ(PageBreaks(doc), 0u);

  // On request, the four catalogues after the reading: one break before the first, then
  // each follows the one before (a page each left most of three pages empty).
  const Document full = ComposeMatchDocument(state, r, true);
  EXPECT_EQ(PageBreaks(full), 1u);
  const auto first_catalogue =
      std::find_if(full.Blocks.begin(), full.Blocks.end(), [](const DocumentBlock& b) {
        const auto* p = std::get_if<DocumentParagraph>(&b);
        return p != nullptr && p->Runs.front().Text == "Rashi Information of Arjun";
      });
  ASSERT_NE(first_catalogue, full.Blocks.begin());
  EXPECT_TRUE(std::holds_alternative<DocumentPageBreak>(*(first_catalogue - 1)));
  const std::string full_text = PlainText(full);
  for (const char* heading : {"Rashi Information of Arjun", "Rashi Information of Bela",
                              "Nakshatra Information of Arjun", "Nakshatra Information of Bela"}) {
    EXPECT_NE(full_text.find(heading), std::string::npos) << heading;
  }
  EXPECT_NE(full_text.find("Vedic Name\tKataka"), std::string::npos);
}

// The porutham table sits between the Guna Milan table and the interpretation, row for
// row what the window shows; Papasamyam lists both persons' twelve placements where the
// birth details give charts, and a profile match says why it has none.
TEST(MatchDocument, PoruthamSectionFollowsTheGunaMilanTable) {
  MatchState state;
  const MatchOutcome outcome = RunMatch(state, testing::ReferenceForm());
  ASSERT_TRUE(outcome.Result && outcome.Result->Papasamyam);
  const MatchResult& r = *outcome.Result;
  const Document doc = ComposeMatchDocument(state, r, false);
  const auto tables = Tables(doc);
  ASSERT_EQ(tables.size(), 4u);
  const DocumentTable& poruthams = *tables[2];
  ASSERT_EQ(poruthams.Rows.size(), 12u);  // titles, ten poruthams, verdict
  const auto rows = PoruthamRows(r.Poruthams, r.Pair);
  for (std::size_t k = 0; k < rows.size(); ++k) {
    const DocumentRow& row = poruthams.Rows[k + 1];
    EXPECT_EQ(row[0].Text, rows[k].Name);
    EXPECT_EQ(row[1].Text, rows[k].Agrees);
    EXPECT_EQ(row[2].Text, rows[k].Decided);
    EXPECT_EQ(row[3].Text, rows[k].Meaning);
  }
  EXPECT_EQ(poruthams.Rows.back()[1].Text, PoruthamVerdictWords(r.Poruthams.Verdict));
  EXPECT_EQ(tables[3]->Rows.size(), 25u);  // titles, twelve placements of each person
  const std::string text = PlainText(doc);
  const auto guna = text.find("Guna Milan");
  const auto porutham = text.find("Porutham\n");
  const auto interpretation = text.find("Interpretation");
  EXPECT_LT(guna, porutham);
  EXPECT_LT(porutham, interpretation);
  EXPECT_NE(text.find(PapasamyamWords(*r.Papasamyam)), std::string::npos);

  MatchState profile_state;
  const MatchOutcome profile =
      OpenProfile(profile_state, "pair.kun", WriteProfile({"Leo", "Leo", "Magha", "Magha"}));
  ASSERT_TRUE(profile.Result);
  EXPECT_FALSE(profile.Result->Papasamyam);
  const Document profile_doc = ComposeMatchDocument(profile_state, *profile.Result, false);
  ASSERT_EQ(Tables(profile_doc).size(), 3u);
  // Magha with Magha: the same star shares its Rajju group, a veto.
  EXPECT_NE(PlainText(profile_doc).find("both Pada"), std::string::npos);
  EXPECT_NE(PlainText(profile_doc).find("Papasamyam needs both persons' birth details"),
            std::string::npos);
}

TEST(MatchDocument, ProfileMatchSaysItHasNoBirthDetails) {
  MatchState state;
  const MatchOutcome outcome =
      OpenProfile(state, "pair.kun", WriteProfile({"Leo", "Leo", "Magha", "Magha"}));
  ASSERT_TRUE(outcome.Result);
  const Document doc = ComposeMatchDocument(state, *outcome.Result, false);
  EXPECT_EQ(doc.Title, "Kundali Match: Boy and Girl");
  const std::string text = PlainText(doc);
  EXPECT_NE(text.find(kBirthDetailsNotStored), std::string::npos);
  EXPECT_EQ(text.find("Date of Birth"), std::string::npos);
  EXPECT_NE(text.find("Moon Sign (Rashi)\tLeo (Simha)\tLeo (Simha)"), std::string::npos);
  EXPECT_NE(text.find("The boy belongs to"), std::string::npos);
}

// Each person's rashi and nakshatra page holds the record of that person's Moon.
TEST(MatchDocument, CataloguePagesAreEachPersonsOwn) {
  MatchState state;
  const MatchOutcome outcome = RunMatch(state, testing::ReferenceForm());
  ASSERT_TRUE(outcome.Result);
  const struct {
    PersonSide side;
    CataloguePageKind kind;
    const char* title;
    const char* record;  // the record's name, the page's heading
  } cases[] = {
      {PersonSide::Male, CataloguePageKind::Rashi, "Rashi Information of Arjun", "Cancer"},
      {PersonSide::Female, CataloguePageKind::Rashi, "Rashi Information of Bela", "Libra"},
      {PersonSide::Male, CataloguePageKind::Nakshatra, "Nakshatra Information of Arjun", "Pushya"},
      {PersonSide::Female, CataloguePageKind::Nakshatra, "Nakshatra Information of Bela", "Swati"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    const Document doc = ComposeCatalogueDocument(state, c.side, c.kind);
    EXPECT_EQ(doc.Title, c.title);
    EXPECT_NE(PlainText(doc).find(c.record), std::string::npos) << PlainText(doc);
    // One row a field of the record, in the record's order, each under its label.
    const auto tables = Tables(doc);
    ASSERT_EQ(tables.size(), 1u);
    const bool rashi = c.kind == CataloguePageKind::Rashi;
    const std::size_t fields = rashi ? kRashiFields.size() : kNakshatraFields.size();
    ASSERT_EQ(tables[0]->Rows.size(), fields);
    const std::string_view first_value =
        rashi ? FindRashi(c.record)->*kRashiFields[0].Member
              : FindNakshatraRecord(c.record)->*kNakshatraFields[0].Member;
    EXPECT_EQ(tables[0]->Rows[0][1].Text, first_value);
  }
}

// The timing section: its own document, and in the match after a page break.
TEST(MatchDocument, TimingStandsAloneAndInTheMatch) {
  MatchState state;
  const MatchOutcome outcome = RunMatch(state, testing::ReferenceForm());
  ASSERT_TRUE(outcome.Result);
  const LongitudeAt still_saturn = [](double) { return 100.0; };
  MatchTiming timing;
  timing.Couple = CombineTimings(
      ComputePersonTiming(250.0, 2447892.5, still_saturn, FixedUtcOffset(0), TimingOptions{}),
      ComputePersonTiming(40.0, 2448257.5, still_saturn, FixedUtcOffset(0), TimingOptions{}),
      std::nullopt);
  timing.Conventions = {"Standard", "365.25"};
  timing.ReferenceDay = DayNumberOf({2020, 1, 1});
  for (const bool in_match : {false, true}) {
    SCOPED_TRACE(in_match);
    const Document doc = in_match
                             ? ComposeMatchDocument(state, *outcome.Result, false, std::nullopt,
                                                    ChartStyle::NorthIndian, timing)
                             : ComposeTimingDocument(state, timing);
    EXPECT_EQ(doc.Title, "Kundali Match: Arjun and Bela");
    const std::string text = PlainText(doc);
    EXPECT_NE(text.find("Timing: Vimshottari Dashas And Sade Sati"), std::string::npos);
    EXPECT_NE(text.find("Arjun's mahadashas: Moon in Moola, Ketu balance 1.75 years at birth"),
              std::string::npos)
        << text;
    EXPECT_TRUE(std::any_of(doc.Blocks.begin(), doc.Blocks.end(), [](const DocumentBlock& b) {
      return std::holds_alternative<DocumentTimeline>(b);
    }));
    // In the match the section opens a page of its own.
    const auto heading = std::find_if(doc.Blocks.begin(), doc.Blocks.end(), [](const auto& b) {
      const auto* p = std::get_if<DocumentParagraph>(&b);
      return p && !p->Runs.empty() && p->Runs.front().Text.starts_with("Timing: Vimshottari");
    });
    ASSERT_NE(heading, doc.Blocks.end());
    EXPECT_EQ(std::holds_alternative<DocumentPageBreak>(*std::prev(heading)), in_match);
  }
}

const DocumentCharts* ChartsBlock(const Document& doc) {
  for (const DocumentBlock& block : doc.Blocks) {
    if (const auto* charts = std::get_if<DocumentCharts>(&block)) {
      return charts;
    }
  }
  return nullptr;
}

// Where the charts stand: the pictures after the interpretation and before the section
// in words, each chart the person's own, in the style asked for; a match from a profile
// file has its doshas in words only.
TEST(MatchDocument, ChartsArePicturesWhereBirthDetailsGiveThem) {
  MatchState form_state;
  const MatchOutcome form = RunMatch(form_state, testing::ReferenceForm());
  ASSERT_TRUE(form.Result);
  MatchState profile_state;
  const MatchOutcome profile =
      OpenProfile(profile_state, "pair.kun", WriteProfile({"Leo", "Leo", "Magha", "Magha"}));
  ASSERT_TRUE(profile.Result);
  const struct {
    const char* what;
    const MatchState& state;
    const MatchResult& result;
    bool with_charts;
    ChartStyle style;
    bool pictures;
  } cases[] = {
      {"form, North Indian", form_state, *form.Result, true, ChartStyle::NorthIndian, true},
      {"form, South Indian", form_state, *form.Result, true, ChartStyle::SouthIndian, true},
      {"form without charts", form_state, *form.Result, false, ChartStyle::NorthIndian, false},
      {"profile", profile_state, *profile.Result, true, ChartStyle::NorthIndian, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto charts =
        c.with_charts ? ComputeChartsAndDoshas(c.state, c.result.BoyMoment, c.result.GirlMoment, 30)
                      : std::nullopt;
    ASSERT_EQ(charts.has_value(), c.with_charts);
    for (const bool whole_match : {true, false}) {
      SCOPED_TRACE(whole_match);
      if (!whole_match && !c.with_charts) {
        continue;  // no charts, no charts page
      }
      const std::optional<Document> doc =
          whole_match ? ComposeMatchDocument(c.state, c.result, false, charts, c.style)
                      : ComposeChartsDocument(c.state, c.result, *charts, c.style);
      const std::string text = PlainText(*doc);
      EXPECT_EQ(text.find("Charts And Doshas") != std::string::npos, c.with_charts);
      const DocumentCharts* pictures = ChartsBlock(*doc);
      ASSERT_EQ(pictures != nullptr, c.pictures);
      if (!pictures) {
        continue;
      }
      EXPECT_EQ(pictures->Style, c.style);
      ASSERT_EQ(pictures->Charts.size(), 2u);
      EXPECT_EQ(pictures->Charts[0].Caption, "Arjun");
      EXPECT_EQ(pictures->Charts[1].Caption, "Bela");
      EXPECT_EQ(pictures->Charts[0].Chart.Lagna, charts->Boy->Chart.Lagna);
      EXPECT_EQ(pictures->Charts[1].Chart.Planets, charts->Girl->Chart.Planets);
      const std::size_t heading = text.find("Charts And Doshas\nRasi Charts\nArjun\nBela\n");
      EXPECT_NE(heading, std::string::npos) << text;
      EXPECT_LT(heading, text.find("Birth-Time Windows\n"));
      if (whole_match) {
        EXPECT_LT(text.find("Nadi Kuta"), heading);
      }
    }
  }
}

// The section's parts as headed tables, in order; each caption row names what it holds,
// and the verdicts are the window's words.
TEST(MatchDocument, ChartsSectionIsHeadedTables) {
  MatchState state;
  const MatchOutcome form = RunMatch(state, testing::ReferenceForm());
  ASSERT_TRUE(form.Result);
  auto charts = ComputeChartsAndDoshas(state, form.Result->BoyMoment, form.Result->GirlMoment, 30);
  ASSERT_TRUE(charts && charts->Boy && charts->Girl);
  charts->Boy->Manglik.IsManglik = true;
  charts->Boy->Manglik.Exceptions = {DoshaException::JupiterAspect};
  charts->Girl->Manglik.IsManglik = false;
  charts->Girl->Manglik.Exceptions = {DoshaException::LagnaCancerOrLeo};
  const std::optional<Document> doc = ComposeChartsDocument(state, *form.Result, *charts);
  // Each table follows its subheading; no paragraph of run-on text is left between them.
  const struct {
    const char* heading;
    std::size_t rows;
    const char* first_caption;
  } parts[] = {
      {"Manglik", 1 + 3 + 1 + 1 + 1, "Mars from Lagna"},
      {"Doshas", 1 + 3, "Nadi"},
      {"Birth-Time Windows", 1 + kWindowKindCount, "Nakshatra"},
  };
  std::size_t part = 0;
  for (std::size_t i = 0; i + 1 < doc->Blocks.size() && part < std::size(parts); ++i) {
    const auto* paragraph = std::get_if<DocumentParagraph>(&doc->Blocks[i]);
    if (!paragraph || paragraph->Style != ParagraphStyle::Subheading ||
        paragraph->Runs.front().Text != parts[part].heading) {
      continue;
    }
    SCOPED_TRACE(parts[part].heading);
    const auto* table = std::get_if<DocumentTable>(&doc->Blocks[i + 1]);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->HeaderRows, 1);
    EXPECT_EQ(table->Rows.size(), parts[part].rows);
    EXPECT_EQ(table->Rows[1][0].Text, parts[part].first_caption);
    ++part;
  }
  EXPECT_EQ(part, std::size(parts));
  const std::string text = PlainText(*doc);
  // Where each graha stands is said once, in each person's planet table before the
  // section's tables.
  const std::size_t planets = text.find("Planets\nArjun\n");
  EXPECT_NE(planets, std::string::npos) << text;
  EXPECT_LT(planets, text.find("Manglik\n\tArjun\tBela\n"));
  EXPECT_NE(text.find("Manglik\tYes, with exceptions: " +
                      std::string(ExceptionWords(DoshaException::JupiterAspect)) + "\tNo\n"),
            std::string::npos)
      << text;
  EXPECT_NE(
      text.find("Exceptions\t\t" + std::string(ExceptionWords(DoshaException::LagnaCancerOrLeo))),
      std::string::npos);
  EXPECT_NE(text.find("Manglik match\t" + ManglikMatchWords(*charts->Manglik)), std::string::npos);
  EXPECT_NE(text.find(ScoreRangeWords(*charts->Range)), std::string::npos);
  // A profile's match has the doshas' table alone, under the same heading.
  MatchState profile_state;
  const MatchOutcome profile =
      OpenProfile(profile_state, "pair.kun", WriteProfile({"Leo", "Leo", "Magha", "Magha"}));
  const auto doshas = ComputeChartsAndDoshas(profile_state, std::nullopt, std::nullopt, 30);
  ASSERT_TRUE(doshas);
  const std::string profile_text =
      PlainText(ComposeChartsDocument(profile_state, *profile.Result, *doshas));
  EXPECT_NE(profile_text.find("Doshas\nDosha\tPresent\tExceptions\nNadi\tYes"), std::string::npos)
      << profile_text;
  EXPECT_EQ(profile_text.find("Birth-Time Windows"), std::string::npos);
}

// After the rasi charts: both Navamsa charts in the same style, then each person's zodiac
// and planet table; the birth details name the zodiac the match was computed with.
TEST(MatchDocument, NavamsaChartsAndPlanetTablesFollowTheRasiCharts) {
  const ChartOptions lahiri{Ayanamsa::Lahiri, NodeKind::True};
  MatchState state;
  const MatchOutcome outcome =
      RunMatch(state, testing::ReferenceForm(), MoonModel::Standard, lahiri);
  ASSERT_TRUE(outcome.Result);
  const auto charts = ComputeChartsAndDoshas(state, outcome.Result->BoyMoment,
                                             outcome.Result->GirlMoment, 30, lahiri);
  ASSERT_TRUE(charts && charts->Boy && charts->Girl);
  const Document doc =
      ComposeMatchDocument(state, *outcome.Result, false, charts, ChartStyle::SouthIndian);
  std::vector<const DocumentCharts*> pictures;
  for (const DocumentBlock& block : doc.Blocks) {
    if (const auto* p = std::get_if<DocumentCharts>(&block)) {
      pictures.push_back(p);
    }
  }
  ASSERT_EQ(pictures.size(), 2u);
  const DocumentCharts& navamsas = *pictures[1];
  EXPECT_EQ(navamsas.Style, ChartStyle::SouthIndian);
  ASSERT_EQ(navamsas.Charts.size(), 2u);
  for (std::size_t p = 0; p < 2; ++p) {
    const SiderealChart& rasi = p == 0 ? charts->Boy->Chart : charts->Girl->Chart;
    const SiderealChart& d9 = navamsas.Charts[p].Chart;
    EXPECT_TRUE(d9.Navamsa);
    EXPECT_EQ(SignOf(d9.Lagna), NavamsaSign(rasi.Lagna));
    EXPECT_EQ(SignOf(d9.Of(Graha::Moon)), NavamsaSign(rasi.Of(Graha::Moon)));
  }
  const std::string text = PlainText(doc);
  const std::string boy_zodiac = AyanamsaWords(*state.BoyDetails.Zodiac);
  EXPECT_NE(text.find("Ayanamsa\t" + boy_zodiac + "\t"), std::string::npos) << text;
  EXPECT_NE(text.find("Node\tTrue\tTrue\n"), std::string::npos) << text;
  const std::size_t navamsa = text.find("Navamsa Charts\nArjun\nBela\n");
  const std::size_t planets = text.find("Planets\nArjun\nAyanamsa: " + boy_zodiac +
                                        "\r\nNode: True\nPlanet\tSign\tDegrees\tNakshatra\tPada\n"
                                        "Lagna\t");
  EXPECT_NE(navamsa, std::string::npos) << text;
  EXPECT_NE(planets, std::string::npos) << text;
  EXPECT_LT(text.find("Rasi Charts"), navamsa);
  EXPECT_LT(navamsa, planets);
  // The section opens with its heading; the tables in words follow the planet tables.
  EXPECT_LT(text.find("Charts And Doshas"), text.find("Rasi Charts"));
  EXPECT_LT(planets, text.find("Manglik\n\tArjun\tBela\n"));
  // The Moon's row names the nakshatra the match was computed with.
  const std::string moon_row =
      "\nMoon\t" + std::string(kSignNames[static_cast<std::size_t>(state.Boy.Sign)]) + "\t";
  EXPECT_NE(text.find(moon_row, planets), std::string::npos) << text;
}

TEST(WesternDocument, HoldsTheReportsValues) {
  WesternTestResult result;
  result.Report.mName = "Tom ";
  result.Report.fName = "Ann";
  result.Report.mDOB = "January 5, 1980";
  result.Male.Longitudes[static_cast<std::size_t>(ChartPoint::Moon)] = 282.5;          // 12 Cap 30
  result.Female.Longitudes[static_cast<std::size_t>(ChartPoint::Midheaven)] = 1.0345;  // 01 Ari 02
  result.Score = {360, 270, 972, 9, "Very Bad"};
  const Document doc = ComposeWesternDocument(result);
  EXPECT_EQ(doc.Title, "Western Compatibility: Tom and Ann");
  const auto tables = Tables(doc);
  ASSERT_EQ(tables.size(), 3u);
  EXPECT_EQ(tables[1]->Rows.size(), 15u);  // heading and fourteen points
  const std::string text = PlainText(doc);
  EXPECT_NE(text.find("Moon\t12 Cap 30\t"), std::string::npos);
  EXPECT_NE(text.find("P * H\t972"), std::string::npos);
  EXPECT_NE(text.find("Comment\tVery Bad"), std::string::npos);
  EXPECT_NE(text.find("Date of Birth:\tJanuary 5, 1980"), std::string::npos);
  EXPECT_NE(text.find("Time of Birth:\t"), std::string::npos);
}

}  // namespace
}  // namespace lumora
