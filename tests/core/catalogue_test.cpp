// SPDX-License-Identifier: MIT
// The rashi and nakshatra catalogues: the fields classical rules decide, by those rules;
// agreement with the koota tables and the dasha lords; a fingerprint of the short fields
// and the length of the prose; and the pages of the result window that show them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/ephemeris/zodiac.h"
#include "core/vedic/match/classical_tables.h"
#include "core/vedic/result/nakshatra_catalogue.h"
#include "core/vedic/result/rashi_catalogue.h"
#include "core/vedic/timing/vimshottari.h"
#include "table_reader.h"

namespace lumora {
namespace {

constexpr std::string_view kRashiPageTable = R"tbl(
| Tab | Caption | Fields (caption: text box suffix) |
| 1 | "Sign Characteristics" | "Type Of Sign": `TypeOfSign`; "Gender": `Gender`; "Barren / Fruitful": `Barren`; "Sign Caste": `SignCaste`; "Sign Position": `SignPosition`; "Constituent Character": `Constituent`; "Part Of The Body": `PartOfTheBody` |
| 2 | "Physique And Looks" | "Physique": `Physique`; "Look": `Looks` |
| 3 | "Human Nature" | "Nature": `Nature` |
| 4 | "Career And Finance" | "Career And Finance": `CareerAndFinance` |
| 5 | "Love And Compatibility" | "Love And Domestic": `LoveAndDomesticLife`; "Compatible With": `CompatibleWith`; "Not Compatible With": `NotCompatibleWith` |
| 6 | "Health" | "Health": `Health` |
| 7 | "Lucky for Rashi" | "Lucky Days": `LuckyDays`; "Lucky Numbers": `LuckyNumbers`; "Best Direction": `BestDirection`; "Lucky Colors": `LuckyColors`; "Lucky Gemstone": `LuckyGemstone`; "Best Period Of Activity": `BestPeriodOfActivity` |
| 8 | "About Software" | the product description and links |
)tbl";

constexpr std::string_view kNakshatraPageTable = R"tbl(
| Tab | Caption | Fields (caption: text box suffix) |
| 1 | "More About Nakshatra" | "Nature Of Nakshatra": `Nature`; "Name Of Ruling Deva/Demi God": `RullingDeva`; "Purpose Of The Deva": `PurposeOfTheDeva`; "Element / Tatthwa": `Element`; "Part Of Body": `PartOfBody`; "Dosha": `Dosha`; "Gender": `Gender`; "Purpose In Life": `PurposeInLife`; "Temperaments": `Temperaments`; "Best Direction": `BestDirection`; "Lucky Gemstone": `LuckyGemstone` |
| 2 | "General And Physical Features" | "General And Physical Features": `GeneralAndPhysicalFeatures` |
| 3 | "Positive Human Traits" | "Positive Human Traits": `PositiveHumanTraits` |
| 4 | "Negative Human Traits" | "Negative Human Traits": `NegativeHumanTraits` |
| 5 | "Career And Health And Domestic" | "Best Career Options": `BestCareerOptions`; "Domestic Life": `DomesticLife`; "Health": `Health` |
| 6 | "About Software" | the product description and links |
)tbl";

std::vector<std::vector<std::string>> Rows(std::string_view table) {
  return testing::TableRows(table);
}

std::string Unquoted(const std::string& cell) {
  EXPECT_TRUE(cell.size() >= 2 && cell.front() == '"' && cell.back() == '"') << cell;
  return cell.substr(1, cell.size() - 2);
}

std::string_view RashiField(const RashiRecord& record, std::string_view name) {
  for (const auto& field : kRashiFields) {
    if (field.Name == name)
      return record.*field.Member;
  }
  ADD_FAILURE() << "no rashi field " << name;
  return {};
}

std::string_view NakshatraField(const NakshatraRecord& record, std::string_view name) {
  for (const auto& field : kNakshatraFields) {
    if (field.Name == name)
      return record.*field.Member;
  }
  ADD_FAILURE() << "no nakshatra field " << name;
  return {};
}

bool PlainAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) {
    const auto code = static_cast<unsigned char>(c);
    return code >= 32 && code <= 126;
  });
}

