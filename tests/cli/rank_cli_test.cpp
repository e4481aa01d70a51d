// SPDX-License-Identifier: MIT
// lumora-cli rank: one person against a file of candidates, checked pair by pair
// against whole vedic matches of the same births.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "cli_runner.h"

namespace lumora::testing {
namespace {

using Json = nlohmann::ordered_json;

// One birth as the birth-details form takes it: the zone a fixed offset that the
// zone's history gives on that date.
struct FormSide {
  const char* name;
  const char* day;
  const char* month;
  const char* year;
  const char* hour;
  const char* minute;
  const char* second;
  const char* lat_deg;
  const char* lat_min;
  const char* long_deg;
  const char* long_min;
  bool east;
  const char* zone_hour;
  const char* zone_minute;
  bool dst;
};

Json FormFields(const FormSide& s, char side) {
  const std::string p(1, side);
  Json form;
  form["txt" + p + "Name"] = s.name;
  form["cbo" + p + "Date"] = s.day;
  form["cbo" + p + "Month"] = s.month;
  form["cbo" + p + "Year"] = s.year;
  form["cbo" + p + "HH"] = s.hour;
  form["cbo" + p + "MM"] = s.minute;
  form["cbo" + p + "SS"] = s.second;
  form["txt" + p + "City"] = "City";
  form["txt" + p + "State"] = "State";
  form["txt" + p + "Country"] = "Country";
  form["txt" + p + "LD"] = s.lat_deg;
  form["txt" + p + "LM"] = s.lat_min;
  form["txt" + p + "LoD"] = s.long_deg;
  form["txt" + p + "LoM"] = s.long_min;
  form["opt" + p + "East"] = s.east;
  form["opt" + p + "West"] = !s.east;
  form["txt" + p + "ZoneHour"] = s.zone_hour;
  form["txt" + p + "ZoneMinute"] = s.zone_minute;
  form["chk" + p + "DST"] = s.dst;
  return form;
}

// rank_boy.json and rank_candidates.csv as forms; offsets from the tz database.
const FormSide kBoy = {"Ravi Kumar", "14", "May", "1990", "6", "30", "0",  "28",
                       "36",         "77", "12",  true,   "5", "30", false};
const FormSide kCandidates[] = {
    {"Asha Rao", "1", "March", "1992", "12", "0", "0", "18", "31", "73", "51", true, "5", "30",
     false},
    {"Meera Iyer", "20", "November", "1991", "23", "15", "40", "13", "4", "80", "16", true, "5",
     "30", false},
    // Pakistan kept +5:00 without daylight saving in 1993.
    {"Khan, Sana", "9", "July", "1993", "5", "10", "0", "24", "51", "67", "0", true, "5", "0",
     false},
    {"Priya Shah", "15", "January", "1994", "18", "45", "0", "51", "30", "0", "7", false, "0", "0",
     false},
    // New York on daylight time (EDT, -4:00) in August 1990.
    {"Divya Nair", "30", "August", "1990", "9", "0", "0", "40", "42", "74", "0", false, "5", "0",
     true},
    {"Nisha Verma", "3", "June", "1991", "14", "20", "0", "26", "51", "80", "57", true, "5", "30",
     false},
};

Json VedicMatch(const FormSide& boy, const FormSide& girl, const std::string& options = "") {
  Json form = FormFields(boy, 'M');
  form.update(FormFields(girl, 'F'));
  const CliRun run = RunCli("vedic --json" + options, form.dump());
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  return run.Lines().at(0);
}

void ExpectSameAsVedic(const Json& ranked, const Json& vedic) {
  EXPECT_EQ(ranked["TotalPoints"], vedic["TotalPoints"]);
  EXPECT_EQ(ranked["Verdict"], vedic["Verdict"]);
  for (const char* key :
       {"BoyRashi", "BoyNakshatra", "GirlRashi", "GirlNakshatra", "ManglikMatch", "Doshas"}) {
    EXPECT_EQ(ranked[key], vedic[key]) << key;
  }
  ASSERT_EQ(ranked["Points"].size(), 8u);
  for (std::size_t k = 0; k < 8; ++k) {
    EXPECT_EQ(ranked["Points"][k], vedic["Kootas"][k]["Points"]) << vedic["Kootas"][k]["Koota"];
  }
}

TEST(RankCli, EveryPairAgreesWithVedic) {
  // vedic gives the score range for 30 minutes unless told otherwise.
  const CliRun run = RunCli("rank --json --uncertainty 30 --boy '" + FixturePath("rank_boy.json") +
                                "' --candidates '" + FixturePath("rank_candidates.csv") + "'",
                            "");
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = run.Lines();
  ASSERT_EQ(lines.size(), std::size(kCandidates));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Json& row = lines[i];
    SCOPED_TRACE(row.dump());
    EXPECT_EQ(row["Rank"], i + 1);
    const int line = row["Line"];
    const FormSide& girl = kCandidates[line - 2];  // the header is line 1
    EXPECT_EQ(row["Name"], girl.name);
    const Json vedic = VedicMatch(kBoy, girl);
    ExpectSameAsVedic(row, vedic);
    EXPECT_EQ(row["ScoreRange"], vedic["ScoreRange"]);
    EXPECT_EQ(row["Tables"], "Specified");
    EXPECT_EQ(vedic["SpecifiedTotal"].get<double>(),
              std::stod(row["TotalPoints"].get<std::string>()));
    if (i > 0) {
      EXPECT_GE(std::stod(lines[i - 1]["TotalPoints"].get<std::string>()),
                std::stod(row["TotalPoints"].get<std::string>()));
    }
  }
}

// With the classical tables the ranking orders by the classical total, and every pair
// agrees with a classical vedic match of the same births.
TEST(RankCli, ClassicalTablesAgreeWithVedic) {
  const CliRun run =
      RunCli("rank --json --tables classical --boy '" + FixturePath("rank_boy.json") +
                 "' --candidates '" + FixturePath("rank_candidates.csv") + "'",
             "");
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = run.Lines();
  ASSERT_EQ(lines.size(), std::size(kCandidates));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Json& row = lines[i];
    SCOPED_TRACE(row.dump());
    EXPECT_EQ(row["Tables"], "Classical");
    const Json vedic =
        VedicMatch(kBoy, kCandidates[row["Line"].get<int>() - 2], " --tables classical");
    EXPECT_EQ(vedic["Tables"], "Classical");
    ExpectSameAsVedic(row, vedic);
    EXPECT_EQ(vedic["ClassicalTotal"].get<double>(),
              std::stod(row["TotalPoints"].get<std::string>()));
    if (i > 0) {
      EXPECT_GE(std::stod(lines[i - 1]["TotalPoints"].get<std::string>()),
                std::stod(row["TotalPoints"].get<std::string>()));
    }
  }
}

