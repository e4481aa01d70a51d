// SPDX-License-Identifier: MIT
#include "core/vedic/entry/couple_file.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <iterator>
#include <optional>
#include <vector>

#include "core/entry/date_lists.h"
#include "core/json_text.h"
#include "core/text.h"

namespace lumora {

namespace {

// The zone boxes of the birth-details form, kept after the shared text entries.
struct ZoneBoxField {
  std::string_view Key;
  std::string BirthFormSide::*Member;
};

constexpr std::array<ZoneBoxField, 2> kZoneBoxFields{{
    {"ZoneHour", &BirthFormSide::ZoneHour},
    {"ZoneMinute", &BirthFormSide::ZoneMinute},
}};

// The zone's direction pair came with version 3 and is kept after the zone of version 2;
// the other choices are in every version.
bool IsZoneDirection(const PersonChoiceField& field) {
  return field.Control == FormControl::ZoneAhead || field.Control == FormControl::ZoneBehind;
}

constexpr const char* kNotACoupleFile = "This is not a Lumora couple file.";

FormFailure Refusal(std::string message) {
  return FormFailure{std::move(message), MessageIcon::Error, std::nullopt, false};
}

FormFailure Damaged(std::string_view person, std::string_view field, std::string_view what) {
  return Refusal("The couple file is damaged: \"" + std::string(person) + "." + std::string(field) +
                 "\" " + std::string(what) + ".");
}

// The zone fields of version 2.
constexpr std::string_view kZoneIdField = "TimeZoneId";
constexpr std::string_view kClockReadingField = "ClockReading";
// The koota tables of version 4, beside the two persons.
constexpr std::string_view kTablesField = "KootaTables";
// The zodiac of version 5, beside the tables; each may be left out.
constexpr std::string_view kAyanamsaField = "Ayanamsa";
constexpr std::string_view kNodeField = "Node";

// "Standard", "Lahiri", ... or "FaganBradley": the names a refusal lists.
std::string AyanamsaChoices() {
  std::string text;
  for (std::size_t k = 0; k < kAyanamsas.size(); ++k) {
    text += k == 0 ? "" : k + 1 == kAyanamsas.size() ? " or " : ", ";
    text += "\"" + std::string(AyanamsaName(kAyanamsas[k])) + "\"";
  }
  return text;
}

std::string_view ClockChoiceText(const std::optional<ClockChoice>& choice) {
  if (!choice) {
    return "";
  }
  return *choice == ClockChoice::Earlier ? "earlier" : "later";
}

bool HasZone(const BirthFormSide& side) {
  return !side.TimeZoneId.empty();
}

bool HasZoneDirection(const BirthFormSide& side) {
  return side.ZoneAhead || side.ZoneBehind;
}

json::Value SideObject(const BirthFormSide& side, int version) {
  json::Value object = json::Value::object();
  for (const PersonTextField& field : kPersonTextFields) {
    object[std::string(field.Key)] = side.*field.Member;
  }
  for (const ZoneBoxField& field : kZoneBoxFields) {
    object[std::string(field.Key)] = side.*field.Member;
  }
  for (const PersonChoiceField& field : kPersonChoiceFields) {
    if (!IsZoneDirection(field)) {
      object[std::string(field.Key)] = side.*field.Member;
    }
  }
  if (version >= kCoupleZoneVersion) {
    object[std::string(kZoneIdField)] = side.TimeZoneId;
    object[std::string(kClockReadingField)] =
        std::string(HasZone(side) ? ClockChoiceText(side.ClockReading) : "");
  }
  if (version >= kCoupleZoneDirectionVersion) {
    for (const PersonChoiceField& field : kPersonChoiceFields) {
      if (IsZoneDirection(field)) {
        object[std::string(field.Key)] = side.*field.Member;
      }
    }
  }
  return object;
}

// One person of a file, field by field: each read counts as known, so that whatever is
// left over is a field no version has.
class SideReader {
 public:
  SideReader(const json::Value& object, std::string_view person)
      : object_(object), person_(person) {}

  std::optional<FormFailure> Text(std::string_view key, std::string& out,
                                  std::optional<DateTimeList> list = std::nullopt) {
    const auto entry = object_.find(key);
    if (entry == object_.end()) {
      return Damaged(person_, key, "is missing");
    }
    if (!entry->is_string()) {
      return Damaged(person_, key, "must be a text");
    }
    const std::string& text = entry->get_ref<const std::string&>();
    if (list && !DateTimeListPosition(*list, text)) {
      return Damaged(person_, key, "is not an entry of its list");
    }
    out = text;
    ++known_;
    return std::nullopt;
  }

  std::optional<FormFailure> Choice(std::string_view key, bool& out) {
    const auto entry = object_.find(key);
    if (entry == object_.end()) {
      return Damaged(person_, key, "is missing");
    }
    if (!entry->is_boolean()) {
      return Damaged(person_, key, "must be true or false");
    }
    out = entry->get<bool>();
    ++known_;
    return std::nullopt;
  }

