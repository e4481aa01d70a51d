// SPDX-License-Identifier: MIT
#include <array>

#include "core/places/zone_abbreviations.h"

namespace lumora {

namespace {

// One abbreviation in the zones whose IANA names begin with Zones ("" for every zone).
struct ZoneAbbreviation {
  std::string_view Abbreviation;
  std::string_view Zones;
  std::string_view Description;
};

// The periods as the time-zone database's own source files name them in their comments
// (tzdata 2024a: europe, asia, northamerica, southamerica, australasia, africa), the
// narrower zone prefix before the wider where an abbreviation means two things.
constexpr std::array<ZoneAbbreviation, 72> kZoneAbbreviations{{
    {"LMT", "", "local mean time"},
    {"GMT", "", "Greenwich Mean Time"},
    {"UTC", "", "Coordinated Universal Time"},
    {"BST", "Europe/", "British Summer Time"},
    {"BDST", "Europe/", "British Double Summer Time"},
    {"IST", "Europe/Dublin", "Irish Standard Time"},
    {"IST", "Asia/Jerusalem", "Israel Standard Time"},
    {"IDT", "Asia/Jerusalem", "Israel Daylight Time"},
    {"IST", "Asia/", "India Standard Time"},
    {"HMT", "Asia/Kolkata", "Howrah Mean Time"},
    {"MMT", "Asia/Kolkata", "Madras Mean Time"},
    {"WET", "", "Western European Time"},
    {"WEST", "", "Western European Summer Time"},
    {"CET", "", "Central European Time"},
    {"CEST", "", "Central European Summer Time"},
    {"CEMT", "", "Central European Midsummer Time"},
    {"EET", "", "Eastern European Time"},
    {"EEST", "", "Eastern European Summer Time"},
    {"MSK", "", "Moscow Standard Time"},
    {"MSD", "", "Moscow Summer Time"},
    {"PKT", "", "Pakistan Standard Time"},
    {"PKST", "", "Pakistan Summer Time"},
    {"JST", "", "Japan Standard Time"},
    {"JDT", "", "Japan Daylight Time"},
    {"KST", "", "Korea Standard Time"},
    {"KDT", "", "Korea Daylight Time"},
    {"HKT", "", "Hong Kong Time"},
    {"HKST", "", "Hong Kong Summer Time"},
    {"CST", "Asia/", "China Standard Time"},
    {"CDT", "Asia/", "China Daylight Time"},
    {"PST", "Asia/Manila", "Philippine Standard Time"},
    {"PDT", "Asia/Manila", "Philippine Daylight Time"},
    {"WIB", "", "Western Indonesia Time"},
    {"WITA", "", "Central Indonesia Time"},
    {"WIT", "", "Eastern Indonesia Time"},
    {"SAST", "", "South Africa Standard Time"},
    {"WAT", "", "West Africa Time"},
    {"CAT", "", "Central Africa Time"},
    {"EAT", "", "East Africa Time"},
    {"AEST", "", "Australian Eastern Standard Time"},
    {"AEDT", "", "Australian Eastern Daylight Time"},
    {"ACST", "", "Australian Central Standard Time"},
    {"ACDT", "", "Australian Central Daylight Time"},
    {"AWST", "", "Australian Western Standard Time"},
    {"AWDT", "", "Australian Western Daylight Time"},
    {"NZST", "", "New Zealand Standard Time"},
    {"NZDT", "", "New Zealand Daylight Time"},
    {"NST", "America/St_Johns", "Newfoundland Standard Time"},
    {"NDT", "America/St_Johns", "Newfoundland Daylight Time"},
    {"AST", "America/", "Atlantic Standard Time"},
    {"ADT", "America/", "Atlantic Daylight Time"},
    {"EST", "", "Eastern Standard Time"},
    {"EDT", "", "Eastern Daylight Time"},
    {"EWT", "", "Eastern War Time"},
    {"EPT", "", "Eastern Peace Time"},
    {"CST", "", "Central Standard Time"},
    {"CDT", "", "Central Daylight Time"},
    {"CWT", "", "Central War Time"},
    {"CPT", "", "Central Peace Time"},
    {"MST", "", "Mountain Standard Time"},
    {"MDT", "", "Mountain Daylight Time"},
    {"MWT", "", "Mountain War Time"},
    {"MPT", "", "Mountain Peace Time"},
    {"PST", "", "Pacific Standard Time"},
    {"PDT", "", "Pacific Daylight Time"},
    {"PWT", "", "Pacific War Time"},
    {"PPT", "", "Pacific Peace Time"},
    {"AKST", "", "Alaska Standard Time"},
    {"AKDT", "", "Alaska Daylight Time"},
    {"HST", "", "Hawaii Standard Time"},
    {"HDT", "", "Hawaii Daylight Time"},
    {"SST", "Pacific/", "Samoa Standard Time"},
}};

}  // namespace

std::optional<std::string_view> DescribeZoneAbbreviation(std::string_view time_zone,
                                                         std::string_view abbreviation) {
  for (const ZoneAbbreviation& entry : kZoneAbbreviations) {
    if (entry.Abbreviation == abbreviation && time_zone.starts_with(entry.Zones)) {
      return entry.Description;
    }
  }
  return std::nullopt;
}

}  // namespace lumora
