// SPDX-License-Identifier: MIT
#include "core/vedic/rank/ranking.h"

#include "core/vedic/match/classical_tables.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <limits>
#include <memory>
#include <thread>

#include "core/vedic/porutham/porutham.h"

namespace lumora {

namespace {

// Rows read before their Moons are computed together: large enough that starting
// the threads costs little, small enough that memory stays flat.
constexpr std::size_t kChunkRows = 4096;
constexpr int kTotalCount = kMaximumHalfPoints + 1;

// A candidate's place in the order, larger first. By kootas it is the total in half
// points; by poruthams the total is the last of three keys: no veto, then the count of
// agreements (0..10), then the total.
constexpr int kPoruthamCountValues = kPoruthamCount + 1;
constexpr int kOrderKeyCount = 2 * kPoruthamCountValues * kTotalCount;

// The porutham part of the order key of every candidate state against the person, or
// nothing where the candidate is dropped by --min-poruthams.
using PoruthamKeys = std::array<std::optional<int>, kMoonStateCount>;

PoruthamKeys PoruthamKeysOf(MoonState person, PersonRole role, std::optional<int> minimum) {
  PoruthamKeys keys{};
  for (int state = 0; state < kMoonStateCount; ++state) {
    const MoonState candidate = MoonStateAt(state);
    const MoonState& b = role == PersonRole::Boy ? person : candidate;
    const MoonState& g = role == PersonRole::Boy ? candidate : person;
    const PoruthamMatch match = MatchPoruthams({b.Sign, g.Sign, b.Nakshatra, g.Nakshatra});
    if (minimum && (match.HasVeto() || match.Count < *minimum)) {
      continue;
    }
    keys[static_cast<std::size_t>(state)] =
        (match.HasVeto() ? 0 : kPoruthamCountValues) + match.Count;
  }
  return keys;
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using TempFile = std::unique_ptr<std::FILE, FileCloser>;

// An anonymous temporary file, removed by the system when closed.
std::optional<TempFile> MakeTempFile() {
  std::FILE* file = std::tmpfile();
  if (file == nullptr) {
    return std::nullopt;
  }
  return TempFile(file);
}

void PutNumber(std::FILE* file, std::uint32_t value) {
  std::fwrite(&value, sizeof value, 1, file);
}
void PutText(std::FILE* file, const std::string& text) {
  PutNumber(file, static_cast<std::uint32_t>(text.size()));
  std::fwrite(text.data(), 1, text.size(), file);
}
bool GetNumber(std::FILE* file, std::uint32_t& value) {
  return std::fread(&value, sizeof value, 1, file) == 1;
}
bool GetText(std::FILE* file, std::string& text) {
  std::uint32_t size = 0;
  if (!GetNumber(file, size)) {
    return false;
  }
  text.resize(size);
  return std::fread(text.data(), 1, size, file) == size;
}

// A candidate's Manglik verdict and score range in one word: bits 0-2 the verdict
// (0 none), bit 3 a range present, then its lowest and highest totals in half points
// and the changing kootas, one bit each in koota order.
std::uint32_t PackExtras(const RankEntry& entry) {
  std::uint32_t word = entry.Manglik ? static_cast<std::uint32_t>(*entry.Manglik) + 1 : 0;
  if (entry.Range) {
    word |= 1u << 3;
    word |= static_cast<std::uint32_t>(std::lround(entry.Range->Lowest * 2.0)) << 8;
    word |= static_cast<std::uint32_t>(std::lround(entry.Range->Highest * 2.0)) << 16;
    for (const int k : entry.Range->ChangingKootas) {
      word |= 1u << (24 + k);
    }
  }
  return word;
}

void UnpackExtras(std::uint32_t word, std::optional<int> minutes, RankEntry& entry) {
  entry.Manglik.reset();
  entry.Range.reset();
  if ((word & 7u) != 0) {
    entry.Manglik = static_cast<ManglikMatch>((word & 7u) - 1);
  }
  if ((word & (1u << 3)) != 0) {
    ScoreRange range;
    range.Minutes = minutes.value_or(kDefaultUncertaintyMinutes);
    range.Lowest = ((word >> 8) & 0xFFu) / 2.0;
    range.Highest = ((word >> 16) & 0xFFu) / 2.0;
    for (int k = 0; k < kKootaCount; ++k) {
      if ((word & (1u << (24 + k))) != 0) {
        range.ChangingKootas.push_back(k);
      }
    }
    entry.Range = std::move(range);
  }
}

// A state index takes 9 bits; bit 15 of each half holds the Moon's vasya half.
constexpr std::uint32_t kFirstHalfBit = 1u << 15;

std::uint32_t PackStates(const RankEntry& entry) {
  const auto half = [](const MoonState& state, bool first) {
    return static_cast<std::uint32_t>(MoonStateIndex(state)) | (first ? kFirstHalfBit : 0u);
  };
  return half(entry.Boy, entry.BoyFirstHalf) << 16 | half(entry.Girl, entry.GirlFirstHalf);
}

void UnpackStates(std::uint32_t states, RankEntry& entry) {
  const std::uint32_t boy = states >> 16;
  const std::uint32_t girl = states & 0xFFFF;
  entry.Boy = MoonStateAt(static_cast<int>(boy & ~kFirstHalfBit));
  entry.Girl = MoonStateAt(static_cast<int>(girl & ~kFirstHalfBit));
  entry.BoyFirstHalf = (boy & kFirstHalfBit) != 0;
  entry.GirlFirstHalf = (girl & kFirstHalfBit) != 0;
}

// The pair's score from the table, whose states take the vasya half a profile would
// (KootaMoonOf); where a Moon's longitude puts it in the other half of its sign, the
// pair is scored from its Moons, so a ranking agrees with a match of the same births.
PairScore EntryScore(const ScoreTable& table, const RankEntry& entry) {
  const auto other_half = [](const MoonState& state, bool first) {
    return (ProfileDegreeInSign(state.Sign, state.Nakshatra) < kVasyaHalfSignDegrees) != first;
  };
  if (!other_half(entry.Boy, entry.BoyFirstHalf) && !other_half(entry.Girl, entry.GirlFirstHalf)) {
    return table.Score(MoonStateIndex(entry.Boy), MoonStateIndex(entry.Girl));
  }
  const auto moon = [](const MoonState& state, bool first) {
    return KootaMoon{state.Sign, state.Nakshatra, first ? 0.0 : kVasyaHalfSignDegrees};
  };
  const KootaScores scores = ScoreKootas(table.Tables(), moon(entry.Boy, entry.BoyFirstHalf),
                                         moon(entry.Girl, entry.GirlFirstHalf));
  PairScore score;
  for (std::size_t k = 0; k < scores.size(); ++k) {
    score.Points[k] = static_cast<std::uint8_t>(scores[k].HalfPoints);
  }
  score.Total = static_cast<std::uint8_t>(TotalHalfPoints(scores));
  return score;
}

// Candidates by order key, each key's in input order; refusals in input order.
class Spool {
 public:
  bool Add(int key, const RankEntry& entry) {
    Bucket& bucket = buckets_[static_cast<std::size_t>(key)];
    if (!bucket.File) {
      auto file = MakeTempFile();
      if (!file) {
        return false;
      }
      bucket.File = std::move(*file);
    }
    std::FILE* f = bucket.File.get();
    PutNumber(f, static_cast<std::uint32_t>(entry.Line));
    PutNumber(f, PackStates(entry));
    PutNumber(f, PackExtras(entry));
    PutText(f, entry.Name);
    ++bucket.Count;
    bucket.LongestName = std::max(bucket.LongestName, entry.Name.size());
    return std::ferror(f) == 0;
  }

  bool Add(const RankRefusal& refusal) {
    if (!refusals_) {
      auto file = MakeTempFile();
      if (!file) {
        return false;
      }
      refusals_ = std::move(*file);
    }
    std::FILE* f = refusals_.get();
    PutNumber(f, static_cast<std::uint32_t>(refusal.Line));
    PutNumber(f, refusal.Failure.Icon == MessageIcon::Information ? 1u : 0u);
    PutText(f, refusal.Failure.Message);
    PutText(f, refusal.Failure.Control);
    ++refused_;
    return std::ferror(f) == 0;
  }

  // Candidates below --min-total or --min-poruthams were never added.
  RankSummary Replay(const RankOptions& options, RankObserver& observer) {
    const int top = options.Top.value_or(std::numeric_limits<int>::max());
    RankSummary summary;
    summary.Refused = refused_;
    for (int key = kOrderKeyCount - 1; key >= 0 && summary.Ranked < top; --key) {
      const Bucket& bucket = buckets_[static_cast<std::size_t>(key)];
      summary.Ranked += static_cast<int>(
          std::min<std::size_t>(bucket.Count, static_cast<std::size_t>(top - summary.Ranked)));
      if (bucket.Count > 0) {
        summary.LongestName = std::max(summary.LongestName, bucket.LongestName);
      }
    }
    observer.BeforeRanking(summary);

    const ScoreTable& table = ScoreTable::Instance(options.Tables);
    int rank = 0;
    for (int key = kOrderKeyCount - 1; key >= 0 && rank < top; --key) {
      std::FILE* f = buckets_[static_cast<std::size_t>(key)].File.get();
      if (f == nullptr) {
        continue;
      }
      std::rewind(f);
      RankEntry entry;
      std::uint32_t line = 0;
      std::uint32_t states = 0;
      std::uint32_t extras = 0;
      while (rank < top && GetNumber(f, line) && GetNumber(f, states) && GetNumber(f, extras) &&
             GetText(f, entry.Name)) {
        entry.Line = static_cast<int>(line);
        UnpackExtras(extras, options.Reading.UncertaintyMinutes, entry);
        UnpackStates(states, entry);
        observer.Ranked(++rank, entry, EntryScore(table, entry));
      }
    }
    if (refusals_) {
      std::FILE* f = refusals_.get();
      std::rewind(f);
      RankRefusal refusal;
      std::uint32_t line = 0;
      std::uint32_t icon = 0;
      while (GetNumber(f, line) && GetNumber(f, icon) && GetText(f, refusal.Failure.Message) &&
             GetText(f, refusal.Failure.Control)) {
        refusal.Line = static_cast<int>(line);
        refusal.Failure.Icon = icon == 1 ? MessageIcon::Information : MessageIcon::Error;
        observer.RefusedInOrder(refusal);
      }
    }
    return summary;
  }

 private:
  struct Bucket {
    TempFile File;
    std::size_t Count = 0;
    std::size_t LongestName = 0;
  };
  std::array<Bucket, kOrderKeyCount> buckets_;
  TempFile refusals_;
  int refused_ = 0;
};

FormFailure SpoolFailure() {
  return FormFailure{"cannot write the ranking's temporary files", MessageIcon::Error, "", false};
}

}  // namespace

FormResult<RankSummary> RankCandidates(CandidateSource& source, const RankedPerson& person,
                                       PersonRole role, const PlaceResolver& places,
                                       const RankOptions& options, RankObserver& observer) {
  const ScoreTable& table = ScoreTable::Instance(options.Tables);
  const int threads = std::max(1, options.Threads);
  const int lowest = options.MinTotalHalfPoints.value_or(0);
  std::optional<PoruthamKeys> porutham_keys;
  if (options.Method == RankMethod::Porutham || options.MinPoruthams) {
    porutham_keys = PoruthamKeysOf(person.State, role, options.MinPoruthams);
  }

  // Everything a candidate needs besides reading its row, worked out in the threads.
  auto rank_entry = [&](const CandidateRow& row) -> FormResult<RankEntry> {
    const auto* fields = std::get_if<BirthEntry>(&row.Entry);
    if (fields == nullptr) {
      return std::get<FormFailure>(row.Entry);
    }
    auto read = ReadBirthEntry(*fields, places, options.Reading);
    if (const auto* failure = std::get_if<FormFailure>(&read)) {
      return *failure;
    }
    RankedPerson& candidate = std::get<RankedPerson>(read);
    const bool boy = role == PersonRole::Boy;
    const RankedPerson& b = boy ? person : candidate;
    const RankedPerson& g = boy ? candidate : person;
    RankEntry entry{row.Line,    std::move(candidate.Name), b.State, g.State, std::nullopt,
                    std::nullopt};
    entry.BoyFirstHalf = KootaMoonAt(b.Moon.SiderealLongitude).DegreeInSign < kVasyaHalfSignDegrees;
    entry.GirlFirstHalf =
        KootaMoonAt(g.Moon.SiderealLongitude).DegreeInSign < kVasyaHalfSignDegrees;
    if (options.Reading.Manglik) {
      entry.Manglik = MatchManglik(b.IsManglik, g.IsManglik);
    }
    if (options.Reading.UncertaintyMinutes) {
      entry.Range = ScoreRangeOf(b.StatesWithin, g.StatesWithin,
                                 *options.Reading.UncertaintyMinutes, options.Tables);
    }
    return entry;
  };

  Spool spool;
  std::vector<CandidateRow> rows;
  std::vector<std::optional<FormResult<RankEntry>>> entries;
  rows.reserve(kChunkRows);
  bool more = true;
  while (more) {
    rows.clear();
    while (rows.size() < kChunkRows) {
      auto row = source.Next();
      if (!row) {
        more = false;
        break;
      }
      rows.push_back(std::move(*row));
    }
    entries.assign(rows.size(), std::nullopt);
    auto work = [&](std::size_t begin, std::size_t end) {
      for (std::size_t i = begin; i < end; ++i) {
        entries[i] = rank_entry(rows[i]);
      }
    };
    const std::size_t workers =
        std::min<std::size_t>(static_cast<std::size_t>(threads), (rows.size() + 63) / 64);
    if (workers <= 1) {
      work(0, rows.size());
    } else {
      std::vector<std::thread> pool;
      const std::size_t share = (rows.size() + workers - 1) / workers;
      for (std::size_t w = 1; w < workers; ++w) {
        pool.emplace_back(work, std::min(rows.size(), w * share),
                          std::min(rows.size(), (w + 1) * share));
      }
      work(0, std::min(rows.size(), share));
      for (std::thread& t : pool) {
        t.join();
      }
    }

    // Back in input order, on this thread.
    for (std::size_t i = 0; i < rows.size(); ++i) {
      if (const auto* failure = std::get_if<FormFailure>(&*entries[i])) {
        const RankRefusal refusal{rows[i].Line, *failure};
        observer.Refused(refusal);
        if (!spool.Add(refusal)) {
          return SpoolFailure();
        }
        continue;
      }
      const RankEntry& entry = std::get<RankEntry>(*entries[i]);
      const MoonState& candidate = role == PersonRole::Boy ? entry.Girl : entry.Boy;
      const int total = EntryScore(table, entry).Total;
      if (total < lowest) {
        continue;
      }
      int key = total;
      if (porutham_keys) {
        const std::optional<int> porutham =
            (*porutham_keys)[static_cast<std::size_t>(MoonStateIndex(candidate))];
        if (!porutham) {
          continue;
        }
        if (options.Method == RankMethod::Porutham) {
          key += *porutham * kTotalCount;
        }
      }
      if (!spool.Add(key, entry)) {
        return SpoolFailure();
      }
    }
  }
  return spool.Replay(options, observer);
}

std::vector<std::uint32_t> RankOrder(MoonState person, PersonRole role,
                                     std::span<const std::uint16_t> candidate_states,
                                     KootaTables tables) {
  const ScoreTable& table = ScoreTable::Instance(tables);
  const int index = MoonStateIndex(person);
  const std::uint8_t* totals =
      role == PersonRole::Boy ? table.TotalsOfBoy(index) : table.TotalsOfGirl(index);
  // Counting sort: count each total, turn the counts into starting places (best
  // total first), then place every candidate in input order.
  std::array<std::uint32_t, kTotalCount + 1> start{};
  for (const std::uint16_t state : candidate_states) {
    ++start[static_cast<std::size_t>(kMaximumHalfPoints - totals[state]) + 1];
  }
  for (std::size_t t = 1; t < start.size(); ++t) {
    start[t] += start[t - 1];
  }
  std::vector<std::uint32_t> order(candidate_states.size());
  for (std::uint32_t i = 0; i < candidate_states.size(); ++i) {
    order[start[static_cast<std::size_t>(kMaximumHalfPoints - totals[candidate_states[i]])]++] = i;
  }
  return order;
}

}  // namespace lumora
