// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "core/form_control.h"
#include "core/form_failure.h"

namespace lumora {

// The two forms that take birth data: the Vedic birth-details form and the Western
// input form. Their rules differ in wording and in a few controls.
enum class FormKind { Vedic, Western };

// 'M' or 'F', the letter of the side in control names.
char SideLetter(PersonSide side);

// The window's object name of a control: "txtMName", "cboFMonth", "optMNorth",
// "optFLong" ... The control-name prefix ("txt", "cbo", "opt", "cmb", "chk") says what
// kind of control it is.
std::string ControlName(PersonSide side, FormControl control);
std::string ControlName(const PanelControl& control);

// The object name of the form control a refusal leaves the user on; nothing when it
// focuses no control of a form.
std::optional<std::string> FocusedControlName(const FormFailure& failure);

}  // namespace lumora
