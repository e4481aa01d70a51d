// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

// Removes blanks from both ends (blanks only, as the forms' trimming does).
std::string Trim(std::string_view text);

// The name trimmed, or the fallback where nothing is left ("Boy" for a blank name).
std::string TrimmedOr(std::string_view name, std::string_view fallback);

// The whole text as a non-negative decimal integer: digits only, at least one;
// values beyond 1000000 read as 1000000.
std::optional<int> ParseDigits(std::string_view text);

// A whole decimal integer with an optional leading minus sign; surrounding blanks allowed.
std::optional<int> ParseInteger(std::string_view text);

// A points total or koota score written with at most one decimal: "23.5", "23" (never "23.0").
std::string FormatHalfPoints(double value);

// Parses a points text such as "1.5"; nothing when it is not a number.
std::optional<double> ParsePoints(std::string_view text);

// Letters and digits only, lower case, for comparing names and captions that differ in
// case, spaces or marks alone: "Type of Sign: " and "type-of-sign" give "typeofsign".
std::string FoldedKey(std::string_view text);

// Names joined by ", ", the last two by last_joint: "Nadi, Gana and Bhakoot".
std::string JoinNames(const std::vector<std::string>& names, std::string_view last_joint = ", ");

// A whole number from 0 to 99 as two digits: "07", "42".
std::string TwoDigits(int value);

}  // namespace lumora
