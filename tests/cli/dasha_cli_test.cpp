// SPDX-License-Identifier: MIT
// lumora-cli dasha and vedic --dasha: the output contract, the levels, the year lengths,
// the balance against the chart command's Moon, and the Sandhis against the mahadashas.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli_runner.h"

namespace lumora::testing {
namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kRavi =
    R"({"Name":"Ravi Kumar","BirthDate":"1990-05-14","BirthTime":"06:30",)"
    R"("Latitude":28.61,"Longitude":77.21,"TimeZone":"Asia/Kolkata"})";
constexpr const char* kAsha = R"({"Name":"Asha Rao","BirthDate":"1992-03-01","BirthTime":"12:00",)"
                              R"("Latitude":18.52,"Longitude":73.86,"TimeZone":"Asia/Kolkata"})";

// Days from 1970-01-01 of a YYYY-MM-DD text.
int DayOf(const std::string& text) {
  using namespace std::chrono;
  const year_month_day date{year(std::stoi(text.substr(0, 4))),
                            month(static_cast<unsigned>(std::stoi(text.substr(5, 2)))),
                            day(static_cast<unsigned>(std::stoi(text.substr(8, 2))))};
  EXPECT_TRUE(date.ok()) << text;
  return static_cast<int>(sys_days(date).time_since_epoch().count());
}

// Every list of sub-periods starts with its parent's lord on its parent's first day and
// ends on its parent's last; each starts on the day the one before ended.
void CheckNested(const Json& periods, const char* key, int depth) {
  for (const Json& period : periods) {
    ASSERT_LE(DayOf(period["From"]), DayOf(period["To"]));
    if (!period.contains(key)) {
      continue;
    }
    const Json& sub = period[key];
    ASSERT_EQ(sub.size(), 9u);
    EXPECT_EQ(sub.front()["Lord"], period["Lord"]);
    EXPECT_EQ(sub.front()["From"], period["From"]);
    EXPECT_EQ(sub.back()["To"], period["To"]);
    for (std::size_t i = 1; i < sub.size(); ++i) {
      EXPECT_EQ(sub[i]["From"], sub[i - 1]["To"]);
    }
    if (depth == 0) {
      CheckNested(sub, "Pratyantardashas", 1);
    }
  }
}

// The depth each --levels gives: whether a mahadasha has antardashas, and whether an
// antardasha has pratyantardashas.
struct LevelCase {
  const char* Options;
  bool Antardashas;
  bool Pratyantardashas;
};

constexpr LevelCase kLevelCases[] = {
    {"", true, false},
    {"--levels 1", false, false},
    {"--levels 2", true, false},
    {"--levels 3", true, true},
};

TEST(DashaCli, GivesThePeriodsAtTheRequestedDepth) {
  for (const LevelCase& c : kLevelCases) {
    SCOPED_TRACE(c.Options);
    const CliRun run =
        RunCli(std::string("dasha --json ") + c.Options, std::string(kRavi) + "\n" + kAsha + "\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = run.Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0]["Name"], "Ravi Kumar");
    EXPECT_EQ(lines[1]["Name"], "Asha Rao");
    for (const Json& person : lines) {
      const Json& maha = person["Mahadashas"];
      ASSERT_EQ(maha.size(), 9u);
      EXPECT_EQ(maha.front()["Lord"], person["BirthLord"]);
      for (std::size_t i = 1; i < maha.size(); ++i) {
        EXPECT_EQ(maha[i]["From"], maha[i - 1]["To"]);
      }
      EXPECT_EQ(maha.front().contains("Antardashas"), c.Antardashas);
      if (c.Antardashas) {
        EXPECT_EQ(maha.front()["Antardashas"].front().contains("Pratyantardashas"),
                  c.Pratyantardashas);
      }
      CheckNested(maha, "Antardashas", 0);
      for (const Json& span : person["SadeSati"]) {
        const std::string phase = span["Phase"];
        EXPECT_TRUE(phase == "Rising" || phase == "Peak" || phase == "Setting") << phase;
        EXPECT_LE(DayOf(span["From"]), DayOf(span["To"]));
      }
      // Saturn goes round in under thirty years: a hundred years meet Sade Sati.
      EXPECT_GE(person["SadeSati"].size(), 9u);
      EXPECT_GE(person["AshtamaShani"].size(), 3u);
    }
  }
}

// The balance and the first change from the chart command's sidereal Moon, worked with
// the nakshatra of 13°20' and the lords' years; each year length moves the first change
// by balance × its days.
struct YearCase {
  const char* Option;
  double Days;
};

constexpr YearCase kYearCases[] = {
    {"", 365.25},
    {"--year-days 365.25", 365.25},
    {"--year-days 365.2422", 365.2422},
    {"--year-days 360", 360.0},
};

constexpr const char* kLords[] = {"Ketu", "Venus",   "Sun",    "Moon",   "Mars",
                                  "Rahu", "Jupiter", "Saturn", "Mercury"};
constexpr int kLordYears[] = {7, 20, 6, 10, 7, 18, 16, 19, 17};

TEST(DashaCli, BalanceAndFirstChangeFollowTheChartsMoon) {
  for (const char* zodiac : {"Standard", "Lahiri"}) {
    SCOPED_TRACE(zodiac);
    const CliRun chart =
        RunCli(std::string("chart --json --ayanamsa ") + zodiac, std::string(kRavi) + "\n");
    ASSERT_EQ(chart.status, 0) << chart.err;
    const double moon = chart.Lines()[0]["Sidereal"]["Moon"].get<double>();
    const int nakshatra = static_cast<int>(moon / (360.0 / 27.0));
    const double traversed = std::fmod(moon, 360.0 / 27.0) / (360.0 / 27.0);
    const int lord = nakshatra % 9;
    const double balance = (1.0 - traversed) * kLordYears[lord];
    for (const YearCase& c : kYearCases) {
      SCOPED_TRACE(c.Option);
      const CliRun run =
          RunCli(std::string("dasha --json --levels 1 --ayanamsa ") + zodiac + " " + c.Option,
                 std::string(kRavi) + "\n");
      ASSERT_EQ(run.status, 0) << run.err;
      const Json person = run.Lines()[0];
      EXPECT_EQ(person["BirthLord"], kLords[lord]);
      EXPECT_NEAR(person["BalanceYears"].get<double>(), balance, 1e-6);
      // Born 1990-05-14 06:30 IST; the first change balance × days later, IST.
      const double birth = DayOf("1990-05-14") + (6.5 * 60.0) / 1440.0;
      const int change = static_cast<int>(std::floor(birth + balance * c.Days));
      EXPECT_EQ(DayOf(person["Mahadashas"][0]["To"]), change);
      // The whole cycle is 120 of those years from the first period's start.
      EXPECT_NEAR(DayOf(person["Mahadashas"][8]["To"]) - DayOf(person["Mahadashas"][0]["From"]),
                  120.0 * c.Days, 1.0);
    }
  }
}

// Options the command refuses before it reads any input.
constexpr const char* kRefusedOptions[] = {
    "dasha --year-days 364",
    "dasha --levels 4",
    "dasha --levels 0",
    "dasha --ayanamsa Sidereal",
    "vedic --dasha --wedding 2026-02-30",
    "vedic --year-days 365",
};

TEST(DashaCli, RefusesUnknownOptionValues) {
  for (const char* options : kRefusedOptions) {
    EXPECT_EQ(RunCli(std::string(options) + " --json", std::string(kRavi) + "\n").status, 1)
        << options;
  }
}

TEST(DashaCli, RefusesARecordAndGoesOn) {
  const CliRun run = RunCli(
      "dasha --json", std::string(R"({"Name":"X","BirthDate":"1990-02-30","BirthTime":"06:30",)"
                                  R"("Latitude":1,"Longitude":2,"TimeZone":"UTC"})") +
                          "\n" + kAsha + "\n");
  EXPECT_EQ(run.status, 2);
  const auto lines = run.Lines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_TRUE(lines[0].contains("Error"));
  EXPECT_EQ(lines[1]["Name"], "Asha Rao");
}

// vedic --dasha: each person's mahadashas are those the dasha command gives; the periods
// at the wedding hold the wedding day, each inside the one above; every Sandhi names
// changes of the mahadashas (or the wedding) no more than 183 days apart, with the days
// counted right.
TEST(DashaCli, VedicDashaAgreesWithTheDashaCommand) {
  const std::string couple = std::string(R"({"Boy":)") + kRavi + R"(,"Girl":)" + kAsha + "}\n";
  for (const char* wedding : {"2015-11-20", "2031-06-01"}) {
    SCOPED_TRACE(wedding);
    const CliRun run =
        RunCli(std::string("vedic --json --dasha --ayanamsa Lahiri --wedding ") + wedding, couple);
    ASSERT_EQ(run.status, 0) << run.err;
    const Json out = run.Lines()[0];
    const CliRun own = RunCli("dasha --json --levels 1 --ayanamsa Lahiri",
                              std::string(kRavi) + "\n" + kAsha + "\n");
    ASSERT_EQ(own.status, 0) << own.err;
    const auto persons = own.Lines();
    const Json* sides[] = {&out["BoyDasha"], &out["GirlDasha"]};
    std::vector<int> changes[2];
    for (int i = 0; i < 2; ++i) {
      const Json& side = *sides[i];
      ASSERT_EQ(side["Mahadashas"].size(), 9u);
      for (std::size_t k = 0; k < 9; ++k) {
        EXPECT_EQ(side["Mahadashas"][k]["Lord"], persons[i]["Mahadashas"][k]["Lord"]);
        EXPECT_EQ(side["Mahadashas"][k]["From"], persons[i]["Mahadashas"][k]["From"]);
        EXPECT_EQ(side["Mahadashas"][k]["To"], persons[i]["Mahadashas"][k]["To"]);
        if (k > 0) {
          changes[i].push_back(DayOf(side["Mahadashas"][k]["From"]));
        }
      }
      const Json& at = side["AtWedding"];
      EXPECT_EQ(at["Date"], wedding);
      int from = 0;
      int to = 1 << 30;
      for (const char* level : {"Mahadasha", "Antardasha", "Pratyantardasha"}) {
        ASSERT_TRUE(at.contains(level)) << level;
        const int f = DayOf(at[level]["From"]);
        const int t = DayOf(at[level]["To"]);
        EXPECT_LE(f, DayOf(wedding));
        EXPECT_GT(t, DayOf(wedding));
        EXPECT_GE(f, from);
        EXPECT_LE(t, to);
        from = f;
        to = t;
      }
    }
    for (const Json& sandhi : out["DashaSandhi"]) {
      const bool boy = !sandhi["Boy"].is_null();
      const bool girl = !sandhi["Girl"].is_null();
      ASSERT_TRUE(boy || girl);
      const int a = boy ? DayOf(sandhi["Boy"]) : DayOf(wedding);
      const int b = girl ? DayOf(sandhi["Girl"]) : DayOf(wedding);
      EXPECT_EQ(sandhi["DaysApart"].get<int>(), std::abs(a - b));
      EXPECT_LE(sandhi["DaysApart"].get<int>(), 183);
      if (boy) {
        EXPECT_NE(std::find(changes[0].begin(), changes[0].end(), a), changes[0].end());
      }
      if (girl) {
        EXPECT_NE(std::find(changes[1].begin(), changes[1].end(), b), changes[1].end());
      }
    }
    // Every change near the wedding is listed.
    std::size_t near = 0;
    for (const auto& list : changes) {
      for (const int day : list) {
        near += std::abs(day - DayOf(wedding)) <= 183 ? 1 : 0;
      }
    }
    std::size_t listed = 0;
    for (const Json& sandhi : out["DashaSandhi"]) {
      listed += sandhi["Boy"].is_null() || sandhi["Girl"].is_null() ? 1 : 0;
    }
    EXPECT_EQ(listed, near);
  }
  // Without --dasha the match has no timing keys.
  const CliRun plain = RunCli("vedic --json", couple);
  ASSERT_EQ(plain.status, 0) << plain.err;
  EXPECT_FALSE(plain.Lines()[0].contains("BoyDasha"));
}

}  // namespace
}  // namespace lumora::testing
