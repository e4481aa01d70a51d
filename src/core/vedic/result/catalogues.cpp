// SPDX-License-Identifier: MIT
#include "core/vedic/result/nakshatra_catalogue.h"
#include "core/vedic/result/rashi_catalogue.h"

#include <string>

#include "core/text.h"

namespace lumora {

const std::array<RashiField, 27> kRashiFields{{
    {"IndianName", &RashiRecord::IndianName, "Vedic Name: "},
    {"EnglishName", &RashiRecord::EnglishName, "English Name: "},
    {"RullingPlanet", &RashiRecord::RullingPlanet, "Ruling Planet: "},
    {"Symbol", &RashiRecord::Symbol, "Symbol: "},
    {"InbornNature", &RashiRecord::InbornNature, "Inborn Nature: "},
    {"SignColor", &RashiRecord::SignColor, "Sign Color: "},
    {"TypeOfSign", &RashiRecord::TypeOfSign, "Type of Sign: "},
    {"Gender", &RashiRecord::Gender, "Gender: "},
    {"BestPeriodOfActivity", &RashiRecord::BestPeriodOfActivity, "Best Period of Activity: "},
    {"Barren", &RashiRecord::Barren, "Barren Fruitful: "},
    {"SignCaste", &RashiRecord::SignCaste, "Sign Caste: "},
    {"SignPosition", &RashiRecord::SignPosition, "Sign Position: "},
    {"Constituent", &RashiRecord::Constituent, "Constituent Character: "},
    {"LuckyDays", &RashiRecord::LuckyDays, "Lucky Days: "},
    {"LuckyNumbers", &RashiRecord::LuckyNumbers, "Lucky Numbers: "},
    {"BestDirection", &RashiRecord::BestDirection, "Best Direction: "},
    {"LuckyColors", &RashiRecord::LuckyColors, "Lucky Colors: "},
    {"LuckyGemstone", &RashiRecord::LuckyGemstone, "Lucky Gemstone: "},
    {"PartOfTheBody", &RashiRecord::PartOfTheBody, "Part Of The Body: "},
    {"Physique", &RashiRecord::Physique, "Physique: "},
    {"Looks", &RashiRecord::Looks, "Looks: "},
    {"Nature", &RashiRecord::Nature, "Nature: "},
    {"CareerAndFinance", &RashiRecord::CareerAndFinance, "Career And Finance: "},
    {"LoveAndDomesticLife", &RashiRecord::LoveAndDomesticLife, "Love And Domestic Life: "},
    {"Health", &RashiRecord::Health, "Health: "},
    {"CompatibleWith", &RashiRecord::CompatibleWith, "Compatible With: "},
    {"NotCompatibleWith", &RashiRecord::NotCompatibleWith, "Not Compatible With: "},
}};

const std::array<NakshatraField, 22> kNakshatraFields{{
    {"NakshatraName", &NakshatraRecord::NakshatraName, "Nakshatra: "},
    {"RullingDeva", &NakshatraRecord::RullingDeva, "Ruling Deva: "},
    {"PurposeOfTheDeva", &NakshatraRecord::PurposeOfTheDeva, "Purpose Of The Deva: "},
    {"RullingPlanet", &NakshatraRecord::RullingPlanet, "Ruling Planet: "},
    {"AnimalSymbol", &NakshatraRecord::AnimalSymbol, "Animal Symbol: "},
    {"Symbol", &NakshatraRecord::Symbol, "Symbol: "},
    {"AstronomicalName", &NakshatraRecord::AstronomicalName, "Astronomical Name: "},
    {"Element", &NakshatraRecord::Element, "Element: "},
    {"PartOfBody", &NakshatraRecord::PartOfBody, "Part Of Body: "},
    {"Nature", &NakshatraRecord::Nature, "Nature: "},
    {"Gender", &NakshatraRecord::Gender, "Gender: "},
    {"PurposeInLife", &NakshatraRecord::PurposeInLife, "Purpose In Life: "},
    {"Dosha", &NakshatraRecord::Dosha, "Dosha"},  // the value follows directly
    {"Temperaments", &NakshatraRecord::Temperaments, "Temperaments: "},
    {"BestDirection", &NakshatraRecord::BestDirection, "Best Direction: "},
    {"LuckyGemstone", &NakshatraRecord::LuckyGemstone, "Lucky Gemstone: "},
    {"GeneralAndPhysicalFeatures", &NakshatraRecord::GeneralAndPhysicalFeatures,
     "General And Physical Features: "},
    {"PositiveHumanTraits", &NakshatraRecord::PositiveHumanTraits, "Positive Human Traits: "},
    {"NegativeHumanTraits", &NakshatraRecord::NegativeHumanTraits, "Negative Human Traits: "},
    {"BestCareerOptions", &NakshatraRecord::BestCareerOptions, "Best Career Options: "},
    {"DomesticLife", &NakshatraRecord::DomesticLife, "Domestic Life: "},
    {"Health", &NakshatraRecord::Health, "Health: "},
}};

const RashiRecord* FindRashi(std::string_view english_name) {
  for (const RashiRecord& record : kRashiCatalogue) {
    if (record.EnglishName == english_name) {
      return &record;
    }
  }
  return nullptr;
}

const NakshatraRecord* FindNakshatraRecord(std::string_view name) {
  for (const NakshatraRecord& record : kNakshatraCatalogue) {
    if (record.NakshatraName == name) {
      return &record;
    }
  }
  return nullptr;
}

namespace {

struct OtherSpelling {
  std::string_view Spelling;
  std::size_t Position;  // in the catalogue
};

// Other spellings in common use: the Sanskrit names are transliterated in several ways
// (with or without a final vowel, v or w, sh or s), and South Indian almanacs use Tamil
// and Malayalam forms. The Moon ephemeris of this program writes "Vrishcika" and
// "Dhanush" beside the English sign names.
constexpr OtherSpelling kRashiSpellings[] = {
    {"Mesh", 0},    {"Vrishabh", 1},  {"Vrushabha", 1},  {"Mithun", 2},  {"Karka", 3},
    {"Karkata", 3}, {"Kark", 3},      {"Simh", 4},       {"Kanni", 5},   {"Tula", 6},
    {"Thulam", 6},  {"Vrishcika", 7}, {"Vrishchika", 7}, {"Dhanush", 8}, {"Dhanu", 8},
    {"Dhanus", 8},  {"Makar", 9},     {"Kumbh", 10},     {"Meen", 11},   {"Mina", 11},
};

constexpr OtherSpelling kNakshatraSpellings[] = {
    {"Ashvini", 0},         {"Aswini", 0},           {"Bharni", 1},
    {"Kritika", 2},         {"Krithika", 2},         {"Mrigashira", 4},
    {"Mrigashirsha", 4},    {"Mrigasheersha", 4},    {"Arudra", 5},
    {"Thiruvathira", 5},    {"Punarvasam", 6},       {"Pushyami", 7},
    {"Poosam", 7},          {"Aslesha", 8},          {"Ashlesa", 8},
    {"Makha", 9},           {"Purva Phalguni", 10},  {"Pubba", 10},
    {"Uttaraphalguni", 11}, {"Uttara Phalguna", 11}, {"Hastha", 12},
    {"Chithra", 13},        {"Chitta", 13},          {"Svati", 14},
    {"Swathi", 14},         {"Visakha", 15},         {"Vishaka", 15},
    {"Anusham", 16},        {"Jyeshta", 17},         {"Jyestha", 17},
    {"Mula", 18},           {"Moolam", 18},          {"Poorva Ashadha", 19},
    {"Purvashada", 19},     {"Uttarashada", 20},     {"Uttara Asadha", 20},
    {"Sravana", 21},        {"Shravan", 21},         {"Thiruvonam", 21},
    {"Dhanishta", 22},      {"Dhanishtha", 22},      {"Shatabhishak", 23},
    {"Satabhisha", 23},     {"Sathayam", 23},        {"Purva Bhadrapada", 24},
    {"Purvabhadra", 24},    {"Uttarabhadra", 25},    {"Uttara Bhadra", 25},
    {"Revathi", 26},
};

}  // namespace

std::optional<std::size_t> FindRashiByAnyName(std::string_view name) {
  const std::string key = FoldedKey(name);
  if (key.empty()) {
    return std::nullopt;
  }
  for (std::size_t i = 0; i < kRashiCatalogue.size(); ++i) {
    if (FoldedKey(kRashiCatalogue[i].EnglishName) == key ||
        FoldedKey(kRashiCatalogue[i].IndianName) == key) {
      return i;
    }
  }
  for (const OtherSpelling& other : kRashiSpellings) {
    if (FoldedKey(other.Spelling) == key) {
      return other.Position;
    }
  }
  return std::nullopt;
}

std::optional<std::size_t> FindNakshatraByAnyName(std::string_view name) {
  const std::string key = FoldedKey(name);
  if (key.empty()) {
    return std::nullopt;
  }
  for (std::size_t i = 0; i < kNakshatraCatalogue.size(); ++i) {
    if (FoldedKey(kNakshatraCatalogue[i].NakshatraName) == key) {
      return i;
    }
  }
  for (const OtherSpelling& other : kNakshatraSpellings) {
    if (FoldedKey(other.Spelling) == key) {
      return other.Position;
    }
  }
  return std::nullopt;
}

const std::vector<CataloguePageField>& RashiHeaderFields() {
  static const std::vector<CataloguePageField> fields = {
      {"English Name", "EnglishName"},   {"Ruling Planet", "RullingPlanet"}, {"Symbol", "Symbol"},
      {"Inborn Nature", "InbornNature"}, {"Sign Color", "SignColor"},
  };
  return fields;
}

const std::vector<CataloguePage>& RashiPages() {
  static const std::vector<CataloguePage> pages = {
      {"Sign Characteristics",
       {{"Type Of Sign", "TypeOfSign"},
        {"Gender", "Gender"},
        {"Barren / Fruitful", "Barren"},
        {"Sign Caste", "SignCaste"},
        {"Sign Position", "SignPosition"},
        {"Constituent Character", "Constituent"},
        {"Part Of The Body", "PartOfTheBody"}}},
      {"Physique And Looks", {{"Physique", "Physique"}, {"Look", "Looks"}}},
      {"Human Nature", {{"Nature", "Nature"}}},
      {"Career And Finance", {{"Career And Finance", "CareerAndFinance"}}},
      {"Love And Compatibility",
       {{"Love And Domestic", "LoveAndDomesticLife"},
        {"Compatible With", "CompatibleWith"},
        {"Not Compatible With", "NotCompatibleWith"}}},
      {"Health", {{"Health", "Health"}}},
      {"Lucky for Rashi",
       {{"Lucky Days", "LuckyDays"},
        {"Lucky Numbers", "LuckyNumbers"},
        {"Best Direction", "BestDirection"},
        {"Lucky Colors", "LuckyColors"},
        {"Lucky Gemstone", "LuckyGemstone"},
        {"Best Period Of Activity", "BestPeriodOfActivity"}}},
      {"About Software", {}},
  };
  return pages;
}

const std::vector<CataloguePageField>& NakshatraHeaderFields() {
  static const std::vector<CataloguePageField> fields = {
      {"Ruling Planet", "RullingPlanet"},
      {"Symbol", "Symbol"},
      {"Animal Symbol", "AnimalSymbol"},
      {"Astronomical Name", "AstronomicalName"},
  };
  return fields;
}

const std::vector<CataloguePage>& NakshatraPages() {
  static const std::vector<CataloguePage> pages = {
      {"More About Nakshatra",
       {{"Nature Of Nakshatra", "Nature"},
        {"Name Of Ruling Deva/Demi God", "RullingDeva"},
        {"Purpose Of The Deva", "PurposeOfTheDeva"},
        {"Element / Tatthwa", "Element"},
        {"Part Of Body", "PartOfBody"},
        {"Dosha", "Dosha"},
        {"Gender", "Gender"},
        {"Purpose In Life", "PurposeInLife"},
        {"Temperaments", "Temperaments"},
        {"Best Direction", "BestDirection"},
        {"Lucky Gemstone", "LuckyGemstone"}}},
      {"General And Physical Features",
       {{"General And Physical Features", "GeneralAndPhysicalFeatures"}}},
      {"Positive Human Traits", {{"Positive Human Traits", "PositiveHumanTraits"}}},
      {"Negative Human Traits", {{"Negative Human Traits", "NegativeHumanTraits"}}},
      {"Career And Health And Domestic",
       {{"Best Career Options", "BestCareerOptions"},
        {"Domestic Life", "DomesticLife"},
        {"Health", "Health"}}},
      {"About Software", {}},
  };
  return pages;
}

}  // namespace lumora
