// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ephemeris/birth_moment.h"
#include "core/ephemeris/moon_sign.h"
#include "core/form_result.h"
#include "core/places/clock.h"
#include "core/vedic/chart/sidereal_chart.h"
#include "core/vedic/entry/birth_form.h"
#include "core/vedic/rank/csv_reader.h"
#include "core/vedic/rank/score_table.h"

namespace lumora {

// The birth entries of one person of a ranking, as texts; an empty text is an
// entry not given.
struct BirthEntry {
  std::string Name;
  std::string BirthDate;     // YYYY-MM-DD
  std::string BirthTime;     // HH:MM or HH:MM:SS
  std::string Place;         // resolved by the place look-up
  std::string Latitude;      // decimal degrees, north positive
  std::string Longitude;     // decimal degrees, east positive
  std::string TimeZone;      // IANA name
  std::string ClockReading;  // "earlier" or "later", where the hour occurred twice
  std::string IsDST;         // "true"/"false" (or 1/0, yes/no): picks a repeated hour's reading
};

// The column names of a candidate file, in the order of BirthEntry's fields.
inline constexpr std::string_view kBirthEntryColumns[] = {"Name",     "BirthDate",    "BirthTime",
                                                          "Place",    "Latitude",     "Longitude",
                                                          "TimeZone", "ClockReading", "IsDST"};

// A place the look-up found.
struct ResolvedPlace {
  double Latitude = 0.0;   // north positive
  double Longitude = 0.0;  // east positive
  std::string TimeZone;
};

// Resolves a place text to its first match; must be safe to call from several
// threads at once.
using PlaceResolver = std::function<std::optional<ResolvedPlace>(std::string_view)>;

// What a ranking reads of each person beyond the Moon.
struct BirthReading {
  bool Manglik = true;                    // the sidereal chart's Manglik assessment
  std::optional<int> UncertaintyMinutes;  // the Moon states the birth time's doubt reaches
  MoonModel Model = MoonModel::Standard;  // the Moon the kootas read
  ChartOptions Chart;                     // the zodiac of the Moon and the chart, the node
  // Whether only the Moon's state is read (a ranking's candidates): the Moon is then
  // ScreenedMoonSign's, whose longitudes may differ from CalculateMoonSign's in the last
  // bits but never in the sign, nakshatra or half sign.
  bool ScreenedMoon = false;
};

// A person read and placed, with the Moon computed once.
struct RankedPerson {
  std::string Name;
  BirthMoment Moment;
  PersonClock Clock;  // the zone the person's place or entries gave, read at the birth time
  // The place as read, decimal degrees (the moment holds whole minutes, as the forms do).
  double Latitude = 0.0;   // north positive
  double Longitude = 0.0;  // east positive
  MoonSignResult Moon;
  MoonState State;
  bool IsManglik = false;
  std::vector<MoonState> StatesWithin;  // earliest first, with UncertaintyMinutes only
};

// Reads the entries into a birth moment whose clock comes from the zone at that date
// and time (universal time from the exact offset), and computes the Moon. The
// refusal names the column at fault as its control.
FormResult<RankedPerson> ReadBirthEntry(const BirthEntry& entry, const PlaceResolver& places,
                                        const BirthReading& reading = {});

// The details a match shows of a person read from entries: the name, the date and time as
// entered, the place as given (or its coordinates where none was named), and the moment
// with its clock.
BirthDetails BirthDetailsOf(const RankedPerson& person, const BirthEntry& entry);

// One row of a candidate file: its line and its entries, or why the row cannot be read.
struct CandidateRow {
  int Line = 0;
  FormResult<BirthEntry> Entry;
};

// Where the candidates come from, one row at a time.
class CandidateSource {
 public:
  virtual ~CandidateSource() = default;
  virtual std::optional<CandidateRow> Next() = 0;
};

// Candidates from CSV with a header row naming the columns (case-insensitive, in
// any order; other columns are ignored).
class CsvCandidateSource : public CandidateSource {
 public:
  // Reads the header; refuses a file without one, or whose header lacks Name,
  // BirthDate, BirthTime and either Place or Latitude, Longitude and TimeZone.
  static FormResult<std::unique_ptr<CsvCandidateSource>> Open(std::istream& in);

  std::optional<CandidateRow> Next() override;

 private:
  explicit CsvCandidateSource(std::istream& in) : reader_(in) {}
  CsvReader reader_;
  std::vector<std::optional<std::size_t>> column_of_field_;  // per BirthEntry field
  std::size_t column_count_ = 0;
};

// Fills the field of BirthEntry whose column name matches (case-insensitive);
// false when no field has that name.
bool SetBirthEntryField(BirthEntry& entry, std::string_view column, std::string value);

}  // namespace lumora
