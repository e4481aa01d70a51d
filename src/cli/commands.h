// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <thread>

#include <CLI/CLI.hpp>

#include "cli/cli_io.h"
#include "cli/pdf_output.h"
#include "cli/synastry_output.h"
#include "core/entry/person_side.h"
#include "core/ephemeris/ayanamsa.h"
#include "core/ephemeris/moon_sign.h"
#include "core/ephemeris/precise_ephemeris.h"
#include "core/places/atlas.h"
#include "core/places/clock.h"
#include "core/vedic/chart/birth_time.h"
#include "core/vedic/chart/charts_and_doshas.h"
#include "core/vedic/timing/vimshottari.h"

namespace lumora::cli {

// The output object of the moon command, also nested in the vedic output. The
// precise Moon adds "MoonModel": "Precise" and "DeltaT" (seconds).
Json MoonJson(const MoonSignResult& moon);

// Both Moons of one birth, their nakshatras and padas, and whether they differ.
Json MoonComparisonJson(const MoonModelComparison& comparison);

// The moon command's input object read into a birth moment.
BirthMoment ReadBirthMoment(const Json& input);

Json MoonCommand(const Json& input, MoonModel model, bool compare_moons,
                 Ayanamsa ayanamsa = Ayanamsa::Standard);

// What a command runs once the command line is parsed; its exit status.
using Action = std::function<int()>;

// --json and --input.
struct CommonOptions {
  bool json = false;
  bool verbose = false;  // readable output shows the working values too
  std::string input_file;
};

// --precise-moon and, where a command offers it, --compare-moons.
struct MoonOptions {
  bool precise_moon = false;
  bool compare_moons = false;

  MoonModel Model() const { return precise_moon ? MoonModel::Precise : MoonModel::Standard; }
};

// --ayanamsa NAME and --node mean|true: the sidereal zodiac and the lunar node.
struct ZodiacOptions {
  std::string ayanamsa = "Standard";
  std::string node = "mean";

