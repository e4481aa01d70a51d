// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "cli/cli_io.h"
#include "core/entry/form_result.h"
#include "core/vedic/rank/candidate.h"

namespace lumora::cli {

// Whether an input object holds two person records under the keys of its test:
// {"Boy": ..., "Girl": ...} for vedic, {"Male": ..., "Female": ...} for western.
bool HasPersonRecords(const Json& input, std::string_view first_key, std::string_view second_key);

// Both persons of such an input, read as rank reads a person ("Name", "BirthDate",
// "BirthTime", and "Place" or "Latitude", "Longitude", "TimeZone"; "ClockReading"), places
// through the atlas. A record that cannot be read is rejected with its key and its fault.
struct PersonRecord {
  BirthEntry Entry;
  RankedPerson Person;
};
FormSides<PersonRecord> ReadPersonRecords(const Json& input, std::string_view first_key,
                                          std::string_view second_key, MoonModel model);

}  // namespace lumora::cli
