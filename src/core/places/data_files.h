// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace lumora {

// The installed copy of one of the program's data files, named relative to the data folder
// ("places/places.tsv"). Looked for, in this order, under $LUMORA_DATA_DIR, under
// <folder of the executable>/../share/lumora (an installed program) and under the source
// tree's resources folder (a program run from its build folder). Nothing when no copy
// exists.
std::optional<std::filesystem::path> FindDataFile(std::string_view relative_name);

}  // namespace lumora
