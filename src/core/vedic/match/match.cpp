// SPDX-License-Identifier: MIT
#include "core/vedic/match/match.h"

#include <cstdlib>
#include <vector>

#include "core/entry/date_lists.h"
#include "core/ephemeris/zodiac.h"
#include "core/text.h"
#include "core/vedic/chart/sidereal_chart.h"

namespace lumora {

namespace {

constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kTeal{0, 128, 128};
constexpr Rgb kBlack{0, 0, 0};

// The points at stake in Guna Milan: the eight kootas' maxima, 1 + 2 + ... + 8.
constexpr std::string_view kGunaMilanMaximum = "36";

}  // namespace

MatchGrade GradeOfTotal(double total_points) {
  if (total_points < 18.0) {
    return MatchGrade::Poor;
  }
  if (total_points < 20.0) {
    return MatchGrade::Fair;
  }
  if (total_points < 25.0) {
    return MatchGrade::Good;
  }
  if (total_points < 33.0) {
    return MatchGrade::VeryGood;
  }
  return MatchGrade::Excellent;
}

std::string MatchVerdict(double total_points) {
  return std::string(kMatchVerdictLines[static_cast<std::size_t>(GradeOfTotal(total_points))]);
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
  // The block's last line closes it with a blank line; the Moon, ayanamsa and node are
  // named only where they differ from the ones every report was first defined with.
  std::vector<std::string> closing{"Place of Birth: " + person.Place};
  if (person.Location) {
    closing.push_back("Coordinates and Clock: " + LocationWords(*person.Location));
  }
  if (person.Moon == MoonModel::Precise) {
    closing.push_back(std::string("Moon: ") + kPreciseMoonText);
  }
  if (person.Zodiac && person.Zodiac->Options != ChartOptions{}) {
    closing.push_back(AyanamsaLine(*person.Zodiac));
    closing.push_back(NodeLine(person.Zodiac->Options.node));
  }
  for (std::size_t k = 0; k < closing.size(); ++k) {
    document.push_back(
        {closing[k] + kCrLf + (k + 1 == closing.size() ? kCrLf : ""), false, std::nullopt});
  }
}

std::string TablesTotalLine(KootaTables tables, int total_half_points) {
  const double total = total_half_points / 2.0;
  return std::string(KootaTablesName(tables)) + " tables: " + FormatHalfPoints(total) +
         (total < kUsualThresholdPoints ? " \u2014 below " : " \u2014 at least ") +
         FormatHalfPoints(kUsualThresholdPoints);
}

std::string TablesInUseLine(KootaTables tables) {
  return "Koota tables: " + std::string(KootaTablesName(tables));
}

KootaValueWords KootaValues(KootaTables tables, const KootaScores& kootas, int koota) {
  const KootaScore& score = kootas[static_cast<std::size_t>(koota)];
  return {std::string(KootaValueName(tables, koota, score.Boy)),
          std::string(KootaValueName(tables, koota, score.Girl))};
}

GunaMilanGrid BuildGunaMilanGrid(KootaTables tables,
                                 const std::array<KootaScores, kKootaTablesCount>& scores,
                                 const KootaMoon& boy, const KootaMoon& girl) {
  const KootaScores& kootas = scores[static_cast<std::size_t>(tables)];
  GunaMilanGrid grid;
  const double total_points = TotalHalfPoints(kootas) / 2.0;
  for (std::size_t k = 0; k < kootas.size(); ++k) {
    KootaValueWords values = KootaValues(tables, kootas, static_cast<int>(k));
    grid.Rows[k] = {kGunaMilanRowTitles[k],
                    std::move(values.Boy),
                    std::move(values.Girl),
                    std::string(kKootas[k].Maximum),
                    FormatHalfPoints(kootas[k].HalfPoints / 2.0),
                    std::string(kKootas[k].AreaOfLife)};
  }
  grid.MaximumTotal = std::string(kGunaMilanMaximum);
  grid.PointsTotal = FormatHalfPoints(total_points);
  grid.Verdict = MatchVerdict(total_points);
  grid.Summary =
      "You Have Obtained " + grid.PointsTotal + " Points Out Of " + grid.MaximumTotal + " Points";
  const KootaTables other = OtherKootaTables(tables);
  grid.TablesLine = TablesInUseLine(tables);
  grid.OtherTotalLine =
      TablesTotalLine(other, TotalHalfPoints(scores[static_cast<std::size_t>(other)]));
  grid.Notes = KootaNotes(tables, scores, boy, girl);
  return grid;
}

ReportDocument ComposeMatchReport(const PersonDetails& boy, const PersonDetails& girl,
                                  bool birth_details_stored, const MatchResult& result,
                                  const char* credit_line, const ReportDocument& after_kootas) {
  const GunaMilanGrid& grid = result.Grid;
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
  report.push_back({grid.TablesLine + kCrLf, false, kBlue});
  report.push_back({grid.OtherTotalLine + kCrLf + kCrLf, false, kBlue});
  credit(kBlue);
  for (int k = 0; k < kKootaCount; ++k) {
    const std::string word(kKootas[k].Word);
    const Rgb line = kKootas[k].LineColor;
    report.push_back({"Guna: " + word + " Kuta" + kCrLf, true, kRed});
    const GunaMilanRow& row = grid.Rows[static_cast<std::size_t>(k)];
    report.push_back({"Maximum Points: " + row.MaximumPoints + kCrLf, false, kRed});
    report.push_back({"Points Obtained: " + row.PointsObtained + kCrLf, false, kRed});
    report.push_back({"Area of Life: " + row.AreaOfLife + kCrLf, false, kRed});
    report.push_back({boy.Name + " belongs to " + row.BoyValue + " " + word + kCrLf, false, line});
    report.push_back(
        {girl.Name + " belongs to " + row.GirlValue + " " + word + kCrLf, false, line});
    report.push_back({"Significance Of " + word + " Kuta" + kCrLf, true, kTeal});
    report.push_back({result.Texts.KootaSignificance[static_cast<std::size_t>(k)] + kCrLf + kCrLf,
                      false, kBlack});
    credit(kBlack);
  }
  report.insert(report.end(), after_kootas.begin(), after_kootas.end());
  report.push_back({std::string(kClosingHeading) + kCrLf, true, kRed});
  report.push_back({kClosingParagraph, false, kRed});
  return report;
}

ReportDocument BuildMatchReport(const MatchState& state, const MatchResult& result) {
  return ComposeMatchReport(state.BoyDetails, state.GirlDetails, state.BirthDetailsStored, result,
                            nullptr);
}

MatchOutcome CalculateMatch(MatchState& state) {
  MatchResult result;
  result.Tables = state.Tables;
  for (const KootaTables tables : kAllKootaTables) {
    result.Scores[static_cast<std::size_t>(tables)] = ScoreKootas(tables, state.Boy, state.Girl);
  }
  const KootaScores& kootas = result.Kootas();
  result.Texts = LoadKootaTexts(state.Tables, kootas);
  // The exact sum: halves are kept, so 0.5 + 0.5 counts 1.
  state.TotalPoints = TotalHalfPoints(kootas) / 2.0;

  result.Grid = BuildGunaMilanGrid(state.Tables, result.Scores, state.Boy, state.Girl);
  result.TotalPoints = result.Grid.PointsTotal;
  result.Verdict = result.Grid.Verdict;
  result.Summary = result.Grid.Summary;
  result.Pair = {state.Boy.Sign, state.Girl.Sign, state.Boy.Nakshatra, state.Girl.Nakshatra};
  result.Poruthams = MatchPoruthams(result.Pair);
  result.Report = BuildMatchReport(state, result);
  return {std::nullopt, std::move(result)};
}

MatchOutcome RunMatch(MatchState& state, const BirthForm& form, MoonModel model,
                      const ChartOptions& chart) {
  auto read = ValidateBirthDetails(form);
  if (auto* failure = std::get_if<FormFailure>(&read)) {
    return {std::move(*failure), std::nullopt};
  }
  return RunMatchOf(state, std::get<FormSides<BirthDetails>>(read), model, chart);
}

MatchOutcome RunMatchOf(MatchState& state, const FormSides<BirthDetails>& sides, MoonModel model,
                        const ChartOptions& chart) {
  const BirthDetails& boy = sides.Male;
  const BirthDetails& girl = sides.Female;
  const MoonSignResult boy_moon = CalculateMoonSign(boy.Moment, model, chart.ayanamsa);
  const MoonSignResult girl_moon = CalculateMoonSign(girl.Moment, model, chart.ayanamsa);
  state.BoyDetails = boy.Details;
  state.GirlDetails = girl.Details;
  state.BirthDetailsStored = true;
  state.BoyDetails.Moon = model;
  state.GirlDetails.Moon = model;
  state.BoyDetails.Zodiac = ChartZodiacAt(boy.Moment, chart);
  state.GirlDetails.Zodiac = ChartZodiacAt(girl.Moment, chart);
  state.Boy = KootaMoonAt(boy_moon.SiderealLongitude);
  state.Girl = KootaMoonAt(girl_moon.SiderealLongitude);
  MatchOutcome outcome = CalculateMatch(state);
  if (outcome.Result) {
    outcome.Result->BoyMoon = boy_moon;
    outcome.Result->GirlMoon = girl_moon;
    outcome.Result->BoyMoment = boy.Moment;
    outcome.Result->GirlMoment = girl.Moment;
    outcome.Result->BoyClock = boy.Clock;
    outcome.Result->GirlClock = girl.Clock;
    // Papasamyam reads the same charts the charts page draws.
    outcome.Result->Papasamyam = AssessPapasamyam(CalculateSiderealChart(boy.Moment, chart),
                                                  CalculateSiderealChart(girl.Moment, chart));
  }
  return outcome;
}

MatchOutcome OpenProfile(MatchState& state, std::string_view file_name, std::string_view bytes) {
  const FormFailure refusal{kProfileRefusal, MessageIcon::Error, std::nullopt, false};
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
  const auto moons = ProfileMoons(*values);
  state.Boy = moons->Boy;
  state.Girl = moons->Girl;
  return CalculateMatch(state);
}

std::optional<MatchMoons> ProfileMoons(const ProfileValues& values) {
  const auto boy_sign = FindSign(values[0]);
  const auto girl_sign = FindSign(values[1]);
  const auto boy_nakshatra = FindNakshatra(values[2]);
  const auto girl_nakshatra = FindNakshatra(values[3]);
  if (!boy_sign || !girl_sign || !boy_nakshatra || !girl_nakshatra) {
    return std::nullopt;
  }
  return MatchMoons{KootaMoonOf(*boy_sign, *boy_nakshatra),
                    KootaMoonOf(*girl_sign, *girl_nakshatra)};
}

ProfileValues CurrentProfileValues(const MatchState& state) {
  return {std::string(kSignNames[static_cast<std::size_t>(state.Boy.Sign)]),
          std::string(kSignNames[static_cast<std::size_t>(state.Girl.Sign)]),
          std::string(kNakshatraNames[static_cast<std::size_t>(state.Boy.Nakshatra)]),
          std::string(kNakshatraNames[static_cast<std::size_t>(state.Girl.Nakshatra)])};
}

}  // namespace lumora
