#pragma once

#include <functional>
#include <string>

#include <CLI/CLI.hpp>

#include "cli/cli_io.h"
#include "core/ephemeris/moon_sign.h"

namespace lumora::cli {

// The output object of the moon command, also nested in the vedic output.
Json MoonJson(const MoonSignResult& moon);

Json MoonCommand(const Json& input);

// Options shared by every command.
struct CommonOptions {
  bool json = false;
  std::string input_file;
};

// Each adds one command; its callback sets action to what the program runs after parsing.
void RegisterWesternCommand(CLI::App& app, CommonOptions& options, std::function<int()>& action);

// Adds the commands beyond moon (vedic, western, profile, info); each sets action
// to what the program runs after parsing.
void RegisterMoreCommands(CLI::App& app, CommonOptions& options, std::function<int()>& action);

// Adds --json and --input to a command.
void AddCommonOptions(CLI::App* command, CommonOptions& options);

}  // namespace lumora::cli
