// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace lumora {

// The languages the program speaks. Adding one is one value here, one row below and one
// glossary table (glossary.h).
enum class Language { English, Hindi, Tamil };

inline constexpr int kLanguageCount = 3;

struct LanguageName {
  Language Which;
  std::string_view Code;    // ISO 639-1, as `--lang` and the settings store it: "hi"
  std::string_view Native;  // how a reader of the language names it: "हिन्दी"
};

inline constexpr std::array<LanguageName, kLanguageCount> kLanguages{{
    {Language::English, "en", "English"},
    {Language::Hindi, "hi", "हिन्दी"},
    {Language::Tamil, "ta", "தமிழ்"},
}};

std::string_view LanguageCode(Language language);
std::string_view LanguageNative(Language language);

// The language of an ISO 639-1 code ("ta") or a locale name ("ta_IN", "hi-IN.UTF-8");
// nothing for a language the program does not speak.
std::optional<Language> LanguageFromCode(std::string_view code_or_locale);

}  // namespace lumora
