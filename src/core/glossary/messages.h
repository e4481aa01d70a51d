// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string_view>

#include "core/glossary/language.h"

namespace lumora {

// A message of the forms and files in each language. The core words a FormFailure in
// English, as scripts read it in the CLI's JSON; a window or the CLI's readable output
// shows it in the reader's language through MessageIn.
struct MessageWords {
  std::string_view English;
  std::string_view Hindi;
  std::string_view Tamil;
};

// Every fixed message the forms, the key filters and the profile reader give.
std::span<const MessageWords> FormMessages();

// The message in the language; a text that is no fixed message (one that carries a file
// name or a value) as it is.
std::string_view MessageIn(Language language, std::string_view english);

// The twelve months as a date list shows them in the language, January first.
std::span<const std::string_view, 12> MonthWords(Language language);

}  // namespace lumora
