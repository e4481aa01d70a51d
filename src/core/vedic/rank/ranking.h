// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/form_result.h"
#include "core/vedic/chart/doshas.h"
#include "core/vedic/rank/candidate.h"
#include "core/vedic/rank/score_table.h"

namespace lumora {

// The side the one person takes; every candidate takes the other.
enum class PersonRole { Boy, Girl };

// One ranked candidate with the pair's Moon states.
struct RankEntry {
  int Line = 0;
  std::string Name;
  MoonState Boy;
  MoonState Girl;
  std::optional<ManglikMatch> Manglik;  // where the persons were read with charts
  std::optional<ScoreRange> Range;      // where they were read with an uncertainty
  // Whether each Moon lies below 15 degrees of its sign: the vasya half the classical
  // tables read in Sagittarius and Capricorn.
  bool BoyFirstHalf = false;
  bool GirlFirstHalf = false;
};

// One refused candidate row.
struct RankRefusal {
  int Line = 0;
  FormFailure Failure;
};

// What a ranking may hold in memory before it spills to temporary files: about
// 33 bytes a candidate (a candidate's record and its name), so a million candidates
// stay in memory.
inline constexpr std::size_t kRankMemoryBytes = 128u * 1024 * 1024;
// What orders the candidates: the Guna Milan total, or the South Indian poruthams
// (no veto first, then the number that agree, then the Guna Milan total).
enum class RankMethod { Kootas, Porutham };

struct RankOptions {
  std::optional<int> Top;                 // keep the first K
  std::optional<int> MinTotalHalfPoints;  // keep totals of at least this many half points
  RankMethod Method = RankMethod::Kootas;
  std::optional<int> MinPoruthams;  // keep candidates with no veto and at least K poruthams
  int Threads = 1;
  BirthReading Reading;  // how every candidate is read; the person is read the same way
  std::size_t MemoryBytes = kRankMemoryBytes;
  std::string SpoolFolder;  // where spilled records go; empty: the system's temporary folder
  KootaTables Tables = KootaTables::Specified;  // the koota tables the ranking orders by
};

struct RankSummary {
  int Ranked = 0;  // entries handed to Ranked (after --top and --min-total)
  int Refused = 0;
  std::size_t LongestName = 0;  // characters as a terminal shows them (ShownCharacterCount)
};

// What a ranking hands out, in this order: each refusal as its row is read (input
// order); once every row is read, the summary, then the entries best first (by the
// method's order, ties in input order), then the refusals again in input order.
class RankObserver {
 public:
  virtual ~RankObserver() = default;
  virtual void Refused(const RankRefusal& refusal) = 0;
  virtual void BeforeRanking(const RankSummary& summary) = 0;
  virtual void Ranked(int rank, const RankEntry& entry, const PairScore& score) = 0;
  virtual void RefusedInOrder(const RankRefusal& refusal) = 0;
};

// The ranking of one person against every row of the source. Rows are read in
// chunks, each chunk's Moons computed over the threads, and the results kept by total
// in memory; past MemoryBytes they spill to temporary files, so memory stays bounded
// however long the file. With Top, totals that can no longer reach the first K are
// dropped as the rows come. The output is the same for any number of threads and any
// memory bound. Refused, naming the cause, when a temporary file cannot be made,
// written or read back: every write is checked before anything is handed out, so a
// full disk never passes part of the candidates off as all of them.
FormResult<RankSummary> RankCandidates(CandidateSource& source, const RankedPerson& person,
                                       PersonRole role, const PlaceResolver& places,
                                       const RankOptions& options, RankObserver& observer);

// The order of candidates already placed, best first (exact total, ties in input
// order): indices into states. A counting sort over the 73 possible totals.
std::vector<std::uint32_t> RankOrder(MoonState person, PersonRole role,
                                     std::span<const std::uint16_t> candidate_states,
                                     KootaTables tables = KootaTables::Specified);

}  // namespace lumora
