// SPDX-License-Identifier: MIT
#include "core/vedic/chart/sidereal_chart.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>

#include "core/ephemeris/calendar.h"
#include "core/ephemeris/geometry.h"
#include "core/ephemeris/moon.h"
#include "core/ephemeris/moon_sign.h"
#include "core/ephemeris/precise_moon.h"
#include "core/glossary/glossary.h"
#include "core/glossary/phrases.h"

namespace lumora {

namespace {

constexpr double kSecondsPerHour = 3600.0;

double CenturiesAt(const ChartInstant& instant) {
  return JulianCenturies(instant.UT, instant.JulianDay);
}

}  // namespace

ChartInstant BirthInstant(const BirthMoment& moment) {
  const TimeArguments args = ComputeTimeArguments(moment);
  return {args.UT, args.JulianDay, SignedLongitude(moment), SignedLatitude(moment)};
}

ChartInstant ShiftedInstant(const ChartInstant& instant, double seconds) {
  ChartInstant shifted = instant;
  shifted.UT += seconds / kSecondsPerHour;
  return shifted;
}

int SignOf(double longitude) {
  const int sign = static_cast<int>(std::floor(longitude / kDegreesPerSign));
  return ((sign % 12) + 12) % 12;
}

int HouseFrom(int sign, int reference_sign) {
  return ((sign - reference_sign) % 12 + 12) % 12 + 1;
}

AstroTime AstroTimeOf(const ChartInstant& instant) {
  return AstroTimeFromUt(instant.JulianDay - 0.5 + instant.UT / 24.0);
}

std::string_view NodeName(NodeKind node) {
  return node == NodeKind::True ? "True" : "Mean";
}

std::optional<NodeKind> FindNode(std::string_view name) {
  for (const NodeKind node : {NodeKind::Mean, NodeKind::True}) {
    const std::string_view known = NodeName(node);
    if (name.size() == known.size() &&
        std::equal(name.begin(), name.end(), known.begin(), [](char a, char b) {
          return std::tolower(static_cast<unsigned char>(a)) ==
                 std::tolower(static_cast<unsigned char>(b));
        })) {
      return node;
    }
  }
  return std::nullopt;
}

std::string FormatArc(double degrees) {
  const bool negative = degrees < 0.0;
  const long long seconds = std::llround(std::abs(degrees) * 3600.0);
  char text[48];
  std::snprintf(text, sizeof text, "%s%lld\u00B0%02lld\u2032%02lld\u2033", negative ? "-" : "",
                seconds / 3600, seconds / 60 % 60, seconds % 60);
  return text;
}

std::string AyanamsaWords(const ChartZodiac& zodiac, Language language) {
  return std::string(AyanamsaWord(language, zodiac.Options.ayanamsa)) + ", " +
         FormatArc(zodiac.AyanamsaDegrees);
}

std::string AyanamsaLine(const ChartZodiac& zodiac, Language language) {
  return Fill(PhrasesOf(language).AyanamsaLine, {AyanamsaWords(zodiac, language)});
}

std::string NodeLine(NodeKind node, Language language) {
  return Fill(PhrasesOf(language).NodeLine, {NodeWord(language, node)});
}

std::optional<Body> BodyOf(Graha graha) {
  switch (graha) {
    case Graha::Sun:
      return Body::Sun;
    case Graha::Moon:
      return Body::Moon;
    case Graha::Mars:
      return Body::Mars;
    case Graha::Mercury:
      return Body::Mercury;
    case Graha::Jupiter:
      return Body::Jupiter;
    case Graha::Venus:
      return Body::Venus;
    case Graha::Saturn:
      return Body::Saturn;
    case Graha::Rahu:
    case Graha::Ketu:
      return std::nullopt;
  }
  return std::nullopt;
}

double SiderealMoonAt(const ChartInstant& instant, const ChartOptions& options) {
  const AstroTime time = AstroTimeOf(instant);
  return NormalizedDegrees(ApparentLongitude(Body::Moon, time) -
                           AyanamsaDegrees(options.ayanamsa, time));
}

double SiderealLagnaAt(const ChartInstant& instant, const ChartOptions& options) {
  const AstroTime time = AstroTimeOf(instant);
  const ChartAngles angles = AnglesAt(time, instant.SignedLatitude, -instant.SignedLongitude);
  return NormalizedDegrees(angles.Ascendant - AyanamsaDegrees(options.ayanamsa, time));
}

double GunaMilanMoonAt(const ChartInstant& instant, MoonModel model, Ayanamsa ayanamsa) {
  const double T = CenturiesAt(instant);
  const double correction = ayanamsa == Ayanamsa::Standard
                                ? AyanamsaCorrection(T)
                                : -AyanamsaDegrees(ayanamsa, AstroTimeOf(instant));
  return NormalizedDegrees(SiderealLongitude(TropicalMoonLongitude(T, model), correction));
}

ChartZodiac ChartZodiacAt(const BirthMoment& moment, const ChartOptions& options) {
  return {options, AyanamsaDegrees(options.ayanamsa, AstroTimeOf(BirthInstant(moment)))};
}

SiderealChart CalculateSiderealChart(const BirthMoment& moment, const ChartOptions& options) {
  const ChartInstant instant = BirthInstant(moment);
  const AstroTime time = AstroTimeOf(instant);
  SiderealChart chart;
  chart.Options = options;
  chart.AyanamsaDegrees = AyanamsaDegrees(options.ayanamsa, time);
  const ChartAngles angles = AnglesAt(time, instant.SignedLatitude, -instant.SignedLongitude);
  chart.Lagna = NormalizedDegrees(angles.Ascendant - chart.AyanamsaDegrees);
  for (int g = 0; g < kGrahaCount; ++g) {
    const auto graha = static_cast<Graha>(g);
    if (const auto body = BodyOf(graha)) {
      const EclipticPoint p = ApparentPosition(*body, time);
      chart.Planets[static_cast<std::size_t>(g)] =
          NormalizedDegrees(p.Longitude - chart.AyanamsaDegrees);
      chart.Speeds[static_cast<std::size_t>(g)] = p.Speed;
    }
  }
  const EclipticPoint rahu = LunarNode(options.node, time);
  const auto rahu_index = static_cast<std::size_t>(Graha::Rahu);
  const auto ketu_index = static_cast<std::size_t>(Graha::Ketu);
  chart.Planets[rahu_index] = NormalizedDegrees(rahu.Longitude - chart.AyanamsaDegrees);
  chart.Planets[ketu_index] = NormalizedDegrees(chart.Planets[rahu_index] + 180.0);
  chart.Speeds[rahu_index] = rahu.Speed;
  chart.Speeds[ketu_index] = rahu.Speed;
  return chart;
}

LagnaAndMars CalculateLagnaAndMars(const BirthMoment& moment, const ChartOptions& options) {
  const ChartInstant instant = BirthInstant(moment);
  const AstroTime time = AstroTimeOf(instant);
  const double ayanamsa = AyanamsaDegrees(options.ayanamsa, time);
  const ChartAngles angles = AnglesAt(time, instant.SignedLatitude, -instant.SignedLongitude);
  return {NormalizedDegrees(angles.Ascendant - ayanamsa),
          NormalizedDegrees(ApparentPosition(Body::Moon, time).Longitude - ayanamsa),
          NormalizedDegrees(ApparentPosition(Body::Mars, time).Longitude - ayanamsa)};
}

int NavamsaSign(double sidereal_longitude) {
  const double longitude = NormalizedDegrees(sidereal_longitude);
  const int sign = SignOf(longitude);
  const int part = std::min(8, static_cast<int>(std::floor((longitude - kDegreesPerSign * sign) /
                                                           (kDegreesPerSign / 9.0))));
  // Fire signs (Aries, Leo, Sagittarius) start from Aries, earth (Taurus, Virgo,
  // Capricorn) from Capricorn, air (Gemini, Libra, Aquarius) from Libra, water (Cancer,
  // Scorpio, Pisces) from Cancer: the start is 0, 9, 6, 3 by the sign's element.
  constexpr std::array<int, 4> kStartByElement{0, 9, 6, 3};
  return (kStartByElement[static_cast<std::size_t>(sign % 4)] + part) % 12;
}

SiderealChart NavamsaChart(const SiderealChart& rasi) {
  SiderealChart d9 = rasi;
  auto middle = [](double longitude) {
    return kDegreesPerSign * NavamsaSign(longitude) + kDegreesPerSign / 2.0;
  };
  d9.Navamsa = true;
  d9.Lagna = middle(rasi.Lagna);
  for (std::size_t g = 0; g < rasi.Planets.size(); ++g)
    d9.Planets[g] = middle(rasi.Planets[g]);
  return d9;
}

bool NearSignBoundary(double longitude) {
  const double within = longitude - kDegreesPerSign * std::floor(longitude / kDegreesPerSign);
  return within < kUncertainSignMarginDegrees ||
         within > kDegreesPerSign - kUncertainSignMarginDegrees;
}

std::vector<ChartPlacement> ChartPlacements(const SiderealChart& chart, Language language) {
  const Glossary& words = GlossaryOf(language);
  auto placement = [&chart](std::string label, double longitude) {
    if (chart.Navamsa) {
      return ChartPlacement{std::move(label), SignOf(longitude), false};
    }
    const double within = longitude - kDegreesPerSign * std::floor(longitude / kDegreesPerSign);
    const int total_minutes = static_cast<int>(std::floor(within * 60.0));
    char text[32];
    std::snprintf(text, sizeof text, " %d\u00B0%02d'", total_minutes / 60, total_minutes % 60);
    return ChartPlacement{std::move(label) + text, SignOf(longitude), NearSignBoundary(longitude)};
  };
  std::vector<ChartPlacement> out;
  out.push_back(placement(std::string(words.LagnaAbbreviation), chart.Lagna));
  for (int g = 0; g < kGrahaCount; ++g) {
    const auto graha = static_cast<Graha>(g);
    out.push_back(placement(
        std::string(GrahaAbbreviationWord(language, graha)) +
            (chart.IsRetrograde(graha) ? std::string(words.RetrogradeMark) : std::string()),
        chart.Of(graha)));
  }
  return out;
}

}  // namespace lumora
