// SPDX-License-Identifier: MIT
#include "core/vedic/entry/couple_file.h"

#include <array>
#include <charconv>
#include <cmath>
#include <iterator>

#include "core/entry/date_lists.h"
#include "core/json_text.h"
#include "core/text.h"

namespace lumora {

namespace {

struct TextField {
  std::string_view Name;
  std::string BirthFormSide::*Member;
  std::optional<DateTimeList> List;  // entries of a list must be entries of that list
};

struct ChoiceField {
  std::string_view Name;
  bool BirthFormSide::*Member;
};

// Every entry of one side of the form, in the form's order.
constexpr std::array<TextField, 16> kTextFields{{
    {"Name", &BirthFormSide::Name, std::nullopt},
    {"Day", &BirthFormSide::Day, DateTimeList::Day},
    {"Month", &BirthFormSide::Month, DateTimeList::Month},
    {"Year", &BirthFormSide::Year, DateTimeList::Year},
    {"Hour", &BirthFormSide::Hour, DateTimeList::HourThrough24},
    {"Minute", &BirthFormSide::Minute, DateTimeList::Minute},
    {"Second", &BirthFormSide::Second, DateTimeList::Second},
    {"City", &BirthFormSide::City, std::nullopt},
    {"State", &BirthFormSide::State, std::nullopt},
    {"Country", &BirthFormSide::Country, std::nullopt},
    {"LatDeg", &BirthFormSide::LatDeg, std::nullopt},
    {"LatMin", &BirthFormSide::LatMin, std::nullopt},
    {"LongDeg", &BirthFormSide::LongDeg, std::nullopt},
    {"LongMin", &BirthFormSide::LongMin, std::nullopt},
    {"ZoneHour", &BirthFormSide::ZoneHour, std::nullopt},
    {"ZoneMinute", &BirthFormSide::ZoneMinute, std::nullopt},
}};

constexpr std::array<ChoiceField, 5> kChoiceFields{{
    {"North", &BirthFormSide::North},
    {"South", &BirthFormSide::South},
    {"East", &BirthFormSide::East},
    {"West", &BirthFormSide::West},
    {"DST", &BirthFormSide::DST},
}};

// The zone's direction pair of version 3.
constexpr std::array<ChoiceField, 2> kDirectionFields{{
    {"ZoneAhead", &BirthFormSide::ZoneAhead},
    {"ZoneBehind", &BirthFormSide::ZoneBehind},
}};

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
  json::Object object;
  auto text = [&](const TextField& field) {
    object.emplace_back(std::string(field.Name), json::Value{side.*field.Member});
  };
  for (const TextField& field : kTextFields) {
    text(field);
  }
  for (const ChoiceField& field : kChoiceFields) {
    object.emplace_back(std::string(field.Name), json::Value{side.*field.Member});
  }
  if (version >= kCoupleZoneVersion) {
    object.emplace_back(std::string(kZoneIdField), json::Value{side.TimeZoneId});
    object.emplace_back(
        std::string(kClockReadingField),
        json::Value{std::string(HasZone(side) ? ClockChoiceText(side.ClockReading) : "")});
  }
  if (version >= kCoupleZoneDirectionVersion) {
    for (const ChoiceField& field : kDirectionFields) {
      object.emplace_back(std::string(field.Name), json::Value{side.*field.Member});
    }
  }
  return json::Value{std::move(object)};
}

// The zone fields of a version-2 person; each counts as known.
std::optional<FormFailure> ReadZone(const json::Object& object, std::string_view person,
                                    BirthFormSide& side) {
  const json::Value* zone = json::Find(object, kZoneIdField);
  if (zone == nullptr) {
    return Damaged(person, kZoneIdField, "is missing");
  }
  if (zone->AsString() == nullptr) {
    return Damaged(person, kZoneIdField, "must be a text");
  }
  const json::Value* reading = json::Find(object, kClockReadingField);
  if (reading == nullptr) {
    return Damaged(person, kClockReadingField, "is missing");
  }
  const std::string* reading_text = reading->AsString();
  if (reading_text == nullptr) {
    return Damaged(person, kClockReadingField, "must be a text");
  }
  std::optional<ClockChoice> choice;
  if (!reading_text->empty()) {
    choice = ParseClockChoice(*reading_text);
    if (!choice) {
      return Damaged(person, kClockReadingField, "must be \"earlier\", \"later\" or empty");
    }
    if (zone->AsString()->empty()) {
      return Damaged(person, kClockReadingField, "needs a TimeZoneId");
    }
  }
  side.TimeZoneId = *zone->AsString();
  side.ClockReading = choice;
  return std::nullopt;
}

std::optional<FormFailure> ReadSide(const json::Object& file, std::string_view person, int version,
                                    BirthFormSide& side) {
  const json::Value* value = json::Find(file, person);
  if (value == nullptr) {
    return Refusal("The couple file is damaged: \"" + std::string(person) + "\" is missing.");
  }
  const json::Object* object = value->AsObject();
  if (object == nullptr) {
    return Refusal("The couple file is damaged: \"" + std::string(person) +
                   "\" must hold a person's details.");
  }
  std::size_t known = 0;
  auto text = [&](const TextField& field) -> std::optional<FormFailure> {
    const json::Value* entry = json::Find(*object, field.Name);
    if (entry == nullptr) {
      return Damaged(person, field.Name, "is missing");
    }
    const std::string* string = entry->AsString();
    if (string == nullptr) {
      return Damaged(person, field.Name, "must be a text");
    }
    if (field.List && !DateTimeListPosition(*field.List, *string)) {
      return Damaged(person, field.Name, "is not an entry of its list");
    }
    side.*field.Member = *string;
    ++known;
    return std::nullopt;
  };
  for (const TextField& field : kTextFields) {
    if (auto failure = text(field)) {
      return failure;
    }
  }
  auto choice = [&](const ChoiceField& field) -> std::optional<FormFailure> {
    const json::Value* entry = json::Find(*object, field.Name);
    if (entry == nullptr) {
      return Damaged(person, field.Name, "is missing");
    }
    const bool* flag = entry->AsBool();
    if (flag == nullptr) {
      return Damaged(person, field.Name, "must be true or false");
    }
    side.*field.Member = *flag;
    ++known;
    return std::nullopt;
  };
  for (const ChoiceField& field : kChoiceFields) {
    if (auto failure = choice(field)) {
      return failure;
    }
  }
  const bool directions = version >= kCoupleZoneDirectionVersion;
  if (directions) {
    for (const ChoiceField& field : kDirectionFields) {
      if (auto failure = choice(field)) {
        return failure;
      }
    }
  }
  const bool zones = version >= kCoupleZoneVersion;
  if (zones) {
    if (auto failure = ReadZone(*object, person, side)) {
      return failure;
    }
    known += 2;
  }
  if (known != object->size()) {
    for (const json::Member& member : *object) {
      bool listed = zones && (member.first == kZoneIdField || member.first == kClockReadingField);
      for (const TextField& field : kTextFields) {
        listed = listed || field.Name == member.first;
      }
      for (const ChoiceField& field : kChoiceFields) {
        listed = listed || field.Name == member.first;
      }
      for (const ChoiceField& field : kDirectionFields) {
        listed = listed || (directions && field.Name == member.first);
      }
      if (!listed) {
        return Damaged(person, member.first, "is not a field of a couple file");
      }
    }
  }
  return std::nullopt;
}

}  // namespace

