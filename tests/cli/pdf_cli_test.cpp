// SPDX-License-Identifier: MIT
// lumora-cli --pdf and couple files: the PDF's own text, pages and title, one input
// only, failed saves that keep the earlier file, couple files read as forms.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "cli_runner.h"

namespace lumora::testing {
namespace {

namespace fs = std::filesystem;

std::string Command(const std::string& command) {
  std::string out;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    std::size_t n = 0;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) {
      out.append(buffer, n);
    }
    pclose(pipe);
  }
  return out;
}

std::string PdfText(const fs::path& pdf) {
  return Command("pdftotext -layout '" + pdf.string() + "' - 2>/dev/null");
}

std::string PdfInfo(const fs::path& pdf, const std::string& key) {
  std::istringstream info(Command("pdfinfo '" + pdf.string() + "' 2>/dev/null"));
  std::string line;
  while (std::getline(info, line)) {
    if (line.rfind(key + ":", 0) == 0) {
      const std::size_t at = line.find_first_not_of(' ', key.size() + 1);
      return at == std::string::npos ? "" : line.substr(at);
    }
  }
  return "";
}

std::string FirstLine(const std::string& fixture) {
  std::istringstream lines(Fixture(fixture));
  std::string line;
  std::getline(lines, line);
  return line;
}

// How full each page of a PDF is: the depth its content reaches below the page's first
// line, as a share of the deepest any page reaches. Each page is drawn in grey at a low
// resolution; from the foot up, the page number's line and the white above it are
// passed over, and the next ink is where the content ends.
std::vector<double> PageFills(const fs::path& pdf, const fs::path& scratch) {
  constexpr int kDotsPerInch = 30;
  constexpr unsigned char kInk = 200;  // darker than this is drawn on
  Command("pdftoppm -gray -r " + std::to_string(kDotsPerInch) + " '" + pdf.string() + "' '" +
          (scratch / "fill").string() + "'");
  struct Span {
    int top;
    int bottom;
  };
  std::vector<Span> spans;
  std::vector<fs::path> pages;
  for (const auto& entry : fs::directory_iterator(scratch)) {
    if (entry.path().filename().string().starts_with("fill-")) {
      pages.push_back(entry.path());
    }
  }
  std::sort(pages.begin(), pages.end());
  for (const fs::path& page : pages) {
    std::ifstream in(page, std::ios::binary);
    std::string magic;
    int width = 0;
    int height = 0;
    int depth = 0;
    in >> magic >> width >> height >> depth;
    in.get();
    std::vector<unsigned char> grey(static_cast<std::size_t>(width) * height);
    in.read(reinterpret_cast<char*>(grey.data()), static_cast<std::streamsize>(grey.size()));
    const auto inked = [&](int row) {
      const auto begin = grey.begin() + static_cast<std::ptrdiff_t>(row) * width;
      return std::any_of(begin, begin + width, [](unsigned char g) { return g < kInk; });
    };
    int row = height - 1;
    while (row >= 0 && !inked(row))
      --row;  // the margin below the page number
    while (row >= 0 && inked(row))
      --row;  // the page number's line
    while (row >= 0 && !inked(row))
      --row;  // the white above it
    int top = 0;
    while (top < row && !inked(top))
      ++top;
    spans.push_back({top, row});
  }
  int deepest = 1;
  for (const Span& span : spans) {
    deepest = std::max(deepest, span.bottom - span.top);
  }
  std::vector<double> fills;
  for (const Span& span : spans) {
    fills.push_back(std::max(0, span.bottom - span.top) / static_cast<double>(deepest));
  }
  return fills;
}

// A test may take the write permission from its folder; it is given back before removal.
class PdfCli : public ScratchFolder {
 protected:
  void TearDown() override {
    fs::permissions(dir_, fs::perms::owner_all);
    ScratchFolder::TearDown();
  }
};