TEST(RankCli, GirlAgainstBoysFromJsonLines) {
  // The boy of rank_boy.json as the one candidate of a JSON Lines file.
  const std::string jsonl = "/tmp/lumora-rank-cli-boys.jsonl";
  {
    std::FILE* file = std::fopen(jsonl.c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fputs(
        "\n{\"Name\":\"Ravi Kumar\",\"BirthDate\":\"1990-05-14\",\"BirthTime\":\"06:30\","
        "\"Latitude\":28.61,\"Longitude\":77.21,\"TimeZone\":\"Asia/Kolkata\"}\n[1]\n",
        file);
    std::fclose(file);
  }
  const CliRun run = RunCli(
      "rank --json --girl '" + FixturePath("rank_girl.json") + "' --candidates " + jsonl, "");
  std::remove(jsonl.c_str());
  EXPECT_EQ(run.status, 2);
  const auto lines = run.Lines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0]["Line"], 2);
  ExpectSameAsVedic(lines[0], VedicMatch(kBoy, kCandidates[0]));
  EXPECT_FALSE(lines[0].contains("ScoreRange"));  // only with --uncertainty
  EXPECT_EQ(lines[1]["Line"], 3);
  EXPECT_TRUE(lines[1].contains("Error"));
}

TEST(RankCli, RefusedRowsFollowInInputOrder) {
  const std::string args = " --boy '" + FixturePath("rank_boy.json") + "' --candidates '" +
                           FixturePath("rank_refusals.csv") + "'";
  const CliRun run = RunCli("rank --json" + args, "");
  EXPECT_EQ(run.status, 2);
  const auto lines = run.Lines();
  ASSERT_EQ(lines.size(), 5u);
  // Rekha and Zara share a birth: the same total, in input order.
  EXPECT_EQ(lines[0]["Name"], "Rekha");
  EXPECT_EQ(lines[1]["Name"], "Zara");
  EXPECT_EQ(lines[0]["TotalPoints"], lines[1]["TotalPoints"]);
  struct Refused {
    int line;
    const char* focus;
  };
  const Refused refused[] = {{2, "BirthDate"}, {5, "ClockReading"}};
  for (std::size_t i = 0; i < std::size(refused); ++i) {
    const Json& row = lines[3 + i];
    EXPECT_EQ(row["Line"], refused[i].line);
    EXPECT_EQ(row["Error"]["Focus"], refused[i].focus);
    EXPECT_EQ(row["Error"]["Icon"], "error");
    EXPECT_NE(run.err.find("line " + std::to_string(refused[i].line) + ": " +
                           row["Error"]["Message"].get<std::string>()),
              std::string::npos)
        << run.err;
  }
  // --top and --min-total cut the ranking, never the refusals.
  const CliRun top = RunCli("rank --json --top 1" + args, "");
  ASSERT_EQ(top.Lines().size(), 3u);
  EXPECT_EQ(top.Lines()[0]["Name"], lines[0]["Name"]);
  const CliRun none = RunCli("rank --json --min-total 36" + args, "");
  EXPECT_EQ(none.Lines().size(), lines[0]["TotalPoints"] == "36" ? 3u : 2u);
  // The readable table says the same.
  const CliRun table = RunCli("rank" + args, "");
  EXPECT_EQ(table.status, 2);
  EXPECT_NE(table.out.find("Rekha"), std::string::npos);
  EXPECT_NE(table.out.find("line 5: "), std::string::npos);
}

