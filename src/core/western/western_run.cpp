// SPDX-License-Identifier: MIT
#include "core/western/western_run.h"

namespace lumora {

std::string DateOfBirthText(const WesternFormSide& side) {
  return side.Month + " " + side.Day + ", " + side.Year;
}

WesternReportLabels MakeWesternReportLabels(const WesternForm& form) {
  return {
      .mName = form.Male.Name,
      .mDOB = DateOfBirthText(form.Male),
      .mCity = form.Male.City,
      .mState = form.Male.State,
      .Mcountry = form.Male.Country,
      .fName = form.Female.Name,
      .fDOB = DateOfBirthText(form.Female),
      .fCity = form.Female.City,
      .fState = form.Female.State,
      .fCountry = form.Female.Country,
  };
}

WesternTestResult RunWesternOf(const FormSides<BirthMoment>& moments,
                               const FormSides<PersonClock>& clocks,
                               const WesternReportLabels& labels, MoonModel model) {
  WesternTestResult result;
  for (const PersonSide side : kPersonSides) {
    WesternBirthData data;
    static_cast<BirthMoment&>(data) = moments[side];
    // The exact offset is what the charts read; the zone entry only mirrors it.
    const int add_minutes = -moments[side].UtcOffsetSeconds.value_or(0) / 60;
    data.ZoneAddHours = add_minutes / 60;
    data.ZoneAddMinutes = add_minutes % 60;
    (side == PersonSide::Male ? result.Male : result.Female) = CalculateWesternChart(data, model);
  }
  result.Moon = model;
  result.MaleClock = clocks.Male;
  result.FemaleClock = clocks.Female;
  result.Score = ScoreWesternCompatibility(result.Male.ZodiacOf(ChartPoint::Moon),
                                           result.Female.ZodiacOf(ChartPoint::Moon));
  result.Report = labels;
  return result;
}

WesternTestOutcome RunWesternTest(const WesternForm& form, MoonModel model) {
  auto read = ValidateWesternInput(form);
  if (auto* failure = std::get_if<FormFailure>(&read)) {
    return *failure;
  }
  FormSides<WesternReading>& panels = std::get<FormSides<WesternReading>>(read);
  WesternTestResult result;
  result.Male = CalculateWesternChart(panels.Male.Data, model);
  result.Female = CalculateWesternChart(panels.Female.Data, model);
  result.Moon = model;
  result.MaleClock = std::move(panels.Male.Clock);
  result.FemaleClock = std::move(panels.Female.Clock);
  result.Score = ScoreWesternCompatibility(result.Male.ZodiacOf(ChartPoint::Moon),
                                           result.Female.ZodiacOf(ChartPoint::Moon));
  result.Report = MakeWesternReportLabels(form);
  return result;
}

}  // namespace lumora
