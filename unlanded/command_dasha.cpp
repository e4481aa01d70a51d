// SPDX-License-Identifier: MIT
// lumora-cli dasha: each person's Vimshottari periods, Sade Sati and Ashtama Shani.
#include <memory>

#include "cli/commands.h"
#include "cli/dasha_json.h"
#include "cli/person_record.h"
#include "core/places/atlas.h"
#include "core/vedic/rank/candidate.h"
#include "core/vedic/timing/sky_timing.h"

namespace lumora::cli {

namespace {

struct DashaCommandOptions {
  CommonOptions common;
  std::string ayanamsa = "Standard";
  std::string year_days = std::string(kJulianDashaYear.Text);
  int levels = kAntardashaLevel;
};

// The atlas, loaded on the first record that names a place; its first match is the place.
class FirstPlaceOfAtlas {
 public:
  std::optional<ResolvedPlace> operator()(std::string_view query) {
    if (!loaded_) {
      loaded_ = true;
      auto atlas = Atlas::LoadInstalled();
      if (auto* found = std::get_if<std::shared_ptr<const Atlas>>(&atlas)) {
        atlas_ = std::move(*found);
      }
    }
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
  bool loaded_ = false;
  std::shared_ptr<const Atlas> atlas_;
};

Json DashaOfRecord(const Json& input, const PlaceResolver& places, Ayanamsa ayanamsa,
                   const TimingOptions& options) {
  const std::optional<BirthEntry> entry = ReadPersonRecord(input);
  if (!entry) {
    throw Rejection("The input is not a JSON object");
  }
  auto read = ReadBirthEntry(*entry, places);
  if (const auto* failure = std::get_if<FormFailure>(&read)) {
    throw RejectionOf(*failure);
  }
  const RankedPerson person = std::get<RankedPerson>(std::move(read));
  // The person's dates are on the clock of the birth place's zone.
  std::string zone = entry->TimeZone;
  if (zone.empty() && !entry->Place.empty()) {
    if (const std::optional<ResolvedPlace> place = places(entry->Place)) {
      zone = place->TimeZone;
    }
  }
  const PersonTiming timing =
      ComputeSkyTiming(person.Moment, BirthClock(person.Moment, zone), ayanamsa, options);
  return PersonDashaJson(person.Name, timing);
}

void RegisterDashaCommand(CLI::App& app, DashaCommandOptions& options, Action& action) {
  CLI::App* dasha = app.add_subcommand(
      "dasha",
      "Vimshottari mahadashas, antardashas and pratyantardashas, Sade Sati and Ashtama Shani "
      "of each person record");
  AddCommonOptions(dasha, options.common);
  dasha->add_option("--ayanamsa", options.ayanamsa,
                    "Standard, Lahiri, Raman, Krishnamurti, TrueChitra or FaganBradley "
                    "(default Standard)");
  dasha->add_option("--year-days", options.year_days,
                    "The length of a dasha year in days: 365.25 (default), 365.2422 or 360");
  dasha->add_option("--levels", options.levels,
                    "1: mahadashas; 2: with antardashas (default); 3: with pratyantardashas")
      ->check(CLI::Range(kMahadashaLevel, kPratyantardashaLevel));
  dasha->footer(
      "Input: person records, one JSON object a line: Name, BirthDate (YYYY-MM-DD),\n"
      "BirthTime (HH:MM), and Place or Latitude, Longitude and TimeZone; optional\n"
      "ClockReading. Dates out are YYYY-MM-DD on the birth place's clock.\n");
  dasha->callback([&options, &action] {
    const std::optional<Ayanamsa> ayanamsa = FindAyanamsa(options.ayanamsa);
    if (!ayanamsa) {
      throw UsageError("unknown ayanamsa: " + options.ayanamsa);
    }
    const std::optional<DashaYearLength> year = DashaYearLengthNamed(options.year_days);
    if (!year) {
      throw UsageError("--year-days takes 365.25, 365.2422 or 360");
    }
    action = [&options, ayanamsa = *ayanamsa, year = *year] {
      auto atlas = std::make_shared<FirstPlaceOfAtlas>();
      const PlaceResolver places = [atlas](std::string_view query) { return (*atlas)(query); };
      const TimingOptions timing{year.Days, options.levels};
      return RunEach(ReadInputs(options.common.input_file), options.common.json,
                     [&](const Json& input) {
                       return DashaOfRecord(input, places, ayanamsa, timing);
                     });
    };
  });
}

}  // namespace

std::unique_ptr<Command> NewDashaCommand() {
  return MakeCommand<DashaCommandOptions>(RegisterDashaCommand);
}

}  // namespace lumora::cli
