// SPDX-License-Identifier: MIT
// lumora-cli western: the Western input form in, both charts, the score and the report out.
#include "cli/commands.h"
#include "cli/form_input.h"
#include "cli/pdf_output.h"
#include "cli/person_input.h"
#include "core/glossary/western_phrases.h"
#include "core/western/synastry/synastry_document.h"
#include "core/western/synastry/western_synastry.h"
#include "core/western/western_document.h"
#include "core/western/western_run.h"

namespace lumora::cli {

namespace {

// The western command's options.
struct WesternCommandOptions {
  CommonOptions common;
  MoonOptions moon;
  std::string pdf_file;   // also write the report as a PDF document; empty: none
  bool synastry = false;  // adds the Synastry object (and the PDF's synastry pages)
  SynastryFlags synastry_flags;
};

}  // namespace

namespace {

Json PositionsJson(const WesternChart& chart) {
  Json texts = Json::array();
  for (std::size_t i = 0; i < kChartPointCount; ++i) {
    texts.push_back(PositionText(chart, static_cast<ChartPoint>(i)));
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
  for (std::size_t i = 0; i < kChartPointCount; ++i) {
    const auto point = static_cast<ChartPoint>(i);
    Json row;
    row["Point"] = std::string(WesternPhrasesOf(Context().Lang).Points[i]);
    row["Male"] = PositionText(result.Male, point);
    row["MaleLongitude"] = result.Male.LongitudeOf(point);
    row["Female"] = PositionText(result.Female, point);
    row["FemaleLongitude"] = result.Female.LongitudeOf(point);
    rows.push_back(std::move(row));
  }
  return rows;
}

// Two person records, as rank reads them: the report's labels from their entries; the
// births for the synastry, at the places as given (decimal degrees).
WesternTestOutcome WesternOfRecords(const Json& input, MoonModel model,
                                    FormSides<SynastryBirth>& births) {
  const FormSides<PersonRecord> records = ReadPersonRecords(input, "Male", "Female", model);
  for (const PersonSide side : kPersonSides) {
    births[side] = SynastryBirthOf(records[side]);
  }
  FormSides<BirthMoment> moments;
  FormSides<PersonClock> clocks;
  FormSides<BirthDetails> details;
  for (const PersonSide side : kPersonSides) {
    moments[side] = records[side].Person.Moment;
    clocks[side] = records[side].Person.Clock;
    details[side] = BirthDetailsOf(records[side].Person, records[side].Entry);
  }
  const auto dob = [](const PersonDetails& d) { return d.Month + " " + d.Day + ", " + d.Year; };
  WesternReportLabels labels{
      .mName = details.Male.Details.Name,
      .mDOB = dob(details.Male.Details),
      .mTOB = TimeOfBirthText(details.Male.Details.Hour, details.Male.Details.Minute),
      .mCity = details.Male.Details.Place,
      .mState = "",
      .Mcountry = "",
      .fName = details.Female.Details.Name,
      .fDOB = dob(details.Female.Details),
      .fTOB = TimeOfBirthText(details.Female.Details.Hour, details.Female.Details.Minute),
      .fCity = details.Female.Details.Place,
      .fState = "",
      .fCountry = "",
  };
  return RunWesternOf(moments, clocks, labels, model);
}

Json WesternCommand(const Json& input, bool json, MoonModel model,
                    const WesternCommandOptions& options) {
  std::optional<WesternForm> form;
  FormSides<SynastryBirth> births;
  WesternTestOutcome outcome;
  if (HasPersonRecords(input, "Male", "Female")) {
    outcome = WesternOfRecords(input, model, births);
  } else {
    form = ReadWesternForm(input);
    outcome = RunWesternTest(*form, model);
  }
  if (const auto* failure = std::get_if<FormFailure>(&outcome)) {
    throw RejectionOf(*failure);
  }
  const WesternTestResult& result = std::get<WesternTestResult>(outcome);
  std::optional<SynastryReading> synastry;
  if (options.synastry) {
    const SynastryOptions chosen = options.synastry_flags.Options();
    // A form passed its checks above, so the synastry of the same form is not refused.
    synastry = form ? std::get<SynastryReading>(WesternFormSynastry(*form, chosen))
                    : SynastryOfBirths(births.Male, births.Female, chosen);
  }
  if (!options.pdf_file.empty()) {
    Document document = ComposeWesternDocument(result, Context().Lang);
    if (synastry) {
      AppendSynastrySection(document, *synastry, result.Report.mName, result.Report.fName,
                            Context().Lang);
    }
    WritePdfFile(document, options.pdf_file);
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
  report["mTOB"] = result.Report.mTOB;
  report["mLocation"] = LocationWords(result.Locations.Male);
  report["mCity"] = result.Report.mCity;
  report["mState"] = result.Report.mState;
  report["Mcountry"] = result.Report.Mcountry;
  report["fName"] = result.Report.fName;
  report["fDOB"] = result.Report.fDOB;
  report["fTOB"] = result.Report.fTOB;
  report["fLocation"] = LocationWords(result.Locations.Female);
  report["fCity"] = result.Report.fCity;
  report["fState"] = result.Report.fState;
  report["fCountry"] = result.Report.fCountry;
  if (result.Moon == MoonModel::Precise) {
    out["MoonModel"] = "Precise";
  }
  if (synastry) {
    out["Synastry"] = SynastryJson(*synastry);
  }
  return out;
}

}  // namespace

namespace {

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
      "  cmbMTimeZone (row 0-70 or its entry text), chkMDST (true or false);\n"
      "  optMZoneAhead, optMZoneBehind (true or false: the row's zone is ahead of or behind\n"
      "  UTC; neither given, read as before).\n"
      "Or {\"Male\": person, \"Female\": person}, each person as rank reads one: Name,\n"
      "  BirthDate (YYYY-MM-DD), BirthTime (HH:MM[:SS]), and Place (looked up in the atlas)\n"
      "  or Latitude, Longitude, TimeZone; optional ClockReading (earlier/later).\n");
  // The precise ephemeris gives all fourteen positions; --precise-moon, its first name,
  // stays accepted.
  western->add_flag("--precise,--precise-moon", options.moon.precise_moon,
                    "Compute all fourteen positions with the precise ephemeris (light time, "
                    "aberration, nutation) instead of the standard series");
  western
      ->add_option("--pdf", options.pdf_file,
                   "Also write the report as a PDF document to FILE (one input object only)")
      ->check(RefuseEmptyFileName);
  western->add_flag("--synastry", options.synastry,
                    "Also compare the two charts (male A, female B): aspects, house overlays, "
                    "composite and Davison charts, from the precise ephemeris");
  AddSynastryOptions(western, options.synastry_flags);
  western->callback([&options, &action] {
    action = [&options] {
      const bool json = options.common.json;
      const MoonModel model = options.moon.Model();
      const Inputs inputs = ReadInputs(options.common.input_file);
      if (!options.pdf_file.empty()) {
        RequireOneInputForPdf(inputs.size());
      }
      return RunEach(inputs, json, [json, model, &options](const Json& input) {
        return WesternCommand(input, json, model, options);
      });
    };
  });
}

}  // namespace

std::unique_ptr<Command> NewWesternCommand() {
  return MakeCommand<WesternCommandOptions>(RegisterWesternCommand);
}

}  // namespace lumora::cli