TEST(RankCli, PlacesFromTheAtlas) {
  // Asha Rao's birth of rank_candidates.csv again, placed by name; Bombay is Mumbai's
  // old name.
  const std::string csv = "/tmp/lumora-rank-cli-places.csv";
  {
    std::FILE* file = std::fopen(csv.c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fputs(
        "Name,BirthDate,BirthTime,Place\n"
        "Unplaced,1992-03-01,12:00,\n"
        "By place,1992-03-01,12:00,Pune\n"
        "Old name,1992-03-01,12:00,Bombay\n"
        "Nowhere,1992-03-01,12:00,Atlantisville\n",
        file);
    std::fclose(file);
  }
  const CliRun run =
      RunCli("rank --json --boy '" + FixturePath("rank_boy.json") + "' --candidates " + csv, "");
  std::remove(csv.c_str());
  EXPECT_EQ(run.status, 2);
  const auto lines = run.Lines();
  ASSERT_EQ(lines.size(), 4u);
  const Json vedic = VedicMatch(kBoy, kCandidates[0]);
  for (std::size_t i = 0; i < 2; ++i) {
    SCOPED_TRACE(lines[i].dump());
    EXPECT_EQ(lines[i]["Line"], 3 + i);
    ExpectSameAsVedic(lines[i], vedic);
  }
  EXPECT_EQ(lines[2]["Line"], 2);
  EXPECT_EQ(lines[2]["Error"]["Focus"], "Latitude");  // neither place nor coordinates
  EXPECT_EQ(lines[3]["Line"], 5);
  EXPECT_EQ(lines[3]["Error"]["Focus"], "Place");
}

// A name or place written decomposed (a letter, then its accent or vowel sign) is the
// composed one: the same name in the output, the same place found in the atlas.
TEST(RankCli, DecomposedNamesAndPlacesAreTheComposedOnes) {
  const struct {
    const char* decomposed;
    const char* composed;
  } names[] = {
      {"Jose\u0301 Sa\u0301nchez", "Jos\u00e9 S\u00e1nchez"},
      {"Vie\u0323\u0302t", "Vi\u1ec7t"},
      {"\u0b95\u0bc6\u0bbe\u0b9f\u0bbf", "\u0b95\u0bca\u0b9f\u0bbf"},
      {"\u0928\u093c\u092f\u0928", "\u0929\u092f\u0928"},
  };
  const std::string csv = "/tmp/lumora-rank-cli-nfc.csv";
  {
    std::FILE* file = std::fopen(csv.c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fputs("Name,BirthDate,BirthTime,Place\n", file);
    for (const auto& name : names) {
      std::fprintf(file, "%s,1992-03-01,12:00,Sa\u0303o Paulo\n", name.decomposed);
      std::fprintf(file, "%s,1992-03-01,12:00,S\u00e3o Paulo\n", name.composed);
    }
    std::fclose(file);
  }
  const CliRun run =
      RunCli("rank --json --boy '" + FixturePath("rank_boy.json") + "' --candidates " + csv, "");
  std::remove(csv.c_str());
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = run.Lines();
  ASSERT_EQ(lines.size(), 2 * std::size(names));
  for (const auto& name : names) {
    SCOPED_TRACE(name.composed);
    std::vector<Json> found;
    for (const Json& line : lines) {
      if (line["Name"] == name.composed) {
        found.push_back(line);
      }
    }
    ASSERT_EQ(found.size(), 2u);
    for (Json& line : found) {
      line.erase("Rank");
      line.erase("Line");
    }
    EXPECT_EQ(found[0], found[1]);
  }
}

TEST(RankCli, ThreadsDoNotChangeTheOutput) {
  const std::string args = "rank --json --boy '" + FixturePath("rank_boy.json") +
                           "' --candidates '" + FixturePath("rank_candidates.csv") + "'";
  EXPECT_EQ(RunCli(args + " --threads 1", "").out, RunCli(args + " --threads 3", "").out);
}

// A temporary folder that is full (a file size limit of 1 KiB on the ranking, its
// output going through a pipe that is not limited): every candidate ranked, or an
// error, never part of them passed off as all.
TEST(RankCli, AFullTemporaryFolderLosesNoCandidate) {
  // Records of one total that outgrow the limit but not a write buffer: their loss
  // shows only when the buffer is flushed, after the last write.
  constexpr int kRows = 60;
  const std::string csv = "/tmp/lumora-rank-cli-full.csv";
  const std::string out = "/tmp/lumora-rank-cli-full.out";
  {
    std::ofstream file(csv);
    file << "Name,BirthDate,BirthTime,Latitude,Longitude,TimeZone\n";
    // One birth under many names: every candidate has the same total, so the records
    // of one total outgrow the file size limit.
    for (int i = 0; i < kRows; ++i) {
      file << "Candidate " << i << ",1992-03-01,12:00,18.52,73.86,Asia/Kolkata\n";
    }
  }
  const std::string script = "/tmp/lumora-rank-cli-full.sh";
  std::ofstream(script) << "(ulimit -f 1; trap '' XFSZ; exec '" << LUMORA_CLI_PATH
                        << "' rank --json --threads 1 --boy '" << FixturePath("rank_boy.json")
                        << "' --candidates " << csv << ") 2>/dev/null | cat > " << out
                        << "\nexit ${PIPESTATUS[0]}\n";
  const int raw = std::system(("bash " + script).c_str());
  std::remove(script.c_str());
  std::ifstream ranked(out);
  int lines = 0;
  for (std::string line; std::getline(ranked, line);) {
    ++lines;
  }
  std::remove(csv.c_str());
  std::remove(out.c_str());
  ASSERT_TRUE(WIFEXITED(raw));
  // Either all ranked and exit 0 (kept in memory), or an error, exit 1.
  if (WEXITSTATUS(raw) == 0) {
    EXPECT_EQ(lines, kRows);
  } else {
    EXPECT_EQ(WEXITSTATUS(raw), 1);
  }
}

// JSON Lines of more than one write buffer (about a megabyte), written while the next
// buffer is made: every candidate once, ranks in order, the refused rows after the last
// ranked one, the same bytes on one thread and on two, and a standard output that
// cannot be written is a failure even when the failing write is not the last.
TEST(RankCli, JsonLinesPastOneWriteBuffer) {
  constexpr int kRows = 4000;
  const std::string csv = "/tmp/lumora-rank-cli-buffers.csv";
  int refused = 0;
  {
    std::ofstream file(csv);
    file << "Name,BirthDate,BirthTime,Latitude,Longitude,TimeZone\n";
    for (int i = 0; i < kRows; ++i) {
      const int day = (i * 37) % 10950;
      const bool bad = i % 500 == 7;
      refused += bad ? 1 : 0;
      char row[96];
      // A day 31 in a month of 30 days is refused; the rest are births of thirty years.
      std::snprintf(row, sizeof row,
                    "Candidate %d,%04d-%02d-%02d,%02d:%02d,28.61,77.21,Asia/Kolkata\n", i,
                    1965 + day / 365, bad ? 4 : (day / 28) % 12 + 1, bad ? 31 : day % 28 + 1,
                    i % 24, (i * 13) % 60);
      file << row;
    }
  }
  const std::string boy = " --boy '" + FixturePath("rank_boy.json") + "' --candidates " + csv;
  struct Case {
    const char* threads;
  };
  constexpr Case kCases[] = {{"1"}, {"2"}};
  std::string first;
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.threads);
    const CliRun run = RunCli(std::string("rank --json --threads ") + c.threads + boy, "");
    EXPECT_EQ(run.status, refused > 0 ? 2 : 0);
    ASSERT_GT(run.out.size(), std::size_t{1} << 21);
    const auto lines = run.Lines();
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kRows));
    for (int i = 0; i < kRows - refused; ++i) {
      ASSERT_EQ(lines[static_cast<std::size_t>(i)]["Rank"], i + 1);
    }
    for (int i = kRows - refused; i < kRows; ++i) {
      ASSERT_TRUE(lines[static_cast<std::size_t>(i)].contains("Error"));
    }
    if (first.empty()) {
      first = run.out;
    } else {
      EXPECT_TRUE(run.out == first);
    }
  }
  ASSERT_GT(refused, 0);
  const std::string err = "/tmp/lumora-rank-cli-buffers.err";
  const int raw = std::system(("'" + std::string(LUMORA_CLI_PATH) + "' rank --json" + boy +
                               " </dev/null >/dev/full 2>" + err)
                                  .c_str());
  ASSERT_TRUE(WIFEXITED(raw));
  EXPECT_EQ(WEXITSTATUS(raw), 1);
  EXPECT_NE(FileBytes(err).find("cannot write to standard output"), std::string::npos)
      << FileBytes(err);
  std::remove(err.c_str());
  std::remove(csv.c_str());
}

