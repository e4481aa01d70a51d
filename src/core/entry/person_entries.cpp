// SPDX-License-Identifier: MIT
#include "core/entry/person_entries.h"

#include <utility>

#include "core/entry/date_lists.h"
#include "core/glossary/messages.h"
#include "core/text.h"

namespace lumora {

std::optional<DateTimeList> EntryList(FormControl control, FormKind form) {
  switch (control) {
    case FormControl::Day:
      return DateTimeList::Day;
    case FormControl::Month:
      return DateTimeList::Month;
    case FormControl::Year:
      return DateTimeList::Year;
    case FormControl::Hour:
      return form == FormKind::Vedic ? DateTimeList::HourThrough24 : DateTimeList::Hour;
    case FormControl::Minute:
      return DateTimeList::Minute;
    case FormControl::Second:
      return DateTimeList::Second;
    default:
      return std::nullopt;
  }
}

std::optional<bool> ZoneDirection(const PersonEntries& entries) {
  if (entries.ZoneAhead == entries.ZoneBehind) {
    return std::nullopt;
  }
  return entries.ZoneAhead;
}

std::optional<FormFailure> CheckListEntries(const PersonEntries& entries, FormKind form,
                                            PersonSide side) {
  for (const PersonTextField& field : kPersonTextFields) {
    const std::optional<DateTimeList> list = EntryList(field.Control, form);
    const std::string& text = entries.*field.Member;
    if (list && !DateTimeListPosition(*list, text)) {
      return FormFailure{RecordMessageText(RecordMessage::NotAnEntryOfList,
                                           {text, ControlName(side, field.Control)}),
                         MessageIcon::Error, PanelControl{side, field.Control}};
    }
  }
  return std::nullopt;
}

bool IsUntouchedBirthTime(const PersonEntries& entries) {
  const PersonEntries fresh;
  return entries.Day == fresh.Day && entries.Month == fresh.Month && entries.Year == fresh.Year &&
         entries.Hour == fresh.Hour && entries.Minute == fresh.Minute &&
         entries.Second == fresh.Second;
}

std::string UntouchedBirthTimeQuestion(const PersonEntries& entries, FormKind form,
                                       PersonSide side) {
  const bool male = side == PersonSide::Male;
  std::string who = Trim(entries.Name);
  if (who.empty()) {
    who = form == FormKind::Vedic ? (male ? "the boy" : "the girl")
                                  : (male ? "the male person" : "the female person");
  }
  return "The birth date and time of " + who +
         " are still 1 January 1901, 00:00:00, as the form starts. Are they correct?";
}

LocalDateTime LocalBirthTime(const PersonEntries& entries) {
  return {ParseInteger(entries.Year).value_or(0), MonthNumber(entries.Month).value_or(1),
          ParseInteger(entries.Day).value_or(1), ParseInteger(entries.Hour).value_or(0),
          ParseInteger(entries.Minute).value_or(0)};
}

FormResult<std::optional<PersonClock>> ReadEntriesClock(const PersonEntries& entries,
                                                        PersonSide side) {
  if (entries.TimeZoneId.empty()) {
    return std::optional<PersonClock>{};
  }
  auto clock = ReadPersonClock(entries.TimeZoneId, LocalBirthTime(entries), entries.ClockReading,
                               PanelControl{side, FormControl::Hour});
  if (auto* failure = std::get_if<FormFailure>(&clock)) {
    return *failure;
  }
  return std::optional<PersonClock>(std::get<PersonClock>(std::move(clock)));
}

}  // namespace lumora
