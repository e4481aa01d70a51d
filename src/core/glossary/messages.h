// SPDX-License-Identifier: MIT
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "core/glossary/language.h"

namespace lumora {

// A message of the forms and files in each language. The core words a FormFailure in
// English, as scripts read it in the CLI's JSON; a window or the CLI's readable output
// shows it in the reader's language through MessageIn.
using MessageWords = LanguageWords;

// Every fixed message the forms, the key filters and the profile reader give.
std::span<const MessageWords> FormMessages();

// The refusals of a birth record (a candidate row, a person record) and of the values a
// script gives a form, that carry values: {0}, {1} .. stand where the values go. The
// record's column names (BirthDate, ClockReading) and the form's control names (cboMMonth)
// are the script's own and stay as they are in every language.
enum class RecordMessage {
  DateNotWritten,     // {0} the text, quoted
  DateNotInCalendar,  // {0} the date
  DateOutsideYears,   // {0} the date
  TimeNotWritten,     // {0} the text, quoted
  DegreesOutOfRange,  // {0} the column, {1} the text, quoted, {2} the limit
  ZoneUnknown,        // {0} the zone, quoted
  TimeNeverExisted,   // {0} the time, {1} the date, {2} the zone
  ReadingUnknown,     // {0} the text, quoted
  DstUnknown,         // {0} the text, quoted
  TimeOccurredTwice,  // {0} the time, {1} the date, {2} the zone
  FieldMissing,       // {0} the column
  PlaceNeeded,
  PlaceNotFound,     // {0} the place, quoted
  MoonNotPlaced,     // {0} the name
  RowUnreadable,     // {0} why
  RowTooManyFields,  // {0} the fields, {1} the header's
  LineTooLong,       // {0} the limit in bytes
  LineNotAnObject,
  NotAPersonRecord,  // {0} the record's key
  NotAField,         // {0} the key that is no field
  PairNeeded,
  ZoneNeeded,
  NotAnEntryOfList,   // {0} the text, {1} the control
  NotAnEntry,         // {0} the text, {1} the control
  RowNotInList,       // {0} the row, {1} the control, {2} the last row
  NoRow,              // {0} the control, {1} the row, {2} the last row
  NoEntry,            // {0} the control, {1} the text
  MustBeText,         // {0} the key
  MustBeTrueOrFalse,  // {0} the key
  MustBeFlagOrNull,   // {0} the key
  MustBeRowOrEntry,   // {0} the key
  MustBeWholeNumber,  // {0} the key, {1} the least, {2} the most
  HousesFellBack,     // a note after the person's key ("A: ...")
};
inline constexpr int kRecordMessageCount = static_cast<int>(RecordMessage::HousesFellBack) + 1;

// The English refusal, as scripts read it.
std::string RecordMessageText(RecordMessage message,
                              std::initializer_list<std::string_view> values = {});

// The message in the language: a fixed message's words, a record's refusal with its values
// put back in; any other text (one that names a file) as it is.
std::string MessageIn(Language language, std::string_view english);

// The twelve months as a date list shows them in the language, January first.
std::span<const std::string_view, 12> MonthWords(Language language);

}  // namespace lumora
