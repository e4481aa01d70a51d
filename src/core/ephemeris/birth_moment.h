#pragma once

#include <optional>

namespace lumora {

// One person's birth inputs for the ephemerides. Zone, longitude and latitude are
// magnitudes; their directions come from the three flags.
struct BirthMoment {
  int BirthYear = 2000;
  int BirthMonth = 1;  // 1..12
  int BirthDay = 1;
  int BirthHour = 0;  // 0..24: the Vedic hour list offers 24 as well
  int BirthMinute = 0;
  int ZoneHour = 0;    // never negative
  int ZoneMinute = 0;  // never negative
  int LongDeg = 0;
  int LongMin = 0;
  int LatDeg = 0;
  int LatMin = 0;
  bool IsEast = false;
  bool IsSouth = false;
  bool IsDST = false;
  // The exact offset of the birth place's clock from universal time (signed seconds, east
  // positive), where the zone is known. When set, universal time is the clock time less
  // this offset, and the zone magnitudes, hemisphere and daylight flag above are not used.
  std::optional<int> UtcOffsetSeconds;
};

}  // namespace lumora
