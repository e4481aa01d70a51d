// SPDX-License-Identifier: MIT
#include "cli/form_input.h"

#include <cstdint>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "core/entry/date_lists.h"
#include "core/entry/time_zones.h"
#include "core/glossary/messages.h"

namespace lumora::cli {

namespace {

// What kind of control a form's own input key stands for, and so which JSON values it
// takes. The text entries both forms share come from the panel's field table.
enum class InputKind {
  Text,         // a text box: a text, or a whole number taken as written
  OptionPair,   // two option buttons, each key a boolean (optMNorth, optMSouth)
  OptionIndex,  // one option pair key: 0 the first option, 1 the second, null neither
  CheckBox,     // a boolean
  ZoneRow,      // the time-zone list: a row index or the row's entry text
};

// One input key of a side: the control it names and the field of the side record it fills.
template <typename Side>
struct InputEntry {
  InputKind Kind;
  FormControl Control;
  std::string Side::*Text = nullptr;              // Text
  bool Side::*First = nullptr;                    // OptionPair, OptionIndex, CheckBox
  bool Side::*Second = nullptr;                   // OptionPair, OptionIndex
  FormControl SecondControl = FormControl::Name;  // OptionPair: the second button
  int Side::*Row = nullptr;                       // ZoneRow
};

// How a form's input has always taken a null entry, an entry of the wrong JSON kind and
// a list's entry. The birth-details form's input reads null as a missing entry, names no
// control when it refuses a kind and takes only the entries of its lists; the Western
// form's input refuses null, focuses the control, and leaves its lists to the form's own
// checks.
struct InputRules {
  bool NullIsMissing;
  bool FocusOnKindFault;
  std::optional<FormKind> ListsOf;
};

// The keys of one side of the birth-details form after the shared text entries, in the
// order they are read (the first refusal is the one reported).
constexpr InputEntry<BirthFormSide> kBirthFormInput[] = {
    {.Kind = InputKind::OptionPair,
     .Control = FormControl::North,
     .First = &BirthFormSide::North,
     .Second = &BirthFormSide::South,
     .SecondControl = FormControl::South},
    {.Kind = InputKind::OptionPair,
     .Control = FormControl::East,
     .First = &BirthFormSide::East,
     .Second = &BirthFormSide::West,
     .SecondControl = FormControl::West},
    {.Kind = InputKind::Text, .Control = FormControl::ZoneHour, .Text = &BirthFormSide::ZoneHour},
    {.Kind = InputKind::Text,
     .Control = FormControl::ZoneMinute,
     .Text = &BirthFormSide::ZoneMinute},
    {.Kind = InputKind::CheckBox, .Control = FormControl::DST, .First = &BirthFormSide::DST},
    {.Kind = InputKind::OptionPair,
     .Control = FormControl::ZoneAhead,
     .First = &BirthFormSide::ZoneAhead,
     .Second = &BirthFormSide::ZoneBehind,
     .SecondControl = FormControl::ZoneBehind},
};

constexpr InputEntry<WesternFormSide> kWesternFormInput[] = {
    {.Kind = InputKind::OptionIndex,
     .Control = FormControl::LatDirection,
     .First = &WesternFormSide::North,
     .Second = &WesternFormSide::South},
    {.Kind = InputKind::OptionIndex,
     .Control = FormControl::LongDirection,
     .First = &WesternFormSide::East,
     .Second = &WesternFormSide::West},
    {.Kind = InputKind::ZoneRow,
     .Control = FormControl::TimeZone,
     .Row = &WesternFormSide::TimeZoneRow},
    {.Kind = InputKind::CheckBox, .Control = FormControl::DST, .First = &WesternFormSide::DST},
    {.Kind = InputKind::OptionPair,
     .Control = FormControl::ZoneAhead,
     .First = &WesternFormSide::ZoneAhead,
     .Second = &WesternFormSide::ZoneBehind,
     .SecondControl = FormControl::ZoneBehind},
};

constexpr InputRules kBirthFormRules{
    .NullIsMissing = true, .FocusOnKindFault = false, .ListsOf = FormKind::Vedic};
constexpr InputRules kWesternFormRules{
    .NullIsMissing = false, .FocusOnKindFault = true, .ListsOf = std::nullopt};

class SideReader {
 public:
  SideReader(const Json& input, InputRules rules) : input_(input), rules_(rules) {}

  // A shared text entry; an entry of one of the form's lists must be one of its entries.
  void Read(const PersonTextField& field, PersonSide side, PersonEntries& out) const {
    const std::string key = ControlName(side, field.Control);
    const std::optional<DateTimeList> list =
        rules_.ListsOf ? EntryList(field.Control, *rules_.ListsOf) : std::nullopt;
    if (!list) {
      out.*field.Member = Text(key, out.*field.Member);
      return;
    }
    const std::string value = Text(key, DateTimeListEntries(*list).front());
    if (!DateTimeListPosition(*list, value)) {
      throw Rejection(RecordMessageText(RecordMessage::NotAnEntry, {value, key}), "error", key);
    }
    out.*field.Member = value;
  }

