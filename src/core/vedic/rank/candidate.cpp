// SPDX-License-Identifier: MIT
#include "core/vedic/rank/candidate.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "core/calendar.h"
#include "core/entry/date_lists.h"
#include "core/glossary/messages.h"
#include "core/nfc.h"
#include "core/places/clock.h"
#include "core/text.h"
#include "core/vedic/chart/doshas.h"
#include "core/vedic/chart/sidereal_chart.h"

namespace lumora {

namespace {

// The years of the birth-details form's year list: a ranked pair must be a pair the
// form could have entered.
constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2050;

constexpr std::size_t kFieldCount = std::size(kBirthEntryColumns);

std::array<std::string*, kFieldCount> Fields(BirthEntry& e) {
  return {&e.Name,      &e.BirthDate, &e.BirthTime,    &e.Place, &e.Latitude,
          &e.Longitude, &e.TimeZone,  &e.ClockReading, &e.IsDST};
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) {
    return false;
  }
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) {
      return false;
    }
  }
  return true;
}

// The text without the blanks around it, as Trim, read in place: a row's entries are
// looked at, and only the name and the zone are kept.
std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string ToLower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    c = (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
  }
  return lower;
}

std::string_view ColumnName(RecordField field) {
  return kBirthEntryColumns[static_cast<std::size_t>(field)];
}

FormFailure Refusal(std::string message, std::optional<RecordField> field) {
  std::optional<FormFocus> focus;
  if (field) {
    focus = *field;
  }
  return FormFailure{std::move(message), MessageIcon::Error, focus, false};
}

std::string Quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

// One to `width` digits, the whole text.
std::optional<int> Number(std::string_view text, std::size_t width) {
  if (text.empty() || text.size() > width) {
    return std::nullopt;
  }
  return ParseDigits(text);
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == separator) {
      parts.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  return parts;
}

struct CivilDate {
  int Year = 0;
  int Month = 0;
  int Day = 0;
};

FormResult<CivilDate> ReadDate(std::string_view text) {
  const auto parts = Split(text, '-');
  std::optional<int> year, month, day;
  if (parts.size() == 3 && parts[0].size() == 4) {
    year = Number(parts[0], 4);
    month = Number(parts[1], 2);
    day = Number(parts[2], 2);
  }
  if (!year || !month || !day) {
    return Refusal(RecordMessageText(RecordMessage::DateNotWritten, {Quoted(text)}),
                   RecordField::BirthDate);
  }
  if (*month < 1 || *month > 12 || *day < 1 ||
      *day > DaysInMonth(*year, *month, Calendar::Gregorian)) {
    return Refusal(RecordMessageText(RecordMessage::DateNotInCalendar, {text}),
                   RecordField::BirthDate);
  }
  if (*year < kFirstYear || *year > kLastYear) {
    return Refusal(RecordMessageText(RecordMessage::DateOutsideYears, {text}),
                   RecordField::BirthDate);
  }
  return CivilDate{*year, *month, *day};
}

struct ClockTime {
  int Hour = 0;
  int Minute = 0;
};

// Seconds are read and checked but, as in the forms, do not move the Moon.
FormResult<ClockTime> ReadTime(std::string_view text) {
  const auto parts = Split(text, ':');
  std::optional<int> hour, minute, second = 0;
  if (parts.size() == 2 || parts.size() == 3) {
    hour = Number(parts[0], 2);
    minute = parts[1].size() == 2 ? Number(parts[1], 2) : std::nullopt;
    if (parts.size() == 3) {
      second = parts[2].size() == 2 ? Number(parts[2], 2) : std::nullopt;
    }
  }
  if (!hour || !minute || !second || *hour > 23 || *minute > 59 || *second > 59) {
    return Refusal(RecordMessageText(RecordMessage::TimeNotWritten, {Quoted(text)}),
                   RecordField::BirthTime);
  }
  return ClockTime{*hour, *minute};
}