TEST(RashiCatalogue, TwelveRecordsInSignOrder) {
  ASSERT_EQ(kRashiCatalogue.size(), 12u);
  for (std::size_t i = 0; i < 12; ++i) {
    EXPECT_EQ(kRashiCatalogue[i].EnglishName, kSignNames[i]);
    EXPECT_EQ(FindRashi(kSignNames[i]), &kRashiCatalogue[i]);
  }
}

TEST(NakshatraCatalogue, TwentySevenRecordsInNakshatraOrder) {
  ASSERT_EQ(kNakshatraCatalogue.size(), 27u);
  for (std::size_t i = 0; i < 27; ++i) {
    EXPECT_EQ(kNakshatraCatalogue[i].NakshatraName, kNakshatraNames[i]);
    EXPECT_EQ(FindNakshatraRecord(kNakshatraNames[i]), &kNakshatraCatalogue[i]);
  }
}

TEST(Catalogues, FieldNamesInRecordOrder) {
  const std::vector<std::string_view> rashi = {
      "IndianName",    "EnglishName",      "RullingPlanet",
      "Symbol",        "InbornNature",     "SignColor",
      "TypeOfSign",    "Gender",           "BestPeriodOfActivity",
      "Barren",        "SignCaste",        "SignPosition",
      "Constituent",   "LuckyDays",        "LuckyNumbers",
      "BestDirection", "LuckyColors",      "LuckyGemstone",
      "PartOfTheBody", "Physique",         "Looks",
      "Nature",        "CareerAndFinance", "LoveAndDomesticLife",
      "Health",        "CompatibleWith",   "NotCompatibleWith"};
  const std::vector<std::string_view> nakshatra = {"NakshatraName",
                                                   "RullingDeva",
                                                   "PurposeOfTheDeva",
                                                   "RullingPlanet",
                                                   "AnimalSymbol",
                                                   "Symbol",
                                                   "AstronomicalName",
                                                   "Element",
                                                   "PartOfBody",
                                                   "Nature",
                                                   "Gender",
                                                   "PurposeInLife",
                                                   "Dosha",
                                                   "Temperaments",
                                                   "BestDirection",
                                                   "LuckyGemstone",
                                                   "GeneralAndPhysicalFeatures",
                                                   "PositiveHumanTraits",
                                                   "NegativeHumanTraits",
                                                   "BestCareerOptions",
                                                   "DomesticLife",
                                                   "Health"};
  ASSERT_EQ(kRashiFields.size(), rashi.size());
  for (std::size_t i = 0; i < rashi.size(); ++i)
    EXPECT_EQ(kRashiFields[i].Name, rashi[i]);
  ASSERT_EQ(kNakshatraFields.size(), nakshatra.size());
  for (std::size_t i = 0; i < nakshatra.size(); ++i) {
    EXPECT_EQ(kNakshatraFields[i].Name, nakshatra[i]);
  }
}

TEST(Catalogues, NoEmptyFieldAndOnlyPlainAscii) {
  for (const RashiRecord& record : kRashiCatalogue) {
    for (const auto& field : kRashiFields) {
      const std::string_view value = record.*field.Member;
      EXPECT_FALSE(value.empty()) << record.EnglishName << " " << field.Name;
      EXPECT_TRUE(PlainAscii(value)) << record.EnglishName << " " << field.Name;
    }
  }
  for (const NakshatraRecord& record : kNakshatraCatalogue) {
    for (const auto& field : kNakshatraFields) {
      const std::string_view value = record.*field.Member;
      EXPECT_FALSE(value.empty()) << record.NakshatraName << " " << field.Name;
      EXPECT_TRUE(PlainAscii(value)) << record.NakshatraName << " " << field.Name;
    }
  }
}

// The fields that classical rules decide, by those rules: a sign's element, quality,
// position and constituent cycle with the zodiac (fire, earth, air, water; movable,
// fixed, dual), its best direction with its element; a nakshatra's lord is its
// Vimshottari lord, its direction its place in the Kurma chakra (three nakshatras to a
// direction, from Revati in the north-east); each lucky gemstone is the gem of the
// ruling planet (the navaratna).
struct Cycle {
  std::string_view Field;
  std::vector<std::string_view> Values;  // the value of index i is Values[i % size]
  int Offset = 0;                        // added to the index first
  int Span = 1;                          // consecutive indices sharing a value
};