// Names from a candidate file reach the terminal escaped: an ESC or OSC sequence does
// not act, a line break inside a quoted name does not forge a row of the table, and a
// long name is cut between characters.
TEST(RankCli, ReadableNamesNeverActOnTheTerminal) {
  const std::string csv = "/tmp/lumora-rank-cli-names.csv";
  const std::string long_name(40, 'a');
  {
    std::ofstream file(csv, std::ios::binary);
    file << "Name,BirthDate,BirthTime,Latitude,Longitude,TimeZone\n"
         << "\x1b[2JClear,1992-03-01,12:00,18.52,73.86,Asia/Kolkata\n"
         << "\"Forged\nRank 1\",1992-03-01,12:00,18.52,73.86,Asia/Kolkata\n"
         << "\x1b]0;title\x07,1992-03-01,12:00,18.52,73.86,Asia/Kolkata\n"
         // 31 ASCII letters and then a two-byte letter: 32 characters but 33 bytes.
         << std::string(31, 'b') << "\xC3\xA3" << long_name << ",1992-03-01,12:00,18.52,73.86,"
         << "Asia/Kolkata\n"
         << "Bad \x1b[31mrow,1992-13-01,12:00,18.52,73.86,Asia/Kolkata\n";
  }
  const CliRun run =
      RunCli("rank --boy '" + FixturePath("rank_boy.json") + "' --candidates " + csv, "");
  std::remove(csv.c_str());
  EXPECT_EQ(run.status, 2) << run.err;
  for (const std::string* stream : {&run.out, &run.err}) {
    EXPECT_EQ(stream->find('\x1b'), std::string::npos) << *stream;
    EXPECT_EQ(stream->find('\x07'), std::string::npos) << *stream;
  }
  EXPECT_NE(run.out.find("\\x1b[2JClear"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Forged\\x0aRank 1"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("\nRank 1"), std::string::npos) << run.out;
  // Cut after the two-byte letter (32 characters), never between its bytes.
  EXPECT_NE(run.out.find(std::string(31, 'b') + "\xC3\xA3 "), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find(std::string(31, 'b') + "\xC3 "), std::string::npos) << run.out;
}

// Reads are bounded before anything is stored: a candidate line past the limit is
// refused with its line number (the rest still ranked), and a person file that never
// ends or is not a regular file is a usage error at once.
TEST(RankCli, BoundedReads) {
  const std::string jsonl = "/tmp/lumora-rank-cli-long.jsonl";
  {
    std::ofstream file(jsonl, std::ios::binary);
    file << R"({"Name":"Asha Rao","BirthDate":"1992-03-01","BirthTime":"12:00","Latitude":18.52,)"
         << R"("Longitude":73.86,"TimeZone":"Asia/Kolkata"})"
         << "\n"
         << R"({"Name":")" << std::string(200000, 'x')
         << R"(","BirthDate":"1992-03-01","BirthTime":"12:00","Latitude":18.52,)"
         << R"("Longitude":73.86,"TimeZone":"Asia/Kolkata"})"
         << "\n";
  }
  const CliRun run =
      RunCli("rank --json --boy '" + FixturePath("rank_boy.json") + "' --candidates " + jsonl, "");
  std::remove(jsonl.c_str());
  EXPECT_EQ(run.status, 2);
  const auto lines = run.Lines();
  ASSERT_EQ(lines.size(), 2u) << run.out.substr(0, 500);
  ASSERT_TRUE(lines[0].contains("Name")) << lines[0].dump().substr(0, 300);
  EXPECT_EQ(lines[0]["Name"], "Asha Rao");
  EXPECT_EQ(lines[1]["Line"], 2);
  ASSERT_TRUE(lines[1].contains("Error")) << lines[1].dump().substr(0, 300);
  EXPECT_NE(lines[1]["Error"]["Message"].get<std::string>().find("longer than"), std::string::npos);

  const std::string fifo = "/tmp/lumora-rank-cli-person.json";
  std::remove(fifo.c_str());
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string csv = " --candidates '" + FixturePath("rank_candidates.csv") + "'";
  for (const std::string& person : {std::string("/dev/zero"), fifo}) {
    // A blocked read would hang the test; timeout turns that into a failure.
    const CliRun refused = RunCli("rank --boy " + person + csv, "", false, 20);
    EXPECT_EQ(refused.status, 1) << person;
    EXPECT_NE(refused.err.find("not a regular file"), std::string::npos) << refused.err;
  }
  std::remove(fifo.c_str());
  const std::string fifo_csv = "/tmp/lumora-rank-cli-candidates.csv";
  std::remove(fifo_csv.c_str());
  ASSERT_EQ(::mkfifo(fifo_csv.c_str(), 0600), 0);
  const CliRun candidates_fifo = RunCli(
      "rank --boy '" + FixturePath("rank_boy.json") + "' --candidates " + fifo_csv, "", false, 20);
  std::remove(fifo_csv.c_str());
  EXPECT_EQ(candidates_fifo.status, 1);
  EXPECT_NE(candidates_fifo.err.find("FIFO"), std::string::npos) << candidates_fifo.err;
}

