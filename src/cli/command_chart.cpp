// SPDX-License-Identifier: MIT
#include <mutex>

#include "cli/commands.h"
#include "cli/person_input.h"
#include "core/ephemeris/astro_time.h"
#include "core/ephemeris/chart_points.h"
#include "core/vedic/chart/sidereal_chart.h"
#include "core/vedic/rank/candidate.h"

namespace lumora::cli {

namespace {

// chart: one person record a line in, every point of the chart out.
struct ChartCommandOptions {
  CommonOptions common;
  ZodiacOptions zodiac;
};

// The first place of a search, the atlas loaded once for the whole run.
class FirstPlaceOf {
 public:
  std::optional<ResolvedPlace> operator()(std::string_view query) {
    std::call_once(loaded_, [this] {
      auto atlas = Atlas::LoadInstalled();
      if (auto* loaded = std::get_if<std::shared_ptr<const Atlas>>(&atlas)) {
        atlas_ = std::move(*loaded);
      }
    });
    if (!atlas_) {
      return std::nullopt;
    }
    const std::vector<Place> places = atlas_->Search(query, 1);
    if (places.empty()) {
      return std::nullopt;
    }
    return ResolvedPlace{places.front().Latitude, places.front().Longitude,
                         places.front().TimeZone};
  }

 private:
  std::once_flag loaded_;
  std::shared_ptr<const Atlas> atlas_;
};

Json PointsJson(const std::array<double, kChartPointCount>& longitudes) {
  Json out;
  for (std::size_t k = 0; k < kChartPointCount; ++k) {
    out[std::string(ChartPointName(static_cast<ChartPoint>(k)))] = longitudes[k];
  }
  return out;
}

Json ChartCommand(const Json& input, const ZodiacOptions& zodiac, const PlaceResolver& places) {
  const std::optional<BirthEntry> entry = ReadPersonEntries(input);
  if (!entry) {
    throw Rejection("A person record must be a JSON object");
  }
  BirthReading reading;
  reading.Manglik = false;
  reading.Chart = zodiac.Chart();
  auto read = ReadBirthEntry(*entry, places, reading);
  if (const auto* failure = std::get_if<FormFailure>(&read)) {
    throw RejectionOf(*failure);
  }
  const RankedPerson& person = std::get<RankedPerson>(read);
  const ChartInstant instant = BirthInstant(person.Moment);
  const AstroTime time = AstroTimeOf(instant);
  const ChartPoints points = ComputeChartPoints(
      time, instant.SignedLatitude, -instant.SignedLongitude, zodiac.Kind(), zodiac.Node());
  Json out;
  out["Name"] = person.Name;
  out["UtcOffsetSeconds"] = person.Moment.UtcOffsetSeconds.value_or(0);
  out["JulianDayUT"] = time.Ut;
  out["DeltaT"] = DeltaTSecondsOf(time);
  out["Ayanamsa"] = {{"Name", std::string(AyanamsaName(points.AyanamsaKind))},
                     {"Degrees", points.AyanamsaDegrees}};
  out["Node"] = points.Node == NodeKind::True ? "True" : "Mean";
  out["Tropical"] = PointsJson(points.Tropical);
  out["Sidereal"] = PointsJson(points.Sidereal);
  Json speeds;
  Json retrograde = Json::array();
  for (std::size_t k = 0; k < kMovingPointCount; ++k) {
    const std::string name(ChartPointName(static_cast<ChartPoint>(k)));
    speeds[name] = points.Speeds[k];
    if (k < kBodyCount && points.IsRetrograde(kBodies[k])) {
      retrograde.push_back(name);
    }
  }
  out["Speeds"] = std::move(speeds);
  out["Retrograde"] = std::move(retrograde);
  Json navamsa;
  for (std::size_t k = 0; k < kChartPointCount; ++k) {
    navamsa[std::string(ChartPointName(static_cast<ChartPoint>(k)))] =
        NavamsaSign(points.Sidereal[k]) + 1;
  }
  out["Navamsa"] = std::move(navamsa);
  return out;
}

void RegisterChartCommand(CLI::App& app, ChartCommandOptions& options, Action& action) {
  CLI::App* chart = app.add_subcommand(
      "chart",
      "Every point of one person's chart from the precise ephemeris, tropical and sidereal");
  AddCommonOptions(chart, options.common);
  AddZodiacOptions(chart, options.zodiac);
  chart->footer(
      "Input: one person record a line, as rank reads them: Name, BirthDate (YYYY-MM-DD),\n"
      "BirthTime (HH:MM or HH:MM:SS), and Place or Latitude, Longitude (east positive) and\n"
      "TimeZone (IANA name); ClockReading (earlier or later) where the hour occurred twice.\n");
  chart->callback([&options, &action] {
    action = [&options] {
      FirstPlaceOf atlas;
      const PlaceResolver places = [&atlas](std::string_view query) { return atlas(query); };
      return RunEach(ReadInputs(options.common.input_file), options.common.json,
                     [&options, &places](const Json& input) {
                       return ChartCommand(input, options.zodiac, places);
                     });
    };
  });
}

}  // namespace

std::unique_ptr<Command> NewChartCommand() {
  return MakeCommand<ChartCommandOptions>(RegisterChartCommand);
}

}  // namespace lumora::cli