template <typename Record, typename FieldOf>
void ExpectCycles(const std::vector<Cycle>& cycles, const Record* records, int count,
                  FieldOf field_of) {
  for (const Cycle& cycle : cycles) {
    SCOPED_TRACE(cycle.Field);
    for (int i = 0; i < count; ++i) {
      const std::size_t at =
          static_cast<std::size_t>(((i + cycle.Offset) % count) / cycle.Span) % cycle.Values.size();
      EXPECT_EQ(field_of(records[i], cycle.Field), cycle.Values[at]) << "record " << i;
    }
  }
}

std::string_view GemOf(std::string_view planet) {
  static const std::map<std::string_view, std::string_view> kNavaratna = {
      {"Sun", "Ruby"},
      {"Moon", "White Pearl"},
      {"Mars", "Red Coral"},
      {"Mercury", "Emerald"},
      {"Jupiter", "Yellow Sapphire"},
      {"Venus", "Diamond"},
      {"Saturn", "Blue Sapphire"},
      {"Rahu", "Gomeda"},
      {"Ketu", "Cat's Eye"}};
  const auto found = kNavaratna.find(planet);
  return found == kNavaratna.end() ? std::string_view() : found->second;
}

bool EndsWith(std::string_view text, std::string_view tail) {
  return !tail.empty() && text.size() >= tail.size() &&
         text.substr(text.size() - tail.size()) == tail;
}

TEST(RashiCatalogue, FieldsFollowTheZodiacsCycles) {
  const std::vector<Cycle> cycles = {
      {"InbornNature", {"Fire", "Earth", "Air", "Water"}},
      {"BestDirection", {"East", "South", "West", "North"}},
      {"TypeOfSign", {"Movable", "Fixed", "Mixed"}},
      {"SignPosition", {"Dwara", "Bahya", "Garbha"}},
      {"Constituent", {"Mineral (Dhatu)", "Vegetable (Moola)", "Animal (Jeeva)"}},
  };
  ExpectCycles(cycles, kRashiCatalogue.data(), 12, RashiField);
  for (const RashiRecord& record : kRashiCatalogue) {
    // A sign's gem is its lord's: "Coral" for Mars's "Red Coral", "Pearl" for the Moon's.
    EXPECT_TRUE(EndsWith(GemOf(record.RullingPlanet), record.LuckyGemstone))
        << record.EnglishName << ": " << record.LuckyGemstone;
  }
}

TEST(NakshatraCatalogue, FieldsFollowTheNakshatrasCycles) {
  std::vector<std::string_view> lords;
  for (const VimshottariLord& lord : kVimshottari) {
    lords.push_back(DashaLordName(lord.Lord));
  }
  const std::vector<Cycle> cycles = {
      {"RullingPlanet", lords},
      {"BestDirection",
       {"North-East", "Central", "East", "South-East", "South", "South-West", "West", "North-West",
        "North"},
       1,
       3},
  };
  ExpectCycles(cycles, kNakshatraCatalogue.data(), 27, NakshatraField);
  for (const NakshatraRecord& record : kNakshatraCatalogue) {
    EXPECT_TRUE(EndsWith(GemOf(record.RullingPlanet), record.LuckyGemstone))
        << record.NakshatraName << ": " << record.LuckyGemstone;
  }
}

// FNV-1a (64 bits) of the short fields, each followed by a zero byte, record by record in
// field order: a fingerprint of the texts the catalogues were entered with, so that an
// edit anywhere shows. The prose is measured by its lengths below.
std::uint64_t Fingerprint(std::uint64_t hash, std::string_view text) {
  for (const char c : text) {
    hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
  }
  return hash * 0x100000001b3ULL;  // the zero byte: hash ^ 0 is hash
}

constexpr std::uint64_t kFnvOffset = 0xcbf29ce484222325ULL;

const std::set<std::string_view> kRashiProseFields = {"Looks", "Nature", "CareerAndFinance",
                                                      "LoveAndDomesticLife", "Health"};
