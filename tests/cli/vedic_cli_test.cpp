// SPDX-License-Identifier: MIT
// lumora-cli vedic: forms and profiles in, whole matches or errors out, in order.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "cli_runner.h"

namespace lumora::testing {
namespace {

using Json = nlohmann::ordered_json;

struct KootaRow {
  const char* koota;
  const char* boy;
  const char* girl;
  const char* maximum;
  const char* points;
  const char* area;
};

void ExpectKootas(const Json& kootas, const KootaRow (&rows)[8]) {
  ASSERT_EQ(kootas.size(), 8u);
  for (std::size_t k = 0; k < 8; ++k) {
    SCOPED_TRACE(rows[k].koota);
    EXPECT_EQ(kootas[k]["Koota"], rows[k].koota);
    EXPECT_EQ(kootas[k]["BoyValue"], rows[k].boy);
    EXPECT_EQ(kootas[k]["GirlValue"], rows[k].girl);
    EXPECT_EQ(kootas[k]["Maximum"], rows[k].maximum);
    EXPECT_EQ(kootas[k]["Points"], rows[k].points);
    EXPECT_EQ(kootas[k]["AreaOfLife"], rows[k].area);
  }
}

TEST(VedicCli, FormAndProfileMatches) {
  const CliRun run = RunCli("vedic --json", Fixture("vedic_match.jsonl"));
  EXPECT_EQ(run.status, 0) << run.err;
  const auto lines = run.Lines();
  ASSERT_EQ(lines.size(), 2u);

  // Boy 15 August 1947 00:00, zone typed "-5" 30 east (the preset); girl 1 January 2000
  // 12:00 at Greenwich.
  const Json& form = lines[0];
  EXPECT_EQ(form["BoyDetails"]["Place"], "Delhi, Delhi, India");
  EXPECT_EQ(form["BoyDetails"]["Second"], 0);  // a missing list is its first entry
  EXPECT_EQ(form["GirlDetails"]["Hour"], 12);
  EXPECT_EQ(form["BoyMoon"]["UT"], -5.5);  // the zone's sign never counts
  EXPECT_EQ(form["BoyMoon"]["MoonSignName"], "Cancer (Kataka)");
  EXPECT_EQ(form["GirlMoon"]["NakshatraName"], "Swati");
  EXPECT_EQ(form["BoyRashi"], "Cancer");
  EXPECT_EQ(form["GirlRashi"], "Libra");
  EXPECT_EQ(form["BoyNakshatra"], "Pushya");
  EXPECT_EQ(form["GirlNakshatra"], "Swati");
  const KootaRow form_rows[8] = {
      {"Varna", "Brahmin", "Sudra", "1", "0", "Work"},
      {"Vasya", "Jala", "Nara", "2", "0", "Control"},
      {"Tara", "Pushya", "Swati", "3", "1.5", "Destiny"},
      {"Yoni", "Pushya", "Swati", "4", "1.5", "Mental Awareness"},
      {"Graha Maitri", "Cancer", "Libra", "5", "1", "Compatibility"},
      {"Gana", "Deva", "Deva", "6", "6", "Temperament"},
      {"Rashi", "Cancer", "Libra", "7", "0", "Love"},
      {"Nadi", "Pitha/Madhya", "Sleshma/Anthya", "8", "8", "Health"},
  };
  ExpectKootas(form["Kootas"], form_rows);
  EXPECT_EQ(form["TotalPoints"], "18");
  EXPECT_EQ(form["Verdict"], "This is a Fair Match");
  EXPECT_EQ(form["Summary"], "You Have Obtained 18 Points Out Of 36 Points");
  ASSERT_EQ(form["Grid"].size(), 44u);
  EXPECT_EQ(form["Grid"][0], "Brahmin");
  EXPECT_EQ(form["Grid"][13], "1.5");
  EXPECT_EQ(form["Grid"][24], "Compatibility");
  EXPECT_EQ(form["Grid"][40], "36");
  EXPECT_EQ(form["Grid"][41], "18");
  EXPECT_EQ(form["Grid"][42], "This is a Fair Match");
  EXPECT_EQ(form["Grid"][43], form["Summary"]);
  EXPECT_FALSE(form.contains("Report"));

  // A profile carries no persons: no details and no Moons.
  const Json& profile = lines[1];
  EXPECT_FALSE(profile.contains("BoyDetails"));
  EXPECT_FALSE(profile.contains("GirlMoon"));
  const KootaRow profile_rows[8] = {
      {"Varna", "Kshatriya", "Sudra", "1", "0", "Work"},
      {"Vasya", "Chatushpada", "Nara", "2", "0.5", "Control"},
      {"Tara", "Bharani", "Shatabhisha", "3", "1.5", "Destiny"},
      {"Yoni", "Bharani", "Shatabhisha", "4", "3.5", "Mental Awareness"},
      {"Graha Maitri", "Aries", "Gemini", "5", "1", "Compatibility"},
      {"Gana", "Manusha", "Rakshasa", "6", "2", "Temperament"},
      {"Rashi", "Aries", "Gemini", "7", "7", "Love"},
      {"Nadi", "Pitha/Madhya", "Vatha/Adi", "8", "8", "Health"},
  };
  ExpectKootas(profile["Kootas"], profile_rows);
  EXPECT_EQ(profile["TotalPoints"], "23.5");
  EXPECT_EQ(profile["Verdict"], "This is a Good Match");
  EXPECT_EQ(profile["Grid"][43], "You Have Obtained 23.5 Points Out Of 36 Points");
}

// Every vedic output names its tables and gives both totals as numbers; with
// --tables classical the koota rows, total, verdict and sentence come from the classical
// tables. Moola boy (Sagittarius) and Anuradha girl: 24.5 and 15.5.
TEST(VedicCli, BothTablesAndTheirTotals) {
  const std::string input = R"({"Profile": ["Sagittarius", "Scorpio", "Moola", "Anuradha"]})";
  const CliRun specified = RunCli("vedic --json", input);
  ASSERT_EQ(specified.status, 0) << specified.err;
  const Json s = specified.Lines().at(0);
  EXPECT_EQ(s["Tables"], "Specified");
  EXPECT_EQ(s["TotalPoints"], "24.5");
  EXPECT_TRUE(s["SpecifiedTotal"].is_number());
  EXPECT_EQ(s["SpecifiedTotal"].get<double>(), 24.5);
  EXPECT_EQ(s["ClassicalTotal"].get<double>(), 15.5);
  EXPECT_EQ(s["OtherTables"], "Classical tables: 15.5 \u2014 below 18");
  EXPECT_EQ(s["Kootas"][3]["BoyValue"], "Moola");  // the specified yoni reads nakshatras

  const CliRun classical = RunCli("vedic --json --tables classical", input);
  ASSERT_EQ(classical.status, 0) << classical.err;
  const Json c = classical.Lines().at(0);
  EXPECT_EQ(c["Tables"], "Classical");
  EXPECT_EQ(c["TotalPoints"], "15.5");
  EXPECT_EQ(c["Verdict"], "This is a Poor Match");
  EXPECT_EQ(c["Summary"], "You Have Obtained 15.5 Points Out Of 36 Points");
  EXPECT_EQ(c["SpecifiedTotal"], s["SpecifiedTotal"]);
  EXPECT_EQ(c["ClassicalTotal"], s["ClassicalTotal"]);
  const char* points[8] = {"0", "1", "1.5", "0", "5", "0", "0", "8"};
  for (std::size_t k = 0; k < 8; ++k) {
    EXPECT_EQ(c["Kootas"][k]["Points"], points[k]) << k;
  }
  EXPECT_EQ(c["Kootas"][3]["BoyValue"], "Dog");
  EXPECT_EQ(c["Kootas"][3]["GirlValue"], "Deer");
  EXPECT_EQ(c["Kootas"][1]["BoyValue"], "Manava");
  // A whole total is a whole JSON number.
  const Json leo =
      RunCli("vedic --json", R"({"Profile": ["Leo", "Leo", "Magha", "Magha"]})").Lines().at(0);
  EXPECT_TRUE(leo["SpecifiedTotal"].is_number_integer());
  EXPECT_EQ(leo["SpecifiedTotal"], 25);
  // Readable output gives the other set's total in words.
  const CliRun readable = RunCli("vedic", input);
  EXPECT_NE(readable.out.find("Classical tables: 15.5 \u2014 below 18"), std::string::npos)
      << readable.out;
  EXPECT_NE(RunCli("vedic --tables modern", input).status, 0);
}

// The tables a match is scored with, by input kind: --tables when given, else a couple
// file's own, else the specified ones; the total of the tables in use is the one given.
TEST(VedicCli, TablesOfEachInputKind) {
  const std::string matches = Fixture("vedic_match.jsonl");
  const std::string form = matches.substr(0, matches.find('\n'));
  const std::string records =
      R"({"Boy": {"Name": "A", "BirthDate": "1990-05-14", "BirthTime": "06:30", "Latitude": 28.6,
                  "Longitude": 77.2, "TimeZone": "Asia/Kolkata"},
          "Girl": {"Name": "B", "BirthDate": "1992-03-01", "BirthTime": "12:00", "Latitude": 18.5,
                   "Longitude": 73.9, "TimeZone": "Asia/Kolkata"}})";
  const std::string profile = R"({"Profile": ["Sagittarius", "Scorpio", "Moola", "Anuradha"]})";
  const std::string fixtures = LUMORA_CLI_FIXTURES;
  const std::string classical_file = "--input '" + fixtures + "/classical_couple.lumora'";
  const std::string zoned_file = "--input '" + fixtures + "/zoned_couple.lumora'";
  struct Case {
    const char* what;
    std::string options;
    std::string input;
    const char* tables;
  };
  const Case cases[] = {
      {"a form", "", form, "Specified"},
      {"a form, classical", "--tables classical", form, "Classical"},
      {"person records, classical", "--tables classical", records, "Classical"},
      {"person records", "", records, "Specified"},
      {"a profile, classical", "--tables classical", profile, "Classical"},
      {"a couple file kept with the classical tables", classical_file, "", "Classical"},
      {"the same, told otherwise", classical_file + " --tables specified", "", "Specified"},
      {"the same on standard input", "", FileBytes(fixtures + "/classical_couple.lumora"),
       "Classical"},
      {"a couple file from before the tables were kept", zoned_file, "", "Specified"},
      {"the same, told otherwise", zoned_file + " --tables classical", "", "Classical"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const CliRun run = RunCli("vedic --json " + c.options, c.input);
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    const Json out = run.Lines().at(0);
    EXPECT_EQ(out["Tables"], c.tables);
    EXPECT_EQ(out["Total"], out[std::string(c.tables) + "Total"]);
  }
}

