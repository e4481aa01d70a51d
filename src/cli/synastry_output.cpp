// SPDX-License-Identifier: MIT
#include "cli/synastry_output.h"

#include <cstdio>

#include "core/glossary/messages.h"
#include "core/western/synastry/synastry_chart.h"

namespace lumora::cli {

namespace {

std::string Key(ChartPoint point) {
  return std::string(ChartPointName(point));
}

Json LongitudesJson(const std::array<double, kSynastryPointCount>& longitudes) {
  Json out = Json::object();
  for (int i = 0; i < kSynastryPointCount; ++i) {
    out[Key(kSynastryPoints[i])] = longitudes[i];
  }
  return out;
}

Json OverlayJson(const HouseOverlay& overlay) {
  Json out = Json::object();
  for (int i = 0; i < kSynastryPointCount; ++i) {
    out[Key(kSynastryPoints[i])] = overlay[i];
  }
  return out;
}

std::string UtText(double julian_day_ut) {
  const UtcDateTime t = UtcFromJulianDay(julian_day_ut);
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", t.Year, t.Month, t.Day, t.Hour,
                t.Minute, t.Second);
  return text;
}

}  // namespace

SynastryOptions SynastryFlags::Options() const {
  SynastryOptions options;
  options.Aspects.Orbs = orbs == "tight" ? OrbSet::Tight : OrbSet::Standard;
  options.Aspects.Minor = minor;
  options.Houses = houses == "whole"   ? HouseSystem::WholeSign
                   : houses == "equal" ? HouseSystem::Equal
                                       : HouseSystem::Placidus;
  return options;
}

void AddSynastryOptions(CLI::App* command, SynastryFlags& flags) {
  command
      ->add_option("--orbs", flags.orbs,
                   "Aspect orbs: standard (7 degrees, sextile 6, one more with the Sun or "
                   "Moon) or tight (half of those)")
      ->check(CLI::IsMember({"standard", "tight"}));
  command->add_flag("--minor", flags.minor,
                    "Also the semi-sextile (30 degrees) and the quincunx (150), orb 3");
  command
      ->add_option("--houses", flags.houses,
                   "House system of the overlays: placidus (equal houses above 66 degrees "
                   "of latitude), whole or equal")
      ->check(CLI::IsMember({"placidus", "whole", "equal"}));
}

Json SynastryJson(const SynastryReading& reading) {
  Json out;
  Json aspects = Json::array();
  for (const SynastryAspect& aspect : reading.Aspects) {
    Json row;
    row["A"] = Key(aspect.A);
    row["B"] = Key(aspect.B);
    row["Aspect"] = std::string(AspectName(aspect.Kind));
    row["Orb"] = aspect.Orb;
    row["Applying"] = aspect.Applying ? Json(*aspect.Applying) : Json(nullptr);
    aspects.push_back(std::move(row));
  }
  out["Aspects"] = std::move(aspects);
  out["HouseOverlays"]["AInB"] = OverlayJson(reading.AInB);
  out["HouseOverlays"]["BInA"] = OverlayJson(reading.BInA);
  out["Composite"] = LongitudesJson(reading.Composite);
  Json& davison = out["Davison"];
  davison["UT"] = UtText(reading.Davison.JulianDayUt);
  davison["Latitude"] = reading.Davison.Latitude;
  davison["Longitude"] = reading.Davison.EastLongitude;
  std::array<double, kSynastryPointCount> positions{};
  for (int i = 0; i < kSynastryPointCount; ++i) {
    positions[i] = reading.DavisonChart.Points[i].Longitude;
  }
  davison["Positions"] = LongitudesJson(positions);
  Json notes = Json::array();
  for (const auto& [who, houses] : {std::pair{"A", &reading.HousesA}, {"B", &reading.HousesB}}) {
    if (houses->FellBack()) {
      notes.push_back(std::string(who) + ": " + RecordMessageText(RecordMessage::HousesFellBack));
    }
  }
  if (!notes.empty()) {
    out["Notes"] = std::move(notes);
  }
  return out;
}

}  // namespace lumora::cli
