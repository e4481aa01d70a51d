// SPDX-License-Identifier: MIT
#include "core/vedic/timing/timing_document.h"

#include <algorithm>
#include <cstdio>

#include "core/ephemeris/zodiac.h"
#include "core/glossary/glossary.h"
#include "core/glossary/phrases.h"
#include "core/vedic/timing/sky_timing.h"

namespace lumora {

namespace {

constexpr int kDaysPerOutlookYear = 365;

std::string YearsText(double years) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.2f", years);
  return buffer;
}

std::string LordWord(Language language, DashaLord lord) {
  return std::string(DashaLordWord(language, lord));
}

DocumentRow HeaderRow(std::initializer_list<std::string_view> captions) {
  DocumentRow row;
  for (const std::string_view caption : captions) {
    row.push_back({std::string(caption), true, std::nullopt, CellAlign::Left, 1});
  }
  return row;
}

void AppendPersonPeriods(Document& document, const PersonTiming& person, std::string_view name,
                         Language language) {
  const Phrases& words = PhrasesOf(language);
  const VimshottariDashas& d = person.Dashas;
  AddParagraph(
      document, ParagraphStyle::Subheading,
      Fill(words.PersonMahadashas, {name, NakshatraWord(language, d.Moon.Nakshatra),
                                    LordWord(language, d.BirthLord), YearsText(d.BalanceYears)}));
  DocumentTable table;
  table.Rows.push_back(HeaderRow({GlossaryOf(language).DashaLevels[0], words.From, words.To}));
  for (const DashaPeriod& period : d.Mahadashas) {
    table.Rows.push_back({TextCell(LordWord(language, period.Lord)),
                          TextCell(DayWords(language, PersonDay(person, period.From))),
                          TextCell(DayWords(language, PersonDay(person, period.To)))});
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

std::string DayWords(Language language, int day_number) {
  const CivilDate date = CivilDateOf(day_number);
  return DateWords(language, date.Year, date.Month, date.Day);
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
                                 std::string_view girl_name, int reference_day, Language language) {
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
        row.Segments.push_back({LordWord(language, period.Lord), from, to});
      }
    }
    timeline.Rows.push_back(std::move(row));
  }
  timeline.MarkDay = reference_day;
  const Phrases& words = PhrasesOf(language);
  timeline.MarkLabel = Fill(couple.WeddingDay ? words.WeddingMark : words.TodayMark,
                            {DayWords(language, reference_day)});
  for (const SandhiEntry& entry : couple.Sandhi) {
    const int first = entry.BoyDay.value_or(entry.GirlDay.value_or(0));
    const int second =
        entry.BoyDay && entry.GirlDay ? *entry.GirlDay : couple.WeddingDay.value_or(first);
    timeline.Shaded.push_back({std::min(first, second), std::max(first, second)});
  }
  return timeline;
}

std::string SpanWords(const PersonTiming& person, const DashaSpan& span, Language language) {
  return Fill(PhrasesOf(language).SpanFromTo,
              {LordWord(language, span.Lord), DayWords(language, PersonDay(person, span.From)),
               DayWords(language, PersonDay(person, span.To))});
}

std::string SandhiWords(const SandhiEntry& entry, std::string_view boy_name,
                        std::string_view girl_name, std::optional<int> wedding_day,
                        Language language) {
  const Phrases& words = PhrasesOf(language);
  const std::string apart = std::to_string(entry.DaysApart);
  if (entry.BoyDay && entry.GirlDay) {
    return Fill(words.SandhiBoth, {boy_name, DayWords(language, *entry.BoyDay), girl_name,
                                   DayWords(language, *entry.GirlDay), apart});
  }
  const bool boy = entry.BoyDay.has_value();
  const int day = boy ? *entry.BoyDay : entry.GirlDay.value_or(0);
  const std::string_view name = boy ? boy_name : girl_name;
  if (wedding_day) {
    return Fill(words.SandhiOneOnDay,
                {name, DayWords(language, day), apart, DayWords(language, *wedding_day)});
  }
  return Fill(words.SandhiOne, {name, DayWords(language, day), apart});
}

