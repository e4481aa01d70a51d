// SPDX-License-Identifier: MIT
// Names and messages shown on a terminal: control characters escaped, never acting;
// names cut between characters, never inside one.
#include "core/terminal_text.h"

#include <gtest/gtest.h>

#include <string_view>

namespace lumora {
namespace {

TEST(EscapeControlCharacters, ControlsAreWrittenOutPrintablesKept) {
  const struct {
    const char* why;
    std::string_view text;
    std::string_view shown;
  } cases[] = {
      {"plain ASCII", "Asha Rao", "Asha Rao"},
      {"UTF-8 letters", "S\xC3\xA3o Paulo \xE0\xA4\x85", "S\xC3\xA3o Paulo \xE0\xA4\x85"},
      {"an ESC sequence that would clear the screen", "\x1b[2J", "\\x1b[2J"},
      {"an OSC sequence that would set the title", "\x1b]0;owned\x07", "\\x1b]0;owned\\x07"},
      {"a line break forging a row", "Asha\nRank 1", "Asha\\x0aRank 1"},
      {"a carriage return overwriting the line", "ok\rbad", "ok\\x0dbad"},
      {"DEL", "a\x7f", "a\\x7f"},
      {"the C1 CSI",
       "\xC2\x9B"
       "2J",
       "\\u009b2J"},
      {"a NUL", std::string_view("a\0b", 3), "a\\x00b"},
      {"a stray continuation byte", "a\x80z", "a\\x80z"},
      {"a character cut short", "a\xE0\xA4", "a\\xe0\\xa4"},
      {"an overlong slash", "\xC0\xAF", "\\xc0\\xaf"},
      {"a surrogate", "\xED\xA0\x80", "\\xed\\xa0\\x80"},
      {"the last code point", "\xF4\x8F\xBF\xBF", "\xF4\x8F\xBF\xBF"},
      {"past the last code point", "\xF4\x90\x80\x80", "\\xf4\\x90\\x80\\x80"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EscapeControlCharacters(c.text), c.shown) << c.why;
    EXPECT_EQ(ShownCharacterCount(c.text), CharacterCount(c.shown)) << c.why;
  }
}

TEST(CutToCharacters, NeverInsideACharacter) {
  const struct {
    const char* why;
    std::string_view text;
    std::size_t max;
    std::string_view cut;
    std::size_t characters;  // of the whole text
  } cases[] = {
      {"shorter than the cut", "Asha", 32, "Asha", 4},
      {"ASCII cut", "Asha Rao", 4, "Asha", 8},
      // 16 two-byte letters are 32 bytes: a cut at 31 bytes would split the last one.
      {"two-byte letters",
       "\xC3\xA3\xC3\xA3\xC3\xA3\xC3\xA3\xC3\xA3\xC3\xA3\xC3\xA3\xC3\xA3\xC3\xA3\xC3\xA3\xC3\xA3"
       "\xC3\xA3\xC3\xA3\xC3\xA3\xC3\xA3\xC3\xA3z",
       16,
       "\xC3\xA3\xC3\xA3\xC3\xA3\xC3\xA3\xC3\xA3\xC3\xA3\xC3\xA3\xC3\xA3\xC3\xA3\xC3\xA3\xC3\xA3"
       "\xC3\xA3\xC3\xA3\xC3\xA3\xC3\xA3\xC3\xA3",
       17},
      {"Devanagari, three bytes each", "\xE0\xA4\x85\xE0\xA4\x86\xE0\xA4\x87", 2,
       "\xE0\xA4\x85\xE0\xA4\x86", 3},
      {"a four-byte character",
       "a\xF0\x9F\x98\x80"
       "b",
       2, "a\xF0\x9F\x98\x80", 3},
      {"stray bytes count one each", "\x80\x80\x80", 2, "\x80\x80", 3},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CutToCharacters(c.text, c.max), c.cut) << c.why;
    EXPECT_EQ(CharacterCount(c.text), c.characters) << c.why;
  }
}

}  // namespace
}  // namespace lumora
