// SPDX-License-Identifier: MIT
#include "cli/commands.h"
#include "core/vedic/result/nakshatra_catalogue.h"
#include "core/vedic/result/rashi_catalogue.h"

namespace lumora::cli {

Json RashiJson(const std::string& name) {
  const std::optional<std::size_t> position = FindRashiByAnyName(name);
  if (!position) {
    std::string names;
    for (const RashiRecord& rashi : kRashiCatalogue) {
      names += (names.empty() ? "" : ", ") + std::string(rashi.EnglishName) + " (" +
               std::string(rashi.IndianName) + ")";
    }
    throw Rejection("\"" + name + "\" is not a rashi of the catalogue; the rashis are " + names,
                    "error");
  }
  const RashiRecord* record = &kRashiCatalogue[*position];
  Json out;
  for (const RashiField& field : kRashiFields) {
    out[std::string(field.Name)] = std::string(record->*field.Member);
  }
  return out;
}

Json NakshatraJson(const std::string& name) {
  const std::optional<std::size_t> position = FindNakshatraByAnyName(name);
  if (!position) {
    std::string names;
    for (const NakshatraRecord& nakshatra : kNakshatraCatalogue) {
      names += (names.empty() ? "" : ", ") + std::string(nakshatra.NakshatraName);
    }
    throw Rejection(
        "\"" + name + "\" is not a nakshatra of the catalogue; the nakshatras are " + names,
        "error");
  }
  const NakshatraRecord* record = &kNakshatraCatalogue[*position];
  Json out;
  for (const NakshatraField& field : kNakshatraFields) {
    out[std::string(field.Name)] = std::string(record->*field.Member);
  }
  return out;
}

}  // namespace lumora::cli