  Ayanamsa Kind() const { return FindAyanamsa(ayanamsa).value_or(Ayanamsa::Standard); }
  NodeKind Node() const { return node == "true" ? NodeKind::True : NodeKind::Mean; }
  ChartOptions Chart() const { return {Kind(), Node()}; }
};

// Each command's options. main owns them, so they outlive parsing and the action
// that reads them.
struct MoonCommandOptions {
  CommonOptions common;
  MoonOptions moon;
  ZodiacOptions zodiac;
};

// --dasha, --wedding YYYY-MM-DD and --year-days: the timing a vedic match adds.
struct DashaChoice {
  bool dasha = false;
  std::string wedding;  // empty: none
  std::string year_days = std::string(kJulianDashaYear.Text);
};

struct VedicCommandOptions {
  CommonOptions common;
  DashaChoice timing;
  bool report = false;
  MoonOptions moon;
  ZodiacOptions zodiac;
  int uncertainty = kDefaultUncertaintyMinutes;  // minutes either side of each birth time
  PdfOptions pdf;
  std::string tables;  // "specified" or "classical"; empty: the input's choice or specified
};

struct WesternCommandOptions {
  CommonOptions common;
  MoonOptions moon;
  std::string pdf_file;   // also write the report as a PDF document; empty: none
  bool synastry = false;  // adds the Synastry object (and the PDF's synastry pages)
  SynastryFlags synastry_flags;
};

struct ProfileCommandOptions {
  CommonOptions common;
  std::string file;
  bool match = false;
};

struct InfoCommandOptions {
  bool json = false;
  std::string name;
};

// Every command registers the same way: it adds itself to app with its options, and
// its callback sets action to what the program runs after parsing.
void RegisterMoonCommand(CLI::App& app, MoonCommandOptions& options, Action& action);
void RegisterWesternCommand(CLI::App& app, WesternCommandOptions& options, Action& action);
void RegisterVedicCommand(CLI::App& app, VedicCommandOptions& options, Action& action);
void RegisterProfileCommand(CLI::App& app, ProfileCommandOptions& options, Action& action);
void RegisterInfoCommand(CLI::App& app, InfoCommandOptions& options, Action& action);

// rank has no --input: its inputs are files named on the command line.
struct RankCommandOptions {
  std::string boy_file;
  std::string girl_file;
  std::string candidates_file;
  std::optional<int> top;
  std::optional<double> min_total;
  std::optional<int> uncertainty;
  int threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  bool json = false;
  bool precise_moon = false;
  std::string method = "kootas";  // or "porutham"
  std::optional<int> min_poruthams;
  ZodiacOptions zodiac;
  std::string tables = "specified";  // the koota tables the ranking orders by
};
void RegisterRankCommand(CLI::App& app, RankCommandOptions& options, Action& action);

struct SynastryCommandOptions {
  CommonOptions common;
  SynastryFlags flags;
};
void RegisterSynastryCommand(CLI::App& app, SynastryCommandOptions& options, Action& action);

// The vedic output of the four Moon values of a profile (rejected when any lies
// outside the tables).
// The doshas come with it; the score range needs birth details, which a profile lacks.
Json MatchFromProfileValues(const std::array<std::string, 4>& values, bool report);
Json MatchFromProfileValues(const std::array<std::string, 4>& values, bool report,
                            int uncertainty_minutes, KootaTables tables = KootaTables::Specified);

// The chart and dosha objects of the vedic output, shared with rank.
Json ExceptionsJson(const std::vector<DoshaException>& exceptions);
Json ManglikJson(const ManglikAssessment& manglik);
Json WindowsJson(const BirthTimeWindows& windows);
Json DoshasJson(const PairDoshas& doshas);
Json ScoreRangeJson(const ScoreRange& range);

// Catalogue records keyed by field name; an unknown name is rejected.
Json RashiJson(const std::string& name);
Json NakshatraJson(const std::string& name);

struct AtlasCommandOptions {
  std::string query;
  int limit = kDefaultSearchLimit;
  bool json = false;
};

struct ZoneCommandOptions {
  CommonOptions common;
};

void RegisterAtlasCommand(CLI::App& app, AtlasCommandOptions& options, Action& action);
void RegisterZoneCommand(CLI::App& app, ZoneCommandOptions& options, Action& action);

// The atlas output of one place.
Json PlaceJson(const Place& place);

// The zone command of one input object.
Json ZoneCommand(const Json& input);

// Adds TimeZone, UtcOffsetSeconds and Abbreviation to a person's moon output where the
// person's clock came from a zone.
void AddClockJson(Json& moon, const std::optional<PersonClock>& clock);

// A person's MTimeZoneId / MClockReading (side 'M') or FTimeZoneId / FClockReading of form
// input; an unknown reading is rejected.
void ReadZoneInput(const Json& input, PersonSide side, std::string& zone_id,
                   std::optional<ClockChoice>& reading);

// Adds --json, --verbose and --input to a command.
void AddCommonOptions(CLI::App* command, CommonOptions& options);

// Adds --json and --verbose to a command that reads no input stream.
void AddOutputOptions(CLI::App* command, CommonOptions& options);

// Adds --precise-moon, and with compare also --compare-moons, to a command.
void AddMoonOptions(CLI::App* command, MoonOptions& options, bool compare);

// Adds --ayanamsa and --node to a command.
void AddZodiacOptions(CLI::App* command, ZodiacOptions& options);

// --ayanamsa alone, for commands that read no node.
void AddAyanamsaOption(CLI::App* command, std::string& ayanamsa);

// --year-days 365.25|365.2422|360: the length of a dasha year.
void AddYearDaysOption(CLI::App* command, std::string& year_days);

// lumora-cli dasha: each person record's Vimshottari periods and Saturn's transits.
struct DashaCommandOptions {
  CommonOptions common;
  std::string ayanamsa = "Standard";
  std::string year_days = std::string(kJulianDashaYear.Text);
  int levels = kAntardashaLevel;
};
void RegisterDashaCommand(CLI::App& app, DashaCommandOptions& options, Action& action);

// chart: one person record a line in, every point of the chart out.
struct ChartCommandOptions {
  CommonOptions common;
  ZodiacOptions zodiac;
};
void RegisterChartCommand(CLI::App& app, ChartCommandOptions& options, Action& action);

// The sidereal chart of a person as the vedic output gives it (BoyChart, GirlChart).
Json ChartJson(const SiderealChart& chart);

}  // namespace lumora::cli
