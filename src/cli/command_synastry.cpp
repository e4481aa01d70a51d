// SPDX-License-Identifier: MIT
// lumora-cli synastry: two person records in, the comparison of their Western charts out.
#include "cli/commands.h"
#include "cli/person_input.h"
#include "core/glossary/messages.h"
#include "core/western/synastry/synastry_chart.h"

namespace lumora::cli {

namespace {

struct SynastryCommandOptions {
  CommonOptions common;
  SynastryFlags flags;
};

void RegisterSynastryCommand(CLI::App& app, SynastryCommandOptions& options, Action& action) {
  CLI::App* synastry = app.add_subcommand(
      "synastry",
      "Western synastry of two persons (JSON Lines of {\"A\": person, \"B\": person} in; "
      "aspects, house overlays, composite and Davison charts out)");
  AddCommonOptions(synastry, options.common);
  AddSynastryOptions(synastry, options.flags);
  synastry->footer(
      "Person records: Name, BirthDate (YYYY-MM-DD), BirthTime (HH:MM or HH:MM:SS), and\n"
      "Place, or Latitude, Longitude (decimal degrees, north and east positive) and\n"
      "TimeZone (IANA name); ClockReading (earlier or later) where the hour occurred twice.\n");
  synastry->callback([&options, &action] {
    action = [&options] {
      const Inputs inputs = ReadInputs(options.common.input_file);
      const SynastryOptions chosen = options.flags.Options();
      return RunEach(inputs, options.common.json, [&chosen](const Json& input) {
        if (!input.is_object()) {
          throw Rejection(RecordMessageText(RecordMessage::PairNeeded));
        }
        const FormSides<PersonRecord> records =
            ReadPersonRecords(input, "A", "B", MoonModel::Standard);
        return SynastryJson(SynastryOfBirths(SynastryBirthOf(records.Male),
                                             SynastryBirthOf(records.Female), chosen));
      });
    };
  });
}

}  // namespace

std::unique_ptr<Command> NewSynastryCommand() {
  return MakeCommand<SynastryCommandOptions>(RegisterSynastryCommand);
}

}  // namespace lumora::cli
