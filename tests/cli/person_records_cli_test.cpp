// SPDX-License-Identifier: MIT
// Person records in vedic and western ({"Boy": ..., "Girl": ...}, {"Male": ..., "Female":
// ...}) agree with the same births given as forms; the numeric keys Total and
// PointsByKoota; a zone's direction given in a form.
#include <gtest/gtest.h>

#include <string>

#include "cli_runner.h"

namespace lumora::testing {
namespace {

using Json = nlohmann::ordered_json;

// Ravi in Delhi by place name, Asha in Pune by coordinates and zone; the same two as forms
// whose clocks come from the same zones.
const Json kRavi = {
    {"Name", "Ravi"}, {"BirthDate", "1990-05-14"}, {"BirthTime", "06:30:15"}, {"Place", "Delhi"}};
const Json kAsha = {{"Name", "Asha"},    {"BirthDate", "1992-03-01"}, {"BirthTime", "12:00"},
                    {"Latitude", 18.52}, {"Longitude", 73.86},        {"TimeZone", "Asia/Kolkata"}};

Json Side(char p, const char* name, const char* day, const char* month, const char* year,
          const char* hour, const char* minute, const char* lat_deg, const char* lat_min,
          const char* long_deg, const char* long_min) {
  const std::string x(1, p);
  return {{"txt" + x + "Name", name},       {"cbo" + x + "Date", day},
          {"cbo" + x + "Month", month},     {"cbo" + x + "Year", year},
          {"cbo" + x + "HH", hour},         {"cbo" + x + "MM", minute},
          {"txt" + x + "City", "Here"},     {"txt" + x + "State", "Here"},
          {"txt" + x + "Country", "India"}, {"txt" + x + "LD", lat_deg},
          {"txt" + x + "LM", lat_min},      {"txt" + x + "LoD", long_deg},
          {"txt" + x + "LoM", long_min},    {"txt" + x + "ZoneHour", "5"},
          {"txt" + x + "ZoneMinute", "30"}, {x + "TimeZoneId", "Asia/Kolkata"}};
}

Json RunJson(const std::string& command, const Json& input) {
  const CliRun run = RunCli(command + " --json", input.dump());
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  const auto lines = run.Lines();
  return lines.empty() ? Json() : lines.front();
}

TEST(PersonRecordsCli, VedicMatchesTheSameBirthsAsForms) {
  const Json records = RunJson("vedic", {{"Boy", kRavi}, {"Girl", kAsha}});
  // Delhi's atlas place: 28°39′N 77°13′E.
  Json form = Side('M', "Ravi", "14", "May", "1990", "6", "30", "28", "39", "77", "13");
  form.update(Side('F', "Asha", "1", "March", "1992", "12", "0", "18", "31", "73", "51"));
  const Json by_form = RunJson("vedic", form);
  for (const char* key : {"BoyRashi", "BoyNakshatra", "GirlRashi", "GirlNakshatra", "TotalPoints",
                          "Verdict", "Kootas"}) {
    EXPECT_EQ(records[key], by_form[key]) << key;
  }
  EXPECT_EQ(records["BoyDetails"]["Name"], "Ravi");
  EXPECT_EQ(records["BoyDetails"]["Place"], "Delhi");
  EXPECT_EQ(records["BoyDetails"]["Second"], 15);
  EXPECT_EQ(records["GirlDetails"]["Month"], "March");

  // Total and PointsByKoota are numbers, the points by koota adding up to the total.
  for (const Json* out : {&records, &by_form}) {
    ASSERT_TRUE((*out)["Total"].is_number());
    EXPECT_EQ((*out)["Total"].get<double>(), std::stod((*out)["TotalPoints"].get<std::string>()));
    const Json& by_koota = (*out)["PointsByKoota"];
    ASSERT_EQ(by_koota.size(), 8u);
    double sum = 0.0;
    std::size_t k = 0;
    for (const auto& [koota, points] : by_koota.items()) {
      ASSERT_TRUE(points.is_number()) << koota;
      EXPECT_EQ(koota, (*out)["Kootas"][k]["Koota"]);
      EXPECT_EQ(points.get<double>(), std::stod((*out)["Kootas"][k]["Points"].get<std::string>()));
      sum += points.get<double>();
      ++k;
    }
    EXPECT_EQ(sum, (*out)["Total"].get<double>());
  }
}

TEST(PersonRecordsCli, WesternMatchesTheSameBirthsAsForms) {
  const Json records = RunJson("western", {{"Male", kRavi}, {"Female", kAsha}});
  Json form = Side('M', "Ravi", "14", "May", "1990", "6", "30", "28", "39", "77", "13");
  form.update(Side('F', "Asha", "1", "March", "1992", "12", "0", "18", "31", "73", "51"));
  const Json by_form = RunJson("western", form);
  EXPECT_EQ(records["MalePositions"], by_form["MalePositions"]);
  EXPECT_EQ(records["FemalePositions"], by_form["FemalePositions"]);
  EXPECT_EQ(records["WesternScore"], by_form["WesternScore"]);
  EXPECT_EQ(records["Report"]["mName"], "Ravi");
  EXPECT_EQ(records["Report"]["fDOB"], "March 1, 1992");
}

TEST(PersonRecordsCli, FaultyRecordsAreRejectedByKey) {
  const struct {
    Json input;
    const char* message;  // the start of the rejection
  } cases[] = {
      {{{"Boy", kRavi}}, "Girl must be a person record"},
      {{{"Boy", kRavi}, {"Girl", "Asha"}}, "Girl must be a person record"},
      {{{"Boy", kRavi},
        {"Girl",
         {{"Name", "Asha"},
          {"BirthDate", "1992-03-01"},
          {"BirthTime", "12:00"},
          {"Place", "Qqqzzzx"}}}},
       "Girl: Place \"Qqqzzzx\" was not found"},
      {{{"Boy", {{"Name", "Ravi"}, {"Birthday", "1990-05-14"}}}, {"Girl", kAsha}},
       "Boy.Birthday is not a field of a person record"},
  };
  for (const auto& c : cases) {
    const CliRun run = RunCli("vedic --json", c.input.dump());
    EXPECT_EQ(run.status, 2) << c.input.dump();
    const auto lines = run.Lines();
    ASSERT_EQ(lines.size(), 1u) << run.out;
    const std::string message = lines[0]["Error"]["Message"];
    EXPECT_EQ(message.rfind(c.message, 0), 0u) << message;
  }
}

// optMZoneAhead and optMZoneBehind give a hand-typed zone its direction; without them the
// zone lies on the longitude's side.
TEST(ZoneDirectionCli, HandTypedZonesWestOfGreenwich) {
  const struct {
    const char* what;
    Json keys;
    double universal_time;
  } cases[] = {
      {"London 1944, British Double Summer Time ahead of UTC",
       {{"optMZoneAhead", true}, {"optMZoneBehind", false}},
       10.0},
      {"the same without a direction: the longitude's side", Json::object(), 14.0},
      {"behind UTC", {{"optMZoneBehind", true}}, 14.0},
  };
  for (const auto& c : cases) {
    Json form = Side('M', "Arthur", "15", "June", "1944", "12", "0", "51", "30", "0", "7");
    form.erase("MTimeZoneId");
    form["txtMZoneHour"] = "2";
    form["txtMZoneMinute"] = "0";
    form["optMEast"] = false;
    form["optMWest"] = true;
    form.update(c.keys);
    form.update(Side('F', "Asha", "1", "March", "1992", "12", "0", "18", "31", "73", "51"));
    const Json out = RunJson("vedic", form);
    EXPECT_DOUBLE_EQ(out["BoyMoon"]["UT"].get<double>(), c.universal_time) << c.what;
  }
}

TEST(PersonRecordsCli, RankGivesPointsByKootaAsNumbers) {
  const CliRun run = RunCli("rank --json --boy '" + FixturePath("rank_boy.json") +
                                "' --candidates '" + FixturePath("rank_candidates.csv") + "'",
                            "");
  ASSERT_EQ(run.status, 0) << run.err;
  for (const Json& row : run.Lines()) {
    const Json& by_koota = row["PointsByKoota"];
    ASSERT_EQ(by_koota.size(), 8u);
    double sum = 0.0;
    std::size_t k = 0;
    for (const auto& [koota, points] : by_koota.items()) {
      ASSERT_TRUE(points.is_number()) << koota;
      EXPECT_EQ(points.get<double>(), std::stod(row["Points"][k++].get<std::string>())) << koota;
      sum += points.get<double>();
    }
    EXPECT_EQ(sum, std::stod(row["TotalPoints"].get<std::string>()));
  }
}

}  // namespace
}  // namespace lumora::testing
