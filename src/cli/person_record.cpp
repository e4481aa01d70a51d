// SPDX-License-Identifier: MIT
#include "cli/person_record.h"

#include <string>

namespace lumora::cli {

namespace {

// A JSON value as the text a CSV cell would hold.
std::string CellText(const Json& value) {
  if (value.is_string()) {
    return value.get<std::string>();
  }
  if (value.is_null()) {
    return "";
  }
  return value.dump();
}

}  // namespace

std::optional<BirthEntry> ReadPersonRecord(const Json& object) {
  if (!object.is_object()) {
    return std::nullopt;
  }
  BirthEntry entry;
  for (const auto& item : object.items()) {
    SetBirthEntryField(entry, item.key(), CellText(item.value()));
  }
  return entry;
}

}  // namespace lumora::cli
