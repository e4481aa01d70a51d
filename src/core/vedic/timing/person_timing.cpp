// SPDX-License-Identifier: MIT
#include "core/vedic/timing/person_timing.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace lumora {

namespace {

constexpr double kOneSecondDays = 1.0 / 86400.0;

}  // namespace

double TimingHorizon(double birth_jd_ut) {
  return birth_jd_ut + kTimingHorizonYears * kDaysPerJulianYear;
}

PersonTiming ComputePersonTimingFromStays(double moon_longitude, double birth_jd_ut,
                                          const std::vector<SignStay>& saturn_stays,
                                          UtcOffsetAt offset, const TimingOptions& options) {
  PersonTiming person;
  person.Dashas = ComputeVimshottari(moon_longitude, birth_jd_ut, options.YearDays, options.Levels);
  const double reduced = std::fmod(std::fmod(moon_longitude, 360.0) + 360.0, 360.0);
  person.MoonSign = std::min(static_cast<int>(reduced / 30.0), 11);
  person.Horizon = TimingHorizon(birth_jd_ut);
  person.Transits =
      SaturnTransitsFrom(person.MoonSign, StaysWithin(saturn_stays, birth_jd_ut, person.Horizon));
  person.Offset = std::move(offset);
  return person;
}

PersonTiming ComputePersonTiming(double moon_longitude, double birth_jd_ut,
                                 const LongitudeAt& saturn_longitude, UtcOffsetAt offset,
                                 const TimingOptions& options) {
  return ComputePersonTimingFromStays(
      moon_longitude, birth_jd_ut,
      FindSignStays(saturn_longitude, birth_jd_ut, TimingHorizon(birth_jd_ut),
                    kSaturnMaxSpeedDegreesPerDay),
      std::move(offset), options);
}

std::vector<int> MahadashaChangeDays(const PersonTiming& person) {
  std::vector<int> days;
  for (const double at : MahadashaChanges(person.Dashas, person.Horizon)) {
    days.push_back(LocalDayNumber(at, person.Offset));
  }
  return days;
}

std::vector<DashaSpan> RunningOnDay(const PersonTiming& person, int day_number) {
  // The last second of the day: a period that begins during the day counts as running on
  // it, as its first day; the one it ends does not.
  const double approximate = LocalDayStart(day_number + 1, 0);
  const double end_of_day =
      LocalDayStart(day_number + 1, person.Offset(approximate)) - kOneSecondDays;
  return RunningAt(person.Dashas.Mahadashas, end_of_day);
}

CoupleTiming CombineTimings(PersonTiming boy, PersonTiming girl, std::optional<int> wedding_day) {
  CoupleTiming couple;
  couple.Sandhi = FindDashaSandhi(MahadashaChangeDays(boy), MahadashaChangeDays(girl), wedding_day);
  couple.Boy = std::move(boy);
  couple.Girl = std::move(girl);
  couple.WeddingDay = wedding_day;
  return couple;
}

}  // namespace lumora