std::string WriteCoupleFile(const Couple& couple) {
  const BirthForm& form = couple.Form;
  json::Object file;
  file.emplace_back("Format", json::Value{std::string(kCoupleFormat)});
  const int version = couple.Chart != ChartOptions{}            ? kCoupleZodiacVersion
                      : couple.Tables != KootaTables::Specified ? kCoupleTablesVersion
                      : HasZoneDirection(form.Male) || HasZoneDirection(form.Female)
                          ? kCoupleZoneDirectionVersion
                      : HasZone(form.Male) || HasZone(form.Female) ? kCoupleZoneVersion
                                                                   : 1;
  file.emplace_back("Version", json::Value{static_cast<double>(version)});
  if (version >= kCoupleTablesVersion) {
    file.emplace_back(std::string(kTablesField),
                      json::Value{std::string(KootaTablesName(couple.Tables))});
  }
  if (version >= kCoupleZodiacVersion) {
    file.emplace_back(std::string(kAyanamsaField),
                      json::Value{std::string(AyanamsaName(couple.Chart.ayanamsa))});
    file.emplace_back(std::string(kNodeField),
                      json::Value{std::string(NodeName(couple.Chart.node))});
  }
  file.emplace_back("Boy", SideObject(form.Male, version));
  file.emplace_back("Girl", SideObject(form.Female, version));
  return json::Write(json::Value{std::move(file)}) + "\n";
}

