// SPDX-License-Identifier: MIT
#include "core/entry/place_lookup.h"

namespace lumora {

PlaceLookup LookupPlace(std::string_view city, std::string_view state, std::string_view country,
                        PersonSide side) {
  PlaceLookup lookup;
  if (city.empty()) {
    lookup.Failure =
        FormFailure{"Please Enter City", MessageIcon::Error, PanelControl{side, FormControl::City}};
  } else if (state.empty()) {
    lookup.Failure = FormFailure{"Please Enter State", MessageIcon::Error,
                                 PanelControl{side, FormControl::State}};
  } else if (country.empty()) {
    lookup.Failure = FormFailure{"Please Enter Country", MessageIcon::Error,
                                 PanelControl{side, FormControl::Country}};
  } else {
    lookup.Query = std::string(city) + " " + std::string(state) + " " + std::string(country) +
                   " Latitude Longitude";
  }
  return lookup;
}

}  // namespace lumora