const std::set<std::string_view> kNakshatraProseFields = {
    "GeneralAndPhysicalFeatures", "PositiveHumanTraits", "NegativeHumanTraits",
    "BestCareerOptions",          "DomesticLife",        "Health"};

template <typename Catalogue, typename Fields>
std::uint64_t ShortFieldsFingerprint(const Catalogue& catalogue, const Fields& fields,
                                     const std::set<std::string_view>& prose) {
  std::uint64_t hash = kFnvOffset;
  for (const auto& record : catalogue) {
    for (const auto& field : fields) {
      if (!prose.contains(field.Name)) {
        hash = Fingerprint(hash, record.*field.Member);
      }
    }
  }
  return hash;
}

TEST(Catalogues, ShortFieldsAsEntered) {
  EXPECT_EQ(ShortFieldsFingerprint(kRashiCatalogue, kRashiFields, kRashiProseFields),
            0xd1ea43f07bc514f6ULL);
  EXPECT_EQ(ShortFieldsFingerprint(kNakshatraCatalogue, kNakshatraFields, kNakshatraProseFields),
            0xb4b0129925bd1ee4ULL);
}

// The prose of each field over all records, in characters, as the texts were measured
// when they were entered; every piece is a sentence or more.
TEST(Catalogues, ProseLengthsByField) {
  struct Case {
    std::string_view field;
    std::size_t characters;
  };
  const Case rashi[] = {{"Looks", 2002},
                        {"Nature", 8556},
                        {"CareerAndFinance", 2457},
                        {"LoveAndDomesticLife", 2808},
                        {"Health", 1423}};
  const Case nakshatra[] = {{"GeneralAndPhysicalFeatures", 10848},
                            {"PositiveHumanTraits", 20206},
                            {"NegativeHumanTraits", 16169},
                            {"BestCareerOptions", 3589},
                            {"DomesticLife", 3188},
                            {"Health", 3214}};
  auto sentences = [](std::string_view text) {
    return !text.empty() && std::isupper(static_cast<unsigned char>(text.front())) &&
           (text.back() == '.' || text.back() == '!');
  };
  for (const Case& c : rashi) {
    std::size_t total = 0;
    for (const RashiRecord& record : kRashiCatalogue) {
      total += RashiField(record, c.field).size();
      EXPECT_TRUE(sentences(RashiField(record, c.field))) << record.EnglishName << " " << c.field;
    }
    EXPECT_EQ(total, c.characters) << c.field;
  }
  for (const Case& c : nakshatra) {
    std::size_t total = 0;
    for (const NakshatraRecord& record : kNakshatraCatalogue) {
      total += NakshatraField(record, c.field).size();
      EXPECT_TRUE(sentences(NakshatraField(record, c.field)))
          << record.NakshatraName << " " << c.field;
    }
    EXPECT_EQ(total, c.characters) << c.field;
  }
}

TEST(Catalogues, CalledOutFields) {
  const RashiRecord* leo = FindRashi("Leo");
  ASSERT_NE(leo, nullptr);
  EXPECT_EQ(leo->IndianName, "Simha");
  EXPECT_EQ(leo->PartOfTheBody, "Heart & Stomach");
  EXPECT_EQ(leo->CompatibleWith, "Libra, Sagittarius, Aquarius, Aries, Gemini");
  const NakshatraRecord* moola = FindNakshatraRecord("Moola");
  ASSERT_NE(moola, nullptr);
  EXPECT_EQ(moola->RullingPlanet, "Ketu");
  EXPECT_EQ(moola->AnimalSymbol, "Dog");
  EXPECT_EQ(moola->Element, "Vayu (Air)");
  const NakshatraRecord* krittika = FindNakshatraRecord("Krittika");
  ASSERT_NE(krittika, nullptr);
  EXPECT_EQ(krittika->PositiveHumanTraits.size(), 1197u);
  EXPECT_EQ(krittika->PositiveHumanTraits.substr(0, 19), "Krittikas also have");
}

TEST(Catalogues, OtherNamesFindNothing) {
  for (const char* name : {"Leo (Simha)", "leo", "Leo ", "Simha", ""}) {
    EXPECT_EQ(FindRashi(name), nullptr) << name;
  }
  for (const char* name : {"Mula", "moola", "Moola ", "Purva Bhadrapada", "Dhanishta", ""}) {
    EXPECT_EQ(FindNakshatraRecord(name), nullptr) << name;
  }
}

