#include "cli/commands.h"

namespace lumora::cli {

Json MoonJson(const MoonSignResult& moon) {
  Json out;
  out["UT"] = moon.UT;
  out["JulianDay"] = moon.JulianDay;
  out["T"] = moon.T;
  out["TropicalLongitude"] = moon.TropicalLongitude;
  out["AyanamsaCorrection"] = moon.AyanamsaCorrection;
  out["SiderealLongitude"] = moon.SiderealLongitude;
  out["MoonLongitudeText"] = moon.MoonLongitudeText;
  out["MoonSignName"] = moon.MoonSignName;
  out["NakshatraName"] = moon.NakshatraName;
  if (moon.Model == MoonModel::Precise) {
    out["MoonModel"] = "Precise";
    out["DeltaT"] = moon.DeltaT.value_or(0.0);
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
  moment.BirthYear = IntField(input, "BirthYear", std::nullopt);
  moment.BirthMonth = IntField(input, "BirthMonth", std::nullopt);
  moment.BirthDay = IntField(input, "BirthDay", std::nullopt);
  moment.BirthHour = IntField(input, "BirthHour", 0);
  moment.BirthMinute = IntField(input, "BirthMinute", 0);
  moment.ZoneHour = IntField(input, "ZoneHour", 0);
  moment.ZoneMinute = IntField(input, "ZoneMinute", 0);
  moment.LongDeg = IntField(input, "LongDeg", 0);
  moment.LongMin = IntField(input, "LongMin", 0);
  moment.LatDeg = IntField(input, "LatDeg", 0);
  moment.LatMin = IntField(input, "LatMin", 0);
  moment.IsEast = BoolField(input, "IsEast", false);
  moment.IsSouth = BoolField(input, "IsSouth", false);
  moment.IsDST = BoolField(input, "IsDST", false);
  return moment;
}

Json MoonCommand(const Json& input, MoonModel model, bool compare_moons) {
  const BirthMoment moment = ReadBirthMoment(input);
  Json out = MoonJson(CalculateMoonSign(moment, model));
  if (compare_moons) {
    out["MoonComparison"] = MoonComparisonJson(CompareMoonModels(moment));
  }
  return out;
}

void RegisterMoonCommand(CLI::App& app, MoonCommandOptions& options, Action& action) {
  CLI::App* moon = app.add_subcommand(
      "moon",
      "The sidereal Moon of one birth moment (BirthMoment fields in, Moon sign and nakshatra out)");
  AddCommonOptions(moon, options.common);
  AddMoonOptions(moon, options.moon, true);
  moon->callback([&options, &action] {
    action = [&options] {
      return RunEach(ReadInputs(options.common.input_file), options.common.json,
                     [&options](const Json& input) {
                       return MoonCommand(input, options.moon.Model(), options.moon.compare_moons);
                     });
    };
  });
}

}  // namespace lumora::cli
