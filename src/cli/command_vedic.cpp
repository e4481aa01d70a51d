// SPDX-License-Identifier: MIT
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

#include "cli/commands.h"
#include "cli/dasha_json.h"
#include "cli/form_input.h"
#include "cli/pdf_output.h"
#include "cli/person_input.h"
#include "cli/porutham_json.h"
#include "core/entry/date_lists.h"
#include "core/ephemeris/zodiac.h"
#include "core/file_access.h"
#include "core/glossary/phrases.h"
#include "core/text.h"
#include "core/vedic/chart/charts_and_doshas.h"
#include "core/vedic/entry/couple_file.h"
#include "core/vedic/match/match.h"
#include "core/vedic/result/match_document.h"
#include "core/vedic/timing/civil_day.h"

namespace lumora::cli {

namespace {

// The vedic command's options.
struct VedicCommandOptions {
  CommonOptions common;
  DashaChoice timing;
  bool report = false;
  MoonOptions moon;
  ZodiacOptions zodiac;
  int uncertainty = kDefaultUncertaintyMinutes;  // minutes either side of each birth time
  PdfOptions pdf;
  std::string tables;  // "specified" or "classical"; empty: the input's choice or specified
};

}  // namespace

namespace {

constexpr std::tuple kPersonFields{
    JsonField{"Name", &PersonDetails::Name},     JsonField{"Day", &PersonDetails::Day},
    JsonField{"Month", &PersonDetails::Month},   JsonField{"Year", &PersonDetails::Year},
    JsonField{"Hour", &PersonDetails::Hour},     JsonField{"Minute", &PersonDetails::Minute},
    JsonField{"Second", &PersonDetails::Second}, JsonField{"Place", &PersonDetails::Place},
};

Json PersonJson(const PersonDetails& p) {
  Json out = RecordJson(p, kPersonFields);
  // The coordinates and clock the match read, as the windows and documents show them.
  if (p.Location) {
    out["Location"] = LocationWords(*p.Location);
  }
  return out;
}

}  // namespace

Json ChartJson(const SiderealChart& chart) {
  Json planets;
  Json speeds;
  Json navamsa;
  Json retrograde = Json::array();
  for (int g = 0; g < kGrahaCount; ++g) {
    const auto graha = static_cast<Graha>(g);
    const std::string name(kGrahaNames[static_cast<std::size_t>(g)].Name);
    planets[name] = chart.Planets[static_cast<std::size_t>(g)];
    speeds[name] = chart.SpeedOf(graha);
    navamsa[name] = NavamsaSign(chart.Of(graha)) + 1;
    if (chart.IsRetrograde(graha)) {
      retrograde.push_back(name);
    }
  }
  navamsa["Lagna"] = NavamsaSign(chart.Lagna) + 1;
  Json out;
  out["Lagna"] = chart.Lagna;
  out["Planets"] = std::move(planets);
  out["Ayanamsa"] = {{"Name", std::string(AyanamsaName(chart.Options.ayanamsa))},
                     {"Degrees", chart.AyanamsaDegrees}};
  out["Node"] = chart.Options.node == NodeKind::True ? "True" : "Mean";
  out["Retrograde"] = std::move(retrograde);
  out["Speeds"] = std::move(speeds);
  out["Navamsa"] = std::move(navamsa);
  return out;
}

Json ExceptionsJson(const std::vector<DoshaException>& exceptions) {
  Json codes = Json::array();
  for (const DoshaException e : exceptions) {
    codes.push_back(std::string(ExceptionCode(e)));
  }
  return codes;
}

Json ManglikJson(const ManglikAssessment& manglik) {
  Json out;
  constexpr const char* kKeys[] = {"FromLagna", "FromMoon", "FromVenus"};
  for (std::size_t r = 0; r < manglik.From.size(); ++r) {
    Json from;
    from["House"] = manglik.From[r].House;
    from["Dosha"] = manglik.From[r].Dosha;
    out[kKeys[r]] = std::move(from);
  }
  out["IsManglik"] = manglik.IsManglik;
  out["Exceptions"] = ExceptionsJson(manglik.Exceptions);
  return out;
}

Json WindowsJson(const BirthTimeWindows& windows) {
  Json out;
  for (int k = 0; k < kWindowKindCount; ++k) {
    const TimeWindow& w = windows.Windows[static_cast<std::size_t>(k)];
    Json span;
    span["From"] = FormatLocalClock(w.From);
    span["To"] = FormatLocalClock(w.To);
    out[std::string(kWindowKindNames[static_cast<std::size_t>(k)])] = std::move(span);
  }
  return out;
}

Json DoshasJson(const PairDoshas& doshas) {
  Json out = Json::array();
  for (const DoshaAssessment& d : doshas) {
    Json item;
    item["Name"] = std::string(kPairDoshaNames[static_cast<std::size_t>(d.Dosha)]);
    item["Present"] = d.Present;
    item["Exceptions"] = ExceptionsJson(d.Exceptions);
    out.push_back(std::move(item));
  }
  return out;
}

Json ScoreRangeJson(const ScoreRange& range) {
  Json kootas = Json::array();
  for (const int k : range.ChangingKootas) {
    kootas.push_back(std::string(kKootas[static_cast<std::size_t>(k)].Koota));
  }
  Json out;
  out["Minutes"] = range.Minutes;
  out["Lowest"] = FormatHalfPoints(range.Lowest);
  out["Highest"] = FormatHalfPoints(range.Highest);
  out["Kootas"] = std::move(kootas);
  return out;
}

namespace {

// Charts, Manglik, windows and the score range where birth details exist; the doshas
// for every match.
void AddChartsAndDoshas(Json& out, const MatchState& state, const MatchResult& r,
                        int uncertainty_minutes, const ChartOptions& options) {
  const auto charts =
      ComputeChartsAndDoshas(state, r.BoyMoment, r.GirlMoment, uncertainty_minutes, options);
  if (!charts) {
    return;
  }
  if (charts->Boy && charts->Girl) {
    out["BoyChart"] = ChartJson(charts->Boy->Chart);
    out["GirlChart"] = ChartJson(charts->Girl->Chart);
    out["BoyManglik"] = ManglikJson(charts->Boy->Manglik);
    out["GirlManglik"] = ManglikJson(charts->Girl->Manglik);
    out["BoyTimeWindows"] = WindowsJson(charts->Boy->Windows);
    out["GirlTimeWindows"] = WindowsJson(charts->Girl->Windows);
    out["ManglikMatch"] =
        std::string(kManglikMatchNames[static_cast<std::size_t>(*charts->Manglik)]);
    out["ScoreRange"] = ScoreRangeJson(*charts->Range);
  }
  out["Doshas"] = DoshasJson(charts->Doshas);
}

// The table's cells as one list, as the output has always given them: each koota row's
// five cells in koota order, then the 36 points at stake, the points total, the verdict
// and the sentence.
Json GridJson(const GunaMilanGrid& grid) {
  Json cells = Json::array();
  for (const GunaMilanRow& row : grid.Rows) {
    for (const std::string* cell : {&row.BoyValue, &row.GirlValue, &row.MaximumPoints,
                                    &row.PointsObtained, &row.AreaOfLife}) {
      cells.push_back(*cell);
    }
  }
  for (const std::string* cell :
       {&grid.MaximumTotal, &grid.PointsTotal, &grid.Verdict, &grid.Summary}) {
    cells.push_back(*cell);
  }
  return cells;
}

}  // namespace

Json ReportJson(const ReportDocument& document) {
  Json runs = Json::array();
  for (const ReportRun& run : document) {
    Json item;
    item["Text"] = run.Text;
    item["Bold"] = run.Bold;
    item["Color"] = run.Color ? Json::array({run.Color->Red, run.Color->Green, run.Color->Blue})
                              : Json(nullptr);
    runs.push_back(std::move(item));
  }
  return runs;
}

// An exact total as a JSON number: whole totals as integers, halves as decimals.
Json HalfPointsJson(int half_points) {
  return half_points % 2 == 0 ? Json(half_points / 2) : Json(half_points / 2.0);
}

namespace {

// The sentences of a match the core words in English, made in the reader's language for
// readable output: the summary, the other tables' total, the rows' notes and the report,
// which is then the match document in words (its prose English, as it says once).
void SayInLanguage(Json& out, const MatchState& state, const MatchResult& r, Language language) {
  const Phrases& words = PhrasesOf(language);
  const GunaMilanGrid& grid = r.Grid;
  out["Summary"] = Fill(words.PointsObtainedSentence, {grid.PointsTotal, grid.MaximumTotal});
  const KootaTables other = OtherKootaTables(r.Tables);
  const double other_total = r.TotalHalfPointsOf(other) / 2.0;
  out["OtherTables"] =
      Fill(other_total < kUsualThresholdPoints ? words.TablesTotalBelow : words.TablesTotal,
           {words.TableSets[static_cast<std::size_t>(other)], FormatHalfPoints(other_total),
            FormatHalfPoints(kUsualThresholdPoints)});
  const std::array<std::string, kKootaCount> notes = KootaNotesIn(r, language);
  for (Json& note : out["Notes"]) {
    for (int k = 0; k < kKootaCount; ++k) {
      if (note["Koota"] == kKootas[static_cast<std::size_t>(k)].Koota) {
        note["Note"] = notes[static_cast<std::size_t>(k)];
      }
    }
  }
  if (out.contains("Report")) {
    // One run a line: the line breaks between them say nothing a reader's terminal needs.
    ReportDocument lines;
    for (ReportRun& run :
         ReportRunsOf(ComposeMatchDocument(state, r, false, std::nullopt, ChartStyle::NorthIndian,
                                           std::nullopt, language),
                      " | ")) {
      while (!run.Text.empty() && (run.Text.back() == '\r' || run.Text.back() == '\n')) {
        run.Text.pop_back();
      }
      run.Text.erase(0, run.Text.find_first_not_of("\r\n"));
      if (!run.Text.empty()) {
        lines.push_back(std::move(run));
      }
    }
    out["Report"] = ReportJson(lines);
  }
}

}  // namespace

Json MatchJson(const MatchState& state, const MatchOutcome& outcome, bool report,
               int uncertainty_minutes, const ChartOptions& options = {}) {
  if (outcome.Failure) {
    throw RejectionOf(*outcome.Failure);
  }
  const MatchResult& r = *outcome.Result;
  Json out;
  if (r.BoyMoon && r.GirlMoon) {
    out["BoyDetails"] = PersonJson(state.BoyDetails);
    out["GirlDetails"] = PersonJson(state.GirlDetails);
    out["BoyMoon"] = MoonJson(*r.BoyMoon);
    out["GirlMoon"] = MoonJson(*r.GirlMoon);
    AddClockJson(out["BoyMoon"], r.BoyClock);
    AddClockJson(out["GirlMoon"], r.GirlClock);
  }
  out["BoyRashi"] = std::string(kSignNames[static_cast<std::size_t>(state.Boy.Sign)]);
  out["GirlRashi"] = std::string(kSignNames[static_cast<std::size_t>(state.Girl.Sign)]);
  out["BoyNakshatra"] = std::string(kNakshatraNames[static_cast<std::size_t>(state.Boy.Nakshatra)]);
  out["GirlNakshatra"] =
      std::string(kNakshatraNames[static_cast<std::size_t>(state.Girl.Nakshatra)]);
  Json kootas = Json::array();
  Json notes = Json::array();
  for (int k = 0; k < kKootaCount; ++k) {
    const GunaMilanRow& row = r.Grid.Rows[static_cast<std::size_t>(k)];
    Json item;
    item["Koota"] = std::string(kKootas[k].Koota);
    item["BoyValue"] = row.BoyValue;
    item["GirlValue"] = row.GirlValue;
    item["Maximum"] = std::string(kKootas[k].Maximum);
    item["Points"] = row.PointsObtained;
    item["AreaOfLife"] = row.AreaOfLife;
    kootas.push_back(std::move(item));
    if (!r.Grid.Notes[static_cast<std::size_t>(k)].empty()) {
      Json note;
      note["Koota"] = std::string(kKootas[k].Koota);
      note["Note"] = r.Grid.Notes[static_cast<std::size_t>(k)];
      notes.push_back(std::move(note));
    }
  }
  out["Kootas"] = std::move(kootas);
  out["TotalPoints"] = r.TotalPoints;
  // The exact total and each koota's points as numbers, for scripts.
  out["Total"] = state.TotalPoints;
  Json by_koota = Json::object();
  for (int k = 0; k < kKootaCount; ++k) {
    by_koota[std::string(kKootas[k].Koota)] =
        r.Kootas()[static_cast<std::size_t>(k)].HalfPoints / 2.0;
  }
  out["PointsByKoota"] = std::move(by_koota);
  out["Verdict"] = r.Verdict;
  out["Summary"] = r.Summary;
  out["Grid"] = GridJson(r.Grid);
  if (report) {
    out["Report"] = ReportJson(r.Report);
  }
  AddChartsAndDoshas(out, state, r, uncertainty_minutes, options);
  // The tables in use and both totals, after everything the output has always held.
  out["Tables"] = std::string(KootaTablesName(r.Tables));
  out["SpecifiedTotal"] = HalfPointsJson(r.TotalHalfPointsOf(KootaTables::Specified));
  out["ClassicalTotal"] = HalfPointsJson(r.TotalHalfPointsOf(KootaTables::Classical));
  out["OtherTables"] = r.Grid.OtherTotalLine;
  out["Notes"] = std::move(notes);
  AddPoruthamJson(out, r.Poruthams);
  if (r.Papasamyam) {
    out["Papasamyam"] = PapasamyamJson(*r.Papasamyam);
  }
  if (const auto language = ReadableLanguage()) {
    SayInLanguage(out, state, r, *language);
  }
  return out;
}

Json MatchFromProfileValues(const ProfileValues& values, bool report) {
  return MatchFromProfileValues(values, report, kDefaultUncertaintyMinutes);
}

namespace {

// The tables the --tables option names ("specified", "classical").
KootaTables TablesOption(const std::string& option, KootaTables otherwise) {
  return option.empty() ? otherwise : FindKootaTables(option).value_or(otherwise);
}

}  // namespace

// The match state of a profile's four Moon values; values outside the tables are refused
// as a profile file would be.
MatchState ProfileState(const ProfileValues& values, KootaTables tables) {
  const auto moons = ProfileMoons(values);
  if (!moons) {
    throw Rejection(kProfileRefusal, "error");
  }
  MatchState state;
  state.Boy = moons->Boy;
  state.Girl = moons->Girl;
  state.BirthDetailsStored = false;
  state.Tables = tables;
  return state;
}

Json MatchFromProfileValues(const ProfileValues& values, bool report, int uncertainty_minutes,
                            KootaTables tables) {
  MatchState state = ProfileState(values, tables);
  const MatchOutcome outcome = CalculateMatch(state);
  return MatchJson(state, outcome, report, uncertainty_minutes);
}

// A couple file given as an input object (a couple file on standard input or --input);
// a damaged one is rejected with the message the form window shows.
Couple CoupleOf(std::string_view bytes) {
  FormResult<Couple> couple = ReadCoupleFile(bytes);
  if (const auto* failure = std::get_if<FormFailure>(&couple)) {
    throw RejectionOf(*failure);
  }
  return std::get<Couple>(std::move(couple));
}

namespace {

std::optional<std::string> ZoneOf(const std::optional<PersonClock>& clock) {
  return clock ? std::optional<std::string>(clock->TimeZone) : std::nullopt;
}

// Today as a day number (days from 1970-01-01) of universal time.
int TodayDayNumber() {
  return static_cast<int>(std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())
                              .time_since_epoch()
                              .count());
}

// --dasha, --wedding and --year-days as read.
struct VedicTiming {
  bool Dasha = false;
  std::optional<int> WeddingDay;
  DashaYearLength Year = kJulianDashaYear;
};

VedicTiming ReadVedicTiming(const DashaChoice& choice) {
  VedicTiming timing;
  timing.Dasha = choice.dasha;
  if (!choice.wedding.empty()) {
    timing.WeddingDay = ParseDayText(choice.wedding);
    if (!timing.WeddingDay) {
      throw UsageError("--wedding takes a date as YYYY-MM-DD: " + choice.wedding);
    }
  }
  timing.Year = DashaYearLengthNamed(choice.year_days).value_or(kJulianDashaYear);
  return timing;
}

}  // namespace

