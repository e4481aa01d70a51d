// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/form_failure.h"

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
  // Whether the zone is ahead of universal time (east of Greenwich) or behind it, where
  // the zone's direction was given; without it the zone lies on the longitude's side.
  std::optional<bool> ZoneAhead;
  // The exact offset of the birth place's clock from universal time (signed seconds, east
  // positive), where the zone is known. When set, universal time is the clock time less
  // this offset, and the zone magnitudes, hemisphere and daylight flag above are not used.
  std::optional<int> UtcOffsetSeconds;
};

// The whole-number fields of a birth moment with the values they may take. The years
// are those the calendar and the Moon series are good for; the rest are the ranges
// the forms allow (the hour list runs to 24, zones to 14 hours).
struct MomentField {
  std::string_view Name;
  int BirthMoment::*Member;
  int Minimum;
  int Maximum;
};

inline constexpr std::array<MomentField, 11> kMomentFields{{
    {"BirthYear", &BirthMoment::BirthYear, 1, 9999},
    {"BirthMonth", &BirthMoment::BirthMonth, 1, 12},
    {"BirthDay", &BirthMoment::BirthDay, 1, 31},
    {"BirthHour", &BirthMoment::BirthHour, 0, 24},
    {"BirthMinute", &BirthMoment::BirthMinute, 0, 59},
    {"ZoneHour", &BirthMoment::ZoneHour, 0, 14},
    {"ZoneMinute", &BirthMoment::ZoneMinute, 0, 59},
    {"LongDeg", &BirthMoment::LongDeg, 0, 180},
    {"LongMin", &BirthMoment::LongMin, 0, 59},
    {"LatDeg", &BirthMoment::LatDeg, 0, 90},
    {"LatMin", &BirthMoment::LatMin, 0, 59},
}};

// "BirthMonth must be a whole number from 1 to 12".
std::string MomentFieldMessage(const MomentField& field);

// The first field outside its range, or a day that the month does not have (or that
// the calendar reform of October 1582 left out). The message names the field; a
// moment has no controls, so the failure focuses none.
std::optional<FormFailure> ValidateBirthMoment(const BirthMoment& moment);

}  // namespace lumora