TEST_F(PdfCli, VedicMatchDocumentHoldsTheTable) {
  const fs::path pdf = dir_ / "match.pdf";
  const CliRun run =
      RunCli("vedic --json --pdf '" + pdf.string() + "'", FirstLine("vedic_match.jsonl"));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  ASSERT_EQ(run.Lines().size(), 1u);
  const std::string text = PdfText(pdf);
  // Rows of the Guna Milan table as the window shows them, the total and the verdict.
  for (const char* row :
       {"VARNA", "Brahmin", "Sudra", "NADI", "Pitha/Madhya", "Sleshma/Anthya", "TOTAL",
        "This is a Fair Match", "You Have Obtained 18 Points Out Of 36 Points", "Arjun", "Bela",
        "August 15, 1947", "London, England, United Kingdom", "Page 1 of", "Porutham",
        "Papasamyam"}) {
    EXPECT_NE(text.find(row), std::string::npos) << row;
  }
  EXPECT_EQ(text.find("Rashi Information of"), std::string::npos);
  EXPECT_EQ(PdfInfo(pdf, "Title"), "Kundali Match: Arjun and Bela");
  const int pages = std::stoi(PdfInfo(pdf, "Pages"));
  // The kootas, the poruthams with Papasamyam, the charts and doshas, and the timing section
  // (two timelines, the running periods, both persons' mahadashas, Saturn's transits): a
  // handful of pages, not a page per paragraph.
  EXPECT_GE(pages, 2);
  EXPECT_LE(pages, 10);
  // Fonts are embedded: no font line of pdffonts says "no" in its emb column.
  const std::string fonts = Command("pdffonts '" + pdf.string() + "'");
  EXPECT_NE(fonts.find("yes"), std::string::npos) << fonts;

  // With the catalogues, four more pages at least.
  const fs::path full = dir_ / "full.pdf";
  ASSERT_EQ(RunCli("vedic --with-catalogues --pdf '" + full.string() + "'",
                   FirstLine("vedic_match.jsonl"))
                .status,
            0);
  const std::string full_text = PdfText(full);
  EXPECT_NE(full_text.find("Nakshatra Information of Bela"), std::string::npos);
  // The catalogues run to three pages and more after the reading's.
  EXPECT_GE(std::stoi(PdfInfo(full, "Pages")), pages + 3);
}

// The full document, every section and catalogue with the timing: sections open new pages
// only below a full enough page, and a heading at a page's foot goes over with its text,
// so no page but the last stands nearly empty.
TEST_F(PdfCli, NoPageOfTheFullMatchIsNearlyEmpty) {
  constexpr double kLeastFill = 0.25;
  const fs::path full = dir_ / "full.pdf";
  ASSERT_EQ(RunCli("vedic --with-catalogues --dasha --pdf '" + full.string() + "'",
                   FirstLine("vedic_match.jsonl"))
                .status,
            0);
  const fs::path pictures = dir_ / "pages";
  fs::create_directory(pictures);
  const std::vector<double> fills = PageFills(full, pictures);
  ASSERT_EQ(fills.size(), static_cast<std::size_t>(std::stoi(PdfInfo(full, "Pages"))));
  ASSERT_GE(fills.size(), 8u);
  for (std::size_t page = 0; page + 1 < fills.size(); ++page) {
    EXPECT_GE(fills[page], kLeastFill) << "page " << page + 1 << " of " << fills.size();
  }
  // Each catalogue's heading stands above its first lines, on the same page.
  const struct {
    const char* heading;
    const char* first_lines;
  } catalogues[] = {
      {"Rashi Information of Arjun", "Vedic Name"},
      {"Rashi Information of Bela", "Vedic Name"},
      {"Nakshatra Information of Arjun", "Ruling Deva"},
      {"Nakshatra Information of Bela", "Ruling Deva"},
  };
  for (const auto& [heading, first_lines] : catalogues) {
    bool found = false;
    for (std::size_t page = 1; page <= fills.size() && !found; ++page) {
      const std::string text = Command("pdftotext -layout -f " + std::to_string(page) + " -l " +
                                       std::to_string(page) + " '" + full.string() + "' -");
      const std::size_t at = text.find(heading);
      if (at != std::string::npos) {
        found = true;
        EXPECT_NE(text.find(first_lines, at), std::string::npos) << heading << "\n" << text;
      }
    }
    EXPECT_TRUE(found) << heading;
  }
}

