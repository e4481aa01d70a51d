// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/form_result.h"

namespace lumora {

// One place of the atlas, as a search hands it out.
struct Place {
  std::int64_t Id = 0;  // the GeoNames id
  std::string Name;
  std::string State;  // empty where the data names no state
  std::string Country;
  std::string CountryCode;  // ISO 3166-1 alpha-2
  double Latitude = 0.0;    // degrees, north positive
  double Longitude = 0.0;   // degrees, east positive
  std::string TimeZone;     // IANA name
  std::int64_t Population = 0;
};

// "Pune, Maharashtra, India": the name, the state where known, and the country.
std::string PlaceTitle(const Place& place);

inline constexpr int kDefaultSearchLimit = 10;

// The place atlas: every place of the data file, indexed once by the folded forms of its
// name and alternate names (old names, other spellings).
class Atlas {
 public:
  // Reads a place file written by scripts/make_places.py.
  static FormResult<std::shared_ptr<const Atlas>> Load(const std::filesystem::path& file);

  // The bundled place file, found by FindDataFile.
  static FormResult<std::shared_ptr<const Atlas>> LoadInstalled();

  // Places whose name, ASCII name or an alternate name begins with the query's first part,
  // compared case- and accent-insensitively. Each further comma-separated part narrows the
  // places to those whose state or country begins with it (or whose country code it is).
  // Best first: places with a name or an alternate name equal to the query before those
  // whose names only begin with it, each group by larger population first. At most limit
  // places; none for an empty query.
  std::vector<Place> Search(std::string_view query, int limit = kDefaultSearchLimit) const;

  std::size_t size() const;

  struct Record;
  struct Key;
  struct Division;

  Atlas();
  ~Atlas();
  Atlas(Atlas&&) noexcept;
  Atlas& operator=(Atlas&&) noexcept;

 private:
  Place MakePlace(const Record& record) const;
  bool Narrows(const Record& record, const std::vector<std::string>& parts) const;

  std::string text_;  // the file's bytes: names are views into them
  std::vector<Record> records_;
  std::string folded_;  // every folded key, back to back
  std::vector<Key> keys_;
  std::vector<Division> countries_;
  std::vector<Division> states_;
  std::vector<std::string_view> zones_;
};

}  // namespace lumora