  template <typename Side>
  void Read(const InputEntry<Side>& entry, PersonSide side, Side& out) const {
    const std::string key = ControlName(side, entry.Control);
    switch (entry.Kind) {
      case InputKind::Text:
        out.*entry.Text = Text(key, out.*entry.Text);
        break;
      case InputKind::OptionPair: {
        const std::string second_key = ControlName(side, entry.SecondControl);
        // A pair given by neither key keeps its preset; a pair given by either key is
        // what its keys say, a missing one unselected.
        if (input_.contains(key) || input_.contains(second_key)) {
          out.*entry.First = Check(key, false);
          out.*entry.Second = Check(second_key, false);
        }
        break;
      }
      case InputKind::OptionIndex:
        OptionIndex(key, out.*entry.First, out.*entry.Second);
        break;
      case InputKind::CheckBox:
        out.*entry.First = Check(key, out.*entry.First);
        break;
      case InputKind::ZoneRow:
        out.*entry.Row = ZoneRow(key, out.*entry.Row);
        break;
    }
  }

 private:
  bool Given(const std::string& key) const {
    return input_.contains(key) && !(rules_.NullIsMissing && input_[key].is_null());
  }

  [[noreturn]] void KindFault(RecordMessage what, const std::string& key,
                              std::initializer_list<std::string_view> more = {}) const {
    std::vector<std::string_view> values{key};
    values.insert(values.end(), more.begin(), more.end());
    values.resize(3);
    throw Rejection(RecordMessageText(what, {values[0], values[1], values[2]}), "error",
                    rules_.FocusOnKindFault ? std::optional(key) : std::nullopt);
  }

  std::string Text(const std::string& key, const std::string& fallback) const {
    if (!Given(key)) {
      return fallback;
    }
    const Json& value = input_[key];
    if (value.is_string()) {
      return value.get<std::string>();
    }
    if (value.is_number_integer()) {
      // The number as written: an unsigned value past 2^63 must not turn negative.
      return value.dump();
    }
    KindFault(RecordMessage::MustBeText, key);
  }

  bool Check(const std::string& key, bool fallback) const {
    if (!Given(key)) {
      return fallback;
    }
    if (!input_[key].is_boolean()) {
      KindFault(RecordMessage::MustBeTrueOrFalse, key);
    }
    return input_[key].get<bool>();
  }

  void OptionIndex(const std::string& key, bool& first, bool& second) const {
    if (!input_.contains(key)) {
      return;  // the preset, index 0
    }
    const Json& value = input_[key];
    if (value.is_null()) {
      first = false;
      second = false;
      return;
    }
    if (value.is_number_integer() && (value.dump() == "0" || value.dump() == "1")) {
      first = value.dump() == "0";
      second = !first;
      return;
    }
    KindFault(RecordMessage::MustBeFlagOrNull, key);
  }

  int ZoneRow(const std::string& key, int fallback) const {
    if (!input_.contains(key)) {
      return fallback;
    }
    const Json& value = input_[key];
    if (value.is_number_integer()) {
      // An unsigned value past 2^63 read as signed would wrap to a negative row.
      const bool fits = !value.is_number_unsigned() ||
                        value.get<std::uint64_t>() < static_cast<std::uint64_t>(kTimeZoneCount);
      const long long row = fits ? value.get<long long>() : -1;
      if (!fits || row < 0 || row >= kTimeZoneCount) {
        KindFault(RecordMessage::NoRow, key, {value.dump(), std::to_string(kTimeZoneCount - 1)});
      }
      return static_cast<int>(row);
    }
    if (value.is_string()) {
      if (const auto row = FindTimeZoneRow(value.get<std::string>())) {
        return *row;
      }
      KindFault(RecordMessage::NoEntry, key, {value.get<std::string>()});
    }
    KindFault(RecordMessage::MustBeRowOrEntry, key);
  }

  const Json& input_;
  InputRules rules_;
};

template <typename Side, std::size_t N>
FormSides<Side> ReadForm(const Json& input, const InputEntry<Side> (&entries)[N],
                         InputRules rules) {
  const SideReader reader(input, rules);
  FormSides<Side> form;
  for (const PersonSide side : kPersonSides) {
    Side& out = form[side];
    for (const PersonTextField& field : kPersonTextFields) {
      reader.Read(field, side, out);
    }
    for (const InputEntry<Side>& entry : entries) {
      reader.Read(entry, side, out);
    }
    ReadZoneInput(input, side, out.TimeZoneId, out.ClockReading);
  }
  return form;
}

}  // namespace

BirthForm ReadBirthForm(const Json& input) {
  return ReadForm(input, kBirthFormInput, kBirthFormRules);
}

WesternForm ReadWesternForm(const Json& input) {
  return ReadForm(input, kWesternFormInput, kWesternFormRules);
}

}  // namespace lumora::cli
