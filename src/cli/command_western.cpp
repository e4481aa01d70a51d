// SPDX-License-Identifier: MIT
// lumora-cli western: the Western input form in, both charts, the score and the report out.
#include <cstdint>

#include "cli/commands.h"
#include "cli/pdf_output.h"
#include "core/entry/time_zones.h"
#include "core/western/western_document.h"
#include "core/western/western_test.h"

namespace lumora::cli {

namespace {

[[noreturn]] void RejectField(const std::string& control, const std::string& what) {
  throw Rejection(control + " " + what, "error", control);
}

// A text box or a list: a text (a list also takes its entry as a whole number).
std::string TextControl(const Json& input, const std::string& key, const std::string& fallback) {
  if (!input.contains(key)) {
    return fallback;
  }
  const Json& value = input[key];
  if (value.is_string()) {
    return value.get<std::string>();
  }
  if (value.is_number_integer()) {
    // The number as written: an unsigned value past 2^63 must not turn negative.
    return value.dump();
  }
  RejectField(key, "must be a text");
}

// An option pair: 0 selects the first option, 1 the second, null neither.
void OptionPair(const Json& input, const std::string& key, bool& first, bool& second) {
  if (!input.contains(key)) {
    return;  // the preset, index 0
  }
  const Json& value = input[key];
  if (value.is_null()) {
    first = false;
    second = false;
    return;
  }
  if (value.is_number_integer() && (value.dump() == "0" || value.dump() == "1")) {
    first = value.dump() == "0";
    second = !first;
    return;
  }
  RejectField(key, "must be 0, 1 or null");
}

bool CheckBox(const Json& input, const std::string& key) {
  if (!input.contains(key)) {
    return false;
  }
  if (!input[key].is_boolean()) {
    RejectField(key, "must be true or false");
  }
  return input[key].get<bool>();
}

// The time-zone list: a row index, or the row's entry text exactly.
int TimeZoneControl(const Json& input, const std::string& key) {
  if (!input.contains(key)) {
    return 0;
  }
  const Json& value = input[key];
  if (value.is_number_integer()) {
    // An unsigned value past 2^63 read as signed would wrap to a negative row.
    const bool fits = !value.is_number_unsigned() ||
                      value.get<std::uint64_t>() < static_cast<std::uint64_t>(kTimeZoneCount);
    const long long row = fits ? value.get<long long>() : -1;
    if (!fits || row < 0 || row >= kTimeZoneCount) {
      RejectField(key, "has no row " + value.dump() + " (rows 0 to " +
                           std::to_string(kTimeZoneCount - 1) + ")");
    }
    return static_cast<int>(row);
  }
  if (value.is_string()) {
    if (const auto row = FindTimeZoneRow(value.get<std::string>())) {
      return *row;
    }
    RejectField(key, "has no entry \"" + value.get<std::string>() + "\"");
  }
  RejectField(key, "must be a row index or an entry text");
}

WesternFormSide ReadPanel(const Json& input, WesternSide side) {
  WesternFormSide panel;
  auto text = [&](WesternControl control, std::string& field) {
    field = TextControl(input, ControlName(side, control), field);
  };
  text(WesternControl::Name, panel.Name);
  text(WesternControl::Day, panel.Day);
  text(WesternControl::Month, panel.Month);
  text(WesternControl::Year, panel.Year);
  text(WesternControl::Hour, panel.Hour);
  text(WesternControl::Minute, panel.Minute);
  text(WesternControl::Second, panel.Second);
  text(WesternControl::City, panel.City);
  text(WesternControl::State, panel.State);
  text(WesternControl::Country, panel.Country);
  text(WesternControl::LatDeg, panel.LatDeg);
  text(WesternControl::LatMin, panel.LatMin);
  text(WesternControl::LongDeg, panel.LongDeg);
  text(WesternControl::LongMin, panel.LongMin);
  OptionPair(input, ControlName(side, WesternControl::LatDirection), panel.North, panel.South);
  OptionPair(input, ControlName(side, WesternControl::LongDirection), panel.East, panel.West);
  panel.TimeZoneRow = TimeZoneControl(input, ControlName(side, WesternControl::TimeZone));
  panel.DST = CheckBox(input, ControlName(side, WesternControl::DST));
  ReadZoneInput(input, side, panel.TimeZoneId, panel.ClockReading);
  return panel;
}

Json PositionsJson(const WesternChart& chart) {
  Json texts = Json::array();
  for (int i = 0; i < kWesternPointCount; ++i) {
    texts.push_back(chart.Positions[i]);
  }
  return texts;
}

Json LongitudesJson(const WesternChart& chart) {
  Json longitudes = Json::array();
  for (double longitude : chart.Longitudes) {
    longitudes.push_back(longitude);
  }
  return longitudes;
}

// For people: one row per point, both persons side by side.
Json PositionTable(const WesternTestResult& result) {
  Json rows = Json::array();
  for (int i = 0; i < kWesternPointCount; ++i) {
    Json row;
    row["Point"] = std::string(kWesternPointCaptions[i]);
    row["Male"] = result.Male.Positions[i];
    row["MaleLongitude"] = result.Male.Longitudes[i];
    row["Female"] = result.Female.Positions[i];
    row["FemaleLongitude"] = result.Female.Longitudes[i];
    rows.push_back(std::move(row));
  }
  return rows;
}

Json WesternCommand(const Json& input, bool json, MoonModel model, const std::string& pdf_file) {
  WesternForm form;
  form.Male = ReadPanel(input, WesternSide::Male);
  form.Female = ReadPanel(input, WesternSide::Female);
  const WesternTestOutcome outcome = RunWesternTest(form, model);
  if (const auto* failure = std::get_if<WesternFormMessage>(&outcome)) {
    throw RejectionOf(*failure);
  }
  const WesternTestResult& result = std::get<WesternTestResult>(outcome);
  if (!pdf_file.empty()) {
    WritePdfFile(ComposeWesternDocument(result), pdf_file);
  }

  Json out;
  if (json) {
    out["MalePositions"] = PositionsJson(result.Male);
    out["FemalePositions"] = PositionsJson(result.Female);
    out["MaleLongitudes"] = LongitudesJson(result.Male);
    out["FemaleLongitudes"] = LongitudesJson(result.Female);
  } else {
    out["Positions"] = PositionTable(result);
  }
  Json& score = out["WesternScore"];
  score["Power"] = result.Score.Power;
  score["Harmony"] = result.Score.Harmony;
  score["PowerTimesHarmony"] = result.Score.PowerTimesHarmony;
  score["Percentage"] = result.Score.Percentage;
  score["Comment"] = result.Score.Comment;
  Json& report = out["Report"];
  report["mName"] = result.Report.mName;
  report["mDOB"] = result.Report.mDOB;
  report["mCity"] = result.Report.mCity;
  report["mState"] = result.Report.mState;
  report["Mcountry"] = result.Report.Mcountry;
  report["fName"] = result.Report.fName;
  report["fDOB"] = result.Report.fDOB;
  report["fCity"] = result.Report.fCity;
  report["fState"] = result.Report.fState;
  report["fCountry"] = result.Report.fCountry;
  if (result.Moon == MoonModel::Precise) {
    out["MoonModel"] = "Precise";
  }
  return out;
}

}  // namespace

void RegisterWesternCommand(CLI::App& app, WesternCommandOptions& options, Action& action) {
  CLI::App* western = app.add_subcommand(
      "western",
      "A whole Western test (the Western input form by control names in; both charts, the "
      "score and the report labels out)");
  AddCommonOptions(western, options.common);
  western->footer(
      "Input keys, each for the male (M) and the female (F):\n"
      "  txtMName, txtMCity, txtMState, txtMCountry (texts);\n"
      "  cboMDate, cboMMonth, cboMYear, cboMHH, cboMMM, cboMSS (list entries);\n"
      "  txtMLD, txtMLM, txtMLoD, txtMLoM (digit texts);\n"
      "  optMLong (0 North, 1 South), optMLat (0 East, 1 West);\n"
      "  cmbMTimeZone (row 0-70 or its entry text), chkMDST (true or false).\n");
  AddMoonOptions(western, options.moon, false);
  western->add_option("--pdf", options.pdf_file,
                      "Also write the report as a PDF document to FILE (one input object only)");
  western->callback([&options, &action] {
    action = [&options] {
      const bool json = options.common.json;
      const MoonModel model = options.moon.Model();
      const std::vector<Json> inputs = ReadInputs(options.common.input_file);
      if (!options.pdf_file.empty()) {
        RequireOneInputForPdf(inputs.size());
      }
      return RunEach(inputs, json, [json, model, &options](const Json& input) {
        return WesternCommand(input, json, model, options.pdf_file);
      });
    };
  });
}

}  // namespace lumora::cli