std::optional<double> ReadDegrees(std::string_view text) {
  std::string_view digits = text;
  if (!digits.empty() && digits.front() == '+') {
    digits.remove_prefix(1);
    // One sign only: "+-5" is not a number.
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
      return std::nullopt;
    }
  }
  double value = 0.0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                            std::chars_format::fixed);
  if (digits.empty() || error != std::errc{} || end != digits.data() + digits.size() ||
      !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

FormResult<double> ReadCoordinate(std::string_view text, RecordField field, double limit) {
  const auto value = ReadDegrees(text);
  if (!value || std::fabs(*value) > limit) {
    return Refusal(RecordMessageText(RecordMessage::DegreesOutOfRange,
                                     {ColumnName(field), Quoted(text), FormatHalfPoints(limit)}),
                   field);
  }
  return *value;
}

std::optional<bool> ReadFlag(std::string_view text) {
  for (std::string_view yes : {"true", "yes", "1"}) {
    if (EqualsIgnoringCase(text, yes)) {
      return true;
    }
  }
  for (std::string_view no : {"false", "no", "0"}) {
    if (EqualsIgnoringCase(text, no)) {
      return false;
    }
  }
  return std::nullopt;
}

FormResult<ClockReading> PickReading(const BirthEntry& entry, std::string_view zone,
                                     const CivilDate& date, const ClockTime& time) {
  const auto clock =
      ReadZoneClock(zone, LocalDateTime{date.Year, date.Month, date.Day, time.Hour, time.Minute});
  if (IsRefused(clock)) {
    return Refusal(RecordMessageText(RecordMessage::ZoneUnknown, {Quoted(zone)}),
                   RecordField::TimeZone);
  }
  const std::vector<ClockReading>* readings = &std::get<ZoneClock>(clock).Readings;
  // Written out only for a refusal: most rows have one reading.
  const auto when = [&](RecordMessage message) {
    return RecordMessageText(
        message, {TwoDigits(time.Hour) + ":" + TwoDigits(time.Minute), entry.BirthDate, zone});
  };
  if (readings->empty()) {
    return Refusal(when(RecordMessage::TimeNeverExisted), RecordField::BirthTime);
  }
  const std::string_view reading = Trimmed(entry.ClockReading);
  const std::optional<ClockChoice> choice = ParseClockChoice(ToLower(reading));
  if (!reading.empty() && !choice) {
    return Refusal(RecordMessageText(RecordMessage::ReadingUnknown, {Quoted(reading)}),
                   RecordField::ClockReading);
  }
  const std::string_view dst_text = Trimmed(entry.IsDST);
  const std::optional<bool> dst = dst_text.empty() ? std::nullopt : ReadFlag(dst_text);
  if (!dst_text.empty() && !dst) {
    return Refusal(RecordMessageText(RecordMessage::DstUnknown, {Quoted(dst_text)}),
                   RecordField::IsDST);
  }
  if (readings->size() == 1) {
    return readings->front();
  }
  if (!reading.empty()) {
    return *choice == ClockChoice::Earlier ? (*readings)[0] : (*readings)[1];
  }
  // Where the two readings differ in daylight saving, the DST entry tells them apart.
  if (dst && (*readings)[0].IsDaylight != (*readings)[1].IsDaylight) {
    return (*readings)[0].IsDaylight == *dst ? (*readings)[0] : (*readings)[1];
  }
  return Refusal(when(RecordMessage::TimeOccurredTwice), RecordField::ClockReading);
}

void SetCoordinates(BirthMoment& moment, double latitude, double longitude) {
  // The form's whole degrees and minutes, truncated.
  const auto split = [](double value, int& degrees, int& minutes) {
    const double magnitude = std::fabs(value);
    degrees = static_cast<int>(magnitude);
    minutes = static_cast<int>((magnitude - degrees) * 60.0);
  };
  split(latitude, moment.LatDeg, moment.LatMin);
  split(longitude, moment.LongDeg, moment.LongMin);
  moment.IsSouth = latitude < 0.0;
  moment.IsEast = longitude >= 0.0;
}

}  // namespace

bool SetBirthEntryField(BirthEntry& entry, std::string_view column, std::string value) {
  const auto fields = Fields(entry);
  for (std::size_t i = 0; i < kFieldCount; ++i) {
    if (EqualsIgnoringCase(Trim(column), kBirthEntryColumns[i])) {
      *fields[i] = std::move(value);
      return true;
    }
  }
  return false;
}

BirthDetails BirthDetailsOf(const RankedPerson& person, const BirthEntry& entry) {
  BirthDetails out;
  PersonDetails& d = out.Details;
  const BirthMoment& m = person.Moment;
  d.Name = person.Name;
  d.Day = std::to_string(m.BirthDay);
  d.Month = std::string(kMonthNames[static_cast<std::size_t>(m.BirthMonth - 1)]);
  d.Year = std::to_string(m.BirthYear);
  d.Hour = m.BirthHour;
  d.Minute = m.BirthMinute;
  // "HH:MM:SS": the seconds as entered, which the Moon does not read.
  const std::string time = Trim(entry.BirthTime);
  if (time.size() == 8) {
    d.Second = ParseInteger(time.substr(6)).value_or(0);
  }
  const std::string place = Trim(entry.Place);
  const bool coordinates_given = !Trim(entry.Latitude).empty();
  d.Place =
      !place.empty() && !coordinates_given
          ? place
          : Trim(entry.Latitude) + ", " + Trim(entry.Longitude) + ", " + person.Clock.TimeZone;
  out.Moment = m;
  out.Clock = person.Clock;
  d.Location = LocationOf(m, person.Clock);
  return out;
}

