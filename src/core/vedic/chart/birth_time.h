// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/ephemeris/birth_moment.h"
#include "core/ephemeris/moon_model.h"
#include "core/vedic/chart/sidereal_chart.h"
#include "core/vedic/match/koota_scoring.h"

namespace lumora {

// A reading of a person's local clock, to the second.
struct LocalClock {
  int Year = 2000;
  int Month = 1;
  int Day = 1;
  int Hour = 0;
  int Minute = 0;
  int Second = 0;

  friend bool operator==(const LocalClock&, const LocalClock&) = default;
};

// "2026-12-08 05:12:40".
std::string FormatLocalClock(const LocalClock& clock);
// "05:12:40".
std::string FormatClockTime(const LocalClock& clock);

// The person's clock reading a number of seconds after the entered birth time. The clock
// keeps the offset from universal time that it had at the birth: a change of daylight
// saving within the searched days is not followed.
LocalClock ClockAfter(const BirthMoment& moment, long long seconds);

// What a birth-time window holds constant.
enum class WindowKind { Nakshatra, Pada, Rashi, Lagna };

inline constexpr int kWindowKindCount = 4;
inline constexpr std::array<std::string_view, kWindowKindCount> kWindowKindNames = {
    "Nakshatra", "Pada", "Rashi", "Lagna"};

// Windows are looked for this far either side of the entered time.
inline constexpr long long kWindowSearchSeconds = 3LL * 24 * 3600;

// The span of whole clock seconds around the entered time through which a state holds:
// From is the first second in it, To the last. A side that reached the search limit
// without a change is marked.
struct TimeWindow {
  long long FromSeconds = 0;  // relative to the entered time
  long long ToSeconds = 0;
  LocalClock From;
  LocalClock To;
  bool FromAtLimit = false;
  bool ToAtLimit = false;
};

struct BirthTimeWindows {
  int Nakshatra = 0;                                   // 0..26
  int Pada = 1;                                        // 1..4 within the nakshatra
  int Rashi = 0;                                       // Moon sign 0..11
  int LagnaSign = 0;                                   // 0..11
  std::array<TimeWindow, kWindowKindCount> Windows{};  // indexed by WindowKind

  const TimeWindow& Of(WindowKind kind) const { return Windows[static_cast<std::size_t>(kind)]; }
};

// The state a window of the kind holds, at an offset in seconds from the entered time:
// the nakshatra, the absolute pada 0..107, the Moon sign or the Lagna sign.
// Both read the precise ephemeris with the chart's ayanamsa.
int WindowStateAt(const BirthMoment& moment, WindowKind kind, double seconds,
                  const ChartOptions& options = {});

BirthTimeWindows FindBirthTimeWindows(const BirthMoment& moment, const ChartOptions& options = {});

// A Moon state as the kootas read it.
struct MoonState {
  int Sign = 0;       // 0..11
  int Nakshatra = 0;  // 0..26

  friend bool operator==(const MoonState&, const MoonState&) = default;
};

// The uncertainties a user can choose, in minutes either side.
inline constexpr std::array<int, 4> kUncertaintyChoices = {5, 15, 30, 60};
inline constexpr int kDefaultUncertaintyMinutes = 30;

bool IsUncertaintyChoice(int minutes);

// Every Moon state the person passes through while the birth time moves over
// +-minutes, earliest first: the Moon the kootas read (GunaMilanMoonAt).
std::vector<MoonState> MoonStatesWithin(const BirthMoment& moment, int minutes,
                                        MoonModel model = MoonModel::Standard,
                                        Ayanamsa ayanamsa = Ayanamsa::Standard);

// The lowest and highest totals over every pair of the two persons' reachable Moon
// states, and the kootas (in koota order, 0..7) whose points are not the same for all
// of those pairs.
struct ScoreRange {
  int Minutes = kDefaultUncertaintyMinutes;
  double Lowest = 0.0;
  double Highest = 0.0;
  std::vector<int> ChangingKootas;
};

// Scored by the given tables; the vasya half of Sagittarius and Capricorn follows each
// state's nakshatra (KootaMoonOf).
ScoreRange ScoreRangeOf(const std::vector<MoonState>& boy_states,
                        const std::vector<MoonState>& girl_states, int minutes,
                        KootaTables tables = KootaTables::Specified);

ScoreRange CalculateScoreRange(const BirthMoment& boy, const BirthMoment& girl, int minutes,
                               MoonModel model = MoonModel::Standard,
                               Ayanamsa ayanamsa = Ayanamsa::Standard,
                               KootaTables tables = KootaTables::Specified);

}  // namespace lumora
