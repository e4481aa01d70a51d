// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "core/glossary/language.h"

namespace lumora {

// The keys of the CLI's JSON that its readable output names in words, in the order of
// Phrases::KeyLabels; a key not listed keeps its English words.
inline constexpr std::array<std::string_view, 66> kReadableKeys = {
    "BoyDetails",     "GirlDetails",   "Name",         "Day",           "Month",
    "Year",           "Hour",          "Minute",       "Second",        "Place",
    "Location",       "BoyMoon",       "GirlMoon",     "BoyRashi",      "GirlRashi",
    "BoyNakshatra",   "GirlNakshatra", "Kootas",       "Total",         "TotalPoints",
    "Verdict",        "Summary",       "Tables",       "OtherTables",   "SpecifiedTotal",
    "ClassicalTotal", "Notes",         "Poruthams",    "PoruthamCount", "PoruthamVerdict",
    "PoruthamVetoes", "Agrees",        "Papasamyam",   "Doshas",        "BoyManglik",
    "GirlManglik",    "IsManglik",     "ManglikMatch", "Exceptions",    "BoyChart",
    "GirlChart",      "Lagna",         "Planets",      "Navamsa",       "Ayanamsa",
    "Node",           "ScoreRange",    "BoyDasha",     "GirlDasha",     "Mahadashas",
    "Mahadasha",      "From",          "To",           "DashaSandhi",   "SadeSati",
    "AshtamaShani",   "Boy",           "Girl",         "Error",         "Message",
    "Koota",          "BoyValue",      "GirlValue",    "Maximum",       "Points",
    "AreaOfLife",
};

// The fixed words of the documents and the CLI's readable output in one language: headings,
// column heads and the sentences that carry values. The field's names (rashis, grahas,
// kootas, verdicts ...) are the glossary's (glossary.h); these are the words around them.
// A sentence with values is a pattern whose {0}, {1} ... Fill replaces, so that each language
// puts the values where its grammar wants them. Long interpretation and catalogue prose stays
// English; a document in another language says so once (ProseInEnglish).
struct Phrases {
  std::string_view Source;  // who wrote the table and from what

  // Dates as the language's readers write them; {0} year, {1} month, {2} day, all digits.
  std::string_view DatePattern;
  std::string_view ProseInEnglish;

  // The persons where a name is not known.
  std::string_view Boy;
  std::string_view Girl;
  std::string_view BoySubject;  // "The boy": starts a sentence
  std::string_view GirlSubject;
  std::string_view BoyObject;  // "the Boy": ends a heading
  std::string_view GirlObject;
  std::string_view KundaliMatchTitle;  // {0} and {1}: the boy's and girl's names
  std::string_view Yes;
  std::string_view No;
  std::string_view None;
  std::string_view PairJoin;  // "{0} and {1}"

  // Birth details.
  std::string_view BirthDetails;
  std::string_view Name;
  std::string_view DateOfBirth;
  std::string_view TimeOfBirth;
  std::string_view PlaceOfBirth;
  std::string_view Coordinates;
  std::string_view Clock;
  std::string_view ZoneAsEntered;     // a clock given by hand, not a named zone
  std::string_view WithDaylightTime;  // after its offset: " with daylight time"
  std::string_view Node;
  std::string_view MoonSign;
  std::string_view BirthDetailsNotStored;

  // Guna Milan.
  std::array<std::string_view, 6> GunaMilanColumns;
  std::string_view Total;
  std::array<std::string_view, 8> AreasOfLife;  // in koota order
  std::string_view PointsObtainedSentence;      // {0} of {1} points
  std::array<std::string_view, 2> TableSets;    // as KootaTables: Specified, Classical
  std::string_view TablesInUse;                 // {0}: the set
  std::string_view TablesTotal;                 // {0} set, {1} total, {2} the usual threshold
  std::string_view TablesTotalBelow;            // the same, below the threshold

  // The notes of the Guna Milan rows: why the classical tables give other points, a dosha a
  // row's points hide.
  std::string_view NoteClassicalGives;  // {0} the points, {1} the reason
  std::string_view NotePointsOf;        // {0} points, {1} the koota's maximum
  std::string_view NoteVarnaAtLeast;    // {0} the boy's varna, {1} the girl's
  std::string_view NoteVarnaBelow;      // the same, lower
  std::string_view NoteBoyWithGirl;     // {0} the boy's vasya or gana, {1} the girl's
  std::string_view NoteTara;            // {0} {2} the counts (English: 1st), {1} {3} the taras
  std::string_view NoteYoniSame;        // {0} the animal
  std::string_view NoteYoniPair;  // {0} the boy's animal, {1} the girl's, {2} a YoniRelations word
  std::string_view NoteMaitriSame;  // {0} the lord
  std::string_view
      NoteMaitri;  // {0} the boy's lord, {1} the girl's, {2} how {0} regards {1}, {3} the other way
  std::string_view NoteRashiSame;
  std::string_view NoteRashiApart;  // {0} the nearer count, {1} the farther
  std::string_view NoteNadiSame;    // {0} the nadi
  std::string_view NoteNadiDiffer;  // {0} the boy's nadi, {1} the girl's
  std::string_view NoteDoshaYet;    // {0} the dosha, {1} the table set, {2} the points
  std::string_view NoteJoin;        // between two notes of one row
  std::array<std::string_view, 4> YoniRelations;  // as the yoni points halved: 0 .. 3
  std::array<std::string_view, 3> Regards;        // as Friendship: how one lord regards another

