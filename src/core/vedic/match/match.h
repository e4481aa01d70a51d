// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/entry/form_failure.h"
#include "core/ephemeris/moon_sign.h"
#include "core/report_run.h"
#include "core/vedic/entry/birth_form.h"
#include "core/vedic/entry/profile.h"
#include "core/vedic/match/koota_scoring.h"
#include "core/vedic/match/koota_texts.h"

namespace lumora {

// The state of the Vedic test that lives from one match to the next.
struct MatchState {
  PersonDetails BoyDetails;
  PersonDetails GirlDetails;
  std::string BoyRashi;  // bare sign names, "Aries" .. "Pisces"
  std::string GirlRashi;
  std::string BoyNakshatra;
  std::string GirlNakshatra;
  // Whether the persons' details come from a birth-details form; a profile file keeps
  // only the four Moon values.
  bool BirthDetailsStored = true;
  double TotalPoints = 0.0;  // exact: a multiple of 0.5
};

// The row and column titles of the Guna Milan table, as the result window and the
// shared match document head it; the rows follow the koota order of kKootas.
inline constexpr std::array<std::string_view, kKootaCount> kGunaMilanRowTitles = {
    "VARNA", "VASYA", "TARA", "YONI", "MAITRI", "GANA", "RASHI", "NADI"};
inline constexpr std::array<std::string_view, 6> kGunaMilanColumnTitles = {
    "GUNA", "BOY", "GIRL", "MAXIMUM POINTS", "POINTS OBTAINED", "AREA OF LIFE"};

// One koota's row of the Guna Milan table, every cell as it is shown.
struct GunaMilanRow {
  std::string_view Title;      // "VARNA" .. "NADI", the row's heading cell
  std::string BoyValue;        // the boy's class in this koota: "Kshatriya", "Nara" ...
  std::string GirlValue;       // the girl's
  std::string MaximumPoints;   // "1" for Varna .. "8" for Nadi
  std::string PointsObtained;  // "0", "0.5" .. "8"
  std::string AreaOfLife;      // "Work", "Control" ...

  bool operator==(const GunaMilanRow&) const = default;
};

// The whole Guna Milan table: eight koota rows, then the total row (the verdict, the
// 36 points at stake and the points obtained) and the sentence under the table.
struct GunaMilanGrid {
  std::array<GunaMilanRow, kKootaCount> Rows;
  std::string MaximumTotal;  // "36"
  std::string PointsTotal;   // "23.5" or "23"
  std::string Verdict;       // "This is a Good Match"
  std::string Summary;       // "You Have Obtained 23.5 Points Out Of 36 Points"

  bool operator==(const GunaMilanGrid&) const = default;
};

// The table of scored kootas with their texts; the total is the exact sum of the
// points, in halves.
GunaMilanGrid BuildGunaMilanGrid(const KootaResults& kootas, const KootaTexts& texts,
                                 double total_points);

// Everything one finished match shows.
struct MatchResult {
  KootaResults Kootas;
  KootaTexts Texts;
  GunaMilanGrid Grid;
  std::string TotalPoints;  // the grid's points total: "23.5" or "23"
  std::string Verdict;      // the grid's verdict line
  std::string Summary;      // the grid's closing sentence
  ReportDocument Report;
  std::optional<MoonSignResult> BoyMoon;  // absent for a match from a profile file
  std::optional<MoonSignResult> GirlMoon;
  std::optional<BirthMoment> BoyMoment;  // the birth moments behind the Moons, for the charts
  std::optional<BirthMoment> GirlMoment;
  // The clock of each person whose form named a zone.
  std::optional<PersonClock> BoyClock;
  std::optional<PersonClock> GirlClock;
};

// A match either fails with one message or yields a result.
struct MatchOutcome {
  std::optional<FormFailure> Failure;
  std::optional<MatchResult> Result;
};

// "Libra (Thula)" gives "Libra"; a text whose first three letters name no sign is
// returned unchanged.
std::string BareSignName(std::string_view text);

std::string MatchVerdict(double total_points);

// Scores the four Moon values of the state, totals them exactly and builds the
// grid, texts and report. Refuses (and leaves the state's total alone) when a
// value lies outside the tables, so no earlier total or verdict is ever shown.
MatchOutcome CalculateMatch(MatchState& state);

// The match button: validates and reads the form, computes both Moons, boy first,
// and calls CalculateMatch. The model chooses the lunar theory of both Moons.
MatchOutcome RunMatch(MatchState& state, const BirthForm& form,
                      MoonModel model = MoonModel::Standard);

// The match of two persons read elsewhere than from the form (the person records of the
// command-line tool): their details, moments and clocks, boy first.
MatchOutcome RunMatchOf(MatchState& state, const FormSides<BirthDetails>& persons,
                        MoonModel model = MoonModel::Standard);

// Opening a profile file: the name must end in "kun" and the bytes must hold four
// valid Moon values; then the persons' details are cleared (the file holds none)
// and the match runs on the file's values. A refused file changes nothing.
MatchOutcome OpenProfile(MatchState& state, std::string_view file_name, std::string_view bytes);

// The profile file of the state's four Moon values.
ProfileValues CurrentProfileValues(const MatchState& state);

// The interpretation report of a finished match.
ReportDocument BuildMatchReport(const MatchState& state, const GunaMilanGrid& grid,
                                const KootaResults& kootas, const KootaTexts& texts);

// Said in place of the persons' details of a match from a profile file.
inline constexpr const char* kBirthDetailsNotStored =
    "Birth details are not stored in profile files";

// The match report for two persons; with a credit line, that line follows each
// person's details, the verdict and each koota's significance (the exported form).
// Without stored birth details each person's block is kBirthDetailsNotStored.
// after_kootas follows the last koota, before the closing paragraph.
ReportDocument ComposeMatchReport(const PersonDetails& boy, const PersonDetails& girl,
                                  bool birth_details_stored, const GunaMilanGrid& grid,
                                  const KootaResults& kootas,
                                  const std::array<std::string, kKootaCount>& significance,
                                  const char* credit_line, const ReportDocument& after_kootas = {});

// Shared by the match report and every exported document.
// The Vedic test's name with the program's version as the About box gives it.
inline constexpr const char* kClosingHeading = "About Lumo Free Tarvik (Lumora v2.05)";
extern const char* const kClosingParagraph;

// "Name: ...", "Date of Birth: ...", "Time of Birth: ...", "Place of Birth: ..." runs,
// and "Moon: Precise Moon" when the precise Moon computed the match, so a printed
// match tells which Moon it rests on.
void AppendPersonRuns(ReportDocument& document, const PersonDetails& person);

}  // namespace lumora