FormResult<RankedPerson> ReadBirthEntry(const BirthEntry& entry, const PlaceResolver& places,
                                        const BirthReading& reading) {
  RankedPerson person;
  // In composed form, so that a name written decomposed is the same name (and cut, and
  // counted, as the composed one is).
  person.Name = ComposedText(Trimmed(entry.Name));
  if (person.Name.empty()) {
    return Refusal(RecordMessageText(RecordMessage::FieldMissing, {ColumnName(RecordField::Name)}),
                   RecordField::Name);
  }
  const std::string_view date_text = Trimmed(entry.BirthDate);
  if (date_text.empty()) {
    return Refusal(
        RecordMessageText(RecordMessage::FieldMissing, {ColumnName(RecordField::BirthDate)}),
        RecordField::BirthDate);
  }
  const auto date = ReadDate(date_text);
  if (IsRefused(date)) {
    return std::get<FormFailure>(date);
  }
  const std::string_view time_text = Trimmed(entry.BirthTime);
  if (time_text.empty()) {
    return Refusal(
        RecordMessageText(RecordMessage::FieldMissing, {ColumnName(RecordField::BirthTime)}),
        RecordField::BirthTime);
  }
  const auto time = ReadTime(time_text);
  if (IsRefused(time)) {
    return std::get<FormFailure>(time);
  }

  // Coordinates and a zone given outright win over a place name.
  double latitude = 0.0;
  double longitude = 0.0;
  std::string zone;
  const std::string_view latitude_text = Trimmed(entry.Latitude);
  const std::string_view longitude_text = Trimmed(entry.Longitude);
  const std::string_view zone_text = Trimmed(entry.TimeZone);
  const std::string place_text = ComposedText(Trimmed(entry.Place));
  const bool any_coordinate =
      !latitude_text.empty() || !longitude_text.empty() || !zone_text.empty();
  if (any_coordinate || place_text.empty()) {
    for (const auto& [text, field] : {std::pair{&latitude_text, RecordField::Latitude},
                                      std::pair{&longitude_text, RecordField::Longitude},
                                      std::pair{&zone_text, RecordField::TimeZone}}) {
      if (text->empty()) {
        return Refusal(place_text.empty() && !any_coordinate
                           ? RecordMessageText(RecordMessage::PlaceNeeded)
                           : RecordMessageText(RecordMessage::FieldMissing, {ColumnName(field)}),
                       field);
      }
    }
    const auto lat = ReadCoordinate(latitude_text, RecordField::Latitude, 90.0);
    if (IsRefused(lat)) {
      return std::get<FormFailure>(lat);
    }
    const auto lon = ReadCoordinate(longitude_text, RecordField::Longitude, 180.0);
    if (IsRefused(lon)) {
      return std::get<FormFailure>(lon);
    }
    latitude = std::get<double>(lat);
    longitude = std::get<double>(lon);
    zone = zone_text;
  } else {
    const auto place = places ? places(place_text) : std::nullopt;
    if (!place) {
      return Refusal(RecordMessageText(RecordMessage::PlaceNotFound, {Quoted(place_text)}),
                     RecordField::Place);
    }
    latitude = place->Latitude;
    longitude = place->Longitude;
    zone = place->TimeZone;
  }

  const CivilDate& d = std::get<CivilDate>(date);
  const ClockTime& t = std::get<ClockTime>(time);
  const auto picked = PickReading(entry, zone, d, t);
  if (IsRefused(picked)) {
    return std::get<FormFailure>(picked);
  }
  const ClockReading& clock = std::get<ClockReading>(picked);

  BirthMoment& m = person.Moment;
  m.BirthYear = d.Year;
  m.BirthMonth = d.Month;
  m.BirthDay = d.Day;
  m.BirthHour = t.Hour;
  m.BirthMinute = t.Minute;
  SetCoordinates(m, latitude, longitude);
  person.Latitude = latitude;
  person.Longitude = longitude;
  // The form values that express the reading; universal time comes from the exact
  // offset, which may hold seconds (local mean time).
  const ZoneFormValues zone_values = FormValuesOf(clock);
  m.ZoneHour = zone_values.ZoneHour;
  m.ZoneMinute = zone_values.ZoneMinute;
  m.IsDST = zone_values.IsDST;
  m.UtcOffsetSeconds = clock.UtcOffsetSeconds;
  person.Clock = {zone, clock};

  person.Moon = reading.ScreenedMoon ? ScreenedMoonSign(m, reading.Model, reading.Chart.ayanamsa)
                                     : CalculateMoonSign(m, reading.Model, reading.Chart.ayanamsa);
  const auto state = MoonStateOf(person.Moon);
  if (!state) {
    return Refusal(RecordMessageText(RecordMessage::MoonNotPlaced, {person.Name}),
                   RecordField::BirthDate);
  }
  person.State = *state;
  if (reading.Manglik) {
    // The chart's verdict from the only three bodies it reads, placed precisely only
    // where the quick places leave it in doubt.
    person.IsManglik = ScreenedManglik(m, reading.Chart).IsManglik;
  }
  if (reading.UncertaintyMinutes) {
    person.StatesWithin =
        MoonStatesWithin(m, *reading.UncertaintyMinutes, reading.Model, reading.Chart.ayanamsa);
  }
  return person;
}

