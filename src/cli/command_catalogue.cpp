#include "cli/commands.h"
#include "core/vedic/result/nakshatra_catalogue.h"
#include "core/vedic/result/rashi_catalogue.h"

namespace lumora::cli {

Json RashiJson(const std::string& name) {
  const RashiRecord* record = FindRashi(name);
  if (record == nullptr) {
    throw Rejection("\"" + name + "\" is not a rashi of the catalogue", "error");
  }
  Json out;
  for (const RashiField& field : kRashiFields) {
    out[std::string(field.Name)] = std::string(record->*field.Member);
  }
  return out;
}

Json NakshatraJson(const std::string& name) {
  const NakshatraRecord* record = FindNakshatraRecord(name);
  if (record == nullptr) {
    throw Rejection("\"" + name + "\" is not a nakshatra of the catalogue", "error");
  }
  Json out;
  for (const NakshatraField& field : kNakshatraFields) {
    out[std::string(field.Name)] = std::string(record->*field.Member);
  }
  return out;
}

}  // namespace lumora::cli
