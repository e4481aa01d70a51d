// SPDX-License-Identifier: MIT
// The program's own texts: no address of the documentation domains (example.com and its
// kin) is left in anything the program shows, prints or installs as help, and every
// credit line names the program, its version and its licence as the About box does.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/glossary/phrases.h"
#include "core/glossary/western_phrases.h"
#include "core/program.h"
#include "core/vedic/match/match.h"
#include "core/vedic/result/export_document.h"
#include "core/vedic/result/nakshatra_catalogue.h"
#include "core/vedic/result/rashi_catalogue.h"
#include "core/western/western_document.h"

namespace lumora {
namespace {

// The folders whose files make up the program's texts: its sources (window, report and
// document texts), its help page and its translations. The place data is names only.
constexpr std::string_view kTextFolders[] = {"src", "resources/help", "resources/app",
                                             "translations"};

// RFC 2606 reserves these second-level names for documentation; none is a real address.
const std::regex kExampleAddress(R"(example\.(com|org|net|edu)\b)", std::regex::icase);

TEST(ProgramTexts, NoExampleAddressRemains) {
  const std::filesystem::path root = LUMORA_SOURCE_DIR;
  std::size_t files = 0;
  for (const std::string_view folder : kTextFolders) {
    const std::filesystem::path path = root / folder;
    if (!std::filesystem::exists(path)) {
      continue;
    }
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path)) {
      if (!entry.is_regular_file()) {
        continue;
      }
      std::ifstream in(entry.path(), std::ios::binary);
      std::ostringstream text;
      text << in.rdbuf();
      const std::string bytes = text.str();
      ++files;
      std::smatch found;
      EXPECT_FALSE(std::regex_search(bytes, found, kExampleAddress))
          << entry.path() << " holds the example address \"" << found.str() << "\"";
    }
  }
  EXPECT_GT(files, 100u);  // the walk really read the sources
}

TEST(ProgramTexts, CreditsAgreeWithTheAboutBox) {
  struct Credit {
    std::string where;
    std::string text;
    bool states_licence;
  };
  std::vector<Credit> credits = {
      {"closing heading", kClosingHeading, false},
      {"closing paragraph", kClosingParagraph, true},
  };
  // Every language's documents end with the program's name and version.
  for (const LanguageName& language : kLanguages) {
    const Phrases& words = PhrasesOf(language.Which);
    const std::string code(language.Code);
    credits.push_back({code + " credit line", Fill(words.CreditLine, {kProgramTitle}), false});
    credits.push_back({code + " closing paragraph", std::string(words.ClosingParagraph),
                       language.Which == Language::English});
    credits.push_back({code + " about heading", std::string(words.AboutProgram), false});
    credits.push_back({code + " Western report's credit line",
                       Fill(WesternPhrasesOf(language.Which).CreditLine, {kProgramTitle}), false});
  }
  for (const auto& credit : credits) {
    EXPECT_NE(credit.text.find(kProgramTitle), std::string_view::npos) << credit.where;
    EXPECT_EQ(credit.text.find("All rights reserved"), std::string_view::npos) << credit.where;
    EXPECT_EQ(credit.text.find("v1.0"), std::string_view::npos) << credit.where;
    if (credit.states_licence) {
      EXPECT_NE(credit.text.find(kProgramLicence), std::string_view::npos) << credit.where;
    }
  }
}

// The catalogues keep their historical field names ("RullingPlanet") as keys of files and
// JSON, but what a window or report shows is spelt right.
TEST(ProgramTexts, ShownCataloguesAreSpeltRight) {
  std::vector<std::string_view> shown;
  for (const RashiField& field : kRashiFields) {
    shown.push_back(field.Label);
  }
  for (const NakshatraField& field : kNakshatraFields) {
    shown.push_back(field.Label);
  }
  for (const auto* fields : {&RashiHeaderFields(), &NakshatraHeaderFields()}) {
    for (const CataloguePageField& field : *fields) {
      shown.push_back(field.Caption);
    }
  }
  for (const auto* pages : {&RashiPages(), &NakshatraPages()}) {
    for (const CataloguePage& page : *pages) {
      shown.push_back(page.Caption);
      for (const CataloguePageField& field : page.Fields) {
        shown.push_back(field.Caption);
      }
    }
  }
  EXPECT_GT(shown.size(), 60u);
  for (const std::string_view text : shown) {
    EXPECT_EQ(text.find("Rulling"), std::string_view::npos) << text;
    EXPECT_EQ(text.find("Logitude"), std::string_view::npos) << text;
  }
  EXPECT_EQ(kRashiFields[2].Name, "RullingPlanet");  // the key stays
}

}  // namespace
}  // namespace lumora
