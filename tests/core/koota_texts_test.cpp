// SPDX-License-Identifier: MIT
// The koota significance texts: each is built from fixed pieces whose opening words
// and lengths are known, joined directly, by line breaks or by blank lines.
#include <gtest/gtest.h>

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

constexpr std::string_view kDirect = "";
constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kBlankLine = "\r\n\r\n";

struct Piece {
  std::string_view opening;  // the first words of the piece
  std::size_t length;        // the whole piece, in characters
};

struct SignificanceCase {
  const char* koota;
  std::string_view joint;
  std::vector<Piece> pieces;
};

const std::vector<SignificanceCase>& Cases() {
  static const std::vector<SignificanceCase> cases = {
      {"Varna",
       kDirect,
       {{"Varna Kuta is the technique that is concerned with the spiritual and the individual ego "
         "development of the couple or potential business partners.",
         284},
        {"The term Varna ideally refers to the family background or class.", 726},
        {"leading to marital problems.", 165}}},
      {"Vasya",
       kBlankLine,
       {{"The Vasya Kuta deals with the inherent liking or the natural attraction that a couple or "
         "two potential business partners, have for each other.",
         717},
        {"Quadruped Sign - Aries, Taurus, first 15 degrees of Capricorn and the second 15 degrees "
         "of Sagittarius.",
         103},
        {"Human Sign - Gemini, Virgo, Libra and the first 15 degrees of Sagittarius and Aquarius.",
         87},
        {"Water Sign - Cancer, Pisces and the second 15 degrees of Capricorn.", 67},
        {"Wild Sign - This includes only the Leo zodiac sign.", 51},
        {"Insect Sign - This includes only the Scorpio zodiac sign.", 57},
        {"According to the Hindu shastras, if the couple or potential business partners' moon "
         "signs are Vasya to one another, it will generate harmony resulting in a happy and "
         "meaningful relationship.",
         190}}},
      {"Tara",
       kDirect,
       {{"The word 'Dina' in Hindu terminology symbolizes day, and the Dina Kuta agreement is also "
         "known as the Tara Kuta.",
         894},
        {"Hindu shastra says that it is essential that the woman feels comfortable in the "
         "presence of the man in her life, and absorbs anything good that the man has to offer.",
         308}}},
      {"Yoni",
       kDirect,
       {{"In the realm of Vedic Astrology, the term 'Yoni' indicates the sexual organ of a woman.",
         916},
        {"Therefore the Yoni Kuta is a compatibility chart, based on various animal signs, all of "
         "which are friendly, unfriendly, neutral or inimical with each other.",
         306}}},
      {"Graha Maitri",
       kLineBreak,
       {{"This technique is basically used to determine whether a potential couple or business "
         "partners are friendly, loving and compassionate towards one another.",
         827},
        {"If these moon sign planets are mostly compatible to one another, one can expect a very "
         "harmonious and thoroughly fulfilling relationship.",
         137}}},
      {"Gana",
       kDirect,
       {{"The real aim of the Gana Kuta is to measure the temperamental compatibility between "
         "prospective partners.",
         929},
        {"dominating and have a tendency to break down conventional norms.", 506}}},
      {"Rashi",
       kDirect,
       {{"The Rashi Kuta technique is used to determine general prosperity in a couple's family "
         "life with regard to children born in a couple's potential family life.",
         948},
        {"positions, or in the 2nd and 12th positions from one another, this indicates loss of "
         "prosperity in family life and problems in constructing a bright, happy family in "
         "general.",
         295}}},
      {"Nadi",
       kBlankLine,
       {{"In Hindu terminology, the term 'Nadi' refers to the nervous system, and its center, "
         "which controls the health and the emotional temperament of a person.",
         448},
        {"Vatha - Asvinni, Ardra, Punurvasu, Uttara Phalguni, Hasta, Jyeshtha, Mula, Shatabisha "
         "and Purva Bhadra Pada.",
         108},
        {"Pittha - Bharani, Mrigashira, Pushyami, Purva Phalguni, Chitra, Anuradha, Purva Ashada, "
         "Dhanishta and Uttara Bhadra Pada.",
         121},
        {"Kapha - Krittika, Rohini, Aslesha, Magha, Svati, Vishakha, Uttara Ashada, Sravana and "
         "Revati.",
         93},
        {"The importance of Nadi Kuta lies in the fact that health is top priority for all, and "
         "the birth of children also depends on this factor.",
         521}}},
  };
  return cases;
}

TEST(KootaSignificance, PiecesOpenWhereTheyShouldAndLengthsAddUp) {
  ASSERT_EQ(Cases().size(), static_cast<std::size_t>(kKootaCount));
  for (int k = 0; k < kKootaCount; ++k) {
    const SignificanceCase& c = Cases()[static_cast<std::size_t>(k)];
    SCOPED_TRACE(c.koota);
    const std::string_view text = kKootaSignificance[static_cast<std::size_t>(k)];
    // Each piece begins right after the previous pieces and the joints between them.
    std::size_t offset = 0;
    for (std::size_t p = 0; p < c.pieces.size(); ++p) {
      if (p > 0) {
        EXPECT_EQ(text.substr(offset, c.joint.size()), c.joint) << "joint before piece " << p;
        offset += c.joint.size();
      }
      EXPECT_EQ(text.substr(offset, c.pieces[p].opening.size()), c.pieces[p].opening)
          << "piece " << p;
      offset += c.pieces[p].length;
    }
    EXPECT_EQ(text.size(), offset);
  }
}

TEST(KootaSignificance, KnownLengths) {
  // Piece lengths plus joints: 284 + 726 + 165; 7 Vasya pieces and six blank lines of
  // 4 characters; two Graha Maitri pieces and one line break; 5 Nadi pieces, 4 blank lines.
  const std::size_t lengths[kKootaCount] = {1175, 1296, 1202, 1222, 966, 1435, 1243, 1307};
  for (int k = 0; k < kKootaCount; ++k) {
    EXPECT_EQ(kKootaSignificance[static_cast<std::size_t>(k)].size(), lengths[k]) << k;
  }
}

std::size_t Count(std::string_view text, std::string_view part) {
  std::size_t count = 0;
  for (auto at = text.find(part); at != std::string_view::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

TEST(KootaSignificance, LineStructure) {
  // Blank lines (CR LF CR LF) and line ends appear only as joints.
  const std::size_t blank_lines[kKootaCount] = {0, 6, 0, 0, 0, 0, 0, 4};
  const std::size_t line_ends[kKootaCount] = {0, 12, 0, 0, 1, 0, 0, 8};
  for (int k = 0; k < kKootaCount; ++k) {
    const std::string_view text = kKootaSignificance[static_cast<std::size_t>(k)];
    SCOPED_TRACE(Cases()[static_cast<std::size_t>(k)].koota);
    EXPECT_EQ(Count(text, "\r\n\r\n"), blank_lines[k]);
    EXPECT_EQ(Count(text, "\r\n"), line_ends[k]);
    EXPECT_EQ(Count(text, "\r"), line_ends[k]) << "a CR without its LF";
    EXPECT_EQ(Count(text, "\n"), line_ends[k]) << "an LF without its CR";
    EXPECT_EQ(Count(text, "\r\n\r\n\r\n"), 0u);
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
