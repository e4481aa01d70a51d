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

  CommonOptions options;

  CLI::App* moon = app.add_subcommand(
      "moon",
      "The sidereal Moon of one birth moment (BirthMoment fields in, Moon sign and nakshatra out)");
  AddCommonOptions(moon, options);
  moon->footer(
      "Input keys: BirthYear (1-9999), BirthMonth (1-12), BirthDay, BirthHour (0-24),\n"
      "BirthMinute (0-59), ZoneHour (0-14), ZoneMinute (0-59), LongDeg (0-180), LongMin,\n"
      "LatDeg (0-90), LatMin (whole numbers); IsEast, IsSouth, IsDST (true or false).\n"
      "BirthYear, BirthMonth and BirthDay are required; the rest default to 0 and false.\n");

  std::function<int()> action;
  AddMoonOptions(moon, options, true);
  moon->callback([&] {
    action = [&] {
      return RunEach(ReadInputs(options.input_file), options.json, [&](const Json& input) {
        return MoonCommand(input, options.Moon(), options.compare_moons);
      });
    };
  });

  RegisterWesternCommand(app, options, action);
  RegisterMoreCommands(app, options, action);

  // CLI11 takes the arguments last first.
  std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::ParseError& error) {
    const int code = app.exit(error, out, err);
    return code == 0 ? 0 : 1;
  }
  Context().Verbose = options.verbose;
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
