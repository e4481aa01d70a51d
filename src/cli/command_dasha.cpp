// SPDX-License-Identifier: MIT
// lumora-cli dasha: each person's Vimshottari periods, Sade Sati and Ashtama Shani.
#include "cli/commands.h"
#include "cli/dasha_json.h"
#include "cli/person_input.h"
#include "core/vedic/timing/sky_timing.h"

namespace lumora::cli {

namespace {

// lumora-cli dasha: each person record's Vimshottari periods and Saturn's transits.
struct DashaCommandOptions {
  CommonOptions common;
  std::string ayanamsa = "Standard";
  std::string year_days = std::string(kJulianDashaYear.Text);
  int levels = kAntardashaLevel;
};

Json DashaOfRecord(const Json& input, Ayanamsa ayanamsa, const TimingOptions& options) {
  BirthReading reading;
  reading.Manglik = false;
  reading.Chart.ayanamsa = ayanamsa;
  const PersonRecord record = ReadPersonRecord(input, "", reading);
  const RankedPerson& person = record.Person;
  // The person's dates are on the clock of the birth place's zone.
  const PersonTiming timing = ComputeSkyTiming(
      person.Moment, BirthClock(person.Moment, person.Clock.TimeZone), ayanamsa, options);
  return PersonDashaJson(person.Name, timing);
}

void RegisterDashaCommand(CLI::App& app, DashaCommandOptions& options, Action& action) {
  CLI::App* dasha = app.add_subcommand(
      "dasha",
      "Vimshottari mahadashas, antardashas and pratyantardashas, Sade Sati and Ashtama Shani "
      "of each person record");
  AddCommonOptions(dasha, options.common);
  AddAyanamsaOption(dasha, options.ayanamsa);
  AddYearDaysOption(dasha, options.year_days);
  dasha
      ->add_option("--levels", options.levels,
                   "1: mahadashas; 2: with antardashas (the default); 3: with pratyantardashas")
      ->check(CLI::Range(kMahadashaLevel, kPratyantardashaLevel));
  dasha->footer(
      "Input: one person record a line, as rank reads them: Name, BirthDate (YYYY-MM-DD),\n"
      "BirthTime (HH:MM or HH:MM:SS), and Place or Latitude, Longitude (east positive) and\n"
      "TimeZone (IANA name); ClockReading (earlier or later) where the hour occurred twice.\n"
      "Dates out are YYYY-MM-DD on the birth place's clock. The Moon is the chart's sidereal\n"
      "Moon; the first mahadasha began the traversed part of its nakshatra before birth.\n");
  dasha->callback([&options, &action] {
    action = [&options] {
      const Ayanamsa ayanamsa = FindAyanamsa(options.ayanamsa).value_or(Ayanamsa::Standard);
      const DashaYearLength year =
          DashaYearLengthNamed(options.year_days).value_or(kJulianDashaYear);
      const TimingOptions timing{year.Days, options.levels};
      return RunEach(ReadInputs(options.common.input_file), options.common.json,
                     [ayanamsa, &timing](const Json& input) {
                       return DashaOfRecord(input, ayanamsa, timing);
                     });
    };
  });
}

}  // namespace

std::unique_ptr<Command> NewDashaCommand() {
  return MakeCommand<DashaCommandOptions>(RegisterDashaCommand);
}

}  // namespace lumora::cli
