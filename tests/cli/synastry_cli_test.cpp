// SPDX-License-Identifier: MIT
// lumora-cli synastry and western --synastry: the Synastry object's shape and the rules
// it follows, checked from the outside (orbs within their allowances, motion only between
// bodies, midpoints, the Davison place across the date line, the polar fall-back).
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <string>

#include "cli_runner.h"

namespace lumora::testing {
namespace {

using Json = nlohmann::ordered_json;

constexpr double kNanoDegree = 1e-9;

const std::vector<std::string> kPoints = {"Sun",     "Moon",      "Mercury",  "Venus",   "Mars",
                                          "Jupiter", "Saturn",    "Uranus",   "Neptune", "Pluto",
                                          "Rahu",    "Ascendant", "Midheaven"};

struct Allowance {
  double angle;
  double orb;
};

// The orbs as the readings define them, before the Sun/Moon degree and the halving.
const std::map<std::string, Allowance> kAllowances = {
    {"Conjunction", {0.0, 7.0}}, {"Sextile", {60.0, 6.0}},     {"Square", {90.0, 7.0}},
    {"Trine", {120.0, 7.0}},     {"Opposition", {180.0, 7.0}}, {"SemiSextile", {30.0, 3.0}},
    {"Quincunx", {150.0, 3.0}},
};

// Everything a Synastry object must hold: every aspect within its allowance, motion
// named only between two bodies, a house for every point both ways, and longitudes in
// [0, 360).
void CheckShape(const Json& synastry, bool tight, bool minor) {
  ASSERT_TRUE(synastry.contains("Aspects"));
  for (const Json& aspect : synastry["Aspects"]) {
    const std::string kind = aspect["Aspect"];
    ASSERT_TRUE(kAllowances.contains(kind)) << kind;
    const bool is_minor = kind == "SemiSextile" || kind == "Quincunx";
    EXPECT_TRUE(minor || !is_minor) << kind;
    const std::string a = aspect["A"];
    const std::string b = aspect["B"];
    double allowance = kAllowances.at(kind).orb;
    if (a == "Sun" || a == "Moon" || b == "Sun" || b == "Moon") {
      allowance += 1.0;
    }
    if (tight) {
      allowance /= 2.0;
    }
    const double orb = aspect["Orb"];
    EXPECT_GE(orb, 0.0);
    EXPECT_LE(orb, allowance + kNanoDegree) << a << " " << kind << " " << b;
    const bool angle = a == "Ascendant" || a == "Midheaven" || b == "Ascendant" || b == "Midheaven";
    EXPECT_EQ(aspect["Applying"].is_null(), angle) << a << " " << b;
    if (!angle) {
      EXPECT_TRUE(aspect["Applying"].is_boolean());
    }
  }
  for (const char* way : {"AInB", "BInA"}) {
    const Json& overlay = synastry["HouseOverlays"][way];
    ASSERT_EQ(overlay.size(), kPoints.size()) << way;
    for (const std::string& point : kPoints) {
      const int house = overlay[point];
      EXPECT_GE(house, 1);
      EXPECT_LE(house, 12);
    }
  }
  ASSERT_EQ(synastry["Composite"].size(), kPoints.size());
  ASSERT_EQ(synastry["Davison"]["Positions"].size(), kPoints.size());
  for (const std::string& point : kPoints) {
    const double composite = synastry["Composite"][point];
    const double davison = synastry["Davison"]["Positions"][point];
    EXPECT_GE(composite, 0.0);
    EXPECT_LT(composite, 360.0);
    EXPECT_GE(davison, 0.0);
    EXPECT_LT(davison, 360.0);
  }
}

// western_valid.json: both persons born at the same instant (J2000.0), so every body
// of A meets itself in B: an exact conjunction, both at the same speed, not applying.
TEST(SynastryCli, WesternFormAddsSynastry) {
  const CliRun run = RunCli("western --json --synastry", Fixture("western_valid.json"));
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = run.Lines();
  ASSERT_EQ(lines.size(), 1u);
  const Json& synastry = lines[0]["Synastry"];
  CheckShape(synastry, false, false);
  std::set<std::string> self_conjunct;
  for (const Json& aspect : synastry["Aspects"]) {
    if (aspect["A"] == aspect["B"] && aspect["Aspect"] == "Conjunction") {
      self_conjunct.insert(aspect["A"].get<std::string>());
      if (aspect["A"] != "Ascendant" && aspect["A"] != "Midheaven") {
        EXPECT_NEAR(aspect["Orb"].get<double>(), 0.0, kNanoDegree);
        EXPECT_EQ(aspect["Applying"], false);
      }
    }
  }
  for (std::size_t i = 0; i < 11; ++i) {
    EXPECT_TRUE(self_conjunct.contains(kPoints[i])) << kPoints[i];
    // The same place twice: the composite is that place.
    EXPECT_NEAR(synastry["Composite"][kPoints[i]].get<double>(),
                synastry["Davison"]["Positions"][kPoints[i]].get<double>(), kNanoDegree);
  }
  const Json& davison = synastry["Davison"];
  EXPECT_EQ(davison["UT"], "2000-01-01T12:00:00Z");
  EXPECT_NEAR(davison["Latitude"].get<double>(), (51.5 + 28.6) / 2.0, kNanoDegree);
  EXPECT_NEAR(davison["Longitude"].get<double>(), 77.2 / 2.0, kNanoDegree);
  EXPECT_FALSE(synastry.contains("Notes"));
  // Without the flag the output is as it was.
  const CliRun plain = RunCli("western --json", Fixture("western_valid.json"));
  EXPECT_FALSE(plain.Lines().at(0).contains("Synastry"));
}

TEST(SynastryCli, OrbsMinorAspectsAndHouseSystems) {
  const CliRun standard = RunCli("synastry --json", Fixture("synastry_pairs.jsonl"));
  const CliRun tight = RunCli("synastry --json --orbs tight --minor --houses whole",
                              Fixture("synastry_pairs.jsonl"));
  ASSERT_EQ(standard.status, 2) << standard.err;  // the third line has no B
  ASSERT_EQ(tight.status, 2) << tight.err;
  const auto wide = standard.Lines();
  const auto narrow = tight.Lines();
  ASSERT_EQ(wide.size(), 3u);
  ASSERT_EQ(narrow.size(), 3u);
  for (std::size_t i = 0; i < 2; ++i) {
    CheckShape(wide[i], false, false);
    CheckShape(narrow[i], true, true);
    // The composite and Davison charts do not depend on orbs or houses.
    EXPECT_EQ(wide[i]["Composite"], narrow[i]["Composite"]);
    EXPECT_EQ(wide[i]["Davison"], narrow[i]["Davison"]);
    // Every tight major aspect is also a standard one.
    for (const Json& aspect : narrow[i]["Aspects"]) {
      if (aspect["Aspect"] == "SemiSextile" || aspect["Aspect"] == "Quincunx") {
        continue;
      }
      bool found = false;
      for (const Json& other : wide[i]["Aspects"]) {
        found = found || (other["A"] == aspect["A"] && other["B"] == aspect["B"] &&
                          other["Aspect"] == aspect["Aspect"] && other["Orb"] == aspect["Orb"]);
      }
      EXPECT_TRUE(found) << aspect.dump();
    }
  }
  EXPECT_TRUE(wide[2].contains("Error"));
  EXPECT_NE(wide[2]["Error"]["Message"].get<std::string>().find("B"), std::string::npos);
}

TEST(SynastryCli, DavisonAcrossTheDateLineAndThePolarFallBack) {
  const CliRun run = RunCli("synastry --json", Fixture("synastry_pairs.jsonl"));
  const auto lines = run.Lines();
  ASSERT_GE(lines.size(), 2u);
  // 170 E and 170 W: the midpoint is on the date line, not at Greenwich.
  const Json& pacific = lines[0]["Davison"];
  EXPECT_NEAR(std::fabs(pacific["Longitude"].get<double>()), 180.0, kNanoDegree);
  EXPECT_NEAR(pacific["Latitude"].get<double>(), (-18.14 - 14.28) / 2.0, kNanoDegree);
  // Fiji was UTC+12, Samoa (Pago Pago) UTC-11: 1985-03-01 21:15 UT and 1987-11-21 08:40 UT.
  EXPECT_EQ(pacific["UT"], "1986-07-12T02:57:30Z");
  EXPECT_FALSE(lines[0].contains("Notes"));
  // A at 69.65 N (Tromso): no Placidus houses, equal ones with a note; B's are Placidus.
  ASSERT_TRUE(lines[1].contains("Notes"));
  ASSERT_EQ(lines[1]["Notes"].size(), 1u);
  EXPECT_EQ(lines[1]["Notes"][0].get<std::string>().rfind("A:", 0), 0u);
  const CliRun whole = RunCli("synastry --json --houses whole", Fixture("synastry_pairs.jsonl"));
  EXPECT_FALSE(whole.Lines().at(1).contains("Notes"));
}

// The synastry reads the same charts the chart command writes: each composite point the
// shorter-arc midpoint of the two charts' tropical longitudes, the Davison instant the
// mean of their Julian days, and each aspect's orb the distance of its separation from
// its angle. The places are whole minutes of arc (51.5 = 51 30', -33.75 = 33 45'), which the
// chart command reads exactly too.
struct ChartPair {
  const char* why;
  const char* a;
  const char* b;
};

constexpr ChartPair kChartPairs[] = {
    {"London and Sydney, composites across 0 degrees likely",
     R"({"Name": "Ann", "BirthDate": "1972-05-14", "BirthTime": "06:30", "Latitude": 51.5,
         "Longitude": -0.25, "TimeZone": "Europe/London"})",
     R"({"Name": "Ben", "BirthDate": "1969-10-03", "BirthTime": "23:10", "Latitude": -33.75,
         "Longitude": 151.25, "TimeZone": "Australia/Sydney"})"},
    {"one day apart at one place",
     R"({"Name": "Cy", "BirthDate": "2001-02-28", "BirthTime": "12:00", "Latitude": 40.5,
         "Longitude": -74.0, "TimeZone": "America/New_York"})",
     R"({"Name": "Di", "BirthDate": "2001-03-01", "BirthTime": "12:00", "Latitude": 40.5,
         "Longitude": -74.0, "TimeZone": "America/New_York"})"},
};

