#pragma once

#include <array>
#include <functional>
#include <string>

#include <CLI/CLI.hpp>

#include "cli/cli_io.h"
#include "core/ephemeris/moon_sign.h"
#include "core/places/atlas.h"
#include "core/places/clock.h"
#include "core/vedic/chart/charts_and_doshas.h"

namespace lumora::cli {

// The output object of the moon command, also nested in the vedic output. The
// precise Moon adds "MoonModel": "Precise" and "DeltaT" (seconds).
Json MoonJson(const MoonSignResult& moon);

// Both Moons of one birth, their nakshatras and padas, and whether they differ.
Json MoonComparisonJson(const MoonModelComparison& comparison);

// The moon command's input object read into a birth moment.
BirthMoment ReadBirthMoment(const Json& input);

Json MoonCommand(const Json& input, MoonModel model, bool compare_moons);

// Options shared by every command.
struct CommonOptions {
  bool json = false;
  std::string input_file;
  bool precise_moon = false;   // --precise-moon, where a command offers it
  bool compare_moons = false;  // --compare-moons, where a command offers it

  MoonModel Moon() const { return precise_moon ? MoonModel::Precise : MoonModel::Standard; }
};

// Each adds one command; its callback sets action to what the program runs after parsing.
void RegisterWesternCommand(CLI::App& app, CommonOptions& options, std::function<int()>& action);
void RegisterVedicCommand(CLI::App& app, CommonOptions& options, std::function<int()>& action);
void RegisterProfileCommand(CLI::App& app, CommonOptions& options, std::function<int()>& action);
void RegisterInfoCommand(CLI::App& app, CommonOptions& options, std::function<int()>& action);
// rank has options of its own and no --input: its inputs are files named on the command line.
void RegisterRankCommand(CLI::App& app, std::function<int()>& action);

// The vedic output of the four Moon values of a profile (rejected when any lies
// outside the tables).
// The doshas come with it; the score range needs birth details, which a profile lacks.
Json MatchFromProfileValues(const std::array<std::string, 4>& values, bool report);
Json MatchFromProfileValues(const std::array<std::string, 4>& values, bool report,
                            int uncertainty_minutes);

// The chart and dosha objects of the vedic output, shared with rank.
Json ExceptionsJson(const std::vector<DoshaException>& exceptions);
Json ManglikJson(const ManglikAssessment& manglik);
Json WindowsJson(const BirthTimeWindows& windows);
Json DoshasJson(const PairDoshas& doshas);
Json ScoreRangeJson(const ScoreRange& range);

// Catalogue records keyed by field name; an unknown name is rejected.
Json RashiJson(const std::string& name);
Json NakshatraJson(const std::string& name);

// Adds the commands beyond moon (vedic, western, profile, info); each sets action
// to what the program runs after parsing.
void RegisterMoreCommands(CLI::App& app, CommonOptions& options, std::function<int()>& action);

// atlas and zone, each with its own options.
void RegisterPlaceCommands(CLI::App& app, std::function<int()>& action);

// The atlas output of one place.
Json PlaceJson(const Place& place);

// The zone command of one input object.
Json ZoneCommand(const Json& input);

// Adds TimeZone, UtcOffsetSeconds and Abbreviation to a person's moon output where the
// person's clock came from a zone.
void AddClockJson(Json& moon, const std::optional<PersonClock>& clock);

// A person's MTimeZoneId / MClockReading (side 'M') or FTimeZoneId / FClockReading of form
// input; an unknown reading is rejected.
void ReadZoneInput(const Json& input, char side, std::string& zone_id,
                   std::optional<ClockChoice>& reading);

// Adds --json and --input to a command.
void AddCommonOptions(CLI::App* command, CommonOptions& options);

// Adds --precise-moon, and with compare also --compare-moons, to a command.
void AddMoonOptions(CLI::App* command, CommonOptions& options, bool compare);

}  // namespace lumora::cli