// The zodiac of a couple file's match: the file's own ayanamsa and node unless --ayanamsa
// or --node names others; a file from before they were kept is matched as it was.
TEST(VedicCli, ZodiacOfACoupleFile) {
  const std::string fixtures = LUMORA_CLI_FIXTURES;
  const std::string lahiri = "--input '" + fixtures + "/lahiri_couple.lumora'";
  const std::string zoned = "--input '" + fixtures + "/zoned_couple.lumora'";
  struct Case {
    const char* what;
    std::string options;
    const char* ayanamsa;
    const char* node;
  };
  const Case cases[] = {
      {"kept with Lahiri and the true node", lahiri, "Lahiri", "True"},
      {"another ayanamsa asked for", lahiri + " --ayanamsa raman", "Raman", "True"},
      {"another node asked for", lahiri + " --node mean", "Lahiri", "Mean"},
      {"a file from before", zoned, "Standard", "Mean"},
      {"the same, told otherwise", zoned + " --ayanamsa TrueChitra", "TrueChitra", "Mean"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const CliRun run = RunCli("vedic --json --report " + c.options, "");
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    const Json out = run.Lines().at(0);
    for (const char* chart : {"BoyChart", "GirlChart"}) {
      EXPECT_EQ(out[chart]["Ayanamsa"]["Name"], c.ayanamsa);
      EXPECT_EQ(out[chart]["Node"], c.node);
    }
    // The report names a zodiac other than the standard one in each person's details.
    const std::string line = std::string("Ayanamsa: ") + c.ayanamsa + ", ";
    int named = 0;
    for (const Json& r : out["Report"]) {
      named += r["Text"].get<std::string>().rfind(line, 0) == 0 ? 1 : 0;
    }
    const bool standard = std::string(c.ayanamsa) == "Standard" && std::string(c.node) == "Mean";
    EXPECT_EQ(named, standard ? 0 : 2);
  }
}

TEST(VedicCli, ReportRuns) {
  const CliRun run = RunCli("vedic --json --report", Fixture("vedic_match.jsonl"));
  EXPECT_EQ(run.status, 0) << run.err;
  const auto lines = run.Lines();
  ASSERT_EQ(lines.size(), 2u);
  // A form match tells each person's four details and the coordinates and clock it read;
  // a profile match has none to tell and says so in one run a person.
  const std::size_t sizes[] = {82u, 74u};
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Json& line = lines[i];
    const Json& report = line["Report"];
    ASSERT_EQ(report.size(), sizes[i]);
    const std::size_t shift = 82u - sizes[i];
    for (const Json& r : report) {
      ASSERT_TRUE(r["Text"].is_string());
      ASSERT_TRUE(r["Bold"].is_boolean());
      const Json& color = r["Color"];
      ASSERT_TRUE(color.is_null() || (color.is_array() && color.size() == 3u)) << color;
      if (color.is_array()) {
        for (const Json& part : color) {
          EXPECT_TRUE(part.is_number_integer() && part >= 0 && part <= 255) << color;
        }
      }
    }
    EXPECT_EQ(report[0]["Text"], "Your Details:\r\n");
    EXPECT_TRUE(report[0]["Bold"]);
    EXPECT_EQ(report[12 - shift]["Color"], Json::array({0, 0, 255}));
    EXPECT_EQ(report[14 - shift]["Text"], "Koota tables: Specified\r\n");
    EXPECT_EQ(report[16 - shift]["Text"], "Guna: Varna Kuta\r\n");
    EXPECT_EQ(report[16 - shift]["Color"], Json::array({255, 0, 0}));
    EXPECT_EQ(report[sizes[i] - 1]["Bold"], false);
  }
  EXPECT_EQ(lines[0]["Report"][1]["Text"], "Name: Arjun\r\n");
  EXPECT_EQ(lines[0]["Report"][20]["Text"], "Arjun belongs to Brahmin Varna\r\n");
  EXPECT_EQ(lines[0]["Report"][20]["Color"], Json::array({0, 0, 128}));
  EXPECT_EQ(lines[1]["Report"][1]["Text"], "Birth details are not stored in profile files\r\n\r\n");
  EXPECT_EQ(lines[1]["Report"][4]["Text"], "You Have Obtained 23.5 Points Out Of 36 Points\r\n");
}

