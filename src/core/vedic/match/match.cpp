// SPDX-License-Identifier: MIT
#include "core/vedic/match/match.h"

#include <cstdlib>

#include "core/entry/date_lists.h"
#include "core/ephemeris/zodiac.h"
#include "core/text.h"

namespace lumora {

const char* const kClosingParagraph =
    "Lumo Free Tarvik calculates rashi compatibility by Vedic astrology: it scores the 36 "
    "points (gunas) of the Ashta Kuta system from the Moon signs and nakshatras of the two "
    "partners. The score tells you what to expect of the union, from work and temperament to "
    "love and health. The program also tells you about both persons' rashis and nakshatras. "
    "Lumora v2.05 is free software under the MIT licence.";

namespace {

constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kTeal{0, 128, 128};
constexpr Rgb kBlack{0, 0, 0};

// The points at stake in Guna Milan: the eight kootas' maxima, 1 + 2 + ... + 8.
constexpr std::string_view kGunaMilanMaximum = "36";

}  // namespace

std::string BareSignName(std::string_view text) {
  static constexpr std::string_view kPrefixes[] = {"Ari", "Tau", "Gem", "Can", "Leo", "Vir",
                                                   "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};
  const std::string_view first = text.substr(0, 3);
  for (int k = 0; k < 12; ++k) {
    if (first == kPrefixes[k]) {
      return std::string(kSignNames[k]);
    }
  }
  return std::string(text);
}

std::string MatchVerdict(double total_points) {
  if (total_points < 18.0) {
    return "This is a Poor Match";
  }
  if (total_points < 20.0) {
    return "This is a Fair Match";
  }
  if (total_points < 25.0) {
    return "This is a Good Match";
  }
  if (total_points < 33.0) {
    return "This is a Very Good Match";
  }
  return "This is a Excellent Match";
}

void AppendPersonRuns(ReportDocument& document, const PersonDetails& person) {
  document.push_back({"Name: " + person.Name + kCrLf, false, std::nullopt});
  document.push_back(
      {"Date of Birth: " + person.Month + " " + person.Day + ", " + person.Year + kCrLf, false,
       std::nullopt});
  document.push_back({"Time of Birth: " + std::to_string(person.Hour) + ":" +
                          std::to_string(person.Minute) + ":" + std::to_string(person.Second) +
                          kCrLf,
                      false, std::nullopt});
  if (person.Moon == MoonModel::Precise) {
    document.push_back({"Place of Birth: " + person.Place + kCrLf, false, std::nullopt});
    document.push_back(
        {std::string("Moon: ") + kPreciseMoonText + kCrLf + kCrLf, false, std::nullopt});
    return;
  }
  document.push_back({"Place of Birth: " + person.Place + kCrLf + kCrLf, false, std::nullopt});
}

GunaMilanGrid BuildGunaMilanGrid(const KootaResults& kootas, const KootaTexts& texts,
                                 double total_points) {
  GunaMilanGrid grid;
  for (std::size_t k = 0; k < kootas.size(); ++k) {
    grid.Rows[k] = {kGunaMilanRowTitles[k], kootas[k].BoyValue,
                    kootas[k].GirlValue,    std::string(kKootas[k].Maximum),
                    texts.KootaPoints[k],   texts.KootaAreaOfLife[k]};
  }
  grid.MaximumTotal = std::string(kGunaMilanMaximum);
  grid.PointsTotal = FormatHalfPoints(total_points);
  grid.Verdict = MatchVerdict(total_points);
  grid.Summary =
      "You Have Obtained " + grid.PointsTotal + " Points Out Of " + grid.MaximumTotal + " Points";
  return grid;
}

ReportDocument ComposeMatchReport(const PersonDetails& boy, const PersonDetails& girl,
                                  bool birth_details_stored, const GunaMilanGrid& grid,
                                  const KootaResults& kootas,
                                  const std::array<std::string, kKootaCount>& significance,
                                  const char* credit_line, const ReportDocument& after_kootas) {
  ReportDocument report;
  auto credit = [&](std::optional<Rgb> color) {
    if (credit_line != nullptr) {
      report.push_back({credit_line, false, color});
    }
  };
  auto person = [&](const PersonDetails& details) {
    if (birth_details_stored) {
      AppendPersonRuns(report, details);
    } else {
      report.push_back({std::string(kBirthDetailsNotStored) + kCrLf + kCrLf, false, std::nullopt});
    }
  };
  report.push_back({std::string("Your Details:") + kCrLf, true, std::nullopt});
  person(boy);
  credit(std::nullopt);
  report.push_back({std::string("Your Partner's Details:") + kCrLf, true, std::nullopt});
  person(girl);
  credit(std::nullopt);
  report.push_back({grid.Summary + kCrLf, true, kBlue});
  report.push_back({grid.Verdict + kCrLf + kCrLf, true, kBlue});
  credit(kBlue);
  for (int k = 0; k < kKootaCount; ++k) {
    const std::string word(kKootas[k].Word);
    const Rgb line = kKootas[k].LineColor;
    report.push_back({"Guna: " + word + " Kuta" + kCrLf, true, kRed});
    const GunaMilanRow& row = grid.Rows[static_cast<std::size_t>(k)];
    report.push_back({"Maximum Points: " + row.MaximumPoints + kCrLf, false, kRed});
    report.push_back({"Points Obtained: " + row.PointsObtained + kCrLf, false, kRed});
    report.push_back({"Area of Life: " + row.AreaOfLife + kCrLf, false, kRed});
    report.push_back(
        {boy.Name + " belongs to " + kootas[k].BoyValue + " " + word + kCrLf, false, line});
    report.push_back(
        {girl.Name + " belongs to " + kootas[k].GirlValue + " " + word + kCrLf, false, line});
    report.push_back({"Significance Of " + word + " Kuta" + kCrLf, true, kTeal});
    report.push_back({significance[k] + kCrLf + kCrLf, false, kBlack});
    credit(kBlack);
  }
  report.insert(report.end(), after_kootas.begin(), after_kootas.end());
  report.push_back({std::string(kClosingHeading) + kCrLf, true, kRed});
  report.push_back({kClosingParagraph, false, kRed});
  return report;
}

ReportDocument BuildMatchReport(const MatchState& state, const GunaMilanGrid& grid,
                                const KootaResults& kootas, const KootaTexts& texts) {
  return ComposeMatchReport(state.BoyDetails, state.GirlDetails, state.BirthDetailsStored, grid,
                            kootas, texts.KootaSignificance, nullptr);
}

MatchOutcome CalculateMatch(MatchState& state) {
  MatchOutcome outcome;
  MatchResult result;
  result.Kootas =
      ScoreAllKootas(state.BoyRashi, state.GirlRashi, state.BoyNakshatra, state.GirlNakshatra);
  result.Texts = LoadKootaTexts(result.Kootas);

  // The exact sum: halves are kept, so 0.5 + 0.5 counts 1.
  double total = 0.0;
  for (const std::string& points : result.Texts.KootaPoints) {
    const auto value = ParsePoints(points);
    if (!value) {
      outcome.Failure = FormFailure{kProfileRefusal, MessageIcon::Error, "", false};
      return outcome;
    }
    total += *value;
  }
  state.TotalPoints = total;

  result.Grid = BuildGunaMilanGrid(result.Kootas, result.Texts, total);
  result.TotalPoints = result.Grid.PointsTotal;
  result.Verdict = result.Grid.Verdict;
  result.Summary = result.Grid.Summary;
  result.Report = BuildMatchReport(state, result.Grid, result.Kootas, result.Texts);
  outcome.Result = std::move(result);
  return outcome;
}

MatchOutcome RunMatch(MatchState& state, const BirthForm& form, MoonModel model) {
  auto read = ValidateBirthDetails(form);
  if (auto* failure = std::get_if<FormFailure>(&read)) {
    return {std::move(*failure), std::nullopt};
  }
  return RunMatchOf(state, std::get<FormSides<BirthDetails>>(read), model);
}

MatchOutcome RunMatchOf(MatchState& state, const FormSides<BirthDetails>& sides, MoonModel model) {
  const BirthDetails& boy = sides.Male;
  const BirthDetails& girl = sides.Female;
  const MoonSignResult boy_moon = CalculateMoonSign(boy.Moment, model);
  const MoonSignResult girl_moon = CalculateMoonSign(girl.Moment, model);
  state.BoyDetails = boy.Details;
  state.GirlDetails = girl.Details;
  state.BirthDetailsStored = true;
  state.BoyDetails.Moon = model;
  state.GirlDetails.Moon = model;
  state.BoyRashi = BareSignName(boy_moon.MoonSignName);
  state.GirlRashi = BareSignName(girl_moon.MoonSignName);
  state.BoyNakshatra = boy_moon.NakshatraName;
  state.GirlNakshatra = girl_moon.NakshatraName;
  MatchOutcome outcome = CalculateMatch(state);
  if (outcome.Result) {
    outcome.Result->BoyMoon = boy_moon;
    outcome.Result->GirlMoon = girl_moon;
    outcome.Result->BoyMoment = boy.Moment;
    outcome.Result->GirlMoment = girl.Moment;
    outcome.Result->BoyClock = boy.Clock;
    outcome.Result->GirlClock = girl.Clock;
  }
  return outcome;
}

MatchOutcome OpenProfile(MatchState& state, std::string_view file_name, std::string_view bytes) {
  const FormFailure refusal{kProfileRefusal, MessageIcon::Error, "", false};
  if (!HasProfileExtension(file_name)) {
    return {refusal, std::nullopt};
  }
  const auto values = CheckProfile(bytes);
  if (!values) {
    return {refusal, std::nullopt};
  }
  // The file holds no names or dates: a report must not show another couple's.
  state.BoyDetails = PersonDetails{};
  state.GirlDetails = PersonDetails{};
  state.BirthDetailsStored = false;
  state.BoyRashi = (*values)[0];
  state.GirlRashi = (*values)[1];
  state.BoyNakshatra = (*values)[2];
  state.GirlNakshatra = (*values)[3];
  return CalculateMatch(state);
}

ProfileValues CurrentProfileValues(const MatchState& state) {
  return {state.BoyRashi, state.GirlRashi, state.BoyNakshatra, state.GirlNakshatra};
}

}  // namespace lumora
