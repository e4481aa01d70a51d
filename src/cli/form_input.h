// SPDX-License-Identifier: MIT
#pragma once

#include "cli/cli_io.h"
#include "core/vedic/entry/birth_form.h"
#include "core/western/western_form.h"

namespace lumora::cli {

// Form input keyed by the windows' control names ("txtMName", "cboFMonth" ...), read into
// the form records exactly as each window would hold them. A missing text box is empty, a
// missing list its first entry, a missing option pair its preset and a missing check box
// unticked; an entry of the wrong JSON kind is rejected with a message naming its key.
BirthForm ReadBirthForm(const Json& input);
WesternForm ReadWesternForm(const Json& input);

}  // namespace lumora::cli
