// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>

#include "core/ephemeris/chart_points.h"
#include "core/glossary/language.h"

namespace lumora {

// The keys of the `western` command's readable output, in the order of
// WesternPhrases::KeyLabels.
inline constexpr std::array<std::string_view, 27> kWesternReadableKeys = {
    "Positions",    "Point",
    "Male",         "MaleLongitude",
    "Female",       "FemaleLongitude",
    "WesternScore", "Power",
    "Harmony",      "PowerTimesHarmony",
    "Percentage",   "Comment",
    "Report",       "mName",
    "mDOB",         "mTOB",
    "mLocation",    "mCity",
    "mState",       "Mcountry",
    "fName",        "fDOB",
    "fTOB",         "fLocation",
    "fCity",        "fState",
    "fCountry",
};

// The fixed words of the Western report and its synastry pages in one language. The
// explanatory paragraphs stay English (Phrases::ProseInEnglish says so once), as do the
// aspect and point abbreviations of the grid; a position's sign is the glossary's
// (ShortPositionWords: "07 वृश्चि 42").
struct WesternPhrases {
  std::string_view Title;     // {0} the man's name, {1} the woman's
  std::string_view PairLine;  // {0} and {1}, under the title
  std::string_view MaleName;  // for a blank name
  std::string_view FemaleName;
  std::string_view MaleColumn;
  std::string_view FemaleColumn;
  // Name, date of birth, time of birth, city, state, country, coordinates, clock.
  std::array<std::string_view, 8> DetailRows;
  std::string_view NatalPositions;
  std::array<std::string_view, kChartPointCount> Points;  // in ChartPoint order
  std::string_view CompatibilityReport;
  // Power, harmony, their product, percentage, comment.
  std::array<std::string_view, 5> Figures;
  // The comment on the percentage, as CompatibilityComment: Very Bad .. Very Good.
  std::array<std::string_view, 5> Comments;

  std::string_view Synastry;
  std::string_view GridNote;  // {0} the first person, {1} the second
  std::string_view HouseOverlays;
  std::string_view HousesLine;  // {0} first, {1} their houses, {2} second, {3} theirs
  std::string_view InHouseOf;   // {0} the one, {1} whose house
  std::string_view CompositeAndDavison;
  std::string_view CompositeNote;  // {0}: the Davison moment and place
  std::string_view Composite;
  std::string_view Davison;
  std::string_view WheelCaption;                 // {0} inside, {1} outside
  std::array<std::string_view, 3> HouseSystems;  // as HouseSystem: Placidus, Whole sign, Equal
  std::string_view PlacidusFellBack;  // {0} the houses used instead, above 66° of latitude
  std::string_view CreditLine;        // {0}: the program and its version

  std::array<std::string_view, kWesternReadableKeys.size()> KeyLabels;
};

const WesternPhrases& WesternPhrasesOf(Language language);

// The word of a comment CompatibilityComment gives ("Very Good"); the text itself when it
// is none.
std::string_view WesternCommentWord(Language language, std::string_view english);

}  // namespace lumora
