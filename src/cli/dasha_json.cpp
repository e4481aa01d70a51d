// SPDX-License-Identifier: MIT
#include "cli/dasha_json.h"

#include "core/ephemeris/zodiac.h"
#include "core/vedic/timing/timing_document.h"

namespace lumora::cli {

namespace {

constexpr const char* kSubKeys[] = {"Antardashas", "Pratyantardashas"};

Json PeriodsJson(const PersonTiming& person, const std::vector<DashaPeriod>& periods, int depth) {
  Json list = Json::array();
  for (const DashaPeriod& period : periods) {
    Json item;
    item["Lord"] = std::string(DashaLordName(period.Lord));
    item["From"] = PersonDateText(person, period.From);
    item["To"] = PersonDateText(person, period.To);
    if (!period.Sub.empty() && depth < 2) {
      item[kSubKeys[depth]] = PeriodsJson(person, period.Sub, depth + 1);
    }
    list.push_back(std::move(item));
  }
  return list;
}

Json SpanJson(const PersonTiming& person, const DashaSpan& span) {
  Json item;
  item["Lord"] = std::string(DashaLordName(span.Lord));
  item["From"] = PersonDateText(person, span.From);
  item["To"] = PersonDateText(person, span.To);
  return item;
}

void AddMoonJson(Json& out, const PersonTiming& person) {
  out["MoonNakshatra"] =
      std::string(kNakshatraNames[static_cast<std::size_t>(person.Dashas.Moon.Nakshatra)]);
  out["BirthLord"] = std::string(DashaLordName(person.Dashas.BirthLord));
  out["BalanceYears"] = person.Dashas.BalanceYears;
}

}  // namespace

Json PersonDashaJson(const std::string& name, const PersonTiming& person) {
  Json out;
  out["Name"] = name;
  AddMoonJson(out, person);
  out["Mahadashas"] = PeriodsJson(person, person.Dashas.Mahadashas, 0);
  Json sade_sati = Json::array();
  for (const SadeSatiSpan& span : person.Transits.SadeSati) {
    sade_sati.push_back({{"Phase", std::string(SadeSatiPhaseName(span.Phase))},
                         {"From", PersonDateText(person, span.From)},
                         {"To", PersonDateText(person, span.To)}});
  }
  out["SadeSati"] = std::move(sade_sati);
  Json ashtama = Json::array();
  for (const TransitSpan& span : person.Transits.AshtamaShani) {
    ashtama.push_back(
        {{"From", PersonDateText(person, span.From)}, {"To", PersonDateText(person, span.To)}});
  }
  out["AshtamaShani"] = std::move(ashtama);
  return out;
}

Json MatchDashaJson(const PersonTiming& person, std::optional<int> wedding_day) {
  Json out;
  AddMoonJson(out, person);
  Json mahadashas = Json::array();
  for (const DashaPeriod& period : person.Dashas.Mahadashas) {
    mahadashas.push_back(SpanJson(person, {period.Lord, period.From, period.To}));
  }
  out["Mahadashas"] = std::move(mahadashas);
  if (wedding_day) {
    constexpr const char* kLevelKeys[] = {"Mahadasha", "Antardasha", "Pratyantardasha"};
    Json at;
    at["Date"] = DayText(*wedding_day);
    const std::vector<DashaSpan> chain = RunningOnDay(person, *wedding_day);
    for (std::size_t level = 0; level < chain.size() && level < 3; ++level) {
      at[kLevelKeys[level]] = SpanJson(person, chain[level]);
    }
    out["AtWedding"] = std::move(at);
  }
  return out;
}

Json DashaSandhiJson(const CoupleTiming& couple) {
  Json list = Json::array();
  for (const SandhiEntry& entry : couple.Sandhi) {
    Json item;
    item["Boy"] = entry.BoyDay ? Json(DayText(*entry.BoyDay)) : Json(nullptr);
    item["Girl"] = entry.GirlDay ? Json(DayText(*entry.GirlDay)) : Json(nullptr);
    item["DaysApart"] = entry.DaysApart;
    list.push_back(std::move(item));
  }
  return list;
}

}  // namespace lumora::cli
