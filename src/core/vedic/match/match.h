// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/ephemeris/moon_sign.h"
#include "core/form_failure.h"
#include "core/glossary/language.h"
#include "core/report_run.h"
#include "core/vedic/entry/birth_form.h"
#include "core/vedic/entry/profile.h"
#include "core/vedic/match/koota_scoring.h"
#include "core/vedic/match/koota_texts.h"
#include "core/vedic/porutham/porutham.h"

namespace lumora {

// The state of the Vedic test that lives from one match to the next.
struct MatchState {
  PersonDetails BoyDetails;
  PersonDetails GirlDetails;
  KootaMoon Boy;  // the Moons the kootas read: sign, nakshatra, degree within the sign
  KootaMoon Girl;
  // Whether the persons' details come from a birth-details form; a profile file keeps
  // only the four Moon values.
  bool BirthDetailsStored = true;
  KootaTables Tables = KootaTables::Specified;  // the tables the match is scored with
  double TotalPoints = 0.0;                     // exact: a multiple of 0.5
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
  std::string MaximumTotal;    // "36"
  std::string PointsTotal;     // "23.5" or "23"
  std::string Verdict;         // "This is a Good Match"
  std::string Summary;         // "You Have Obtained 23.5 Points Out Of 36 Points"
  std::string TablesLine;      // "Koota tables: Specified"
  std::string OtherTotalLine;  // "Classical tables: 15.5 \u2014 below 18"
  // Per koota row, a one-line note where the row would otherwise contradict the other
  // tables or a dosha; empty where there is nothing to say.
  std::array<std::string, kKootaCount> Notes;

  bool operator==(const GunaMilanGrid&) const = default;
};

// The table of a match scored by both sets, in the words of the tables in use: the
// total is the exact sum of their points, in halves; the other set's total and the
// rows' notes follow (KootaNotes). boy and girl are the Moons scored.
GunaMilanGrid BuildGunaMilanGrid(KootaTables tables,
                                 const std::array<KootaScores, kKootaTablesCount>& scores,
                                 const KootaMoon& boy, const KootaMoon& girl);

// The words of one koota's values as a row and the report show them.
struct KootaValueWords {
  std::string Boy;
  std::string Girl;
};
KootaValueWords KootaValues(KootaTables tables, const KootaScores& kootas, int koota);

// Everything one finished match shows.
struct MatchResult {
  KootaTables Tables = KootaTables::Specified;
  // The match scored by both sets of tables, indexed by KootaTables.
  std::array<KootaScores, kKootaTablesCount> Scores{};
  KootaTexts Texts;  // of the tables in use
  GunaMilanGrid Grid;
  std::string TotalPoints;  // the grid's points total: "23.5" or "23"
  std::string Verdict;      // the grid's verdict line
  std::string Summary;      // the grid's closing sentence
  ReportDocument Report;
  // The South Indian match of the same Moons; Papasamyam where both birth charts exist
  // (not for a match from a profile file).
  MoonPair Pair;
  PoruthamMatch Poruthams;
  std::optional<PapasamyamResult> Papasamyam;
  std::optional<MoonSignResult> BoyMoon;  // absent for a match from a profile file
  std::optional<MoonSignResult> GirlMoon;
  std::optional<BirthMoment> BoyMoment;  // the birth moments behind the Moons, for the charts
  std::optional<BirthMoment> GirlMoment;
  // The clock of each person whose form named a zone.
  std::optional<PersonClock> BoyClock;
  std::optional<PersonClock> GirlClock;

