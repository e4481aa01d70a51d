// SPDX-License-Identifier: MIT
#include "core/vedic/entry/profile.h"

#include "core/ephemeris/zodiac.h"

namespace lumora {

std::string Encode(std::string_view text) {
  std::string out;
  for (const char c : text) {
    const int code = static_cast<unsigned char>(c) + kProfileShift;
    if (code <= 255) {
      out.push_back(static_cast<char>(code));
    }
  }
  return out;
}

std::string Decode(std::string_view text) {
  std::string out;
  for (const char c : text) {
    const int code = static_cast<unsigned char>(c) - kProfileShift;
    if (code >= 0) {
      out.push_back(static_cast<char>(code));
    }
  }
  return out;
}

std::string WriteProfile(const ProfileValues& values) {
  std::string bytes;
  for (const std::string& value : values) {
    bytes += Encode(value);
    bytes += "\r\n";
  }
  return bytes;
}

ProfileLines ReadProfile(std::string_view bytes) {
  ProfileLines lines;
  std::size_t start = 0;
  while (lines.LinesRead < 4 && start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    std::string_view line =
        bytes.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    if (!line.empty() && line.back() == '\r') {
      line.remove_suffix(1);
    }
    lines.Values[static_cast<std::size_t>(lines.LinesRead)] = Decode(line);
    ++lines.LinesRead;
    if (end == std::string_view::npos) {
      break;
    }
    start = end + 1;
  }
  return lines;
}

std::optional<ProfileValues> CheckProfileValues(const ProfileValues& values) {
  if (!FindSign(values[0]) || !FindSign(values[1]) || !FindNakshatra(values[2]) ||
      !FindNakshatra(values[3])) {
    return std::nullopt;
  }
  return values;
}

std::optional<ProfileValues> CheckProfile(std::string_view bytes) {
  const ProfileLines lines = ReadProfile(bytes);
  if (lines.LinesRead < 4) {
    return std::nullopt;
  }
  return CheckProfileValues(lines.Values);
}

bool HasProfileExtension(std::string_view file_name) {
  return file_name.size() >= 3 && file_name.substr(file_name.size() - 3) == "kun";
}

}  // namespace lumora
