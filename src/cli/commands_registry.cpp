#include "cli/commands.h"

namespace lumora::cli {

void AddCommonOptions(CLI::App* command, CommonOptions& options) {
  command->add_flag("--json", options.json, "Write JSON Lines (one compact object per line)");
  command->add_option("--input", options.input_file,
                      "Read the input from FILE instead of standard input");
}

void RegisterMoreCommands(CLI::App& app, CommonOptions& options, std::function<int()>& action) {
  RegisterVedicCommand(app, options, action);
  RegisterProfileCommand(app, options, action);
  RegisterInfoCommand(app, options, action);
  RegisterRankCommand(app, action);
}

}  // namespace lumora::cli
