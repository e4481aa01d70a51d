// SPDX-License-Identifier: MIT
// The koota significance texts, checked against what they must say rather than copied:
// each is about its own koota, whole, and its lists of nakshatras and signs are those the
// koota tables score.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/ephemeris/zodiac.h"
#include "core/vedic/match/classical_tables.h"
#include "core/vedic/match/koota_scoring.h"
#include "core/vedic/match/koota_texts.h"

namespace lumora {
namespace {

std::size_t Count(std::string_view text, std::string_view part) {
  std::size_t count = 0;
  for (auto at = text.find(part); at != std::string_view::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

// Each text is about its own koota: it names that koota more often than any other, so a
// text moved to another koota's place, or two swapped, shows. A koota is named by the
// word the report uses ("Maitri" for Graha Maitri) or by its other classical name: the
// Rashi koota is also Bhakoot, the Tara koota Dina.
TEST(KootaSignificance, EachTextIsAboutItsOwnKoota) {
  constexpr std::array<std::string_view, kKootaCount> kOtherNames = {"", "", "Dina",    "",
                                                                     "", "", "Bhakoot", ""};
  const auto mentions = [&kOtherNames](std::string_view text, int koota) {
    const std::string_view other = kOtherNames[static_cast<std::size_t>(koota)];
    return Count(text, kKootas[static_cast<std::size_t>(koota)].Word) +
           (other.empty() ? 0 : Count(text, other));
  };
  for (int k = 0; k < kKootaCount; ++k) {
    const std::string_view text = kKootaSignificance[static_cast<std::size_t>(k)];
    SCOPED_TRACE(kKootas[static_cast<std::size_t>(k)].Koota);
    const std::size_t own = mentions(text, k);
    EXPECT_GT(own, 0u);
    for (int other = 0; other < kKootaCount; ++other) {
      if (other != k) {
        EXPECT_GT(own, mentions(text, other)) << kKootas[static_cast<std::size_t>(other)].Koota;
      }
    }
  }
}

// Whole prose: every text opens with a capital and closes with a full stop, so that a text
// cut short or run into the next shows; lines end in CR LF pairs only, with at most one
// blank line between paragraphs and none at either end.
TEST(KootaSignificance, WholeParagraphsWithWindowsLineEnds) {
  std::set<std::string_view> seen;
  for (int k = 0; k < kKootaCount; ++k) {
    const std::string_view text = kKootaSignificance[static_cast<std::size_t>(k)];
    SCOPED_TRACE(kKootas[static_cast<std::size_t>(k)].Koota);
    ASSERT_GT(text.size(), 500u);  // each is several sentences long
    EXPECT_TRUE(seen.insert(text).second) << "the same text as another koota's";
    EXPECT_TRUE(text.front() >= 'A' && text.front() <= 'Z') << text.substr(0, 20);
    EXPECT_EQ(text.back(), '.') << text.substr(text.size() - 20);
    const std::size_t line_ends = Count(text, "\r\n");
    EXPECT_EQ(Count(text, "\r"), line_ends) << "a CR without its LF";
    EXPECT_EQ(Count(text, "\n"), line_ends) << "an LF without its CR";
    EXPECT_EQ(Count(text, "\r\n\r\n\r\n"), 0u);
    EXPECT_EQ(Count(text, " \r\n"), 0u) << "a space before a line end";
    EXPECT_EQ(Count(text, "  "), 0u) << "two spaces";
  }
}

TEST(KootaSignificance, PlainAscii) {
  // Straight quotes only, so a length in characters is a length in bytes.
  for (std::string_view text : kKootaSignificance) {
    for (char c : text) {
      const auto code = static_cast<unsigned char>(c);
      EXPECT_TRUE((code >= 32 && code <= 126) || c == '\r' || c == '\n') << int(code);
    }
  }
}

// The line of a text that begins with a label, up to its full stop.
std::string_view LineOf(std::string_view text, std::string_view label) {
  const std::size_t from = text.find(label);
  if (from == std::string_view::npos) {
    return {};
  }
  return text.substr(from, text.find('.', from) - from);
}

// The Nadi text lists the nakshatras of each nadi in its own spellings; the lists are
// those the koota tables score, every nakshatra in one of them.
TEST(KootaSignificance, NadiListsAgreeWithTheTables) {
  const std::map<std::string, int> kSpellings = {{"Asvinni", 0},
                                                 {"Bharani", 1},
                                                 {"Krittika", 2},
                                                 {"Rohini", 3},
                                                 {"Mrigashira", 4},
                                                 {"Ardra", 5},
                                                 {"Punurvasu", 6},
                                                 {"Pushyami", 7},
                                                 {"Aslesha", 8},
                                                 {"Magha", 9},
                                                 {"Purva Phalguni", 10},
                                                 {"Uttara Phalguni", 11},
                                                 {"Hasta", 12},
                                                 {"Chitra", 13},
                                                 {"Svati", 14},
                                                 {"Vishakha", 15},
                                                 {"Anuradha", 16},
                                                 {"Jyeshtha", 17},
                                                 {"Mula", 18},
                                                 {"Purva Ashada", 19},
                                                 {"Uttara Ashada", 20},
                                                 {"Sravana", 21},
                                                 {"Dhanishta", 22},
                                                 {"Shatabisha", 23},
                                                 {"Purva Bhadra Pada", 24},
                                                 {"Uttara Bhadra Pada", 25},
                                                 {"Revati", 26}};
  struct Case {
    std::string_view label;
    Nadi nadi;
  };
  constexpr Case kCases[] = {
      {"Vatha - ", Nadi::Adi}, {"Pittha - ", Nadi::Madhya}, {"Kapha - ", Nadi::Antya}};
  const std::string_view text = kKootaSignificance[static_cast<std::size_t>(Koota::Nadi)];
  std::set<int> named;
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.label);
    const std::string_view line = LineOf(text, c.label);
    ASSERT_FALSE(line.empty());
    // "A, B, ... and C": every name, separated by commas or the last "and".
    std::string list(line.substr(c.label.size()));
    for (std::size_t at = list.find(" and "); at != std::string::npos; at = list.find(" and ")) {
      list.replace(at, 5, ", ");
    }
    std::set<int> listed;
    for (std::size_t from = 0; from <= list.size();) {
      const std::size_t comma = std::min(list.find(", ", from), list.size());
      const std::string name = list.substr(from, comma - from);
      const auto found = kSpellings.find(name);
      ASSERT_NE(found, kSpellings.end()) << name;
      listed.insert(found->second);
      EXPECT_TRUE(named.insert(found->second).second) << name << " named twice";
      from = comma + 2;
    }
    std::set<int> expected;
    for (int n = 0; n < 27; ++n) {
      if (NadiOf(n) == c.nadi) {
        expected.insert(n);
      }
    }
    EXPECT_EQ(listed, expected);
  }
  EXPECT_EQ(named.size(), 27u);
}

// The Vasya text names the signs of each class, halves of Sagittarius and Capricorn
// included; the classical tables give each named sign or half that class, and every
// half of every sign is named once.
TEST(KootaSignificance, VasyaListsAgreeWithTheClassicalTables) {
  enum class Part { Whole, First, Second };
  struct Named {
    std::string_view phrase;  // as the text names it
    int sign;
    Part part;
  };
  struct Case {
    std::string_view label;
    VasyaClass vasya;
    std::vector<Named> named;
  };
  const Case cases[] = {
      {"Quadruped Sign - ",
       VasyaClass::Chatushpada,
       {{"Aries", 0, Part::Whole},
        {"Taurus", 1, Part::Whole},
        {"first 15 degrees of Capricorn", 9, Part::First},
        {"second 15 degrees of Sagittarius", 8, Part::Second}}},
      {"Human Sign - ",
       VasyaClass::Manava,
       {{"Gemini", 2, Part::Whole},
        {"Virgo", 5, Part::Whole},
        {"Libra", 6, Part::Whole},
        {"first 15 degrees of Sagittarius", 8, Part::First},
        {"Aquarius", 10, Part::Whole}}},
      {"Water Sign - ",
       VasyaClass::Jalachara,
       {{"Cancer", 3, Part::Whole},
        {"Pisces", 11, Part::Whole},
        {"second 15 degrees of Capricorn", 9, Part::Second}}},
      {"Wild Sign - ", VasyaClass::Vanachara, {{"Leo", 4, Part::Whole}}},
      {"Insect Sign - ", VasyaClass::Keeta, {{"Scorpio", 7, Part::Whole}}},
  };
  const std::string_view text = kKootaSignificance[static_cast<std::size_t>(Koota::Vasya)];
  std::map<std::pair<int, int>, int> halves_named;  // (sign, half) -> times named
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const std::string_view line = LineOf(text, c.label);
    ASSERT_FALSE(line.empty());
    for (const Named& n : c.named) {
      EXPECT_NE(line.find(n.phrase), std::string_view::npos) << n.phrase;
      for (const int half : {0, 1}) {
        if ((n.part == Part::First && half == 1) || (n.part == Part::Second && half == 0)) {
          continue;
        }
        ++halves_named[{n.sign, half}];
        const double degree = half == 0 ? 7.5 : 22.5;
        EXPECT_EQ(SignVasyaClass(n.sign, degree), c.vasya)
            << kSignNames[static_cast<std::size_t>(n.sign)] << " at " << degree;
      }
    }
  }
  EXPECT_EQ(halves_named.size(), 24u);
  for (const auto& [half, times] : halves_named) {
    EXPECT_EQ(times, 1) << kSignNames[static_cast<std::size_t>(half.first)];
  }
}

TEST(KootaTexts, PointsAndAreaWordsOfARealScore) {
  // A Nara boy (Gemini) with a Jala girl (Pisces) scores half a point of Vasya by the
  // specified tables, shown as "0.5" / "Control"; the classical tables give Manava with
  // Jalachara 1.
  const KootaMoon boy = KootaMoonOf(2, 5);     // Gemini, Ardra
  const KootaMoon girl = KootaMoonOf(11, 25);  // Pisces, Uttara Bhadrapada
  const KootaTexts texts =
      LoadKootaTexts(KootaTables::Specified, ScoreKootas(KootaTables::Specified, boy, girl));
  EXPECT_EQ(texts.KootaPoints[1], "0.5");
  EXPECT_EQ(texts.KootaAreaOfLife[1], "Control");
  EXPECT_EQ(texts.KootaSignificance[1].substr(0, 20), "The Vasya Kuta deals");
  for (int k = 0; k < kKootaCount; ++k) {
    EXPECT_EQ(texts.KootaAreaOfLife[k], kKootas[k].AreaOfLife);
    EXPECT_EQ(texts.KootaSignificance[k], kKootaSignificance[k]);
  }
  const KootaTexts classical =
      LoadKootaTexts(KootaTables::Classical, ScoreKootas(KootaTables::Classical, boy, girl));
  EXPECT_EQ(classical.KootaPoints[1], "1");
}

}  // namespace
}  // namespace lumora