  // The first member that none of the reads asked for.
  std::optional<FormFailure> Unknown(const std::vector<std::string_view>& keys) const {
    if (known_ == object_.size()) {
      return std::nullopt;
    }
    for (const auto& member : object_.items()) {
      if (std::find(keys.begin(), keys.end(), member.key()) == keys.end()) {
        return Damaged(person_, member.key(), "is not a field of a couple file");
      }
    }
    return std::nullopt;
  }

 private:
  const json::Value& object_;
  std::string_view person_;
  std::size_t known_ = 0;
};

// The zone fields of a version-2 person.
std::optional<FormFailure> ReadZone(SideReader& reader, std::string_view person,
                                    BirthFormSide& side) {
  std::string zone;
  if (auto failure = reader.Text(kZoneIdField, zone)) {
    return failure;
  }
  std::string reading;
  if (auto failure = reader.Text(kClockReadingField, reading)) {
    return failure;
  }
  std::optional<ClockChoice> choice;
  if (!reading.empty()) {
    choice = ParseClockChoice(reading);
    if (!choice) {
      return Damaged(person, kClockReadingField, "must be \"earlier\", \"later\" or empty");
    }
    if (zone.empty()) {
      return Damaged(person, kClockReadingField, "needs a TimeZoneId");
    }
  }
  side.TimeZoneId = std::move(zone);
  side.ClockReading = choice;
  return std::nullopt;
}

std::optional<FormFailure> ReadSide(const json::Value& file, std::string_view person, int version,
                                    BirthFormSide& side) {
  const auto value = file.find(person);
  if (value == file.end()) {
    return Refusal("The couple file is damaged: \"" + std::string(person) + "\" is missing.");
  }
  if (!value->is_object()) {
    return Refusal("The couple file is damaged: \"" + std::string(person) +
                   "\" must hold a person's details.");
  }
  SideReader reader(*value, person);
  std::vector<std::string_view> keys;
  for (const PersonTextField& field : kPersonTextFields) {
    keys.push_back(field.Key);
    if (auto failure =
            reader.Text(field.Key, side.*field.Member, EntryList(field.Control, FormKind::Vedic))) {
      return failure;
    }
  }
  for (const ZoneBoxField& field : kZoneBoxFields) {
    keys.push_back(field.Key);
    if (auto failure = reader.Text(field.Key, side.*field.Member)) {
      return failure;
    }
  }
  const bool directions = version >= kCoupleZoneDirectionVersion;
  for (const PersonChoiceField& field : kPersonChoiceFields) {
    if (IsZoneDirection(field) && !directions) {
      continue;
    }
    keys.push_back(field.Key);
    if (auto failure = reader.Choice(field.Key, side.*field.Member)) {
      return failure;
    }
  }
  if (version >= kCoupleZoneVersion) {
    keys.push_back(kZoneIdField);
    keys.push_back(kClockReadingField);
    if (auto failure = ReadZone(reader, person, side)) {
      return failure;
    }
  }
  return reader.Unknown(keys);
}

// A version number as the file writes it: a whole number as digits, anything far past
// an int's range in the shortest exact form ("1e+308"), never rounded into an int.
std::string VersionText(double number) {
  if (std::fabs(number) < 1e9) {
    return FormatHalfPoints(number);
  }
  char text[32];
  const auto written = std::to_chars(std::begin(text), std::end(text), number);
  return std::string(text, written.ptr);
}

}  // namespace

std::string WriteCoupleFile(const Couple& couple) {
  const BirthForm& form = couple.Form;
  json::Value file = json::Value::object();
  file["Format"] = std::string(kCoupleFormat);
  const int version = couple.Chart != ChartOptions{}            ? kCoupleZodiacVersion
                      : couple.Tables != KootaTables::Specified ? kCoupleTablesVersion
                      : HasZoneDirection(form.Male) || HasZoneDirection(form.Female)
                          ? kCoupleZoneDirectionVersion
                      : HasZone(form.Male) || HasZone(form.Female) ? kCoupleZoneVersion
                                                                   : 1;
  file["Version"] = version;
  if (version >= kCoupleTablesVersion) {
    file[std::string(kTablesField)] = std::string(KootaTablesName(couple.Tables));
  }
  if (version >= kCoupleZodiacVersion) {
    file[std::string(kAyanamsaField)] = std::string(AyanamsaName(couple.Chart.ayanamsa));
    file[std::string(kNodeField)] = std::string(NodeName(couple.Chart.node));
  }
  file["Boy"] = SideObject(form.Male, version);
  file["Girl"] = SideObject(form.Female, version);
  return json::Write(file) + "\n";
}

FormResult<Couple> ReadCoupleFile(std::string_view bytes) {
  if (bytes.size() > kCoupleMaxBytes) {
    return Refusal(kNotACoupleFile);
  }
  FormResult<json::Value> parsed = json::Parse(bytes);
  if (const auto* failure = std::get_if<FormFailure>(&parsed)) {
    return Refusal(std::string(kNotACoupleFile) + " " + failure->Message);
  }
  const json::Value& file = std::get<json::Value>(parsed);
  if (!file.is_object()) {
    return Refusal(kNotACoupleFile);
  }
  const auto format = file.find("Format");
  if (format == file.end() || !format->is_string() ||
      format->get_ref<const std::string&>() != kCoupleFormat) {
    return Refusal(kNotACoupleFile);
  }
  const auto version = file.find("Version");
  const std::optional<double> number = version != file.end() && version->is_number()
                                           ? std::optional(version->get<double>())
                                           : std::nullopt;
  if (!number || *number < 1 || std::floor(*number) != *number) {
    return Refusal("The couple file is damaged: \"Version\" must be a whole number from 1.");
  }
  if (*number > kCoupleVersion) {
    return Refusal("This couple file was written by a newer version of Lumora (file version " +
                   VersionText(*number) + "); this version reads files up to version " +
                   std::to_string(kCoupleVersion) + ".");
  }
  const int file_version = static_cast<int>(*number);
  const bool has_tables = file_version >= kCoupleTablesVersion;
  const bool has_zodiac = file_version >= kCoupleZodiacVersion;
  for (const auto& member : file.items()) {
    const std::string& key = member.key();
    if (key != "Format" && key != "Version" && key != "Boy" && key != "Girl" &&
        !(has_tables && key == kTablesField) &&
        !(has_zodiac && (key == kAyanamsaField || key == kNodeField))) {
      return Refusal("The couple file is damaged: \"" + key +
                     "\" is not a field of a couple file.");
    }
  }
  Couple couple;
  if (has_tables) {
    const auto tables = file.find(kTablesField);
    if (tables == file.end()) {
      return Refusal("The couple file is damaged: \"KootaTables\" is missing.");
    }
    const std::optional<KootaTables> found =
        tables->is_string() ? FindKootaTables(tables->get_ref<const std::string&>()) : std::nullopt;
    if (!found || tables->get_ref<const std::string&>() != KootaTablesName(*found)) {
      return Refusal(
          "The couple file is damaged: \"KootaTables\" must be \"Specified\" or "
          "\"Classical\".");
    }
    couple.Tables = *found;
  }
  if (const auto ayanamsa = file.find(kAyanamsaField); has_zodiac && ayanamsa != file.end()) {
    const std::optional<Ayanamsa> found =
        ayanamsa->is_string() ? FindAyanamsa(ayanamsa->get_ref<const std::string&>())
                              : std::nullopt;
    if (!found || ayanamsa->get_ref<const std::string&>() != AyanamsaName(*found)) {
      return Refusal("The couple file is damaged: \"Ayanamsa\" must be " + AyanamsaChoices() + ".");
    }
    couple.Chart.ayanamsa = *found;
  }
  if (const auto node = file.find(kNodeField); has_zodiac && node != file.end()) {
    const std::optional<NodeKind> found =
        node->is_string() ? FindNode(node->get_ref<const std::string&>()) : std::nullopt;
    if (!found || node->get_ref<const std::string&>() != NodeName(*found)) {
      return Refusal("The couple file is damaged: \"Node\" must be \"Mean\" or \"True\".");
    }
    couple.Chart.node = *found;
  }
  if (auto failure = ReadSide(file, "Boy", file_version, couple.Form.Male)) {
    return *failure;
  }
  if (auto failure = ReadSide(file, "Girl", file_version, couple.Form.Female)) {
    return *failure;
  }
  return couple;
}

bool HasCoupleExtension(std::string_view file_name) {
  if (file_name.size() < kCoupleExtension.size()) {
    return false;
  }
  const std::string_view tail = file_name.substr(file_name.size() - kCoupleExtension.size());
  for (std::size_t i = 0; i < tail.size(); ++i) {
    const char c = tail[i];
    const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    if (lower != kCoupleExtension[i]) {
      return false;
    }
  }
  return true;
}

std::string CoupleFileStem(std::string_view boy_name, std::string_view girl_name) {
  auto clean = [](std::string_view name, std::string_view fallback) {
    std::string out;
    for (const char c : Trim(name)) {
      const bool refused = static_cast<unsigned char>(c) < 0x20 || c == '/' || c == '\\' ||
                           c == ':' || c == '*' || c == '?' || c == '"' || c == '<' || c == '>' ||
                           c == '|';
      out += refused ? ' ' : c;
    }
    return TrimmedOr(out, fallback);
  };
  return clean(boy_name, "Boy") + " and " + clean(girl_name, "Girl");
}

}  // namespace lumora
