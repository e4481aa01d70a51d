// SPDX-License-Identifier: MIT
// The one-line notes of the Guna Milan rows: what the classical tables give where the
// specified ones differ, and a dosha that is present while its row still scores.
#include <string>

#include "core/ephemeris/zodiac.h"
#include "core/glossary/glossary.h"
#include "core/glossary/phrases.h"
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

std::string PointsOf(const Phrases& words, int koota, int half_points) {
  return Fill(words.NotePointsOf, {FormatHalfPoints(half_points / 2.0),
                                   kKootas[static_cast<std::size_t>(koota)].Maximum});
}

std::string Ordinal(int n) {
  const int last = n % 10;
  const bool teen = n % 100 >= 11 && n % 100 <= 13;
  const char* suffix = teen ? "th" : last == 1 ? "st" : last == 2 ? "nd" : last == 3 ? "rd" : "th";
  return std::to_string(n) + suffix;
}

// A name the core gives in English, in the language: the glossary's word, else as it is.
std::string Named(Language language, std::string_view english) {
  return std::string(WordOfEnglishName(language, english).value_or(english));
}

// Why the classical tables give a koota the points they do, from the values they read.
std::string ClassicalReason(Language language, int koota, const KootaScore& score,
                            const KootaMoon& boy, const KootaMoon& girl) {
  const Phrases& words = PhrasesOf(language);
  const bool english = language == Language::English;
  constexpr KootaTables kClassical = KootaTables::Classical;
  switch (static_cast<Koota>(koota)) {
    case Koota::Varna:
      return Fill(score.HalfPoints > 0 ? words.NoteVarnaAtLeast : words.NoteVarnaBelow,
                  {KootaValueWord(language, kClassical, koota, score.Boy),
                   KootaValueWord(language, kClassical, koota, score.Girl)});
    case Koota::Vasya: {
      // English adds what the class means: "Chatushpada (quadruped)".
      const auto class_words = [&](int v) {
        const std::string word(KootaValueWord(language, kClassical, koota, v));
        return english ? word + " (" + std::string(VasyaClassMeaning(VasyaClass(v))) + ")" : word;
      };
      return Fill(words.NoteBoyWithGirl, {class_words(score.Boy), class_words(score.Girl)});
    }
    case Koota::Tara: {
      const int to_girl = TaraNumber(boy.Nakshatra, girl.Nakshatra);
      const int to_boy = TaraNumber(girl.Nakshatra, boy.Nakshatra);
      return Fill(words.NoteTara,
                  {english ? Ordinal(to_girl) : std::to_string(to_girl),
                   GlossaryOf(language).Taras[static_cast<std::size_t>(to_girl - 1)],
                   english ? Ordinal(to_boy) : std::to_string(to_boy),
                   GlossaryOf(language).Taras[static_cast<std::size_t>(to_boy - 1)]});
    }
    case Koota::Yoni: {
      const auto animal = [&](int v) {
        return english ? Lower(YoniAnimalName(YoniAnimal(v)))
                       : std::string(KootaValueWord(language, kClassical, koota, v));
      };
      if (score.Boy == score.Girl) {
        return Fill(words.NoteYoniSame, {animal(score.Boy)});
      }
      return Fill(words.NoteYoniPair,
                  {animal(score.Boy), animal(score.Girl),
                   words.YoniRelations[static_cast<std::size_t>(score.HalfPoints / 2)]});
    }
    case Koota::GrahaMaitri: {
      const Planet b = Planet(score.Boy);
      const Planet g = Planet(score.Girl);
      const std::string b_name = Named(language, PlanetName(b));
      const std::string g_name = Named(language, PlanetName(g));
      if (b == g) {
        return Fill(words.NoteMaitriSame, {b_name});
      }
      return Fill(words.NoteMaitri,
                  {b_name, g_name, words.Regards[static_cast<std::size_t>(NaturalFriendship(b, g))],
                   words.Regards[static_cast<std::size_t>(NaturalFriendship(g, b))]});
    }
    case Koota::Gana:
      return Fill(words.NoteBoyWithGirl, {KootaValueWord(language, kClassical, koota, score.Boy),
                                          KootaValueWord(language, kClassical, koota, score.Girl)});
    case Koota::Rashi: {
      const int n = SignDistance(boy.Sign, girl.Sign);
      if (n == 1) {
        return std::string(words.NoteRashiSame);
      }
      const int near = std::min(n, 14 - n);
      return Fill(words.NoteRashiApart, {std::to_string(near), std::to_string(14 - near)});
    }
    case Koota::Nadi: {
      const auto nadi = [&](int v) { return KootaValueWord(language, kClassical, koota, v); };
      if (score.Boy == score.Girl) {
        return Fill(words.NoteNadiSame, {nadi(score.Boy)});
      }
      return Fill(words.NoteNadiDiffer, {nadi(score.Boy), nadi(score.Girl)});
    }
  }
  return {};
}

// The row each pair dosha belongs to.
constexpr std::array<Koota, 3> kDoshaRows = {Koota::Nadi, Koota::Rashi, Koota::Gana};

}  // namespace

std::array<std::string, kKootaCount> KootaNotes(
    KootaTables tables, const std::array<KootaScores, kKootaTablesCount>& scores,
    const KootaMoon& boy, const KootaMoon& girl, Language language) {
  const Phrases& words = PhrasesOf(language);
  const bool english = language == Language::English;
  const KootaScores& used = scores[static_cast<std::size_t>(tables)];
  const KootaScores& classical = scores[static_cast<std::size_t>(KootaTables::Classical)];
  std::array<std::string, kKootaCount> notes;
  if (tables == KootaTables::Specified) {
    for (int k = 0; k < kKootaCount; ++k) {
      const KootaScore& c = classical[static_cast<std::size_t>(k)];
      if (c.HalfPoints != used[static_cast<std::size_t>(k)].HalfPoints) {
        notes[static_cast<std::size_t>(k)] =
            Fill(words.NoteClassicalGives,
                 {PointsOf(words, k, c.HalfPoints), ClassicalReason(language, k, c, boy, girl)});
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
    if (!note.empty()) {
      note += words.NoteJoin;
    }
    note +=
        Fill(words.NoteDoshaYet, {english ? kPairDoshaNames[static_cast<std::size_t>(dosha.Dosha)]
                                          : PairDoshaWord(language, dosha.Dosha),
                                  english ? Lower(KootaTablesName(tables))
                                          : words.TableSets[static_cast<std::size_t>(tables)],
                                  PointsOf(words, static_cast<int>(k), used[k].HalfPoints)});
  }
  return notes;
}

std::array<std::string, kKootaCount> KootaNotesIn(const MatchResult& result, Language language) {
  const MoonPair& pair = result.Pair;
  return KootaNotes(result.Tables, result.Scores, KootaMoon{pair.BoySign, pair.BoyNakshatra},
                    KootaMoon{pair.GirlSign, pair.GirlNakshatra}, language);
}

}  // namespace lumora