struct ErrorCase {
  std::size_t line;
  const char* message;  // nullptr: any text
  const char* icon;
  const char* focus;  // nullptr: no control
};

TEST(VedicCli, PreciseMoonIsUsedAndNamedInTheReport) {
  const CliRun run =
      RunCli("vedic --json --report --precise-moon --compare-moons", Fixture("vedic_match.jsonl"));
  EXPECT_EQ(run.status, 0) << run.err;
  int forms = 0;
  for (const Json& line : run.Lines()) {
    if (!line.contains("BoyMoon")) {
      continue;  // a profile match has no Moon of its own
    }
    ++forms;
    for (const char* person : {"BoyMoon", "GirlMoon"}) {
      EXPECT_EQ(line[person]["MoonModel"], "Precise") << person;
    }
    for (const char* person : {"BoyMoonComparison", "GirlMoonComparison"}) {
      ASSERT_TRUE(line.contains(person)) << person;
      EXPECT_EQ(line[person]["PreciseTropicalLongitude"],
                line[person == std::string("BoyMoonComparison") ? "BoyMoon" : "GirlMoon"]
                    ["TropicalLongitude"]);
    }
    // The chart's Moon is the precise ephemeris's: apparent (nutation, light time), within
    // half a minute of arc of the match's precise Moon.
    EXPECT_NEAR(line["BoyChart"]["Planets"]["Moon"].get<double>(),
                line["BoyMoon"]["SiderealLongitude"].get<double>(), 0.5 / 60.0);
    int named = 0;
    for (const Json& r : line["Report"]) {
      named += r["Text"] == "Moon: Precise Moon\r\n\r\n" ? 1 : 0;
    }
    EXPECT_EQ(named, 2);
  }
  EXPECT_GT(forms, 0);
}

