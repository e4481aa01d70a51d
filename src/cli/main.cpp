// lumora-cli: the computation core of Lumora without any window.
#include <CLI/CLI.hpp>
#include <iostream>

#include "cli/commands.h"

int main(int argc, char** argv) {
  using namespace lumora::cli;
  CLI::App app{
      "lumora-cli: the Lumora compatibility core without windows.\n"
      "Input is one JSON object or JSON Lines, on standard input or from --input FILE;\n"
      "each input object gives one output object, in the same order.\n"
      "Exit status: 0 all inputs gave results, 2 at least one was rejected, 1 usage error."};
  app.set_version_flag("--version", std::string("lumora-cli ") + LUMORA_VERSION);
  app.require_subcommand(1);

  // Each command's options live here, beside the action that one of them sets.
  MoonCommandOptions moon;
  WesternCommandOptions western;
  VedicCommandOptions vedic;
  ProfileCommandOptions profile;
  InfoCommandOptions info;
  Action action;
  RegisterMoonCommand(app, moon, action);
  RegisterWesternCommand(app, western, action);
  RegisterVedicCommand(app, vedic, action);
  RegisterProfileCommand(app, profile, action);
  RegisterInfoCommand(app, info, action);

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    const int code = app.exit(error);
    return code == 0 ? 0 : 1;
  }
  try {
    return action ? action() : 1;
  } catch (const UsageError& error) {
    std::cerr << "lumora-cli: " << error.what() << '\n';
    return 1;
  } catch (const std::exception& error) {
    std::cerr << "lumora-cli: " << error.what() << '\n';
    return 1;
  }
}
