// SPDX-License-Identifier: MIT
// The place atlas over the bundled GeoNames data: old names, accents, comma narrowing,
// ranking and misses; and the folding that makes names comparable.
#include <gtest/gtest.h>

#include <memory>
#include <string_view>

#include "core/places/atlas.h"
#include "core/places/folding.h"

namespace lumora {
namespace {

const Atlas& BundledAtlas() {
  static const std::shared_ptr<const Atlas> atlas = [] {
    auto loaded = Atlas::LoadInstalled();
    if (IsRefused(loaded)) {
      ADD_FAILURE() << std::get<FormFailure>(loaded).Message;
      return std::make_shared<const Atlas>();
    }
    return std::get<std::shared_ptr<const Atlas>>(loaded);
  }();
  return *atlas;
}

TEST(FoldForSearch, CaseAndAccentsFoldToPlainLetters) {
  const struct {
    std::string_view text;
    std::string_view folded;
  } cases[] = {
      {"São Paulo", "sao paulo"},
      {"ZÜRICH", "zurich"},
      {"Łódź", "lodz"},
      {"Straße", "strasse"},
      {"Ærøskøbing", "aeroskobing"},
      {"Aurangābād", "aurangabad"},
      {"Hà Nội", "ha noi"},
      {"Kal’kutta", "kal'kutta"},
      {"Мумбаи", "Мумбаи"},
      {"plain ascii 123", "plain ascii 123"},
      // Decomposed: a base letter and its combining accents (U+0303 tilde, U+0301 acute,
      // U+0323 dot below) fold as the precomposed letters do.
      {"Sa\u0303o Paulo", "sao paulo"},
      {"Ha\u0300 N\u00f4\u0323i", "ha noi"},
      {"Lo\u0301dz\u0301", "lodz"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FoldForSearch(c.text), c.folded) << c.text;
  }
}

TEST(Atlas, LoadsTheWholeTable) {
  EXPECT_GT(BundledAtlas().size(), 130000u);
}

struct SearchCase {
  const char* source;
  std::string_view query;
  std::string_view name;  // of the first place found
  std::string_view state;
  std::string_view country_code;
  std::string_view time_zone;
};

constexpr SearchCase kSearches[] = {
    {"old name", "Bombay", "Mumbai", "Maharashtra", "IN", "Asia/Kolkata"},
    {"old name before a smaller town of that name", "Calcutta", "Kolkata", "West Bengal", "IN",
     "Asia/Kolkata"},
    {"old name", "Bangalore", "Bengaluru", "Karnataka", "IN", "Asia/Kolkata"},
    {"old spelling", "Poona", "Pune", "Maharashtra", "IN", "Asia/Kolkata"},
    {"prefix", "Pun", "Pune", "Maharashtra", "IN", "Asia/Kolkata"},
    {"accents left out", "Sao Paulo", "São Paulo", "São Paulo", "BR", "America/Sao_Paulo"},
    {"accents and case", "ZURICH", "Zürich", "Zurich", "CH", "Europe/Zurich"},
    {"letters without decomposition", "Lodz", "Łódź", "Łódź Voivodeship", "PL", "Europe/Warsaw"},
    {"larger population first", "Aurangabad", "Aurangabad", "Maharashtra", "IN", "Asia/Kolkata"},
    {"narrowed by state", "Aurangabad, Bihar", "Aurangābād", "Bihar", "IN", "Asia/Kolkata"},
    {"narrowed by country", "Perth, Australia", "Perth", "Western Australia", "AU",
     "Australia/Perth"},
    {"narrowed by a state's first letters", "Perth, Scot", "Perth", "Scotland", "GB",
     "Europe/London"},
    {"narrowed by country code", "London, CA", "London", "Ontario", "CA", "America/Toronto"},
    {"narrowed twice", "Springfield, Illinois, United States", "Springfield", "Illinois", "US",
     "America/Chicago"},
    {"an exact name before a larger place it begins", "San", "San", "Ségou", "ML", "Africa/Bamako"},
    {"an alternate name equal to the query before a smaller place of that name", "New York",
     "New York City", "New York", "US", "America/New_York"},
    {"a whole name before a larger place it begins", "York", "York", "England", "GB",
     "Europe/London"},
    {"blanks around the query", "  kathmandu ", "Kathmandu", "Province 3", "NP", "Asia/Kathmandu"},
};

class AtlasSearches : public ::testing::TestWithParam<SearchCase> {};

TEST_P(AtlasSearches, FirstPlaceFound) {
  const SearchCase& c = GetParam();
  const auto places = BundledAtlas().Search(c.query);
  ASSERT_FALSE(places.empty()) << c.source;
  EXPECT_EQ(places[0].Name, c.name) << c.source;
  EXPECT_EQ(places[0].State, c.state) << c.source;
  EXPECT_EQ(places[0].CountryCode, c.country_code) << c.source;
  EXPECT_EQ(places[0].TimeZone, c.time_zone) << c.source;
}

INSTANTIATE_TEST_SUITE_P(Queries, AtlasSearches, ::testing::ValuesIn(kSearches));

TEST(Atlas, NoMatchFindsNothing) {
  for (std::string_view query : {"Qqqzzzx", "", " , India", "Pune, Australia", "Pune, Bihar"}) {
    EXPECT_TRUE(BundledAtlas().Search(query).empty()) << query;
  }
}

TEST(Atlas, RankingAndLimit) {
  // Perth Amboy is also called "Perth": every place with a name equal to the query first,
  // by population; then places whose names only begin with it.
  const auto whole = [](const Place& place) {
    return place.Name == "Perth" || place.Name == "Perth Amboy";
  };
  const auto places = BundledAtlas().Search("Perth", 8);
  ASSERT_EQ(places.size(), 8u);
  bool prefix_seen = false;
  for (std::size_t i = 0; i < places.size(); ++i) {
    const bool exact = whole(places[i]);
    EXPECT_FALSE(exact && prefix_seen) << "whole name after prefix at " << i;
    prefix_seen = prefix_seen || !exact;
    if (i > 0 && whole(places[i - 1]) == exact) {
      EXPECT_GE(places[i - 1].Population, places[i].Population) << i;
    }
  }
  EXPECT_TRUE(prefix_seen);
  EXPECT_EQ(BundledAtlas().Search("Pune", 1).size(), 1u);
  EXPECT_TRUE(BundledAtlas().Search("Pune", 0).empty());
}

TEST(Atlas, PlaceCarriesItsData) {
  const auto places = BundledAtlas().Search("Pune", 1);
  ASSERT_EQ(places.size(), 1u);
  const Place& pune = places[0];
  EXPECT_EQ(pune.Id, 1259229);
  EXPECT_EQ(pune.Country, "India");
  EXPECT_NEAR(pune.Latitude, 18.5196, 1e-4);
  EXPECT_NEAR(pune.Longitude, 73.8554, 1e-4);
  EXPECT_GT(pune.Population, 1000000);
  EXPECT_EQ(PlaceTitle(pune), "Pune, Maharashtra, India");
}

TEST(Atlas, DamagedOrMissingFileIsRefused) {
  const auto missing = Atlas::Load("/nonexistent/places.tsv");
  ASSERT_TRUE(IsRefused(missing));
  EXPECT_NE(std::get<FormFailure>(missing).Message.find("cannot be read"), std::string::npos);
}

}  // namespace
}  // namespace lumora
