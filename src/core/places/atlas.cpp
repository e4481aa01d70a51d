// SPDX-License-Identifier: MIT
#include "core/places/atlas.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <fstream>
#include <optional>
#include <unordered_map>

#include "core/places/data_files.h"
#include "core/places/folding.h"
#include "core/text.h"

namespace lumora {

struct Atlas::Record {
  std::int64_t id = 0;
  std::string_view name;
  double latitude = 0.0;
  double longitude = 0.0;
  std::int64_t population = 0;
  std::uint32_t country = 0;
  std::optional<std::uint32_t> state;
  std::uint32_t zone = 0;
};

// One search key: a folded name in folded_, and the place it names.
struct Atlas::Key {
  std::uint64_t head = 0;  // the first eight bytes, big-endian: most comparisons end here
  std::uint32_t offset = 0;
  std::uint32_t length = 0;
  std::uint32_t record = 0;
};

// A country or a state: its code, its name and the name's folded form for narrowing.
struct Atlas::Division {
  std::string_view code;
  std::string_view name;
  std::string folded;
};

Atlas::Atlas() = default;
Atlas::~Atlas() = default;
Atlas::Atlas(Atlas&&) noexcept = default;
Atlas& Atlas::operator=(Atlas&&) noexcept = default;

namespace {

constexpr std::string_view kPlaceFile = "places/places.tsv";
constexpr std::size_t kMaxFields = 10;

using Fields = std::array<std::string_view, kMaxFields>;

std::size_t SplitFields(std::string_view line, Fields& fields) {
  std::size_t count = 0;
  while (count < kMaxFields) {
    const auto tab = line.find('\t');
    fields[count++] = line.substr(0, tab);
    if (tab == std::string_view::npos) {
      break;
    }
    line.remove_prefix(tab + 1);
  }
  return count;
}

template <typename Number>
bool ReadNumber(std::string_view text, Number& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc{} && end == text.data() + text.size();
}

FormFailure DataFailure(const std::filesystem::path& file, const std::string& what) {
  return FormFailure{"The place data " + file.string() + " " + what + ".", MessageIcon::Error,
                     std::nullopt, false};
}

// The first eight bytes of a key as one number that orders as the bytes do.
std::uint64_t HeadOf(std::string_view key) {
  std::uint64_t head = 0;
  for (std::size_t i = 0; i < 8; ++i) {
    head = (head << 8) | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0u);
  }
  return head;
}

std::vector<std::string> NarrowingParts(std::string_view query) {
  std::vector<std::string> parts;
  std::size_t comma = query.find(',');
  while (comma != std::string_view::npos) {
    query.remove_prefix(comma + 1);
    comma = query.find(',');
    const std::string part = FoldForSearch(Trim(query.substr(0, comma)));
    if (!part.empty()) {
      parts.push_back(part);
    }
  }
  return parts;
}

}  // namespace

std::string PlaceTitle(const Place& place) {
  std::string title = place.Name;
  if (!place.State.empty()) {
    title += ", " + place.State;
  }
  if (!place.Country.empty()) {
    title += ", " + place.Country;
  }
  return title;
}

FormResult<std::shared_ptr<const Atlas>> Atlas::Load(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    return DataFailure(file, "cannot be read");
  }
  auto atlas = std::make_shared<Atlas>();
  std::error_code size_error;
  const auto size = std::filesystem::file_size(file, size_error);
  if (size_error) {
    return DataFailure(file, "cannot be read");
  }
  atlas->text_.resize(size);
  if (!in.read(atlas->text_.data(), static_cast<std::streamsize>(size))) {
    return DataFailure(file, "cannot be read");
  }
  const auto lines =
      static_cast<std::size_t>(std::count(atlas->text_.begin(), atlas->text_.end(), '\n'));
  atlas->records_.reserve(lines);

  std::unordered_map<std::string_view, std::uint32_t> country_index;
  std::unordered_map<std::string_view, std::uint32_t> state_index;
  std::vector<std::pair<std::string_view, std::uint32_t>> alternates;  // raw name, record
  alternates.reserve(lines * 3);
  std::string key_of_state;
  Fields f;
  std::string_view rest = atlas->text_;
  int line_number = 0;
  while (!rest.empty()) {
    ++line_number;
    const auto end = rest.find('\n');
    const std::string_view line = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    if (line.empty() || line.front() == '#') {
      continue;
    }
    const std::size_t count = SplitFields(line, f);
    const auto bad_line = [&] {
      return DataFailure(file, "is damaged at line " + std::to_string(line_number));
    };
    if (f[0] == "C" && count == 3) {
      country_index.emplace(f[1], static_cast<std::uint32_t>(atlas->countries_.size()));
      atlas->countries_.push_back({f[1], f[2], FoldForSearch(f[2])});
    } else if (f[0] == "S" && count == 3) {
      state_index.emplace(f[1], static_cast<std::uint32_t>(atlas->states_.size()));
      atlas->states_.push_back({f[1], f[2], FoldForSearch(f[2])});
    } else if (f[0] == "Z" && count == 2) {
      atlas->zones_.push_back(f[1]);
    } else if (f[0] == "P" && count == kMaxFields) {
      Record r;
      r.name = f[2];
      const auto country = country_index.find(f[6]);
      if (!ReadNumber(f[1], r.id) || !ReadNumber(f[4], r.latitude) ||
          !ReadNumber(f[5], r.longitude) || !ReadNumber(f[8], r.population) ||
          !ReadNumber(f[9], r.zone) || r.zone >= atlas->zones_.size() ||
          country == country_index.end()) {
        return bad_line();
      }
      r.country = country->second;
      key_of_state.assign(f[6]);
      key_of_state += '.';
      key_of_state += f[7];
      if (const auto state = state_index.find(key_of_state); state != state_index.end()) {
        r.state = state->second;
      }
      const auto record = static_cast<std::uint32_t>(atlas->records_.size());
      alternates.emplace_back(r.name, record);
      for (std::string_view names = f[3]; !names.empty();) {
        const auto bar = names.find('|');
        alternates.emplace_back(names.substr(0, bar), record);
        names.remove_prefix(bar == std::string_view::npos ? names.size() : bar + 1);
      }
      atlas->records_.push_back(r);
    } else {
      return bad_line();
    }
  }

  atlas->keys_.reserve(alternates.size());
  atlas->folded_.reserve(atlas->text_.size() / 2);
  for (const auto& [name, record] : alternates) {
    const auto offset = atlas->folded_.size();
    AppendFolded(atlas->folded_, name);
    const std::string_view key = std::string_view(atlas->folded_).substr(offset);
    atlas->keys_.push_back({HeadOf(key), static_cast<std::uint32_t>(offset),
                            static_cast<std::uint32_t>(key.size()), record});
  }
  const std::string_view folded = atlas->folded_;
  std::sort(atlas->keys_.begin(), atlas->keys_.end(), [folded](const Key& a, const Key& b) {
    if (a.head != b.head) {
      return a.head < b.head;
    }
    return folded.substr(a.offset, a.length) < folded.substr(b.offset, b.length);
  });
  return std::shared_ptr<const Atlas>(std::move(atlas));
}

