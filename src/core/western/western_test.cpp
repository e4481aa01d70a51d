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
  WesternTestResult result;
  result.Male = CalculateWesternChart(ReadWesternBirthData(form.Male), model);
  result.Female = CalculateWesternChart(ReadWesternBirthData(form.Female), model);
  result.Moon = model;
  result.Score = ScoreWesternCompatibility(result.Male.Positions, result.Female.Positions);
  result.Report = MakeWesternReportLabels(form);
  return result;
}

}  // namespace lumora
