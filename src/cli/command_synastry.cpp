// SPDX-License-Identifier: MIT
// lumora-cli synastry: two person records in, the comparison of their Western charts out.
#include "cli/commands.h"
#include "core/vedic/rank/candidate.h"
#include "core/western/synastry/synastry_chart.h"

namespace lumora::cli {

namespace {

std::string CellText(const Json& value) {
  if (value.is_string()) {
    return value.get<std::string>();
  }
  if (value.is_null()) {
    return "";
  }
  return value.dump();
}

// The place look-up of person records: the atlas' first match, the atlas loaded once.
std::optional<ResolvedPlace> FindPlace(std::string_view query) {
  static const auto atlas = Atlas::LoadInstalled();
  const auto* loaded = std::get_if<std::shared_ptr<const Atlas>>(&atlas);
  if (loaded == nullptr) {
    return std::nullopt;
  }
  const std::vector<Place> places = (*loaded)->Search(query, 1);
  if (places.empty()) {
    return std::nullopt;
  }
  return ResolvedPlace{places.front().Latitude, places.front().Longitude, places.front().TimeZone};
}

SynastryBirth ReadPerson(const Json& input, const char* key) {
  const auto found = input.find(key);
  if (found == input.end() || !found->is_object()) {
    throw Rejection(std::string(key) + " must be a person record (an object)", "error", key);
  }
  BirthEntry entry;
  for (const auto& item : found->items()) {
    SetBirthEntryField(entry, item.key(), CellText(item.value()));
  }
  BirthReading reading;
  reading.Manglik = false;
  auto person = ReadBirthEntry(entry, FindPlace, reading);
  if (const auto* failure = std::get_if<FormFailure>(&person)) {
    throw Rejection(std::string(key) + ": " + failure->Message, "error",
                    std::string(key) + "." + failure->Control);
  }
  const RankedPerson& read = std::get<RankedPerson>(person);
  SynastryBirth birth = SynastryBirthOf(read.Moment);
  birth.Latitude = read.Latitude;
  birth.EastLongitude = read.Longitude;
  return birth;
}

}  // namespace

void RegisterSynastryCommand(CLI::App& app, SynastryCommandOptions& options, Action& action) {
  CLI::App* synastry = app.add_subcommand(
      "synastry",
      "Western synastry of two persons (JSON Lines of {\"A\": person, \"B\": person} in; "
      "aspects, house overlays, composite and Davison charts out)");
  AddCommonOptions(synastry, options.common);
  AddSynastryOptions(synastry, options.flags);
  synastry->footer(
      "Person records: Name, BirthDate (YYYY-MM-DD), BirthTime (HH:MM or HH:MM:SS), and\n"
      "Place, or Latitude, Longitude (decimal degrees, north and east positive) and\n"
      "TimeZone (IANA name); ClockReading (earlier or later) where the hour occurred twice.\n");
  synastry->callback([&options, &action] {
    action = [&options] {
      const std::vector<Json> inputs = ReadInputs(options.common.input_file);
      const SynastryOptions chosen = options.flags.Options();
      return RunEach(inputs, options.common.json, [&chosen](const Json& input) {
        if (!input.is_object()) {
          throw Rejection("Each input line must be an object with A and B person records");
        }
        const SynastryBirth a = ReadPerson(input, "A");
        const SynastryBirth b = ReadPerson(input, "B");
        return SynastryJson(SynastryOfBirths(a, b, chosen));
      });
    };
  });
}

}  // namespace lumora::cli
