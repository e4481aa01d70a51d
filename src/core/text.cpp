// SPDX-License-Identifier: MIT
#include "core/text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

namespace lumora {

std::string Trim(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) {
    return {};
  }
  const auto last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

std::string TrimmedOr(std::string_view name, std::string_view fallback) {
  std::string trimmed = Trim(name);
  return trimmed.empty() ? std::string(fallback) : trimmed;
}

std::optional<int> ParseDigits(std::string_view text) {
  if (text.empty()) {
    return std::nullopt;
  }
  // Long texts saturate: they stay above every limit a form checks without overflowing.
  constexpr int kCeiling = 1000000;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') {
      return std::nullopt;
    }
    value = std::min(kCeiling, value * 10 + (c - '0'));
  }
  return value;
}

std::optional<int> ParseInteger(std::string_view text) {
  const std::string trimmed = Trim(text);
  std::string_view digits = trimmed;
  bool negative = false;
  if (!digits.empty() && digits.front() == '-') {
    negative = true;
    digits.remove_prefix(1);
  }
  const auto value = ParseDigits(digits);
  if (!value) {
    return std::nullopt;
  }
  return negative ? -*value : *value;
}

std::string FormatHalfPoints(double value) {
  const long long halves = std::llround(value * 2.0);
  std::string text = std::to_string(halves / 2);
  if (halves % 2 != 0) {
    if (halves < 0 && halves / 2 == 0) {
      text = "-0";
    }
    text += ".5";
  }
  return text;
}

std::optional<double> ParsePoints(std::string_view text) {
  double value = 0.0;
  const char* begin = text.data();
  const char* end = text.data() + text.size();
  if (text.empty()) {
    return std::nullopt;
  }
  const auto [ptr, ec] = std::from_chars(begin, end, value);
  if (ec != std::errc() || ptr != end || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

std::string TwoDigits(int value) {
  return (value < 10 ? "0" : "") + std::to_string(value);
}

std::string JoinNames(const std::vector<std::string>& names, std::string_view last_joint) {
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) {
      text += i + 1 == names.size() ? std::string(last_joint) : std::string(", ");
    }
    text += names[i];
  }
  return text;
}

std::string FoldedKey(std::string_view text) {
  std::string key;
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (std::isalnum(u) != 0) {
      key += static_cast<char>(std::tolower(u));
    }
  }
  return key;
}

}  // namespace lumora
