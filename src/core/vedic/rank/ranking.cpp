// SPDX-License-Identifier: MIT
#include "core/vedic/rank/ranking.h"

#include "core/terminal_text.h"
#include "core/vedic/match/classical_tables.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <limits>
#include <mutex>
#include <string_view>
#include <thread>
#include <variant>

#include <stdlib.h>
#include <unistd.h>

#include "core/vedic/porutham/porutham.h"

namespace lumora {

namespace {

// Rows read into one chunk, a few chunks in flight at once: large enough that handing
// them to the threads costs little, small enough that memory stays flat.
constexpr std::size_t kChunkRows = 2048;
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

// Records kept in memory as bytes, spilled whole to an anonymous temporary file when
// the ranking's memory bound is reached, and read back in the order they were added:
// first what went to the file, then what is still in memory. Every write, the flush
// and every read are checked; a failure is kept, with its cause, for the caller.
class SpillList {
 public:
  SpillList() = default;
  SpillList(const SpillList&) = delete;
  SpillList& operator=(const SpillList&) = delete;
  ~SpillList() {
    if (file_ != nullptr) {
      std::fclose(file_);
    }
  }

  std::string& Memory() { return memory_; }
  std::size_t MemoryBytes() const { return memory_.size(); }
  void Clear() {
    memory_.clear();
    memory_.shrink_to_fit();
    if (file_ != nullptr) {
      std::fclose(file_);
      file_ = nullptr;
    }
    file_bytes_ = 0;
  }

  // Moves what is in memory to the file; the reason when it cannot.
  std::optional<std::string> Spill(const std::string& folder) {
    if (memory_.empty()) {
      return std::nullopt;
    }
    if (file_ == nullptr) {
      auto made = MakeFile(folder);
      if (const auto* why = std::get_if<std::string>(&made)) {
        return *why;
      }
      file_ = std::get<std::FILE*>(made);
    }
    errno = 0;
    if (std::fwrite(memory_.data(), 1, memory_.size(), file_) != memory_.size()) {
      return WriteFailure();
    }
    file_bytes_ += memory_.size();
    memory_.clear();
    memory_.shrink_to_fit();
    return std::nullopt;
  }

  // Makes sure everything written reached the file, before anything is read back.
  std::optional<std::string> Finish() {
    if (file_ == nullptr) {
      return std::nullopt;
    }
    errno = 0;
    if (std::fflush(file_) != 0 || std::ferror(file_) != 0) {
      return WriteFailure();
    }
    if (std::fseek(file_, 0, SEEK_SET) != 0) {
      return WriteFailure();
    }
    return std::nullopt;
  }

  // Reads the records back: the file's bytes, then memory's. Never past what was written.
  class Reader {
   public:
    explicit Reader(SpillList& list) : list_(list), file_left_(list.file_bytes_) {}

    // Exactly n bytes into out; false at the end or on a failure (see Failure()).
    bool Read(void* out, std::size_t n) {
      auto* bytes = static_cast<char*>(out);
      while (n > 0) {
        if (view_.empty() && !Refill()) {
          return false;
        }
        const std::size_t take = std::min(n, view_.size());
        std::memcpy(bytes, view_.data(), take);
        view_.remove_prefix(take);
        bytes += take;
        n -= take;
      }
      return true;
    }
    const std::optional<std::string>& Failure() const { return failure_; }

   private:
    // The next block: from the file while it has bytes, then memory's, read in place.
    bool Refill() {
      if (file_left_ > 0) {
        block_.resize(std::min<std::size_t>(file_left_, std::size_t{1} << 16));
        if (std::fread(block_.data(), 1, block_.size(), list_.file_) != block_.size()) {
          failure_ = "cannot read back the ranking's temporary file";
          return false;
        }
        file_left_ -= block_.size();
        view_ = block_;
        return true;
      }
      if (!memory_done_) {
        memory_done_ = true;
        view_ = list_.memory_;
        return !view_.empty();
      }
      return false;
    }

    SpillList& list_;
    std::size_t file_left_;
    std::string block_;
    std::string_view view_;
    bool memory_done_ = false;
    std::optional<std::string> failure_;
  };