TEST(Catalogues, AnyNameFindsTheRecord) {
  struct Case {
    const char* name;
    std::optional<std::size_t> rashi;
    std::optional<std::size_t> nakshatra;
  };
  const Case cases[] = {
      {"Leo", 4, std::nullopt},
      {"leo", 4, std::nullopt},        // any letter case
      {"SIMHA", 4, std::nullopt},      // the Indian name
      {"Vrishcika", 7, std::nullopt},  // as the Moon ephemeris writes it
      {"Vrischika", 7, std::nullopt},  // as the catalogue writes it
      {"Capricorn ", 9, std::nullopt},
      {"Moola", std::nullopt, 18},
      {"Mula", std::nullopt, 18},
      {"purva bhadrapada", std::nullopt, 24},
      {"Poorva-Phalguni", std::nullopt, 10},
      {"Dhanishta", std::nullopt, 22},
      {"Svati", std::nullopt, 14},
      {"Leo (Simha)", std::nullopt, std::nullopt},
      {"", std::nullopt, std::nullopt},
      {"  ", std::nullopt, std::nullopt},
      {"Ophiuchus", std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FindRashiByAnyName(c.name), c.rashi) << c.name;
    EXPECT_EQ(FindNakshatraByAnyName(c.name), c.nakshatra) << c.name;
  }
  // Every catalogue name finds its own record.
  for (std::size_t i = 0; i < kRashiCatalogue.size(); ++i) {
    EXPECT_EQ(FindRashiByAnyName(kRashiCatalogue[i].IndianName), i);
  }
  for (std::size_t i = 0; i < kNakshatraCatalogue.size(); ++i) {
    EXPECT_EQ(FindNakshatraByAnyName(kNakshatraCatalogue[i].NakshatraName), i);
  }
}

// The pages of a tab strip as the reference lists them: caption, then the fields
// as "caption": `Name` pairs.
std::vector<CataloguePage> ReferencePages(std::string_view table) {
  static std::deque<std::string> texts;  // owns the texts the pages' views point into
  auto keep = [](std::string text) -> std::string_view {
    return texts.emplace_back(std::move(text));
  };
  std::vector<CataloguePage> pages;
  const auto rows = Rows(table);
  for (std::size_t r = 1; r < rows.size(); ++r) {
    CataloguePage page{keep(Unquoted(rows[r][1])), {}};
    const std::string& fields = rows[r][2];
    std::size_t at = fields.find('"');
    while (at != std::string::npos) {
      const std::size_t caption_end = fields.find('"', at + 1);
      const std::size_t name_start = fields.find('`', caption_end) + 1;
      const std::size_t name_end = fields.find('`', name_start);
      const std::string_view caption = keep(fields.substr(at + 1, caption_end - at - 1));
      page.Fields.push_back({caption, keep(fields.substr(name_start, name_end - name_start))});
      at = fields.find('"', name_end + 1);
    }
    pages.push_back(page);
  }
  return pages;
}

void ExpectPages(const std::vector<CataloguePage>& actual, std::string_view table,
                 std::size_t count) {
  const std::vector<CataloguePage> expected = ReferencePages(table);
  ASSERT_EQ(expected.size(), count);
  ASSERT_EQ(actual.size(), count);
  for (std::size_t p = 0; p < count; ++p) {
    SCOPED_TRACE(expected[p].Caption);
    EXPECT_EQ(actual[p].Caption, expected[p].Caption);
    ASSERT_EQ(actual[p].Fields.size(), expected[p].Fields.size());
    for (std::size_t f = 0; f < expected[p].Fields.size(); ++f) {
      EXPECT_EQ(actual[p].Fields[f].Caption, expected[p].Fields[f].Caption);
      EXPECT_EQ(actual[p].Fields[f].Name, expected[p].Fields[f].Name);
    }
  }
  EXPECT_TRUE(actual.back().Fields.empty());  // "About Software" shows no field
}

