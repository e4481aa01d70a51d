// SPDX-License-Identifier: MIT
#include "core/vedic/result/match_document.h"

#include "core/ephemeris/zodiac.h"
#include "core/text.h"
#include "core/vedic/porutham/porutham_words.h"
#include "core/vedic/result/export_document.h"
#include "core/vedic/result/nakshatra_catalogue.h"
#include "core/vedic/result/rashi_catalogue.h"

namespace lumora {

namespace {

constexpr Rgb kVerdictBlue{0, 0, 192};

std::string NameOr(std::string_view name, std::string_view fallback) {
  std::string trimmed = Trim(name);
  return trimmed.empty() ? std::string(fallback) : trimmed;
}

DocumentCell Cell(std::string text, bool bold = false, CellAlign align = CellAlign::Left) {
  DocumentCell cell;
  cell.Text = std::move(text);
  cell.Bold = bold;
  cell.Align = align;
  return cell;
}

std::string DateText(const PersonDetails& p) {
  return p.Month + " " + p.Day + ", " + p.Year;
}

std::string TimeText(const PersonDetails& p) {
  return TwoDigits(p.Hour) + ":" + TwoDigits(p.Minute) + ":" + TwoDigits(p.Second);
}

void AppendBirthDetails(Document& doc, const MatchState& state) {
  AddParagraph(doc, ParagraphStyle::Heading, "Birth Details");
  DocumentTable table;
  table.ColumnWeights = {2, 4, 4};
  table.Rows.push_back({Cell("", true), Cell("Boy", true), Cell("Girl", true)});
  if (state.BirthDetailsStored) {
    const PersonDetails& b = state.BoyDetails;
    const PersonDetails& g = state.GirlDetails;
    table.Rows.push_back({Cell("Name", true), Cell(b.Name), Cell(g.Name)});
    table.Rows.push_back({Cell("Date of Birth", true), Cell(DateText(b)), Cell(DateText(g))});
    table.Rows.push_back({Cell("Time of Birth", true), Cell(TimeText(b)), Cell(TimeText(g))});
    table.Rows.push_back({Cell("Place of Birth", true), Cell(b.Place), Cell(g.Place)});
    // The coordinates and clock the match read, so that a place's name over another's
    // coordinates, or a zone of the wrong sign, shows on paper too.
    if (b.Location || g.Location) {
      const auto words = [](const PersonDetails& p, std::string (*of)(const BirthLocation&)) {
        return p.Location ? of(*p.Location) : std::string();
      };
      table.Rows.push_back({Cell("Coordinates", true), Cell(words(b, CoordinatesWords)),
                            Cell(words(g, CoordinatesWords))});
      table.Rows.push_back(
          {Cell("Clock", true), Cell(words(b, ClockUsedWords)), Cell(words(g, ClockUsedWords))});
    }
    if (b.Zodiac && g.Zodiac) {
      table.Rows.push_back(
          {Cell("Ayanamsa", true), Cell(AyanamsaWords(*b.Zodiac)), Cell(AyanamsaWords(*g.Zodiac))});
      table.Rows.push_back({Cell("Node", true), Cell(std::string(NodeName(b.Zodiac->Options.node))),
                            Cell(std::string(NodeName(g.Zodiac->Options.node)))});
    }
  }
  auto sign = [](const KootaMoon& moon) {
    const std::string name(kSignNames[static_cast<std::size_t>(moon.Sign)]);
    const RashiRecord* record = FindRashi(name);
    return record != nullptr ? name + " (" + std::string(record->IndianName) + ")" : name;
  };
  auto nakshatra = [](const KootaMoon& moon) {
    return std::string(kNakshatraNames[static_cast<std::size_t>(moon.Nakshatra)]);
  };
  table.Rows.push_back(
      {Cell("Moon Sign (Rashi)", true), Cell(sign(state.Boy)), Cell(sign(state.Girl))});
  table.Rows.push_back(
      {Cell("Nakshatra", true), Cell(nakshatra(state.Boy)), Cell(nakshatra(state.Girl))});
  doc.Blocks.emplace_back(std::move(table));
  if (!state.BirthDetailsStored) {
    AddParagraph(doc, ParagraphStyle::Note, kBirthDetailsNotStored);
  }
}

void AppendGunaMilan(Document& doc, const MatchResult& result) {
  AddParagraph(doc, ParagraphStyle::Heading, "Guna Milan");
  const GunaMilanGrid& grid = result.Grid;
  DocumentTable table;
  table.ColumnWeights = {3, 4, 4, 3, 3, 5};
  DocumentRow titles;
  for (std::string_view title : kGunaMilanColumnTitles) {
    titles.push_back(Cell(std::string(title), true, CellAlign::Center));
  }
  table.Rows.push_back(std::move(titles));
  for (const GunaMilanRow& row : grid.Rows) {
    table.Rows.push_back({Cell(std::string(row.Title), true), Cell(row.BoyValue),
                          Cell(row.GirlValue), Cell(row.MaximumPoints, false, CellAlign::Center),
                          Cell(row.PointsObtained, false, CellAlign::Center),
                          Cell(row.AreaOfLife)});
  }
  DocumentCell verdict = Cell(grid.Verdict, true);
  verdict.Color = kVerdictBlue;
  verdict.ColumnSpan = 2;
  DocumentCell maximum = Cell(grid.MaximumTotal, true, CellAlign::Center);
  DocumentCell total = Cell(grid.PointsTotal, true, CellAlign::Center);
  maximum.Color = kVerdictBlue;
  total.Color = kVerdictBlue;
  table.Rows.push_back({Cell("TOTAL", true), verdict, maximum, total, Cell("")});
  doc.Blocks.emplace_back(std::move(table));

  DocumentParagraph sentence;
  sentence.Runs.push_back({grid.Summary, true, kVerdictBlue});
  doc.Blocks.emplace_back(std::move(sentence));
  DocumentParagraph tables;
  tables.Runs.push_back({grid.TablesLine + kCrLf, false, std::nullopt});
  tables.Runs.push_back({grid.OtherTotalLine, true, std::nullopt});
  doc.Blocks.emplace_back(std::move(tables));
  DocumentParagraph notes;
  for (int k = 0; k < kKootaCount; ++k) {
    const std::string& note = grid.Notes[static_cast<std::size_t>(k)];
    if (!note.empty()) {
      notes.Runs.push_back({(notes.Runs.empty() ? "" : kCrLf) +
                                std::string(kKootas[static_cast<std::size_t>(k)].Koota) + ": " +
                                note,
                            false, std::nullopt});
    }
  }
  if (!notes.Runs.empty()) {
    doc.Blocks.emplace_back(std::move(notes));
  }
}

void AppendInterpretation(Document& doc, const MatchState& state, const MatchResult& result) {
  AddParagraph(doc, ParagraphStyle::Heading, "Interpretation");
  const std::string boy = NameOr(state.BoyDetails.Name, "The boy");
  const std::string girl = NameOr(state.GirlDetails.Name, "The girl");
  for (int k = 0; k < kKootaCount; ++k) {
    const KootaInfo& info = kKootas[static_cast<std::size_t>(k)];
    const std::string word(info.Word);
    const GunaMilanRow& row = result.Grid.Rows[static_cast<std::size_t>(k)];
    AddParagraph(doc, ParagraphStyle::Subheading, word + " Kuta");
    DocumentParagraph facts;
    facts.Runs.push_back({"Points Obtained: " + row.PointsObtained + " of " + row.MaximumPoints +
                              ". Area of Life: " + row.AreaOfLife + "." + kCrLf,
                          true, std::nullopt});
    facts.Runs.push_back({boy + " belongs to " + row.BoyValue + " " + word + "; " + girl +
                              " belongs to " + row.GirlValue + " " + word + ".",
                          false, info.LineColor});
    const std::string& note = result.Grid.Notes[static_cast<std::size_t>(k)];
    if (!note.empty()) {
      facts.Runs.push_back({kCrLf + std::string("Note: ") + note + ".", false, std::nullopt});
    }
    doc.Blocks.emplace_back(std::move(facts));
    DocumentParagraph significance;
    significance.Runs.push_back(
        {result.Texts.KootaSignificance[static_cast<std::size_t>(k)], false, Rgb{0, 0, 0}});
    doc.Blocks.emplace_back(std::move(significance));
  }
}

// One person's catalogue: a heading naming the person, then every field beside its
// label. The four catalogues run on one after another; none fills a page of its own.
template <typename Record, typename Fields>
void AppendCatalogue(Document& doc, const std::string& heading, const std::optional<Record>& record,
                     const Fields& fields) {
  AddParagraph(doc, ParagraphStyle::Heading, heading);
  DocumentTable table;
  table.HeaderRows = 0;
  table.ColumnWeights = {1, 3};
  for (const auto& field : fields) {
    std::string label = Trim(field.Label);
    if (!label.empty() && label.back() == ':') {
      label.pop_back();
    }
    table.Rows.push_back({Cell(label, true), Cell(RecordFieldText(record, field))});
  }
  doc.Blocks.emplace_back(std::move(table));
}

void AppendClosing(Document& doc) {
  AddParagraph(doc, ParagraphStyle::Subheading, kClosingHeading);
  DocumentParagraph closing;
  closing.Runs.push_back({std::string(kClosingParagraph) + kCrLf, false, std::nullopt});
  // One credit line for the whole document.
  std::string credit = kCreditLine;
  while (!credit.empty() && (credit.back() == '\r' || credit.back() == '\n')) {
    credit.pop_back();
  }
  closing.Runs.push_back({credit, false, Rgb{96, 96, 96}});
  doc.Blocks.emplace_back(std::move(closing));
}

// A table of two persons side by side: a header row with the names, then one row per
// caption.
DocumentTable PairTable(const std::string& boy, const std::string& girl) {
  DocumentTable table;
  table.ColumnWeights = {2, 4, 4};
  table.Rows.push_back({Cell("", true), Cell(boy, true), Cell(girl, true)});
  return table;
}

void AddPairRow(DocumentTable& table, std::string caption, std::string boy, std::string girl) {
  table.Rows.push_back(
      {Cell(std::move(caption), true), Cell(std::move(boy)), Cell(std::move(girl))});
}

// The charts section as headed tables (each graha's place is in the planet tables above):
// Manglik from each reference, the doshas of the pair and the birth-time windows, then the notes
// that belong to no table (a Moon that the lunar theory moves, the score range).
void AppendChartsTables(Document& doc, const ChartsAndDoshas& charts, const std::string& boy,
                        const std::string& girl, const std::optional<BirthMoment>& boy_moment,
                        const std::optional<BirthMoment>& girl_moment) {
  const bool have_charts = charts.Boy && charts.Girl && boy_moment && girl_moment;
  if (have_charts) {
    const PersonChartReading& b = *charts.Boy;
    const PersonChartReading& g = *charts.Girl;
    AddParagraph(doc, ParagraphStyle::Subheading, "Manglik");
    DocumentTable manglik = PairTable(boy, girl);
    for (std::size_t r = 0; r < kManglikReferenceNames.size(); ++r) {
      const auto from = [r](const ManglikAssessment& m) {
        return "house " + std::to_string(m.From[r].House) +
               (m.From[r].Dosha ? ", dosha" : ", no dosha");
      };
      AddPairRow(manglik, "Mars from " + std::string(kManglikReferenceNames[r]), from(b.Manglik),
                 from(g.Manglik));
    }
    AddPairRow(manglik, "Manglik", ManglikWords(b.Manglik), ManglikWords(g.Manglik));
    // A Manglik's exceptions are in its verdict; those of a person who is not are notes.
    const auto notes = [](const ManglikAssessment& m) {
      return !m.IsManglik && !m.Exceptions.empty() ? ExceptionListWords(m.Exceptions)
                                                   : std::string();
    };
    if (!notes(b.Manglik).empty() || !notes(g.Manglik).empty()) {
      AddPairRow(manglik, "Exceptions", notes(b.Manglik), notes(g.Manglik));
    }
    DocumentCell verdict = Cell(ManglikMatchWords(*charts.Manglik), true);
    verdict.ColumnSpan = 2;
    manglik.Rows.push_back({Cell("Manglik match", true), verdict});
    doc.Blocks.emplace_back(std::move(manglik));
  } else {
    AddParagraph(doc, ParagraphStyle::Note,
                 "The charts, Manglik and the birth-time windows need both persons' birth "
                 "details.");
  }

  AddParagraph(doc, ParagraphStyle::Subheading, "Doshas");
  DocumentTable doshas;
  doshas.ColumnWeights = {2, 2, 6};
  doshas.Rows.push_back({Cell("Dosha", true), Cell("Present", true), Cell("Exceptions", true)});
  for (const DoshaAssessment& d : charts.Doshas) {
    doshas.Rows.push_back(
        {Cell(std::string(kPairDoshaNames[static_cast<std::size_t>(d.Dosha)]), true),
         Cell(d.Present ? "Yes" : "No"), Cell(d.Present ? ExceptionListWords(d.Exceptions) : "")});
  }
  doc.Blocks.emplace_back(std::move(doshas));
  if (!have_charts) {
    return;
  }

  AddParagraph(doc, ParagraphStyle::Subheading, "Birth-Time Windows");
  DocumentTable windows = PairTable(boy, girl);
  for (int k = 0; k < kWindowKindCount; ++k) {
    const auto kind = static_cast<WindowKind>(k);
    AddPairRow(windows, std::string(kWindowKindNames[static_cast<std::size_t>(k)]),
               WindowWords(charts.Boy->Windows, kind, *boy_moment),
               WindowWords(charts.Girl->Windows, kind, *girl_moment));
  }
  doc.Blocks.emplace_back(std::move(windows));
  for (const auto* reading : {&*charts.Boy, &*charts.Girl}) {
    if (reading->MoonDifference) {
      AddParagraph(doc, ParagraphStyle::Note,
                   (reading == &*charts.Boy ? boy : girl) + ": " +
                       MoonDifferenceWords(*reading->MoonDifference, reading->Model));
    }
  }
  if (charts.Range) {
    AddParagraph(doc, ParagraphStyle::Body, ScoreRangeWords(*charts.Range));
  }
}

// The zodiac of a chart, then each point's sign, degrees, nakshatra and pada.
void AppendPlanetTable(Document& doc, const SiderealChart& chart) {
  DocumentParagraph zodiac;
  zodiac.Runs.push_back(
      {AyanamsaLine({chart.Options, chart.AyanamsaDegrees}) + kCrLf + NodeLine(chart.Options.node),
       false, std::nullopt});
  doc.Blocks.emplace_back(std::move(zodiac));
  DocumentTable table;
  table.ColumnWeights = {4, 3, 3, 4, 2};
  DocumentRow titles;
  for (std::string_view title : kPlanetTableTitles) {
    titles.push_back(Cell(std::string(title), true));
  }
  table.Rows.push_back(std::move(titles));
  for (const PlanetTableRow& row : PlanetTable(chart)) {
    DocumentRow cells;
    for (std::string& text : PlanetTableCells(row)) {
      cells.push_back(Cell(std::move(text)));
    }
    table.Rows.push_back(std::move(cells));
  }
  doc.Blocks.emplace_back(std::move(table));
}

// The section under one heading: both persons' rasi charts as pictures (where the birth
// details give them; a match from a profile file has its doshas only), then the tables.
void AppendCharts(Document& doc, const MatchState& state, const MatchResult& result,
                  const ChartsAndDoshas& charts, ChartStyle style) {
  AddParagraph(doc, ParagraphStyle::Heading, "Charts And Doshas");
  const std::string boy = NameOr(state.BoyDetails.Name, "Boy");
  const std::string girl = NameOr(state.GirlDetails.Name, "Girl");
  if (charts.Boy && charts.Girl && result.BoyMoment && result.GirlMoment) {
    AddParagraph(doc, ParagraphStyle::Subheading, "Rasi Charts");
    DocumentCharts pictures;
    pictures.Style = style;
    pictures.Charts.push_back({boy, charts.Boy->Chart});
    pictures.Charts.push_back({girl, charts.Girl->Chart});
    doc.Blocks.emplace_back(std::move(pictures));
    AddParagraph(doc, ParagraphStyle::Heading, "Navamsa Charts");
    DocumentCharts navamsas;
    navamsas.Style = style;
    navamsas.Charts.push_back(
        {NameOr(state.BoyDetails.Name, "Boy"), NavamsaChart(charts.Boy->Chart)});
    navamsas.Charts.push_back(
        {NameOr(state.GirlDetails.Name, "Girl"), NavamsaChart(charts.Girl->Chart)});
    doc.Blocks.emplace_back(std::move(navamsas));
    AddParagraph(doc, ParagraphStyle::Heading, "Planets");
    for (const auto& [name, reading] :
         {std::pair{NameOr(state.BoyDetails.Name, "Boy"), &*charts.Boy},
          std::pair{NameOr(state.GirlDetails.Name, "Girl"), &*charts.Girl}}) {
      AddParagraph(doc, ParagraphStyle::Subheading, name);
      AppendPlanetTable(doc, reading->Chart);
    }
  }
  AppendChartsTables(doc, charts, boy, girl, result.BoyMoment, result.GirlMoment);
}

void AppendTiming(Document& doc, const MatchState& state, const MatchTiming& timing) {
  AppendTimingSection(doc, timing.Couple, NameOr(state.BoyDetails.Name, "Boy"),
                      NameOr(state.GirlDetails.Name, "Girl"), timing.Conventions,
                      timing.ReferenceDay);
}

std::string Who(const MatchState& state, bool boy) {
  const PersonDetails& details = boy ? state.BoyDetails : state.GirlDetails;
  return NameOr(details.Name, boy ? "the Boy" : "the Girl");
}

}  // namespace

std::string KundaliMatchTitle(std::string_view boy_name, std::string_view girl_name) {
  return "Kundali Match: " + NameOr(boy_name, "Boy") + " and " + NameOr(girl_name, "Girl");
}

Document ComposeMatchDocument(const MatchState& state, const MatchResult& result,
                              bool with_catalogues, const std::optional<ChartsAndDoshas>& charts,
                              ChartStyle style, const std::optional<MatchTiming>& timing) {
  Document doc;
  doc.Title = KundaliMatchTitle(state.BoyDetails.Name, state.GirlDetails.Name);
  AddParagraph(doc, ParagraphStyle::Title, doc.Title);
  AppendBirthDetails(doc, state);
  AppendGunaMilan(doc, result);
  AppendPoruthamSection(doc, result.Poruthams, result.Pair, result.Papasamyam);
  AppendInterpretation(doc, state, result);
  if (charts) {
    AppendCharts(doc, state, result, *charts, style);
  }
  if (timing) {
    // The section opens a page: its heading never stays behind at the foot of the charts.
    doc.Blocks.emplace_back(DocumentPageBreak{});
    AppendTiming(doc, state, *timing);
  }
  if (with_catalogues) {
    // The catalogues are reference pages after the reading: they open a page of their
    // own, then follow one another.
    doc.Blocks.emplace_back(DocumentPageBreak{});
    const ExportInputs pages = MakeExportInputs(state, result);
    AppendCatalogue(doc, "Rashi Information of " + Who(state, true), pages.BoyRashi, kRashiFields);
    AppendCatalogue(doc, "Rashi Information of " + Who(state, false), pages.GirlRashi,
                    kRashiFields);
    AppendCatalogue(doc, "Nakshatra Information of " + Who(state, true), pages.BoyNakshatra,
                    kNakshatraFields);
    AppendCatalogue(doc, "Nakshatra Information of " + Who(state, false), pages.GirlNakshatra,
                    kNakshatraFields);
  }
  AppendClosing(doc);
  return doc;
}

std::optional<Document> ComposePageDocument(int tab, const MatchState& state,
                                            const MatchResult& result, bool with_catalogues,
                                            const std::optional<ChartsAndDoshas>& charts,
                                            ChartStyle style,
                                            const std::optional<MatchTiming>& timing) {
  if (tab == kTabKundaliMatch) {
    return ComposeMatchDocument(state, result, with_catalogues, charts, style, timing);
  }
  if (tab == kTabTiming) {
    if (!timing) {
      return std::nullopt;
    }
    Document doc;
    doc.Title = KundaliMatchTitle(state.BoyDetails.Name, state.GirlDetails.Name);
    AddParagraph(doc, ParagraphStyle::Title, doc.Title);
    AppendTiming(doc, state, *timing);
    AppendClosing(doc);
    return doc;
  }
  if (tab == kTabChartsAndDoshas) {
    if (!charts) {
      return std::nullopt;
    }
    Document doc;
    doc.Title = KundaliMatchTitle(state.BoyDetails.Name, state.GirlDetails.Name);
    AddParagraph(doc, ParagraphStyle::Title, doc.Title);
    AppendCharts(doc, state, result, *charts, style);
    AppendClosing(doc);
    return doc;
  }
  if (tab < kTabBoyRashi || tab > kTabGirlNakshatra) {
    return std::nullopt;
  }
  const ExportInputs pages = MakeExportInputs(state, result);
  Document doc;
  const bool boy = tab == kTabBoyRashi || tab == kTabBoyNakshatra;
  const bool rashi = tab == kTabBoyRashi || tab == kTabGirlRashi;
  const std::string kind = rashi ? "Rashi" : "Nakshatra";
  doc.Title = kind + " Information of " + Who(state, boy);
  AddParagraph(doc, ParagraphStyle::Title, doc.Title);
  if (!state.BirthDetailsStored) {
    AddParagraph(doc, ParagraphStyle::Note, kBirthDetailsNotStored);
  }
  if (rashi) {
    AppendCatalogue(
        doc,
        std::string(kSignNames[static_cast<std::size_t>(boy ? state.Boy.Sign : state.Girl.Sign)]),
        boy ? pages.BoyRashi : pages.GirlRashi, kRashiFields);
  } else {
    AppendCatalogue(doc,
                    std::string(kNakshatraNames[static_cast<std::size_t>(
                        boy ? state.Boy.Nakshatra : state.Girl.Nakshatra)]),
                    boy ? pages.BoyNakshatra : pages.GirlNakshatra, kNakshatraFields);
  }
  AppendClosing(doc);
  return doc;
}

ReportDocument ComposeTimingReport(const MatchState& state, const MatchTiming& timing) {
  Document doc;
  AppendTiming(doc, state, timing);
  ReportDocument report;
  for (const DocumentBlock& block : doc.Blocks) {
    if (const auto* paragraph = std::get_if<DocumentParagraph>(&block)) {
      const bool heading = paragraph->Style == ParagraphStyle::Heading ||
                           paragraph->Style == ParagraphStyle::Subheading;
      for (const ReportRun& run : paragraph->Runs) {
        report.push_back({run.Text, heading || run.Bold, run.Color});
      }
      report.push_back({kCrLf, false, std::nullopt});
    } else if (const auto* table = std::get_if<DocumentTable>(&block)) {
      for (const DocumentRow& row : table->Rows) {
        std::string line;
        for (const DocumentCell& cell : row) {
          line += (line.empty() ? "" : "\t") + cell.Text;
        }
        report.push_back({line + kCrLf, false, std::nullopt});
      }
      report.push_back({kCrLf, false, std::nullopt});
    }
  }
  return report;
}

}  // namespace lumora
