// SPDX-License-Identifier: MIT
// Composed (NFC) names: the expected forms are those of Unicode's own normalisation (as
// Python's unicodedata.normalize("NFC", ...) gives them, Unicode 14).
#include <gtest/gtest.h>

#include "core/nfc.h"

namespace lumora {
namespace {

TEST(ComposedText, GivesTheComposedFormOfEveryScriptsNames) {
  const struct {
    const char* what;
    const char* text;
    const char* composed;
  } cases[] = {
      {"ASCII unchanged", "Ravi Kumar", "Ravi Kumar"},
      {"decomposed tilde", "Sa\u0303o Paulo", "S\u00e3o Paulo"},
      {"already composed", "S\u00e3o Paulo", "S\u00e3o Paulo"},
      {"acute", "Jose\u0301", "Jos\u00e9"},
      // Two marks in either order: canonical ordering puts the dot below first.
      {"marks in order", "A\u0323\u0302", "\u1eac"},
      {"marks out of order", "A\u0302\u0323", "\u1eac"},
      {"Vietnamese", "Vie\u0323\u0302t Nam", "Vi\u1ec7t Nam"},
      {"horn after acute", "o\u0301\u031b", "\u1edb"},
      {"composite and a mark", "\u00e4\u0304", "\u01df"},
      {"decomposed twice", "a\u0308\u0304", "\u01df"},
      // A second mark of the same class is blocked by the first.
      {"blocked mark", "e\u0301\u0301", "\u00e9\u0301"},
      {"singleton", "\u212b", "\u00c5"},
      {"mark without a base", "\u0301a", "\u0301a"},
      {"Hangul syllable", "\u1100\u1161\u11a8", "\uac01"},
      {"Tamil au", "\u0b92\u0bd7", "\u0b94"},
      {"Tamil o sign", "\u0b95\u0bc6\u0bbe", "\u0b95\u0bca"},
      {"Devanagari nukta", "\u0928\u093c", "\u0929"},
      // Excluded from composition: the decomposed form is the composed one.
      {"Devanagari qa", "\u0958", "\u0915\u093c"},
      {"Devanagari conjunct", "\u0915\u094d\u0937", "\u0915\u094d\u0937"},
      {"not UTF-8", "Jos\xc3", "Jos\xc3"},
      {"surrogate bytes", "\xed\xa0\x80\u0301", "\xed\xa0\x80\u0301"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ComposedText(c.text), c.composed) << c.what;
    // Composed text composes to itself.
    EXPECT_EQ(ComposedText(c.composed), c.composed) << c.what;
  }
}

}  // namespace
}  // namespace lumora
