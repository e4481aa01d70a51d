// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/document.h"
#include "core/ephemeris/ayanamsa.h"
#include "core/ephemeris/birth_moment.h"
#include "core/glossary/language.h"
#include "core/vedic/timing/person_timing.h"

namespace lumora {

// "2011-10-02": a local day as the pages and the CLI write it.
std::string DayText(int day_number);
// The local date of an instant on the person's clock.
int PersonDay(const PersonTiming& person, double jd_ut);
std::string PersonDateText(const PersonTiming& person, double jd_ut);
// A local day as a reader of the language writes dates: "2011-10-02", "02/10/2011".
std::string DayWords(Language language, int day_number);

std::string_view SadeSatiPhaseName(SadeSatiPhase phase);  // "Rising", "Peak", "Setting"

// Both persons' mahadashas one above the other over the years from the earlier birth to
// the later 100th year, the reference day marked, the Sandhi windows shaded.
DocumentTimeline ComposeTimeline(const CoupleTiming& couple, std::string_view boy_name,
                                 std::string_view girl_name, int reference_day,
                                 Language language = Language::English);

// "Venus 2011-10-02 to 2031-10-02"
std::string SpanWords(const PersonTiming& person, const DashaSpan& span,
                      Language language = Language::English);

// "Dasha Sandhi: Arjun's change 2031-10-02 and Bela's 2031-12-20, 79 days apart."
std::string SandhiWords(const SandhiEntry& entry, std::string_view boy_name,
                        std::string_view girl_name, std::optional<int> wedding_day,
                        Language language = Language::English);

// The spans of Sade Sati and Ashtama Shani that overlap the years from the reference day.
inline constexpr int kTransitOutlookYears = 30;
struct TransitRow {
  std::string Kind;  // "Sade Sati (Rising)" or "Ashtama Shani"
  int FromDay = 0;
  int ToDay = 0;
};
std::vector<TransitRow> TransitsAhead(const PersonTiming& person, int reference_day,
                                      Language language = Language::English);

// What the timing section states about its conventions.
struct TimingConventions {
  std::string_view AyanamsaName;
  std::string_view YearText;  // "365.25"
};

// The timing section of the match document: conventions, the timelines, the periods
// running on the reference day (the wedding when given, else today), the Sandhis,
// Saturn's transits for the next 30 years, and both persons' mahadashas.
void AppendTimingSection(Document& document, const CoupleTiming& couple, std::string_view boy_name,
                         std::string_view girl_name, const TimingConventions& conventions,
                         int reference_day, Language language = Language::English);

// A match's timing as its document carries it: both persons' timings, the conventions
// they were counted with, and the day the running periods are read on.
struct MatchTiming {
  CoupleTiming Couple;
  TimingConventions Conventions;
  int ReferenceDay = 0;
};

// The timing of a match whose birth moments are known (nothing for a match from Moon
// values alone), on the chosen zodiac and year, read on the wedding day when given, else
// on today (a local day number the caller reads from its clock).
std::optional<MatchTiming> ComputeMatchTiming(const std::optional<BirthMoment>& boy,
                                              const std::optional<std::string>& boy_zone,
                                              const std::optional<BirthMoment>& girl,
                                              const std::optional<std::string>& girl_zone,
                                              Ayanamsa ayanamsa, const DashaYearLength& year,
                                              std::optional<int> wedding_day, int today);

}  // namespace lumora
