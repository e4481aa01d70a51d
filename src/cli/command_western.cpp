#include "cli/commands.h"

namespace lumora::cli {

// Replaced by the Western command.
void RegisterWesternCommand(CLI::App& app, CommonOptions& options, std::function<int()>& action) {
  (void)app;
  (void)options;
  (void)action;
}

}  // namespace lumora::cli
