// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "core/vedic/chart/sidereal_chart.h"

namespace lumora {

// Every exception the dosha assessments know, in the order they are listed.
enum class DoshaException {
  OwnOrExaltedSign,
  SignHouseException,
  MarsInLeoOrAquarius,
  LagnaCancerOrLeo,
  JupiterAspect,
  SameRashiDifferentNakshatra,
  SameNakshatraDifferentRashi,
  SameRashiLord,
  FriendlyRashiLords,
};

inline constexpr int kDoshaExceptionCount = 9;

struct DoshaExceptionText {
  std::string_view Code;   // the name scripts see: "SameRashiLord"
  std::string_view Words;  // how a page or report says it
};

// Indexed by DoshaException.
extern const std::array<DoshaExceptionText, kDoshaExceptionCount> kDoshaExceptionTexts;

std::string_view ExceptionCode(DoshaException exception);
std::string_view ExceptionWords(DoshaException exception);

// ---------------------------------------------------------------- Manglik (Kuja dosha)

// The houses from a reference in which Mars gives Kuja dosha (the common South Indian
// reading: 1, 2, 4, 7, 8 and 12, counted from the Lagna, the Moon and Venus alike).
// Papasamyam weighs all four malefics in the same houses.
inline constexpr std::array<int, 6> kDoshaHouses = {1, 2, 4, 7, 8, 12};

enum class ManglikReference { Lagna, Moon, Venus };

inline constexpr std::array<std::string_view, 3> kManglikReferenceNames = {"Lagna", "Moon",
                                                                           "Venus"};

struct ManglikFromReference {
  int House = 1;  // the house of Mars counted from the reference, 1..12
  bool Dosha = false;
};

struct ManglikAssessment {
  std::array<ManglikFromReference, 3> From{};  // indexed by ManglikReference
  bool IsManglik = false;                      // dosha from the Lagna or from the Moon
  std::vector<DoshaException> Exceptions;      // notes only; they never clear a flag
};

ManglikAssessment AssessManglik(const SiderealChart& chart);

// AssessManglik's IsManglik from the three longitudes it reads (sidereal degrees).
bool IsManglikFrom(double lagna, double moon, double mars);

// IsManglikFrom(CalculateLagnaAndMars(moment, options)) for callers that judge many
// persons: the quick places of quick_positions.h decide where every sign the Lagna, the
// Moon and Mars may stand in within their bounds gives one verdict; otherwise the precise
// place of each body in doubt is computed, as CalculateLagnaAndMars computes it, until
// the verdict is certain. The verdict is always the precise one; PreciseBodies counts the
// bodies that needed their precise place (0 to 3).
struct ManglikVerdict {
  bool IsManglik = false;
  int PreciseBodies = 0;
};
ManglikVerdict ScreenedManglik(const BirthMoment& moment, const ChartOptions& options = {});

enum class ManglikMatch { Both, Boy, Girl, Neither };

inline constexpr std::array<std::string_view, 4> kManglikMatchNames = {"Both", "Boy", "Girl",
                                                                       "Neither"};

ManglikMatch MatchManglik(bool boy_is_manglik, bool girl_is_manglik);

// ---------------------------------------------------------------- the pair's doshas

// The two persons' Moon signs (0..11) and nakshatras (0..26).
struct MoonPair {
  int BoySign = 0;
  int GirlSign = 0;
  int BoyNakshatra = 0;
  int GirlNakshatra = 0;
};

enum class PairDosha { Nadi, Bhakoot, Gana };

inline constexpr std::array<std::string_view, 3> kPairDoshaNames = {"Nadi", "Bhakoot", "Gana"};

struct DoshaAssessment {
  PairDosha Dosha = PairDosha::Nadi;
  bool Present = false;
  std::vector<DoshaException> Exceptions;  // listed only where the dosha is present
};

using PairDoshas = std::array<DoshaAssessment, 3>;

PairDoshas AssessPairDoshas(const MoonPair& pair);

}  // namespace lumora