FormResult<std::shared_ptr<const Atlas>> Atlas::LoadInstalled() {
  const auto file = FindDataFile(kPlaceFile);
  if (!file) {
    return FormFailure{"The place data (" + std::string(kPlaceFile) +
                           ") is not installed: set LUMORA_DATA_DIR to the folder that holds it.",
                       MessageIcon::Error, std::nullopt, false};
  }
  return Load(*file);
}

std::size_t Atlas::size() const {
  return records_.size();
}

Place Atlas::MakePlace(const Record& record) const {
  Place place;
  place.Id = record.id;
  place.Name = std::string(record.name);
  if (record.state) {
    place.State = std::string(states_[*record.state].name);
  }
  place.Country = std::string(countries_[record.country].name);
  place.CountryCode = std::string(countries_[record.country].code);
  place.Latitude = record.latitude;
  place.Longitude = record.longitude;
  place.TimeZone = std::string(zones_[record.zone]);
  place.Population = record.population;
  return place;
}

bool Atlas::Narrows(const Record& record, const std::vector<std::string>& parts) const {
  const Division& country = countries_[record.country];
  return std::all_of(parts.begin(), parts.end(), [&](const std::string& part) {
    if (country.folded.starts_with(part) || FoldForSearch(country.code) == part) {
      return true;
    }
    return record.state && states_[*record.state].folded.starts_with(part);
  });
}

std::vector<Place> Atlas::Search(std::string_view query, int limit) const {
  const std::string head = FoldForSearch(Trim(query.substr(0, query.find(','))));
  if (head.empty() || limit <= 0) {
    return {};
  }
  const std::vector<std::string> parts = NarrowingParts(query);
  const std::string_view folded = folded_;
  auto key_text = [folded](const Key& key) { return folded.substr(key.offset, key.length); };

  struct Hit {
    std::uint32_t record;
    bool exact;
  };
  std::vector<Hit> hits;
  auto key = std::lower_bound(keys_.begin(), keys_.end(), std::string_view(head),
                              [&](const Key& k, std::string_view q) { return key_text(k) < q; });
  for (; key != keys_.end() && key_text(*key).starts_with(head); ++key) {
    // A query equal to any of a place's names is a whole-name match, an alternate as much
    // as the place's own name: "New York" is an alternate name of New York City, which
    // must come before the small town of York whose alternate it also is.
    hits.push_back({key->record, key_text(*key).size() == head.size()});
  }
  // One hit per place, exact where any of its names is exact.
  std::sort(hits.begin(), hits.end(), [](const Hit& a, const Hit& b) {
    return a.record != b.record ? a.record < b.record : a.exact > b.exact;
  });
  hits.erase(std::unique(hits.begin(), hits.end(),
                         [](const Hit& a, const Hit& b) { return a.record == b.record; }),
             hits.end());
  if (!parts.empty()) {
    std::erase_if(hits, [&](const Hit& hit) { return !Narrows(records_[hit.record], parts); });
  }

  const auto better = [this](const Hit& a, const Hit& b) {
    if (a.exact != b.exact) {
      return a.exact;
    }
    const Record& ra = records_[a.record];
    const Record& rb = records_[b.record];
    if (ra.population != rb.population) {
      return ra.population > rb.population;
    }
    return ra.name != rb.name ? ra.name < rb.name : ra.id < rb.id;
  };
  const auto count = std::min<std::size_t>(hits.size(), static_cast<std::size_t>(limit));
  std::partial_sort(hits.begin(), hits.begin() + static_cast<std::ptrdiff_t>(count), hits.end(),
                    better);
  std::vector<Place> places;
  places.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    places.push_back(MakePlace(records_[hits[i].record]));
  }
  return places;
}

}  // namespace lumora