// Both charts are drawn in the document as vector text and lines: their house texts
// are the PDF's own text, after the interpretation, before the section's tables.
TEST_F(PdfCli, VedicMatchDocumentDrawsBothCharts) {
  const fs::path pdf = dir_ / "charts.pdf";
  const CliRun run =
      RunCli("vedic --json --pdf '" + pdf.string() + "'", FirstLine("vedic_match.jsonl"));
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string text = PdfText(pdf);
  const std::size_t pictures = text.find("Rasi Charts");
  ASSERT_NE(pictures, std::string::npos);
  const std::size_t words = text.find("Birth-Time Windows", pictures);
  ASSERT_NE(words, std::string::npos);
  const std::string drawn = text.substr(pictures, words - pictures);
  // Every body of both charts, as the chart writes it: two letters, the retrograde mark
  // where it moves backwards, and its degrees.
  for (const char* body : {"La", "Su", "Mo", "Ma", "Me", "Ju", "Ve", "Sa", "Ra", "Ke"}) {
    const std::regex written(std::string("\\b") + body + "(\\(R\\))? [0-9]+\u00b0[0-9]{2}'");
    const auto count = std::distance(std::sregex_iterator(drawn.begin(), drawn.end(), written),
                                     std::sregex_iterator());
    EXPECT_EQ(count, 2) << body << "\n" << drawn;
  }
  // The North Indian style writes the twelve sign numbers in each chart.
  for (const char* sign : {" 1 ", " 7 ", " 12"}) {
    EXPECT_NE(drawn.find(sign), std::string::npos) << sign;
  }
  EXPECT_NE(drawn.find("Arjun"), std::string::npos);
  EXPECT_NE(drawn.find("Bela"), std::string::npos);
  // The Navamsa charts follow, then each person's planet table under the zodiac's name.
  const std::size_t navamsa = drawn.find("Navamsa Charts");
  ASSERT_NE(navamsa, std::string::npos) << drawn;
  EXPECT_NE(drawn.find("Ayanamsa: Standard, ", navamsa), std::string::npos) << drawn;
  EXPECT_NE(drawn.find("Nakshatra", navamsa), std::string::npos) << drawn;
  // The timing section follows the charts: the two timelines' captions, the running
  // periods, the Sandhis and Saturn's transits.
  const std::size_t timing = text.find("Timing: Vimshottari Dashas And Sade Sati", words);
  ASSERT_NE(timing, std::string::npos);
  for (const char* part : {"Running today", "Dasha Sandhi", "Arjun's mahadashas: Moon in",
                           "Bela's mahadashas: Moon in", "Sade Sati and Ashtama Shani"}) {
    EXPECT_NE(text.find(part, timing), std::string::npos) << part;
  }
  // A match from a profile file has no charts to draw.
  const fs::path profile = dir_ / "profile.pdf";
  ASSERT_EQ(RunCli("vedic --pdf '" + profile.string() + "'",
                   R"({"Profile": ["Leo", "Leo", "Magha", "Magha"]})")
                .status,
            0);
  EXPECT_EQ(PdfText(profile).find("Rasi Charts"), std::string::npos);
  EXPECT_EQ(PdfText(profile).find("Vimshottari"), std::string::npos);
}

TEST_F(PdfCli, ProfileAndWesternDocuments) {
  const fs::path profile = dir_ / "profile.pdf";
  ASSERT_EQ(RunCli("vedic --pdf '" + profile.string() + "'",
                   R"({"Profile": ["Leo", "Leo", "Magha", "Magha"]})")
                .status,
            0);
  EXPECT_NE(PdfText(profile).find("Birth details are not stored in profile files"),
            std::string::npos);

  const fs::path western = dir_ / "western.pdf";
  const CliRun run =
      RunCli("western --json --pdf '" + western.string() + "'", Fixture("western_valid.json"));
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = run.Lines();
  const std::string text = PdfText(western);
  EXPECT_NE(text.find("Natal Position Data:"), std::string::npos);
  EXPECT_NE(text.find(lines[0]["MalePositions"][1].get<std::string>()), std::string::npos);
  EXPECT_NE(text.find(lines[0]["WesternScore"]["Comment"].get<std::string>()), std::string::npos);
  EXPECT_EQ(PdfInfo(western, "Title"), "Western Compatibility: Arun and Mira");
}

