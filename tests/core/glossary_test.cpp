// SPDX-License-Identifier: MIT
#include "core/glossary/glossary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/ephemeris/zodiac.h"
#include "core/glossary/catalogue_words.h"
#include "core/vedic/chart/doshas.h"
#include "core/vedic/chart/sidereal_chart.h"
#include "core/vedic/match/classical_tables.h"
#include "core/vedic/match/koota_scoring.h"
#include "core/vedic/match/match.h"
#include "core/vedic/result/nakshatra_catalogue.h"
#include "core/vedic/result/rashi_catalogue.h"
#include "core/vedic/timing/vimshottari.h"

namespace lumora {
namespace {

struct Entry {
  std::string Field;
  std::string_view Word;
};

template <std::size_t N>
void AddAll(std::vector<Entry>& out, const char* field,
            const std::array<std::string_view, N>& words) {
  for (std::size_t i = 0; i < N; ++i) {
    out.push_back({std::string(field) + "[" + std::to_string(i) + "]", words[i]});
  }
}

// Every word of a glossary with the name of its place, so that an entry left out of a
// language's table (an empty view) is reported by name.
std::vector<Entry> EntriesOf(const Glossary& g) {
  std::vector<Entry> out;
  AddAll(out, "Rashis", g.Rashis);
  AddAll(out, "RashiAbbreviations", g.RashiAbbreviations);
  AddAll(out, "Nakshatras", g.Nakshatras);
  AddAll(out, "Kootas", g.Kootas);
  AddAll(out, "Varnas", g.Varnas);
  AddAll(out, "SpecifiedVasyas", g.SpecifiedVasyas);
  AddAll(out, "VasyaClasses", g.VasyaClasses);
  AddAll(out, "Taras", g.Taras);
  AddAll(out, "YoniAnimals", g.YoniAnimals);
  AddAll(out, "Ganas", g.Ganas);
  AddAll(out, "Nadis", g.Nadis);
  AddAll(out, "SpecifiedNadis", g.SpecifiedNadis);
  AddAll(out, "Poruthams", g.Poruthams);
  AddAll(out, "RajjuGroups", g.RajjuGroups);
  AddAll(out, "PoruthamVerdicts", g.PoruthamVerdicts);
  AddAll(out, "Grahas", g.Grahas);
  AddAll(out, "GrahaAbbreviations", g.GrahaAbbreviations);
  AddAll(out, "MatchVerdicts", g.MatchVerdicts);
  AddAll(out, "PairDoshas", g.PairDoshas);
  AddAll(out, "DoshaExceptions", g.DoshaExceptions);
  AddAll(out, "DashaLevels", g.DashaLevels);
  AddAll(out, "SadeSatiPhases", g.SadeSatiPhases);
  for (const auto& [field, word] : std::vector<std::pair<const char*, std::string_view>>{
           {"Source", g.Source},
           {"Lagna", g.Lagna},
           {"LagnaAbbreviation", g.LagnaAbbreviation},
           {"RetrogradeMark", g.RetrogradeMark},
           {"Manglik", g.Manglik},
           {"SadeSati", g.SadeSati},
           {"AshtamaShani", g.AshtamaShani},
           {"DashaSandhi", g.DashaSandhi},
           {"Papasamyam", g.Papasamyam},
           {"Rashi", g.Rashi},
           {"Nakshatra", g.Nakshatra},
           {"Pada", g.Pada},
           {"Navamsa", g.Navamsa},
           {"Ayanamsa", g.Ayanamsa},
           {"GunaMilan", g.GunaMilan},
           {"PoruthamMatching", g.PoruthamMatching}}) {
    out.push_back({field, word});
  }
  return out;
}

// The code points of a UTF-8 text; nothing when it is not well formed.
std::optional<std::vector<char32_t>> CodePoints(std::string_view text) {
  std::vector<char32_t> out;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : 0;
    if (length == 0 || i + static_cast<std::size_t>(length) > text.size()) {
      return std::nullopt;
    }
    char32_t point = length == 1 ? lead : length == 2 ? (lead & 0x1F) : (lead & 0x0F);
    for (int k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
      if ((next >> 6) != 0x2) {
        return std::nullopt;
      }
      point = (point << 6) | (next & 0x3F);
    }
    out.push_back(point);
    i += static_cast<std::size_t>(length);
  }
  return out;
}

struct ScriptCase {
  Language Which;
  char32_t First;  // the script's Unicode block
  char32_t Last;
};

constexpr ScriptCase kScripts[] = {
    {Language::Hindi, 0x0900, 0x097F},  // Devanagari
    {Language::Tamil, 0x0B80, 0x0BFF},  // Tamil
};

// Punctuation and digits a word may carry in any script: "ग्रह मैत्री (4 या अधिक)".
bool IsCommonMark(char32_t c) {
  return c == U' ' || c == U'/' || c == U'(' || c == U')' || c == U',' || c == U'-' || c == U'.' ||
         c == U'–' || (c >= U'0' && c <= U'9');
}

TEST(Glossary, EveryLanguageHasEveryEntryInItsOwnScript) {
  for (const ScriptCase& script : kScripts) {
    const std::string language(LanguageCode(script.Which));
    for (const Entry& entry : EntriesOf(GlossaryOf(script.Which))) {
      SCOPED_TRACE(language + " " + entry.Field);
      ASSERT_FALSE(entry.Word.empty());
      if (entry.Field == "Source") {
        continue;  // names its sources in English as well
      }
      const auto points = CodePoints(entry.Word);
      ASSERT_TRUE(points.has_value()) << "not UTF-8";
      int letters = 0;
      for (const char32_t c : *points) {
        if (c >= script.First && c <= script.Last) {
          ++letters;
        } else {
          EXPECT_TRUE(IsCommonMark(c))
              << "U+" << std::hex << static_cast<unsigned>(c) << " in \"" << entry.Word << "\"";
        }
      }
      EXPECT_GT(letters, 0) << "\"" << entry.Word << "\" has no letter of the script";
    }
  }
}

TEST(Glossary, EnglishHasEveryEntry) {
  for (const Entry& entry : EntriesOf(GlossaryOf(Language::English))) {
    EXPECT_FALSE(entry.Word.empty()) << entry.Field;
  }
}

// Names that tell one thing from another must differ within their list, in every language.
TEST(Glossary, NamesWithinAListDiffer) {
  for (const LanguageName& language : kLanguages) {
    const Glossary& g = GlossaryOf(language.Which);
    const auto distinct = [&](const char* field, const auto& words) {
      const std::set<std::string_view> seen(words.begin(), words.end());
      EXPECT_EQ(seen.size(), words.size()) << language.Code << " " << field;
    };
    distinct("Rashis", g.Rashis);
    distinct("RashiAbbreviations", g.RashiAbbreviations);
    distinct("Nakshatras", g.Nakshatras);
    distinct("Kootas", g.Kootas);
    distinct("YoniAnimals", g.YoniAnimals);
    distinct("Poruthams", g.Poruthams);
    distinct("Grahas", g.Grahas);
    distinct("GrahaAbbreviations", g.GrahaAbbreviations);
    distinct("Taras", g.Taras);
    distinct("MatchVerdicts", g.MatchVerdicts);
    distinct("DoshaExceptions", g.DoshaExceptions);
  }
}

// Spellings a reader checks first; the Tamil stars are Tamil words, not transliterations.
struct SpellingCase {
  Language Which;
  int Nakshatra;
  std::string_view Word;
};

constexpr SpellingCase kSpellings[] = {
    {Language::Hindi, 2, "कृत्तिका"},      {Language::Hindi, 5, "आर्द्रा"},
    {Language::Hindi, 17, "ज्येष्ठा"},      {Language::Hindi, 19, "पूर्वाषाढ़ा"},
    {Language::Tamil, 3, "ரோகிணி"},      {Language::Tamil, 5, "திருவாதிரை"},
    {Language::Tamil, 17, "கேட்டை"},      {Language::Tamil, 21, "திருவோணம்"},
    {Language::English, 17, "Jyeshtha"},
};

TEST(Glossary, KnownNakshatraSpellings) {
  for (const SpellingCase& c : kSpellings) {
    EXPECT_EQ(NakshatraWord(c.Which, c.Nakshatra), c.Word) << LanguageCode(c.Which);
  }
}

struct CodeCase {
  std::string_view Text;
  std::optional<Language> Expected;
};

constexpr CodeCase kCodes[] = {
    {"en", Language::English},
    {"EN", Language::English},
    {"en_GB.UTF-8", Language::English},
    {"hi", Language::Hindi},
    {"hi_IN", Language::Hindi},
    {"hi-IN", Language::Hindi},
    {"ta_IN.UTF-8", Language::Tamil},
    {"ta@x", Language::Tamil},
    {"te_IN", std::nullopt},
    {"", std::nullopt},
    {"C", std::nullopt},
    {"POSIX", std::nullopt},
    {"hin", std::nullopt},
    {"h", std::nullopt},
};

TEST(Glossary, LanguageFromCodeOrLocale) {
  for (const CodeCase& c : kCodes) {
    EXPECT_EQ(LanguageFromCode(c.Text), c.Expected) << "\"" << c.Text << "\"";
  }
  for (const LanguageName& language : kLanguages) {
    EXPECT_EQ(LanguageFromCode(LanguageCode(language.Which)), language.Which);
  }
}

// Every value the engine reads of a Moon, under both table sets, has a word in every
// language, and the English word is the engine's own.
TEST(Glossary, EveryKootaValueOfEveryMoonHasAWord) {
  for (const KootaTables tables : {KootaTables::Specified, KootaTables::Classical}) {
    for (int sign = 0; sign < 12; ++sign) {
      for (int nakshatra = 0; nakshatra < 27; ++nakshatra) {
        for (const double degree : {1.0, 29.0}) {
          const KootaMoon moon{sign, nakshatra, degree};
          const KootaScores scores = ScoreKootas(tables, moon, moon);
          for (int koota = 0; koota < kKootaCount; ++koota) {
            const int value = scores[static_cast<std::size_t>(koota)].Boy;
            EXPECT_EQ(KootaValueWord(Language::English, tables, koota, value),
                      KootaValueName(tables, koota, value));
            for (const ScriptCase& script : kScripts) {
              EXPECT_FALSE(KootaValueWord(script.Which, tables, koota, value).empty())
                  << LanguageCode(script.Which) << " koota " << koota << " value " << value;
            }
          }
        }
      }
    }
  }
}

// The dasha lords follow the Vimshottari order, not the grahas': each one's word must be
// the word of the same planet.
TEST(Glossary, DashaLordsAreTheirGrahas) {
  for (const VimshottariLord& lord : kVimshottari) {
    EXPECT_EQ(DashaLordWord(Language::English, lord.Lord), lord.Name);
  }
  EXPECT_EQ(DashaLordWord(Language::Tamil, DashaLord::Jupiter), "குரு");
  EXPECT_EQ(DashaLordWord(Language::Hindi, DashaLord::Ketu), "केतु");
}

// A word of the language in its own script: some letters of the script, no Latin letter, and
// nothing but the common marks beside them. Empty when it is, else what is wrong with it.
std::string NotInScript(const ScriptCase& script, std::string_view word) {
  if (word.empty()) {
    return "empty";
  }
  const auto points = CodePoints(word);
  if (!points) {
    return "not UTF-8";
  }
  int letters = 0;
  for (const char32_t c : *points) {
    if (c >= script.First && c <= script.Last) {
      ++letters;
    } else if (!IsCommonMark(c)) {
      return "\"" + std::string(word) + "\" holds a character of another script";
    }
  }
  return letters > 0 ? "" : "\"" + std::string(word) + "\" has no letter of the script";
}

// Every caption the catalogue pages and documents show: the field labels, the pages and the
// captions of their fields and of the fields above the pages.
std::vector<std::string_view> CatalogueCaptions() {
  std::vector<std::string_view> captions;
  for (const RashiField& field : kRashiFields) {
    captions.push_back(field.Label);
  }
  for (const NakshatraField& field : kNakshatraFields) {
    captions.push_back(field.Label);
  }
  for (const auto* pages : {&RashiPages(), &NakshatraPages()}) {
    for (const CataloguePage& page : *pages) {
      captions.push_back(page.Caption);
      for (const CataloguePageField& field : page.Fields) {
        captions.push_back(field.Caption);
      }
    }
  }
  for (const auto* fields : {&RashiHeaderFields(), &NakshatraHeaderFields()}) {
    for (const CataloguePageField& field : *fields) {
      captions.push_back(field.Caption);
    }
  }
  return captions;
}

TEST(CatalogueWords, EveryCaptionHasAWordInEachScript) {
  for (const ScriptCase& script : kScripts) {
    for (const std::string_view caption : CatalogueCaptions()) {
      const auto word = CatalogueCaptionWord(script.Which, caption);
      ASSERT_TRUE(word.has_value()) << LanguageCode(script.Which) << " \"" << caption << "\"";
      EXPECT_EQ(NotInScript(script, *word), "") << "\"" << caption << "\"";
    }
    // Every row, used by a page or not, is written out in both languages.
    for (const auto table : {CatalogueCaptionWords(), CatalogueValueWords()}) {
      for (const CatalogueWords& row : table) {
        ASSERT_FALSE(row.English.empty());
        EXPECT_EQ(NotInScript(script, script.Which == Language::Hindi ? row.Hindi : row.Tamil), "")
            << LanguageCode(script.Which) << " \"" << row.English << "\"";
      }
    }
  }
}

// A record field's key names the same caption as its label; the document and the CLI then
// agree.
TEST(CatalogueWords, EveryFieldKeyHasItsLabelsWord) {
  for (const LanguageName& language : kLanguages) {
    for (const RashiField& field : kRashiFields) {
      EXPECT_EQ(CatalogueKeyWord(language.Which, field.Name),
                CatalogueCaptionWord(language.Which, field.Label))
          << field.Name;
    }
    for (const NakshatraField& field : kNakshatraFields) {
      EXPECT_EQ(CatalogueKeyWord(language.Which, field.Name),
                CatalogueCaptionWord(language.Which, field.Label))
          << field.Name;
    }
  }
  for (const std::string_view other : {"IndianNames", "Ruling Planet: ", "Looks:", ""}) {
    EXPECT_EQ(CatalogueKeyWord(Language::Tamil, other), std::nullopt) << other;
  }
}

// The fields whose values come from a closed list; each value of the data reads in the
// language, and values that differ in English differ in the language too.
constexpr std::string_view kClosedRashiFields[] = {
    "RullingPlanet", "InbornNature", "TypeOfSign",     "Gender",           "BestPeriodOfActivity",
    "Barren",        "SignCaste",    "SignPosition",   "Constituent",      "LuckyDays",
    "BestDirection", "Physique",     "CompatibleWith", "NotCompatibleWith"};
constexpr std::string_view kClosedNakshatraFields[] = {
    "RullingPlanet", "AnimalSymbol", "Element",      "Nature",       "Gender",
    "PurposeInLife", "Dosha",        "Temperaments", "BestDirection"};

template <typename Records, typename Fields>
void ExpectEveryValueReads(const ScriptCase& script, const Records& records, const Fields& fields,
                           std::string_view name) {
  const auto field =
      std::find_if(fields.begin(), fields.end(), [name](const auto& f) { return f.Name == name; });
  ASSERT_NE(field, fields.end()) << name;
  std::set<std::string_view> english;
  std::set<std::string> words;
  for (const auto& record : records) {
    const std::string_view value = record.*(field->Member);
    const std::string word = CatalogueValueText(script.Which, value);
    english.insert(value);
    words.insert(word);
    // A list reads item by item, its commas kept.
    EXPECT_EQ(NotInScript(script, word), "") << name << " \"" << value << "\"";
  }
  EXPECT_EQ(words.size(), english.size()) << LanguageCode(script.Which) << " " << name;
}

TEST(CatalogueWords, EveryShortValueOfTheDataReads) {
  for (const ScriptCase& script : kScripts) {
    for (const std::string_view name : kClosedRashiFields) {
      ExpectEveryValueReads(script, kRashiCatalogue, kRashiFields, name);
    }
    for (const std::string_view name : kClosedNakshatraFields) {
      ExpectEveryValueReads(script, kNakshatraCatalogue, kNakshatraFields, name);
    }
  }
}

// Values the glossary already names take its words, whatever the catalogue's spelling.
struct GlossaryValueCase {
  std::string_view English;
  std::string_view (*Word)(const Glossary&);
};

constexpr GlossaryValueCase kGlossaryValues[] = {
    {"Mars", [](const Glossary& g) { return g.Grahas[2]; }},
    {"Ketu", [](const Glossary& g) { return g.Grahas[8]; }},
    {"Brahmana", [](const Glossary& g) { return g.Varnas[0]; }},
    {"Vaisya", [](const Glossary& g) { return g.Varnas[2]; }},
    {"Sudra", [](const Glossary& g) { return g.Varnas[3]; }},
    {"Manushya (Human)", [](const Glossary& g) { return g.Ganas[1]; }},
    {"Rakshasa (Demon)", [](const Glossary& g) { return g.Ganas[2]; }},
    {"Mongoose", [](const Glossary& g) { return g.YoniAnimals[12]; }},
    {"Scorpio", [](const Glossary& g) { return g.Rashis[7]; }},
};

TEST(CatalogueWords, GlossaryNamesTakeTheGlossarysWords) {
  for (const LanguageName& language : kLanguages) {
    for (const GlossaryValueCase& c : kGlossaryValues) {
      EXPECT_EQ(CatalogueValueWord(language.Which, c.English), c.Word(GlossaryOf(language.Which)))
          << language.Code << " " << c.English;
    }
  }
}

// A list reads item by item only when every item has a word; English and any other text
// stay as they are.
struct ListCase {
  Language Which;
  std::string_view English;
  std::vector<std::string_view> Items;  // the words of the items; empty: the text unchanged
};

TEST(CatalogueWords, ListsReadItemByItemOrStayWhole) {
  const std::vector<ListCase> cases = {
      {Language::Hindi, "Monday, Tuesday", {"Monday", "Tuesday"}},
      {Language::Tamil, "Leo, Sagittarius,Aries", {"Leo", "Sagittarius", "Aries"}},
      {Language::Tamil, "Thursday, Monday, Tuesday", {"Thursday", "Monday", "Tuesday"}},
      {Language::Hindi, "Red, Brown, Copper", {}},
      {Language::Tamil, "Monday, Coral", {}},
      {Language::Tamil, "Monday,", {}},
      {Language::Hindi, "9, 1", {}},
      {Language::Tamil, "The Lion", {}},
      {Language::Hindi, "Deva (Godly", {}},
      {Language::English, "Monday, Tuesday", {}},
      {Language::English, "Fire", {}},
      {Language::Tamil, "", {}},
  };
  for (const ListCase& c : cases) {
    std::string expected;
    for (const std::string_view item : c.Items) {
      const auto word = CatalogueValueWord(c.Which, item);
      ASSERT_TRUE(word.has_value()) << item;
      expected += (expected.empty() ? "" : ", ") + std::string(*word);
    }
    EXPECT_EQ(CatalogueValueText(c.Which, c.English),
              c.Items.empty() ? std::string(c.English) : expected)
        << LanguageCode(c.Which) << " \"" << c.English << "\"";
  }
  EXPECT_EQ(CatalogueValueWord(Language::Hindi, "Coral"), std::nullopt);
  EXPECT_EQ(CatalogueCaptionWord(Language::Hindi, "Coral"), std::nullopt);
  EXPECT_EQ(CatalogueCaptionWord(Language::Tamil, ": "), std::nullopt);
}

// The sign's and star's names read as the glossary writes them, found by the catalogue's
// spelling; the English name stays English; in English every field is as the data gives it.
TEST(CatalogueWords, NamesOfTheRecordsAreTheGlossarys) {
  for (const ScriptCase& script : kScripts) {
    for (std::size_t sign = 0; sign < kRashiCatalogue.size(); ++sign) {
      const RashiRecord& record = kRashiCatalogue[sign];
      EXPECT_EQ(CatalogueFieldText(script.Which, "IndianName", record.IndianName),
                RashiWord(script.Which, static_cast<int>(sign)))
          << record.IndianName;
      EXPECT_EQ(CatalogueFieldText(script.Which, "EnglishName", record.EnglishName),
                record.EnglishName);
      EXPECT_EQ(CatalogueFieldText(script.Which, "TypeOfSign", record.TypeOfSign),
                CatalogueValueText(script.Which, record.TypeOfSign));
    }
    for (std::size_t star = 0; star < kNakshatraCatalogue.size(); ++star) {
      const NakshatraRecord& record = kNakshatraCatalogue[star];
      EXPECT_EQ(CatalogueFieldText(script.Which, "NakshatraName", record.NakshatraName),
                NakshatraWord(script.Which, static_cast<int>(star)))
          << record.NakshatraName;
    }
  }
  for (const auto& [field, value] : std::vector<std::pair<std::string_view, std::string_view>>{
           {"IndianName", "Simha"},
           {"NakshatraName", "Ardra"},
           {"Gender", "Male"},
           {"LuckyDays", "Monday, Tuesday"}}) {
    EXPECT_EQ(CatalogueFieldText(Language::English, field, value), value);
  }
  // A name the catalogue does not know is shown as it is.
  EXPECT_EQ(CatalogueFieldText(Language::Hindi, "IndianName", "Ophiuchus"), "Ophiuchus");
}

struct GradeCase {
  double Total;
  MatchGrade Grade;
};

constexpr GradeCase kGrades[] = {
    {0.0, MatchGrade::Poor},       {17.5, MatchGrade::Poor},     {18.0, MatchGrade::Fair},
    {19.5, MatchGrade::Fair},      {20.0, MatchGrade::Good},     {24.5, MatchGrade::Good},
    {25.0, MatchGrade::VeryGood},  {32.5, MatchGrade::VeryGood}, {33.0, MatchGrade::Excellent},
    {36.0, MatchGrade::Excellent},
};

TEST(Glossary, VerdictOfEachGrade) {
  for (const GradeCase& c : kGrades) {
    EXPECT_EQ(GradeOfTotal(c.Total), c.Grade) << c.Total;
    EXPECT_EQ(MatchVerdictWord(Language::English, c.Grade), MatchVerdict(c.Total)) << c.Total;
  }
  EXPECT_EQ(MatchVerdictWord(Language::Tamil, MatchGrade::Good), "இது நல்ல பொருத்தம்");
}

// A position's sign is the language's; the figures stay as they are, and only a whole
// position is read as one.
TEST(Glossary, PositionsInEachLanguage) {
  const struct {
    std::string_view english;
    Language language;
    std::optional<std::string> words;
  } cases[] = {
      {"15\u00B0 37' 28\" Sag", Language::Tamil, "15\u00B0 37' 28\" தனு"},
      {"07 Sco 42", Language::Hindi, "07 वृश्चि 42"},
      {"00 Ari 00", Language::English, "00 Ari 00"},
      {"Sag", Language::Tamil, std::nullopt},
      {"Leo Ravi 12", Language::Hindi, std::nullopt},
      {"12 Leo Leo", Language::Hindi, std::nullopt},
      {"12  Leo", Language::Hindi, std::nullopt},
      {"Sagittarius (Dhanush)", Language::Tamil, std::nullopt},
      {"", Language::Tamil, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PositionTextIn(c.language, c.english), c.words) << c.english;
  }
  // What the core writes for any longitude reads back as the language's own position.
  for (const LanguageName& language : kLanguages) {
    for (double longitude = 0.25; longitude < 360.0; longitude += 7.3) {
      const ZodiacPosition position = ToZodiacPosition(longitude);
      EXPECT_EQ(PositionTextIn(language.Which, FormatZodiacPosition(position)),
                PositionWords(language.Which, position))
          << language.Code << " " << longitude;
      EXPECT_EQ(PositionTextIn(language.Which, FormatShortPosition(position)),
                ShortPositionWords(language.Which, position))
          << language.Code << " " << longitude;
    }
  }
}

}  // namespace
}  // namespace lumora
