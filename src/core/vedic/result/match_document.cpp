// SPDX-License-Identifier: MIT
#include "core/vedic/result/match_document.h"

#include "core/entry/date_lists.h"
#include "core/ephemeris/zodiac.h"
#include "core/glossary/catalogue_words.h"
#include "core/glossary/glossary.h"
#include "core/glossary/phrases.h"
#include "core/program.h"
#include "core/text.h"
#include "core/vedic/porutham/porutham_words.h"
#include "core/vedic/result/export_document.h"
#include "core/vedic/result/nakshatra_catalogue.h"
#include "core/vedic/result/rashi_catalogue.h"

namespace lumora {

namespace {

constexpr Rgb kVerdictBlue{0, 0, 192};

// English keeps the form's own "January 2, 1990"; other languages write the day in their
// order with the month's number.
std::string DateText(const PersonDetails& p, Language language) {
  if (language != Language::English) {
    const std::optional<int> month = MonthNumber(p.Month);
    const std::optional<int> day = ParseDigits(p.Day);
    const std::optional<int> year = ParseDigits(p.Year);
    if (month && day && year) {
      return DateWords(language, *year, *month, *day);
    }
  }
  return p.Month + " " + p.Day + ", " + p.Year;
}

std::string TimeText(const PersonDetails& p) {
  return TwoDigits(p.Hour) + ":" + TwoDigits(p.Minute) + ":" + TwoDigits(p.Second);
}

std::string Word(std::string_view word) {
  return std::string(word);
}

void AppendBirthDetails(Document& doc, const MatchState& state, Language language) {
  const Phrases& words = PhrasesOf(language);
  AddParagraph(doc, ParagraphStyle::Heading, Word(words.BirthDetails));
  DocumentTable table;
  table.ColumnWeights = {2, 4, 4};
  table.Rows.push_back(
      {TextCell("", true), TextCell(Word(words.Boy), true), TextCell(Word(words.Girl), true)});
  if (state.BirthDetailsStored) {
    const PersonDetails& b = state.BoyDetails;
    const PersonDetails& g = state.GirlDetails;
    table.Rows.push_back({TextCell(Word(words.Name), true), TextCell(b.Name), TextCell(g.Name)});
    table.Rows.push_back({TextCell(Word(words.DateOfBirth), true), TextCell(DateText(b, language)),
                          TextCell(DateText(g, language))});
    table.Rows.push_back(
        {TextCell(Word(words.TimeOfBirth), true), TextCell(TimeText(b)), TextCell(TimeText(g))});
    table.Rows.push_back(
        {TextCell(Word(words.PlaceOfBirth), true), TextCell(b.Place), TextCell(g.Place)});
    // The coordinates and clock the match read, so that a place's name over another's
    // coordinates, or a zone of the wrong sign, shows on paper too.
    if (b.Location || g.Location) {
      const auto of = [](const PersonDetails& p, std::string (*words_of)(const BirthLocation&)) {
        return p.Location ? words_of(*p.Location) : std::string();
      };
      table.Rows.push_back({TextCell(Word(words.Coordinates), true),
                            TextCell(of(b, CoordinatesWords)), TextCell(of(g, CoordinatesWords))});
      const auto clock = [language](const PersonDetails& p) {
        return p.Location ? ClockUsedWords(*p.Location, language) : std::string();
      };
      table.Rows.push_back(
          {TextCell(Word(words.Clock), true), TextCell(clock(b)), TextCell(clock(g))});
    }
    if (b.Zodiac && g.Zodiac) {
      table.Rows.push_back({TextCell(Word(GlossaryOf(language).Ayanamsa), true),
                            TextCell(AyanamsaWords(*b.Zodiac, language)),
                            TextCell(AyanamsaWords(*g.Zodiac, language))});
      table.Rows.push_back({TextCell(Word(words.Node), true),
                            TextCell(std::string(NodeWord(language, b.Zodiac->Options.node))),
                            TextCell(std::string(NodeWord(language, g.Zodiac->Options.node)))});
    }
  }
  auto sign = [language](const KootaMoon& moon) {
    const std::string name(RashiWord(language, moon.Sign));
    if (language != Language::English) {
      return name;
    }
    const RashiRecord* record = FindRashi(name);
    return record != nullptr ? name + " (" + std::string(record->IndianName) + ")" : name;
  };
  auto nakshatra = [language](const KootaMoon& moon) {
    return std::string(NakshatraWord(language, moon.Nakshatra));
  };
  table.Rows.push_back({TextCell(Word(words.MoonSign), true), TextCell(sign(state.Boy)),
                        TextCell(sign(state.Girl))});
  table.Rows.push_back({TextCell(Word(GlossaryOf(language).Nakshatra), true),
                        TextCell(nakshatra(state.Boy)), TextCell(nakshatra(state.Girl))});
  doc.Blocks.emplace_back(std::move(table));
  if (!state.BirthDetailsStored) {
    AddParagraph(doc, ParagraphStyle::Note, Word(words.BirthDetailsNotStored));
  }
}

void AppendGunaMilan(Document& doc, const MatchResult& result, Language language) {
  const Phrases& words = PhrasesOf(language);
  const bool english = language == Language::English;
  AddParagraph(doc, ParagraphStyle::Heading, Word(GlossaryOf(language).GunaMilan));
  const GunaMilanGrid& grid = result.Grid;
  DocumentTable table;
  // Tamil widens the two points columns for its heading's longest word (அதிகபட்சப்).
  if (language == Language::Tamil) {
    table.ColumnWeights = {3, 4, 4, 4, 4, 5};
  } else {
    table.ColumnWeights = {3, 4, 4, 3, 3, 5};
  }
  DocumentRow titles;
  for (std::string_view title : words.GunaMilanColumns) {
    titles.push_back(TextCell(std::string(title), true, CellAlign::Center));
  }
  table.Rows.push_back(std::move(titles));
  // English shows the grid as the match made it; another language names the same values.
  for (int k = 0; k < kKootaCount; ++k) {
    const auto at = static_cast<std::size_t>(k);
    const GunaMilanRow& row = grid.Rows[at];
    const KootaScore& score = result.Kootas()[at];
    table.Rows.push_back(
        {TextCell(english ? std::string(row.Title) : Word(KootaWord(language, k)), true),
         TextCell(english ? row.BoyValue
                          : Word(KootaValueWord(language, result.Tables, k, score.Boy))),
         TextCell(english ? row.GirlValue
                          : Word(KootaValueWord(language, result.Tables, k, score.Girl))),
         TextCell(row.MaximumPoints, false, CellAlign::Center),
         TextCell(row.PointsObtained, false, CellAlign::Center),
         TextCell(english ? row.AreaOfLife : Word(words.AreasOfLife[at]))});
  }
  const double total = result.TotalHalfPointsOf(result.Tables) / 2.0;
  DocumentCell verdict = TextCell(
      english ? grid.Verdict : Word(MatchVerdictWord(language, GradeOfTotal(total))), true);
  verdict.Color = kVerdictBlue;
  verdict.ColumnSpan = 2;
  DocumentCell maximum = TextCell(grid.MaximumTotal, true, CellAlign::Center);
  DocumentCell points = TextCell(grid.PointsTotal, true, CellAlign::Center);
  maximum.Color = kVerdictBlue;
  points.Color = kVerdictBlue;
  table.Rows.push_back({TextCell(Word(words.Total), true), verdict, maximum, points, TextCell("")});
  doc.Blocks.emplace_back(std::move(table));

  DocumentParagraph sentence;
  sentence.Runs.push_back(
      {english ? grid.Summary
               : Fill(words.PointsObtainedSentence, {grid.PointsTotal, grid.MaximumTotal}),
       true, kVerdictBlue});
  doc.Blocks.emplace_back(std::move(sentence));
  DocumentParagraph tables;
  const KootaTables other = OtherKootaTables(result.Tables);
  const double other_total = result.TotalHalfPointsOf(other) / 2.0;
  const auto set_word = [&words](KootaTables set) {
    return words.TableSets[static_cast<std::size_t>(set)];
  };
  tables.Runs.push_back(
      {(english ? grid.TablesLine : Fill(words.TablesInUse, {set_word(result.Tables)})) + kCrLf,
       false, std::nullopt});
  tables.Runs.push_back({english ? grid.OtherTotalLine
                                 : Fill(other_total < kUsualThresholdPoints ? words.TablesTotalBelow
                                                                            : words.TablesTotal,
                                        {set_word(other), FormatHalfPoints(other_total),
                                         FormatHalfPoints(kUsualThresholdPoints)}),
                         true, std::nullopt});
  doc.Blocks.emplace_back(std::move(tables));
  DocumentParagraph notes;
  const std::array<std::string, kKootaCount> row_notes =
      english ? grid.Notes : KootaNotesIn(result, language);
  for (int k = 0; k < kKootaCount; ++k) {
    const std::string& note = row_notes[static_cast<std::size_t>(k)];
    if (!note.empty()) {
      notes.Runs.push_back({(notes.Runs.empty() ? "" : kCrLf) +
                                (english ? std::string(kKootas[static_cast<std::size_t>(k)].Koota)
                                         : Word(KootaWord(language, k))) +
                                ": " + note,
                            false, std::nullopt});
    }
  }
  if (!notes.Runs.empty()) {
    doc.Blocks.emplace_back(std::move(notes));
  }
}

void AppendInterpretation(Document& doc, const MatchState& state, const MatchResult& result,
                          Language language) {
  const Phrases& words = PhrasesOf(language);
  const bool english = language == Language::English;
  AddParagraph(doc, ParagraphStyle::Heading, Word(words.Interpretation));
  if (!english) {
    AddParagraph(doc, ParagraphStyle::Note, Word(words.ProseInEnglish));
  }
  const std::string boy = TrimmedOr(state.BoyDetails.Name, words.BoySubject);
  const std::string girl = TrimmedOr(state.GirlDetails.Name, words.GirlSubject);
  const std::array<std::string, kKootaCount> notes =
      english ? result.Grid.Notes : KootaNotesIn(result, language);
  for (int k = 0; k < kKootaCount; ++k) {
    const auto at = static_cast<std::size_t>(k);
    const KootaInfo& info = kKootas[at];
    const std::string word = english ? std::string(info.Word) : Word(KootaWord(language, k));
    const GunaMilanRow& row = result.Grid.Rows[at];
    const KootaScore& score = result.Kootas()[at];
    AddParagraph(doc, ParagraphStyle::Subheading, Fill(words.KootaHeading, {word}));
    DocumentParagraph facts;
    facts.Runs.push_back({Fill(words.KootaFacts, {row.PointsObtained, row.MaximumPoints,
                                                  english ? std::string_view(row.AreaOfLife)
                                                          : words.AreasOfLife[at]}) +
                              kCrLf,
                          true, std::nullopt});
    const std::string boy_value =
        english ? row.BoyValue : Word(KootaValueWord(language, result.Tables, k, score.Boy));
    const std::string girl_value =
        english ? row.GirlValue : Word(KootaValueWord(language, result.Tables, k, score.Girl));
    facts.Runs.push_back({Fill(words.KootaBelongs, {boy, boy_value, word, girl, girl_value}), false,
                          info.LineColor});
    const std::string& note = notes[at];
    if (!note.empty()) {
      facts.Runs.push_back({kCrLf + Fill(words.Note, {note}), false, std::nullopt});
    }
    doc.Blocks.emplace_back(std::move(facts));
    DocumentParagraph significance;
    significance.Runs.push_back({result.Texts.KootaSignificance[at], false, Rgb{0, 0, 0}});
    doc.Blocks.emplace_back(std::move(significance));
  }
}

// One person's catalogue: a heading naming the person, then every field beside its
// label. The four catalogues run on one after another; none fills a page of its own.
// In Hindi and Tamil the labels, the names and the short values are the language's; the
// English name stays what it is, the prose stays English.
template <typename Record, typename Fields>
void AppendCatalogue(Document& doc, const std::string& heading, const std::optional<Record>& record,
                     const Fields& fields, Language language) {
  AddParagraph(doc, ParagraphStyle::Heading, heading);
  DocumentTable table;
  table.HeaderRows = 0;
  table.ColumnWeights = {1, 3};
  for (const auto& field : fields) {
    std::string label = Trim(field.Label);
    if (!label.empty() && label.back() == ':') {
      label.pop_back();
    }
    if (language != Language::English) {
      label = Word(CatalogueCaptionWord(language, label).value_or(label));
    }
    table.Rows.push_back(
        {TextCell(label, true),
         TextCell(CatalogueFieldText(language, field.Name, RecordFieldText(record, field)))});
  }
  doc.Blocks.emplace_back(std::move(table));
}

void AppendClosing(Document& doc, Language language) {
  AddParagraph(doc, ParagraphStyle::Subheading, Word(PhrasesOf(language).AboutProgram));
  DocumentParagraph closing;
  const Phrases& words = PhrasesOf(language);
  closing.Runs.push_back({std::string(words.ClosingParagraph) + kCrLf, false, std::nullopt});
  // One credit line for the whole document.
  closing.Runs.push_back({Fill(words.CreditLine, {kProgramTitle}), false, Rgb{96, 96, 96}});
  doc.Blocks.emplace_back(std::move(closing));
}

// A table of two persons side by side: a header row with the names, then one row per
// caption.
DocumentTable PairTable(const std::string& boy, const std::string& girl) {
  DocumentTable table;
  table.ColumnWeights = {2, 4, 4};
  table.Rows.push_back({TextCell("", true), TextCell(boy, true), TextCell(girl, true)});
  return table;
}

void AddPairRow(DocumentTable& table, std::string caption, std::string boy, std::string girl) {
  table.Rows.push_back(
      {TextCell(std::move(caption), true), TextCell(std::move(boy)), TextCell(std::move(girl))});
}

// The charts section as headed tables (each graha's place is in the planet tables above):
// Manglik from each reference, the doshas of the pair and the birth-time windows, then the notes
// that belong to no table (a Moon that the lunar theory moves, the score range).
void AppendChartsTables(Document& doc, const ChartsAndDoshas& charts, const std::string& boy,
                        const std::string& girl, const std::optional<BirthMoment>& boy_moment,
                        const std::optional<BirthMoment>& girl_moment, Language language) {
  const Phrases& words = PhrasesOf(language);
  const Glossary& glossary = GlossaryOf(language);
  const bool have_charts = charts.Boy && charts.Girl && boy_moment && girl_moment;
  if (have_charts) {
    const PersonChartReading& b = *charts.Boy;
    const PersonChartReading& g = *charts.Girl;
    AddParagraph(doc, ParagraphStyle::Subheading, Word(glossary.Manglik));
    DocumentTable manglik = PairTable(boy, girl);
    // The references are the Lagna, the Moon and Venus (kManglikReferenceNames).
    const std::array<std::string_view, 3> references = {
        glossary.Lagna, GrahaWord(language, Graha::Moon), GrahaWord(language, Graha::Venus)};
    for (std::size_t r = 0; r < references.size(); ++r) {
      const auto from = [r, &words](const ManglikAssessment& m) {
        return Fill(m.From[r].Dosha ? words.HouseDosha : words.HouseNoDosha,
                    {std::to_string(m.From[r].House)});
      };
      AddPairRow(manglik, Fill(words.MarsFrom, {references[r]}), from(b.Manglik), from(g.Manglik));
    }
    AddPairRow(manglik, Word(glossary.Manglik), ManglikWords(b.Manglik, language),
               ManglikWords(g.Manglik, language));
    // A Manglik's exceptions are in its verdict; those of a person who is not are notes.
    const auto notes = [language](const ManglikAssessment& m) {
      return !m.IsManglik && !m.Exceptions.empty() ? ExceptionListWords(m.Exceptions, language)
                                                   : std::string();
    };
    if (!notes(b.Manglik).empty() || !notes(g.Manglik).empty()) {
      AddPairRow(manglik, Word(words.Exceptions), notes(b.Manglik), notes(g.Manglik));
    }
    DocumentCell verdict = TextCell(ManglikMatchWords(*charts.Manglik, language), true);
    verdict.ColumnSpan = 2;
    manglik.Rows.push_back({TextCell(Word(words.ManglikMatch), true), verdict});
    doc.Blocks.emplace_back(std::move(manglik));
  } else {
    AddParagraph(doc, ParagraphStyle::Note, Word(words.ChartsNeedBirthDetails));
  }

  AddParagraph(doc, ParagraphStyle::Subheading, Word(words.Doshas));
  DocumentTable doshas;
  doshas.ColumnWeights = {2, 2, 6};
  doshas.Rows.push_back({TextCell(Word(words.DoshaColumns[0]), true),
                         TextCell(Word(words.DoshaColumns[1]), true),
                         TextCell(Word(words.DoshaColumns[2]), true)});
  for (const DoshaAssessment& d : charts.Doshas) {
    // English names the dosha by its koota alone ("Nadi"), as the column says what it is.
    doshas.Rows.push_back(
        {TextCell(language == Language::English
                      ? std::string(kPairDoshaNames[static_cast<std::size_t>(d.Dosha)])
                      : Word(PairDoshaWord(language, d.Dosha)),
                  true),
         TextCell(Word(d.Present ? words.Yes : words.No)),
         TextCell(d.Present ? ExceptionListWords(d.Exceptions, language) : "")});
  }
  doc.Blocks.emplace_back(std::move(doshas));
  if (!have_charts) {
    return;
  }

  AddParagraph(doc, ParagraphStyle::Subheading, Word(words.BirthTimeWindows));
  DocumentTable windows = PairTable(boy, girl);
  // The windows of the nakshatra, its pada, the rashi and the Lagna (kWindowKindNames).
  const std::array<std::string_view, kWindowKindCount> kinds = {glossary.Nakshatra, glossary.Pada,
                                                                glossary.Rashi, glossary.Lagna};
  for (int k = 0; k < kWindowKindCount; ++k) {
    const auto kind = static_cast<WindowKind>(k);
    AddPairRow(windows, Word(kinds[static_cast<std::size_t>(k)]),
               WindowWords(charts.Boy->Windows, kind, *boy_moment, language),
               WindowWords(charts.Girl->Windows, kind, *girl_moment, language));
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
void AppendPlanetTable(Document& doc, const SiderealChart& chart, Language language) {
  const Phrases& words = PhrasesOf(language);
  DocumentParagraph zodiac;
  zodiac.Runs.push_back(
      {Fill(words.AyanamsaLine, {AyanamsaWords({chart.Options, chart.AyanamsaDegrees}, language)}) +
           kCrLf + Fill(words.NodeLine, {NodeWord(language, chart.Options.node)}),
       false, std::nullopt});
  doc.Blocks.emplace_back(std::move(zodiac));
  DocumentTable table;
  table.ColumnWeights = {4, 3, 3, 4, 2};
  DocumentRow titles;
  for (std::string_view title : words.PlanetColumns) {
    titles.push_back(TextCell(std::string(title), true));
  }
  table.Rows.push_back(std::move(titles));
  for (const PlanetTableRow& row : PlanetTable(chart)) {
    DocumentRow cells;
    for (std::string& text : PlanetTableCells(row, language)) {
      cells.push_back(TextCell(std::move(text)));
    }
    table.Rows.push_back(std::move(cells));
  }
  doc.Blocks.emplace_back(std::move(table));
}

std::string BoyName(const MatchState& state, Language language) {
  return TrimmedOr(state.BoyDetails.Name, PhrasesOf(language).Boy);
}

std::string GirlName(const MatchState& state, Language language) {
  return TrimmedOr(state.GirlDetails.Name, PhrasesOf(language).Girl);
}

// The section under one heading: both persons' rasi charts as pictures (where the birth
// details give them; a match from a profile file has its doshas only), then the tables.
void AppendCharts(Document& doc, const MatchState& state, const MatchResult& result,
                  const ChartsAndDoshas& charts, ChartStyle style, Language language) {
  const Phrases& words = PhrasesOf(language);
  AddParagraph(doc, ParagraphStyle::Heading, Word(words.ChartsAndDoshas));
  const std::string boy = BoyName(state, language);
  const std::string girl = GirlName(state, language);
  if (charts.Boy && charts.Girl && result.BoyMoment && result.GirlMoment) {
    AddParagraph(doc, ParagraphStyle::Subheading, Word(words.RasiCharts));
    DocumentCharts pictures;
    pictures.Style = style;
    pictures.Labels = language;
    pictures.Charts.push_back({boy, charts.Boy->Chart});
    pictures.Charts.push_back({girl, charts.Girl->Chart});
    doc.Blocks.emplace_back(std::move(pictures));
    AddParagraph(doc, ParagraphStyle::Heading, Word(words.NavamsaCharts));
    DocumentCharts navamsas;
    navamsas.Style = style;
    navamsas.Labels = language;
    navamsas.Charts.push_back({boy, NavamsaChart(charts.Boy->Chart)});
    navamsas.Charts.push_back({girl, NavamsaChart(charts.Girl->Chart)});
    doc.Blocks.emplace_back(std::move(navamsas));
    AddParagraph(doc, ParagraphStyle::Heading, Word(words.Planets));
    for (const auto& [name, reading] :
         {std::pair{boy, &*charts.Boy}, std::pair{girl, &*charts.Girl}}) {
      AddParagraph(doc, ParagraphStyle::Subheading, name);
      AppendPlanetTable(doc, reading->Chart, language);
    }
  }
  AppendChartsTables(doc, charts, boy, girl, result.BoyMoment, result.GirlMoment, language);
}

void AppendTiming(Document& doc, const MatchState& state, const MatchTiming& timing,
                  Language language) {
  AppendTimingSection(doc, timing.Couple, BoyName(state, language), GirlName(state, language),
                      timing.Conventions, timing.ReferenceDay, language);
}

std::string Who(const MatchState& state, bool boy, Language language) {
  const PersonDetails& details = boy ? state.BoyDetails : state.GirlDetails;
  const Phrases& words = PhrasesOf(language);
  return TrimmedOr(details.Name, boy ? words.BoyObject : words.GirlObject);
}

}  // namespace

std::string KundaliMatchTitle(std::string_view boy_name, std::string_view girl_name,
                              Language language) {
  const Phrases& words = PhrasesOf(language);
  return Fill(words.KundaliMatchTitle,
              {TrimmedOr(boy_name, words.Boy), TrimmedOr(girl_name, words.Girl)});
}

Document ComposeMatchDocument(const MatchState& state, const MatchResult& result,
                              bool with_catalogues, const std::optional<ChartsAndDoshas>& charts,
                              ChartStyle style, const std::optional<MatchTiming>& timing,
                              Language language) {
  const Phrases& words = PhrasesOf(language);
  Document doc;
  doc.Lang = language;
  doc.Title = KundaliMatchTitle(state.BoyDetails.Name, state.GirlDetails.Name, language);
  AddParagraph(doc, ParagraphStyle::Title, doc.Title);
  AppendBirthDetails(doc, state, language);
  AppendGunaMilan(doc, result, language);
  AppendPoruthamSection(doc, result.Poruthams, result.Pair, result.Papasamyam, language);
  AppendInterpretation(doc, state, result, language);
  if (charts) {
    AppendCharts(doc, state, result, *charts, style, language);
  }
  if (timing) {
    // The section opens a page: its heading never stays behind at the foot of the charts.
    doc.Blocks.emplace_back(DocumentPageBreak{});
    AppendTiming(doc, state, *timing, language);
  }
  if (with_catalogues) {
    // The catalogues are reference pages after the reading: they open a page of their
    // own, then follow one another.
    doc.Blocks.emplace_back(DocumentPageBreak{});
    const CatalogueRecords pages = CatalogueRecordsOf(state);
    AppendCatalogue(doc, Fill(words.RashiPageOf, {Who(state, true, language)}), pages.BoyRashi,
                    kRashiFields, language);
    AppendCatalogue(doc, Fill(words.RashiPageOf, {Who(state, false, language)}), pages.GirlRashi,
                    kRashiFields, language);
    AppendCatalogue(doc, Fill(words.NakshatraPageOf, {Who(state, true, language)}),
                    pages.BoyNakshatra, kNakshatraFields, language);
    AppendCatalogue(doc, Fill(words.NakshatraPageOf, {Who(state, false, language)}),
                    pages.GirlNakshatra, kNakshatraFields, language);
  }
  AppendClosing(doc, language);
  return doc;
}

Document ComposeChartsDocument(const MatchState& state, const MatchResult& result,
                               const ChartsAndDoshas& charts, ChartStyle style, Language language) {
  Document doc;
  doc.Lang = language;
  doc.Title = KundaliMatchTitle(state.BoyDetails.Name, state.GirlDetails.Name, language);
  AddParagraph(doc, ParagraphStyle::Title, doc.Title);
  AppendCharts(doc, state, result, charts, style, language);
  AppendClosing(doc, language);
  return doc;
}

Document ComposeTimingDocument(const MatchState& state, const MatchTiming& timing,
                               Language language) {
  Document doc;
  doc.Lang = language;
  doc.Title = KundaliMatchTitle(state.BoyDetails.Name, state.GirlDetails.Name, language);
  AddParagraph(doc, ParagraphStyle::Title, doc.Title);
  AppendTiming(doc, state, timing, language);
  AppendClosing(doc, language);
  return doc;
}

Document ComposeCatalogueDocument(const MatchState& state, PersonSide side, CataloguePageKind kind,
                                  Language language) {
  const Phrases& words = PhrasesOf(language);
  const CatalogueRecords pages = CatalogueRecordsOf(state);
  Document doc;
  doc.Lang = language;
  const bool boy = side == PersonSide::Male;
  const bool rashi = kind == CataloguePageKind::Rashi;
  doc.Title = Fill(rashi ? words.RashiPageOf : words.NakshatraPageOf, {Who(state, boy, language)});
  AddParagraph(doc, ParagraphStyle::Title, doc.Title);
  if (!state.BirthDetailsStored) {
    AddParagraph(doc, ParagraphStyle::Note, Word(words.BirthDetailsNotStored));
  }
  if (language != Language::English) {
    AddParagraph(doc, ParagraphStyle::Note, Word(words.ProseInEnglish));
  }
  if (rashi) {
    AppendCatalogue(doc, Word(RashiWord(language, boy ? state.Boy.Sign : state.Girl.Sign)),
                    boy ? pages.BoyRashi : pages.GirlRashi, kRashiFields, language);
  } else {
    AppendCatalogue(doc,
                    Word(NakshatraWord(language, boy ? state.Boy.Nakshatra : state.Girl.Nakshatra)),
                    boy ? pages.BoyNakshatra : pages.GirlNakshatra, kNakshatraFields, language);
  }
  AppendClosing(doc, language);
  return doc;
}

ReportDocument ReportRunsOf(const Document& doc, std::string_view cell_separator) {
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
          line += (line.empty() ? std::string() : std::string(cell_separator)) + cell.Text;
        }
        report.push_back({line + kCrLf, false, std::nullopt});
      }
      report.push_back({kCrLf, false, std::nullopt});
    }
  }
  return report;
}

}  // namespace lumora
