// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lumora {

// The text as a terminal may show it: every control character written out as an
// escape instead of acting ("\x1b" for ESC, "\x0a" for a line break, "\u009b" for a
// C1 control such as CSI), and every byte that is not part of a UTF-8 character as
// "\xNN". Printable characters, UTF-8 included, stay as they are.
std::string EscapeControlCharacters(std::string_view text);

// The number of characters (code points) of UTF-8 text; a stray byte counts as one.
std::size_t CharacterCount(std::string_view text);

// CharacterCount(EscapeControlCharacters(text)), without making the escaped text.
std::size_t ShownCharacterCount(std::string_view text);

// The text cut to at most max_characters characters, never inside one.
std::string_view CutToCharacters(std::string_view text, std::size_t max_characters);

}  // namespace lumora