  // Interpretation and catalogues.
  std::string_view Interpretation;
  std::string_view KootaHeading;     // {0}: the koota
  std::string_view KootaFacts;       // {0} points, {1} maximum, {2} area of life
  std::string_view KootaBelongs;     // {0} boy, {1} boy's value, {2} koota, {3} girl, {4} value
  std::string_view Note;             // {0}: a note
  std::string_view RashiPageOf;      // {0}: whose
  std::string_view NakshatraPageOf;  // {0}: whose
  std::string_view AboutProgram;
  std::string_view ClosingParagraph;  // what the program does, under AboutProgram
  std::string_view CreditLine;        // {0}: the program and its version
  std::string_view PageOf;            // a page's foot: {0} the page, {1} the pages
  std::string_view UncertainLegend;   // under a chart with a planet near a sign's edge

  // Porutham.
  std::array<std::string_view, 4> PoruthamColumns;
  std::string_view Verdict;
  std::string_view PoruthamCount;  // {0} of {1}
  std::string_view Vetoes;         // {0}: the vetoing poruthams
  std::string_view VetoesNone;
  std::string_view StarCount;  // {0}
  std::string_view RashiCount;
  std::string_view BothInGroup;  // {0}: the Rajju group
  std::string_view Pierce;       // {0}: both stars
  std::string_view DoNotPierce;
  std::array<std::string_view, 10> PoruthamMeanings;
  std::string_view PapasamyamNeedsCharts;
  std::array<std::string_view, 5> PapaColumns;
  std::string_view PapaAgrees;  // {0} boy's points, {1} girl's
  std::string_view PapaDisagrees;

  // Charts and doshas.
  std::string_view ChartsAndDoshas;
  std::string_view RasiCharts;
  std::string_view NavamsaCharts;
  std::string_view Planets;
  std::array<std::string_view, 5> PlanetColumns;
  std::string_view AyanamsaLine;  // {0}
  std::string_view NodeLine;      // {0}
  std::string_view MarsFrom;      // {0}: Lagna, Moon or Venus
  std::string_view HouseDosha;    // {0}: the house
  std::string_view HouseNoDosha;
  std::string_view YesWithExceptions;  // {0}
  std::string_view Exceptions;
  std::string_view DoshaPresent;            // {0}: the dosha
  std::string_view DoshaNotPresent;         // {0}: the dosha
  std::string_view DoshaPresentExceptions;  // {0} the dosha, {1} its exceptions
  std::string_view NoPairDosha;
  std::string_view DoshasPresent;  // {0}: the doshas present
  std::string_view ManglikMatch;
  std::array<std::string_view, 4> ManglikMatches;  // as ManglikMatch: Both, Boy, Girl, Neither
  std::string_view ChartsNeedBirthDetails;
  std::string_view Doshas;
  std::array<std::string_view, 3> DoshaColumns;
  std::string_view BirthTimeWindows;
  std::string_view MoonIn;        // {0}: a nakshatra or rashi
  std::string_view MoonInPada;    // {0} nakshatra, {1} pada
  std::string_view LagnaIn;       // {0}: a rashi
  std::string_view WindowFromTo;  // {0} what, {1} from, {2} to
  std::string_view OrEarlier;
  std::string_view OrLater;

  // Timing.
  std::string_view TimingHeading;
  std::string_view TimingConventions;  // {0} ayanamsa, {1} days a year
  std::string_view WeddingMark;        // {0}: the day
  std::string_view TodayMark;
  std::string_view RunningAtWedding;  // {0}: the day
  std::string_view RunningToday;
  std::string_view Person;
  std::string_view From;
  std::string_view To;
  std::string_view Transit;
  std::string_view SpanFromTo;        // {0} lord, {1} from, {2} to
  std::string_view NoSandhi;          // without a wedding
  std::string_view NoSandhiWedding;   // with one
  std::string_view SandhiBoth;        // {0} boy, {1} day, {2} girl, {3} day, {4} days apart
  std::string_view SandhiOne;         // {0} person, {1} day, {2} days from the wedding
  std::string_view SandhiOneOnDay;    // the same, {3} the wedding day
  std::string_view TransitsHeading;   // {0}: years ahead
  std::string_view SadeSatiPhase;     // {0} Sade Sati, {1} phase
  std::string_view PersonMahadashas;  // {0} name, {1} nakshatra, {2} lord, {3} years

  // A ranking of candidates: the person ranked for ("Boy: {1}, {2}, {3}", {0} the side),
  // the counts, the table's column heads, a score range and the refused rows.
  std::string_view RankedFor;   // {0} Boy or Girl, {1} name, {2} rashi, {3} nakshatra
  std::string_view RankCounts;  // {0} ranked, {1} refused
  // Rank, Line, Name, Total, Verdict, porutham count, Vetoes, Porutham, Moon sign,
  // Nakshatra, Manglik, Doshas, Range
  std::array<std::string_view, 13> RankColumns;
  std::string_view RankRange;    // {0} lowest, {1} highest
  std::string_view RefusedRows;  // the heading of the refused rows
  std::string_view RefusedLine;  // {0} the line number, {1} why

  // The CLI's readable labels of kReadableKeys.
  std::array<std::string_view, kReadableKeys.size()> KeyLabels;
};

extern const Phrases kEnglishPhrases;
extern const Phrases kHindiPhrases;
extern const Phrases kTamilPhrases;

const Phrases& PhrasesOf(Language language);

// The pattern with {0} .. {9} replaced by the values in order; a brace not followed by a
// digit and "}" is kept as it is.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> values);

// A day (year, month 1-12, day 1-31) as the language writes dates, digits 0-9.
std::string DateWords(Language language, int year, int month, int day);

// "January 1, 2000", a date as the English reports write it, as the language writes dates
// (English: as it is); nothing for a text that is no such date.
std::optional<std::string> EnglishDateIn(Language language, std::string_view english);

}  // namespace lumora
