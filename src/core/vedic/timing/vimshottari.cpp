// SPDX-License-Identifier: MIT
#include "core/vedic/timing/vimshottari.h"

#include <algorithm>
#include <cmath>

#include "core/vedic/rank/score_table.h"

namespace lumora {

namespace {

constexpr double kDegreesPerCircle = 360.0;

DashaLord LordAfter(DashaLord lord, int steps) {
  return static_cast<DashaLord>((static_cast<int>(lord) + steps) % kDashaLordCount);
}

void FindRunning(const std::vector<DashaPeriod>& periods, double jd_ut,
                 std::vector<DashaSpan>& chain) {
  for (const DashaPeriod& period : periods) {
    if (period.From <= jd_ut && jd_ut < period.To) {
      chain.push_back({period.Lord, period.From, period.To});
      FindRunning(period.Sub, jd_ut, chain);
      return;
    }
  }
}

}  // namespace

std::optional<DashaLord> DashaLordNamed(std::string_view name) {
  for (const VimshottariLord& entry : kVimshottari) {
    if (entry.Name == name) {
      return entry.Lord;
    }
  }
  return std::nullopt;
}

std::optional<DashaYearLength> DashaYearLengthNamed(std::string_view text) {
  for (const DashaYearLength& length : kDashaYearLengths) {
    if (length.Text == text) {
      return length;
    }
  }
  return std::nullopt;
}

NakshatraPlace NakshatraPlaceOf(double sidereal_longitude) {
  double longitude = std::fmod(sidereal_longitude, kDegreesPerCircle);
  if (longitude < 0.0) {
    longitude += kDegreesPerCircle;
  }
  // Counted in nakshatras as λ × 27 / 360 rather than λ / (360 / 27): the product is exact
  // for the multiples of 40 degrees where a nakshatra begins with a sign, so that such a
  // Moon stands at the start of its nakshatra and not at the end of the one before.
  const double in_nakshatras = longitude * kNakshatraCount / kDegreesPerCircle;
  const int nakshatra = std::min(static_cast<int>(std::floor(in_nakshatras)), kNakshatraCount - 1);
  const double traversed = std::clamp(in_nakshatras - nakshatra, 0.0, 1.0);
  return {nakshatra, traversed >= 1.0 ? std::nextafter(1.0, 0.0) : traversed};
}

std::vector<DashaPeriod> SubPeriods(const DashaLord parent_lord, double from, double to,
                                    int levels_below) {
  std::vector<DashaPeriod> periods;
  if (levels_below <= 0) {
    return periods;
  }
  periods.reserve(kDashaLordCount);
  const double length = to - from;
  // Each boundary is placed from the parent's start by the whole years before it, so that
  // rounding never accumulates, and the last ends exactly where the parent ends.
  int years_before = 0;
  for (int step = 0; step < kDashaLordCount; ++step) {
    const DashaLord lord = LordAfter(parent_lord, step);
    const int years_after = years_before + LordYears(lord);
    const double start = from + length * years_before / kVimshottariCycleYears;
    const double end =
        step + 1 == kDashaLordCount ? to : from + length * years_after / kVimshottariCycleYears;
    periods.push_back({lord, start, end, SubPeriods(lord, start, end, levels_below - 1)});
    years_before = years_after;
  }
  return periods;
}

VimshottariDashas ComputeVimshottari(double moon_longitude, double birth_jd_ut, double year_days,
                                     int levels) {
  VimshottariDashas dashas;
  dashas.Moon = NakshatraPlaceOf(moon_longitude);
  dashas.BirthLord = static_cast<DashaLord>(dashas.Moon.Nakshatra % kDashaLordCount);
  const int birth_years = LordYears(dashas.BirthLord);
  dashas.BalanceYears = (1.0 - dashas.Moon.Traversed) * birth_years;
  dashas.YearDays = year_days;
  dashas.Birth = birth_jd_ut;

  const double cycle_start = birth_jd_ut - dashas.Moon.Traversed * birth_years * year_days;
  int years_before = 0;
  dashas.Mahadashas.reserve(kDashaLordCount);
  for (int step = 0; step < kDashaLordCount; ++step) {
    const DashaLord lord = LordAfter(dashas.BirthLord, step);
    const int years_after = years_before + LordYears(lord);
    const double from = cycle_start + years_before * year_days;
    const double to = cycle_start + years_after * year_days;
    dashas.Mahadashas.push_back({lord, from, to, SubPeriods(lord, from, to, levels - 1)});
    years_before = years_after;
  }
  return dashas;
}

std::vector<DashaSpan> RunningAt(const std::vector<DashaPeriod>& periods, double jd_ut) {
  std::vector<DashaSpan> chain;
  FindRunning(periods, jd_ut, chain);
  return chain;
}

std::vector<double> MahadashaChanges(const VimshottariDashas& dashas, double until_jd_ut) {
  std::vector<double> changes;
  for (std::size_t i = 1; i < dashas.Mahadashas.size(); ++i) {
    const double at = dashas.Mahadashas[i].From;
    if (at > dashas.Birth && at <= until_jd_ut) {
      changes.push_back(at);
    }
  }
  // The cycle ends more than 100 years after birth; a later horizon meets the next cycle.
  if (!dashas.Mahadashas.empty()) {
    const double end = dashas.Mahadashas.back().To;
    if (end > dashas.Birth && end <= until_jd_ut) {
      changes.push_back(end);
    }
  }
  return changes;
}

}  // namespace lumora
