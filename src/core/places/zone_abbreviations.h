// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>

namespace lumora {

// What a clock abbreviation of the time-zone database stands for in the zone it is read
// in: "BDST" in Europe/London is "British Double Summer Time", "IST" in Asia/Kolkata
// "India Standard Time" but in Europe/Dublin "Irish Standard Time". Nothing for an
// abbreviation the table does not name (the database's numeric ones, "+0630", name no
// period).
std::optional<std::string_view> DescribeZoneAbbreviation(std::string_view time_zone,
                                                         std::string_view abbreviation);

}  // namespace lumora
