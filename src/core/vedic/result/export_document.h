// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/report_run.h"
#include "core/vedic/match/match.h"
#include "core/vedic/result/nakshatra_catalogue.h"
#include "core/vedic/result/rashi_catalogue.h"

namespace lumora {

// The catalogue records of both persons' Moon signs and nakshatras. A record is absent
// only for a name outside the catalogue; its page then lists the field labels with empty
// texts.
struct CatalogueRecords {
  std::optional<RashiRecord> BoyRashi;
  std::optional<RashiRecord> GirlRashi;
  std::optional<NakshatraRecord> BoyNakshatra;
  std::optional<NakshatraRecord> GirlNakshatra;
};

// The records of a match state's Moon signs and nakshatras.
CatalogueRecords CatalogueRecordsOf(const MatchState& state);

// The catalogue record of a sign's English name or of a nakshatra's name, as a value;
// absent for a name outside the catalogue.
std::optional<RashiRecord> RashiRecordOf(std::string_view english_name);
std::optional<NakshatraRecord> NakshatraRecordOf(std::string_view nakshatra_name);

// The text of one field of a page, empty where the page has no record.
template <typename Record, typename Field>
std::string RecordFieldText(const std::optional<Record>& record, const Field& field) {
  return record ? std::string((*record).*field.Member) : std::string();
}

}  // namespace lumora
