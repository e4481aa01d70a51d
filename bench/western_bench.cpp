// SPDX-License-Identifier: MIT
// Timing of one whole Western test: validation, both charts, the score and the labels.
// GCC 12 reports a false -Wrestrict when an optimised build assigns a C string to
// a std::string that holds a short default; the assignments below are ordinary.
#pragma GCC diagnostic ignored "-Wrestrict"

#include <benchmark/benchmark.h>

#include "core/western/western_run.h"

namespace {

lumora::WesternFormSide Panel(const char* name, const char* day, const char* year, int zone_row) {
  lumora::WesternFormSide panel;
  panel.Name = name;
  panel.Day = day;
  panel.Month = "January";
  panel.Year = year;
  panel.Hour = "5";
  panel.Minute = "7";
  panel.City = "Pune";
  panel.State = "Maharashtra";
  panel.Country = "India";
  panel.LatDeg = "18";
  panel.LatMin = "31";
  panel.LongDeg = "73";
  panel.LongMin = "51";
  panel.TimeZoneRow = zone_row;
  return panel;
}

void BM_RunWesternTest(benchmark::State& state) {
  lumora::WesternForm form{Panel("Arun", "5", "1980", 34), Panel("Mira", "29", "1984", 34)};
  int minute = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(lumora::RunWesternTest(form));
    minute = (minute + 1) % 60;
    form.Male.Minute = std::to_string(minute);
  }
}
BENCHMARK(BM_RunWesternTest);

}  // namespace
