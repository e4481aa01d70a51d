// SPDX-License-Identifier: MIT
// Profile files: encoding round trips, a file is accepted exactly when its four values
// are sign and nakshatra names of the tables, and opening it gives a result exactly
// when it is accepted.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/ephemeris/zodiac.h"
#include "core/vedic/entry/profile.h"
#include "core/vedic/match/match.h"

namespace {

void Require(bool condition) {
  if (!condition) {
    std::abort();
  }
}

template <typename Names>
bool IsOneOf(const Names& names, const std::string& value) {
  for (const auto& name : names) {
    if (name == value) {
      return true;
    }
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumora;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  // Every byte that survives encoding comes back: codes up to 255 - shift.
  const std::string encoded = Encode(bytes);
  std::string kept;
  for (const char c : bytes) {
    if (static_cast<unsigned char>(c) + kProfileShift <= 255) {
      kept += c;
    }
  }
  Require(Decode(encoded) == kept);

  const ProfileLines lines = ReadProfile(bytes);
  Require(lines.LinesRead >= 0 && lines.LinesRead <= 4);
  const auto checked = CheckProfile(bytes);
  const bool in_tables = lines.LinesRead == 4 && IsOneOf(kSignNames, lines.Values[0]) &&
                         IsOneOf(kSignNames, lines.Values[1]) &&
                         IsOneOf(kNakshatraNames, lines.Values[2]) &&
                         IsOneOf(kNakshatraNames, lines.Values[3]);
  Require(checked.has_value() == in_tables);
  if (checked) {
    Require(*checked == lines.Values);
    // What is accepted writes back to bytes that read the same.
    Require(CheckProfile(WriteProfile(*checked)) == checked);
  }

  MatchState state;
  const MatchOutcome outcome = OpenProfile(state, "fuzz.kun", bytes);
  Require(outcome.Result.has_value() == checked.has_value());
  Require(outcome.Failure.has_value() != outcome.Result.has_value());
  MatchState other;
  Require(!OpenProfile(other, "fuzz.txt", bytes).Result.has_value());
  return 0;
}
