// SPDX-License-Identifier: MIT
#include "core/vedic/timing/saturn_transit.h"

#include <algorithm>
#include <cmath>

namespace lumora {

namespace {

constexpr double kDegreesPerSign = 30.0;
constexpr int kSignCount = 12;
// The longest step the search takes, however far the nearest boundary: a day of a
// wrongly reported speed costs no more than this.
constexpr double kLongestStepDays = 60.0;
// A change of sign is found to this fraction of a day (about a second).
constexpr double kCrossingResolutionDays = 1.0 / 86400.0;

double Reduced(double longitude) {
  double x = std::fmod(longitude, 360.0);
  return x < 0.0 ? x + 360.0 : x;
}

int SignAt(double longitude) {
  return std::min(static_cast<int>(Reduced(longitude) / kDegreesPerSign), kSignCount - 1);
}

double DistanceToBoundary(double longitude) {
  const double within = std::fmod(Reduced(longitude), kDegreesPerSign);
  return std::min(within, kDegreesPerSign - within);
}

// The instant in (before, after] at which the sign first differs from the sign at before.
double CrossingBetween(const LongitudeAt& longitude, double before, double after, int sign) {
  while (after - before > kCrossingResolutionDays) {
    const double middle = 0.5 * (before + after);
    if (SignAt(longitude(middle)) == sign) {
      before = middle;
    } else {
      after = middle;
    }
  }
  return after;
}

// Houses counted from the Moon's sign, the Moon's own sign being the first.
int HouseFromMoon(int sign, int moon_sign) {
  return (sign - moon_sign + kSignCount) % kSignCount + 1;
}

}  // namespace

std::vector<SignStay> FindSignStays(const LongitudeAt& longitude, double from_jd, double to_jd,
                                    double max_speed) {
  std::vector<SignStay> stays;
  if (!(to_jd > from_jd)) {
    return stays;
  }
  double t = from_jd;
  double lambda = longitude(t);
  SignStay current{SignAt(lambda), from_jd, to_jd};
  while (t < to_jd) {
    const double reach = DistanceToBoundary(lambda) / max_speed;
    const double step = std::clamp(reach, 1.0, kLongestStepDays);
    const double next = std::min(t + step, to_jd);
    const double next_lambda = longitude(next);
    const int next_sign = SignAt(next_lambda);
    if (next_sign != current.Sign) {
      const double crossing = CrossingBetween(longitude, t, next, current.Sign);
      current.To = crossing;
      stays.push_back(current);
      // A sign entered and left again within the step is passed over with the step, as
      // a daily look would pass it over.
      current = {next_sign, crossing, to_jd};
    }
    t = next;
    lambda = next_lambda;
  }
  current.To = to_jd;
  stays.push_back(current);
  return stays;
}

std::vector<SignStay> StaysWithin(const std::vector<SignStay>& stays, double from_jd,
                                  double to_jd) {
  std::vector<SignStay> within;
  for (const SignStay& stay : stays) {
    if (stay.To > from_jd && stay.From < to_jd) {
      within.push_back({stay.Sign, std::max(stay.From, from_jd), std::min(stay.To, to_jd)});
    }
  }
  return within;
}

SaturnTransits SaturnTransitsFrom(int moon_sign, const std::vector<SignStay>& saturn_stays) {
  SaturnTransits transits;
  for (const SignStay& stay : saturn_stays) {
    switch (HouseFromMoon(stay.Sign, moon_sign)) {
      case 12:
        transits.SadeSati.push_back({SadeSatiPhase::Rising, stay.From, stay.To});
        break;
      case 1:
        transits.SadeSati.push_back({SadeSatiPhase::Peak, stay.From, stay.To});
        break;
      case 2:
        transits.SadeSati.push_back({SadeSatiPhase::Setting, stay.From, stay.To});
        break;
      case 8:
        transits.AshtamaShani.push_back({stay.From, stay.To});
        break;
      default:
        break;
    }
  }
  return transits;
}

}  // namespace lumora
