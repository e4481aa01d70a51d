// SPDX-License-Identifier: MIT
#include "core/entry/key_filters.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace lumora {

namespace {

constexpr int kBackspace = 8;
constexpr int kDelete = 127;

struct FilteredBox {
  FormKind Form;
  FormControl Control;
  KeyRule Rule;
};

constexpr std::array<FilteredBox, 15> kFilteredBoxes{{
    {FormKind::Vedic, FormControl::Name, KeyRule::Letters},
    {FormKind::Vedic, FormControl::LatDeg, KeyRule::Digits},
    {FormKind::Vedic, FormControl::LatMin, KeyRule::Digits},
    {FormKind::Vedic, FormControl::LongDeg, KeyRule::Digits},
    {FormKind::Vedic, FormControl::LongMin, KeyRule::Digits},
    {FormKind::Vedic, FormControl::ZoneHour, KeyRule::Digits},
    {FormKind::Vedic, FormControl::ZoneMinute, KeyRule::Digits},
    {FormKind::Western, FormControl::Name, KeyRule::Letters},
    {FormKind::Western, FormControl::City, KeyRule::Letters},
    {FormKind::Western, FormControl::State, KeyRule::Letters},
    {FormKind::Western, FormControl::Country, KeyRule::Letters},
    {FormKind::Western, FormControl::LatDeg, KeyRule::Digits},
    {FormKind::Western, FormControl::LatMin, KeyRule::Digits},
    {FormKind::Western, FormControl::LongDeg, KeyRule::Digits},
    {FormKind::Western, FormControl::LongMin, KeyRule::Digits},
}};

struct KeyMessage {
  FormKind Form;
  KeyRule Rule;
  std::string_view Message;
};

// Each form words its refusals its own way.
constexpr std::array<KeyMessage, 4> kKeyMessages{{
    {FormKind::Vedic, KeyRule::Letters, "Please Enter Only Characters"},
    {FormKind::Vedic, KeyRule::Digits, "Please Enter Only Numbers"},
    {FormKind::Western, KeyRule::Letters, "Please enter only letters"},
    {FormKind::Western, KeyRule::Digits, "Please enter only numbers"},
}};

}  // namespace

bool PassesKeyRule(KeyRule rule, int c) {
  if (c == kBackspace || c == kDelete) {
    return true;
  }
  if (rule == KeyRule::Digits) {
    return c >= '0' && c <= '9';
  }
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == ' ';
}

std::optional<KeyRule> KeyRuleOf(FormKind form, FormControl control) {
  const auto matches = [&](const FilteredBox& box) {
    return box.Form == form && box.Control == control;
  };
  const auto found = std::find_if(kFilteredBoxes.begin(), kFilteredBoxes.end(), matches);
  if (found == kFilteredBoxes.end()) {
    return std::nullopt;
  }
  return found->Rule;
}

std::optional<std::string> RefuseKey(FormKind form, KeyRule rule, int key_code) {
  if (PassesKeyRule(rule, key_code)) {
    return std::nullopt;
  }
  for (const KeyMessage& message : kKeyMessages) {
    if (message.Form == form && message.Rule == rule) {
      return std::string(message.Message);
    }
  }
  return std::nullopt;
}

}  // namespace lumora
