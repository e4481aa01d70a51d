// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace lumora {

// The program's name and version, as the About box, the message boxes and every credit
// line of a report or document give them.
inline constexpr std::string_view kProgramTitle = "Lumora v2.05";

// The licence every credit states, as the About box does.
inline constexpr std::string_view kProgramLicence = "free software under the MIT licence";

}  // namespace lumora
