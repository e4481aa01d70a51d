// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

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
  std::string ayanamsa;  // empty: not given
  std::string node;

  Ayanamsa Kind() const { return FindAyanamsa(ayanamsa).value_or(Ayanamsa::Standard); }
  NodeKind Node() const { return FindNode(node).value_or(NodeKind::Mean); }
  ChartOptions Chart() const { return {Kind(), Node()}; }
  // The options given, the others' as an input (a couple file) keeps them.
  ChartOptions ChartOr(const ChartOptions& kept) const {
    return {FindAyanamsa(ayanamsa).value_or(kept.ayanamsa), FindNode(node).value_or(kept.node)};
  }
};

// One command of the program. Its options are a struct of its own (declared in its
// file) that the command holds, so they outlive parsing and the action that reads them;
// Register adds the command to the command line once, Reset puts its options back to
// their defaults before each run.
class Command {
 public:
  virtual ~Command() = default;
  virtual void Register(CLI::App& app, Action& action) = 0;
  virtual void Reset() = 0;
  // Whether readable output is to show the working values too (--verbose).
  virtual bool Verbose() const = 0;
};

// A command made of its options struct and the function that registers it: it adds
// itself to app with its options, and its callback sets action to what the program
// runs after parsing.
template <typename Options>
class CommandOf final : public Command {
 public:
  using Registration = void (*)(CLI::App& app, Options& options, Action& action);
  explicit CommandOf(Registration registration) : registration_(registration) {}

  void Register(CLI::App& app, Action& action) override { registration_(app, *options_, action); }
  // Made anew in place: the command line keeps the addresses of the fields it fills.
  void Reset() override { options_.emplace(); }
  bool Verbose() const override {
    if constexpr (requires { options_->common.verbose; }) {
      return options_->common.verbose;
    } else {
      return false;
    }
  }

 private:
  Registration registration_;
  std::optional<Options> options_{std::in_place};
};

template <typename Options>
std::unique_ptr<Command> MakeCommand(typename CommandOf<Options>::Registration registration) {
  return std::make_unique<CommandOf<Options>>(registration);
}

// The commands of the program, in the order the help lists them (commands_registry.cpp:
// a new command is its own file and one line there).
std::vector<std::unique_ptr<Command>> MakeCommands();

// --dasha, --wedding YYYY-MM-DD and --year-days: the timing a vedic match adds.
struct DashaChoice {
  bool dasha = false;
  std::string wedding;  // empty: none
  std::string year_days = std::string(kJulianDashaYear.Text);
};

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

// The sidereal chart of a person as the vedic output gives it (BoyChart, GirlChart).
Json ChartJson(const SiderealChart& chart);

}  // namespace lumora::cli
