// SPDX-License-Identifier: MIT
// lumora-cli profile and info: profile files written and read back through the
// command line, and the catalogues as JSON.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "cli_runner.h"
#include "core/vedic/entry/profile.h"

namespace lumora::testing {
namespace {

using Json = nlohmann::ordered_json;

// Profile files written and read in a folder of their own.
class ProfileFiles : public ScratchFolder {};

constexpr const char* kAriesCapricorn =
    R"({"BoyRashi":"Aries","GirlRashi":"Capricorn","BoyNakshatra":"Ashwini","GirlNakshatra":"Revati"})";

TEST_F(ProfileFiles, WriteThenReadRoundTrip) {
  const std::string file = Path("pair.kun");
  const CliRun write = RunCli("profile write '" + file + "' --json", kAriesCapricorn);
  ASSERT_EQ(write.status, 0) << write.err << write.out;
  EXPECT_EQ(Bytes(file), WriteProfile({"Aries", "Capricorn", "Ashwini", "Revati"}));

  const CliRun read = RunCli("profile read '" + file + "' --json", "");
  EXPECT_EQ(read.status, 0) << read.err;
  const auto lines = read.Lines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0]["BoyRashi"], "Aries");
  EXPECT_EQ(lines[0]["GirlRashi"], "Capricorn");
  EXPECT_EQ(lines[0]["BoyNakshatra"], "Ashwini");
  EXPECT_EQ(lines[0]["GirlNakshatra"], "Revati");
}

TEST_F(ProfileFiles, ReadWithMatch) {
  const std::string file = Path("pair.kun");
  Put(file, WriteProfile({"Aries", "Capricorn", "Ashwini", "Revati"}));
  const CliRun run = RunCli("profile read '" + file + "' --match --json", "");
  EXPECT_EQ(run.status, 0) << run.err;
  const auto lines = run.Lines();
  ASSERT_EQ(lines.size(), 1u);
  // Points 0, 2, 3, 3.5, 1, 6, 7, 6.
  EXPECT_EQ(lines[0]["TotalPoints"], "28.5");
  EXPECT_EQ(lines[0]["Verdict"], "This is a Very Good Match");
  EXPECT_EQ(lines[0]["Kootas"][3]["Points"], "3.5");
  EXPECT_EQ(lines[0]["Grid"].size(), 44u);
  EXPECT_FALSE(lines[0].contains("BoyDetails"));
}

TEST_F(ProfileFiles, RejectedInputLeavesTheOldFileIntact) {
  const std::string file = Path("pair.kun");
  ASSERT_EQ(RunCli("profile write '" + file + "' --json", kAriesCapricorn).status, 0);
  const std::string before = Bytes(file);
  const char* rejected[] = {
      R"js({"BoyRashi":"Aries (Mesha)","GirlRashi":"Capricorn","BoyNakshatra":"Ashwini","GirlNakshatra":"Revati"})js",
      R"({"BoyRashi":"Aries","GirlRashi":"Capricorn","BoyNakshatra":"Ashwini"})",
      R"({"BoyRashi":"Ashwini","GirlRashi":"Revati","BoyNakshatra":"Aries","GirlNakshatra":"Capricorn"})",
  };
  for (const char* input : rejected) {
    SCOPED_TRACE(input);
    const CliRun run = RunCli("profile write '" + file + "' --json", input);
    EXPECT_EQ(run.status, 2);
    const auto lines = run.Lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0]["Error"]["Message"], "Please Check The File.");
    EXPECT_EQ(Bytes(file), before);
    EXPECT_EQ(FileCount(), 1u) << "no temporary file may be left behind";
  }
  // A folder that does not exist: rejected, nothing written anywhere.
  const CliRun nowhere =
      RunCli("profile write '" + Path("missing/pair.kun") + "' --json", kAriesCapricorn);
  EXPECT_EQ(nowhere.status, 2);
  EXPECT_EQ(FileCount(), 1u);
}