Json VedicCommand(const Json& input, bool report, int uncertainty_minutes, MoonModel model,
                  bool compare_moons, const PdfOptions& pdf, const ZodiacOptions& zodiac,
                  const std::string& tables_option, const VedicTiming& timing_choice) {
  ChartOptions options = zodiac.Chart();
  MatchState state;
  MatchOutcome outcome;
  const KootaTables tables = TablesOption(tables_option, KootaTables::Specified);
  state.Tables = tables;
  if (input.contains("Profile")) {
    const Json& profile = input["Profile"];
    if (!profile.is_array() || profile.size() != 4 ||
        !std::all_of(profile.begin(), profile.end(), [](const Json& v) { return v.is_string(); })) {
      throw Rejection(kProfileRefusal, "error");
    }
    const ProfileValues values{profile[0].get<std::string>(), profile[1].get<std::string>(),
                               profile[2].get<std::string>(), profile[3].get<std::string>()};
    if (pdf.file.empty()) {
      return MatchFromProfileValues(values, report, uncertainty_minutes, tables);
    }
    state = ProfileState(values, tables);
    outcome = CalculateMatch(state);
  } else if (input.contains("Format")) {
    // A couple file (its persons are forms under "Boy" and "Girl"), matched with the
    // tables, ayanamsa and node it keeps unless --tables, --ayanamsa or --node name others.
    Couple couple = CoupleOf(input.dump());
    state.Tables = TablesOption(tables_option, couple.Tables);
    options = zodiac.ChartOr(couple.Chart);
    outcome = RunMatch(state, couple.Form, model, options);
  } else if (HasPersonRecords(input, "Boy", "Girl")) {
    // Two person records, as rank reads them, places through the atlas.
    const FormSides<PersonRecord> records = ReadPersonRecords(input, "Boy", "Girl", model);
    FormSides<BirthDetails> persons;
    for (const PersonSide side : kPersonSides) {
      persons[side] = BirthDetailsOf(records[side].Person, records[side].Entry);
    }
    outcome = RunMatchOf(state, persons, model, options);
  } else {
    outcome = RunMatch(state, ReadBirthForm(input), model, options);
  }
  Json out = MatchJson(state, outcome, report, uncertainty_minutes, options);
  if (compare_moons && outcome.Result && outcome.Result->BoyMoment && outcome.Result->GirlMoment) {
    // The moments the match was computed for, each at its clock's exact offset.
    out["BoyMoonComparison"] = MoonComparisonJson(CompareMoonModels(*outcome.Result->BoyMoment));
    out["GirlMoonComparison"] = MoonComparisonJson(CompareMoonModels(*outcome.Result->GirlMoment));
  }
  // The timing of a match with birth moments, for --dasha and for the document.
  std::optional<MatchTiming> timing;
  if (outcome.Result && (timing_choice.Dasha || !pdf.file.empty())) {
    const MatchResult& r = *outcome.Result;
    timing = ComputeMatchTiming(r.BoyMoment, ZoneOf(r.BoyClock), r.GirlMoment, ZoneOf(r.GirlClock),
                                options.ayanamsa, timing_choice.Year, timing_choice.WeddingDay,
                                TodayDayNumber());
  }
  if (timing_choice.Dasha && timing) {
    out["BoyDasha"] = MatchDashaJson(timing->Couple.Boy, timing_choice.WeddingDay);
    out["GirlDasha"] = MatchDashaJson(timing->Couple.Girl, timing_choice.WeddingDay);
    out["DashaSandhi"] = DashaSandhiJson(timing->Couple);
  }
  if (!pdf.file.empty()) {
    const MatchResult& r = *outcome.Result;
    // The tool has no chart-style option: charts are drawn North Indian, the window's
    // first style.
    WritePdfFile(ComposeMatchDocument(state, r, pdf.with_catalogues,
                                      ComputeChartsAndDoshas(state, r.BoyMoment, r.GirlMoment,
                                                             uncertainty_minutes, options),
                                      ChartStyle::NorthIndian, timing, Context().Lang),
                 pdf.file);
  }
  return out;
}

