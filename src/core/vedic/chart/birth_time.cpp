// SPDX-License-Identifier: MIT
#include "core/vedic/chart/birth_time.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

#include "core/ephemeris/zodiac.h"
#include "core/text.h"
#include "core/vedic/chart/sidereal_chart.h"
#include "core/vedic/match/koota_scoring.h"

namespace lumora {

namespace {

// A pada is a quarter of a nakshatra: 200 arc minutes.
constexpr double kArcMinutesPerPada = 200.0;
constexpr int kPadasPerNakshatra = 4;

// Steps of the bracketing search. The sidereal Moon only moves forward, so a state it
// leaves never comes back within days and any step finds the change; an hour keeps
// the search short. The Lagna passes a sign in two hours on average, but a sign of
// short ascension rises in well under half an hour far from the equator: two minutes
// cannot step over a whole sign below the polar circles.
constexpr long long kMoonStepSeconds = 3600;
constexpr long long kLagnaStepSeconds = 120;

long long StepOf(WindowKind kind) {
  return kind == WindowKind::Lagna ? kLagnaStepSeconds : kMoonStepSeconds;
}

int PadaIndex(double sidereal_longitude) {
  const int p = static_cast<int>(std::floor(60.0 * sidereal_longitude / kArcMinutesPerPada));
  return std::clamp(p, 0, 27 * kPadasPerNakshatra - 1);
}

// The last whole second, going from `from` towards `direction` (+1 or -1) and at most
// `limit` seconds away, up to which the state stays what it is at `from`; with a flag
// when the limit came first.
template <typename StateAt>
std::pair<long long, bool> EdgeOfState(const StateAt& state_at, long long from, int direction,
                                       long long limit, long long step) {
  const int state = state_at(from);
  long long inside = 0;  // distances from `from`
  while (inside < limit) {
    const long long probe = std::min(inside + step, limit);
    if (state_at(from + direction * probe) != state) {
      // Bisect: inside holds the state, probe does not.
      long long outside = probe;
      while (outside - inside > 1) {
        const long long mid = inside + (outside - inside) / 2;
        if (state_at(from + direction * mid) == state) {
          inside = mid;
        } else {
          outside = mid;
        }
      }
      return {from + direction * inside, false};
    }
    inside = probe;
  }
  return {from + direction * limit, true};
}

}  // namespace

std::string FormatLocalClock(const LocalClock& c) {
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", c.Year, c.Month, c.Day, c.Hour,
                c.Minute, c.Second);
  return text;
}

std::string FormatClockTime(const LocalClock& c) {
  char text[24];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", c.Hour, c.Minute, c.Second);
  return text;
}

LocalClock ClockAfter(const BirthMoment& moment, long long seconds) {
  using namespace std::chrono;
  // Counted from the first of January, as the form's date is read: every entry names
  // a definite day, and the hour 24 is midnight ending the day.
  const year_month first_month = year{moment.BirthYear} / January + months{moment.BirthMonth - 1};
  const sys_days date = sys_days{first_month / 1} + days{moment.BirthDay - 1};
  const sys_seconds instant =
      date + hours{moment.BirthHour} + minutes{moment.BirthMinute} + std::chrono::seconds{seconds};
  const sys_days day = floor<days>(instant);
  const year_month_day ymd{day};
  const hh_mm_ss clock{instant - day};
  return {static_cast<int>(ymd.year()),
          static_cast<int>(static_cast<unsigned>(ymd.month())),
          static_cast<int>(static_cast<unsigned>(ymd.day())),
          static_cast<int>(clock.hours().count()),
          static_cast<int>(clock.minutes().count()),
          static_cast<int>(clock.seconds().count())};
}

int WindowStateAt(const BirthMoment& moment, WindowKind kind, double seconds,
                  const ChartOptions& options) {
  const ChartInstant instant = ShiftedInstant(BirthInstant(moment), seconds);
  switch (kind) {
    case WindowKind::Nakshatra:
      return NakshatraIndex(SiderealMoonAt(instant, options));
    case WindowKind::Pada:
      return PadaIndex(SiderealMoonAt(instant, options));
    case WindowKind::Rashi:
      return SignOf(SiderealMoonAt(instant, options));
    case WindowKind::Lagna:
      return SignOf(SiderealLagnaAt(instant, options));
  }
  return 0;
}

