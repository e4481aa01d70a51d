// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace lumora {

enum class MessageIcon { Error, Information };

// The one message a form shows for the first fault it finds, and where it leaves
// the user: the control to focus, or the option to select when SelectsOption is set;
// no control at all for the date messages.
struct FormFailure {
  std::string Message;
  MessageIcon Icon = MessageIcon::Error;
  std::string Control;
  bool SelectsOption = false;
};

}  // namespace lumora
