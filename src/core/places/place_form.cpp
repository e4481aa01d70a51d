// SPDX-License-Identifier: MIT
#include "core/places/place_form.h"

#include <cmath>

namespace lumora {

namespace {

struct DegreesMinutes {
  int Degrees;
  int Minutes;
};

DegreesMinutes ToDegreesMinutes(double degrees) {
  const auto minutes = static_cast<int>(std::lround(std::fabs(degrees) * 60.0));
  return {minutes / 60, minutes % 60};
}

}  // namespace

CoordinateFormValues CoordinatesOf(const Place& place) {
  const DegreesMinutes lat = ToDegreesMinutes(place.Latitude);
  const DegreesMinutes lon = ToDegreesMinutes(place.Longitude);
  return {lat.Degrees, lat.Minutes, place.Latitude >= 0.0,
          lon.Degrees, lon.Minutes, place.Longitude >= 0.0};
}

}  // namespace lumora
