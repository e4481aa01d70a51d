// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>

namespace lumora {

// The columns a character takes on a terminal: 0 for a combining or format character (a
// Devanagari virama or nukta, a Tamil pulli, a joiner), 2 for a wide East Asian one, else 1.
// A spacing vowel sign (ा, ி) takes its column, as terminals draw it.
int CharacterColumns(char32_t point);

// The columns of a UTF-8 text: the sum of its characters' columns.
std::size_t DisplayColumns(std::string_view utf8);

// The longest start of a UTF-8 text that takes at most max_columns, cut between
// characters; the combining signs of its last letter stay with it.
std::string_view CutToColumns(std::string_view utf8, std::size_t max_columns);

}  // namespace lumora
