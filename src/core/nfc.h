// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace lumora {

// The text in Unicode Normalization Form C (composed): "Sa" U+0303 "o Paulo" and
// "S" U+00E3 "o Paulo" both become the latter, so a name typed or pasted in either form
// is one name. Text that is not valid UTF-8 is returned as it is.
std::string ComposedText(std::string_view utf8);

}  // namespace lumora
