// SPDX-License-Identifier: MIT
// Timing of the place atlas: loading the bundled table, and searches of several kinds.
#include <benchmark/benchmark.h>

#include <memory>

#include "core/places/atlas.h"
#include "core/places/clock.h"

namespace {

std::shared_ptr<const lumora::Atlas> Bundled() {
  static const auto atlas =
      std::get<std::shared_ptr<const lumora::Atlas>>(lumora::Atlas::LoadInstalled());
  return atlas;
}

void BM_AtlasLoad(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(lumora::Atlas::LoadInstalled());
  }
}
BENCHMARK(BM_AtlasLoad)->Unit(benchmark::kMillisecond);

void BM_AtlasSearch(benchmark::State& state, const char* query) {
  const auto atlas = Bundled();
  for (auto _ : state) {
    benchmark::DoNotOptimize(atlas->Search(query));
  }
}
// Two letters (the completer's first search), a whole name, an old name, accents and a
// comma, and a miss.
BENCHMARK_CAPTURE(BM_AtlasSearch, two_letters, "Pu")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AtlasSearch, name, "Pune")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AtlasSearch, old_name, "Bombay")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AtlasSearch, narrowed, "Perth, Australia")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AtlasSearch, accents, "S\xC3\xA3o Paulo")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AtlasSearch, miss, "Qqqzzzx")->Unit(benchmark::kMicrosecond);

void BM_LocalClock(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(lumora::ReadZoneClock("Asia/Kolkata", {1943, 3, 1, 12, 0}));
  }
}
BENCHMARK(BM_LocalClock)->Unit(benchmark::kMicrosecond);

}  // namespace
