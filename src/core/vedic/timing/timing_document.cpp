// SPDX-License-Identifier: MIT
#include "core/vedic/timing/timing_document.h"

#include <algorithm>
#include <cstdio>

#include "core/ephemeris/zodiac.h"
#include "core/vedic/timing/sky_timing.h"

namespace lumora {

namespace {

constexpr int kDaysPerOutlookYear = 365;

std::string Possessive(std::string_view name) {
  return std::string(name) + "'s";
}

std::string YearsText(double years) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.2f", years);
  return buffer;
}

DocumentRow HeaderRow(std::initializer_list<std::string_view> captions) {
  DocumentRow row;
  for (const std::string_view caption : captions) {
    row.push_back({std::string(caption), true, std::nullopt, CellAlign::Left, 1});
  }
  return row;
}

DocumentCell Cell(std::string text) {
  return {std::move(text), false, std::nullopt, CellAlign::Left, 1};
}

void AppendPersonPeriods(Document& document, const PersonTiming& person, std::string_view name) {
  const VimshottariDashas& d = person.Dashas;
  AddParagraph(document, ParagraphStyle::Subheading,
               Possessive(name) + " mahadashas: Moon in " +
                   std::string(kNakshatraNames[static_cast<std::size_t>(d.Moon.Nakshatra)]) + ", " +
                   std::string(DashaLordName(d.BirthLord)) + " balance " +
                   YearsText(d.BalanceYears) + " years at birth");
  DocumentTable table;
  table.Rows.push_back(HeaderRow({"Mahadasha", "From", "To"}));
  for (const DashaPeriod& period : d.Mahadashas) {
    table.Rows.push_back({Cell(std::string(DashaLordName(period.Lord))),
                          Cell(PersonDateText(person, period.From)),
                          Cell(PersonDateText(person, period.To))});
  }
  table.ColumnWeights = {2, 3, 3};
  document.Blocks.emplace_back(std::move(table));
}

}  // namespace

std::string DayText(int day_number) {
  const CivilDate date = CivilDateOf(day_number);
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", date.Year, date.Month, date.Day);
  return buffer;
}

int PersonDay(const PersonTiming& person, double jd_ut) {
  return LocalDayNumber(jd_ut, person.Offset);
}

std::string PersonDateText(const PersonTiming& person, double jd_ut) {
  return DayText(PersonDay(person, jd_ut));
}

std::string_view SadeSatiPhaseName(SadeSatiPhase phase) {
  switch (phase) {
    case SadeSatiPhase::Rising:
      return "Rising";
    case SadeSatiPhase::Peak:
      return "Peak";
    case SadeSatiPhase::Setting:
      return "Setting";
  }
  return "Rising";
}

DocumentTimeline ComposeTimeline(const CoupleTiming& couple, std::string_view boy_name,
                                 std::string_view girl_name, int reference_day) {
  DocumentTimeline timeline;
  const PersonTiming* persons[] = {&couple.Boy, &couple.Girl};
  const std::string_view names[] = {boy_name, girl_name};
  timeline.FromDay = std::min(PersonDay(couple.Boy, couple.Boy.Dashas.Birth),
                              PersonDay(couple.Girl, couple.Girl.Dashas.Birth));
  timeline.ToDay = std::max(PersonDay(couple.Boy, couple.Boy.Horizon),
                            PersonDay(couple.Girl, couple.Girl.Horizon));
  for (int i = 0; i < 2; ++i) {
    const PersonTiming& person = *persons[i];
    TimelineRow row{std::string(names[i]), {}};
    const int birth = PersonDay(person, person.Dashas.Birth);
    const int horizon = PersonDay(person, person.Horizon);
    for (const DashaPeriod& period : person.Dashas.Mahadashas) {
      const int from = std::max(PersonDay(person, period.From), birth);
      const int to = std::min(PersonDay(person, period.To), horizon);
      if (to > from) {
        row.Segments.push_back({std::string(DashaLordName(period.Lord)), from, to});
      }
    }
    timeline.Rows.push_back(std::move(row));
  }
  timeline.MarkDay = reference_day;
  timeline.MarkLabel = (couple.WeddingDay ? "Wedding " : "Today ") + DayText(reference_day);
  for (const SandhiEntry& entry : couple.Sandhi) {
    const int first = entry.BoyDay.value_or(entry.GirlDay.value_or(0));
    const int second =
        entry.BoyDay && entry.GirlDay ? *entry.GirlDay : couple.WeddingDay.value_or(first);
    timeline.Shaded.push_back({std::min(first, second), std::max(first, second)});
  }
  return timeline;
}

std::string SpanWords(const PersonTiming& person, const DashaSpan& span) {
  return std::string(DashaLordName(span.Lord)) + " " + PersonDateText(person, span.From) + " to " +
         PersonDateText(person, span.To);
}

std::string SandhiWords(const SandhiEntry& entry, std::string_view boy_name,
                        std::string_view girl_name, std::optional<int> wedding_day) {
  const std::string apart = std::to_string(entry.DaysApart) + " days apart";
  if (entry.BoyDay && entry.GirlDay) {
    return Possessive(boy_name) + " mahadasha changes " + DayText(*entry.BoyDay) + " and " +
           Possessive(girl_name) + " " + DayText(*entry.GirlDay) + ", " + apart + ".";
  }
  const bool boy = entry.BoyDay.has_value();
  const int day = boy ? *entry.BoyDay : entry.GirlDay.value_or(0);
  return Possessive(boy ? boy_name : girl_name) + " mahadasha changes " + DayText(day) + ", " +
         std::to_string(entry.DaysApart) + " days from the wedding" +
         (wedding_day ? " on " + DayText(*wedding_day) : std::string()) + ".";
}