 private:
  static std::string WriteFailure() {
    return std::string("cannot write the ranking's temporary file: ") +
           (errno != 0 ? std::strerror(errno) : "write error");
  }

  static std::variant<std::FILE*, std::string> MakeFile(const std::string& folder) {
    std::error_code error;
    std::string base =
        folder.empty() ? std::filesystem::temp_directory_path(error).string() : folder;
    if (base.empty()) {
      base = "/tmp";
    }
    std::string pattern = (std::filesystem::path(base) / "lumora-rank-XXXXXX").string();
    const int descriptor = ::mkstemp(pattern.data());
    if (descriptor < 0) {
      return std::string("cannot make a temporary file in ") + base + ": " + std::strerror(errno);
    }
    // Anonymous from here on: the system removes it when it is closed.
    ::unlink(pattern.c_str());
    std::FILE* file = ::fdopen(descriptor, "w+b");
    if (file == nullptr) {
      ::close(descriptor);
      return std::string("cannot make a temporary file in ") + base + ": " + std::strerror(errno);
    }
    return file;
  }

  std::string memory_;
  std::FILE* file_ = nullptr;
  std::size_t file_bytes_ = 0;
};

void PutNumber(std::string& out, std::uint32_t value) {
  char bytes[sizeof value];
  std::memcpy(bytes, &value, sizeof value);
  out.append(bytes, sizeof value);
}
void PutText(std::string& out, const std::string& text) {
  PutNumber(out, static_cast<std::uint32_t>(text.size()));
  out.append(text);
}
bool GetNumber(SpillList::Reader& in, std::uint32_t& value) {
  return in.Read(&value, sizeof value);
}
bool GetText(SpillList::Reader& in, std::string& text) {
  std::uint32_t size = 0;
  if (!GetNumber(in, size)) {
    return false;
  }
  text.resize(size);
  return in.Read(text.data(), size);
}

// A refusal's focus in one word: 0 none, bit 16 a record field (its index below), else
// one plus the side in bit 8 and the control in the low byte.
constexpr std::uint32_t kRecordFieldBit = 1u << 16;
constexpr std::uint32_t kFemaleBit = 1u << 8;

std::uint32_t PackFocus(const std::optional<FormFocus>& focus) {
  if (!focus) {
    return 0;
  }
  if (const auto* field = std::get_if<RecordField>(&*focus)) {
    return kRecordFieldBit | static_cast<std::uint32_t>(*field);
  }
  const auto& control = std::get<PanelControl>(*focus);
  return 1 + ((control.Side == PersonSide::Female ? kFemaleBit : 0) |
              static_cast<std::uint32_t>(control.Control));
}

std::optional<FormFocus> UnpackFocus(std::uint32_t word) {
  if (word == 0) {
    return std::nullopt;
  }
  if ((word & kRecordFieldBit) != 0) {
    return FormFocus{static_cast<RecordField>(word & ~kRecordFieldBit)};
  }
  --word;
  return FormFocus{PanelControl{(word & kFemaleBit) != 0 ? PersonSide::Female : PersonSide::Male,
                                static_cast<FormControl>(word & 0xFFu)}};
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

// Candidates by order key, each key's in input order; refusals in input order. Held in
// memory up to the options' bound, then spilled.
class RankStore {
 public:
  explicit RankStore(const RankOptions& options)
      : options_(options),
        top_(options.Top.value_or(std::numeric_limits<int>::max())),
        lowest_(0) {}

  // Whether a candidate of this order key can still be among those handed out.
  bool Wanted(int key) const { return key >= lowest_; }

  void Add(int key, const RankEntry& entry) {
    Bucket& bucket = buckets_[static_cast<std::size_t>(key)];
    std::string& out = bucket.Records.Memory();
    PutNumber(out, static_cast<std::uint32_t>(entry.Line));
    PutNumber(out, PackStates(entry));
    PutNumber(out, PackExtras(entry));
    PutText(out, entry.Name);
    ++bucket.Count;
    bucket.LongestName = std::max(bucket.LongestName, ShownCharacterCount(entry.Name));
  }

  void Add(const RankRefusal& refusal) {
    std::string& out = refusals_.Memory();
    PutNumber(out, static_cast<std::uint32_t>(refusal.Line));
    PutNumber(out, refusal.Failure.Icon == MessageIcon::Information ? 1u : 0u);
    PutText(out, refusal.Failure.Message);
    PutNumber(out, PackFocus(refusal.Failure.Control));
    ++refused_;
  }

  // After each chunk: drops order keys that can no longer reach the first Top, and spills
  // when memory is past the bound. The reason when a spill fails.
  std::optional<std::string> Settle() {
    if (options_.Top) {
      std::size_t above = 0;
      for (int key = kOrderKeyCount - 1; key >= lowest_; --key) {
        if (above >= static_cast<std::size_t>(top_)) {
          // Every candidate of this key and below ranks after the first Top.
          for (int k = key; k >= lowest_; --k) {
            buckets_[static_cast<std::size_t>(k)].Records.Clear();
            buckets_[static_cast<std::size_t>(k)].Count = 0;
            buckets_[static_cast<std::size_t>(k)].LongestName = 0;
          }
          lowest_ = key + 1;
          break;
        }
        above += buckets_[static_cast<std::size_t>(key)].Count;
      }
    }
    std::size_t held = refusals_.MemoryBytes();
    for (const Bucket& bucket : buckets_) {
      held += bucket.Records.MemoryBytes();
    }
    if (held <= options_.MemoryBytes) {
      return std::nullopt;
    }
    for (Bucket& bucket : buckets_) {
      if (auto why = bucket.Records.Spill(options_.SpoolFolder)) {
        return why;
      }
    }
    return refusals_.Spill(options_.SpoolFolder);
  }

  FormResult<RankSummary> Replay(RankObserver& observer) {
    // Every write is known to have reached its file before the first line goes out.
    for (Bucket& bucket : buckets_) {
      if (auto why = bucket.Records.Finish()) {
        return Failure(*why);
      }
    }
    if (auto why = refusals_.Finish()) {
      return Failure(*why);
    }
    RankSummary summary;
    summary.Refused = refused_;
    // Candidates below --min-total or --min-poruthams were never added.
    for (int key = kOrderKeyCount - 1; key >= lowest_ && summary.Ranked < top_; --key) {
      const Bucket& bucket = buckets_[static_cast<std::size_t>(key)];
      summary.Ranked += static_cast<int>(
          std::min<std::size_t>(bucket.Count, static_cast<std::size_t>(top_ - summary.Ranked)));
      if (bucket.Count > 0) {
        summary.LongestName = std::max(summary.LongestName, bucket.LongestName);
      }
    }
    observer.BeforeRanking(summary);

    const ScoreTable& table = ScoreTable::Instance(options_.Tables);
    int rank = 0;
    RankEntry entry;
    for (int key = kOrderKeyCount - 1; key >= lowest_ && rank < top_; --key) {
      Bucket& bucket = buckets_[static_cast<std::size_t>(key)];
      SpillList::Reader in(bucket.Records);
      for (std::size_t i = 0; i < bucket.Count && rank < top_; ++i) {
        std::uint32_t line = 0;
        std::uint32_t states = 0;
        std::uint32_t extras = 0;
        if (!GetNumber(in, line) || !GetNumber(in, states) || !GetNumber(in, extras) ||
            !GetText(in, entry.Name)) {
          return Failure(in.Failure().value_or("the ranking's records end early"));
        }
        entry.Line = static_cast<int>(line);
        UnpackExtras(extras, options_.Reading.UncertaintyMinutes, entry);
        UnpackStates(states, entry);
        observer.Ranked(++rank, entry, EntryScore(table, entry));
      }
    }
    SpillList::Reader in(refusals_);
    RankRefusal refusal;
    for (int i = 0; i < refused_; ++i) {
      std::uint32_t line = 0;
      std::uint32_t icon = 0;
      std::uint32_t focus = 0;
      if (!GetNumber(in, line) || !GetNumber(in, icon) || !GetText(in, refusal.Failure.Message) ||
          !GetNumber(in, focus)) {
        return Failure(in.Failure().value_or("the ranking's records end early"));
      }
      refusal.Failure.Control = UnpackFocus(focus);
      refusal.Line = static_cast<int>(line);
      refusal.Failure.Icon = icon == 1 ? MessageIcon::Information : MessageIcon::Error;
      observer.RefusedInOrder(refusal);
    }
    return summary;
  }

  static FormFailure Failure(const std::string& why) {
    return FormFailure{why, MessageIcon::Error, std::nullopt, false};
  }

 private:
  struct Bucket {
    SpillList Records;
    std::size_t Count = 0;
    std::size_t LongestName = 0;
  };
  const RankOptions& options_;
  int top_;
  int lowest_;
  std::array<Bucket, kOrderKeyCount> buckets_;
  SpillList refusals_;
  int refused_ = 0;
};

// The threads of a ranking, started once for the whole run. The reading thread fills
// chunks of rows in turn, a ring of kChunksInFlight, and hands each to the crew; the
// crew's threads take its rows in small blocks, whichever thread is free, so reading,
// placing the Moons and keeping the results in input order all overlap. The reading
// thread helps with the oldest chunk while it waits for it. With one thread there is no
// crew: every row is worked out where it is read.
class RowCrew {
 public:
  using Work = std::function<FormResult<RankEntry>(const CandidateRow&)>;

  struct Chunk {
    std::vector<CandidateRow> Rows;
    std::vector<std::optional<FormResult<RankEntry>>> Entries;
    bool Pending = false;  // handed to the crew, its results not yet kept
    std::size_t Claimed = 0;
    std::size_t Done = 0;
  };

  RowCrew(int threads, Work work) : work_(std::move(work)) {
    for (Chunk& chunk : chunks_) {
      chunk.Rows.reserve(kChunkRows);
    }
    if (threads > 1) {
      crew_.reserve(static_cast<std::size_t>(threads));
      for (int t = 0; t < threads; ++t) {
        crew_.emplace_back([this] { Serve(); });
      }
    }
  }
  RowCrew(const RowCrew&) = delete;
  RowCrew& operator=(const RowCrew&) = delete;
  ~RowCrew() {
    {
      std::lock_guard lock(mutex_);
      stopping_ = true;
    }
    wake_crew_.notify_all();
    for (std::thread& thread : crew_) {
      thread.join();
    }
  }

  // The chunk to read into next: the oldest of the ring (pending when it is still
  // to be finished and kept).
  Chunk& Free() { return chunks_[next_ % kChunksInFlight]; }

  // The oldest chunk still pending, once reading is over; nothing when all are kept.
  Chunk* Oldest() {
    for (std::size_t k = 0; k < kChunksInFlight; ++k) {
      Chunk& chunk = chunks_[(next_ + k) % kChunksInFlight];
      if (chunk.Pending) {
        return &chunk;
      }
    }
    return nullptr;
  }

  void Start(Chunk& chunk) {
    chunk.Entries.assign(chunk.Rows.size(), std::nullopt);
    chunk.Pending = true;
    ++next_;
    if (crew_.empty()) {
      Run(chunk, 0, chunk.Rows.size());
      chunk.Claimed = chunk.Done = chunk.Rows.size();
      return;
    }
    {
      std::lock_guard lock(mutex_);
      chunk.Claimed = 0;
      chunk.Done = 0;
      open_.push_back(&chunk);
    }
    wake_crew_.notify_all();
  }

  // Returns once every row of the chunk is worked out, helping with it meanwhile.
  void Finish(Chunk& chunk) {
    std::unique_lock lock(mutex_);
    while (chunk.Done < chunk.Rows.size()) {
      if (chunk.Claimed < chunk.Rows.size()) {
        const auto [begin, end] = Claim(chunk);
        lock.unlock();
        Run(chunk, begin, end);
        lock.lock();
        chunk.Done += end - begin;
        continue;
      }
      chunk_done_.wait(lock);
    }
  }

 private:
  static constexpr std::size_t kChunksInFlight = 4;
  static constexpr std::size_t kBlockRows = 64;

  // The next block of the chunk; the caller holds the lock and the chunk has rows left.
  std::pair<std::size_t, std::size_t> Claim(Chunk& chunk) {
    const std::size_t begin = chunk.Claimed;
    const std::size_t end = std::min(chunk.Rows.size(), begin + kBlockRows);
    chunk.Claimed = end;
    if (end == chunk.Rows.size()) {
      open_.erase(std::find(open_.begin(), open_.end(), &chunk));
    }
    return {begin, end};
  }

  void Run(Chunk& chunk, std::size_t begin, std::size_t end) {
    for (std::size_t i = begin; i < end; ++i) {
      chunk.Entries[i] = work_(chunk.Rows[i]);
    }
  }

  void Serve() {
    std::unique_lock lock(mutex_);
    for (;;) {
      wake_crew_.wait(lock, [this] { return stopping_ || !open_.empty(); });
      if (stopping_) {
        return;
      }
      Chunk& chunk = *open_.front();
      const auto [begin, end] = Claim(chunk);
      lock.unlock();
      Run(chunk, begin, end);
      lock.lock();
      chunk.Done += end - begin;
      if (chunk.Done == chunk.Rows.size()) {
        chunk_done_.notify_all();
      }
    }
  }

  Work work_;
  std::array<Chunk, kChunksInFlight> chunks_;
  std::size_t next_ = 0;
  std::vector<std::thread> crew_;
  std::mutex mutex_;
  std::condition_variable wake_crew_;
  std::condition_variable chunk_done_;
  std::vector<Chunk*> open_;  // chunks with rows not yet claimed, oldest first
  bool stopping_ = false;
};

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

  // A candidate's Moon is read for its state alone.
  BirthReading candidate_reading = options.Reading;
  candidate_reading.ScreenedMoon = true;
  // Everything a candidate needs besides reading its row, worked out in the threads.
  auto rank_entry = [&](const CandidateRow& row) -> FormResult<RankEntry> {
    const auto* fields = std::get_if<BirthEntry>(&row.Entry);
    if (fields == nullptr) {
      return std::get<FormFailure>(row.Entry);
    }
    auto read = ReadBirthEntry(*fields, places, candidate_reading);
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

  RankStore store(options);
  // Back in input order, on this thread.
  const auto keep = [&](const CandidateRow& row, const FormResult<RankEntry>& result) {
    if (const auto* failure = std::get_if<FormFailure>(&result)) {
      const RankRefusal refusal{row.Line, *failure};
      observer.Refused(refusal);
      store.Add(refusal);
      return;
    }
    const RankEntry& entry = std::get<RankEntry>(result);
    const MoonState& candidate = role == PersonRole::Boy ? entry.Girl : entry.Boy;
    const int total = EntryScore(table, entry).Total;
    if (total < lowest) {
      return;
    }
    int key = total;
    if (porutham_keys) {
      const std::optional<int> porutham =
          (*porutham_keys)[static_cast<std::size_t>(MoonStateIndex(candidate))];
      if (!porutham) {
        return;
      }
      if (options.Method == RankMethod::Porutham) {
        key += *porutham * kTotalCount;
      }
    }
    if (store.Wanted(key)) {
      store.Add(key, entry);
    }
  };

  RowCrew crew(threads, rank_entry);
  for (;;) {
    RowCrew::Chunk& chunk = crew.Free();
    // The oldest chunk's results, before its place is read into again.
    if (chunk.Pending) {
      crew.Finish(chunk);
      for (std::size_t i = 0; i < chunk.Rows.size(); ++i) {
        keep(chunk.Rows[i], *chunk.Entries[i]);
      }
      chunk.Pending = false;
      if (auto why = store.Settle()) {
        return RankStore::Failure(*why);
      }
    }
    chunk.Rows.clear();
    while (chunk.Rows.size() < kChunkRows) {
      auto row = source.Next();
      if (!row) {
        break;
      }
      chunk.Rows.push_back(std::move(*row));
    }
    if (chunk.Rows.empty()) {
      break;
    }
    crew.Start(chunk);
  }
  // The chunks still at work, oldest first.
  for (RowCrew::Chunk* chunk = crew.Oldest(); chunk != nullptr; chunk = crew.Oldest()) {
    crew.Finish(*chunk);
    for (std::size_t i = 0; i < chunk->Rows.size(); ++i) {
      keep(chunk->Rows[i], *chunk->Entries[i]);
    }
    chunk->Pending = false;
    if (auto why = store.Settle()) {
      return RankStore::Failure(*why);
    }
  }
  return store.Replay(observer);
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
