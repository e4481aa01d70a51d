// SPDX-License-Identifier: MIT
// Columns on a terminal: the readable tables of Hindi and Tamil line up only if combining
// signs take none and wide letters two, and a cut never splits a letter from its signs.
#include <gtest/gtest.h>

#include <string_view>

#include "core/display_width.h"

namespace lumora {
namespace {

TEST(DisplayWidth, ColumnsAndCuts) {
  struct Case {
    std::string_view text;
    std::size_t columns;
    std::size_t cut_to;
    std::string_view cut;
  };
  const Case cases[] = {
      {"Ravi Kumar", 10, 4, "Ravi"},
      {"", 0, 3, ""},
      // न म स ् त े: the virama and the vowel sign e draw over their consonants.
      {"नमस्ते", 4, 3, "नमस्"},
      {"नमस्ते", 4, 4, "नमस्ते"},
      // த ம ி ழ ்: the vowel sign i takes its own column, the pulli none.
      {"தமிழ்", 4, 3, "தமி"},
      {"தமிழ்", 4, 4, "தமிழ்"},
      // A joiner takes no column.
      {"क\u200Dष", 2, 1, "क\u200D"},
      {"日本語", 6, 3, "日"},
      {"日本語", 6, 0, ""},
      // A sequence cut off at the end counts a column a byte and is never split further.
      {"a\xE0\xA4", 3, 2, "a\xE0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text));
    EXPECT_EQ(DisplayColumns(c.text), c.columns);
    EXPECT_EQ(CutToColumns(c.text, c.cut_to), c.cut);
    EXPECT_LE(DisplayColumns(CutToColumns(c.text, c.cut_to)), c.cut_to);
  }
}

}  // namespace
}  // namespace lumora
