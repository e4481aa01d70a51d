// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace lumora {

// Every character of a profile line is stored shifted by this many codes; it keeps
// every character of the sign and nakshatra names within 8 bits.
inline constexpr int kProfileShift = 23;

// Shifts each 8-bit code up by kProfileShift, leaving out characters that would pass 255.
std::string Encode(std::string_view text);
// The inverse: shifts down, leaving out characters that would fall below 0.
std::string Decode(std::string_view text);

// BoyRashi, GirlRashi, BoyNakshatra, GirlNakshatra, in file order.
using ProfileValues = std::array<std::string, 4>;

// The four encoded lines, each ended by CR LF.
std::string WriteProfile(const ProfileValues& values);

struct ProfileLines {
  ProfileValues Values;  // decoded; a missing line is empty
  int LinesRead = 0;     // how many of the four lines the file had
};

// Reads up to four lines (CR LF or LF ends; the last line may lack one); lines after
// the fourth are ignored.
ProfileLines ReadProfile(std::string_view bytes);

inline constexpr const char* kProfileRefusal = "Please Check The File.";

// A profile is under 100 bytes; a file past this size is refused unread, so a huge or
// endless file never fills the memory.
inline constexpr std::size_t kProfileFileLimit = 64 * 1024;

// The four values when they are sign names and nakshatra names of the tables,
// in that order; nothing for a short or altered file.
std::optional<ProfileValues> CheckProfileValues(const ProfileValues& values);
std::optional<ProfileValues> CheckProfile(std::string_view bytes);

// Profile files are recognised by the last three characters of their name, "kun",
// compared case-sensitively.
bool HasProfileExtension(std::string_view file_name);

}  // namespace lumora