std::string OneLine(std::string text) {
  std::erase(text, '\n');
  return text;
}

double ShorterArcMidpoint(double a, double b) {
  const double d = std::remainder(b - a, 360.0);
  double mid = std::fmod(a + d / 2.0 + 360.0, 360.0);
  return mid;
}

TEST(SynastryCli, ReadsTheChartsTheChartCommandWrites) {
  for (const ChartPair& pair : kChartPairs) {
    SCOPED_TRACE(pair.why);
    const CliRun charts = RunCli("chart --json", OneLine(pair.a) + "\n" + OneLine(pair.b) + "\n");
    ASSERT_EQ(charts.status, 0) << charts.err;
    const auto both = charts.Lines();
    ASSERT_EQ(both.size(), 2u);
    const Json& a = both[0]["Tropical"];
    const Json& b = both[1]["Tropical"];
    const CliRun run = RunCli("synastry --json",
                              "{\"A\": " + OneLine(pair.a) + ", \"B\": " + OneLine(pair.b) + "}\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const Json synastry = run.Lines().at(0);
    // The same two records given to western as its male and female: the same object.
    const CliRun western =
        RunCli("western --json --synastry",
               "{\"Male\": " + OneLine(pair.a) + ", \"Female\": " + OneLine(pair.b) + "}\n");
    ASSERT_EQ(western.status, 0) << western.err;
    EXPECT_EQ(western.Lines().at(0)["Synastry"], synastry);
    for (const std::string& point : kPoints) {
      const double expected = ShorterArcMidpoint(a[point].get<double>(), b[point].get<double>());
      EXPECT_NEAR(std::remainder(synastry["Composite"][point].get<double>() - expected, 360.0), 0.0,
                  kNanoDegree)
          << point;
    }
    const double mean_day =
        (both[0]["JulianDayUT"].get<double>() + both[1]["JulianDayUT"].get<double>()) / 2.0;
    // The UT text is the mean day to the second: compare its day and seconds.
    const std::string ut = synastry["Davison"]["UT"];
    const double day_fraction = std::fmod(mean_day + 0.5, 1.0) * 86400.0;
    const int hour = std::stoi(ut.substr(11, 2));
    const int minute = std::stoi(ut.substr(14, 2));
    const int second = std::stoi(ut.substr(17, 2));
    EXPECT_NEAR(hour * 3600 + minute * 60 + second, day_fraction, 0.5) << ut;
    ASSERT_FALSE(synastry["Aspects"].empty());
    for (const Json& aspect : synastry["Aspects"]) {
      const double separation =
          std::fabs(std::remainder(a[aspect["A"].get<std::string>()].get<double>() -
                                       b[aspect["B"].get<std::string>()].get<double>(),
                                   360.0));
      const double angle = kAllowances.at(aspect["Aspect"].get<std::string>()).angle;
      EXPECT_NEAR(aspect["Orb"].get<double>(), std::fabs(separation - angle), kNanoDegree)
          << aspect.dump();
    }
  }
}

TEST(SynastryCli, RefusesUnknownChoices) {
  for (const char* arguments :
       {"synastry --orbs loose", "synastry --houses koch", "western --synastry --houses placid"}) {
    const CliRun run = RunCli(arguments, "{}");
    EXPECT_EQ(run.status, 1) << arguments;
    EXPECT_TRUE(run.out.empty()) << arguments;
  }
}

}  // namespace
}  // namespace lumora::testing
