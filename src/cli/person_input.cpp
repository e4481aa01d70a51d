// SPDX-License-Identifier: MIT
#include "cli/person_input.h"

#include <memory>
#include <string>
#include <vector>

#include "core/glossary/messages.h"
#include "core/places/atlas.h"

namespace lumora::cli {

namespace {

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

std::string RecordText(const Json& value) {
  if (value.is_string()) {
    return value.get<std::string>();
  }
  return value.is_null() ? std::string() : value.dump();
}

std::optional<BirthEntry> ReadPersonEntries(const Json& object) {
  if (!object.is_object()) {
    return std::nullopt;
  }
  BirthEntry entry;
  for (const auto& item : object.items()) {
    SetBirthEntryField(entry, item.key(), RecordText(item.value()));
  }
  return entry;
}

bool HasPersonRecords(const Json& input, std::string_view first_key, std::string_view second_key) {
  return input.is_object() &&
         (input.contains(std::string(first_key)) || input.contains(std::string(second_key)));
}

PersonRecord ReadPersonRecord(const Json& record, std::string_view key,
                              const BirthReading& reading) {
  const std::string prefix = key.empty() ? std::string() : std::string(key) + ".";
  if (!record.is_object()) {
    throw Rejection(RecordMessageText(RecordMessage::NotAPersonRecord,
                                      {key.empty() ? std::string_view("A person record") : key}),
                    "error", std::string(key));
  }
  PersonRecord read;
  for (const auto& item : record.items()) {
    if (!SetBirthEntryField(read.Entry, item.key(), RecordText(item.value()))) {
      throw Rejection(RecordMessageText(RecordMessage::NotAField, {prefix + item.key()}), "error",
                      std::string(key));
    }
  }
  auto person = ReadBirthEntry(read.Entry, AtlasPlace, reading);
  if (const auto* failure = std::get_if<FormFailure>(&person)) {
    throw Rejection((key.empty() ? std::string() : std::string(key) + ": ") + failure->Message,
                    "error", prefix + FocusName(failure->Control).value_or(""));
  }
  read.Person = std::get<RankedPerson>(std::move(person));
  return read;
}

FormSides<PersonRecord> ReadPersonRecords(const Json& input, std::string_view first_key,
                                          std::string_view second_key, MoonModel model) {
  FormSides<PersonRecord> records;
  BirthReading reading;
  reading.Manglik = false;
  reading.Model = model;
  for (const PersonSide side : kPersonSides) {
    const std::string key(side == PersonSide::Male ? first_key : second_key);
    records[side] = ReadPersonRecord(input.contains(key) ? input[key] : Json(), key, reading);
  }
  return records;
}

SynastryBirth SynastryBirthOf(const PersonRecord& record) {
  return SynastryBirthAt(record.Person.Moment, record.Person.Latitude, record.Person.Longitude);
}

}  // namespace lumora::cli