TEST_F(PdfCli, PdfTakesExactlyOneInput) {
  const fs::path pdf = dir_ / "two.pdf";
  for (const char* command : {"vedic", "western"}) {
    const std::string input = std::string(command) == "vedic" ? Fixture("vedic_match.jsonl")
                                                              : Fixture("western_forms.jsonl");
    const CliRun run = RunCli(std::string(command) + " --pdf '" + pdf.string() + "'", input);
    EXPECT_EQ(run.status, 1) << command;
    EXPECT_EQ(run.out, "") << command;
    EXPECT_NE(run.err.find("exactly one input"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(pdf));
  }
  // A rejected input writes no document.
  const CliRun rejected = RunCli("vedic --json --pdf '" + pdf.string() + "'", "{}");
  EXPECT_EQ(rejected.status, 2);
  EXPECT_FALSE(fs::exists(pdf));
}

TEST_F(PdfCli, FailedSaveKeepsTheEarlierFile) {
  const fs::path folder = dir_ / "locked";
  fs::create_directories(folder);
  const fs::path pdf = folder / "match.pdf";
  {
    std::ofstream earlier(pdf);
    earlier << "earlier";
  }
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                              fs::perms::group_exec | fs::perms::others_read |
                              fs::perms::others_exec);
  fs::permissions(dir_, fs::perms::all);
  // The superuser writes into any folder: run as nobody there, so the folder's
  // permissions count.
  const CliRun run =
      RunCli("vedic --json --pdf '" + pdf.string() + "'", FirstLine("vedic_match.jsonl"), true);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("could not be saved"), std::string::npos) << run.err;
  std::ifstream kept(pdf);
  std::string content;
  std::getline(kept, content);
  EXPECT_EQ(content, "earlier");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(PdfCli, CoupleFilesAreFormInput) {
  const std::string form = FirstLine("vedic_match.jsonl");
  const CliRun direct = RunCli("vedic --json", form);
  ASSERT_EQ(direct.status, 0);

  // A couple file as the window writes it.
  const fs::path couple = dir_ / "Arjun and Bela.lumora";
  {
    std::ofstream file(couple);
    file << R"({
  "Format": "lumora-couple",
  "Version": 1,
  "Boy": {"Name": "Arjun", "Day": "15", "Month": "August", "Year": "1947", "Hour": "0",
          "Minute": "0", "Second": "0", "City": "Delhi", "State": "Delhi", "Country": "India",
          "LatDeg": "28", "LatMin": "36", "LongDeg": "77", "LongMin": "12", "ZoneHour": "-5",
          "ZoneMinute": "30", "North": true, "South": false, "East": true, "West": false,
          "DST": false},
  "Girl": {"Name": "Bela", "Day": "1", "Month": "January", "Year": "2000", "Hour": "12",
           "Minute": "0", "Second": "0", "City": "London", "State": "England",
           "Country": "United Kingdom", "LatDeg": "51", "LatMin": "30", "LongDeg": "0",
           "LongMin": "0", "ZoneHour": "0", "ZoneMinute": "0", "North": true, "South": false,
           "East": false, "West": true, "DST": false}
})";
  }
  const CliRun run = RunCli("vedic --json --input '" + couple.string() + "'", "");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(run.Lines()[0]["Grid"], direct.Lines()[0]["Grid"]);
  EXPECT_EQ(run.Lines()[0]["BoyMoon"], direct.Lines()[0]["BoyMoon"]);

  // A couple file with zones: each person's clock comes from the zone and the reading
  // of the repeated hour, as with the zone ids of form input.
  const CliRun zoned_direct = RunCli("vedic --json", FirstLine("zone_forms.jsonl"));
  ASSERT_EQ(zoned_direct.status, 0) << zoned_direct.out;
  const fs::path zoned = fs::path(LUMORA_CLI_FIXTURES) / "zoned_couple.lumora";
  const CliRun zoned_run = RunCli("vedic --json --input '" + zoned.string() + "'", "");
  ASSERT_EQ(zoned_run.status, 0) << zoned_run.out << zoned_run.err;
  for (const char* key : {"BoyMoon", "GirlMoon", "Grid"}) {
    EXPECT_EQ(zoned_run.Lines()[0][key], zoned_direct.Lines()[0][key]) << key;
  }
  EXPECT_EQ(zoned_run.Lines()[0]["GirlMoon"]["Abbreviation"], "EST");

  // A damaged couple file is a rejected input with the window's message.
  const fs::path newer = dir_ / "newer.lumora";
  {
    std::ofstream file(newer);
    file << R"({"Format": "lumora-couple", "Version": 9, "Boy": {}, "Girl": {}})";
  }
  const CliRun refused = RunCli("vedic --json --input '" + newer.string() + "'", "");
  EXPECT_EQ(refused.status, 2);
  const std::string message = refused.Lines()[0]["Error"]["Message"];
  EXPECT_NE(message.find("newer version"), std::string::npos) << message;
  const fs::path foreign = dir_ / "foreign.lumora";
  {
    std::ofstream file(foreign);
    file << "Leo\r\nLeo\r\n";
  }
  const CliRun not_couple = RunCli("vedic --json --input '" + foreign.string() + "'", "");
  EXPECT_EQ(not_couple.status, 2);
  EXPECT_NE(not_couple.out.find("This is not a Lumora couple file."), std::string::npos);
}