std::vector<TransitRow> TransitsAhead(const PersonTiming& person, int reference_day,
                                      Language language) {
  const int end =
      reference_day + kTransitOutlookYears * kDaysPerOutlookYear + kTransitOutlookYears / 4;
  const Glossary& g = GlossaryOf(language);
  std::vector<TransitRow> rows;
  const auto add = [&](std::string kind, double from, double to) {
    const int from_day = PersonDay(person, from);
    const int to_day = PersonDay(person, to);
    if (to_day >= reference_day && from_day <= end) {
      rows.push_back({std::move(kind), from_day, to_day});
    }
  };
  for (const SadeSatiSpan& span : person.Transits.SadeSati) {
    add(Fill(PhrasesOf(language).SadeSatiPhase,
             {g.SadeSati, SadeSatiPhaseWord(language, span.Phase)}),
        span.From, span.To);
  }
  for (const TransitSpan& span : person.Transits.AshtamaShani) {
    add(std::string(g.AshtamaShani), span.From, span.To);
  }
  std::stable_sort(rows.begin(), rows.end(),
                   [](const TransitRow& a, const TransitRow& b) { return a.FromDay < b.FromDay; });
  return rows;
}

void AppendTimingSection(Document& document, const CoupleTiming& couple, std::string_view boy_name,
                         std::string_view girl_name, const TimingConventions& conventions,
                         int reference_day, Language language) {
  const Phrases& words = PhrasesOf(language);
  const Glossary& g = GlossaryOf(language);
  AddParagraph(document, ParagraphStyle::Heading, std::string(words.TimingHeading));
  AddParagraph(
      document, ParagraphStyle::Note,
      Fill(
          words.TimingConventions,
          {WordOfEnglishName(language, conventions.AyanamsaName).value_or(conventions.AyanamsaName),
           conventions.YearText}));

  document.Blocks.emplace_back(
      ComposeTimeline(couple, boy_name, girl_name, reference_day, language));

  const PersonTiming* persons[] = {&couple.Boy, &couple.Girl};
  const std::string_view names[] = {boy_name, girl_name};

  AddParagraph(document, ParagraphStyle::Subheading,
               Fill(couple.WeddingDay ? words.RunningAtWedding : words.RunningToday,
                    {DayWords(language, reference_day)}));
  DocumentTable running;
  running.Rows.push_back(
      HeaderRow({words.Person, g.DashaLevels[0], g.DashaLevels[1], g.DashaLevels[2]}));
  for (int i = 0; i < 2; ++i) {
    DocumentRow row{TextCell(std::string(names[i]))};
    const std::vector<DashaSpan> chain = RunningOnDay(*persons[i], reference_day);
    for (std::size_t level = 0; level < 3; ++level) {
      row.push_back(
          TextCell(level < chain.size() ? SpanWords(*persons[i], chain[level], language) : "-"));
    }
    running.Rows.push_back(std::move(row));
  }
  running.ColumnWeights = {2, 3, 3, 3};
  document.Blocks.emplace_back(std::move(running));

  AddParagraph(document, ParagraphStyle::Subheading, std::string(g.DashaSandhi));
  if (couple.Sandhi.empty()) {
    AddParagraph(document, ParagraphStyle::Body,
                 std::string(couple.WeddingDay ? words.NoSandhiWedding : words.NoSandhi));
  }
  for (const SandhiEntry& entry : couple.Sandhi) {
    AddParagraph(document, ParagraphStyle::Body,
                 SandhiWords(entry, boy_name, girl_name, couple.WeddingDay, language));
  }

  AddParagraph(document, ParagraphStyle::Subheading,
               Fill(words.TransitsHeading, {std::to_string(kTransitOutlookYears)}));
  DocumentTable transits;
  transits.Rows.push_back(HeaderRow({words.Person, words.Transit, words.From, words.To}));
  for (int i = 0; i < 2; ++i) {
    for (const TransitRow& row : TransitsAhead(*persons[i], reference_day, language)) {
      transits.Rows.push_back({TextCell(std::string(names[i])), TextCell(row.Kind),
                               TextCell(DayWords(language, row.FromDay)),
                               TextCell(DayWords(language, row.ToDay))});
    }
  }
  if (transits.Rows.size() == 1) {
    transits.Rows.push_back(
        {TextCell("-"), TextCell(std::string(words.None)), TextCell("-"), TextCell("-")});
  }
  transits.ColumnWeights = {2, 3, 2, 2};
  document.Blocks.emplace_back(std::move(transits));

  for (int i = 0; i < 2; ++i) {
    AppendPersonPeriods(document, *persons[i], names[i], language);
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
