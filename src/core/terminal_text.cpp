// SPDX-License-Identifier: MIT
#include "core/terminal_text.h"

#include <algorithm>

namespace lumora {

namespace {

// The length of the UTF-8 character that starts at text[at], or 0 when the bytes there
// are not a well-formed one (a stray continuation byte, an overlong form, a surrogate,
// a sequence cut short).
std::size_t Utf8Length(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) {
    return 1;
  }
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    low = lead == 0xE0 ? 0xA0 : 0x80;
    high = lead == 0xED ? 0x9F : 0xBF;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    low = lead == 0xF0 ? 0x90 : 0x80;
    high = lead == 0xF4 ? 0x8F : 0xBF;
  } else {
    return 0;
  }
  if (at + length > text.size() || byte(at + 1) < low || byte(at + 1) > high) {
    return 0;
  }
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(at + i) < 0x80 || byte(at + i) > 0xBF) {
      return 0;
    }
  }
  return length;
}

void AppendHexEscape(std::string& out, const char* prefix, unsigned value, int digits) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += prefix;
  for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) {
    out += kHex[(value >> shift) & 0xF];
  }
}

}  // namespace

std::string EscapeControlCharacters(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = Utf8Length(text, at);
    if (length == 0) {
      AppendHexEscape(out, "\\x", lead, 2);
      ++at;
    } else if (length == 1 && (lead < 0x20 || lead == 0x7F)) {
      AppendHexEscape(out, "\\x", lead, 2);
      ++at;
    } else if (length == 2 && lead == 0xC2 && static_cast<unsigned char>(text[at + 1]) < 0xA0) {
      // U+0080 to U+009F: the C1 controls, which terminals act on like ESC sequences.
      AppendHexEscape(out, "\\u", static_cast<unsigned char>(text[at + 1]), 4);
      at += 2;
    } else {
      out.append(text.substr(at, length));
      at += length;
    }
  }
  return out;
}

std::size_t CharacterCount(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t at = 0; at < text.size(); ++count) {
    at += std::max<std::size_t>(1, Utf8Length(text, at));
  }
  return count;
}

std::size_t ShownCharacterCount(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t at = 0; at < text.size();) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = Utf8Length(text, at);
    if (length == 0 || (length == 1 && (lead < 0x20 || lead == 0x7F))) {
      count += 4;  // \xNN
      ++at;
    } else if (length == 2 && lead == 0xC2 && static_cast<unsigned char>(text[at + 1]) < 0xA0) {
      count += 6;  // \u00NN
      at += 2;
    } else {
      ++count;
      at += length;
    }
  }
  return count;
}

std::string_view CutToCharacters(std::string_view text, std::size_t max_characters) {
  std::size_t at = 0;
  for (std::size_t count = 0; at < text.size() && count < max_characters; ++count) {
    at += std::max<std::size_t>(1, Utf8Length(text, at));
  }
  return text.substr(0, at);
}

}  // namespace lumora
