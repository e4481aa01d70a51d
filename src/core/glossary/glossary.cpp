// SPDX-License-Identifier: MIT
#include "core/glossary/glossary.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "core/ephemeris/zodiac.h"
#include "core/vedic/chart/doshas.h"
#include "core/vedic/chart/sidereal_chart.h"
#include "core/vedic/match/classical_tables.h"
#include "core/vedic/match/koota_scoring.h"
#include "core/vedic/match/koota_texts.h"
#include "core/vedic/match/match.h"
#include "core/vedic/porutham/porutham.h"
#include "core/vedic/porutham/porutham_words.h"
#include "core/vedic/timing/saturn_transit.h"
#include "core/vedic/timing/timing_document.h"
#include "core/vedic/timing/vimshottari.h"

namespace lumora {

std::optional<LanguageWords> RowOf(std::span<const LanguageWords> table, std::string_view english) {
  const auto found = std::find_if(table.begin(), table.end(), [english](const LanguageWords& w) {
    return w.English == english;
  });
  return found == table.end() ? std::nullopt : std::optional(*found);
}

std::string_view LanguageCode(Language language) {
  return kLanguages[static_cast<std::size_t>(language)].Code;
}

std::string_view LanguageNative(Language language) {
  return kLanguages[static_cast<std::size_t>(language)].Native;
}

std::optional<Language> LanguageFromCode(std::string_view code_or_locale) {
  // "hi", "hi_IN", "hi-IN", "hi_IN.UTF-8", "ta_IN@latin": the language is what comes before
  // the first separator, compared without regard to case.
  const std::size_t end = code_or_locale.find_first_of("_-.@");
  const std::string_view head = code_or_locale.substr(0, end);
  for (const LanguageName& language : kLanguages) {
    if (head.size() == language.Code.size() &&
        std::equal(head.begin(), head.end(), language.Code.begin(), [](char a, char b) {
          return std::tolower(static_cast<unsigned char>(a)) == b;
        })) {
      return language.Which;
    }
  }
  return std::nullopt;
}

namespace {

template <typename Array, typename Name>
Array NamesOf(Name name) {
  Array out{};
  for (std::size_t i = 0; i < out.size(); ++i) {
    out[i] = name(static_cast<int>(i));
  }
  return out;
}

// English is the language the core already speaks: its table is read off the names the
// core gives, so an English word is never written twice.
Glossary MakeEnglishGlossary() {
  using Names3 = std::array<std::string_view, 3>;
  Glossary g{};
  g.Source = "The program's own English names.";
  g.Rashis = kSignNames;
  g.RashiAbbreviations =
      NamesOf<std::array<std::string_view, 12>>([](int s) { return SignAbbreviation(s); });
  g.Nakshatras = kNakshatraNames;
  g.Kootas = NamesOf<std::array<std::string_view, 8>>(
      [](int k) { return kKootas[static_cast<std::size_t>(k)].Koota; });
  g.Varnas = NamesOf<std::array<std::string_view, 4>>(
      [](int v) { return KootaValueName(KootaTables::Classical, 0, v); });
  g.SpecifiedVasyas =
      NamesOf<Names3>([](int v) { return KootaValueName(KootaTables::Specified, 1, v); });
  g.VasyaClasses = NamesOf<std::array<std::string_view, 5>>(
      [](int v) { return VasyaClassName(static_cast<VasyaClass>(v)); });
  g.Taras = NamesOf<std::array<std::string_view, 9>>([](int t) { return TaraName(t + 1); });
  g.YoniAnimals = NamesOf<std::array<std::string_view, 14>>(
      [](int v) { return YoniAnimalName(static_cast<YoniAnimal>(v)); });
  g.Ganas = NamesOf<Names3>([](int v) { return GanaName(static_cast<Gana>(v)); });
  g.Nadis = NamesOf<Names3>([](int v) { return NadiName(static_cast<Nadi>(v)); });
  g.SpecifiedNadis =
      NamesOf<Names3>([](int v) { return KootaValueName(KootaTables::Specified, 7, v); });
  g.Poruthams = NamesOf<std::array<std::string_view, 10>>(
      [](int p) { return PoruthamTitle(static_cast<Porutham>(p)); });
  g.RajjuGroups = kRajjuGroupNames;
  g.PoruthamVerdicts =
      NamesOf<Names3>([](int v) { return PoruthamVerdictWords(static_cast<PoruthamVerdict>(v)); });
  g.Grahas = NamesOf<std::array<std::string_view, 9>>(
      [](int p) { return kGrahaNames[static_cast<std::size_t>(p)].Name; });
  g.GrahaAbbreviations = NamesOf<std::array<std::string_view, 9>>(
      [](int p) { return kGrahaNames[static_cast<std::size_t>(p)].Abbreviation; });
  g.Lagna = "Lagna";
  g.LagnaAbbreviation = "La";
  g.RetrogradeMark = "(R)";
  g.MatchVerdicts = kMatchVerdictLines;
  g.PairDoshas = {"Nadi dosha", "Bhakoot dosha", "Gana dosha"};
  g.Manglik = "Manglik";
  g.DoshaExceptions = NamesOf<std::array<std::string_view, 9>>(
      [](int e) { return ExceptionWords(static_cast<DoshaException>(e)); });
  g.DashaLevels = {"Mahadasha", "Antardasha", "Pratyantardasha"};
  g.SadeSatiPhases =
      NamesOf<Names3>([](int p) { return SadeSatiPhaseName(static_cast<SadeSatiPhase>(p)); });
  g.SadeSati = "Sade Sati";
  g.AshtamaShani = "Ashtama Shani";
  g.DashaSandhi = "Dasha Sandhi";
  g.Papasamyam = "Papasamyam";
  g.Rashi = "Rashi";
  g.Nakshatra = "Nakshatra";
  g.Pada = "Pada";
  g.Navamsa = "Navamsa";
  g.Ayanamsa = "Ayanamsa";
  g.GunaMilan = "Guna Milan";
  g.PoruthamMatching = "Porutham";
  g.Ayanamsas = NamesOf<std::array<std::string_view, 6>>(
      [](int a) { return AyanamsaName(static_cast<Ayanamsa>(a)); });
  g.Nodes = {NodeName(NodeKind::Mean), NodeName(NodeKind::True)};
  return g;
}

template <typename Enum>
std::size_t At(Enum value) {
  return static_cast<std::size_t>(value);
}

}  // namespace

const Glossary& GlossaryOf(Language language) {
  static const Glossary english = MakeEnglishGlossary();
  switch (language) {
    case Language::Hindi:
      return kHindiGlossary;
    case Language::Tamil:
      return kTamilGlossary;
    case Language::English:
      break;
  }
  return english;
}

std::string_view RashiWord(Language language, int sign) {
  return GlossaryOf(language).Rashis[static_cast<std::size_t>(sign)];
}

std::string_view RashiAbbreviationWord(Language language, int sign) {
  return GlossaryOf(language).RashiAbbreviations[static_cast<std::size_t>(sign)];
}

std::string PositionWords(Language language, const ZodiacPosition& position) {
  return FormatZodiacPosition(position, RashiAbbreviationWord(language, position.Sign));
}

std::string ShortPositionWords(Language language, const ZodiacPosition& position) {
  return FormatShortPosition(position, RashiAbbreviationWord(language, position.Sign));
}

std::optional<std::string> PositionTextIn(Language language, std::string_view english) {
  // A position is figures (digits with their marks) and one sign abbreviation, each
  // between single spaces.
  std::string out;
  bool sign_seen = false;
  bool figures_seen = false;
  std::size_t start = 0;
  while (start <= english.size()) {
    const std::size_t end = std::min(english.find(' ', start), english.size());
    const std::string_view token = english.substr(start, end - start);
    if (token.empty()) {
      return std::nullopt;
    }
    std::optional<int> sign;
    for (int s = 0; s < 12 && !sign_seen; ++s) {
      if (token == SignAbbreviation(s)) {
        sign = s;
      }
    }
    if (sign) {
      sign_seen = true;
      out += RashiAbbreviationWord(language, *sign);
    } else {
      const bool figures = std::isdigit(static_cast<unsigned char>(token.front())) != 0 &&
                           std::all_of(token.begin(), token.end(), [](char c) {
                             return std::isdigit(static_cast<unsigned char>(c)) != 0 || c == '\'' ||
                                    c == '"' || c == '\xC2' || c == '\xB0';
                           });
      if (!figures) {
        return std::nullopt;
      }
      figures_seen = true;
      out += token;
    }
    if (end < english.size()) {
      out += ' ';
    }
    start = end + 1;
  }
  if (!sign_seen || !figures_seen) {
    return std::nullopt;
  }
  return out;
}

std::string_view NakshatraWord(Language language, int nakshatra) {
  return GlossaryOf(language).Nakshatras[static_cast<std::size_t>(nakshatra)];
}

std::string_view KootaWord(Language language, int koota) {
  return GlossaryOf(language).Kootas[static_cast<std::size_t>(koota)];
}

std::string_view KootaValueWord(Language language, KootaTables tables, int koota, int value) {
  if (language == Language::English) {
    return KootaValueName(tables, koota, value);
  }
  // The value each table set reads of a person (koota_scoring.cpp): the specified tables
  // read signs and nakshatras where the classical ones read animals and lords.
  const Glossary& g = GlossaryOf(language);
  const auto v = static_cast<std::size_t>(value);
  const bool classical = tables == KootaTables::Classical;
  switch (static_cast<Koota>(koota)) {
    case Koota::Varna:
      return g.Varnas[v];
    case Koota::Vasya:
      return classical ? g.VasyaClasses[v] : g.SpecifiedVasyas[v];
    case Koota::Tara:
      return g.Nakshatras[v];
    case Koota::Yoni:
      return classical ? g.YoniAnimals[v] : g.Nakshatras[v];
    case Koota::GrahaMaitri:
      return classical ? g.Grahas[v] : g.Rashis[v];
    case Koota::Gana:
      return g.Ganas[v];
    case Koota::Rashi:
      return g.Rashis[v];
    case Koota::Nadi:
      return classical ? g.Nadis[v] : g.SpecifiedNadis[v];
  }
  return KootaValueName(tables, koota, value);
}

std::string_view PoruthamWord(Language language, Porutham porutham) {
  return GlossaryOf(language).Poruthams[At(porutham)];
}

std::string_view RajjuGroupWord(Language language, RajjuGroup group) {
  return GlossaryOf(language).RajjuGroups[At(group)];
}

std::string_view PoruthamVerdictWord(Language language, PoruthamVerdict verdict) {
  return GlossaryOf(language).PoruthamVerdicts[At(verdict)];
}

std::string_view GrahaWord(Language language, Graha graha) {
  return GlossaryOf(language).Grahas[At(graha)];
}

std::string_view GrahaAbbreviationWord(Language language, Graha graha) {
  return GlossaryOf(language).GrahaAbbreviations[At(graha)];
}

std::string_view DashaLordWord(Language language, DashaLord lord) {
  // The dasha lords are the nine grahas in the order of the Vimshottari cycle.
  constexpr std::array<Graha, kDashaLordCount> kGrahaOfLord = {
      Graha::Ketu, Graha::Venus,   Graha::Sun,    Graha::Moon,   Graha::Mars,
      Graha::Rahu, Graha::Jupiter, Graha::Saturn, Graha::Mercury};
  return GrahaWord(language, kGrahaOfLord[At(lord)]);
}

std::string_view MatchVerdictWord(Language language, MatchGrade grade) {
  return GlossaryOf(language).MatchVerdicts[At(grade)];
}

std::string_view PairDoshaWord(Language language, PairDosha dosha) {
  return GlossaryOf(language).PairDoshas[At(dosha)];
}

std::string_view DoshaExceptionWord(Language language, DoshaException exception) {
  return GlossaryOf(language).DoshaExceptions[At(exception)];
}

std::string_view SadeSatiPhaseWord(Language language, SadeSatiPhase phase) {
  return GlossaryOf(language).SadeSatiPhases[At(phase)];
}

std::string_view AyanamsaWord(Language language, Ayanamsa ayanamsa) {
  return GlossaryOf(language).Ayanamsas[At(ayanamsa)];
}

std::string_view NodeWord(Language language, NodeKind node) {
  return GlossaryOf(language).Nodes[At(node)];
}

namespace {

// Each list of a glossary, in the order a name is looked for.
template <typename Visit>
void ForEachList(const Glossary& g, Visit visit) {
  visit(std::span<const std::string_view>(g.Rashis));
  visit(std::span<const std::string_view>(g.Nakshatras));
  visit(std::span<const std::string_view>(g.Grahas));
  visit(std::span<const std::string_view>(g.Kootas));
  visit(std::span<const std::string_view>(g.Varnas));
  visit(std::span<const std::string_view>(g.SpecifiedVasyas));
  visit(std::span<const std::string_view>(g.VasyaClasses));
  visit(std::span<const std::string_view>(g.Taras));
  visit(std::span<const std::string_view>(g.YoniAnimals));
  visit(std::span<const std::string_view>(g.Ganas));
  visit(std::span<const std::string_view>(g.Nadis));
  visit(std::span<const std::string_view>(g.SpecifiedNadis));
  visit(std::span<const std::string_view>(g.Poruthams));
  visit(std::span<const std::string_view>(g.RajjuGroups));
  visit(std::span<const std::string_view>(g.PoruthamVerdicts));
  visit(std::span<const std::string_view>(g.MatchVerdicts));
  visit(std::span<const std::string_view>(g.PairDoshas));
  visit(std::span<const std::string_view>(g.DoshaExceptions));
  visit(std::span<const std::string_view>(g.DashaLevels));
  visit(std::span<const std::string_view>(g.SadeSatiPhases));
  visit(std::span<const std::string_view>(g.Ayanamsas));
  visit(std::span<const std::string_view>(g.Nodes));
}

// The names scripts read (porutham, pair-dosha and exception codes) and the specified
// tables' own spellings of varnas and ganas ("Vysya", "Manusha"), each with its word.
std::optional<std::string_view> WordOfScriptName(Language language, std::string_view english) {
  for (std::size_t p = 0; p < kPoruthamNames.size(); ++p) {
    if (kPoruthamNames[p] == english) {
      return PoruthamWord(language, static_cast<Porutham>(p));
    }
  }
  // A pair dosha is named as the koota whose row it belongs to: Nadi, Bhakoot (the Rashi
  // koota), Gana.
  constexpr std::array<Koota, 3> kDoshaKootas = {Koota::Nadi, Koota::Rashi, Koota::Gana};
  for (std::size_t d = 0; d < kPairDoshaNames.size(); ++d) {
    if (kPairDoshaNames[d] == english) {
      return KootaWord(language, static_cast<int>(kDoshaKootas[d]));
    }
  }
  for (int e = 0; e < kDoshaExceptionCount; ++e) {
    if (ExceptionCode(static_cast<DoshaException>(e)) == english) {
      return DoshaExceptionWord(language, static_cast<DoshaException>(e));
    }
  }
  for (const KootaTables tables : {KootaTables::Specified, KootaTables::Classical}) {
    for (const auto& [koota, count] : {std::pair{Koota::Varna, 4}, std::pair{Koota::Gana, 3}}) {
      for (int v = 0; v < count; ++v) {
        if (KootaValueName(tables, static_cast<int>(koota), v) == english) {
          return KootaValueWord(language, tables, static_cast<int>(koota), v);
        }
      }
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string_view> WordOfEnglishName(Language language, std::string_view english) {
  std::vector<std::span<const std::string_view>> english_lists;
  ForEachList(
      GlossaryOf(Language::English),
      [&english_lists](std::span<const std::string_view> list) { english_lists.push_back(list); });
  std::vector<std::span<const std::string_view>> lists;
  ForEachList(GlossaryOf(language),
              [&lists](std::span<const std::string_view> list) { lists.push_back(list); });
  for (std::size_t l = 0; l < english_lists.size(); ++l) {
    const auto& names = english_lists[l];
    const auto found = std::find(names.begin(), names.end(), english);
    if (found != names.end()) {
      return lists[l][static_cast<std::size_t>(found - names.begin())];
    }
  }
  return WordOfScriptName(language, english);
}

}  // namespace lumora
