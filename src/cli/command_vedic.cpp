// SPDX-License-Identifier: MIT
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

#include "cli/commands.h"
#include "cli/form_input.h"
#include "cli/pdf_output.h"
#include "cli/person_input.h"
#include "core/entry/date_lists.h"
#include "core/text.h"
#include "core/vedic/chart/charts_and_doshas.h"
#include "core/vedic/entry/couple_file.h"
#include "core/vedic/match/match.h"
#include "core/vedic/result/match_document.h"

namespace lumora::cli {

namespace {

Json PersonJson(const PersonDetails& p) {
  Json out;
  out["Name"] = p.Name;
  out["Day"] = p.Day;
  out["Month"] = p.Month;
  out["Year"] = p.Year;
  out["Hour"] = p.Hour;
  out["Minute"] = p.Minute;
  out["Second"] = p.Second;
  out["Place"] = p.Place;
  return out;
}

Json ChartJson(const SiderealChart& chart) {
  Json planets;
  for (int g = 0; g < kGrahaCount; ++g) {
    planets[std::string(kGrahaNames[static_cast<std::size_t>(g)].Name)] =
        chart.Planets[static_cast<std::size_t>(g)];
  }
  Json out;
  out["Lagna"] = chart.Lagna;
  out["Planets"] = std::move(planets);
  return out;
}

}  // namespace

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
                        int uncertainty_minutes) {
  const auto charts = ComputeChartsAndDoshas(state, r.BoyMoment, r.GirlMoment, uncertainty_minutes);
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

Json MatchJson(const MatchState& state, const MatchOutcome& outcome, bool report,
               int uncertainty_minutes) {
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
  out["BoyRashi"] = state.BoyRashi;
  out["GirlRashi"] = state.GirlRashi;
  out["BoyNakshatra"] = state.BoyNakshatra;
  out["GirlNakshatra"] = state.GirlNakshatra;
  Json kootas = Json::array();
  for (int k = 0; k < kKootaCount; ++k) {
    Json item;
    item["Koota"] = std::string(kKootas[k].Koota);
    item["BoyValue"] = r.Kootas[k].BoyValue;
    item["GirlValue"] = r.Kootas[k].GirlValue;
    item["Maximum"] = std::string(kKootas[k].Maximum);
    item["Points"] = r.Kootas[k].Points;
    item["AreaOfLife"] = r.Texts.KootaAreaOfLife[k];
    kootas.push_back(std::move(item));
  }
  out["Kootas"] = std::move(kootas);
  out["TotalPoints"] = r.TotalPoints;
  // The exact total and each koota's points as numbers, for scripts.
  out["Total"] = state.TotalPoints;
  Json by_koota = Json::object();
  for (int k = 0; k < kKootaCount; ++k) {
    by_koota[std::string(kKootas[k].Koota)] = std::strtod(r.Kootas[k].Points.c_str(), nullptr);
  }
  out["PointsByKoota"] = std::move(by_koota);
  out["Verdict"] = r.Verdict;
  out["Summary"] = r.Summary;
  out["Grid"] = GridJson(r.Grid);
  if (report) {
    out["Report"] = ReportJson(r.Report);
  }
  AddChartsAndDoshas(out, state, r, uncertainty_minutes);
  return out;
}

Json MatchFromProfileValues(const ProfileValues& values, bool report) {
  return MatchFromProfileValues(values, report, kDefaultUncertaintyMinutes);
}

// The match state of a profile's four Moon values; values outside the tables are refused
// as a profile file would be.
MatchState ProfileState(const ProfileValues& values) {
  if (!CheckProfileValues(values)) {
    throw Rejection(kProfileRefusal, "error");
  }
  MatchState state;
  state.BoyRashi = values[0];
  state.GirlRashi = values[1];
  state.BoyNakshatra = values[2];
  state.GirlNakshatra = values[3];
  state.BirthDetailsStored = false;
  return state;
}

Json MatchFromProfileValues(const ProfileValues& values, bool report, int uncertainty_minutes) {
  MatchState state = ProfileState(values);
  const MatchOutcome outcome = CalculateMatch(state);
  return MatchJson(state, outcome, report, uncertainty_minutes);
}

// The form of a couple file given as an input object (a couple file on standard input);
// a damaged one is rejected with the message the form window shows.
BirthForm CoupleForm(std::string_view bytes) {
  FormResult<BirthForm> couple = ReadCoupleFile(bytes);
  if (const auto* failure = std::get_if<FormFailure>(&couple)) {
    throw RejectionOf(*failure);
  }
  return std::get<BirthForm>(std::move(couple));
}

Json VedicCommand(const Json& input, bool report, int uncertainty_minutes, MoonModel model,
                  bool compare_moons, const PdfOptions& pdf) {
  MatchState state;
  MatchOutcome outcome;
  if (input.contains("Profile")) {
    const Json& profile = input["Profile"];
    if (!profile.is_array() || profile.size() != 4 ||
        !std::all_of(profile.begin(), profile.end(), [](const Json& v) { return v.is_string(); })) {
      throw Rejection(kProfileRefusal, "error");
    }
    const ProfileValues values{profile[0].get<std::string>(), profile[1].get<std::string>(),
                               profile[2].get<std::string>(), profile[3].get<std::string>()};
    if (pdf.file.empty()) {
      return MatchFromProfileValues(values, report, uncertainty_minutes);
    }
    state = ProfileState(values);
    outcome = CalculateMatch(state);
  } else if (HasPersonRecords(input, "Boy", "Girl")) {
    // Two person records, as rank reads them, places through the atlas.
    const FormSides<PersonRecord> records = ReadPersonRecords(input, "Boy", "Girl", model);
    FormSides<BirthDetails> persons;
    for (const PersonSide side : kPersonSides) {
      persons[side] = BirthDetailsOf(records[side].Person, records[side].Entry);
    }
    outcome = RunMatchOf(state, persons, model);
  } else {
    BirthForm form;
    if (input.contains("Format")) {
      form = CoupleForm(input.dump());
    } else {
      form = ReadBirthForm(input);
    }
    outcome = RunMatch(state, form, model);
  }
  Json out = MatchJson(state, outcome, report, uncertainty_minutes);
  if (compare_moons && outcome.Result && outcome.Result->BoyMoment && outcome.Result->GirlMoment) {
    // The moments the match was computed for, each at its clock's exact offset.
    out["BoyMoonComparison"] = MoonComparisonJson(CompareMoonModels(*outcome.Result->BoyMoment));
    out["GirlMoonComparison"] = MoonComparisonJson(CompareMoonModels(*outcome.Result->GirlMoment));
  }
  if (!pdf.file.empty()) {
    const MatchResult& r = *outcome.Result;
    // The tool has no chart-style option: charts are drawn North Indian, the window's
    // first style.
    WritePdfFile(ComposeMatchDocument(
                     state, r, pdf.with_catalogues,
                     ComputeChartsAndDoshas(state, r.BoyMoment, r.GirlMoment, uncertainty_minutes),
                     ChartStyle::NorthIndian),
                 pdf.file);
  }
  return out;
}

namespace {

std::string FileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    throw UsageError("cannot read input file: " + path);
  }
  std::ostringstream buffer;
  buffer << file.rdbuf();
  return buffer.str();
}

}  // namespace

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
      "  or Latitude, Longitude, TimeZone; optional ClockReading (earlier/later).\n");
  AddMoonOptions(vedic, options.moon, true);
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
  vedic->callback([&options, &action] {
    action = [&options] {
      std::vector<Json> inputs;
      if (HasCoupleExtension(options.common.input_file)) {
        // A couple file (.lumora) is one form input; a damaged one is a rejected input.
        FormResult<BirthForm> couple = ReadCoupleFile(FileBytes(options.common.input_file));
        if (const auto* failure = std::get_if<FormFailure>(&couple)) {
          WriteResult(*Context().Out, ErrorObject(RejectionOf(*failure)), options.common.json);
          return 2;
        }
        inputs.push_back(BirthFormJson(std::get<BirthForm>(couple)));
      } else {
        inputs = ReadInputs(options.common.input_file);
      }
      if (!options.pdf.file.empty()) {
        RequireOneInputForPdf(inputs.size());
      }
      return RunEach(inputs, options.common.json, [&options](const Json& input) {
        return VedicCommand(input, options.report, options.uncertainty, options.moon.Model(),
                            options.moon.compare_moons, options.pdf);
      });
    };
  });
}

}  // namespace lumora::cli
