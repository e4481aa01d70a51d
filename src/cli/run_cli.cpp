// SPDX-License-Identifier: MIT
#include "cli/run_cli.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <sstream>

#include "cli/commands.h"
#include "core/glossary/glossary.h"
#include "core/terminal_text.h"

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

// The language of the locale: the first of LC_ALL, LC_MESSAGES and LANG that is set
// decides, as it does for messages; English where it names a language the program does
// not speak ("C", "de_DE").
Language LocaleLanguage() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') {
      return LanguageFromCode(value).value_or(Language::English);
    }
  }
  return Language::English;
}

// Whether the command given (or a command under it) was asked for --json.
bool WritesJson(const CLI::App& app) {
  const CLI::Option* json = app.get_option_no_throw("--json");
  if (json != nullptr && json->count() > 0) {
    return true;
  }
  const std::vector<CLI::App*> parsed = app.get_subcommands();
  return std::any_of(parsed.begin(), parsed.end(),
                     [](const CLI::App* command) { return WritesJson(*command); });
}

std::vector<std::string> LanguageCodes() {
  std::vector<std::string> codes;
  for (const LanguageName& language : kLanguages) {
    codes.emplace_back(language.Code);
  }
  return codes;
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

// The command line of the program: built once per process, since building CLI11's
// commands and options costs more than a whole run on a rejected input. Each run puts
// every option back to its default before parsing, so no run sees another's options.
class CommandLine {
 public:
  CommandLine()
      : app_(
            "lumora-cli: the Lumora compatibility core without windows.\n"
            "Input is one JSON object or JSON Lines, on standard input or from --input FILE;\n"
            "each input object gives one output object, in the same order.\n"
            "Exit status: 0 all inputs gave results, 2 at least one was rejected, 1 usage "
            "error.") {
    app_.set_version_flag("--version", std::string("lumora-cli ") + LUMORA_VERSION);
    app_.require_subcommand(1);
    // --lang belongs to the program, before or after the command's name.
    app_.fallthrough();
    app_.add_option("--lang", language_,
                    "The language of readable output and --pdf documents: en, hi (Hindi) or ta "
                    "(Tamil); default from LC_ALL, LC_MESSAGES or LANG, else en. JSON keys and "
                    "values stay English")
        ->check(CLI::IsMember(LanguageCodes()));
    for (const auto& command : commands_) {
      command->Register(app_, action_);
    }
  }
  CommandLine(const CommandLine&) = delete;
  CommandLine& operator=(const CommandLine&) = delete;

  int Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    // The options are assigned in place: the commands hold references to them.
    for (const auto& command : commands_) {
      command->Reset();
    }
    action_ = nullptr;
    language_.clear();
    app_.clear();

    // CLI11 takes the arguments last first.
    std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
    try {
      app_.parse(reversed);
    } catch (const CLI::ParseError& error) {
      const int code = app_.exit(error, out, err);
      return code == 0 ? 0 : 1;
    }
    Context().Verbose = std::any_of(commands_.begin(), commands_.end(),
                                    [](const auto& command) { return command->Verbose(); });
    Context().Lang = language_.empty() ? LocaleLanguage()
                                       : LanguageFromCode(language_).value_or(Language::English);
    Context().JsonOutput = WritesJson(app_);
    try {
      return action_ ? action_() : 1;
    } catch (const UsageError& error) {
      err << "lumora-cli: " << EscapeControlCharacters(error.what()) << '\n';
      return 1;
    } catch (const std::exception& error) {
      err << "lumora-cli: " << EscapeControlCharacters(error.what()) << '\n';
      return 1;
    }
  }

 private:
  CLI::App app_;
  // Each command holds its options, beside the action that one of them sets.
  std::vector<std::unique_ptr<Command>> commands_ = MakeCommands();
  Action action_;
  std::string language_;  // --lang as given; empty: the locale's
};

}  // namespace

int RunCli(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
           std::ostream& err) {
  ContextScope scope(CliContext{&in, &out, &err, false, OutputWidth(out)});
  static CommandLine command_line;
  return command_line.Run(arguments, out, err);
}

}  // namespace lumora::cli
