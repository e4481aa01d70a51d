// SPDX-License-Identifier: MIT
// Couple files: a text is accepted exactly when it is a strict JSON object of the couple
// format in a version this program reads; what is accepted writes back to a file that
// reads the same form; and a form made from the input survives a write and a read.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/entry/date_lists.h"
#include "core/json_text.h"
#include "core/vedic/entry/couple_file.h"

namespace {

using namespace lumora;

void Require(bool condition) {
  if (!condition) {
    std::abort();
  }
}

bool SameSide(const BirthFormSide& a, const BirthFormSide& b) {
  return a.Name == b.Name && a.Day == b.Day && a.Month == b.Month && a.Year == b.Year &&
         a.Hour == b.Hour && a.Minute == b.Minute && a.Second == b.Second && a.City == b.City &&
         a.State == b.State && a.Country == b.Country && a.LatDeg == b.LatDeg &&
         a.LatMin == b.LatMin && a.North == b.North && a.South == b.South &&
         a.LongDeg == b.LongDeg && a.LongMin == b.LongMin && a.East == b.East && a.West == b.West &&
         a.ZoneHour == b.ZoneHour && a.ZoneMinute == b.ZoneMinute && a.DST == b.DST &&
         a.ZoneAhead == b.ZoneAhead && a.ZoneBehind == b.ZoneBehind &&
         a.TimeZoneId == b.TimeZoneId && a.ClockReading == b.ClockReading;
}

bool SameForm(const BirthForm& a, const BirthForm& b) {
  return SameSide(a.Male, b.Male) && SameSide(a.Female, b.Female);
}

// Whether the text is what the reader must take: strict JSON, an object whose "Format"
// is the couple format and whose "Version" is a whole number this program reads. (The
// persons' fields are checked by the round trip below.)
bool LooksLikeCoupleFile(std::string_view bytes) {
  if (bytes.size() > kCoupleMaxBytes) {
    return false;
  }
  const FormResult<json::Value> parsed = json::Parse(bytes);
  if (IsRefused(parsed)) {
    return false;
  }
  const json::Value& file = std::get<json::Value>(parsed);
  if (!file.is_object()) {
    return false;
  }
  const auto format = file.find("Format");
  const auto version = file.find("Version");
  if (format == file.end() || !format->is_string() ||
      format->get_ref<const std::string&>() != kCoupleFormat || version == file.end() ||
      !version->is_number()) {
    return false;
  }
  const double number = version->get<double>();
  return number == 1 || number == kCoupleZoneVersion || number == kCoupleZoneDirectionVersion ||
         number == kCoupleTablesVersion || number == kCoupleZodiacVersion;
}

// Takes bytes off the front of the input, as FuzzedDataProvider does.
class Bytes {
 public:
  explicit Bytes(std::string_view data) : data_(data) {}
  unsigned Next() {
    if (data_.empty()) {
      return 0;
    }
    const auto byte = static_cast<unsigned char>(data_.front());
    data_.remove_prefix(1);
    return byte;
  }
  // Up to 15 ASCII characters, control characters, quotes and backslashes included.
  std::string Text() {
    std::string text;
    for (unsigned n = Next() % 16; n > 0; --n) {
      text += static_cast<char>(Next() & 0x7f);
    }
    return text;
  }
  std::string Entry(DateTimeList list) {
    const auto& entries = DateTimeListEntries(list);
    return entries[Next() % entries.size()];
  }

 private:
  std::string_view data_;
};

BirthFormSide SideFrom(Bytes& in) {
  BirthFormSide s;
  s.Name = in.Text();
  s.Day = in.Entry(DateTimeList::Day);
  s.Month = in.Entry(DateTimeList::Month);
  s.Year = in.Entry(DateTimeList::Year);
  s.Hour = in.Entry(DateTimeList::HourThrough24);
  s.Minute = in.Entry(DateTimeList::Minute);
  s.Second = in.Entry(DateTimeList::Second);
  for (std::string* text : {&s.City, &s.State, &s.Country, &s.LatDeg, &s.LatMin, &s.LongDeg,
                            &s.LongMin, &s.ZoneHour, &s.ZoneMinute, &s.TimeZoneId}) {
    *text = in.Text();
  }
  const unsigned flags = in.Next();
  s.North = (flags & 1u) != 0;
  s.South = (flags & 2u) != 0;
  s.East = (flags & 4u) != 0;
  s.West = (flags & 8u) != 0;
  s.DST = (flags & 16u) != 0;
  s.ZoneAhead = (flags & 128u) != 0;
  s.ZoneBehind = (flags & 256u) != 0;
  // A reading is kept with a zone only.
  if (!s.TimeZoneId.empty() && (flags & 32u) != 0) {
    s.ClockReading = (flags & 64u) != 0 ? ClockChoice::Later : ClockChoice::Earlier;
  }
  return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  const FormResult<Couple> read = ReadCoupleFile(bytes);
  if (const auto* couple = std::get_if<Couple>(&read)) {
    Require(LooksLikeCoupleFile(bytes));
    // What is accepted writes back to a file that reads the same, and writing that
    // again gives the same bytes.
    const std::string written = WriteCoupleFile(*couple);
    const FormResult<Couple> again = ReadCoupleFile(written);
    Require(!IsRefused(again));
    Require(SameForm(std::get<Couple>(again).Form, couple->Form));
    Require(std::get<Couple>(again).Tables == couple->Tables);
    Require(std::get<Couple>(again).Chart == couple->Chart);
    Require(WriteCoupleFile(std::get<Couple>(again)) == written);
  } else {
    Require(!std::get<FormFailure>(read).Message.empty());
  }

  // A form made from the input, written and read back.
  Bytes in(bytes);
  BirthForm form;
  form.Male = SideFrom(in);
  form.Female = SideFrom(in);
  const KootaTables tables =
      (in.Next() & 1u) != 0 ? KootaTables::Classical : KootaTables::Specified;
  const unsigned zodiac = in.Next();
  const ChartOptions chart{kAyanamsas[zodiac % kAyanamsas.size()],
                           (zodiac & 128u) != 0 ? NodeKind::True : NodeKind::Mean};
  const FormResult<Couple> back = ReadCoupleFile(WriteCoupleFile(Couple{form, tables, chart}));
  Require(!IsRefused(back));
  Require(SameForm(std::get<Couple>(back).Form, form));
  Require(std::get<Couple>(back).Tables == tables);
  Require(std::get<Couple>(back).Chart == chart);
  return 0;
}
