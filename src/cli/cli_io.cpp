// SPDX-License-Identifier: MIT
#include "cli/cli_io.h"

#include <iostream>

#include "cli/readable_layout.h"
#include "core/entry/person_side.h"
#include "core/vedic/rank/candidate.h"

namespace lumora::cli {

CliContext& Context() {
  static CliContext context{&std::cin, &std::cout, &std::cerr, false, 80};
  return context;
}

namespace {}  // namespace

// The name a script knows a refusal's focus by: the window's control name, or the
// record's column name.
std::optional<std::string> FocusName(const std::optional<FormFocus>& focus) {
  if (!focus) {
    return std::nullopt;
  }
  if (const auto* field = std::get_if<RecordField>(&*focus)) {
    return std::string(kBirthEntryColumns[static_cast<std::size_t>(*field)]);
  }
  return ControlName(std::get<PanelControl>(*focus));
}

Rejection RejectionOf(const FormFailure& failure) {
  return Rejection(failure.Message,
                   failure.Icon == MessageIcon::Information ? "information" : "error",
                   FocusName(failure.Control));
}

Json ErrorObject(const Rejection& rejection) {
  Json error;
  error["Message"] = rejection.Message;
  error["Icon"] = rejection.Icon;
  error["Focus"] = rejection.Focus ? Json(*rejection.Focus) : Json(nullptr);
  Json wrapper;
  wrapper["Error"] = std::move(error);
  return wrapper;
}

std::optional<Language> ReadableLanguage() {
  const CliContext& context = Context();
  if (context.JsonOutput || context.Lang == Language::English) {
    return std::nullopt;
  }
  return context.Lang;
}

int RunEach(const Inputs& inputs, bool json, const std::function<Json(const Json&)>& command) {
  int status = 0;
  for (const Input& input : inputs) {
    if (input.Refusal) {
      status = 2;
      WriteResult(*Context().Out, ErrorObject(Rejection(*input.Refusal)), json);
      continue;
    }
    try {
      WriteResult(*Context().Out, command(input.Value), json);
    } catch (const Rejection& rejection) {
      status = 2;
      WriteResult(*Context().Out, ErrorObject(rejection), json);
    } catch (const UsageError&) {
      throw;  // the whole run's error (a --pdf file that could not be written): exit status 1
    } catch (const std::exception& error) {
      // One input the core could not handle does not stop the others, and what was
      // already written stays a valid answer for the inputs before it.
      status = 2;
      WriteResult(
          *Context().Out,
          ErrorObject(Rejection(std::string("This input could not be processed: ") + error.what())),
          json);
    }
  }
  return status;
}

}  // namespace lumora::cli
