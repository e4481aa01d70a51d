// SPDX-License-Identifier: MIT
#pragma once

#include "cli/cli_io.h"
#include "core/vedic/porutham/porutham.h"

namespace lumora::cli {

// The porutham keys of a vedic result: Poruthams (ten objects in porutham order, each
// Name, Agrees, Count and Group), PoruthamCount, PoruthamVetoes and PoruthamVerdict.
void AddPoruthamJson(Json& out, const PoruthamMatch& match);

// The three summary keys alone, as rank adds them to each line.
void AddPoruthamSummaryJson(Json& out, const PoruthamMatch& match);

// {"Boy": x, "Girl": y, "Agrees": bool, "Contributions": [{"Person", "Planet", "From",
// "House", "Points"}]}: the placements that add points, the boy's first.
Json PapasamyamJson(const PapasamyamResult& result);

}  // namespace lumora::cli
