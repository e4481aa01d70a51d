// SPDX-License-Identifier: MIT
// Timing of a whole Vedic match from two filled birth-details forms.
// GCC 12 reports a false -Wrestrict when an optimised build assigns a C string to
// a std::string that holds a short default; the assignments below are ordinary.
#pragma GCC diagnostic ignored "-Wrestrict"

#include <benchmark/benchmark.h>

#include "core/vedic/match/match.h"

namespace {

lumora::BirthFormSide Side(const char* name, const char* day, const char* month, const char* year,
                           const char* city, const char* lat, const char* lon) {
  lumora::BirthFormSide side;
  side.Name = name;
  side.Day = day;
  side.Month = month;
  side.Year = year;
  side.Hour = "5";
  side.Minute = "7";
  side.City = city;
  side.State = "State";
  side.Country = "India";
  side.LatDeg = lat;
  side.LatMin = "30";
  side.LongDeg = lon;
  side.LongMin = "15";
  side.ZoneHour = "5";
  side.ZoneMinute = "30";
  return side;
}

void BM_CalculateMatchFromForms(benchmark::State& state) {
  lumora::BirthForm form;
  form.Male = Side("Ravi", "5", "January", "1980", "Pune", "18", "73");
  form.Female = Side("Asha", "12", "March", "1982", "Delhi", "28", "77");
  lumora::MatchState match;
  for (auto _ : state) {
    benchmark::DoNotOptimize(lumora::RunMatch(match, form));
  }
}
BENCHMARK(BM_CalculateMatchFromForms)->Unit(benchmark::kMicrosecond);

}  // namespace