TEST(VedicCli, RejectionsInPlace) {
  const CliRun run = RunCli("vedic --json", Fixture("vedic_rejections.jsonl"));
  EXPECT_EQ(run.status, 2);
  const auto lines = run.Lines();
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[0]["TotalPoints"], "25");  // two Leo Moons in Magha
  EXPECT_EQ(lines[0]["Verdict"], "This is a Very Good Match");
  const ErrorCase cases[] = {
      {1, "Please Check The File.", "error", nullptr},  // "Mula" is not a nakshatra name
      {2, "Please Check The File.", "error", nullptr},  // three values
      {3, "Please Enter Your Partner's Name", "error", "txtFName"},
      {4, nullptr, "error", "cboMMonth"},  // "Janvier" is not in the month list
      {5, "Please Enter Your Correct Date Or Month !", "information", nullptr},  // 31 April
      {6, "Please Select Direction For The Latitude", "error", "optMNorth"},
      {7, "Please Enter A Correct Latitude", "error", "txtMLD"},  // 91 degrees
      {8, "Please Enter Your Name", "error", "txtMName"},         // everything missing
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const Json& line = lines[c.line];
    ASSERT_TRUE(line.contains("Error")) << line;
    EXPECT_EQ(line.size(), 1u);
    const Json& error = line["Error"];
    if (c.message != nullptr) {
      EXPECT_EQ(error["Message"], c.message);
    } else {
      EXPECT_FALSE(error["Message"].get<std::string>().empty());
    }
    EXPECT_EQ(error["Icon"], c.icon);
    if (c.focus != nullptr) {
      EXPECT_EQ(error["Focus"], c.focus);
    } else {
      EXPECT_TRUE(error["Focus"].is_null());
    }
  }
}

