// SPDX-License-Identifier: MIT
#include "core/western/western_run.h"

#include "core/nfc.h"
#include "core/text.h"

namespace lumora {

namespace {
constexpr int kSecondsPerHour = 3600;
constexpr int kSecondsPerMinute = 60;
}  // namespace

std::string DateOfBirthText(const WesternFormSide& side) {
  return side.Month + " " + side.Day + ", " + side.Year;
}

std::string TimeOfBirthText(int hour, int minute) {
  return TwoDigits(hour) + ":" + TwoDigits(minute);
}

int WesternUtcOffset(const WesternBirthData& data) {
  if (data.UtcOffsetSeconds) {
    return *data.UtcOffsetSeconds;
  }
  // The zone entry is what is added to the clock to reach universal time.
  return -(data.ZoneAddHours * kSecondsPerHour + data.ZoneAddMinutes * kSecondsPerMinute) +
         (data.IsDST ? kSecondsPerHour : 0);
}

WesternReportLabels MakeWesternReportLabels(const WesternForm& form) {
  const auto time = [](const WesternFormSide& side) {
    return TimeOfBirthText(ParseDigits(side.Hour).value_or(0),
                           ParseDigits(side.Minute).value_or(0));
  };
  return {
      .mName = ComposedText(form.Male.Name),
      .mDOB = DateOfBirthText(form.Male),
      .mTOB = time(form.Male),
      .mCity = ComposedText(form.Male.City),
      .mState = ComposedText(form.Male.State),
      .Mcountry = ComposedText(form.Male.Country),
      .fName = ComposedText(form.Female.Name),
      .fDOB = DateOfBirthText(form.Female),
      .fTOB = time(form.Female),
      .fCity = ComposedText(form.Female.City),
      .fState = ComposedText(form.Female.State),
      .fCountry = ComposedText(form.Female.Country),
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
    result.Locations[side] = LocationOf(data, WesternUtcOffset(data), clocks[side]);
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
  for (const PersonSide side : kPersonSides) {
    const WesternReading& panel = panels[side];
    result.Locations[side] = LocationOf(panel.Data, WesternUtcOffset(panel.Data), panel.Clock);
  }
  result.MaleClock = std::move(panels.Male.Clock);
  result.FemaleClock = std::move(panels.Female.Clock);
  result.Score = ScoreWesternCompatibility(result.Male.ZodiacOf(ChartPoint::Moon),
                                           result.Female.ZodiacOf(ChartPoint::Moon));
  result.Report = MakeWesternReportLabels(form);
  return result;
}

}  // namespace lumora
