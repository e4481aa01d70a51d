// Timing of the Vedic Moon of one birth moment.
#include <benchmark/benchmark.h>

#include "core/ephemeris/moon_sign.h"

namespace {

void BM_CalculateMoonSign(benchmark::State& state) {
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
    benchmark::DoNotOptimize(lumora::CalculateMoonSign(moment));
    ++moment.BirthMinute;
    moment.BirthMinute %= 60;
  }
}
BENCHMARK(BM_CalculateMoonSign);

}  // namespace
