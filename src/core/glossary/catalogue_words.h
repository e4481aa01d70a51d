// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/glossary/language.h"

namespace lumora {

// The words of the rashi and nakshatra catalogue pages in Hindi and Tamil: the captions of
// the pages and of their fields, and the short values that come from a closed list (the
// type of a sign, its gender, element, caste and position, days, directions, the dosha of a
// nakshatra ...). Symbols, colours, gemstones, parts of the body and the long readings stay
// English.
using CatalogueWords = LanguageWords;

std::span<const CatalogueWords> CatalogueCaptionWords();
std::span<const CatalogueWords> CatalogueValueWords();

// The caption of a catalogue page or field in the language ("Ruling Planet", "Type Of
// Sign", "Lucky for Rashi"); a field label's colon and spaces and the letter case do not
// count. Nothing for a text that is no caption of the catalogues.
std::optional<std::string_view> CatalogueCaptionWord(Language language, std::string_view english);

// The caption of a record field by its name ("RullingPlanet", "TypeOfSign"), as the
// exported document labels it; also the info command's own keys ("Significance",
// "Hours"). Nothing for any other key.
std::optional<std::string_view> CatalogueKeyWord(Language language, std::string_view key);

// One short value of the catalogues in the language: a word of the closed lists, a graha
// ("Mars"), a varna as the catalogue spells it ("Brahmana"), a gana with its gloss ("Deva
// (Godly)") or a yoni animal. Nothing for any other text.
std::optional<std::string_view> CatalogueValueWord(Language language, std::string_view english);

// A value of a catalogue field as a reader of the language reads it: a short value's word,
// or a list ("Monday, Tuesday") item by item when every item has one; any other text,
// and every text in English, as it is.
std::string CatalogueValueText(Language language, std::string_view english);

// A record field's value as the pages and documents show it in the language: the sign's or
// star's name ("IndianName", "NakshatraName") as the glossary writes it, the English name
// as it is, any other field as CatalogueValueText gives it.
std::string CatalogueFieldText(Language language, std::string_view field, std::string_view value);

}  // namespace lumora
