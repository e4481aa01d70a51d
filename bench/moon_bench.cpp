// SPDX-License-Identifier: MIT
// Timing of the Moon: the whole Vedic Moon of one birth moment under each model, and
// the two lunar series alone.
#include <benchmark/benchmark.h>

#include "core/ephemeris/moon.h"
#include "core/ephemeris/moon_sign.h"
#include "core/ephemeris/precise_moon.h"

namespace {

void BM_CalculateMoonSign(benchmark::State& state, lumora::MoonModel model) {
  lumora::BirthMoment moment;
  moment.BirthYear = 1980;
  moment.BirthMonth = 1;
  moment.BirthDay = 5;
  moment.BirthHour = 5;
  moment.BirthMinute = 7;
  moment.ZoneHour = 5;
  moment.ZoneMinute = 30;
  moment.LongDeg = 73;
  moment.LongMin = 51;
  moment.IsEast = true;
  for (auto _ : state) {
    benchmark::DoNotOptimize(lumora::CalculateMoonSign(moment, model));
    ++moment.BirthMinute;
    moment.BirthMinute %= 60;
  }
}
BENCHMARK_CAPTURE(BM_CalculateMoonSign, Standard, lumora::MoonModel::Standard);
BENCHMARK_CAPTURE(BM_CalculateMoonSign, Precise, lumora::MoonModel::Precise);

void BM_StandardSeries(benchmark::State& state) {
  double T = -0.2;
  for (auto _ : state) {
    benchmark::DoNotOptimize(lumora::MoonLongitude(T));
    T += 1e-7;
  }
}
BENCHMARK(BM_StandardSeries);

void BM_PreciseSeriesWithDeltaT(benchmark::State& state) {
  double T = -0.2;
  for (auto _ : state) {
    benchmark::DoNotOptimize(lumora::TropicalMoonLongitude(T, lumora::MoonModel::Precise));
    T += 1e-7;
  }
}
BENCHMARK(BM_PreciseSeriesWithDeltaT);

}  // namespace