TEST(VedicCli, UnreadableInputIsAUsageError) {
  for (const char* input : {"{\"Profile\": [", "[\"Leo\"]\n"}) {
    const CliRun run = RunCli("vedic --json", input);
    EXPECT_EQ(run.status, 1) << input;
    EXPECT_TRUE(run.out.empty()) << run.out;
    EXPECT_FALSE(run.err.empty());
  }
  const CliRun missing = RunCli("vedic --json --input /nonexistent/vedic.jsonl", "");
  EXPECT_EQ(missing.status, 1);
  EXPECT_TRUE(missing.out.empty());
}

// --lang names the readable output's labels and the field's names in the language, before
// or after the command; JSON stays English whatever the language.
struct ReadableCase {
  std::string arguments;
  std::vector<std::string> present;
  std::vector<std::string> absent;
};

TEST(VedicCli, ReadableOutputInEachLanguage) {
  const std::string input = R"({"Profile":["Taurus","Taurus","Krittika","Rohini"]})";
  const ReadableCase cases[] = {
      {"--lang hi vedic",
       {"कृत्तिका", "रोहिणी", "वृषभ", "कुल अंक", "वर की राशि"},
       {"Krittika", "Total points"}},
      {"vedic --lang ta",
       {"கார்த்திகை", "ரோகிணி", "ரிஷபம்", "மொத்தப் புள்ளிகள்"},
       {"Rohini", "Total points"}},
      {"vedic --lang en", {"Krittika", "Rohini", "Total points"}, {"कृत्तिका", "ரோகிணி"}},
  };
  for (const ReadableCase& c : cases) {
    SCOPED_TRACE(c.arguments);
    const CliRun run = RunCli(c.arguments, input);
    ASSERT_EQ(run.status, 0) << run.err;
    for (const std::string& word : c.present) {
      EXPECT_NE(run.out.find(word), std::string::npos) << word << "\n" << run.out;
    }
    for (const std::string& word : c.absent) {
      EXPECT_EQ(run.out.find(word), std::string::npos) << word;
    }
  }
  const std::string english = RunCli("vedic --json", Fixture("vedic_match.jsonl")).out;
  ASSERT_FALSE(english.empty());
  for (const char* code : {"hi", "ta"}) {
    EXPECT_EQ(
        RunCli(std::string("--lang ") + code + " vedic --json", Fixture("vedic_match.jsonl")).out,
        english)
        << code;
  }
  EXPECT_EQ(RunCli("--lang fr vedic", input).status, 1);

  // Without --lang the locale decides (LC_ALL first); --lang overrides it.
  const char* saved = std::getenv("LC_ALL");
  const std::string kept = saved != nullptr ? saved : "";
  setenv("LC_ALL", "ta_IN.UTF-8", 1);
  const CliRun tamil = RunCli("vedic", input);
  const CliRun chosen = RunCli("vedic --lang en", input);
  setenv("LC_ALL", "de_DE.UTF-8", 1);
  const CliRun unspoken = RunCli("vedic", input);
  if (saved != nullptr) {
    setenv("LC_ALL", kept.c_str(), 1);
  } else {
    unsetenv("LC_ALL");
  }
  EXPECT_NE(tamil.out.find("ரோகிணி"), std::string::npos) << tamil.out;
  EXPECT_NE(chosen.out.find("Rohini"), std::string::npos) << chosen.out;
  EXPECT_NE(unspoken.out.find("Rohini"), std::string::npos) << unspoken.out;
}

