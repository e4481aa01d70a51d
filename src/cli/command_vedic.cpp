#include <fstream>
#include <iostream>
#include <sstream>

#include "cli/commands.h"
#include "cli/pdf_output.h"
#include "core/vedic/entry/couple_file.h"
#include "core/vedic/entry/time_zones.h"
#include "core/vedic/match/match.h"
#include "core/vedic/result/match_document.h"

namespace lumora::cli {

namespace {

std::string ListField(const Json& input, char side, const char* suffix, BirthList list) {
  const std::string key = std::string("cbo") + side + suffix;
  const auto& entries = BirthListEntries(list);
  const std::string value = StringField(input, key.c_str(), entries.front());
  if (!BirthListPosition(list, value)) {
    throw Rejection("\"" + value + "\" is not an entry of " + key, "error", key);
  }
  return value;
}

void OptionPair(const Json& input, char side, const char* first, const char* second, bool& a,
                bool& b) {
  const std::string first_key = std::string("opt") + side + first;
  const std::string second_key = std::string("opt") + side + second;
  if (!input.contains(first_key) && !input.contains(second_key)) {
    return;  // the preset: the first option of the pair
  }
  a = BoolField(input, first_key.c_str(), false);
  b = BoolField(input, second_key.c_str(), false);
}

BirthFormSide ReadSide(const Json& input, char side) {
  BirthFormSide s;
  auto text = [&](const char* suffix) {
    const std::string key = std::string("txt") + side + suffix;
    return StringField(input, key.c_str(), "");
  };
  s.Name = text("Name");
  s.Day = ListField(input, side, "Date", BirthList::Day);
  s.Month = ListField(input, side, "Month", BirthList::Month);
  s.Year = ListField(input, side, "Year", BirthList::Year);
  s.Hour = ListField(input, side, "HH", BirthList::Hour);
  s.Minute = ListField(input, side, "MM", BirthList::Minute);
  s.Second = ListField(input, side, "SS", BirthList::Second);
  s.City = text("City");
  s.State = text("State");
  s.Country = text("Country");
  s.LatDeg = text("LD");
  s.LatMin = text("LM");
  OptionPair(input, side, "North", "South", s.North, s.South);
  s.LongDeg = text("LoD");
  s.LongMin = text("LoM");
  OptionPair(input, side, "East", "West", s.East, s.West);
  s.ZoneHour = text("ZoneHour");
  s.ZoneMinute = text("ZoneMinute");
  s.DST = BoolField(input, (std::string("chk") + side + "DST").c_str(), false);
  return s;
}

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

Json MatchJson(const MatchState& state, const MatchOutcome& outcome, bool report) {
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
  out["Verdict"] = r.Verdict;
  out["Summary"] = r.Summary;
  out["Grid"] = r.Grid;
  if (report) {
    out["Report"] = ReportJson(r.Report);
  }
  return out;
}

Json MatchFromProfileValues(const ProfileValues& values, bool report) {
  MatchState state;
  if (!CheckProfileValues(values)) {
    throw Rejection(kProfileRefusal, "error");
  }
  state.BoyRashi = values[0];
  state.GirlRashi = values[1];
  state.BoyNakshatra = values[2];
  state.GirlNakshatra = values[3];
  state.LoadedFromFile = true;
  state.BirthDetailsStored = false;
  const MatchOutcome outcome = RunMatch(state, BirthForm{});
  return MatchJson(state, outcome, report);
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

Json VedicCommand(const Json& input, bool report, const PdfOptions& pdf) {
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
      return MatchFromProfileValues(values, report);
    }
    if (!CheckProfileValues(values)) {
      throw Rejection(kProfileRefusal, "error");
    }
    state.BoyRashi = values[0];
    state.GirlRashi = values[1];
    state.BoyNakshatra = values[2];
    state.GirlNakshatra = values[3];
    state.LoadedFromFile = true;
    state.BirthDetailsStored = false;
    outcome = RunMatch(state, BirthForm{});
  } else {
    BirthForm form;
    if (input.contains("Format")) {
      form = CoupleForm(input.dump());
    } else {
      form.Boy = ReadSide(input, 'M');
      form.Girl = ReadSide(input, 'F');
    }
    outcome = RunMatch(state, form);
  }
  Json out = MatchJson(state, outcome, report);
  if (!pdf.file.empty()) {
    WritePdfFile(ComposeMatchDocument(state, *outcome.Result, pdf.with_catalogues), pdf.file);
  }
  return out;
}

namespace {

// One side of a form keyed by the control names, as form input gives it.
void AddSide(Json& out, char side, const BirthFormSide& s) {
  const std::string p(1, side);
  out["txt" + p + "Name"] = s.Name;
  out["cbo" + p + "Date"] = s.Day;
  out["cbo" + p + "Month"] = s.Month;
  out["cbo" + p + "Year"] = s.Year;
  out["cbo" + p + "HH"] = s.Hour;
  out["cbo" + p + "MM"] = s.Minute;
  out["cbo" + p + "SS"] = s.Second;
  out["txt" + p + "City"] = s.City;
  out["txt" + p + "State"] = s.State;
  out["txt" + p + "Country"] = s.Country;
  out["txt" + p + "LD"] = s.LatDeg;
  out["txt" + p + "LM"] = s.LatMin;
  out["opt" + p + "North"] = s.North;
  out["opt" + p + "South"] = s.South;
  out["txt" + p + "LoD"] = s.LongDeg;
  out["txt" + p + "LoM"] = s.LongMin;
  out["opt" + p + "East"] = s.East;
  out["opt" + p + "West"] = s.West;
  out["txt" + p + "ZoneHour"] = s.ZoneHour;
  out["txt" + p + "ZoneMinute"] = s.ZoneMinute;
  out["chk" + p + "DST"] = s.DST;
}

Json FormJson(const BirthForm& form) {
  Json out = Json::object();
  AddSide(out, 'M', form.Boy);
  AddSide(out, 'F', form.Girl);
  return out;
}

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

void RegisterVedicCommand(CLI::App& app, CommonOptions& options, std::function<int()>& action) {
  static bool report = false;
  static PdfOptions pdf;
  CLI::App* vedic = app.add_subcommand(
      "vedic",
      "A whole Vedic match: a birth-details form keyed by control names, or {\"Profile\": [four "
      "Moon values]}");
  AddCommonOptions(vedic, options);
  vedic->add_flag("--report", report, "Also output the interpretation report runs");
  vedic->add_option("--pdf", pdf.file,
                    "Also write the match as a PDF document to FILE (one input object only)");
  vedic->add_flag("--with-catalogues", pdf.with_catalogues,
                  "With --pdf: add both persons' rashi and nakshatra pages");
  vedic->callback([&] {
    action = [&] {
      std::vector<Json> inputs;
      if (HasCoupleExtension(options.input_file)) {
        // A couple file (.lumora) is one form input; a damaged one is a rejected input.
        FormResult<BirthForm> couple = ReadCoupleFile(FileBytes(options.input_file));
        if (const auto* failure = std::get_if<FormFailure>(&couple)) {
          WriteResult(std::cout, ErrorObject(RejectionOf(*failure)), options.json);
          return 2;
        }
        inputs.push_back(FormJson(std::get<BirthForm>(couple)));
      } else {
        inputs = ReadInputs(options.input_file);
      }
      if (!pdf.file.empty()) {
        RequireOneInputForPdf(inputs.size());
      }
      return RunEach(inputs, options.json,
                     [](const Json& input) { return VedicCommand(input, report, pdf); });
    };
  });
}

}  // namespace lumora::cli
