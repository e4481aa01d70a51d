// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/document.h"
#include "core/glossary/language.h"
#include "core/western/western_run.h"

namespace lumora {

// The explanatory paragraphs of the compatibility block of the Western report.
extern const std::array<const char*, 4> kWesternReportParagraphs;

// The row caption of each point of the natal position tables, in ChartPoint order.
inline constexpr std::array<std::string_view, kChartPointCount> kWesternPointCaptions = {
    "Sun",    "Moon",    "Mercury", "Venus",  "Mars",   "Jupiter", "Saturn",
    "Uranus", "Neptune", "Pluto",   "N Node", "S Node", "Asc",     "MC"};

// "Western Compatibility: Tom and Ann"; "Male" or "Female" stands in for a blank name.
std::string WesternTitle(std::string_view male_name, std::string_view female_name,
                         Language language = Language::English);

// The Western report as a document: both persons' details, both tables of natal
// positions and the compatibility figures, with the same texts as the report window.
// In another language its words are that language's, and the explanatory paragraphs,
// still English, are preceded by a line that says so.
Document ComposeWesternDocument(const WesternTestResult& result,
                                Language language = Language::English);

}  // namespace lumora
