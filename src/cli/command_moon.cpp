// SPDX-License-Identifier: MIT
#include "cli/commands.h"

namespace lumora::cli {

namespace {

// The moon command's options.
struct MoonCommandOptions {
  CommonOptions common;
  MoonOptions moon;
  ZodiacOptions zodiac;
};

}  // namespace

namespace {

constexpr std::tuple kMoonFields{
    JsonField{"UT", &MoonSignResult::UT},
    JsonField{"JulianDay", &MoonSignResult::JulianDay},
    JsonField{"T", &MoonSignResult::T},
    JsonField{"TropicalLongitude", &MoonSignResult::TropicalLongitude},
    JsonField{"AyanamsaCorrection", &MoonSignResult::AyanamsaCorrection},
    JsonField{"SiderealLongitude", &MoonSignResult::SiderealLongitude},
    JsonField{"MoonLongitudeText", &MoonSignResult::MoonLongitudeText},
    JsonField{"MoonSignName", &MoonSignResult::MoonSignName},
    JsonField{"NakshatraName", &MoonSignResult::NakshatraName},
};

}  // namespace

Json MoonJson(const MoonSignResult& moon) {
  Json out = RecordJson(moon, kMoonFields);
  if (moon.Model == MoonModel::Precise) {
    out["MoonModel"] = "Precise";
    out["DeltaT"] = moon.DeltaT.value_or(0.0);
  }
  if (moon.AyanamsaKind != Ayanamsa::Standard) {
    out["Ayanamsa"] = {{"Name", std::string(AyanamsaName(moon.AyanamsaKind))},
                       {"Degrees", -moon.AyanamsaCorrection}};
  }
  return out;
}

Json MoonComparisonJson(const MoonModelComparison& comparison) {
  Json out;
  out["StandardTropicalLongitude"] = comparison.Standard.TropicalLongitude;
  out["PreciseTropicalLongitude"] = comparison.Precise.TropicalLongitude;
  out["DifferenceArcseconds"] = comparison.DifferenceArcseconds;
  out["StandardNakshatra"] = comparison.Standard.NakshatraName;
  out["StandardPada"] = comparison.StandardPada;
  out["PreciseNakshatra"] = comparison.Precise.NakshatraName;
  out["PrecisePada"] = comparison.PrecisePada;
  out["NakshatraDiffers"] = comparison.NakshatraDiffers;
  out["PadaDiffers"] = comparison.PadaDiffers;
  return out;
}

BirthMoment ReadBirthMoment(const Json& input) {
  BirthMoment moment;
  // The date is required; the rest defaults to midnight at Greenwich, 0 degrees.
  for (const MomentField& field : kMomentFields) {
    const std::string key(field.Name);
    const bool required = key == "BirthYear" || key == "BirthMonth" || key == "BirthDay";
    moment.*field.Member =
        IntField(input, key.c_str(), required ? std::nullopt : std::optional<int>(0), field.Minimum,
                 field.Maximum, MomentFieldMessage(field));
  }
  moment.IsEast = BoolField(input, "IsEast", false);
  moment.IsSouth = BoolField(input, "IsSouth", false);
  moment.IsDST = BoolField(input, "IsDST", false);
  // The fields passed their ranges one by one; the date must also exist.
  if (auto failure = ValidateBirthMoment(moment)) {
    throw RejectionOf(*failure);
  }
  return moment;
}

Json MoonCommand(const Json& input, MoonModel model, bool compare_moons, Ayanamsa ayanamsa) {
  const BirthMoment moment = ReadBirthMoment(input);
  Json out = MoonJson(CalculateMoonSign(moment, model, ayanamsa));
  if (compare_moons) {
    out["MoonComparison"] = MoonComparisonJson(CompareMoonModels(moment));
  }
  return out;
}

namespace {

void RegisterMoonCommand(CLI::App& app, MoonCommandOptions& options, Action& action) {
  CLI::App* moon = app.add_subcommand(
      "moon",
      "The sidereal Moon of one birth moment (BirthMoment fields in, Moon sign and nakshatra out)");
  AddCommonOptions(moon, options.common);
  moon->footer(
      "Input keys: BirthYear (1-9999), BirthMonth (1-12), BirthDay, BirthHour (0-24),\n"
      "BirthMinute (0-59), ZoneHour (0-14), ZoneMinute (0-59), LongDeg (0-180), LongMin,\n"
      "LatDeg (0-90), LatMin (whole numbers); IsEast, IsSouth, IsDST (true or false).\n"
      "BirthYear, BirthMonth and BirthDay are required; the rest default to 0 and false.\n");
  AddMoonOptions(moon, options.moon, true);
  AddZodiacOptions(moon, options.zodiac);
  moon->callback([&options, &action] {
    action = [&options] {
      return RunEach(ReadInputs(options.common.input_file), options.common.json,
                     [&options](const Json& input) {
                       return MoonCommand(input, options.moon.Model(), options.moon.compare_moons,
                                          options.zodiac.Kind());
                     });
    };
  });
}

}  // namespace

std::unique_ptr<Command> NewMoonCommand() {
  return MakeCommand<MoonCommandOptions>(RegisterMoonCommand);
}

}  // namespace lumora::cli
