#include "core/vedic/rank/birth_clock.h"

#include <date/tz.h>
#include <chrono>
#include <exception>

namespace lumora {

namespace {

ZoneClockReading ReadingOf(const date::sys_info& info) {
  return {static_cast<int>(info.offset.count()), info.abbrev, info.save != std::chrono::minutes{0}};
}

}  // namespace

std::optional<std::vector<ZoneClockReading>> ReadZoneClock(std::string_view zone, int year,
                                                           int month, int day, int hour,
                                                           int minute) {
  const date::time_zone* tz = nullptr;
  try {
    tz = date::locate_zone(std::string(zone));
  } catch (const std::exception&) {
    return std::nullopt;  // date/tz reports an unknown name by throwing
  }
  const date::local_seconds local = date::local_days{date::year{year} / month / day} +
                                    std::chrono::hours{hour} + std::chrono::minutes{minute};
  const date::local_info info = tz->get_info(local);
  std::vector<ZoneClockReading> readings;
  switch (info.result) {
    case date::local_info::unique:
      readings.push_back(ReadingOf(info.first));
      break;
    case date::local_info::ambiguous:
      readings.push_back(ReadingOf(info.first));
      readings.push_back(ReadingOf(info.second));
      break;
    case date::local_info::nonexistent:
      break;
  }
  return readings;
}

}  // namespace lumora
