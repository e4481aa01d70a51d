// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "cli/cli_io.h"
#include "core/vedic/timing/person_timing.h"

namespace lumora::cli {

// The dasha output of one person: MoonNakshatra, BirthLord, BalanceYears, the mahadashas
// with their sub-periods as deep as computed, SadeSati and AshtamaShani; dates YYYY-MM-DD
// on the person's birth clock.
Json PersonDashaJson(const std::string& name, const PersonTiming& person);

// BoyDasha / GirlDasha of the vedic output: the mahadashas alone and, with a wedding
// date, AtWedding: the periods running on that day.
Json MatchDashaJson(const PersonTiming& person, std::optional<int> wedding_day);

// DashaSandhi of the vedic output: [{"Boy": date or null, "Girl": date or null,
// "DaysApart": d}].
Json DashaSandhiJson(const CoupleTiming& couple);

}  // namespace lumora::cli
