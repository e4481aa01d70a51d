// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "core/vedic/chart/doshas.h"
#include "core/vedic/chart/sidereal_chart.h"

namespace lumora {

// The South Indian match: ten poruthams (agreements) read from the two Moons' rashis
// and nakshatras, two of which (Rajju and Vedha) veto the match when they fail, and
// Papasamyam, the balance of malefics in the two birth charts.
//
// Counting convention of every rule below: n is the count from the girl's nakshatra to
// the boy's, both included (1..27); r the same for the rashis (1..12).

enum class Porutham {
  Dina,
  Gana,
  Mahendra,
  StreeDeergha,
  Yoni,
  Rasi,
  Rasiyathipathi,
  Vasya,
  Rajju,
  Vedha,
};

inline constexpr int kPoruthamCount = 10;

// The names scripts and documents use, indexed by Porutham.
inline constexpr std::array<std::string_view, kPoruthamCount> kPoruthamNames = {
    "Dina", "Gana",           "Mahendra", "StreeDeergha", "Yoni",
    "Rasi", "Rasiyathipathi", "Vasya",    "Rajju",        "Vedha"};

// The five Rajju groups, from the feet to the head.
enum class RajjuGroup { Pada, Kati, Nabhi, Kanta, Siro };

inline constexpr std::array<std::string_view, 5> kRajjuGroupNames = {"Pada", "Kati", "Nabhi",
                                                                     "Kanta", "Siro"};

// n: the count from the girl's nakshatra (0..26) to the boy's, both included, 1..27.
int NakshatraCount(int boy_nakshatra, int girl_nakshatra);
// r: the count from the girl's rashi (0..11) to the boy's, both included, 1..12.
int RashiCount(int boy_sign, int girl_sign);

RajjuGroup RajjuGroupOf(int nakshatra);

struct PoruthamResult {
  Porutham Which = Porutham::Dina;
  bool Agrees = false;
  std::optional<int> Count;         // n or r, for the rules that read one
  std::optional<RajjuGroup> Group;  // Rajju only: the group both stars share when it fails
};

enum class PoruthamVerdict { Good, Acceptable, NotRecommended };

inline constexpr std::array<std::string_view, 3> kPoruthamVerdictNames = {"Good", "Acceptable",
                                                                          "Not recommended"};

struct PoruthamMatch {
  std::array<PoruthamResult, kPoruthamCount> Poruthams{};  // indexed by Porutham
  int Count = 0;                                           // how many agree, 0..10
  std::vector<Porutham> Vetoes;  // Rajju and Vedha, in that order, where they fail
  PoruthamVerdict Verdict = PoruthamVerdict::NotRecommended;

  bool HasVeto() const { return !Vetoes.empty(); }
};

// One porutham for a pair of Moons (signs 0..11, nakshatras 0..26).
PoruthamResult AssessPorutham(Porutham which, const MoonPair& pair);

// All ten, the count, the vetoes and the verdict.
PoruthamMatch MatchPoruthams(const MoonPair& pair);

// The verdict of a count and its vetoes: Good with no veto and 7 or more, Acceptable
// with no veto and 5 or more, otherwise Not recommended.
PoruthamVerdict PoruthamVerdictOf(int count, bool vetoed);

// ---------------------------------------------------------------- Papasamyam

// The four malefics Papasamyam weighs, in the order a table lists them.
inline constexpr std::array<Graha, 4> kPapaGrahas = {Graha::Mars, Graha::Saturn, Graha::Sun,
                                                     Graha::Rahu};

// The references the houses are counted from, with their weights: a malefic in a dosha
// house from the Lagna counts 1, from the Moon 1/2, from Venus 1/4.
enum class PapaReference { Lagna, Moon, Venus };

inline constexpr std::array<std::string_view, 3> kPapaReferenceNames = {"Lagna", "Moon", "Venus"};

// One malefic of one person from one reference.
struct PapaPlacement {
  bool Boy = true;
  Graha Planet = Graha::Mars;
  PapaReference From = PapaReference::Lagna;
  int House = 1;        // whole-sign house 1..12
  double Points = 0.0;  // 0 outside the dosha houses
};

struct PapasamyamResult {
  double Boy = 0.0;  // each person's total
  double Girl = 0.0;
  bool Agrees = false;  // the girl's total is at most the boy's
  // Every malefic from every reference, the boy's twelve then the girl's, each person's
  // in the order of kPapaGrahas and then of the references.
  std::vector<PapaPlacement> Placements;

  // The placements that add points, in the same order.
  std::vector<PapaPlacement> Contributions() const;
};

// Each person's malefic points from a sidereal chart (whole-sign houses).
double PapaPoints(const SiderealChart& chart);

PapasamyamResult AssessPapasamyam(const SiderealChart& boy, const SiderealChart& girl);

}  // namespace lumora
