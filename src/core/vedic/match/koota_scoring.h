// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace lumora {

// The two sets of koota tables a match can be scored with. Specified: the program's own
// tables, on which every earlier result rests (the default). Classical: the tables
// astrologers and the programs of the field use (classical_tables.h).
enum class KootaTables { Specified, Classical };
inline constexpr int kKootaTablesCount = 2;
inline constexpr std::array<KootaTables, kKootaTablesCount> kAllKootaTables = {
    KootaTables::Specified, KootaTables::Classical};

std::string_view KootaTablesName(KootaTables tables);  // "Specified", "Classical"
// "Specified" or "specified" ...; nothing for another word.
std::optional<KootaTables> FindKootaTables(std::string_view name);
// The other set, whose total a match shows beside the chosen one.
constexpr KootaTables OtherKootaTables(KootaTables tables) {
  return tables == KootaTables::Specified ? KootaTables::Classical : KootaTables::Specified;
}

// A person's Moon as the kootas read it: the sidereal sign (0 Aries .. 11 Pisces), the
// nakshatra (0 Ashwini .. 26 Revati) and the degree within the sign (0..30), which
// decides the vasya class of Sagittarius and Capricorn in the classical tables.
struct KootaMoon {
  int Sign = 0;
  int Nakshatra = 0;
  double DegreeInSign = 15.0;

  friend bool operator==(const KootaMoon&, const KootaMoon&) = default;
};

// The Moon of a sidereal longitude in degrees.
KootaMoon KootaMoonAt(double sidereal_longitude);
// The Moon of a sign and nakshatra alone (a profile): the degree is taken as the
// midpoint of the part of the nakshatra inside the sign.
KootaMoon KootaMoonOf(int sign, int nakshatra);

// The eight kootas in koota order: Varna, Vasya, Tara, Yoni, Graha Maitri, Gana, Rashi, Nadi.
inline constexpr int kKootaCount = 8;
enum class Koota { Varna, Vasya, Tara, Yoni, GrahaMaitri, Gana, Rashi, Nadi };

// One koota scored: the value it reads of each person (an index into that koota's
// values in the table set: a varna, a vasya class, a nakshatra, an animal ...) and the
// points in halves.
struct KootaScore {
  int Boy = 0;
  int Girl = 0;
  int HalfPoints = 0;

  friend bool operator==(const KootaScore&, const KootaScore&) = default;
};
using KootaScores = std::array<KootaScore, kKootaCount>;

// How one koota is scored by a table set: the value it reads of one person, the half
// points of a boy's value against a girl's, and the word of a value.
struct KootaRule {
  int (*Value)(const KootaMoon& moon);
  int (*HalfPoints)(int boy_value, int girl_value);
  std::string_view (*ValueName)(int value);
};

// A table set is a value: one rule per koota, in koota order.
struct KootaTableSet {
  std::array<KootaRule, kKootaCount> Rules;
};

const KootaTableSet& TableSetOf(KootaTables tables);

// The one engine: every koota of a boy's Moon against a girl's, by the given tables.
KootaScores ScoreKootas(const KootaTableSet& set, const KootaMoon& boy, const KootaMoon& girl);
KootaScores ScoreKootas(KootaTables tables, const KootaMoon& boy, const KootaMoon& girl);

// The exact total in half points (at most 72).
int TotalHalfPoints(const KootaScores& scores);

// The word of a koota's value under a table set: "Kshatriya", "Nara", "Swati", "Dog" ...
std::string_view KootaValueName(KootaTables tables, int koota, int value);

}  // namespace lumora
