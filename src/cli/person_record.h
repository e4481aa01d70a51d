// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "cli/json.h"
#include "core/vedic/rank/candidate.h"

namespace lumora::cli {

// The entries of one person record: a JSON object with Name, BirthDate, BirthTime and
// Place or Latitude, Longitude and TimeZone, and optionally ClockReading and IsDST, keyed
// as the columns of a candidate file (in any case). Every value is read as the text a
// CSV cell would hold; keys of no column are passed over. Nothing when the value is not
// an object. ReadBirthEntry then checks and reads the entries.
std::optional<BirthEntry> ReadPersonRecord(const Json& object);

}  // namespace lumora::cli
