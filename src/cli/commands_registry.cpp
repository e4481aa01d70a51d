// SPDX-License-Identifier: MIT
#include "cli/commands.h"

namespace lumora::cli {

// Each command's file makes its command.
std::unique_ptr<Command> NewMoonCommand();
std::unique_ptr<Command> NewWesternCommand();
std::unique_ptr<Command> NewVedicCommand();
std::unique_ptr<Command> NewProfileCommand();
std::unique_ptr<Command> NewInfoCommand();
std::unique_ptr<Command> NewAtlasCommand();
std::unique_ptr<Command> NewZoneCommand();
std::unique_ptr<Command> NewRankCommand();
std::unique_ptr<Command> NewChartCommand();
std::unique_ptr<Command> NewDashaCommand();
std::unique_ptr<Command> NewSynastryCommand();

std::vector<std::unique_ptr<Command>> MakeCommands() {
  // The order of the help's command list.
  constexpr std::unique_ptr<Command> (*kMakers[])() = {
      NewMoonCommand,  NewWesternCommand, NewVedicCommand,    NewProfileCommand,
      NewInfoCommand,  NewAtlasCommand,   NewZoneCommand,     NewRankCommand,
      NewChartCommand, NewDashaCommand,   NewSynastryCommand,
  };
  std::vector<std::unique_ptr<Command>> commands;
  for (const auto make : kMakers) {
    commands.push_back(make());
  }
  return commands;
}

void AddOutputOptions(CLI::App* command, CommonOptions& options) {
  command->add_flag("--json", options.json, "Write JSON Lines (one compact object per line)");
  command->add_flag("--verbose", options.verbose,
                    "Readable output also shows the working values (T, JulianDay, Grid)");
}

void AddCommonOptions(CLI::App* command, CommonOptions& options) {
  AddOutputOptions(command, options);
  command->add_option("--input", options.input_file,
                      "Read the input from FILE instead of standard input");
}

void AddMoonOptions(CLI::App* command, MoonOptions& options, bool compare) {
  command->add_flag("--precise-moon", options.precise_moon,
                    "Compute the Moon with the full lunar series in terrestrial time "
                    "(within a few arc-seconds) instead of the standard short series");
  if (compare) {
    command->add_flag("--compare-moons", options.compare_moons,
                      "Also output both Moons' nakshatra and pada and whether they differ");
  }
}

void AddAyanamsaOption(CLI::App* command, std::string& ayanamsa) {
  std::vector<std::string> names;
  for (const Ayanamsa a : kAyanamsas) {
    names.emplace_back(AyanamsaName(a));
  }
  command
      ->add_option("--ayanamsa", ayanamsa,
                   "The sidereal zodiac: Standard (the default), Lahiri, Raman, Krishnamurti, "
                   "TrueChitra or FaganBradley")
      ->transform(CLI::IsMember(names, CLI::ignore_case));
}

void AddZodiacOptions(CLI::App* command, ZodiacOptions& options) {
  AddAyanamsaOption(command, options.ayanamsa);
  command->add_option("--node", options.node, "The lunar node: mean (the default) or true")
      ->transform(CLI::IsMember({"mean", "true"}, CLI::ignore_case));
}

void AddYearDaysOption(CLI::App* command, std::string& year_days) {
  std::vector<std::string> lengths;
  for (const DashaYearLength& year : kDashaYearLengths) {
    lengths.emplace_back(year.Text);
  }
  command
      ->add_option("--year-days", year_days,
                   "Days in a dasha year: 365.25 (the default), 365.2422 or 360")
      ->check(CLI::IsMember(lengths));
}

}  // namespace lumora::cli