// A refused form is told in the reader's language in the readable output, its words and the
// month a date list names, and so is the Western score; the JSON keeps the English message
// that scripts compare.
TEST(VedicCli, RefusalsInEachLanguage) {
  struct LanguageCase {
    const char* code;
    const char* please;  // how the language asks
    const char* month;   // "August" of vedic_match.jsonl
    const char* power;   // the Western score's labels and comment
    const char* comment;
  };
  const LanguageCase cases[] = {{"hi", "कृपया", "अगस्त", "शक्ति", "बहुत खराब"},
                                {"ta", "தயவுசெய்து", "ஆகஸ்ட்", "வலிமை", "மிக மோசம்"}};
  for (const LanguageCase& c : cases) {
    SCOPED_TRACE(c.code);
    const std::string lang = std::string("--lang ") + c.code + " ";
    for (const char* command : {"vedic", "western"}) {
      const CliRun run =
          RunCli(lang + command, Fixture(std::string(command) == "vedic" ? "vedic_rejections.jsonl"
                                                                         : "western_forms.jsonl"));
      EXPECT_EQ(run.status, 2) << run.err;
      EXPECT_NE(run.out.find(c.please), std::string::npos) << run.out;
      EXPECT_EQ(run.out.find("Please"), std::string::npos) << command << "\n" << run.out;
    }
    const CliRun json = RunCli(lang + "vedic --json", Fixture("vedic_rejections.jsonl"));
    EXPECT_NE(json.out.find("Please Enter Your Name"), std::string::npos);
    EXPECT_NE(RunCli(lang + "vedic", Fixture("vedic_match.jsonl")).out.find(c.month),
              std::string::npos);
    const std::string western = RunCli(lang + "western", Fixture("western_valid.json")).out;
    for (const char* word : {c.power, c.comment}) {
      EXPECT_NE(western.find(word), std::string::npos) << word << "\n" << western;
    }
    for (const char* english : {"Power", "Very Bad", "Uranus", "Positions"}) {
      EXPECT_EQ(western.find(english), std::string::npos) << english << "\n" << western;
    }
  }
}

}  // namespace
}  // namespace lumora::testing
