// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "core/document.h"
#include "core/glossary/language.h"
#include "core/western/synastry/synastry.h"

namespace lumora {

// The colour of each aspect wherever it is shown (grid, wheel, documents): warm for the
// hard aspects, cool for the easy ones, chosen to stay apart for the common forms of
// colour blindness by lightness as well as hue; the glyph and the words carry the
// aspect too, so colour is never the only sign.
Rgb AspectColor(AspectKind kind);

// "Cnj", "Sxt", "Sqr", "Tri", "Opp", "SSx", "Qnx": for tables where a glyph may not print.
std::string_view AspectAbbreviation(AspectKind kind);

// Two-letter point labels of the grid's rows and columns: "Su" ... "Pl", "Ra", "As", "MC".
std::string_view PointAbbreviation(ChartPoint point);

// Degrees and minutes of an orb, truncated: "2°13′".
std::string OrbText(double orb);

// A longitude as the Western report writes positions: "07 Sco 42", the sign in the language.
std::string LongitudeText(double longitude, Language language = Language::English);

// The words for the cell of an aspect: "Conjunction, orb 2°13′, applying" (no motion
// for an aspect to an angle).
std::string AspectWords(const SynastryAspect& aspect);

// The house system the chart's houses were cast in, with the fall-back named:
// "Placidus", "Whole sign", "Equal", "Equal (Placidus does not exist beyond 66° of
// latitude)"; in the language.
std::string HousesText(const HouseCusps& houses, Language language = Language::English);

// "1985-06-15 12:00:00 UT, 34°39′ N, 1°36′ E".
std::string DavisonText(const DavisonMoment& moment);

// The wheel of A inside B with the aspects between them.
DocumentBiWheel MakeBiWheel(const SynastryReading& reading, const std::string& a_name,
                            const std::string& b_name, Language language = Language::English);

// Appends the synastry pages to a document: the aspect grid, the bi-wheel, the house
// overlays both ways and the composite and Davison positions.
// In another language its words are that language's; the house systems, aspect
// abbreviations and positions stay as written in English.
void AppendSynastrySection(Document& document, const SynastryReading& reading,
                           const std::string& a_name, const std::string& b_name,
                           Language language = Language::English);

}  // namespace lumora