namespace {

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

FormResult<Couple> ReadCoupleFile(std::string_view bytes) {
  if (bytes.size() > kCoupleMaxBytes) {
    return Refusal(kNotACoupleFile);
  }
  FormResult<json::Value> parsed = json::Parse(bytes);
  if (const auto* failure = std::get_if<FormFailure>(&parsed)) {
    return Refusal(std::string(kNotACoupleFile) + " " + failure->Message);
  }
  const json::Object* file = std::get<json::Value>(parsed).AsObject();
  if (file == nullptr) {
    return Refusal(kNotACoupleFile);
  }
  const json::Value* format = json::Find(*file, "Format");
  if (format == nullptr || format->AsString() == nullptr || *format->AsString() != kCoupleFormat) {
    return Refusal(kNotACoupleFile);
  }
  const json::Value* version = json::Find(*file, "Version");
  const double* number = version != nullptr ? version->AsNumber() : nullptr;
  if (number == nullptr || *number < 1 || std::floor(*number) != *number) {
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
  for (const json::Member& member : *file) {
    if (member.first != "Format" && member.first != "Version" && member.first != "Boy" &&
        member.first != "Girl" && !(has_tables && member.first == kTablesField) &&
        !(has_zodiac && (member.first == kAyanamsaField || member.first == kNodeField))) {
      return Refusal("The couple file is damaged: \"" + member.first +
                     "\" is not a field of a couple file.");
    }
  }
  Couple couple;
  if (has_tables) {
    const json::Value* tables = json::Find(*file, kTablesField);
    if (tables == nullptr) {
      return Refusal("The couple file is damaged: \"KootaTables\" is missing.");
    }
    const std::string* name = tables->AsString();
    const std::optional<KootaTables> found =
        name != nullptr ? FindKootaTables(*name) : std::nullopt;
    if (!found || *name != KootaTablesName(*found)) {
      return Refusal(
          "The couple file is damaged: \"KootaTables\" must be \"Specified\" or "
          "\"Classical\".");
    }
    couple.Tables = *found;
  }
  if (const json::Value* ayanamsa = has_zodiac ? json::Find(*file, kAyanamsaField) : nullptr) {
    const std::string* name = ayanamsa->AsString();
    const std::optional<Ayanamsa> found = name != nullptr ? FindAyanamsa(*name) : std::nullopt;
    if (!found || *name != AyanamsaName(*found)) {
      return Refusal("The couple file is damaged: \"Ayanamsa\" must be " + AyanamsaChoices() + ".");
    }
    couple.Chart.ayanamsa = *found;
  }
  if (const json::Value* node = has_zodiac ? json::Find(*file, kNodeField) : nullptr) {
    const std::string* name = node->AsString();
    const std::optional<NodeKind> found = name != nullptr ? FindNode(*name) : std::nullopt;
    if (!found || *name != NodeName(*found)) {
      return Refusal("The couple file is damaged: \"Node\" must be \"Mean\" or \"True\".");
    }
    couple.Chart.node = *found;
  }
  if (auto failure = ReadSide(*file, "Boy", file_version, couple.Form.Male)) {
    return *failure;
  }
  if (auto failure = ReadSide(*file, "Girl", file_version, couple.Form.Female)) {
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
    out = Trim(out);
    return out.empty() ? std::string(fallback) : out;
  };
  return clean(boy_name, "Boy") + " and " + clean(girl_name, "Girl");
}

}  // namespace lumora
