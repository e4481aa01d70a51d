// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/document.h"
#include "core/form_control.h"
#include "core/glossary/language.h"
#include "core/vedic/chart/charts_and_doshas.h"
#include "core/vedic/match/match.h"
#include "core/vedic/timing/timing_document.h"

namespace lumora {

// "Kundali Match: Arjun and Bela"; "Boy" or "Girl" stands in for a name that is not
// known (a match from a profile file).
std::string KundaliMatchTitle(std::string_view boy_name, std::string_view girl_name,
                              Language language = Language::English);

// The shareable document of a finished match: the title, both persons' birth details,
// the Guna Milan table (the rows, total, verdict and sentence of the result window),
// the porutham table with Papasamyam (where both charts exist), the interpretation of every koota
// and, on request, both persons' rashi and nakshatra pages. Where the match has its charts and
// doshas, they follow the interpretation: both persons' rasi charts as pictures in the given style
// (where the birth details give them), then the charts, doshas and birth-time section; then, where
// given, the timing section (both persons' periods, the Sandhis, Sade Sati).
// language: the reader's language (the window's Settings or the CLI's --lang): headings,
// tables and the field's names in it; interpretation and catalogue prose stays English,
// which the document then says once.
Document ComposeMatchDocument(const MatchState& state, const MatchResult& result,
                              bool with_catalogues,
                              const std::optional<ChartsAndDoshas>& charts = std::nullopt,
                              ChartStyle style = ChartStyle::NorthIndian,
                              const std::optional<MatchTiming>& timing = std::nullopt,
                              Language language = Language::English);

// The charts and doshas on their own: both persons' rasi and Navamsa charts as pictures and
// their planet tables (where the birth details give them), then Manglik, the doshas of the
// pair and the birth-time windows.
Document ComposeChartsDocument(const MatchState& state, const MatchResult& result,
                               const ChartsAndDoshas& charts,
                               ChartStyle style = ChartStyle::NorthIndian,
                               Language language = Language::English);

// The timing of a match on its own: both persons' periods, the Sandhis, Sade Sati.
Document ComposeTimingDocument(const MatchState& state, const MatchTiming& timing,
                               Language language = Language::English);

// Which catalogue page of a person: the Moon sign's or the nakshatra's.
enum class CataloguePageKind { Rashi, Nakshatra };

// One person's rashi or nakshatra page, every field of the catalogue record under its label.
Document ComposeCatalogueDocument(const MatchState& state, PersonSide side, CataloguePageKind kind,
                                  Language language = Language::English);

}  // namespace lumora
