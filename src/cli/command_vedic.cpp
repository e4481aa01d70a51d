#include <fstream>
#include <sstream>

#include "cli/commands.h"
#include "core/vedic/entry/time_zones.h"
#include "core/vedic/match/match.h"

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
  ReadZoneInput(input, side, s.TimeZoneId, s.ClockReading);
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
  const MatchOutcome outcome = RunMatch(state, BirthForm{});
  return MatchJson(state, outcome, report);
}

Json VedicCommand(const Json& input, bool report) {
  if (input.contains("Profile")) {
    const Json& profile = input["Profile"];
    if (!profile.is_array() || profile.size() != 4 ||
        !std::all_of(profile.begin(), profile.end(), [](const Json& v) { return v.is_string(); })) {
      throw Rejection(kProfileRefusal, "error");
    }
    return MatchFromProfileValues({profile[0].get<std::string>(), profile[1].get<std::string>(),
                                   profile[2].get<std::string>(), profile[3].get<std::string>()},
                                  report);
  }
  BirthForm form;
  form.Boy = ReadSide(input, 'M');
  form.Girl = ReadSide(input, 'F');
  MatchState state;
  const MatchOutcome outcome = RunMatch(state, form);
  return MatchJson(state, outcome, report);
}

void RegisterVedicCommand(CLI::App& app, CommonOptions& options, std::function<int()>& action) {
  static bool report = false;
  CLI::App* vedic = app.add_subcommand(
      "vedic",
      "A whole Vedic match: a birth-details form keyed by control names, or {\"Profile\": [four "
      "Moon values]}");
  AddCommonOptions(vedic, options);
  vedic->add_flag("--report", report, "Also output the interpretation report runs");
  vedic->callback([&] {
    action = [&] {
      return RunEach(ReadInputs(options.input_file), options.json,
                     [](const Json& input) { return VedicCommand(input, report); });
    };
  });
}

}  // namespace lumora::cli