namespace {

// A couple file's bytes, never more than one past its limit (ReadCoupleFile refuses a
// longer file), and only from a regular file: a FIFO would wait, /dev/zero never end.
std::string FileBytes(const std::string& path) {
  FormResult<std::string> read = ReadRegularFile(path, kCoupleMaxBytes);
  if (const auto* failure = std::get_if<FormFailure>(&read)) {
    throw UsageError("cannot read input file: " + failure->Message);
  }
  return std::get<std::string>(std::move(read));
}

}  // namespace

namespace {

void RegisterVedicCommand(CLI::App& app, VedicCommandOptions& options, Action& action) {
  CLI::App* vedic = app.add_subcommand(
      "vedic",
      "A whole Vedic match: a birth-details form keyed by control names, or {\"Profile\": [four "
      "Moon values]}");
  AddCommonOptions(vedic, options.common);
  vedic->add_flag("--report", options.report, "Also output the interpretation report runs");
  vedic->footer(
      "Input keys, each for the boy (M) and the girl (F):\n"
      "  txtMName, txtMCity, txtMState, txtMCountry (texts);\n"
      "  cboMDate (\"1\"-\"31\"), cboMMonth (\"January\"-\"December\"), cboMYear "
      "(\"1901\"-\"2050\"),\n"
      "  cboMHH (\"0\"-\"24\"), cboMMM, cboMSS (\"0\"-\"59\") (list entries);\n"
      "  txtMLD, txtMLM, txtMLoD, txtMLoM, txtMZoneHour, txtMZoneMinute (digit texts);\n"
      "  optMNorth, optMSouth, optMEast, optMWest, chkMDST (true or false);\n"
      "  optMZoneAhead, optMZoneBehind (true or false: the zone is ahead of or behind UTC;\n"
      "  neither given, the zone lies on the longitude's side).\n"
      "Or {\"Profile\": [BoyRashi, GirlRashi, BoyNakshatra, GirlNakshatra]}.\n"
      "Or {\"Boy\": person, \"Girl\": person}, each person as rank reads one: Name,\n"
      "  BirthDate (YYYY-MM-DD), BirthTime (HH:MM[:SS]), and Place (looked up in the atlas)\n"
      "  or Latitude, Longitude, TimeZone; optional ClockReading (earlier/later).\n"
      "With --dasha (birth details needed): BoyDasha and GirlDasha (the mahadashas and, with\n"
      "  --wedding, AtWedding: the periods running that day) and DashaSandhi: [{\"Boy\": date\n"
      "  or null, \"Girl\": date or null, \"DaysApart\": d}]. Dates YYYY-MM-DD on each birth\n"
      "  place's clock.\n");
  AddMoonOptions(vedic, options.moon, true);
  AddZodiacOptions(vedic, options.zodiac);
  vedic
      ->add_option("--uncertainty", options.uncertainty,
                   "Minutes either side of each birth time for the score range: 5, 15, 30 or 60")
      ->check(
          CLI::IsMember(std::vector<int>(kUncertaintyChoices.begin(), kUncertaintyChoices.end())));
  vedic
      ->add_option("--pdf", options.pdf.file,
                   "Also write the match as a PDF document to FILE (one input object only)")
      ->check(RefuseEmptyFileName);
  vedic->add_flag("--with-catalogues", options.pdf.with_catalogues,
                  "With --pdf: add both persons' rashi and nakshatra pages");
  vedic
      ->add_option("--tables", options.tables,
                   "The koota tables the match is scored with: specified (the program's own, "
                   "the default) or classical; both totals are always given")
      ->check(CLI::IsMember({"specified", "classical"}));
  vedic->add_flag("--dasha", options.timing.dasha,
                  "Also give both persons' Vimshottari mahadashas and the Dasha Sandhis");
  vedic->add_option("--wedding", options.timing.wedding,
                    "The wedding date, YYYY-MM-DD: the periods running then, the Sandhis near it "
                    "(also in --pdf)");
  AddYearDaysOption(vedic, options.timing.year_days);
  vedic->callback([&options, &action] {
    action = [&options] {
      const VedicTiming timing = ReadVedicTiming(options.timing);
      Inputs inputs;
      if (HasCoupleExtension(options.common.input_file)) {
        // A couple file (.lumora) is one input, its form and its koota tables; a damaged
        // one is a rejected input.
        const std::string bytes = FileBytes(options.common.input_file);
        FormResult<Couple> couple = ReadCoupleFile(bytes);
        if (const auto* failure = std::get_if<FormFailure>(&couple)) {
          WriteResult(*Context().Out, ErrorObject(RejectionOf(*failure)), options.common.json);
          return 2;
        }
        inputs.push_back(Input{std::get<Json>(ParseStrictJson(bytes)), std::nullopt});
      } else {
        inputs = ReadInputs(options.common.input_file);
      }
      if (!options.pdf.file.empty()) {
        RequireOneInputForPdf(inputs.size());
      }
      return RunEach(inputs, options.common.json, [&options, &timing](const Json& input) {
        return VedicCommand(input, options.report, options.uncertainty, options.moon.Model(),
                            options.moon.compare_moons, options.pdf, options.zodiac, options.tables,
                            timing);
      });
    };
  });
}

}  // namespace

std::unique_ptr<Command> NewVedicCommand() {
  return MakeCommand<VedicCommandOptions>(RegisterVedicCommand);
}

}  // namespace lumora::cli
