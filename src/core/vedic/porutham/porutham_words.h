// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/document.h"
#include "core/glossary/language.h"
#include "core/vedic/porutham/porutham.h"

namespace lumora {

// How the window, the documents and the readable CLI output say a porutham match.

// One porutham's row as it is shown: "Stree Deergha", "Yes", "count 15", and what it
// is read for.
struct PoruthamRow {
  std::string Name;
  std::string Agrees;   // "Yes" or "No"
  std::string Decided;  // the count, group, ganas, animals, lords or rashis that decided it
  std::string Meaning;  // one line
};

// "Stree Deergha" for StreeDeergha; the other names as kPoruthamNames has them.
std::string_view PoruthamTitle(Porutham which);

// What a porutham is read for, one line: "The wife's long life and well-being".
std::string_view PoruthamMeaning(Porutham which, Language language = Language::English);

std::array<PoruthamRow, kPoruthamCount> PoruthamRows(const PoruthamMatch& match,
                                                     const MoonPair& pair,
                                                     Language language = Language::English);

// "7 of 10 poruthams agree"; "Vetoes: Rajju, Vedha" or "Vetoes: none"; the verdict name.
std::string PoruthamCountWords(const PoruthamMatch& match, Language language = Language::English);
std::string PoruthamVetoWords(const PoruthamMatch& match, Language language = Language::English);
std::string_view PoruthamVerdictWords(PoruthamVerdict verdict);

// Points in quarters as a match shows them: "0", "0.25", "1.5", "7".
std::string QuarterPointsText(double points);

// One malefic placement's row: person, planet, reference, house, points.
struct PapaRow {
  std::string Person;  // "Boy" or "Girl"
  std::string Planet;  // "Mars"
  std::string From;    // "Lagna"
  std::string House;   // "7"
  std::string Points;  // "0.5"
};

PapaRow PapaRowOf(const PapaPlacement& placement, Language language = Language::English);

// "Boy 2.75, girl 1.5: the girl's malefics do not outweigh the boy's (agrees)".
std::string PapasamyamWords(const PapasamyamResult& result, Language language = Language::English);

// The porutham section of the match document: a heading, the table of ten rows with
// the count, the vetoes and the verdict, and where both charts are known the
// Papasamyam table and its totals; without charts, a note that Papasamyam needs them.
void AppendPoruthamSection(Document& document, const PoruthamMatch& match, const MoonPair& pair,
                           const std::optional<PapasamyamResult>& papasamyam,
                           Language language = Language::English);

}  // namespace lumora
