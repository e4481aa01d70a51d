// SPDX-License-Identifier: MIT
// lumora-cli atlas and zone: birth places and the clocks they kept.
#include <iostream>
#include <limits>

#include "cli/commands.h"
#include "core/glossary/messages.h"
#include "core/places/atlas.h"
#include "core/places/clock.h"

namespace lumora::cli {

namespace {

// The atlas command's options.
struct AtlasCommandOptions {
  std::string query;
  int limit = kDefaultSearchLimit;
  bool json = false;
};

// The zone command's options.
struct ZoneCommandOptions {
  CommonOptions common;
};

}  // namespace

namespace {

int RunAtlas(const AtlasCommandOptions& options) {
  auto loaded = Atlas::LoadInstalled();
  if (const auto* failure = std::get_if<FormFailure>(&loaded)) {
    throw UsageError(failure->Message);
  }
  const auto& atlas = std::get<std::shared_ptr<const Atlas>>(loaded);
  const std::vector<Place> places = atlas->Search(options.query, options.limit);
  if (places.empty()) {
    WriteResult(
        *Context().Out,
        ErrorObject(Rejection("No place matches \"" + options.query + "\".", "information")),
        options.json);
    return 2;
  }
  for (const Place& place : places) {
    WriteResult(*Context().Out, PlaceJson(place), options.json);
  }
  return 0;
}

}  // namespace

namespace {

constexpr std::tuple kPlaceFields{
    JsonField{"Name", &Place::Name},
    JsonField{"State", &Place::State},
    JsonField{"Country", &Place::Country},
    JsonField{"CountryCode", &Place::CountryCode},
    JsonField{"Latitude", &Place::Latitude},
    JsonField{"Longitude", &Place::Longitude},
    JsonField{"TimeZone", &Place::TimeZone},
    JsonField{"Population", &Place::Population},
    JsonField{"Id", &Place::Id},
};

}  // namespace

Json PlaceJson(const Place& place) {
  return RecordJson(place, kPlaceFields);
}

Json ZoneCommand(const Json& input) {
  if (!input.contains("TimeZone") || !input["TimeZone"].is_string()) {
    throw Rejection(RecordMessageText(RecordMessage::ZoneNeeded));
  }
  const std::string zone = input["TimeZone"].get<std::string>();
  // Whole numbers of any size here; the ranges are checked below, in one message.
  const auto whole = [&input](const char* key, std::optional<int> fallback) {
    return IntField(input, key, fallback, std::numeric_limits<int>::min(),
                    std::numeric_limits<int>::max(), std::string(key) + " must be a whole number");
  };
  const LocalDateTime when{whole("BirthYear", std::nullopt), whole("BirthMonth", std::nullopt),
                           whole("BirthDay", std::nullopt), whole("BirthHour", 0),
                           whole("BirthMinute", 0)};
  if (when.Month < 1 || when.Month > 12 || when.Day < 1 || when.Day > 31 || when.Hour < 0 ||
      when.Hour > 24 || when.Minute < 0 || when.Minute > 59) {
    throw Rejection("BirthMonth, BirthDay, BirthHour or BirthMinute is out of range");
  }
  const auto clock = ReadZoneClock(zone, when);
  if (const auto* failure = std::get_if<FormFailure>(&clock)) {
    throw RejectionOf(*failure);
  }
  const ZoneClock& c = std::get<ZoneClock>(clock);
  if (c.Readings.empty()) {
    // The person's reading gives the message that names the change.
    const auto refused = ReadPersonClock(zone, when, std::nullopt, std::nullopt);
    throw RejectionOf(std::get<FormFailure>(refused));
  }
  Json out;
  out["TimeZone"] = c.TimeZone;
  Json readings = Json::array();
  for (const ClockReading& reading : c.Readings) {
    const ZoneFormValues form = FormValuesOf(reading);
    Json item;
    item["UtcOffsetSeconds"] = reading.UtcOffsetSeconds;
    item["Abbreviation"] = reading.Abbreviation;
    item["IsDaylight"] = reading.IsDaylight;
    item["ZoneHour"] = form.ZoneHour;
    item["ZoneMinute"] = form.ZoneMinute;
    item["ZoneIsEast"] = form.ZoneIsEast;
    item["IsDST"] = form.IsDST;
    if (reading.Caution) {
      item["Caution"] = *reading.Caution;
    }
    readings.push_back(std::move(item));
  }
  out["Readings"] = std::move(readings);
  return out;
}

void AddClockJson(Json& moon, const std::optional<PersonClock>& clock) {
  if (clock) {
    moon["TimeZone"] = clock->TimeZone;
    moon["UtcOffsetSeconds"] = clock->Reading.UtcOffsetSeconds;
    moon["Abbreviation"] = clock->Reading.Abbreviation;
  }
}

void ReadZoneInput(const Json& input, PersonSide person, std::string& zone_id,
                   std::optional<ClockChoice>& reading) {
  const char side = SideLetter(person);
  const std::string zone_key = std::string(1, side) + "TimeZoneId";
  const std::string reading_key = std::string(1, side) + "ClockReading";
  zone_id = StringField(input, zone_key.c_str(), "");
  const std::string choice = StringField(input, reading_key.c_str(), "");
  if (choice.empty()) {
    reading.reset();
    return;
  }
  reading = ParseClockChoice(choice);
  if (!reading) {
    throw Rejection(reading_key + " must be \"earlier\" or \"later\"", "error",
                    std::string("cbo") + side + "HH");
  }
}

namespace {

void RegisterAtlasCommand(CLI::App& app, AtlasCommandOptions& options, Action& action) {
  CLI::App* atlas = app.add_subcommand(
      "atlas",
      "Birth places: QUERY is a place name (old names and other spellings too), optionally "
      "followed by a comma and words naming the state or country (\"Perth, Australia\")");
  atlas->add_option("QUERY", options.query, "The place to look for")->required();
  atlas->add_option("--limit", options.limit, "At most N places (1 to 100, default 10)")
      ->check(CLI::Range(1, 100));
  atlas->add_flag("--json", options.json, "Write JSON Lines (one compact object per line)");
  atlas->callback([&options, &action] { action = [&options] { return RunAtlas(options); }; });
}

void RegisterZoneCommand(CLI::App& app, ZoneCommandOptions& options, Action& action) {
  CLI::App* zone = app.add_subcommand(
      "zone",
      "The clock of a place on a date: {\"TimeZone\", \"BirthYear\", \"BirthMonth\", "
      "\"BirthDay\", \"BirthHour\", \"BirthMinute\"} in, the valid readings of that local time "
      "out (two where the hour occurred twice)");
  AddCommonOptions(zone, options.common);
  zone->callback([&options, &action] {
    action = [&options] {
      return RunEach(ReadInputs(options.common.input_file), options.common.json, ZoneCommand);
    };
  });
}

}  // namespace

std::unique_ptr<Command> NewAtlasCommand() {
  return MakeCommand<AtlasCommandOptions>(RegisterAtlasCommand);
}

std::unique_ptr<Command> NewZoneCommand() {
  return MakeCommand<ZoneCommandOptions>(RegisterZoneCommand);
}

}  // namespace lumora::cli
