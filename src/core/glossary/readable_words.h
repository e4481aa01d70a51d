// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/glossary/language.h"

namespace lumora {

// The words of the CLI's readable output that neither the phrase tables' key labels nor
// the glossary give: the labels of the Moon, chart, timing, zone and atlas keys, and the
// fixed values scripts read in English (areas of life, who is Manglik, the icon of a
// refusal ...). English is the key or value itself: the readable output makes the English
// label from the key's words, so only Hindi and Tamil are written here.
using ReadableWords = LanguageWords;

std::span<const ReadableWords> ReadableKeyWords();
std::span<const ReadableWords> ReadableValueWords();

// The label of a JSON key in the language; nothing for a key this table does not name.
std::optional<std::string_view> ReadableKeyWord(Language language, std::string_view key);

// A fixed English value in the language: the table's word, an area of life, a table set,
// a point of the Western chart, "Boy", "Girl" or "Lagna"; nothing for any other text.
std::optional<std::string_view> ReadableValueWord(Language language, std::string_view english);

// A control of a window named in words, its name after it for scripts: "cboMHH" is "hour
// of birth of the male (cboMHH)"; a name that is no form control as it is.
std::string ControlInWords(Language language, const std::string& control);

}  // namespace lumora
