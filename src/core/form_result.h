// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <variant>

#include "core/form_failure.h"

namespace lumora {

// The one result shape of anything the core may refuse: the value, or the message the
// form would show (with the control it focuses). A plain look-up that can merely find
// nothing returns std::optional instead.
template <typename T>
using FormResult = std::variant<T, FormFailure>;

template <typename T>
bool IsRefused(const FormResult<T>& result) {
  return std::holds_alternative<FormFailure>(result);
}

// The refusal of a result, or nothing when it holds a value.
template <typename T>
std::optional<FormFailure> FailureOf(const FormResult<T>& result) {
  if (const auto* failure = std::get_if<FormFailure>(&result)) {
    return *failure;
  }
  return std::nullopt;
}

}  // namespace lumora