FormResult<std::unique_ptr<CsvCandidateSource>> CsvCandidateSource::Open(std::istream& in) {
  std::unique_ptr<CsvCandidateSource> source(new CsvCandidateSource(in));
  const auto header = source->reader_.Next();
  if (!header) {
    return Refusal("the candidate file is empty: it needs a header row", std::nullopt);
  }
  if (header->Fault) {
    return Refusal("the header row cannot be read: " + *header->Fault, std::nullopt);
  }
  // Files the header cannot be read from at all are named for what they are, rather
  // than for the columns their header seems to lack.
  const auto any_field_has = [&header](auto is) {
    return std::any_of(header->Fields.begin(), header->Fields.end(),
                       [&is](const std::string& f) { return std::any_of(f.begin(), f.end(), is); });
  };
  const std::string& first = header->Fields.front();
  if (first.rfind("\xFF\xFE", 0) == 0 || first.rfind("\xFE\xFF", 0) == 0 ||
      any_field_has([](char c) { return c == '\0'; })) {
    return Refusal("the candidate file is UTF-16 (or holds NUL bytes): save it as UTF-8",
                   std::nullopt);
  }
  if (any_field_has([](char c) { return c == '\r'; })) {
    return Refusal(
        "the candidate file's lines end in a carriage return alone: save it with LF or CR LF "
        "line ends",
        std::nullopt);
  }
  source->column_count_ = header->Fields.size();
  source->column_of_field_.assign(kFieldCount, std::nullopt);
  for (std::size_t c = 0; c < header->Fields.size(); ++c) {
    for (std::size_t f = 0; f < kFieldCount; ++f) {
      if (EqualsIgnoringCase(Trim(header->Fields[c]), kBirthEntryColumns[f])) {
        if (source->column_of_field_[f]) {
          return Refusal("the header names " + std::string(kBirthEntryColumns[f]) + " twice",
                         std::nullopt);
        }
        source->column_of_field_[f] = c;
      }
    }
  }
  const auto has = [&](std::size_t field) { return source->column_of_field_[field].has_value(); };
  std::string missing;
  for (std::size_t f = 0; f < 3; ++f) {
    if (!has(f)) {
      missing += (missing.empty() ? "" : ", ") + std::string(kBirthEntryColumns[f]);
    }
  }
  if (!missing.empty()) {
    return Refusal("the header lacks the column(s) " + missing, std::nullopt);
  }
  if (!has(3) && !(has(4) && has(5) && has(6))) {
    return Refusal("the header needs a Place column or Latitude, Longitude and TimeZone columns",
                   std::nullopt);
  }
  return source;
}

std::optional<CandidateRow> CsvCandidateSource::Next() {
  auto record = reader_.Next();
  if (!record) {
    return std::nullopt;
  }
  CandidateRow row{record->Line, BirthEntry{}};
  if (record->Fault) {
    row.Entry =
        Refusal(RecordMessageText(RecordMessage::RowUnreadable, {*record->Fault}), std::nullopt);
    return row;
  }
  if (record->Fields.size() > column_count_) {
    row.Entry = Refusal(
        RecordMessageText(RecordMessage::RowTooManyFields,
                          {std::to_string(record->Fields.size()), std::to_string(column_count_)}),
        std::nullopt);
    return row;
  }
  BirthEntry& entry = std::get<BirthEntry>(row.Entry);
  const auto fields = Fields(entry);
  for (std::size_t f = 0; f < kFieldCount; ++f) {
    const auto column = column_of_field_[f];
    if (column && *column < record->Fields.size()) {
      *fields[f] = std::move(record->Fields[*column]);
    }
  }
  return row;
}

}  // namespace lumora
