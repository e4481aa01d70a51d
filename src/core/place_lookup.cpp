#include "core/place_lookup.h"

namespace lumora {

PlaceLookup LookupPlace(std::string_view city, std::string_view state, std::string_view country,
                        char prefix) {
  const std::string side(1, prefix);
  PlaceLookup lookup;
  if (city.empty()) {
    lookup.Failure = FormFailure{"Please Enter City", MessageIcon::Error, "txt" + side + "City"};
  } else if (state.empty()) {
    lookup.Failure = FormFailure{"Please Enter State", MessageIcon::Error, "txt" + side + "State"};
  } else if (country.empty()) {
    lookup.Failure =
        FormFailure{"Please Enter Country", MessageIcon::Error, "txt" + side + "Country"};
  } else {
    lookup.Query = std::string(city) + " " + std::string(state) + " " + std::string(country) +
                   " Latitude Longitude";
  }
  return lookup;
}

namespace {
constexpr int kBackspace = 8;
constexpr int kDelete = 127;
}  // namespace

bool PassesLetterFilter(int c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == ' ' || c == kBackspace ||
         c == kDelete;
}

bool PassesDigitFilter(int c) {
  return (c >= '0' && c <= '9') || c == kBackspace || c == kDelete;
}

}  // namespace lumora
