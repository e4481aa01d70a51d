// SPDX-License-Identifier: MIT
// Both forms: validation and the whole run. The run fails exactly when validation
// fails; every result lies in the tables with finite longitudes in range; no exception
// escapes (an escaping one ends the fuzzer as a crash).
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/entry/date_lists.h"
#include "core/entry/time_zones.h"
#include "core/ephemeris/zodiac.h"
#include "core/text.h"
#include "core/vedic/entry/birth_form.h"
#include "core/vedic/match/match.h"
#include "core/western/western_form.h"
#include "core/western/western_run.h"

namespace {

using namespace lumora;

void Require(bool condition) {
  if (!condition) {
    std::abort();
  }
}

bool Longitude(double value) {
  return std::isfinite(value) && value >= 0.0 && value <= 360.0;
}

// Mostly an entry of the list, sometimes any text, so that both the valid runs and
// the refusals are reached.
std::string ListText(FuzzedDataProvider& in, DateTimeList list) {
  const auto& entries = DateTimeListEntries(list);
  if (in.ConsumeIntegralInRange(0, 7) != 0) {
    return entries[in.ConsumeIntegralInRange<std::size_t>(0, entries.size() - 1)];
  }
  return in.ConsumeRandomLengthString(12);
}

// Mostly digits within a plausible range, sometimes any text.
std::string NumberText(FuzzedDataProvider& in, int maximum) {
  switch (in.ConsumeIntegralInRange(0, 5)) {
    case 0:
      return in.ConsumeRandomLengthString(12);
    case 1:
      return "";
    case 2:
      return "-" + std::to_string(in.ConsumeIntegralInRange(0, maximum + 5));
    default:
      return std::to_string(in.ConsumeIntegralInRange(0, maximum + 5));
  }
}

std::string Text(FuzzedDataProvider& in) {
  return in.ConsumeBool() ? std::string("Delhi") : in.ConsumeRandomLengthString(16);
}

BirthFormSide VedicSide(FuzzedDataProvider& in) {
  BirthFormSide s;
  s.Name = Text(in);
  s.Day = ListText(in, DateTimeList::Day);
  s.Month = ListText(in, DateTimeList::Month);
  s.Year = ListText(in, DateTimeList::Year);
  s.Hour = ListText(in, DateTimeList::HourThrough24);
  s.Minute = ListText(in, DateTimeList::Minute);
  s.Second = ListText(in, DateTimeList::Second);
  s.City = Text(in);
  s.State = Text(in);
  s.Country = Text(in);
  s.LatDeg = NumberText(in, 90);
  s.LatMin = NumberText(in, 59);
  s.North = in.ConsumeBool();
  s.South = in.ConsumeBool();
  s.LongDeg = NumberText(in, 180);
  s.LongMin = NumberText(in, 59);
  s.East = in.ConsumeBool();
  s.West = in.ConsumeBool();
  s.ZoneHour = NumberText(in, 14);
  s.ZoneMinute = NumberText(in, 59);
  s.DST = in.ConsumeBool();
  return s;
}

WesternFormSide WesternPanel(FuzzedDataProvider& in) {
  WesternFormSide p;
  p.Name = Text(in);
  p.Day = ListText(in, DateTimeList::Day);
  p.Month = ListText(in, DateTimeList::Month);
  p.Year = ListText(in, DateTimeList::Year);
  p.Hour = ListText(in, DateTimeList::Hour);
  p.Minute = ListText(in, DateTimeList::Minute);
  p.Second = ListText(in, DateTimeList::Second);
  p.City = Text(in);
  p.State = Text(in);
  p.Country = Text(in);
  p.LatDeg = NumberText(in, 90);
  p.LatMin = NumberText(in, 59);
  p.LongDeg = NumberText(in, 180);
  p.LongMin = NumberText(in, 59);
  p.North = in.ConsumeBool();
  p.South = in.ConsumeBool();
  p.East = in.ConsumeBool();
  p.West = in.ConsumeBool();
  p.TimeZoneRow = in.ConsumeIntegralInRange(-2, kTimeZoneCount + 1);
  p.DST = in.ConsumeBool();
  return p;
}

void CheckMoon(const MoonSignResult& moon) {
  Require(std::isfinite(moon.SiderealLongitude) && moon.SiderealLongitude >= 0.0 &&
          moon.SiderealLongitude < 360.0);
  Require(Longitude(moon.TropicalLongitude));
  bool named = false;
  for (const auto& name : kNakshatraNames) {
    named = named || name == moon.NakshatraName;
  }
  Require(named);
}

void Vedic(FuzzedDataProvider& in) {
  BirthForm form;
  form.Male = VedicSide(in);
  form.Female = VedicSide(in);
  const MoonModel model = in.ConsumeBool() ? MoonModel::Precise : MoonModel::Standard;
  const bool refused = IsRefused(ValidateBirthDetails(form));
  MatchState state;
  const MatchOutcome outcome = RunMatch(state, form, model);
  Require(outcome.Failure.has_value() == refused);
  Require(outcome.Result.has_value() == !refused);
  if (!outcome.Result) {
    return;
  }
  const MatchResult& r = *outcome.Result;
  Require(r.BoyMoon && r.GirlMoon);
  CheckMoon(*r.BoyMoon);
  CheckMoon(*r.GirlMoon);
  const auto total = ParsePoints(r.TotalPoints);
  Require(total && *total >= 0.0 && *total <= 36.0);
  for (const KootaScores& scores : r.Scores) {
    for (const KootaScore& koota : scores) {
      Require(koota.HalfPoints >= 0 && koota.HalfPoints <= 16);
    }
    Require(TotalHalfPoints(scores) <= 72);
  }
}

void Western(FuzzedDataProvider& in) {
  WesternForm form;
  form.Male = WesternPanel(in);
  form.Female = WesternPanel(in);
  const bool refused = IsRefused(ValidateWesternInput(form));
  const WesternTestOutcome outcome = RunWesternTest(form);
  const auto* result = std::get_if<WesternTestResult>(&outcome);
  Require((result == nullptr) == refused);
  if (result == nullptr) {
    return;
  }
  for (const WesternChart* chart : {&result->Male, &result->Female}) {
    for (const double longitude : chart->Longitudes) {
      Require(Longitude(longitude));
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  if (in.ConsumeBool()) {
    Vedic(in);
  } else {
    Western(in);
  }
  return 0;
}
