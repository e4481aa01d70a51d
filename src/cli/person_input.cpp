// SPDX-License-Identifier: MIT
#include "cli/person_input.h"

#include <memory>
#include <string>
#include <vector>

#include "core/places/atlas.h"

namespace lumora::cli {

namespace {

// A cell as the person record gives it: a text as it is, null as nothing, any other
// value as written.
std::string RecordText(const Json& value) {
  if (value.is_string()) {
    return value.get<std::string>();
  }
  return value.is_null() ? std::string() : value.dump();
}

// The first place of the atlas for a place text; the atlas is loaded on first use.
std::optional<ResolvedPlace> AtlasPlace(std::string_view query) {
  static const std::shared_ptr<const Atlas> atlas = [] {
    auto loaded = Atlas::LoadInstalled();
    if (const auto* failure = std::get_if<FormFailure>(&loaded)) {
      throw UsageError(failure->Message);
    }
    return std::get<std::shared_ptr<const Atlas>>(std::move(loaded));
  }();
  const std::vector<Place> places = atlas->Search(query, 1);
  if (places.empty()) {
    return std::nullopt;
  }
  return ResolvedPlace{places.front().Latitude, places.front().Longitude, places.front().TimeZone};
}

}  // namespace

bool HasPersonRecords(const Json& input, std::string_view first_key, std::string_view second_key) {
  return input.is_object() &&
         (input.contains(std::string(first_key)) || input.contains(std::string(second_key)));
}

FormSides<PersonRecord> ReadPersonRecords(const Json& input, std::string_view first_key,
                                          std::string_view second_key, MoonModel model) {
  FormSides<PersonRecord> records;
  for (const PersonSide side : kPersonSides) {
    const std::string key(side == PersonSide::Male ? first_key : second_key);
    if (!input.contains(key) || !input[key].is_object()) {
      throw Rejection(key +
                          " must be a person record: {\"Name\": ..., \"BirthDate\": ..., "
                          "\"BirthTime\": ..., \"Place\": ...}",
                      "error", key);
    }
    PersonRecord& record = records[side];
    for (const auto& item : input[key].items()) {
      if (!SetBirthEntryField(record.Entry, item.key(), RecordText(item.value()))) {
        throw Rejection(key + "." + item.key() + " is not a field of a person record", "error",
                        key);
      }
    }
    BirthReading reading;
    reading.Manglik = false;
    reading.Model = model;
    auto person = ReadBirthEntry(record.Entry, AtlasPlace, reading);
    if (const auto* failure = std::get_if<FormFailure>(&person)) {
      throw Rejection(key + ": " + failure->Message, "error", key + "." + failure->Control);
    }
    record.Person = std::get<RankedPerson>(std::move(person));
  }
  return records;
}

}  // namespace lumora::cli
