// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ephemeris/astro_time.h"
#include "core/ephemeris/ayanamsa.h"
#include "core/ephemeris/birth_moment.h"
#include "core/ephemeris/moon_model.h"
#include "core/ephemeris/precise_ephemeris.h"
#include "core/glossary/language.h"

namespace lumora {

// The nine grahas of a rasi chart, in the order charts and tables list them.
enum class Graha { Sun, Moon, Mars, Mercury, Jupiter, Venus, Saturn, Rahu, Ketu };

inline constexpr int kGrahaCount = 9;

struct GrahaName {
  std::string_view Name;          // "Mercury"
  std::string_view Abbreviation;  // "Me", the two letters a chart picture writes
};

inline constexpr std::array<GrahaName, kGrahaCount> kGrahaNames{{
    {"Sun", "Su"},
    {"Moon", "Mo"},
    {"Mars", "Ma"},
    {"Mercury", "Me"},
    {"Jupiter", "Ju"},
    {"Venus", "Ve"},
    {"Saturn", "Sa"},
    {"Rahu", "Ra"},
    {"Ketu", "Ke"},
}};

// The two customary drawings of a rasi chart: North Indian (houses fixed, the Lagna's
// house at the top, sign numbers written in the houses) and South Indian (signs fixed,
// Pisces at the top left, the Lagna's sign marked).
enum class ChartStyle { NorthIndian, SouthIndian };

// The sidereal zodiac and the node a chart is drawn with.
struct ChartOptions {
  Ayanamsa ayanamsa = Ayanamsa::Standard;
  NodeKind node = NodeKind::Mean;

  friend bool operator==(const ChartOptions&, const ChartOptions&) = default;
};

// "Mean", "True": the node's name at the edges (settings, couple files, documents).
std::string_view NodeName(NodeKind node);

// The node of a name, compared without regard to case; nothing for another name.
std::optional<NodeKind> FindNode(std::string_view name);

// The zodiac a person's Moon and charts were computed with, and the amount the ayanamsa
// takes off at that person's birth.
struct ChartZodiac {
  ChartOptions Options;
  double AyanamsaDegrees = 0.0;
};

// "23°43′12″": an arc in degrees, minutes and seconds, rounded to the second.
std::string FormatArc(double degrees);

// "Lahiri, 23°43′12″": the ayanamsa's name, in the language, and amount.
std::string AyanamsaWords(const ChartZodiac& zodiac, Language language = Language::English);
// "Ayanamsa: Lahiri, 23°43′12″" and "Node: Mean", the lines every result names them in;
// in another language the words before the value are that language's.
std::string AyanamsaLine(const ChartZodiac& zodiac, Language language = Language::English);
std::string NodeLine(NodeKind node, Language language = Language::English);

// Sidereal longitudes in degrees, each in [0, 360), and the grahas' daily speeds.
struct SiderealChart {
  double Lagna = 0.0;
  std::array<double, kGrahaCount> Planets{};
  std::array<double, kGrahaCount> Speeds{};  // degrees a day; Ketu moves with Rahu
  ChartOptions Options;
  double AyanamsaDegrees = 0.0;  // the amount taken off the tropical longitudes
  // A Navamsa chart: each point stands in the middle of its ninth-part sign, so only
  // the sign means anything (pictures write no degrees).
  bool Navamsa = false;

