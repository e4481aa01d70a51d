// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace lumora {

// The descriptive record of one Moon sign. Field names are those of the result
// window's boxes; IndianName is shown as the page heading.
struct RashiRecord {
  std::string_view IndianName;
  std::string_view EnglishName;  // the lookup key
  std::string_view RullingPlanet;
  std::string_view Symbol;
  std::string_view InbornNature;
  std::string_view SignColor;
  std::string_view TypeOfSign;
  std::string_view Gender;
  std::string_view BestPeriodOfActivity;
  std::string_view Barren;
  std::string_view SignCaste;
  std::string_view SignPosition;
  std::string_view Constituent;
  std::string_view LuckyDays;
  std::string_view LuckyNumbers;
  std::string_view BestDirection;
  std::string_view LuckyColors;
  std::string_view LuckyGemstone;
  std::string_view PartOfTheBody;
  std::string_view Physique;
  std::string_view Looks;
  std::string_view Nature;
  std::string_view CareerAndFinance;
  std::string_view LoveAndDomesticLife;
  std::string_view Health;
  std::string_view CompatibleWith;
  std::string_view NotCompatibleWith;
};

extern const std::array<RashiRecord, 12> kRashiCatalogue;

// The record whose EnglishName equals the name exactly; nullptr for any other name.
const RashiRecord* FindRashi(std::string_view english_name);

// The catalogue position of the rashi a person names: its English or Indian name, or a
// common other spelling ("Vrishcika", "Dhanush"), in any letter case, spaces and
// hyphens ignored.
std::optional<std::size_t> FindRashiByAnyName(std::string_view name);

// A named field of a record, in record order; Label is how exported documents
// introduce it.
struct RashiField {
  std::string_view Name;
  std::string_view RashiRecord::*Member;
  std::string_view Label;
};

// All 27 fields in record order, which is also the order of the exported document.
extern const std::array<RashiField, 27> kRashiFields;

// One page of the rashi tab strip: its caption and the fields it shows, each with
// the caption beside its box. The last page ("About Software") shows no field.
struct CataloguePageField {
  std::string_view Caption;
  std::string_view Name;
};
struct CataloguePage {
  std::string_view Caption;
  std::vector<CataloguePageField> Fields;
};

// The five fields always visible above the tab strip, and the eight pages.
const std::vector<CataloguePageField>& RashiHeaderFields();
const std::vector<CataloguePage>& RashiPages();

}  // namespace lumora
