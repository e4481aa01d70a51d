// SPDX-License-Identifier: MIT
// The match driver: sign names, verdict bands, exact half-point totals, the grid, the
// interpretation report, and how form runs and profile files change the state.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/vedic/entry/profile.h"
#include "core/vedic/match/match.h"

#include "reference_forms.h"

namespace lumora {
namespace {

using testing::ReferenceForm;

constexpr double kHalfPoint = 0.5;  // every score and total is a multiple of it

MatchState ProfileState(const ProfileValues& values) {
  MatchState state;
  const auto moons = ProfileMoons(values);
  EXPECT_TRUE(moons.has_value());
  if (moons) {
    state.Boy = moons->Boy;
    state.Girl = moons->Girl;
  }
  return state;
}

std::string_view SignOf(const KootaMoon& moon) {
  return kSignNames[static_cast<std::size_t>(moon.Sign)];
}

std::string_view NakshatraOf(const KootaMoon& moon) {
  return kNakshatraNames[static_cast<std::size_t>(moon.Nakshatra)];
}

TEST(MatchVerdict, BandsOfTheExactTotal) {
  const std::pair<double, const char*> cases[] = {
      {36, "This is a Excellent Match"},   {33, "This is a Excellent Match"},
      {32.5, "This is a Very Good Match"}, {32, "This is a Very Good Match"},
      {25, "This is a Very Good Match"},   {24.5, "This is a Good Match"},
      {24, "This is a Good Match"},        {20, "This is a Good Match"},
      {19.5, "This is a Fair Match"},      {19, "This is a Fair Match"},
      {18, "This is a Fair Match"},        {17.5, "This is a Poor Match"},
      {17, "This is a Poor Match"},        {0, "This is a Poor Match"},
  };
  for (const auto& [total, verdict] : cases) {
    EXPECT_EQ(MatchVerdict(total), verdict) << total;
  }
}

struct TotalCase {
  const char* source;
  ProfileValues values;
  double total;
  const char* total_text;
  const char* verdict;
};

TEST(CalculateMatch, ExactTotalsKeepTheirHalves) {
  // Points of the first case: 0, 0.5, 1.5, 3.5, 1, 2, 7, 8. Rounding each score to the
  // nearest even whole number would have given 24; the exact total is 23.5.
  const TotalCase cases[] = {
      {"Aries/Bharani with Gemini/Shatabhisha",
       {"Aries", "Gemini", "Bharani", "Shatabhisha"},
       23.5,
       "23.5",
       "This is a Good Match"},
      {"17.5 stays below 18",
       {"Aries", "Gemini", "Ashwini", "Uttara Phalguni"},
       17.5,
       "17.5",
       "This is a Poor Match"},
      {"19.5 is still fair",
       {"Aries", "Gemini", "Ashwini", "Ardra"},
       19.5,
       "19.5",
       "This is a Fair Match"},
      {"24.5 is still good",
       {"Aries", "Gemini", "Ashwini", "Chitra"},
       24.5,
       "24.5",
       "This is a Good Match"},
      {"32.5 is still very good",
       {"Taurus", "Virgo", "Ashwini", "Mrigasira"},
       32.5,
       "32.5",
       "This is a Very Good Match"},
      {"33 is excellent",
       {"Aries", "Aries", "Bharani", "Punarvasu"},
       33,
       "33",
       "This is a Excellent Match"},
      {"two Leo Moons in Magha",
       {"Leo", "Leo", "Magha", "Magha"},
       25,
       "25",
       "This is a Very Good Match"},
      {"Cancer/Pushya with Libra/Swati",
       {"Cancer", "Libra", "Pushya", "Swati"},
       18,
       "18",
       "This is a Fair Match"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.source);
    MatchState state = ProfileState(c.values);
    const MatchOutcome outcome = CalculateMatch(state);
    ASSERT_TRUE(outcome.Result.has_value());
    ASSERT_FALSE(outcome.Failure.has_value());
    const MatchResult& r = *outcome.Result;
    EXPECT_NEAR(state.TotalPoints, c.total, kHalfPoint / 8);
    EXPECT_EQ(r.TotalPoints, c.total_text);
    EXPECT_EQ(r.Verdict, c.verdict);
    EXPECT_EQ(r.Summary,
              std::string("You Have Obtained ") + c.total_text + " Points Out Of 36 Points");
    EXPECT_EQ(r.Grid.MaximumTotal, "36");
    EXPECT_EQ(r.Grid.PointsTotal, c.total_text);
    EXPECT_EQ(r.Grid.Verdict, c.verdict);
    EXPECT_EQ(r.Grid.Summary, r.Summary);
    EXPECT_FALSE(r.BoyMoon.has_value());
  }
}

TEST(CalculateMatch, GunaMilanGridRows) {
  // Aries/Bharani with Gemini/Shatabhisha, 23.5 points: the row titles, each
  // koota's classes, points and area of life, the totals and the sentence.
  MatchState state = ProfileState({"Aries", "Gemini", "Bharani", "Shatabhisha"});
  const MatchOutcome outcome = CalculateMatch(state);
  ASSERT_TRUE(outcome.Result.has_value());
  struct Row {
    const char* title;
    const char* boy;
    const char* girl;
    const char* maximum;
    const char* points;
    const char* area;
  };
  constexpr Row kExpected[kKootaCount] = {
      {"VARNA", "Kshatriya", "Sudra", "1", "0", "Work"},
      {"VASYA", "Chatushpada", "Nara", "2", "0.5", "Control"},
      {"TARA", "Bharani", "Shatabhisha", "3", "1.5", "Destiny"},
      {"YONI", "Bharani", "Shatabhisha", "4", "3.5", "Mental Awareness"},
      {"MAITRI", "Aries", "Gemini", "5", "1", "Compatibility"},
      {"GANA", "Manusha", "Rakshasa", "6", "2", "Temperament"},
      {"RASHI", "Aries", "Gemini", "7", "7", "Love"},
      {"NADI", "Pitha/Madhya", "Vatha/Adi", "8", "8", "Health"},
  };
  const GunaMilanGrid& grid = outcome.Result->Grid;
  for (std::size_t k = 0; k < grid.Rows.size(); ++k) {
    const Row& e = kExpected[k];
    const GunaMilanRow& row = grid.Rows[k];
    SCOPED_TRACE(e.title);
    EXPECT_EQ(row.Title, e.title);
    EXPECT_EQ(row.BoyValue, e.boy);
    EXPECT_EQ(row.GirlValue, e.girl);
    EXPECT_EQ(row.MaximumPoints, e.maximum);
    EXPECT_EQ(row.PointsObtained, e.points);
    EXPECT_EQ(row.AreaOfLife, e.area);
  }
  EXPECT_EQ(grid.MaximumTotal, "36");
  EXPECT_EQ(grid.PointsTotal, "23.5");
  EXPECT_EQ(grid.Verdict, "This is a Good Match");
  EXPECT_EQ(grid.Summary, "You Have Obtained 23.5 Points Out Of 36 Points");
}

TEST(ProfileMoons, RefusesValuesOutsideTheTables) {
  const std::pair<const char*, ProfileValues> cases[] = {
      {"display name", {"Leo (Simha)", "Leo", "Magha", "Magha"}},
      {"empty girl's sign", {"Leo", "", "Magha", "Magha"}},
      {"other spelling", {"Leo", "Leo", "Mula", "Magha"}},
      {"lower case", {"Leo", "Leo", "Magha", "magha"}},
      {"empty girl's nakshatra (three-line file)", {"Leo", "Leo", "Magha", ""}},
  };
  for (const auto& [source, values] : cases) {
    EXPECT_FALSE(ProfileMoons(values).has_value()) << source;
  }
  const auto moons = ProfileMoons({"Leo", "Sagittarius", "Magha", "Purva Ashadha"});
  ASSERT_TRUE(moons.has_value());
  EXPECT_EQ(moons->Boy.Sign, 4);
  EXPECT_EQ(moons->Boy.Nakshatra, 9);
  EXPECT_EQ(moons->Girl.Sign, 8);
  EXPECT_EQ(moons->Girl.Nakshatra, 19);
  EXPECT_DOUBLE_EQ(moons->Girl.DegreeInSign, 20.0);  // the middle of Purva Ashadha
}

// The colour in force for each run: a run without a colour keeps the previous one,
// black at the start.
std::vector<Rgb> ColoursInForce(const ReportDocument& report) {
  std::vector<Rgb> colours;
  Rgb current{0, 0, 0};
  for (const ReportRun& run : report) {
    if (run.Color)
      current = *run.Color;
    colours.push_back(current);
  }
  return colours;
}

struct RunCase {
  std::size_t index;
  const char* text;
  bool bold;
  Rgb colour;
};

TEST(MatchReport, RunsOfAFormMatch) {
  MatchState state;
  const MatchOutcome outcome = RunMatch(state, ReferenceForm());
  ASSERT_TRUE(outcome.Result.has_value());
  const ReportDocument& report = outcome.Result->Report;
  // Each person block closes with the coordinates and clock the match read.
  ASSERT_EQ(report.size(), 16u + 8u * 8u + 2u);
  const std::vector<Rgb> colours = ColoursInForce(report);

  constexpr Rgb kBlack{0, 0, 0}, kBlue{0, 0, 255}, kRed{255, 0, 0}, kTeal{0, 128, 128};
  const RunCase heads[] = {
      {0, "Your Details:\r\n", true, kBlack},
      {1, "Name: Arjun\r\n", false, kBlack},
      {2, "Date of Birth: August 15, 1947\r\n", false, kBlack},
      {3, "Time of Birth: 0:0:0\r\n", false, kBlack},
      {4, "Place of Birth: Delhi, Delhi, India\r\n", false, kBlack},
      {5,
       "Coordinates and Clock: 28\u00B036\u2032N 77\u00B012\u2032E, zone as entered, "
       "UTC+05:30\r\n\r\n",
       false, kBlack},
      {6, "Your Partner's Details:\r\n", true, kBlack},
      {7, "Name: Bela\r\n", false, kBlack},
      {8, "Date of Birth: January 1, 2000\r\n", false, kBlack},
      {9, "Time of Birth: 12:0:0\r\n", false, kBlack},
      {10, "Place of Birth: London, England, United Kingdom\r\n", false, kBlack},
      {11,
       "Coordinates and Clock: 51\u00B030\u2032N 0\u00B000\u2032W, zone as entered, "
       "UTC+00:00\r\n\r\n",
       false, kBlack},
      {12, "You Have Obtained 18 Points Out Of 36 Points\r\n", true, kBlue},
      {13, "This is a Fair Match\r\n\r\n", true, kBlue},
      {14, "Koota tables: Specified\r\n", false, kBlue},
      {15, "Classical tables: 28 \u2014 at least 18\r\n\r\n", false, kBlue},
      // Varna: Cancer is Brahmin, Libra Sudra.
      {16, "Guna: Varna Kuta\r\n", true, kRed},
      {17, "Maximum Points: 1\r\n", false, kRed},
      {18, "Points Obtained: 0\r\n", false, kRed},
      {19, "Area of Life: Work\r\n", false, kRed},
      {20, "Arjun belongs to Brahmin Varna\r\n", false, {0, 0, 128}},
      {21, "Bela belongs to Sudra Varna\r\n", false, {0, 0, 128}},
      {22, "Significance Of Varna Kuta\r\n", true, kTeal},
      // Graha Maitri is called "Maitri" in the report.
      {48, "Guna: Maitri Kuta\r\n", true, kRed},
      {52, "Arjun belongs to Cancer Maitri\r\n", false, {128, 0, 0}},
      {53, "Bela belongs to Libra Maitri\r\n", false, {128, 0, 0}},
      {54, "Significance Of Maitri Kuta\r\n", true, kTeal},
      {80, "About Lumo Free Tarvik (Lumora v2.05)\r\n", true, kRed},
  };
  for (const auto& c : heads) {
    SCOPED_TRACE(c.index);
    EXPECT_EQ(report[c.index].Text, c.text);
    EXPECT_EQ(report[c.index].Bold, c.bold);
    EXPECT_EQ(colours[c.index], c.colour);
  }
}

TEST(MatchReport, EveryKootaRowHasItsEightRuns) {
  MatchState state = ProfileState({"Aries", "Gemini", "Bharani", "Shatabhisha"});
  const MatchOutcome outcome = CalculateMatch(state);
  ASSERT_TRUE(outcome.Result.has_value());
  const MatchResult& r = *outcome.Result;
  const ReportDocument& report = r.Report;
  ASSERT_EQ(report.size(), 80u);
  const std::vector<Rgb> colours = ColoursInForce(report);
  const char* words[kKootaCount] = {"Varna",  "Vasya", "Tara",  "Yoni",
                                    "Maitri", "Gana",  "Rashi", "Nadi"};
  const Rgb lines[kKootaCount] = {{0, 0, 128}, {0, 128, 0},   {128, 0, 0}, {128, 0, 128},
                                  {128, 0, 0}, {255, 0, 255}, {0, 0, 255}, {128, 128, 128}};
  const bool bold[8] = {true, false, false, false, false, false, true, false};
  for (int k = 0; k < kKootaCount; ++k) {
    SCOPED_TRACE(words[k]);
    const std::size_t first = 14 + 8 * static_cast<std::size_t>(k);
    const std::string w = words[k];
    const std::string expected[8] = {
        "Guna: " + w + " Kuta\r\n",
        "Maximum Points: " + std::to_string(k + 1) + "\r\n",
        "Points Obtained: " + r.Grid.Rows[k].PointsObtained + "\r\n",
        "Area of Life: " + r.Grid.Rows[k].AreaOfLife + "\r\n",
        " belongs to " + r.Grid.Rows[k].BoyValue + " " + w + "\r\n",  // no names from a file
        " belongs to " + r.Grid.Rows[k].GirlValue + " " + w + "\r\n",
        "Significance Of " + w + " Kuta\r\n",
        std::string(kKootaSignificance[k]) + "\r\n\r\n",
    };
    const Rgb colour[8] = {{255, 0, 0}, {255, 0, 0}, {255, 0, 0},   {255, 0, 0},
                           lines[k],    lines[k],    {0, 128, 128}, {0, 0, 0}};
    for (std::size_t i = 0; i < 8; ++i) {
      EXPECT_EQ(report[first + i].Text, expected[i]) << i;
      EXPECT_EQ(report[first + i].Bold, bold[i]) << i;
      EXPECT_EQ(colours[first + i], colour[i]) << i;
    }
  }
  EXPECT_EQ(report[10].Text, "You Have Obtained 23.5 Points Out Of 36 Points\r\n");
  EXPECT_EQ(report[11].Text, "This is a Good Match\r\n\r\n");
  // The closing paragraph: plain, still red, and the only run without a line end.
  const ReportRun& last = report.back();
  EXPECT_FALSE(last.Bold);
  EXPECT_EQ(colours.back(), (Rgb{255, 0, 0}));
  EXPECT_FALSE(last.Text.empty());
  EXPECT_EQ(last.Text.find("\r\n"), std::string::npos);
  EXPECT_NE(last.Text.find("36"), std::string::npos);
  for (std::size_t i = 0; i + 1 < report.size(); ++i) {
    EXPECT_EQ(report[i].Text.substr(report[i].Text.size() - 2), "\r\n") << i;
  }
}

TEST(ReadBirthDetails, FormEntriesToDetailsAndMoment) {
  BirthFormSide side;
  side.Name = "  Ravi Kumar ";
  side.Day = "5";
  side.Month = "January";
  side.Year = "1980";
  side.Hour = "5";
  side.Minute = "7";
  side.Second = "0";
  side.City = " Pune";
  side.State = "Maharashtra ";
  side.Country = "India";
  side.LatDeg = "18";
  side.LatMin = "31";
  side.North = false;
  side.South = true;
  side.LongDeg = "73";
  side.LongMin = "51";
  side.East = false;
  side.West = true;
  side.ZoneHour = "-5";  // the picker's text for Indian Time
  side.ZoneMinute = "30";
  side.DST = true;
  const BirthDetails read = ReadBirthDetails(side);
  EXPECT_EQ(read.Details.Name, "Ravi Kumar");
  EXPECT_EQ(read.Details.Day, "5");
  EXPECT_EQ(read.Details.Month, "January");
  EXPECT_EQ(read.Details.Year, "1980");
  EXPECT_EQ(read.Details.Hour, 5);
  EXPECT_EQ(read.Details.Minute, 7);
  EXPECT_EQ(read.Details.Second, 0);
  EXPECT_EQ(read.Details.Place, "Pune, Maharashtra, India");
  const BirthMoment& m = read.Moment;
  EXPECT_EQ(m.BirthYear, 1980);
  EXPECT_EQ(m.BirthMonth, 1);
  EXPECT_EQ(m.BirthDay, 5);
  EXPECT_EQ(m.BirthHour, 5);
  EXPECT_EQ(m.BirthMinute, 7);
  EXPECT_EQ(m.ZoneHour, 5);
  EXPECT_EQ(m.ZoneMinute, 30);
  EXPECT_EQ(m.LatDeg, 18);
  EXPECT_EQ(m.LatMin, 31);
  EXPECT_EQ(m.LongDeg, 73);
  EXPECT_EQ(m.LongMin, 51);
  EXPECT_FALSE(m.IsEast);
  EXPECT_TRUE(m.IsSouth);
  EXPECT_TRUE(m.IsDST);

  side.Month = "December";
  EXPECT_EQ(ReadBirthDetails(side).Moment.BirthMonth, 12);
}

TEST(RunMatch, ReportLinesOfTheBirthDetails) {
  BirthForm form = ReferenceForm();
  form.Male.Name = " Ravi ";
  form.Male.Day = "5";
  form.Male.Month = "January";
  form.Male.Year = "1980";
  form.Male.Hour = "5";
  form.Male.Minute = "7";
  form.Male.City = "Pune";
  form.Male.State = "Maharashtra";
  form.Male.Country = "India";
  MatchState state;
  const MatchOutcome outcome = RunMatch(state, form);
  ASSERT_TRUE(outcome.Result.has_value());
  const ReportDocument& report = outcome.Result->Report;
  EXPECT_EQ(report[1].Text, "Name: Ravi\r\n");
  EXPECT_EQ(report[2].Text, "Date of Birth: January 5, 1980\r\n");
  EXPECT_EQ(report[3].Text, "Time of Birth: 5:7:0\r\n");
  EXPECT_EQ(report[4].Text, "Place of Birth: Pune, Maharashtra, India\r\n");
  EXPECT_EQ(report[20].Text.rfind("Ravi belongs to ", 0), 0u);
}

// Another zodiac or node than the standard ones is named in each person's details, after
// the place, the block still closing with one blank line; the standard ones name nothing.
TEST(RunMatch, ChosenAyanamsaAndNodeAreNamedInBothPersonsDetails) {
  MatchState state;
  const ChartOptions raman{Ayanamsa::Raman, NodeKind::True};
  const MatchOutcome outcome = RunMatch(state, ReferenceForm(), MoonModel::Standard, raman);
  ASSERT_TRUE(outcome.Result.has_value());
  ASSERT_TRUE(state.BoyDetails.Zodiac.has_value());
  EXPECT_EQ(state.BoyDetails.Zodiac->Options, raman);
  // The kootas read the Moon of that ayanamsa.
  EXPECT_EQ(outcome.Result->BoyMoon->AyanamsaKind, Ayanamsa::Raman);
  const ReportDocument& report = outcome.Result->Report;
  int places = 0;
  // After the place come the coordinates and clock the match read, then the zodiac.
  for (std::size_t i = 0; i + 3 < report.size(); ++i) {
    if (report[i].Text.rfind("Place of Birth: ", 0) == 0) {
      const PersonDetails& person = places == 0 ? state.BoyDetails : state.GirlDetails;
      ++places;
      EXPECT_EQ(report[i + 1].Text.rfind("Coordinates and Clock: ", 0), 0u);
      EXPECT_EQ(report[i + 2].Text, AyanamsaLine(*person.Zodiac) + "\r\n");
      EXPECT_EQ(report[i + 3].Text, "Node: True\r\n\r\n");
    }
  }
  EXPECT_EQ(places, 2);
  MatchState plain;
  const MatchOutcome standard = RunMatch(plain, ReferenceForm());
  ASSERT_TRUE(plain.BoyDetails.Zodiac.has_value());
  EXPECT_EQ(plain.BoyDetails.Zodiac->Options, ChartOptions{});
  for (const ReportRun& run : standard.Result->Report) {
    EXPECT_EQ(run.Text.find("Ayanamsa"), std::string::npos);
    EXPECT_EQ(run.Text.find("Node:"), std::string::npos);
  }
}

TEST(RunMatch, PreciseMoonIsNamedInBothPersonsDetails) {
  MatchState state;
  const MatchOutcome outcome = RunMatch(state, ReferenceForm(), MoonModel::Precise);
  ASSERT_TRUE(outcome.Result.has_value());
  EXPECT_EQ(outcome.Result->BoyMoon->Model, MoonModel::Precise);
  EXPECT_EQ(outcome.Result->GirlMoon->Model, MoonModel::Precise);
  const ReportDocument& report = outcome.Result->Report;
  // Each person's place line closes with one line break; the Moon line follows the
  // coordinates and clock and takes over the blank line that ends the block.
  int places = 0;
  for (std::size_t i = 0; i + 1 < report.size(); ++i) {
    if (report[i].Text.rfind("Place of Birth: ", 0) == 0) {
      ++places;
      EXPECT_EQ(report[i].Text.find("\r\n"), report[i].Text.size() - 2) << report[i].Text;
      EXPECT_EQ(report[i + 1].Text.rfind("Coordinates and Clock: ", 0), 0u);
      EXPECT_EQ(report[i + 2].Text, "Moon: Precise Moon\r\n\r\n");
    }
  }
  EXPECT_EQ(places, 2);
  // The standard Moon leaves the details as they always were.
  MatchState plain;
  const MatchOutcome standard = RunMatch(plain, ReferenceForm());
  for (const ReportRun& run : standard.Result->Report) {
    EXPECT_EQ(run.Text.find("Precise Moon"), std::string::npos);
  }
}

TEST(RunMatch, ZoneTextMinusFiveIsFiveHours) {
  // The direction of a zone comes from East/West alone: "-5" and "5" east are one zone.
  BirthForm minus = ReferenceForm();
  minus.Male.ZoneHour = "-5";
  MatchState a, b;
  const MatchOutcome with_minus = RunMatch(a, minus);
  const MatchOutcome plain = RunMatch(b, ReferenceForm());
  ASSERT_TRUE(with_minus.Result && plain.Result);
  ASSERT_TRUE(with_minus.Result->BoyMoon.has_value());
  EXPECT_EQ(with_minus.Result->BoyMoon->UT, -5.5);
  EXPECT_EQ(with_minus.Result->BoyMoon->UT, plain.Result->BoyMoon->UT);
  EXPECT_EQ(SignOf(a.Boy), "Cancer");
  EXPECT_EQ(NakshatraOf(a.Boy), "Pushya");
  EXPECT_EQ(SignOf(a.Girl), "Libra");
  EXPECT_EQ(NakshatraOf(a.Girl), "Swati");
  EXPECT_EQ(with_minus.Result->Grid, plain.Result->Grid);
}

TEST(RunMatch, InvalidFormChangesNothing) {
  MatchState state;
  ASSERT_TRUE(RunMatch(state, ReferenceForm()).Result.has_value());
  const MatchState before = state;
  BirthForm form = ReferenceForm();
  form.Female.Name = "";
  const MatchOutcome outcome = RunMatch(state, form);
  ASSERT_TRUE(outcome.Failure.has_value());
  EXPECT_EQ(outcome.Failure->Message, "Please Enter Your Partner's Name");
  EXPECT_EQ(FocusedControlName(*outcome.Failure).value_or(""), "txtFName");
  EXPECT_FALSE(outcome.Result.has_value());
  EXPECT_EQ(state.BoyDetails.Name, before.BoyDetails.Name);
  EXPECT_EQ(state.Girl, before.Girl);
  EXPECT_EQ(state.TotalPoints, before.TotalPoints);
}

TEST(RunMatch, SecondMatchReplacesTheFirst) {
  MatchState state;
  ASSERT_TRUE(RunMatch(state, ReferenceForm()).Result.has_value());
  BirthForm second = ReferenceForm();
  second.Male.Name = "Chandra";
  second.Female.Name = "Devi";
  second.Female.City = "Leeds";
  const MatchOutcome outcome = RunMatch(state, second);
  ASSERT_TRUE(outcome.Result.has_value());
  const ReportDocument& report = outcome.Result->Report;
  EXPECT_EQ(report.size(), 82u);
  std::string all;
  for (const ReportRun& run : report)
    all += run.Text;
  EXPECT_EQ(all.find("Arjun"), std::string::npos);
  EXPECT_EQ(all.find("Bela"), std::string::npos);
  EXPECT_EQ(all.find("London"), std::string::npos);
  EXPECT_NE(all.find("Name: Chandra\r\n"), std::string::npos);
  EXPECT_NE(all.find("Place of Birth: Leeds, England, United Kingdom"), std::string::npos);
  EXPECT_EQ(state.GirlDetails.Name, "Devi");
}

TEST(OpenProfile, ClearsTheDetailsAndRunsOnTheFileValues) {
  MatchState state;
  ASSERT_TRUE(RunMatch(state, ReferenceForm()).Result.has_value());
  const MatchOutcome outcome =
      OpenProfile(state, "pair.kun", WriteProfile({"Leo", "Leo", "Magha", "Magha"}));
  ASSERT_TRUE(outcome.Result.has_value());
  EXPECT_EQ(state.BoyDetails.Name, "");
  EXPECT_EQ(state.GirlDetails.Place, "");
  EXPECT_EQ(SignOf(state.Boy), "Leo");
  EXPECT_EQ(NakshatraOf(state.Girl), "Magha");
  EXPECT_EQ(state.TotalPoints, 25);
  const MatchResult& r = *outcome.Result;
  EXPECT_FALSE(r.BoyMoon.has_value());
  EXPECT_EQ(r.Verdict, "This is a Very Good Match");
  // A profile keeps no birth details: each person's block says so instead of empty lines.
  EXPECT_FALSE(state.BirthDetailsStored);
  EXPECT_EQ(r.Report[1].Text, std::string(kBirthDetailsNotStored) + "\r\n\r\n");
  EXPECT_EQ(r.Report[3].Text, std::string(kBirthDetailsNotStored) + "\r\n\r\n");
  EXPECT_EQ(r.Report[12].Text, " belongs to Kshatriya Varna\r\n");
}

TEST(OpenProfile, RefusedFilesChangeNothing) {
  const std::string valid = WriteProfile({"Leo", "Leo", "Magha", "Magha"});
  const std::pair<const char*, std::pair<const char*, std::string>> cases[] = {
      {"upper-case extension", {"pair.KUN", valid}},
      {"other extension", {"pair.txt", valid}},
      {"three lines", {"pair.kun", valid.substr(0, valid.rfind('\r', valid.size() - 3) + 2)}},
      {"a display name", {"pair.kun", WriteProfile({"Leo (Simha)", "Leo", "Magha", "Magha"})}},
      {"nakshatras first", {"pair.kun", WriteProfile({"Magha", "Magha", "Leo", "Leo"})}},
      {"empty file", {"pair.kun", ""}},
  };
  for (const auto& [source, file] : cases) {
    SCOPED_TRACE(source);
    MatchState state;
    ASSERT_TRUE(RunMatch(state, ReferenceForm()).Result.has_value());
    const MatchOutcome outcome = OpenProfile(state, file.first, file.second);
    EXPECT_FALSE(outcome.Result.has_value());
    ASSERT_TRUE(outcome.Failure.has_value());
    EXPECT_EQ(outcome.Failure->Message, "Please Check The File.");
    EXPECT_EQ(outcome.Failure->Icon, MessageIcon::Error);
    EXPECT_EQ(state.BoyDetails.Name, "Arjun");
    EXPECT_EQ(state.GirlDetails.Place, "London, England, United Kingdom");
    EXPECT_EQ(SignOf(state.Boy), "Cancer");
    EXPECT_EQ(NakshatraOf(state.Girl), "Swati");
    EXPECT_EQ(state.TotalPoints, 18);
  }
}

TEST(OpenProfile, SavedValuesReproduceTheMatch) {
  MatchState first = ProfileState({"Aries", "Capricorn", "Ashwini", "Revati"});
  const MatchOutcome original = CalculateMatch(first);
  ASSERT_TRUE(original.Result.has_value());
  MatchState reopened;
  const MatchOutcome again =
      OpenProfile(reopened, "saved.kun", WriteProfile(CurrentProfileValues(first)));
  ASSERT_TRUE(again.Result.has_value());
  EXPECT_EQ(again.Result->Grid, original.Result->Grid);
  EXPECT_EQ(again.Result->TotalPoints, "28.5");
  EXPECT_EQ(again.Result->Verdict, "This is a Very Good Match");
}

TEST(RunMatch, ProfileValuesSkipTheForm) {
  // Values from a file are scored without the form; the match button always reads it.
  MatchState state;
  const MatchOutcome outcome =
      OpenProfile(state, "pair.kun", WriteProfile({"Leo", "Leo", "Magha", "Magha"}));
  ASSERT_TRUE(outcome.Result.has_value());
  EXPECT_EQ(SignOf(state.Boy), "Leo");
  EXPECT_EQ(outcome.Result->TotalPoints, "25");
  // The next press of the button reads the form again.
  EXPECT_TRUE(RunMatch(state, BirthForm{}).Failure.has_value());
}

}  // namespace
}  // namespace lumora
