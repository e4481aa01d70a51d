// SPDX-License-Identifier: MIT
// Clocks after a zone file's last listed change: every IANA zone against Python's zoneinfo
// over the same system files (tests/data/zone-offsets.csv, scripts/reference/zone-offsets.py),
// and the POSIX TZ footer strings of RFC 8536 read on their own.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/places/clock.h"
#include "core/places/footer_rule.h"

namespace lumora {
namespace {

struct FooterCase {
  const char* Text;
  int StandardOffset;  // seconds east
  bool Daylight;
  int DaylightOffset;
  int StartTime;  // seconds of local time
  int EndTime;
};

// Footers as the tz database writes them (RFC 8536, 3.3; the tz "zic" manual): US rules, a
// southern zone with angle-bracket names and minutes, a negative and a 25-hour change time
// (version 3 extension), and a zone with no daylight time.
constexpr FooterCase kFooters[] = {
    {"EST5EDT,M3.2.0,M11.1.0", -18000, true, -14400, 7200, 7200},
    {"<+1030>-10:30<+11>-11,M10.1.0,M4.1.0", 37800, true, 39600, 7200, 7200},
    {"<-02>2<-01>,M3.5.0/-1,M10.5.0/0", -7200, true, -3600, -3600, 0},
    {"IST-2IDT,M3.4.4/26,M10.5.0", 7200, true, 10800, 93600, 7200},
    {"IST-5:30", 19800, false, 0, 0, 0},
    {"<+0545>-5:45", 20700, false, 0, 0, 0},
};

TEST(FooterRule, ParsesTheFootersOfTheDatabase) {
  for (const FooterCase& c : kFooters) {
    SCOPED_TRACE(c.Text);
    const auto rule = ParsePosixZoneRule(c.Text);
    ASSERT_TRUE(rule.has_value());
    EXPECT_EQ(rule->StandardOffsetSeconds, c.StandardOffset);
    ASSERT_EQ(rule->Daylight.has_value(), c.Daylight);
    if (c.Daylight) {
      EXPECT_EQ(rule->Daylight->UtcOffsetSeconds, c.DaylightOffset);
      EXPECT_EQ(rule->Daylight->Start.TimeSeconds, c.StartTime);
      EXPECT_EQ(rule->Daylight->End.TimeSeconds, c.EndTime);
    }
  }
  for (const char* broken : {"", "E5", "EST", "EST5EDT,M13.1.0,M11.1.0", "EST5EDT,M3.2.0",
                             "<+03>-3<", "EST5EDT,J0,J365"}) {
    EXPECT_FALSE(ParsePosixZoneRule(broken).has_value()) << broken;
  }
}

struct ZoneRow {
  std::string Zone;
  char Kind;  // 'U' or 'L'
  std::vector<std::string> Cells;
};

std::vector<ZoneRow> ReadZoneRows() {
  std::ifstream in(LUMORA_TEST_DATA "/zone-offsets.csv");
  std::vector<ZoneRow> rows;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#')
      continue;
    std::vector<std::string> cells;
    std::stringstream stream(line);
    std::string cell;
    while (std::getline(stream, cell, ','))
      cells.push_back(cell);
    if (cells.size() < 4)
      continue;
    rows.push_back({cells[0], cells[1][0], {cells.begin() + 2, cells.end()}});
  }
  return rows;
}

TEST(FooterRule, EveryZoneAgreesWithZoneinfoFrom1900To2100) {
  const std::vector<ZoneRow> rows = ReadZoneRows();
  ASSERT_GT(rows.size(), 10000u);
  int checked = 0;
  int wrong = 0;
  for (const ZoneRow& row : rows) {
    if (row.Kind != 'U')
      continue;
    const date::time_zone* zone = nullptr;
    try {
      zone = date::locate_zone(row.Zone);
    } catch (const std::runtime_error&) {
      continue;  // "Factory" and the like: files with no zone behind them
    }
    const date::sys_seconds instant{std::chrono::seconds{std::stoll(row.Cells[0])}};
    const auto offset = ZoneSysInfo(*zone, zone->name(), instant).offset.count();
    ++checked;
    if (offset != std::stoll(row.Cells[1]) && ++wrong <= 10) {
      ADD_FAILURE() << row.Zone << " at " << row.Cells[0] << ": " << offset << " s, zoneinfo "
                    << row.Cells[1];
    }
  }
  std::printf("zone offsets: %d instants of every zone, %d differ from zoneinfo\n", checked, wrong);
  EXPECT_EQ(wrong, 0);
}

TEST(FooterRule, GapsAndRepeatedHoursAfter2037) {
  int checked = 0;
  int wrong = 0;
  for (const ZoneRow& row : ReadZoneRows()) {
    if (row.Kind != 'L')
      continue;
    const std::string& text = row.Cells[0];  // YYYY-MM-DDTHH:MM
    const LocalDateTime when{std::stoi(text.substr(0, 4)), std::stoi(text.substr(5, 2)),
                             std::stoi(text.substr(8, 2)), std::stoi(text.substr(11, 2)),
                             std::stoi(text.substr(14, 2))};
    const auto read = ReadZoneClock(row.Zone, when);
    if (!std::holds_alternative<ZoneClock>(read))
      continue;  // a zone the library does not know, as above
    const ZoneClock& clock = std::get<ZoneClock>(read);
    const std::string& kind = row.Cells[1];
    const int earlier = std::stoi(row.Cells[2]);
    const int later = std::stoi(row.Cells[3]);
    bool same = false;
    if (kind == "unique") {
      same = clock.Readings.size() == 1 && clock.Readings[0].UtcOffsetSeconds == earlier;
    } else if (kind == "ambiguous") {
      same = clock.Readings.size() == 2 && clock.Readings[0].UtcOffsetSeconds == earlier &&
             clock.Readings[1].UtcOffsetSeconds == later;
    } else {
      same = clock.Readings.empty() && clock.Change &&
             clock.Change->Before.UtcOffsetSeconds == earlier &&
             clock.Change->After.UtcOffsetSeconds == later;
    }
    ++checked;
    if (!same && ++wrong <= 10) {
      ADD_FAILURE() << row.Zone << " " << text << " " << kind << ": " << clock.Readings.size()
                    << " readings";
    }
  }
  std::printf("zone changes after 2037: %d local times, %d differ from zoneinfo\n", checked, wrong);
  EXPECT_GT(checked, 1000);
  EXPECT_EQ(wrong, 0);
}

}  // namespace
}  // namespace lumora
