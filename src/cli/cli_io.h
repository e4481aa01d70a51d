// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/json.h"
#include "core/form_failure.h"
#include "core/glossary/language.h"

// The three parts of the program's input and output, for every command.
#include "cli/input_reading.h"    // IWYU pragma: export
#include "cli/json_fields.h"      // IWYU pragma: export
#include "cli/readable_layout.h"  // IWYU pragma: export

namespace lumora::cli {

// An input the program refuses, reported as {"Error": {...}} in place of its result.
struct Rejection : std::runtime_error {
  Rejection(std::string message, std::string icon = "error",
            std::optional<std::string> focus = std::nullopt)
      : std::runtime_error(message),
        Message(std::move(message)),
        Icon(std::move(icon)),
        Focus(std::move(focus)) {}
  std::string Message;
  std::string Icon;
  std::optional<std::string> Focus;
};

// A malformed command line or input stream: exit status 1, nothing on standard output.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The rejection of a form's message: its text, icon and the control it focuses.
// The name a script knows a refusal's focus by: the window's control name, or the
// record's column name.
std::optional<std::string> FocusName(const std::optional<FormFocus>& focus);

Rejection RejectionOf(const FormFailure& failure);

// Where one run of the program reads and writes. main gives the standard streams;
// tests and the fuzz target give strings. Readable output hides the working values
// unless verbose, and wraps long texts at width columns; it and PDF documents are in the
// reader's language (--lang, else the locale); JSON stays English for scripts.
struct CliContext {
  std::istream* In = nullptr;
  std::ostream* Out = nullptr;
  std::ostream* Err = nullptr;
  bool Verbose = false;
  int Width = 80;
  Language Lang = Language::English;
  bool JsonOutput = false;  // the command given writes JSON (--json)
};

// The context of the run in progress (the standard streams outside RunCli).
CliContext& Context();

// The language readable output is made in when it is not English: the sentences a
// command composes (the summary, the notes, the report) are then made in it. Nothing
// for JSON output and for English, whose texts the results already hold.
std::optional<Language> ReadableLanguage();

// {"Error": {"Message": ..., "Icon": ..., "Focus": ...}}
Json ErrorObject(const Rejection& rejection);

// Runs a command over every input, answering a refused input with its refusal in its
// place; returns the exit status (0, or 2 when any was rejected).
int RunEach(const Inputs& inputs, bool json, const std::function<Json(const Json&)>& command);

}  // namespace lumora::cli