  double Of(Graha graha) const { return Planets[static_cast<std::size_t>(graha)]; }
  double SpeedOf(Graha graha) const { return Speeds[static_cast<std::size_t>(graha)]; }
  // Mars to Saturn moving backwards; the luminaries never do, and the nodes always do,
  // so neither is marked.
  bool IsRetrograde(Graha graha) const {
    return graha != Graha::Sun && graha != Graha::Moon && graha != Graha::Rahu &&
           graha != Graha::Ketu && SpeedOf(graha) < 0.0;
  }
};

// The zodiac of a birth: the options and the ayanamsa at the birth instant.
ChartZodiac ChartZodiacAt(const BirthMoment& moment, const ChartOptions& options);

// The body of the precise ephemeris behind a graha; nothing for the nodes.
std::optional<Body> BodyOf(Graha graha);

// An instant as the Vedic Moon reads it: universal time in hours (not reduced to
// 0..24) on the civil day of Julian day number JulianDay, and the birth place.
struct ChartInstant {
  double UT = 0.0;
  double JulianDay = 0.0;
  double SignedLongitude = 0.0;  // degrees, west positive
  double SignedLatitude = 0.0;   // degrees, north positive
};

// The Lagna, Moon and Mars alone, placed exactly as CalculateSiderealChart places them:
// all the Manglik verdict reads, for callers that place many persons.
struct LagnaAndMars {
  double Lagna = 0.0;
  double Moon = 0.0;
  double Mars = 0.0;
};
LagnaAndMars CalculateLagnaAndMars(const BirthMoment& moment, const ChartOptions& options = {});

// The instant of a person's Vedic Moon, at the person's place.
ChartInstant BirthInstant(const BirthMoment& moment);

// The instant a number of seconds later (earlier when negative).
ChartInstant ShiftedInstant(const ChartInstant& instant, double seconds);

// The arc of one sign of the zodiac, degrees.
inline constexpr double kDegreesPerSign = 30.0;

// Sign 0 (Aries) .. 11 (Pisces) of a longitude in [0, 360).
int SignOf(double longitude);

// Whole-sign house 1..12 of a sign counted from a reference sign.
int HouseFrom(int sign, int reference_sign);

// The instant in the ephemeris's time scales.
AstroTime AstroTimeOf(const ChartInstant& instant);

// The sidereal Moon and the sidereal ascendant of the precise ephemeris at an instant.
double SiderealMoonAt(const ChartInstant& instant, const ChartOptions& options = {});
double SiderealLagnaAt(const ChartInstant& instant, const ChartOptions& options = {});

// The Moon the kootas read: the lunar theory of the match, less the chosen ayanamsa (the
// standard one exactly as the match's Moon takes it).
double GunaMilanMoonAt(const ChartInstant& instant, MoonModel model,
                       Ayanamsa ayanamsa = Ayanamsa::Standard);

// The whole chart from the precise ephemeris at the birth instant: the grahas and the
// ascendant, sidereal with the chosen ayanamsa, Rahu the chosen node, Ketu opposite.
SiderealChart CalculateSiderealChart(const BirthMoment& moment, const ChartOptions& options = {});

// The Navamsa (D9) sign 0..11 of a sidereal longitude: each sign in nine parts of 3 deg
// 20', counted from Aries for the fire signs, Capricorn for earth, Libra for air and
// Cancer for water (Brihat Parashara Hora Shastra, ch. 6).
int NavamsaSign(double sidereal_longitude);

// The Navamsa chart: every point moved to the middle of its Navamsa sign (so that sign
// and house read as in the rasi chart), speeds kept.
SiderealChart NavamsaChart(const SiderealChart& rasi);

// A body this close to either edge of its sign could stand in the next sign for a
// slightly different birth time or ephemeris: a chart marks it as uncertain.
inline constexpr double kUncertainSignMarginDegrees = 0.5;

bool NearSignBoundary(double longitude);

// One entry of a chart picture: "Ma 7°28'" (abbreviation, degrees and minutes within
// the sign) in its sign, "Sa(R) 12°03'" for a graha moving backwards, the abbreviation
// alone in a Navamsa chart. The Lagna comes first as "La", then the grahas in chart order.
struct ChartPlacement {
  std::string Label;
  int Sign = 0;
  bool Uncertain = false;
};

// The abbreviations are the language's (the glossary's chart abbreviations).
std::vector<ChartPlacement> ChartPlacements(const SiderealChart& chart,
                                            Language language = Language::English);

}  // namespace lumora
