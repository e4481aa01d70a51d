// SPDX-License-Identifier: MIT
// Normalization Form C by the algorithm of Unicode Standard Annex #15: full canonical
// decomposition, canonical ordering of combining marks, then canonical composition, from
// the Unicode Character Database's tables (nfc_data.cpp). Hangul syllables are computed
// (The Unicode Standard 15.0, section 3.12).
#include "core/nfc.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/nfc_table.h"

namespace lumora {

namespace {

// Below U+0300 every character is a starter, none decomposes into anything that
// composes differently, and none is the second of a composite: such text is its own NFC.
constexpr char32_t kFirstChanging = 0x0300;

constexpr char32_t kHangulBase = 0xAC00;
constexpr char32_t kLeadBase = 0x1100;
constexpr char32_t kVowelBase = 0x1161;
constexpr char32_t kTrailBase = 0x11A7;
constexpr int kLeadCount = 19;
constexpr int kVowelCount = 21;
constexpr int kTrailCount = 28;
constexpr int kSyllablesPerLead = kVowelCount * kTrailCount;    // 588
constexpr int kSyllableCount = kLeadCount * kSyllablesPerLead;  // 11172

// The code points of valid UTF-8 (no overlong forms, no surrogates); nothing otherwise.
std::optional<std::vector<char32_t>> Decode(std::string_view text) {
  std::vector<char32_t> points;
  points.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    char32_t point = 0;
    char32_t least = 0;
    if (lead < 0x80) {
      length = 1;
      point = lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
      point = lead & 0x1Fu;
      least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      point = lead & 0x0Fu;
      least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      point = lead & 0x07u;
      least = 0x10000;
    } else {
      return std::nullopt;
    }
    if (text.size() - i < length) {
      return std::nullopt;
    }
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0u) != 0x80u) {
        return std::nullopt;
      }
      point = (point << 6) | (next & 0x3Fu);
    }
    if (point < least || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) {
      return std::nullopt;
    }
    points.push_back(point);
    i += length;
  }
  return points;
}

void Encode(char32_t point, std::string& out) {
  if (point < 0x80) {
    out += static_cast<char>(point);
  } else if (point < 0x800) {
    out += static_cast<char>(0xC0 | (point >> 6));
    out += static_cast<char>(0x80 | (point & 0x3F));
  } else if (point < 0x10000) {
    out += static_cast<char>(0xE0 | (point >> 12));
    out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (point & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (point >> 18));
    out += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (point & 0x3F));
  }
}

int CombiningClass(char32_t point) {
  const auto run =
      std::upper_bound(kCombiningClasses.begin(), kCombiningClasses.end(), point,
                       [](char32_t p, const CombiningClassRun& r) { return p < r.First; });
  if (run == kCombiningClasses.begin()) {
    return 0;
  }
  const CombiningClassRun& found = *(run - 1);
  return point <= found.Last ? found.Class : 0;
}

void Decompose(char32_t point, std::vector<char32_t>& out) {
  if (point >= kHangulBase && point < kHangulBase + kSyllableCount) {
    const int index = static_cast<int>(point - kHangulBase);
    out.push_back(kLeadBase + index / kSyllablesPerLead);
    out.push_back(kVowelBase + (index % kSyllablesPerLead) / kTrailCount);
    if (index % kTrailCount != 0) {
      out.push_back(kTrailBase + index % kTrailCount);
    }
    return;
  }
  const auto entry =
      std::lower_bound(kDecompositions.begin(), kDecompositions.end(), point,
                       [](const Decomposition& d, char32_t p) { return d.CodePoint < p; });
  if (entry == kDecompositions.end() || entry->CodePoint != point) {
    out.push_back(point);
    return;
  }
  Decompose(entry->First, out);
  if (entry->Second != 0) {
    Decompose(entry->Second, out);
  }
}

std::optional<char32_t> Compose(char32_t first, char32_t second) {
  if (first >= kLeadBase && first < kLeadBase + kLeadCount && second >= kVowelBase &&
      second < kVowelBase + kVowelCount) {
    return kHangulBase + ((first - kLeadBase) * kVowelCount + (second - kVowelBase)) * kTrailCount;
  }
  if (first >= kHangulBase && first < kHangulBase + kSyllableCount &&
      (first - kHangulBase) % kTrailCount == 0 && second > kTrailBase &&
      second < kTrailBase + kTrailCount) {
    return first + (second - kTrailBase);
  }
  const auto entry =
      std::lower_bound(kCompositions.begin(), kCompositions.end(), std::pair{first, second},
                       [](const Composition& c, const std::pair<char32_t, char32_t>& key) {
                         return c.First != key.first ? c.First < key.first : c.Second < key.second;
                       });
  if (entry == kCompositions.end() || entry->First != first || entry->Second != second) {
    return std::nullopt;
  }
  return entry->Composed;
}

}  // namespace

std::string ComposedText(std::string_view utf8) {
  if (std::all_of(utf8.begin(), utf8.end(),
                  [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
    return std::string(utf8);
  }
  const auto points = Decode(utf8);
  if (!points ||
      std::all_of(points->begin(), points->end(), [](char32_t p) { return p < kFirstChanging; })) {
    return std::string(utf8);
  }
  std::vector<char32_t> decomposed;
  decomposed.reserve(points->size() * 2);
  for (const char32_t point : *points) {
    Decompose(point, decomposed);
  }
  // Canonical order: each run of marks sorted by combining class, stably.
  std::vector<int> classes(decomposed.size());
  std::transform(decomposed.begin(), decomposed.end(), classes.begin(), CombiningClass);
  for (std::size_t i = 1; i < decomposed.size(); ++i) {
    for (std::size_t k = i; k > 0 && classes[k] != 0 && classes[k - 1] > classes[k]; --k) {
      std::swap(decomposed[k], decomposed[k - 1]);
      std::swap(classes[k], classes[k - 1]);
    }
  }
  // Composition: each mark joins the last starter unless a mark of the same or a higher
  // class, or another starter, stands between them.
  std::vector<char32_t> composed;
  composed.reserve(decomposed.size());
  std::optional<std::size_t> starter;
  int last_class = -1;  // of the last code point kept after the starter; -1: none yet
  for (std::size_t i = 0; i < decomposed.size(); ++i) {
    const char32_t point = decomposed[i];
    const int point_class = classes[i];
    if (starter && (last_class == -1 || (last_class != 0 && last_class < point_class))) {
      if (const auto joined = Compose(composed[*starter], point)) {
        composed[*starter] = *joined;
        continue;
      }
    }
    if (point_class == 0) {
      starter = composed.size();
      last_class = -1;
    } else {
      last_class = point_class;
    }
    composed.push_back(point);
  }
  std::string out;
  out.reserve(utf8.size());
  for (const char32_t point : composed) {
    Encode(point, out);
  }
  return out;
}

}  // namespace lumora
