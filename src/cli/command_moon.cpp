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
  return out;
}

Json MoonCommand(const Json& input) {
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
  FormResult<MoonSignResult> moon = CalculateMoonSign(moment);
  if (const auto* failure = std::get_if<FormFailure>(&moon)) {
    throw RejectionOf(*failure);
  }
  return MoonJson(std::get<MoonSignResult>(moon));
}

}  // namespace lumora::cli
