// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "core/entry/person_side.h"

namespace lumora {

// What a text box lets through as it is typed into.
enum class KeyRule {
  Letters,  // letters A-Z, a-z and the blank
  Digits,   // 0-9
};

// Typed characters that a rule lets through; Backspace (8) and code 127 pass both.
bool PassesKeyRule(KeyRule rule, int key_code);

// The rule of a text box of a form; nothing for boxes that take any text and for
// controls that are not text boxes. The birth-details form filters the name and the
// coordinate and zone boxes, the Western form the name, the place and the coordinate
// boxes.
std::optional<KeyRule> KeyRuleOf(FormKind form, FormControl control);

// Nothing when the typed character passes the rule, otherwise the message the form
// shows (with the error icon) as it swallows the key; the focus stays in the box.
std::optional<std::string> RefuseKey(FormKind form, KeyRule rule, int key_code);

}  // namespace lumora
