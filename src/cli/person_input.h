// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cli/cli_io.h"
#include "core/form_result.h"
#include "core/vedic/rank/candidate.h"
#include "core/western/synastry/synastry_chart.h"

namespace lumora::cli {

// A person record's value as the text a candidate file's cell would hold: a text as it
// is, null as nothing, any other value as written.
std::string RecordText(const Json& value);

// The entries of one person record: a JSON object with Name, BirthDate, BirthTime and
// Place or Latitude, Longitude and TimeZone, and optionally ClockReading and IsDST, keyed
// as the columns of a candidate file (in any case). Keys of no column are passed over, as
// rank passes over a file's extra columns. Nothing when the value is not an object.
// ReadBirthEntry then checks and reads the entries.
std::optional<BirthEntry> ReadPersonEntries(const Json& object);

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
// One person record; key names it in messages (empty for a record that is the whole input).
PersonRecord ReadPersonRecord(const Json& record, std::string_view key,
                              const BirthReading& reading);

FormSides<PersonRecord> ReadPersonRecords(const Json& input, std::string_view first_key,
                                          std::string_view second_key, MoonModel model);

// The instant and place of a record for synastry: the place in decimal degrees as read.
SynastryBirth SynastryBirthOf(const PersonRecord& record);

}  // namespace lumora::cli
