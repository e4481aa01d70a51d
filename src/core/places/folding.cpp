// SPDX-License-Identifier: MIT
#include "core/places/folding.h"

#include <algorithm>

#include "core/nfc.h"
#include "core/places/folding_table.h"

namespace lumora {

namespace {

// Length of the UTF-8 sequence a lead byte starts; 1 for a stray continuation byte, so a
// malformed text still advances.
std::size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xF0) {
    return 4;
  }
  if (lead >= 0xE0) {
    return 3;
  }
  if (lead >= 0xC0) {
    return 2;
  }
  return 1;
}

// The block of combining diacritical marks (Unicode 15, U+0300 to U+036F).
constexpr char32_t kFirstCombiningMark = 0x0300;
constexpr char32_t kLastCombiningMark = 0x036F;

char32_t DecodePoint(std::string_view bytes) {
  const auto lead = static_cast<unsigned char>(bytes[0]);
  char32_t point = bytes.size() == 2 ? lead & 0x1F : bytes.size() == 3 ? lead & 0x0F : lead & 0x07;
  for (std::size_t i = 1; i < bytes.size(); ++i) {
    point = (point << 6) | (static_cast<unsigned char>(bytes[i]) & 0x3F);
  }
  return point;
}

}  // namespace

std::string FoldForSearch(std::string_view text) {
  // Composed first: letters of other scripts written decomposed (a Tamil vowel sign as two
  // parts) then fold as the atlas's composed names do.
  const std::string composed = ComposedText(text);
  std::string folded;
  folded.reserve(composed.size());
  AppendFolded(folded, composed);
  return folded;
}

void AppendFolded(std::string& folded, std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      folded += (lead >= 'A' && lead <= 'Z') ? static_cast<char>(lead - 'A' + 'a') : text[i];
      ++i;
      continue;
    }
    const std::size_t length = std::min(SequenceLength(lead), text.size() - i);
    const std::string_view sequence = text.substr(i, length);
    const char32_t point = length > 1 ? DecodePoint(sequence) : 0;
    // Combining diacritical marks: a decomposed "a" + U+0303 folds as "ã" does (to "a"),
    // so a query typed or pasted in either Unicode form finds the same places.
    if (point >= kFirstCombiningMark && point <= kLastCombiningMark) {
      i += length;
      continue;
    }
    const auto entry =
        std::lower_bound(kFoldEntries.begin(), kFoldEntries.end(), point,
                         [](const FoldEntry& e, char32_t p) { return e.CodePoint < p; });
    if (entry != kFoldEntries.end() && entry->CodePoint == point) {
      folded += entry->Folded;
    } else {
      folded += sequence;
    }
    i += length;
  }
}

}  // namespace lumora
