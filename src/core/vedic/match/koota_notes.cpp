// SPDX-License-Identifier: MIT
// The one-line notes of the Guna Milan rows: what the classical tables give where the
// specified ones differ, and a dosha that is present while its row still scores.
#include <string>

#include "core/ephemeris/zodiac.h"
#include "core/text.h"
#include "core/vedic/chart/doshas.h"
#include "core/vedic/match/classical_tables.h"
#include "core/vedic/match/koota_texts.h"
#include "core/vedic/match/match.h"

namespace lumora {

namespace {

std::string Lower(std::string_view word) {
  std::string text(word);
  for (char& c : text) {
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return text;
}

std::string PointsOf(int koota, int half_points) {
  return FormatHalfPoints(half_points / 2.0) + " of " +
         std::string(kKootas[static_cast<std::size_t>(koota)].Maximum);
}

std::string Ordinal(int n) {
  const int last = n % 10;
  const bool teen = n % 100 >= 11 && n % 100 <= 13;
  const char* suffix = teen ? "th" : last == 1 ? "st" : last == 2 ? "nd" : last == 3 ? "rd" : "th";
  return std::to_string(n) + suffix;
}

std::string_view RegardWords(Friendship friendship) {
  switch (friendship) {
    case Friendship::Friend:
      return "as a friend";
    case Friendship::Neutral:
      return "as neutral";
    case Friendship::Enemy:
      return "as an enemy";
  }
  return "";
}

// Why the classical tables give a koota the points they do, from the values they read.
std::string ClassicalReason(int koota, const KootaScore& score, const KootaMoon& boy,
                            const KootaMoon& girl) {
  switch (static_cast<Koota>(koota)) {
    case Koota::Varna:
      return "the boy's varna (" + std::string(VarnaName(Varna(score.Boy))) + ") is " +
             (score.HalfPoints > 0 ? "equal to or higher than" : "below") + " the girl's (" +
             std::string(VarnaName(Varna(score.Girl))) + ")";
    case Koota::Vasya: {
      const auto words = [](int v) {
        return std::string(VasyaClassName(VasyaClass(v))) + " (" +
               std::string(VasyaClassMeaning(VasyaClass(v))) + ")";
      };
      return "a " + words(score.Boy) + " boy with a " + words(score.Girl) + " girl";
    }
    case Koota::Tara: {
      const int to_girl = TaraNumber(boy.Nakshatra, girl.Nakshatra);
      const int to_boy = TaraNumber(girl.Nakshatra, boy.Nakshatra);
      return "the girl's star is the " + Ordinal(to_girl) + " tara (" +
             std::string(TaraName(to_girl)) + ") from the boy's, his the " + Ordinal(to_boy) +
             " (" + std::string(TaraName(to_boy)) +
             ") from hers; the 3rd, 5th and 7th are "
             "unfavourable";
    }
    case Koota::Yoni: {
      const std::string b = Lower(YoniAnimalName(YoniAnimal(score.Boy)));
      const std::string g = Lower(YoniAnimalName(YoniAnimal(score.Girl)));
      if (score.Boy == score.Girl) {
        return "both are of the " + b + " yoni";
      }
      constexpr std::array<std::string_view, 4> kRelations = {"sworn enemies", "unfriendly",
                                                              "neutral", "friendly"};
      return b + " and " + g + " are " +
             std::string(kRelations[static_cast<std::size_t>(score.HalfPoints / 2)]);
    }
    case Koota::GrahaMaitri: {
      const Planet b = Planet(score.Boy);
      const Planet g = Planet(score.Girl);
      if (b == g) {
        return "both signs are ruled by " + std::string(PlanetName(b));
      }
      return std::string(PlanetName(b)) + " regards " + std::string(PlanetName(g)) + " " +
             std::string(RegardWords(NaturalFriendship(b, g))) + ", " + std::string(PlanetName(g)) +
             " regards " + std::string(PlanetName(b)) + " " +
             std::string(RegardWords(NaturalFriendship(g, b)));
    }
    case Koota::Gana:
      return "a " + std::string(GanaName(Gana(score.Boy))) + " boy with a " +
             std::string(GanaName(Gana(score.Girl))) + " girl";
    case Koota::Rashi: {
      const int n = SignDistance(boy.Sign, girl.Sign);
      if (n == 1) {
        return "both Moons are in the same sign";
      }
      const int near = std::min(n, 14 - n);
      return "the signs stand " + std::to_string(near) + "/" + std::to_string(14 - near) +
             " from each other";
    }
    case Koota::Nadi:
      if (score.Boy == score.Girl) {
        return "both are of the " + std::string(NadiName(Nadi(score.Boy))) + " nadi";
      }
      return "the " + std::string(NadiName(Nadi(score.Boy))) + " and " +
             std::string(NadiName(Nadi(score.Girl))) + " nadis differ";
  }
  return {};
}

// The row each pair dosha belongs to.
constexpr std::array<Koota, 3> kDoshaRows = {Koota::Nadi, Koota::Rashi, Koota::Gana};

}  // namespace

std::array<std::string, kKootaCount> KootaNotes(
    KootaTables tables, const std::array<KootaScores, kKootaTablesCount>& scores,
    const KootaMoon& boy, const KootaMoon& girl) {
  const KootaScores& used = scores[static_cast<std::size_t>(tables)];
  const KootaScores& classical = scores[static_cast<std::size_t>(KootaTables::Classical)];
  std::array<std::string, kKootaCount> notes;
  if (tables == KootaTables::Specified) {
    for (int k = 0; k < kKootaCount; ++k) {
      const KootaScore& c = classical[static_cast<std::size_t>(k)];
      if (c.HalfPoints != used[static_cast<std::size_t>(k)].HalfPoints) {
        notes[static_cast<std::size_t>(k)] = "The classical tables give " +
                                             PointsOf(k, c.HalfPoints) + ": " +
                                             ClassicalReason(k, c, boy, girl);
      }
    }
  }
  const PairDoshas doshas =
      AssessPairDoshas(MoonPair{boy.Sign, girl.Sign, boy.Nakshatra, girl.Nakshatra});
  for (const DoshaAssessment& dosha : doshas) {
    const auto k = static_cast<std::size_t>(kDoshaRows[static_cast<std::size_t>(dosha.Dosha)]);
    if (!dosha.Present || used[k].HalfPoints == 0) {
      continue;
    }
    std::string& note = notes[k];
    note += (note.empty() ? "" : "; ") +
            std::string(kPairDoshaNames[static_cast<std::size_t>(dosha.Dosha)]) +
            " dosha is present, yet the " + Lower(KootaTablesName(tables)) + " table awards " +
            PointsOf(static_cast<int>(k), used[k].HalfPoints);
  }
  return notes;
}

}  // namespace lumora