  // The scores of the tables in use.
  const KootaScores& Kootas() const { return Scores[static_cast<std::size_t>(Tables)]; }
  int TotalHalfPointsOf(KootaTables tables) const {
    return TotalHalfPoints(Scores[static_cast<std::size_t>(tables)]);
  }
};

// A match either fails with one message or yields a result.
struct MatchOutcome {
  std::optional<FormFailure> Failure;
  std::optional<MatchResult> Result;
};

// The grades of a Guna Milan total and the verdict line of each.
enum class MatchGrade { Poor, Fair, Good, VeryGood, Excellent };
inline constexpr int kMatchGradeCount = 5;

inline constexpr std::array<std::string_view, kMatchGradeCount> kMatchVerdictLines = {
    "This is a Poor Match", "This is a Fair Match", "This is a Good Match",
    "This is a Very Good Match", "This is a Excellent Match"};

// Below 18 poor, below 20 fair, below 25 good, below 33 very good, else excellent.
MatchGrade GradeOfTotal(double total_points);
std::string MatchVerdict(double total_points);

// The threshold a match is commonly held to need, in points.
inline constexpr double kUsualThresholdPoints = 18.0;

// "Classical tables: 15.5 — below 18": a set's total, said beside the other's.
std::string TablesTotalLine(KootaTables tables, int total_half_points);
// "Koota tables: Classical".
std::string TablesInUseLine(KootaTables tables);

// The notes of a match's rows (see MatchResult::Notes), in the language.
std::array<std::string, kKootaCount> KootaNotes(
    KootaTables tables, const std::array<KootaScores, kKootaTablesCount>& scores,
    const KootaMoon& boy, const KootaMoon& girl, Language language = Language::English);
// The notes of a finished match in the language.
std::array<std::string, kKootaCount> KootaNotesIn(const MatchResult& result, Language language);

// Scores the two Moons of the state by both sets of tables, totals them exactly and
// builds the grid, texts, notes and report of the tables in use.
MatchOutcome CalculateMatch(MatchState& state);

// The match button: validates and reads the form, computes both Moons, boy first,
// and calls CalculateMatch. The model chooses the lunar theory of both Moons; the chart
// options the zodiac of the Moons and of the charts Papasamyam reads.
MatchOutcome RunMatch(MatchState& state, const BirthForm& form,
                      MoonModel model = MoonModel::Standard, const ChartOptions& chart = {});

// The match of two persons read elsewhere than from the form (the person records of the
// command-line tool): their details, moments and clocks, boy first.
MatchOutcome RunMatchOf(MatchState& state, const FormSides<BirthDetails>& persons,
                        MoonModel model = MoonModel::Standard, const ChartOptions& chart = {});

// Opening a profile file: the name must end in "kun" and the bytes must hold four
// valid Moon values; then the persons' details are cleared (the file holds none)
// and the match runs on the file's values. A refused file changes nothing.
MatchOutcome OpenProfile(MatchState& state, std::string_view file_name, std::string_view bytes);

// The Moons of a profile's four values (sign and nakshatra names); the vasya half-signs
// follow the nakshatra (KootaMoonOf). Nothing when a value is not in the tables.
struct MatchMoons {
  KootaMoon Boy;
  KootaMoon Girl;
};
std::optional<MatchMoons> ProfileMoons(const ProfileValues& values);

// The profile file of the state's four Moon values.
ProfileValues CurrentProfileValues(const MatchState& state);

// The interpretation report of a finished match.
ReportDocument BuildMatchReport(const MatchState& state, const MatchResult& result);

// Said in place of the persons' details of a match from a profile file.
inline constexpr const char* kBirthDetailsNotStored =
    "Birth details are not stored in profile files";

// The match report for two persons; with a credit line, that line follows each
// person's details, the verdict and each koota's significance (the exported form).
// Without stored birth details each person's block is kBirthDetailsNotStored.
// after_kootas follows the last koota, before the closing paragraph.
ReportDocument ComposeMatchReport(const PersonDetails& boy, const PersonDetails& girl,
                                  bool birth_details_stored, const MatchResult& result,
                                  const char* credit_line, const ReportDocument& after_kootas = {});

// Shared by the match report and every exported document.
// The Vedic test's name with the program's version as the About box gives it.
inline constexpr const char* kClosingHeading = "About Lumo Free Tarvik (Lumora v2.05)";
inline constexpr const char* kClosingParagraph =
    "Lumo Free Tarvik calculates rashi compatibility by Vedic astrology: it scores the 36 "
    "points (gunas) of the Ashta Kuta system from the Moon signs and nakshatras of the two "
    "partners. The score tells you what to expect of the union, from work and temperament to "
    "love and health. The program also tells you about both persons' rashis and nakshatras. "
    "Lumora v2.05 is free software under the MIT licence.";

// "Name: ...", "Date of Birth: ...", "Time of Birth: ...", "Place of Birth: ..." runs, the
// coordinates and clock the match read where the details have them, and "Moon: Precise
// Moon" when the precise Moon computed the match, "Ayanamsa: Lahiri, 23°43′12″" and "Node:
// True" when another zodiac or node than the standard ones did, so a printed match tells
// which Moon it rests on.
void AppendPersonRuns(ReportDocument& document, const PersonDetails& person);

}  // namespace lumora
