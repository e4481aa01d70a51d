// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <variant>

#include "core/entry/birth_location.h"
#include "core/ephemeris/western_positions.h"
#include "core/western/western_form.h"
#include "core/western/western_score.h"

namespace lumora {

// The person labels of the Western report, named as the report names them.
struct WesternReportLabels {
  std::string mName;  // as typed, not trimmed
  std::string mDOB;   // "January 5, 1980"
  std::string mTOB;   // "05:07", the clock time as entered
  std::string mCity;
  std::string mState;
  std::string Mcountry;
  std::string fName;
  std::string fDOB;
  std::string fTOB;
  std::string fCity;
  std::string fState;
  std::string fCountry;
};

// Everything the Western report shows.
struct WesternTestResult {
  WesternChart Male;
  WesternChart Female;
  WesternScore Score;
  WesternReportLabels Report;
  MoonModel Moon = MoonModel::Standard;  // the Moon both charts were computed with
  // The clock of each person whose panel named a zone.
  std::optional<PersonClock> MaleClock;
  std::optional<PersonClock> FemaleClock;
  // Where each chart was cast and on which clock, as the charts read them.
  FormSides<BirthLocation> Locations;
};

// The result, or the message the form shows instead.
using WesternTestOutcome = std::variant<WesternTestResult, FormFailure>;

// The month text, a blank, the day text, a comma and a blank, the year text.
std::string DateOfBirthText(const WesternFormSide& side);
// The hour and minute as two digits each: "05:07".
std::string TimeOfBirthText(int hour, int minute);

// The offset from universal time the Western charts read (signed seconds, east positive):
// the exact offset where there is one, else the zone entry less the daylight hour.
int WesternUtcOffset(const WesternBirthData& data);

WesternReportLabels MakeWesternReportLabels(const WesternForm& form);

// The whole Western test of a form: list entries, validation, both charts (male first),
// the score and the report labels.
WesternTestOutcome RunWesternTest(const WesternForm& form, MoonModel model = MoonModel::Standard);

// The Western test of two persons read elsewhere than from the form (the person records of
// the command-line tool): each one's moment with its exact offset, clock and report labels.
WesternTestResult RunWesternOf(const FormSides<BirthMoment>& moments,
                               const FormSides<PersonClock>& clocks,
                               const WesternReportLabels& labels,
                               MoonModel model = MoonModel::Standard);

}  // namespace lumora
