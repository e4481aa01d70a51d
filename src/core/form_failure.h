// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "core/form_control.h"

namespace lumora {

enum class MessageIcon { Error, Information };

// The one message a form shows for the first fault it finds, and where it leaves
// the user: the control to focus, or the option to select when SelectsOption is set;
// no control at all for the date messages. The control is typed; its name is made
// where it is shown.
struct FormFailure {
  std::string Message;
  MessageIcon Icon = MessageIcon::Error;
  std::optional<FormFocus> Control;
  bool SelectsOption = false;
};

}  // namespace lumora
