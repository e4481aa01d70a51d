// SPDX-License-Identifier: MIT
#include "cli/run_cli.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <cstdlib>
#include <iostream>
#include <sstream>

#include "cli/commands.h"

namespace lumora::cli {

namespace {

// The width readable output wraps at: COLUMNS when set, else the terminal's, else 80.
int OutputWidth(const std::ostream& out) {
  if (const char* columns = std::getenv("COLUMNS")) {
    const int n = std::atoi(columns);
    if (n >= 20 && n <= 1000) {
      return n;
    }
  }
  winsize size{};
  if (&out == &std::cout && isatty(STDOUT_FILENO) != 0 &&
      ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col >= 20) {
    return size.ws_col;
  }
  return 80;
}

// Puts the previous context back however the run ends.
class ContextScope {
 public:
  explicit ContextScope(const CliContext& context) : saved_(Context()) { Context() = context; }
  ~ContextScope() { Context() = saved_; }
  ContextScope(const ContextScope&) = delete;
  ContextScope& operator=(const ContextScope&) = delete;

 private:
  CliContext saved_;
};

}  // namespace

int RunCli(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
           std::ostream& err) {
  ContextScope scope(CliContext{&in, &out, &err, false, OutputWidth(out)});

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
  AtlasCommandOptions atlas;
  ZoneCommandOptions zone;
  RankCommandOptions rank;
  Action action;
  RegisterMoonCommand(app, moon, action);
  RegisterWesternCommand(app, western, action);
  RegisterVedicCommand(app, vedic, action);
  RegisterProfileCommand(app, profile, action);
  RegisterInfoCommand(app, info, action);
  RegisterAtlasCommand(app, atlas, action);
  RegisterZoneCommand(app, zone, action);
  RegisterRankCommand(app, rank, action);

  // CLI11 takes the arguments last first.
  std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::ParseError& error) {
    const int code = app.exit(error, out, err);
    return code == 0 ? 0 : 1;
  }
  Context().Verbose = moon.common.verbose || western.common.verbose || vedic.common.verbose ||
                      profile.common.verbose || zone.common.verbose;
  try {
    return action ? action() : 1;
  } catch (const UsageError& error) {
    err << "lumora-cli: " << error.what() << '\n';
    return 1;
  } catch (const std::exception& error) {
    err << "lumora-cli: " << error.what() << '\n';
    return 1;
  }
}

}  // namespace lumora::cli
