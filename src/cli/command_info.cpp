// SPDX-License-Identifier: MIT
#include "cli/commands.h"
#include "core/entry/time_zones.h"
#include "core/vedic/match/koota_texts.h"

namespace lumora::cli {

namespace {

// The info command's options.
struct InfoCommandOptions {
  bool json = false;
  std::string name;
};

}  // namespace

namespace {

std::vector<Json> KootasJson() {
  std::vector<Json> kootas;
  for (int k = 0; k < kKootaCount; ++k) {
    Json item;
    item["Koota"] = std::string(kKootas[k].Koota);
    item["Maximum"] = std::string(kKootas[k].Maximum);
    item["AreaOfLife"] = std::string(kKootas[k].AreaOfLife);
    item["Significance"] = std::string(kKootaSignificance[k]);
    kootas.push_back(std::move(item));
  }
  return kootas;
}

std::vector<Json> TimeZonesJson() {
  std::vector<Json> rows;
  for (const TimeZoneRow& row : kTimeZones) {
    Json item;
    item["Text"] = std::string(row.Text);
    item["Hours"] = row.Hours;
    item["Minutes"] = row.Minutes;
    rows.push_back(std::move(item));
  }
  return rows;
}

// Lists come out one object per line.
int Emit(const std::function<std::vector<Json>()>& make, bool json) {
  try {
    for (const Json& item : make()) {
      WriteResult(*Context().Out, item, json);
    }
    return 0;
  } catch (const Rejection& rejection) {
    WriteResult(*Context().Out, ErrorObject(rejection), json);
    return 2;
  }
}

}  // namespace

namespace {

void RegisterInfoCommand(CLI::App& app, InfoCommandOptions& options, Action& action) {
  CLI::App* info =
      app.add_subcommand("info", "The catalogues: rashis, nakshatras, kootas, time zones");
  info->require_subcommand(1);
  info->add_flag("--json", options.json, "Write JSON (one compact object)");

  CLI::App* rashi =
      info->add_subcommand("rashi", "The rashi record named NAME (English or Indian name)");
  rashi->add_option("NAME", options.name, "Sign name in any letter case, for example Leo or Simha")
      ->required();
  rashi->add_flag("--json", options.json, "Write JSON (one compact object)");
  rashi->callback([&options, &action] {
    action = [&options] {
      return Emit([&options] { return std::vector<Json>{RashiJson(options.name)}; }, options.json);
    };
  });

  CLI::App* nakshatra = info->add_subcommand("nakshatra", "The nakshatra record named NAME");
  nakshatra
      ->add_option("NAME", options.name,
                   "Nakshatra name in any letter case, for example Moola or Mula")
      ->required();
  nakshatra->add_flag("--json", options.json, "Write JSON (one compact object)");
  nakshatra->callback([&options, &action] {
    action = [&options] {
      return Emit([&options] { return std::vector<Json>{NakshatraJson(options.name)}; },
                  options.json);
    };
  });

  CLI::App* kootas = info->add_subcommand("kootas", "The eight kootas in koota order");
  kootas->add_flag("--json", options.json, "Write JSON (one compact object)");
  kootas->callback(
      [&options, &action] { action = [&options] { return Emit(KootasJson, options.json); }; });

  CLI::App* zones = info->add_subcommand("timezones", "The 71 rows of the time-zone table");
  zones->add_flag("--json", options.json, "Write JSON (one compact object)");
  zones->callback(
      [&options, &action] { action = [&options] { return Emit(TimeZonesJson, options.json); }; });
}

}  // namespace

std::unique_ptr<Command> NewInfoCommand() {
  return MakeCommand<InfoCommandOptions>(RegisterInfoCommand);
}

}  // namespace lumora::cli