BirthTimeWindows FindBirthTimeWindows(const BirthMoment& moment, const ChartOptions& options) {
  BirthTimeWindows out;
  const ChartInstant birth = BirthInstant(moment);
  const double moon = SiderealMoonAt(birth, options);
  out.Nakshatra = NakshatraIndex(moon);
  out.Pada = PadaIndex(moon) % kPadasPerNakshatra + 1;
  out.Rashi = SignOf(moon);
  out.LagnaSign = SignOf(SiderealLagnaAt(birth, options));
  for (int k = 0; k < kWindowKindCount; ++k) {
    const auto kind = static_cast<WindowKind>(k);
    auto state_at = [&](long long seconds) {
      return WindowStateAt(moment, kind, static_cast<double>(seconds), options);
    };
    const auto [from, from_limit] =
        EdgeOfState(state_at, 0, -1, kWindowSearchSeconds, StepOf(kind));
    const auto [to, to_limit] = EdgeOfState(state_at, 0, +1, kWindowSearchSeconds, StepOf(kind));
    TimeWindow& w = out.Windows[static_cast<std::size_t>(k)];
    w.FromSeconds = from;
    w.ToSeconds = to;
    w.From = ClockAfter(moment, from);
    w.To = ClockAfter(moment, to);
    w.FromAtLimit = from_limit;
    w.ToAtLimit = to_limit;
  }
  return out;
}

bool IsUncertaintyChoice(int minutes) {
  return std::find(kUncertaintyChoices.begin(), kUncertaintyChoices.end(), minutes) !=
         kUncertaintyChoices.end();
}

std::vector<MoonState> MoonStatesWithin(const BirthMoment& moment, int minutes, MoonModel model,
                                        Ayanamsa ayanamsa) {
  const ChartInstant birth = BirthInstant(moment);
  auto state_of = [&](long long seconds) {
    const double moon =
        GunaMilanMoonAt(ShiftedInstant(birth, static_cast<double>(seconds)), model, ayanamsa);
    return MoonState{SignOf(moon), NakshatraIndex(moon)};
  };
  // Signs and nakshatras change together or apart; one code for the pair lets the
  // edge search follow both at once.
  auto code_at = [&](long long seconds) {
    const MoonState s = state_of(seconds);
    return s.Sign * 27 + s.Nakshatra;
  };
  const long long end = 60LL * minutes;
  std::vector<MoonState> states;
  long long t = -end;
  while (true) {
    states.push_back(state_of(t));
    const auto [edge, at_limit] = EdgeOfState(code_at, t, +1, end - t, kMoonStepSeconds);
    if (at_limit || edge >= end) {
      break;
    }
    t = edge + 1;
  }
  return states;
}

ScoreRange ScoreRangeOf(const std::vector<MoonState>& boy_states,
                        const std::vector<MoonState>& girl_states, int minutes,
                        KootaTables tables) {
  ScoreRange range;
  range.Minutes = minutes;
  bool first = true;
  KootaScores first_scores{};
  std::array<bool, kKootaCount> changes{};
  const KootaTableSet& set = TableSetOf(tables);
  for (const MoonState& boy : boy_states) {
    for (const MoonState& girl : girl_states) {
      const KootaScores kootas = ScoreKootas(set, KootaMoonOf(boy.Sign, boy.Nakshatra),
                                             KootaMoonOf(girl.Sign, girl.Nakshatra));
      const double total = TotalHalfPoints(kootas) / 2.0;
      for (std::size_t k = 0; k < kootas.size(); ++k) {
        if (first) {
          first_scores[k] = kootas[k];
        } else if (kootas[k].HalfPoints != first_scores[k].HalfPoints) {
          changes[k] = true;
        }
      }
      range.Lowest = first ? total : std::min(range.Lowest, total);
      range.Highest = first ? total : std::max(range.Highest, total);
      first = false;
    }
  }
  for (int k = 0; k < kKootaCount; ++k) {
    if (changes[static_cast<std::size_t>(k)]) {
      range.ChangingKootas.push_back(k);
    }
  }
  return range;
}

ScoreRange CalculateScoreRange(const BirthMoment& boy, const BirthMoment& girl, int minutes,
                               MoonModel model, Ayanamsa ayanamsa, KootaTables tables) {
  return ScoreRangeOf(MoonStatesWithin(boy, minutes, model, ayanamsa),
                      MoonStatesWithin(girl, minutes, model, ayanamsa), minutes, tables);
}

}  // namespace lumora
