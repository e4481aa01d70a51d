// SPDX-License-Identifier: MIT
// Ranking throughput: pairs per second once every Moon is known, and whole candidate
// files read from CSV.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "core/ephemeris/moon_sign.h"
#include "core/vedic/chart/doshas.h"
#include "core/vedic/rank/ranking.h"

namespace {

std::vector<std::uint16_t> CandidateStates(std::size_t count) {
  std::vector<std::uint16_t> states(count);
  std::uint32_t seed = 2026;
  for (std::uint16_t& s : states) {
    seed = seed * 1103515245u + 12345u;
    s = static_cast<std::uint16_t>((seed >> 8) % lumora::kMoonStateCount);
  }
  return states;
}

// A million candidates already placed, ranked best first against one person.
void BM_RankPlacedCandidates(benchmark::State& state) {
  const auto states = CandidateStates(static_cast<std::size_t>(state.range(0)));
  const lumora::MoonState person{8, 19};
  lumora::ScoreTable::Instance();
  for (auto _ : state) {
    benchmark::DoNotOptimize(lumora::RankOrder(person, lumora::PersonRole::Boy, states));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RankPlacedCandidates)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// Births a few hours and days apart over thirty years, in four zones.
std::string CandidateCsv(int rows) {
  static constexpr const char* kZones[][3] = {{"28.61", "77.21", "Asia/Kolkata"},
                                              {"51.51", "-0.13", "Europe/London"},
                                              {"40.71", "-74.01", "America/New_York"},
                                              {"24.86", "67.01", "Asia/Karachi"}};
  std::ostringstream out;
  out << "Name,BirthDate,BirthTime,Latitude,Longitude,TimeZone\n";
  for (int i = 0; i < rows; ++i) {
    const auto& zone = kZones[i % 4];
    const int day = i % 10950;
    out << "Candidate " << i << "," << 1965 + day / 365 << "-" << (day / 28) % 12 + 1 << "-"
        << day % 28 + 1 << "," << (i * 7) % 24 << ":" << (i * 13) % 50 + 10 << "," << zone[0] << ","
        << zone[1] << "," << zone[2] << "\n";
  }
  return out.str();
}

class Discard : public lumora::RankObserver {
 public:
  void Refused(const lumora::RankRefusal&) override {}
  void BeforeRanking(const lumora::RankSummary&) override {}
  void Ranked(int, const lumora::RankEntry& entry, const lumora::PairScore& score) override {
    benchmark::DoNotOptimize(entry.Line + score.Total);
  }
  void RefusedInOrder(const lumora::RankRefusal&) override {}
};

// The whole of a rank run on one core but the printing: read, clock, Moon, (chart),
// score, spool and replay. range(1) says whether the Manglik charts are computed.
void BM_RankCsvFile(benchmark::State& state) {
  const std::string csv = CandidateCsv(static_cast<int>(state.range(0)));
  lumora::BirthEntry boy{"Ravi",  "1990-05-14",   "06:30", "", "28.61",
                         "77.21", "Asia/Kolkata", "",      ""};
  lumora::RankOptions options;
  options.Reading.Manglik = state.range(1) != 0;
  const auto person = lumora::ReadBirthEntry(boy, {}, options.Reading);
  for (auto _ : state) {
    std::istringstream in(csv);
    auto source = lumora::CsvCandidateSource::Open(in);
    Discard discard;
    benchmark::DoNotOptimize(lumora::RankCandidates(
        *std::get<std::unique_ptr<lumora::CsvCandidateSource>>(source),
        std::get<lumora::RankedPerson>(person), lumora::PersonRole::Boy, {}, options, discard));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RankCsvFile)
    ->Args({100'000, 1})
    ->Args({100'000, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// The Manglik verdicts of births like those of bench/rank_million.sh (eight zones, thirty
// years), screened by the quick places: the cost per person and the share of persons
// whose verdict needed a precise place, which must stay well under a thousandth.
void BM_ScreenedManglik(benchmark::State& state) {
  static constexpr const char* kPlaces[][3] = {
      {"28.61", "77.21", "Asia/Kolkata"},        {"51.51", "-0.13", "Europe/London"},
      {"40.71", "-74.01", "America/New_York"},   {"24.86", "67.01", "Asia/Karachi"},
      {"-33.87", "151.21", "Australia/Sydney"},  {"35.68", "139.69", "Asia/Tokyo"},
      {"-23.55", "-46.63", "America/Sao_Paulo"}, {"52.52", "13.40", "Europe/Berlin"}};
  const int rows = static_cast<int>(state.range(0));
  std::vector<lumora::BirthMoment> moments;
  moments.reserve(static_cast<std::size_t>(rows));
  lumora::BirthReading reading;
  reading.Manglik = false;
  for (int i = 0; i < rows; ++i) {
    const auto& place = kPlaces[i % 8];
    const int day = (i * 37) % 10950;
    char date[16];
    char time[8];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", 1965 + day / 365, (day / 28) % 12 + 1,
                  day % 28 + 1);
    std::snprintf(time, sizeof time, "%02d:%02d", (i * 7) % 24, (i * 13) % 60);
    const lumora::BirthEntry entry{"C", date, time, "", place[0], place[1], place[2], "", ""};
    const auto person = lumora::ReadBirthEntry(entry, {}, reading);
    moments.push_back(std::get<lumora::RankedPerson>(person).Moment);
  }
  long long precise = 0;
  long long persons = 0;
  for (auto _ : state) {
    for (const lumora::BirthMoment& m : moments) {
      const lumora::ManglikVerdict verdict = lumora::ScreenedManglik(m);
      precise += verdict.PreciseBodies > 0 ? 1 : 0;
      benchmark::DoNotOptimize(verdict.IsManglik);
    }
    persons += rows;
  }
  state.counters["precise_share"] = static_cast<double>(precise) / static_cast<double>(persons);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ScreenedManglik)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(1);

// The standard Moon of a birth in full and screened as a ranking's candidates take it:
// range(0) 1 for the screened sum, which must place every Moon as the full one does.
void BM_MoonSign(benchmark::State& state) {
  std::vector<lumora::BirthMoment> moments(4096);
  for (std::size_t i = 0; i < moments.size(); ++i) {
    const int day = static_cast<int>(i * 37) % 10950;
    moments[i].BirthYear = 1965 + day / 365;
    moments[i].BirthMonth = (day / 28) % 12 + 1;
    moments[i].BirthDay = day % 28 + 1;
    moments[i].BirthHour = static_cast<int>(i * 7) % 24;
    moments[i].BirthMinute = static_cast<int>(i * 13) % 60;
  }
  const bool screened = state.range(0) != 0;
  for (auto _ : state) {
    for (const lumora::BirthMoment& m : moments) {
      benchmark::DoNotOptimize(screened ? lumora::ScreenedMoonSign(m).SiderealLongitude
                                        : lumora::CalculateMoonSign(m).SiderealLongitude);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long long>(moments.size()));
}
BENCHMARK(BM_MoonSign)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
