// SPDX-License-Identifier: MIT
#include "core/places/data_files.h"

#include <cstdlib>
#include <system_error>
#include <vector>

namespace lumora {

namespace {

std::optional<std::filesystem::path> ExecutableFolder() {
  std::error_code error;
  // Linux names the running program's file here; elsewhere the look-up moves on.
  const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) {
    return std::nullopt;
  }
  return executable.parent_path();
}

}  // namespace

std::optional<std::filesystem::path> FindDataFile(std::string_view relative_name) {
  std::vector<std::filesystem::path> folders;
  if (const char* configured = std::getenv("LUMORA_DATA_DIR"); configured && *configured) {
    folders.emplace_back(configured);
  }
  if (const auto folder = ExecutableFolder()) {
    folders.push_back(*folder / ".." / "share" / "lumora");
  }
#ifdef LUMORA_SOURCE_DATA_DIR
  folders.emplace_back(LUMORA_SOURCE_DATA_DIR);
#endif
  for (const auto& folder : folders) {
    std::error_code error;
    const auto candidate = folder / std::filesystem::path(relative_name);
    if (std::filesystem::is_regular_file(candidate, error)) {
      return candidate.lexically_normal();
    }
  }
  return std::nullopt;
}

}  // namespace lumora