// Candidate lines and person files are read as strictly as any other input: a line nested
// too deep or naming a member twice is refused with its line number, the rest ranked;
// such a person file is a usage error.
TEST(RankCli, StrictJson) {
  const std::string good =
      R"({"Name":"Asha Rao","BirthDate":"1992-03-01","BirthTime":"12:00","Latitude":18.52,)"
      R"("Longitude":73.86,"TimeZone":"Asia/Kolkata"})";
  const struct {
    const char* source;
    std::string line;
    const char* message;
  } cases[] = {
      {"a deep extra member",
       good.substr(0, good.size() - 1) + R"(,"x":)" + std::string(5000, '[') +
           std::string(5000, ']') + "}",
       "The line is nested deeper than 32 levels"},
      {"a name given twice", good.substr(0, good.size() - 1) + R"(,"Name":"Ravi"})",
       "The line names the member \"Name\" twice"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.source);
    const std::string jsonl = "/tmp/lumora-rank-cli-strict.jsonl";
    std::ofstream(jsonl, std::ios::binary) << good << "\n" << c.line << "\n";
    const CliRun run = RunCli(
        "rank --json --boy '" + FixturePath("rank_boy.json") + "' --candidates " + jsonl, "");
    std::remove(jsonl.c_str());
    EXPECT_EQ(run.status, 2);
    const auto lines = run.Lines();
    ASSERT_EQ(lines.size(), 2u) << run.out.substr(0, 500);
    EXPECT_EQ(lines[0]["Name"], "Asha Rao");
    EXPECT_EQ(lines[1]["Line"], 2);
    ASSERT_TRUE(lines[1].contains("Error")) << lines[1].dump().substr(0, 300);
    EXPECT_EQ(lines[1]["Error"]["Message"], c.message);

    const std::string person = "/tmp/lumora-rank-cli-strict-person.json";
    std::ofstream(person, std::ios::binary) << c.line;
    const CliRun refused = RunCli(
        "rank --boy " + person + " --candidates '" + FixturePath("rank_candidates.csv") + "'", "");
    std::remove(person.c_str());
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_NE(refused.err.find(std::string(c.message).substr(9)), std::string::npos) << refused.err;
  }
}

TEST(RankCli, UsageErrors) {
  const std::string boy = " --boy '" + FixturePath("rank_boy.json") + "'";
  const std::string csv = " --candidates '" + FixturePath("rank_candidates.csv") + "'";
  const std::string cases[] = {
      "rank --boy /nonexistent/person.json" + csv,
      "rank --boy '" + FixturePath("rank_candidates.csv") + "'" + csv,  // not a JSON object
      "rank" + boy + " --girl '" + FixturePath("rank_girl.json") + "'" + csv,
      "rank" + csv,
      "rank" + boy + " --candidates '" + FixturePath("moon.jsonl") + ".txt'",
      "rank" + boy + " --candidates /nonexistent/candidates.csv",
      "rank" + boy + " --candidates '" + FixturePath("western_valid.json") + "'",
      "rank" + boy + csv + " --top 0",
      "rank" + boy + csv + " --min-total 37",
      "rank" + boy + csv + " --min-total nan",
      "rank" + boy + csv + " --min-total inf",
  };
  for (const std::string& args : cases) {
    SCOPED_TRACE(args);
    const CliRun run = RunCli(args, "");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err, "");
  }
}

}  // namespace
}  // namespace lumora::testing
