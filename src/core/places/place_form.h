// SPDX-License-Identifier: MIT
#pragma once

#include "core/places/atlas.h"

namespace lumora {

// A place's coordinates as both birth forms take them: whole degrees and minutes, rounded
// to the nearest minute, with their directions.
struct CoordinateFormValues {
  int LatDeg = 0;
  int LatMin = 0;
  bool North = true;
  int LongDeg = 0;
  int LongMin = 0;
  bool East = true;
};

CoordinateFormValues CoordinatesOf(const Place& place);

}  // namespace lumora
