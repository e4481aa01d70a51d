// SPDX-License-Identifier: MIT
#include "core/glossary/phrases.h"

#include <cstdio>

#include "core/vedic/match/koota_texts.h"
#include "core/vedic/match/match.h"

namespace lumora {

// English: the sentences the program has always written. Where a core table already holds
// an English word (the Guna Milan column titles, the areas of life, the profile-file note),
// it is read from there, so that no English word is written twice.
constexpr Phrases kEnglishPhrases{
    .Source = "The program's own English.",
    .DatePattern = "{0}-{1}-{2}",
    .ProseInEnglish = "The interpretation and catalogue texts are in English.",
    .Boy = "Boy",
    .Girl = "Girl",
    .BoySubject = "The boy",
    .GirlSubject = "The girl",
    .BoyObject = "the Boy",
    .GirlObject = "the Girl",
    .KundaliMatchTitle = "Kundali Match: {0} and {1}",
    .Yes = "Yes",
    .No = "No",
    .None = "None",
    .PairJoin = "{0} and {1}",
    .BirthDetails = "Birth Details",
    .Name = "Name",
    .DateOfBirth = "Date of Birth",
    .TimeOfBirth = "Time of Birth",
    .PlaceOfBirth = "Place of Birth",
    .Coordinates = "Coordinates",
    .Clock = "Clock",
    .ZoneAsEntered = "zone as entered",
    .WithDaylightTime = " with daylight time",
    .Node = "Node",
    .MoonSign = "Moon Sign (Rashi)",
    .BirthDetailsNotStored = kBirthDetailsNotStored,
    .GunaMilanColumns = kGunaMilanColumnTitles,
    .Total = "TOTAL",
    .AreasOfLife = {kKootas[0].AreaOfLife, kKootas[1].AreaOfLife, kKootas[2].AreaOfLife,
                    kKootas[3].AreaOfLife, kKootas[4].AreaOfLife, kKootas[5].AreaOfLife,
                    kKootas[6].AreaOfLife, kKootas[7].AreaOfLife},
    .PointsObtainedSentence = "You Have Obtained {0} Points Out Of {1} Points",
    .TableSets = {"Specified", "Classical"},
    .TablesInUse = "Koota tables: {0}",
    .TablesTotal = "{0} tables: {1} \u2014 at least {2}",
    .TablesTotalBelow = "{0} tables: {1} \u2014 below {2}",
    .NoteClassicalGives = "The classical tables give {0}: {1}",
    .NotePointsOf = "{0} of {1}",
    .NoteVarnaAtLeast = "the boy's varna ({0}) is equal to or higher than the girl's ({1})",
    .NoteVarnaBelow = "the boy's varna ({0}) is below the girl's ({1})",
    .NoteBoyWithGirl = "a {0} boy with a {1} girl",
    .NoteTara =
        "the girl's star is the {0} tara ({1}) from the boy's, his the {2} ({3}) from hers; the "
        "3rd, 5th and 7th are unfavourable",
    .NoteYoniSame = "both are of the {0} yoni",
    .NoteYoniPair = "{0} and {1} are {2}",
    .NoteMaitriSame = "both signs are ruled by {0}",
    .NoteMaitri = "{0} regards {1} {2}, {1} regards {0} {3}",
    .NoteRashiSame = "both Moons are in the same sign",
    .NoteRashiApart = "the signs stand {0}/{1} from each other",
    .NoteNadiSame = "both are of the {0} nadi",
    .NoteNadiDiffer = "the {0} and {1} nadis differ",
    .NoteDoshaYet = "{0} dosha is present, yet the {1} table awards {2}",
    .NoteJoin = "; ",
    .YoniRelations = {"sworn enemies", "unfriendly", "neutral", "friendly"},
    .Regards = {"as a friend", "as neutral", "as an enemy"},
    .Interpretation = "Interpretation",
    .KootaHeading = "{0} Kuta",
    .KootaFacts = "Points Obtained: {0} of {1}. Area of Life: {2}.",
    .KootaBelongs = "{0} belongs to {1} {2}; {3} belongs to {4} {2}.",
    .Note = "Note: {0}.",
    .RashiPageOf = "Rashi Information of {0}",
    .NakshatraPageOf = "Nakshatra Information of {0}",
    .AboutProgram = kClosingHeading,
    .PoruthamColumns = {"PORUTHAM", "AGREES", "DECIDED BY", "MEANING"},
    .Verdict = "VERDICT",
    .PoruthamCount = "{0} of {1} poruthams agree",
    .Vetoes = "Vetoes: {0}",
    .VetoesNone = "none",
    .StarCount = "star count {0}",
    .RashiCount = "rashi count {0}",
    .BothInGroup = "both {0}",
    .Pierce = "{0} pierce",
    .DoNotPierce = "{0} do not pierce",
    // What each agreement is read for, as the Tamil almanacs summarise it.
    .PoruthamMeanings = {"Health and daily well-being of the couple",
                         "Temperament: a divine, human or fierce nature",
                         "Children, wealth and the growth of the family",
                         "The wife's long life and well-being",
                         "Physical and intimate compatibility", "Continuity of the family line",
                         "Harmony through the friendship of the rashi lords",
                         "Mutual attraction and regard",
                         "The husband's long life; a shared Rajju vetoes the match",
                         "Freedom from afflicting stars; a Vedha pair vetoes the match"},
    .PapasamyamNeedsCharts =
        "Papasamyam needs both persons' birth details; a profile file holds none.",
    .PapaColumns = {"PERSON", "PLANET", "FROM", "HOUSE", "POINTS"},
    .PapaAgrees = "Boy {0}, girl {1}: the girl's malefics do not outweigh the boy's (agrees)",
    .PapaDisagrees = "Boy {0}, girl {1}: the girl's malefics outweigh the boy's (does not agree)",
    .ChartsAndDoshas = "Charts And Doshas",
    .RasiCharts = "Rasi Charts",
    .NavamsaCharts = "Navamsa Charts",
    .Planets = "Planets",
    .PlanetColumns = {"Planet", "Sign", "Degrees", "Nakshatra", "Pada"},
    .AyanamsaLine = "Ayanamsa: {0}",
    .NodeLine = "Node: {0}",
    .MarsFrom = "Mars from {0}",
    .HouseDosha = "house {0}, dosha",
    .HouseNoDosha = "house {0}, no dosha",
    .YesWithExceptions = "Yes, with exceptions: {0}",
    .Exceptions = "Exceptions",
    .DoshaPresent = "{0}: present",
    .DoshaNotPresent = "{0}: not present",
    .DoshaPresentExceptions = "{0}: present. Exceptions: {1}",
    .NoPairDosha = "No Nadi, Bhakoot or Gana dosha is present.",
    .DoshasPresent = "Doshas present: {0}.",
    .ManglikMatch = "Manglik match",
    .ManglikMatches = {"Both are Manglik: the dosha is traditionally held cancelled",
                       "Only the boy is Manglik", "Only the girl is Manglik", "Neither is Manglik"},
    .ChartsNeedBirthDetails =
        "The charts, Manglik and the birth-time windows need both persons' birth details.",
    .Doshas = "Doshas",
    .DoshaColumns = {"Dosha", "Present", "Exceptions"},
    .BirthTimeWindows = "Birth-Time Windows",
    .MoonIn = "Moon in {0}",
    .MoonInPada = "Moon in {0} pada {1}",
    .LagnaIn = "Lagna in {0}",
    .WindowFromTo = "{0} from {1} to {2}",
    .OrEarlier = " or earlier",
    .OrLater = " or later",
    .TimingHeading = "Timing: Vimshottari Dashas And Sade Sati",
    .TimingConventions =
        "Periods from the sidereal Moon at birth ({0} ayanamsa), years of {1} "
        "days; dates in each person's birth zone.",
    .WeddingMark = "Wedding {0}",
    .TodayMark = "Today {0}",
    .RunningAtWedding = "Running at the wedding, {0}",
    .RunningToday = "Running today, {0}",
    .Person = "Person",
    .From = "From",
    .To = "To",
    .Transit = "Transit",
    .SpanFromTo = "{0} {1} to {2}",
    .NoSandhi = "No mahadasha change of the two falls within 183 days of the other's.",
    .NoSandhiWedding =
        "No mahadasha change of the two falls within 183 days of the other's or of the wedding.",
    .SandhiBoth = "{0}'s mahadasha changes {1} and {2}'s {3}, {4} days apart.",
    .SandhiOne = "{0}'s mahadasha changes {1}, {2} days from the wedding.",
    .SandhiOneOnDay = "{0}'s mahadasha changes {1}, {2} days from the wedding on {3}.",
    .TransitsHeading = "Sade Sati and Ashtama Shani in the next {0} years",
    .SadeSatiPhase = "{0} ({1})",
    .PersonMahadashas = "{0}'s mahadashas: Moon in {1}, {2} balance {3} years at birth",
    .KeyLabels = {"Boy details",
                  "Girl details",
                  "Name",
                  "Day",
                  "Month",
                  "Year",
                  "Hour",
                  "Minute",
                  "Second",
                  "Place",
                  "Location",
                  "Boy moon",
                  "Girl moon",
                  "Boy rashi",
                  "Girl rashi",
                  "Boy nakshatra",
                  "Girl nakshatra",
                  "Kootas",
                  "Total",
                  "Total points",
                  "Verdict",
                  "Summary",
                  "Tables",
                  "Other tables",
                  "Specified total",
                  "Classical total",
                  "Notes",
                  "Poruthams",
                  "Porutham count",
                  "Porutham verdict",
                  "Porutham vetoes",
                  "Agrees",
                  "Papasamyam",
                  "Doshas",
                  "Boy manglik",
                  "Girl manglik",
                  "Is manglik",
                  "Manglik match",
                  "Exceptions",
                  "Boy chart",
                  "Girl chart",
                  "Lagna",
                  "Planets",
                  "Navamsa",
                  "Ayanamsa",
                  "Node",
                  "Score range",
                  "Boy dasha",
                  "Girl dasha",
                  "Mahadashas",
                  "Mahadasha",
                  "From",
                  "To",
                  "Dasha sandhi",
                  "Sade sati",
                  "Ashtama shani",
                  "Boy",
                  "Girl",
                  "Error",
                  "Message",
                  "Koota",
                  "Boy value",
                  "Girl value",
                  "Maximum",
                  "Points",
                  "Area of life"},
};

const Phrases& PhrasesOf(Language language) {
  switch (language) {
    case Language::Hindi:
      return kHindiPhrases;
    case Language::Tamil:
      return kTamilPhrases;
    case Language::English:
      break;
  }
  return kEnglishPhrases;
}

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> values) {
  std::string out;
  out.reserve(pattern.size() + 32);
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '{' && i + 2 < pattern.size() && pattern[i + 1] >= '0' &&
        pattern[i + 1] <= '9' && pattern[i + 2] == '}') {
      const auto index = static_cast<std::size_t>(pattern[i + 1] - '0');
      if (index < values.size()) {
        out += *(values.begin() + index);
        i += 2;
        continue;
      }
    }
    out += pattern[i];
  }
  return out;
}

std::string DateWords(Language language, int year, int month, int day) {
  char y[16];
  char m[16];
  char d[16];
  std::snprintf(y, sizeof y, "%04d", year);
  std::snprintf(m, sizeof m, "%02d", month);
  std::snprintf(d, sizeof d, "%02d", day);
  return Fill(PhrasesOf(language).DatePattern, {y, m, d});
}

}  // namespace lumora