TEST(CataloguePages, RashiTabStrip) {
  ExpectPages(RashiPages(), kRashiPageTable, 8);
  const std::vector<std::pair<std::string_view, std::string_view>> header = {
      {"English Name", "EnglishName"},
      {"Ruling Planet", "RullingPlanet"},
      {"Symbol", "Symbol"},
      {"Inborn Nature", "InbornNature"},
      {"Sign Color", "SignColor"}};
  ASSERT_EQ(RashiHeaderFields().size(), header.size());
  for (std::size_t i = 0; i < header.size(); ++i) {
    EXPECT_EQ(RashiHeaderFields()[i].Caption, header[i].first);
    EXPECT_EQ(RashiHeaderFields()[i].Name, header[i].second);
  }
}

TEST(CataloguePages, NakshatraTabStrip) {
  ExpectPages(NakshatraPages(), kNakshatraPageTable, 6);
  const std::vector<std::pair<std::string_view, std::string_view>> header = {
      {"Ruling Planet", "RullingPlanet"},
      {"Symbol", "Symbol"},
      {"Animal Symbol", "AnimalSymbol"},
      {"Astronomical Name", "AstronomicalName"}};
  ASSERT_EQ(NakshatraHeaderFields().size(), header.size());
  for (std::size_t i = 0; i < header.size(); ++i) {
    EXPECT_EQ(NakshatraHeaderFields()[i].Caption, header[i].first);
    EXPECT_EQ(NakshatraHeaderFields()[i].Name, header[i].second);
  }
}

// Every field but the heading is shown exactly once: above the tab strip or on a page.
template <typename Fields>
void ExpectEachFieldShownOnce(const Fields& fields, std::string_view heading,
                              const std::vector<CataloguePageField>& header,
                              const std::vector<CataloguePage>& pages) {
  std::map<std::string_view, int> shown;
  for (const auto& f : header)
    ++shown[f.Name];
  for (const auto& page : pages) {
    for (const auto& f : page.Fields)
      ++shown[f.Name];
  }
  for (const auto& field : fields) {
    EXPECT_EQ(shown[field.Name], field.Name == heading ? 0 : 1) << field.Name;
  }
  EXPECT_EQ(shown.size(), fields.size()) << "a page shows a field the record lacks";
}

TEST(CataloguePages, EveryFieldShownExactlyOnce) {
  ExpectEachFieldShownOnce(kRashiFields, "IndianName", RashiHeaderFields(), RashiPages());
  ExpectEachFieldShownOnce(kNakshatraFields, "NakshatraName", NakshatraHeaderFields(),
                           NakshatraPages());
}

// The catalogue pages say what the Guna Milan grid scores: each nakshatra's animal,
// temperament (gana) and dosha (nadi), and each sign's ruling planet and caste (varna),
// as the koota tables have them.
TEST(Catalogues, AgreeWithTheKootaTables) {
  constexpr std::array<std::string_view, kGanaCount> kTemperaments = {
      "Deva (Godly)", "Manushya (Human)", "Rakshasa (Demon)"};
  constexpr std::array<std::string_view, kNadiCount> kDoshas = {"Vata", "Pitta", "Kapha"};
  constexpr std::array<std::string_view, kVarnaCount> kCastes = {"Brahmana", "Kshatriya", "Vaisya",
                                                                 "Sudra"};
  for (int n = 0; n < 27; ++n) {
    const NakshatraRecord& record = kNakshatraCatalogue[static_cast<std::size_t>(n)];
    SCOPED_TRACE(record.NakshatraName);
    EXPECT_EQ(record.AnimalSymbol, YoniAnimalName(YoniOf(n).Animal));
    EXPECT_EQ(record.Temperaments, kTemperaments[static_cast<std::size_t>(GanaOf(n))]);
    EXPECT_EQ(record.Dosha, kDoshas[static_cast<std::size_t>(NadiOf(n))]);
  }
  for (int s = 0; s < 12; ++s) {
    const RashiRecord* record = FindRashi(kSignNames[static_cast<std::size_t>(s)]);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->RullingPlanet, PlanetName(SignLord(s)))
        << kSignNames[static_cast<std::size_t>(s)];
    EXPECT_EQ(record->SignCaste, kCastes[static_cast<std::size_t>(SignVarna(s))])
        << kSignNames[static_cast<std::size_t>(s)];
  }
}

}  // namespace
}  // namespace lumora