// A document in Hindi or Tamil: its title in the script, the fonts that shape the script
// embedded beside DejaVu Sans, no English heading left, and its words read back whole:
// conjuncts (त्त, ह्म), vowel signs drawn before their consonant (ि, ெ) and the Tamil
// letters with their vowel joined (ணி, கி) are glyphs of their own that only the words
// marked on each run give back.
struct LanguageCase {
  const char* code;
  const char* font;
  const char* title;
  std::vector<const char*> words;        // of the profile's page
  std::vector<const char*> match_words;  // of the Delhi and London couple's pages
  const char* western_title;
  std::vector<const char*> western_words;  // of the Western report and its synastry
};

TEST_F(PdfCli, DocumentsInHindiAndTamil) {
  const LanguageCase cases[] = {
      {"hi",
       "NotoSansDevanagari",
       "कुंडली मिलान: वर और कन्या",
       {"कृत्तिका", "रोहिणी", "कन्या", "जन्म विवरण", "गुण मिलान", "प्राप्त अंक"},
       {"पुष्य", "स्वाति", "ब्राह्मण", "मांगलिक", "विंशोत्तरी"},
       "पाश्चात्य अनुकूलता: Arun और Mira",
       {"स्त्री", "प्रतिशत", "बहुत खराब", "संयुक्त", "मध्याकाश"}},
      {"ta",
       "NotoSansTamil",
       "ஜாதகப் பொருத்தம்: மணமகன் – மணமகள்",
       {"கார்த்திகை", "ரோகிணி", "ஜாதகப் பொருத்தம்", "பிறப்பு விவரங்கள்", "நட்சத்திரம்"},
       {"பூசம்", "சுவாதி", "செவ்வாய்", "கேது"},
       "மேற்கத்திய பொருத்தம்: Arun – Mira",
       {"பெண்", "சதவீதம்", "மிக மோசம்", "கூட்டு", "நடுவானம்"}},
  };
  const std::string input = R"({"Profile":["Taurus","Taurus","Krittika","Rohini"]})";
  for (const LanguageCase& c : cases) {
    SCOPED_TRACE(c.code);
    const fs::path pdf = dir_ / (std::string(c.code) + ".pdf");
    const CliRun run = RunCli(
        std::string("vedic --json --lang ") + c.code + " --pdf '" + pdf.string() + "'", input);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(PdfInfo(pdf, "Title"), c.title);
    const std::string fonts = Command("pdffonts '" + pdf.string() + "'");
    EXPECT_NE(fonts.find(c.font), std::string::npos) << fonts;
    const std::string text = PdfText(pdf);
    for (const char* english : {"Birth Details", "Guna Milan", "Interpretation", "TOTAL"}) {
      EXPECT_EQ(text.find(english), std::string::npos) << english;
    }
    // The digits stay 0-9: the maximum of the table.
    EXPECT_NE(text.find("36"), std::string::npos);
    for (const char* word : c.words) {
      EXPECT_NE(text.find(word), std::string::npos) << word << "\n" << text;
    }
    const fs::path match = dir_ / (std::string(c.code) + "-match.pdf");
    const CliRun couple =
        RunCli(std::string("vedic --json --lang ") + c.code + " --pdf '" + match.string() + "'",
               FirstLine("vedic_match.jsonl"));
    ASSERT_EQ(couple.status, 0) << couple.err;
    const std::string match_text = PdfText(match);
    for (const char* word : c.match_words) {
      EXPECT_NE(match_text.find(word), std::string::npos) << word;
    }
    const fs::path western = dir_ / (std::string(c.code) + "-western.pdf");
    const CliRun report = RunCli(std::string("western --json --synastry --lang ") + c.code +
                                     " --pdf '" + western.string() + "'",
                                 Fixture("western_valid.json"));
    ASSERT_EQ(report.status, 0) << report.err;
    EXPECT_EQ(PdfInfo(western, "Title"), c.western_title);
    const std::string western_text = PdfText(western);
    for (const char* word : c.western_words) {
      EXPECT_NE(western_text.find(word), std::string::npos) << word;
    }
    for (const char* english : {"Natal Position Data", "Percentage", "House overlays"}) {
      EXPECT_EQ(western_text.find(english), std::string::npos) << english;
    }
  }
  // An English document reads back as it always has.
  const fs::path english = dir_ / "en.pdf";
  ASSERT_EQ(RunCli("vedic --json --pdf '" + english.string() + "'", input).status, 0);
  EXPECT_NE(PdfText(english).find("Krittika"), std::string::npos);
}

}  // namespace
}  // namespace lumora::testing
