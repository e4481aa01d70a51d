// SPDX-License-Identifier: MIT
#include "core/vedic/result/export_document.h"

#include "core/ephemeris/zodiac.h"

namespace lumora {

CatalogueRecords CatalogueRecordsOf(const MatchState& state) {
  CatalogueRecords records;
  records.BoyRashi = RashiRecordOf(kSignNames[static_cast<std::size_t>(state.Boy.Sign)]);
  records.GirlRashi = RashiRecordOf(kSignNames[static_cast<std::size_t>(state.Girl.Sign)]);
  records.BoyNakshatra =
      NakshatraRecordOf(kNakshatraNames[static_cast<std::size_t>(state.Boy.Nakshatra)]);
  records.GirlNakshatra =
      NakshatraRecordOf(kNakshatraNames[static_cast<std::size_t>(state.Girl.Nakshatra)]);
  return records;
}

std::optional<RashiRecord> RashiRecordOf(std::string_view english_name) {
  const RashiRecord* record = FindRashi(english_name);
  return record != nullptr ? std::optional<RashiRecord>(*record) : std::nullopt;
}

std::optional<NakshatraRecord> NakshatraRecordOf(std::string_view nakshatra_name) {
  const NakshatraRecord* record = FindNakshatraRecord(nakshatra_name);
  return record != nullptr ? std::optional<NakshatraRecord>(*record) : std::nullopt;
}

}  // namespace lumora
