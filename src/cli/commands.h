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

// Adds the commands beyond moon (vedic, western, profile, info); each sets action
// to what the program runs after parsing.
void RegisterMoreCommands(CLI::App& app, bool& json, std::string& input_file,
                          std::function<int()>& action);

}  // namespace lumora::cli