TEST_F(ProfileFiles, RefusedFiles) {
  const std::string valid = WriteProfile({"Leo", "Leo", "Magha", "Magha"});
  struct Case {
    const char* source;
    const char* name;
    std::string bytes;
  };
  const Case cases[] = {
      {"upper-case extension", "pair.KUN", valid},
      {"three lines", "short.kun", valid.substr(0, valid.size() - Encode("Magha").size() - 2)},
      {"a value outside the tables", "odd.kun", WriteProfile({"Leo", "Leo", "Magha", "Mula"})},
      {"plain text", "plain.kun", "Leo\r\nLeo\r\nMagha\r\nMagha\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.source);
    Put(Path(c.name), c.bytes);
    for (const char* match : {"", " --match"}) {
      const CliRun run = RunCli("profile read '" + Path(c.name) + "'" + match + " --json", "");
      EXPECT_EQ(run.status, 2);
      const auto lines = run.Lines();
      ASSERT_EQ(lines.size(), 1u);
      EXPECT_EQ(lines[0]["Error"]["Message"], "Please Check The File.");
      EXPECT_EQ(lines[0]["Error"]["Icon"], "error");
    }
  }
  const CliRun missing = RunCli("profile read '" + Path("absent.kun") + "' --json", "");
  EXPECT_EQ(missing.status, 2);
  ASSERT_EQ(missing.Lines().size(), 1u);
  EXPECT_TRUE(missing.Lines()[0].contains("Error"));
}

TEST(InfoCli, RashiAndNakshatraRecords) {
  const CliRun leo = RunCli("info rashi Leo --json", "");
  EXPECT_EQ(leo.status, 0) << leo.err;
  ASSERT_EQ(leo.Lines().size(), 1u);
  const Json rashi = leo.Lines()[0];
  EXPECT_EQ(rashi.size(), 27u);
  EXPECT_EQ(rashi.begin().key(), "IndianName");
  EXPECT_EQ(rashi["IndianName"], "Simha");
  EXPECT_EQ(rashi["PartOfTheBody"], "Heart & Stomach");
  EXPECT_EQ(rashi["CompatibleWith"], "Libra, Sagittarius, Aquarius, Aries, Gemini");

  const CliRun moola = RunCli("info nakshatra Moola --json", "");
  EXPECT_EQ(moola.status, 0) << moola.err;
  ASSERT_EQ(moola.Lines().size(), 1u);
  const Json nakshatra = moola.Lines()[0];
  EXPECT_EQ(nakshatra.size(), 22u);
  EXPECT_EQ(nakshatra["NakshatraName"], "Moola");
  EXPECT_EQ(nakshatra["RullingPlanet"], "Ketu");
  EXPECT_EQ(nakshatra["AnimalSymbol"], "Dog");
  EXPECT_EQ(nakshatra["Element"], "Vayu (Air)");

  const CliRun two_words = RunCli("info nakshatra 'Poorva Bhadrapada' --json", "");
  EXPECT_EQ(two_words.status, 0);
  ASSERT_EQ(two_words.Lines().size(), 1u);
  EXPECT_EQ(two_words.Lines()[0]["RullingPlanet"], "Jupiter");
}

TEST(InfoCli, UnknownNamesAreErrorsListingTheValidOnes) {
  struct Case {
    const char* args;
    const char* listed;  // a valid name the message offers
  } cases[] = {
      {"info rashi 'Leo (Simha)' --json", "Leo (Simha)"},
      {"info rashi Ophiuchus --json", "Pisces (Meena)"},
      {"info nakshatra Abhijit --json", "Moola"},
  };
  for (const Case& c : cases) {
    const CliRun run = RunCli(c.args, "");
    EXPECT_EQ(run.status, 2) << c.args;
    const auto lines = run.Lines();
    ASSERT_EQ(lines.size(), 1u) << c.args;
    ASSERT_TRUE(lines[0].contains("Error")) << c.args;
    EXPECT_EQ(lines[0]["Error"]["Icon"], "error");
    EXPECT_NE(lines[0]["Error"]["Message"].get<std::string>().find(c.listed), std::string::npos)
        << lines[0].dump();
  }
}

TEST(InfoCli, AnyLetterCaseAndTheIndianNames) {
  struct Case {
    const char* args;
    const char* key;
    const char* value;
  } cases[] = {
      {"info rashi leo --json", "EnglishName", "Leo"},
      {"info rashi Simha --json", "EnglishName", "Leo"},
      {"info rashi VRISCHIKA --json", "EnglishName", "Scorpio"},
      {"info nakshatra Mula --json", "NakshatraName", "Moola"},
      {"info nakshatra 'purva bhadrapada' --json", "NakshatraName", "Poorva Bhadrapada"},
  };
  for (const Case& c : cases) {
    const CliRun run = RunCli(c.args, "");
    EXPECT_EQ(run.status, 0) << c.args << run.out;
    ASSERT_EQ(run.Lines().size(), 1u) << c.args;
    EXPECT_EQ(run.Lines()[0][c.key], c.value) << c.args;
  }
}

TEST(InfoCli, KootasAndTimeZones) {
  const CliRun kootas = RunCli("info kootas --json", "");
  EXPECT_EQ(kootas.status, 0);
  const auto rows = kootas.Lines();
  ASSERT_EQ(rows.size(), 8u);
  const char* names[] = {"Varna", "Vasya", "Tara", "Yoni", "Graha Maitri", "Gana", "Rashi", "Nadi"};
  const char* areas[] = {"Work",          "Control",     "Destiny", "Mental Awareness",
                         "Compatibility", "Temperament", "Love",    "Health"};
  for (std::size_t k = 0; k < 8; ++k) {
    EXPECT_EQ(rows[k]["Koota"], names[k]);
    EXPECT_EQ(rows[k]["Maximum"], std::to_string(k + 1));
    EXPECT_EQ(rows[k]["AreaOfLife"], areas[k]);
  }
  EXPECT_EQ(rows[0]["Significance"].get<std::string>().size(), 1175u);
  EXPECT_EQ(rows[1]["Significance"].get<std::string>().rfind("The Vasya Kuta deals", 0), 0u);

  const CliRun zones = RunCli("info timezones --json", "");
  EXPECT_EQ(zones.status, 0);
  const auto table = zones.Lines();
  ASSERT_EQ(table.size(), 71u);
  EXPECT_EQ(table[0]["Text"], "Alaska/Hawaii Daylight Time,AHDT,-9.0");
  EXPECT_EQ(table[34]["Text"], "Indian Time, IST, +5.3");
  EXPECT_EQ(table[34]["Hours"], -5);
  EXPECT_EQ(table[34]["Minutes"], 30);
  EXPECT_EQ(table[50]["Hours"], 3);
  EXPECT_EQ(table[50]["Minutes"], 30);
  EXPECT_EQ(table[70]["Text"], "Yukon War Time,YWT,-8.0");
}

}  // namespace
}  // namespace lumora::testing
