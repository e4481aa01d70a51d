// SPDX-License-Identifier: MIT
#include "core/entry/person_side.h"

#include <array>
#include <string_view>

namespace lumora {

namespace {

struct ControlNameParts {
  std::string_view Prefix;
  std::string_view Suffix;
};

// In the order of FormControl.
constexpr std::array<ControlNameParts, 26> kControlNames{{
    {"txt", "Name"},      {"cbo", "Date"},       {"cbo", "Month"},    {"cbo", "Year"},
    {"cbo", "HH"},        {"cbo", "MM"},         {"cbo", "SS"},       {"txt", "City"},
    {"txt", "State"},     {"txt", "Country"},    {"txt", "LD"},       {"txt", "LM"},
    {"opt", "Long"},      {"txt", "LoD"},        {"txt", "LoM"},      {"opt", "Lat"},
    {"cmb", "TimeZone"},  {"chk", "DST"},        {"opt", "North"},    {"opt", "South"},
    {"opt", "East"},      {"opt", "West"},       {"txt", "ZoneHour"}, {"txt", "ZoneMinute"},
    {"opt", "ZoneAhead"}, {"opt", "ZoneBehind"},
}};

}  // namespace

char SideLetter(PersonSide side) {
  return side == PersonSide::Male ? 'M' : 'F';
}

std::string ControlName(PersonSide side, FormControl control) {
  const ControlNameParts& parts = kControlNames[static_cast<std::size_t>(control)];
  std::string name(parts.Prefix);
  name += SideLetter(side);
  name += parts.Suffix;
  return name;
}

std::string ControlName(const PanelControl& control) {
  return ControlName(control.Side, control.Control);
}

std::optional<std::string> FocusedControlName(const FormFailure& failure) {
  const PanelControl* control =
      failure.Control ? std::get_if<PanelControl>(&*failure.Control) : nullptr;
  if (control == nullptr) {
    return std::nullopt;
  }
  return ControlName(*control);
}

}  // namespace lumora
