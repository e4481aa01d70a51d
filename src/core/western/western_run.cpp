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

WesternTestOutcome RunWesternTest(const WesternForm& form, MoonModel model) {
  if (auto fault = FindWesternListFault(form)) {
    return *fault;
  }
  if (auto failure = ValidateWesternInput(form)) {
    return *failure;
  }
  // Both panels' clocks before either chart, male first, as the checks run.
  std::optional<PersonClock> clocks[2];
  const WesternFormSide* panels[2] = {&form.Male, &form.Female};
  for (int i = 0; i < 2; ++i) {
    auto clock = ReadEntriesClock(*panels[i], kPersonSides[i]);
    if (auto* failure = std::get_if<FormFailure>(&clock)) {
      return *failure;
    }
    clocks[i] = std::get<std::optional<PersonClock>>(std::move(clock));
  }
  WesternTestResult result;
  for (int i = 0; i < 2; ++i) {
    auto data = ReadWesternBirthData(*panels[i], kPersonSides[i]);
    if (const auto* failure = std::get_if<FormFailure>(&data)) {
      return *failure;
    }
    WesternBirthData& birth = std::get<WesternBirthData>(data);
    if (clocks[i]) {
      birth.UtcOffsetSeconds = clocks[i]->Reading.UtcOffsetSeconds;
    }
    (i == 0 ? result.Male : result.Female) = CalculateWesternChart(birth, model);
  }
  result.Moon = model;
  result.MaleClock = std::move(clocks[0]);
  result.FemaleClock = std::move(clocks[1]);
  constexpr auto kMoon = static_cast<std::size_t>(WesternPoint::Moon);
  result.Score = ScoreWesternCompatibility(result.Male.Zodiac[kMoon], result.Female.Zodiac[kMoon]);
  result.Report = MakeWesternReportLabels(form);
  return result;
}

}  // namespace lumora