std::vector<TransitRow> TransitsAhead(const PersonTiming& person, int reference_day) {
  const int end =
      reference_day + kTransitOutlookYears * kDaysPerOutlookYear + kTransitOutlookYears / 4;
  std::vector<TransitRow> rows;
  const auto add = [&](std::string kind, double from, double to) {
    const int from_day = PersonDay(person, from);
    const int to_day = PersonDay(person, to);
    if (to_day >= reference_day && from_day <= end) {
      rows.push_back({std::move(kind), from_day, to_day});
    }
  };
  for (const SadeSatiSpan& span : person.Transits.SadeSati) {
    add("Sade Sati (" + std::string(SadeSatiPhaseName(span.Phase)) + ")", span.From, span.To);
  }
  for (const TransitSpan& span : person.Transits.AshtamaShani) {
    add("Ashtama Shani", span.From, span.To);
  }
  std::stable_sort(rows.begin(), rows.end(),
                   [](const TransitRow& a, const TransitRow& b) { return a.FromDay < b.FromDay; });
  return rows;
}

void AppendTimingSection(Document& document, const CoupleTiming& couple, std::string_view boy_name,
                         std::string_view girl_name, const TimingConventions& conventions,
                         int reference_day) {
  AddParagraph(document, ParagraphStyle::Heading, "Timing: Vimshottari Dashas And Sade Sati");
  AddParagraph(document, ParagraphStyle::Note,
               "Periods from the sidereal Moon at birth (" + std::string(conventions.AyanamsaName) +
                   " ayanamsa), years of " + std::string(conventions.YearText) +
                   " days; dates in each person's birth zone.");

  document.Blocks.emplace_back(ComposeTimeline(couple, boy_name, girl_name, reference_day));

  const PersonTiming* persons[] = {&couple.Boy, &couple.Girl};
  const std::string_view names[] = {boy_name, girl_name};

  AddParagraph(document, ParagraphStyle::Subheading,
               (couple.WeddingDay ? "Running at the wedding, " : "Running today, ") +
                   DayText(reference_day));
  DocumentTable running;
  running.Rows.push_back(HeaderRow({"Person", "Mahadasha", "Antardasha", "Pratyantardasha"}));
  for (int i = 0; i < 2; ++i) {
    DocumentRow row{Cell(std::string(names[i]))};
    const std::vector<DashaSpan> chain = RunningOnDay(*persons[i], reference_day);
    for (std::size_t level = 0; level < 3; ++level) {
      row.push_back(Cell(level < chain.size() ? SpanWords(*persons[i], chain[level]) : "-"));
    }
    running.Rows.push_back(std::move(row));
  }
  running.ColumnWeights = {2, 3, 3, 3};
  document.Blocks.emplace_back(std::move(running));

  AddParagraph(document, ParagraphStyle::Subheading, "Dasha Sandhi");
  if (couple.Sandhi.empty()) {
    AddParagraph(document, ParagraphStyle::Body,
                 "No mahadasha change of the two falls within 183 days of the other's" +
                     std::string(couple.WeddingDay ? " or of the wedding." : "."));
  }
  for (const SandhiEntry& entry : couple.Sandhi) {
    AddParagraph(document, ParagraphStyle::Body,
                 SandhiWords(entry, boy_name, girl_name, couple.WeddingDay));
  }

  AddParagraph(document, ParagraphStyle::Subheading,
               "Sade Sati and Ashtama Shani in the next 30 years");
  DocumentTable transits;
  transits.Rows.push_back(HeaderRow({"Person", "Transit", "From", "To"}));
  for (int i = 0; i < 2; ++i) {
    for (const TransitRow& row : TransitsAhead(*persons[i], reference_day)) {
      transits.Rows.push_back({Cell(std::string(names[i])), Cell(row.Kind),
                               Cell(DayText(row.FromDay)), Cell(DayText(row.ToDay))});
    }
  }
  if (transits.Rows.size() == 1) {
    transits.Rows.push_back({Cell("-"), Cell("None"), Cell("-"), Cell("-")});
  }
  transits.ColumnWeights = {2, 3, 2, 2};
  document.Blocks.emplace_back(std::move(transits));

  for (int i = 0; i < 2; ++i) {
    AppendPersonPeriods(document, *persons[i], names[i]);
  }
}

std::optional<MatchTiming> ComputeMatchTiming(const std::optional<BirthMoment>& boy,
                                              const std::optional<std::string>& boy_zone,
                                              const std::optional<BirthMoment>& girl,
                                              const std::optional<std::string>& girl_zone,
                                              Ayanamsa ayanamsa, const DashaYearLength& year,
                                              std::optional<int> wedding_day, int today) {
  if (!boy || !girl) {
    return std::nullopt;
  }
  CoupleTimingRequest request;
  request.Boy = *boy;
  request.Girl = *girl;
  request.BoyTimeZone = boy_zone.value_or(std::string());
  request.GirlTimeZone = girl_zone.value_or(std::string());
  request.ZodiacAyanamsa = ayanamsa;
  request.Options.YearDays = year.Days;
  request.Options.Levels = kPratyantardashaLevel;
  request.WeddingDay = wedding_day;
  MatchTiming timing;
  timing.Couple = ComputeCoupleTiming(request);
  timing.Conventions = {AyanamsaName(ayanamsa), year.Text};
  timing.ReferenceDay = wedding_day.value_or(today);
  return timing;
}

}  // namespace lumora
