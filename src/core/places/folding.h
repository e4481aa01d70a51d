// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace lumora {

// The search form of a UTF-8 text: ASCII letters in lower case, Latin letters with accents
// as their base letters ("São Paulo" -> "sao paulo", "Łódź" -> "lodz", "Straße" ->
// "strasse"), apostrophe look-alikes as "'", combining accents (a decomposed "a" + U+0303)
// dropped as the precomposed letters' accents are. Other characters pass unchanged, so a
// name in another script still matches itself.
std::string FoldForSearch(std::string_view text);

// The same, appended to out (no temporary text: the atlas folds every name it loads).
void AppendFolded(std::string& out, std::string_view text);

}  // namespace lumora
