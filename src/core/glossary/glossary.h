// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/glossary/language.h"

namespace lumora {

enum class Graha;
enum class KootaTables;
enum class Porutham;
enum class RajjuGroup;
enum class PoruthamVerdict;
enum class PairDosha;
enum class DoshaException;
enum class DashaLord;
enum class SadeSatiPhase;
enum class MatchGrade;
enum class Ayanamsa;
enum class NodeKind;
struct ZodiacPosition;

// The field's vocabulary in one language: every name a window, a document or the CLI's
// readable output gives a rashi, a nakshatra, a koota and its values, a porutham, a graha,
// a verdict or a dosha. Each array is indexed as its enum or its count in the core is
// (signs 0 = Aries, nakshatras 0 = Ashwini, grahas in Graha order ...). Scripts read
// English keys and values whatever the language; only what people read is looked up here.
struct Glossary {
  std::string_view Source;  // where the spellings come from

  std::array<std::string_view, 12> Rashis;
  std::array<std::string_view, 12> RashiAbbreviations;  // a chart's corner, a position's sign
  std::array<std::string_view, 27> Nakshatras;

  std::array<std::string_view, 8> Kootas;           // in koota order, Varna .. Nadi
  std::array<std::string_view, 4> Varnas;           // Brahmin, Kshatriya, Vaishya, Shudra
  std::array<std::string_view, 3> SpecifiedVasyas;  // Chatushpada, Nara, Jala
  std::array<std::string_view, 5> VasyaClasses;     // Chatushpada .. Keeta
  std::array<std::string_view, 9> Taras;            // Janma .. Parama Mitra
  std::array<std::string_view, 14> YoniAnimals;     // Horse .. Lion, as YoniAnimal
  std::array<std::string_view, 3> Ganas;            // Deva, Manushya, Rakshasa
  std::array<std::string_view, 3> Nadis;            // Adi, Madhya, Antya
  std::array<std::string_view, 3> SpecifiedNadis;   // with the humour: Vatha/Adi ..

  std::array<std::string_view, 10> Poruthams;  // as Porutham, Dina .. Vedha
  std::array<std::string_view, 5> RajjuGroups;
  std::array<std::string_view, 3> PoruthamVerdicts;

  std::array<std::string_view, 9> Grahas;              // as Graha, Sun .. Ketu
  std::array<std::string_view, 9> GrahaAbbreviations;  // what a chart picture writes
  std::string_view Lagna;
  std::string_view LagnaAbbreviation;
  std::string_view RetrogradeMark;  // after a retrograde planet: "(R)"

  std::array<std::string_view, 5> MatchVerdicts;  // as MatchGrade, Poor .. Excellent
  std::array<std::string_view, 3> PairDoshas;     // as PairDosha: "Nadi dosha" ..
  std::string_view Manglik;
  std::array<std::string_view, 9> DoshaExceptions;  // as DoshaException

  std::array<std::string_view, 3> DashaLevels;  // Mahadasha, Antardasha, Pratyantardasha
  std::array<std::string_view, 3> SadeSatiPhases;
  std::string_view SadeSati;
  std::string_view AshtamaShani;
  std::string_view DashaSandhi;
  std::string_view Papasamyam;

  std::string_view Rashi;
  std::string_view Nakshatra;
  std::string_view Pada;
  std::string_view Navamsa;
  std::string_view Ayanamsa;
  std::string_view GunaMilan;
  std::string_view PoruthamMatching;

  std::array<std::string_view, 6> Ayanamsas;  // as Ayanamsa: Standard, Lahiri ..
  std::array<std::string_view, 2> Nodes;      // as NodeKind: Mean, True
};

// One table per language other than English (glossary_<language>.cpp); the English one is
// put together from the names the core already gives, so that each English word stays
// defined once.
extern const Glossary kHindiGlossary;
extern const Glossary kTamilGlossary;

const Glossary& GlossaryOf(Language language);

// Typed look-ups, so that callers never index a table with the wrong enum.
std::string_view RashiWord(Language language, int sign);
std::string_view RashiAbbreviationWord(Language language, int sign);
std::string_view NakshatraWord(Language language, int nakshatra);
std::string_view KootaWord(Language language, int koota);
// The word of a koota's value, as KootaValueName gives it in English.
std::string_view KootaValueWord(Language language, KootaTables tables, int koota, int value);
std::string_view PoruthamWord(Language language, Porutham porutham);
std::string_view RajjuGroupWord(Language language, RajjuGroup group);
std::string_view PoruthamVerdictWord(Language language, PoruthamVerdict verdict);
std::string_view GrahaWord(Language language, Graha graha);
std::string_view GrahaAbbreviationWord(Language language, Graha graha);
std::string_view DashaLordWord(Language language, DashaLord lord);
std::string_view MatchVerdictWord(Language language, MatchGrade grade);
std::string_view PairDoshaWord(Language language, PairDosha dosha);
std::string_view DoshaExceptionWord(Language language, DoshaException exception);
std::string_view SadeSatiPhaseWord(Language language, SadeSatiPhase phase);
std::string_view AyanamsaWord(Language language, Ayanamsa ayanamsa);
std::string_view NodeWord(Language language, NodeKind node);

// A position with its sign in the language: "15° 37' 28\" धनु", and the short form of the
// Western report, "07 वृश्चि 42".
std::string PositionWords(Language language, const ZodiacPosition& position);
std::string ShortPositionWords(Language language, const ZodiacPosition& position);
// Either English form of a position ("15° 37' 28\" Sag", "07 Sco 42") with its sign in the
// language; nothing for a text that is no position.
std::optional<std::string> PositionTextIn(Language language, std::string_view english);

// The word of an English name the core gives (a rashi, nakshatra, graha, koota or one of its
// values, a porutham, a verdict, a dosha or an exception, an ayanamsa or a node kind; a
// porutham's, a pair dosha's or an exception's script name), for output made from English
// values such as the CLI's readable output; nothing for a text that is no name of the field.
// A name found in more than one list takes the word of the first, in the order above.
std::optional<std::string_view> WordOfEnglishName(Language language, std::string_view english);

}  // namespace lumora
