// SPDX-License-Identifier: MIT
// Birth-profile files: the character shift, the four CR LF lines, and which files
// are accepted.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/ephemeris/zodiac.h"
#include "core/vedic/entry/profile.h"

namespace lumora {
namespace {

std::string Lines(std::initializer_list<std::string_view> lines, std::string_view end = "\r\n") {
  std::string bytes;
  for (std::string_view line : lines) {
    bytes += Encode(line);
    bytes += end;
  }
  return bytes;
}

TEST(ProfileShift, EveryNameSurvivesTheRoundTrip) {
  std::vector<std::string_view> names(kSignNames.begin(), kSignNames.end());
  names.insert(names.end(), kNakshatraNames.begin(), kNakshatraNames.end());
  for (std::string_view name : names) {
    const std::string encoded = Encode(name);
    EXPECT_EQ(encoded.size(), name.size()) << name;
    EXPECT_NE(encoded, name);
    for (char c : encoded) {
      // Encoded plain-ASCII names lie at or above the shift, never on a line end.
      EXPECT_GE(static_cast<unsigned char>(c), kProfileShift) << name;
      EXPECT_NE(c, '\r');
      EXPECT_NE(c, '\n');
    }
    EXPECT_EQ(Decode(encoded), name);
  }
}

TEST(ProfileShift, EveryCodeThatFitsComesBack) {
  ASSERT_GT(kProfileShift, 0);
  for (int code = 0; code + kProfileShift <= 255; ++code) {
    const std::string one(1, static_cast<char>(code));
    const std::string encoded = Encode(one);
    ASSERT_EQ(encoded.size(), 1u) << code;
    EXPECT_EQ(static_cast<unsigned char>(encoded[0]), code + kProfileShift);
    EXPECT_EQ(Decode(encoded), one) << code;
  }
}

TEST(ProfileShift, CharactersThatLeaveEightBitsAreDropped) {
  const char highest = static_cast<char>(255 - kProfileShift);  // the last code that fits
  const char too_high = static_cast<char>(256 - kProfileShift);
  EXPECT_EQ(Encode(std::string{'A', too_high, 'B', '\xFF'}), Encode("AB"));
  EXPECT_EQ(Encode(std::string(1, highest)), std::string(1, '\xFF'));
  // Decoding leaves out codes below the shift: text that was never encoded loses them.
  const char too_low = static_cast<char>(kProfileShift - 1);
  EXPECT_EQ(Decode(std::string{too_low, Encode("L")[0], '\0'}), "L");
  EXPECT_EQ(Decode(std::string(1, static_cast<char>(kProfileShift))), std::string(1, '\0'));
  EXPECT_EQ(Encode(""), "");
  EXPECT_EQ(Decode(""), "");
}

TEST(WriteProfile, FourLinesEachEndedByCrLf) {
  const ProfileValues values = {"Aries", "Capricorn", "Ashwini", "Revati"};
  const std::string bytes = WriteProfile(values);
  EXPECT_EQ(bytes, Encode("Aries") + "\r\n" + Encode("Capricorn") + "\r\n" + Encode("Ashwini") +
                       "\r\n" + Encode("Revati") + "\r\n");
  EXPECT_EQ(bytes.size(), 5u + 9u + 7u + 6u + 4u * 2u);
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
}

struct ReadCase {
  const char* source;
  std::string bytes;
  int lines_read;
  ProfileValues values;
};

TEST(ReadProfile, LinesAsTheFileHasThem) {
  const ProfileValues leo_magha = {"Leo", "Leo", "Magha", "Magha"};
  const ReadCase cases[] = {
      {"as written", WriteProfile(leo_magha), 4, leo_magha},
      {"LF line ends", Lines({"Leo", "Leo", "Magha", "Magha"}, "\n"), 4, leo_magha},
      {"last line without its end", Lines({"Leo", "Leo", "Magha"}) + Encode("Magha"), 4, leo_magha},
      {"lines after the fourth are ignored",
       WriteProfile(leo_magha) + Lines({"Aries", "Swati", "extra"}), 4, leo_magha},
      {"three lines: the girl's nakshatra is missing",
       Lines({"Leo", "Leo", "Magha"}),
       3,
       {"Leo", "Leo", "Magha", ""}},
      {"empty file", "", 0, {"", "", "", ""}},
      {"an empty line keeps its place",
       Lines({"Leo", "", "Magha", "Magha"}),
       4,
       {"Leo", "", "Magha", "Magha"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.source);
    const ProfileLines read = ReadProfile(c.bytes);
    EXPECT_EQ(read.LinesRead, c.lines_read);
    EXPECT_EQ(read.Values, c.values);
  }
}

struct CheckCase {
  const char* source;
  std::string bytes;
  bool accepted;
};

TEST(CheckProfile, OnlySignsThenNakshatras) {
  const CheckCase cases[] = {
      {"two Leo Moons in Magha", Lines({"Leo", "Leo", "Magha", "Magha"}), true},
      {"Aries/Ashwini with Capricorn/Revati", Lines({"Aries", "Capricorn", "Ashwini", "Revati"}),
       true},
      {"a fifth line is ignored", Lines({"Leo", "Leo", "Magha", "Magha", "anything"}), true},
      {"three lines", Lines({"Leo", "Leo", "Magha"}), false},
      {"empty file", "", false},
      {"four empty lines", Lines({"", "", "", ""}), false},
      {"display name of a sign", Lines({"Leo (Simha)", "Leo", "Magha", "Magha"}), false},
      {"lower case", Lines({"Leo", "leo", "Magha", "Magha"}), false},
      {"nakshatra where a sign belongs", Lines({"Magha", "Leo", "Magha", "Magha"}), false},
      {"sign where a nakshatra belongs", Lines({"Leo", "Leo", "Leo", "Magha"}), false},
      {"another spelling", Lines({"Leo", "Leo", "Magha", "Mula"}), false},
      {"trailing blank", Lines({"Leo", "Leo ", "Magha", "Magha"}), false},
      {"lines not encoded", "Leo\r\nLeo\r\nMagha\r\nMagha\r\n", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CheckProfile(c.bytes).has_value(), c.accepted) << c.source;
  }
  const auto values = CheckProfile(Lines({"Leo", "Virgo", "Magha", "Revati", "x"}));
  ASSERT_TRUE(values.has_value());
  EXPECT_EQ(*values, (ProfileValues{"Leo", "Virgo", "Magha", "Revati"}));
  EXPECT_FALSE(CheckProfileValues({"Leo", "Virgo", "Magha", ""}).has_value());
}

TEST(ProfileExtension, LastThreeCharactersCaseSensitive) {
  const std::pair<const char*, bool> cases[] = {
      {"reading.kun", true},
      {"/home/user/readings/pair.kun", true},
      {"kun", true},
      {"readingkun", true},
      {"reading.KUN", false},
      {"reading.Kun", false},
      {"reading.kun.txt", false},
      {"reading.ku", false},
      {"un", false},
      {"", false},
  };
  for (const auto& [name, accepted] : cases) {
    EXPECT_EQ(HasProfileExtension(name), accepted) << name;
  }
}

}  // namespace
}  // namespace lumora
