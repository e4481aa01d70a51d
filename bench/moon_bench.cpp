// SPDX-License-Identifier: MIT
// Timing of the Moon: the whole Vedic Moon of one birth moment under each model, and
// the two lunar series alone.
#include <benchmark/benchmark.h>

#include "core/ephemeris/moon.h"
#include "core/ephemeris/moon_sign.h"
#include "core/ephemeris/precise_moon.h"
#include "support/births.h"

namespace {

void BM_CalculateMoonSign(benchmark::State& state, lumora::MoonModel model) {
  // 5 January 1980, 05:07 at Pune, India Standard Time.
  lumora::BirthMoment moment = lumora::testing::InZone(
      lumora::testing::MomentAt(1980, 1, 5, 5, 7, {18, 31, false, 73, 51, true}), 5, 30);
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
