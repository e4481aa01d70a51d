// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "core/vedic/result/rashi_catalogue.h"

namespace lumora {

// The descriptive record of one nakshatra; NakshatraName is the lookup key and the
// page heading.
struct NakshatraRecord {
  std::string_view NakshatraName;
  std::string_view RullingDeva;
  std::string_view PurposeOfTheDeva;
  std::string_view RullingPlanet;
  std::string_view AnimalSymbol;
  std::string_view Symbol;
  std::string_view AstronomicalName;
  std::string_view Element;
  std::string_view PartOfBody;
  std::string_view Nature;
  std::string_view Gender;
  std::string_view PurposeInLife;
  std::string_view Dosha;
  std::string_view Temperaments;
  std::string_view BestDirection;
  std::string_view LuckyGemstone;
  std::string_view GeneralAndPhysicalFeatures;
  std::string_view PositiveHumanTraits;
  std::string_view NegativeHumanTraits;
  std::string_view BestCareerOptions;
  std::string_view DomesticLife;
  std::string_view Health;
};

extern const std::array<NakshatraRecord, 27> kNakshatraCatalogue;

const NakshatraRecord* FindNakshatraRecord(std::string_view name);

// The catalogue position of the nakshatra a person names: the catalogue's spelling or
// a common other one ("Mula", "Svati", "Purva Phalguni"), in any letter case, spaces
// and hyphens ignored.
std::optional<std::size_t> FindNakshatraByAnyName(std::string_view name);

struct NakshatraField {
  std::string_view Name;
  std::string_view NakshatraRecord::*Member;
  std::string_view Label;
};

// All 22 fields in record order, which is also the order of the exported document.
extern const std::array<NakshatraField, 22> kNakshatraFields;

const std::vector<CataloguePageField>& NakshatraHeaderFields();
const std::vector<CataloguePage>& NakshatraPages();

}  // namespace lumora
