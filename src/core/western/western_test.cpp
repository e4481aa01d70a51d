#include "core/western/western_test.h"

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
  const auto male = ReadWesternBirthData(form.Male, WesternSide::Male);
  if (const auto* failure = std::get_if<FormFailure>(&male)) {
    return *failure;
  }
  const auto female = ReadWesternBirthData(form.Female, WesternSide::Female);
  if (const auto* failure = std::get_if<FormFailure>(&female)) {
    return *failure;
  }
  WesternTestResult result;
  result.Male = CalculateWesternChart(std::get<WesternBirthData>(male), model);
  result.Female = CalculateWesternChart(std::get<WesternBirthData>(female), model);
  result.Moon = model;
  constexpr auto kMoon = static_cast<std::size_t>(WesternPoint::Moon);
  result.Score = ScoreWesternCompatibility(result.Male.Zodiac[kMoon], result.Female.Zodiac[kMoon]);
  result.Report = MakeWesternReportLabels(form);
  return result;
}

}  // namespace lumora
