#include "cli/commands.h"

namespace lumora::cli {

void RegisterMoreCommands(CLI::App& app, bool& json, std::string& input_file,
                          std::function<int()>& action) {
  (void)app;
  (void)json;
  (void)input_file;
  (void)action;
}

}  // namespace lumora::cli
