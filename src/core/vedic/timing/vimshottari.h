// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace lumora {

// The nine lords of the Vimshottari periods, in the order the periods follow one another.
enum class DashaLord { Ketu, Venus, Sun, Moon, Mars, Rahu, Jupiter, Saturn, Mercury };

inline constexpr int kDashaLordCount = 9;

struct VimshottariLord {
  DashaLord Lord;
  std::string_view Name;
  int Years;  // length of the lord's mahadasha
};

// The Vimshottari sequence and its years. Source: Brihat Parashara Hora Shastra, chapter 46
// ("Dasha effects", the Vimshottari scheme), 120 years in all; the lord of nakshatra k
// (0 = Ashwini) is entry k mod 9: Ashwini, Magha and Mula open with Ketu.
inline constexpr std::array<VimshottariLord, kDashaLordCount> kVimshottari{{
    {DashaLord::Ketu, "Ketu", 7},
    {DashaLord::Venus, "Venus", 20},
    {DashaLord::Sun, "Sun", 6},
    {DashaLord::Moon, "Moon", 10},
    {DashaLord::Mars, "Mars", 7},
    {DashaLord::Rahu, "Rahu", 18},
    {DashaLord::Jupiter, "Jupiter", 16},
    {DashaLord::Saturn, "Saturn", 19},
    {DashaLord::Mercury, "Mercury", 17},
}};

inline constexpr int kVimshottariCycleYears = 120;

constexpr int LordYears(DashaLord lord) {
  return kVimshottari[static_cast<int>(lord)].Years;
}
constexpr std::string_view DashaLordName(DashaLord lord) {
  return kVimshottari[static_cast<int>(lord)].Name;
}
std::optional<DashaLord> DashaLordNamed(std::string_view name);

// The year lengths a period may be counted in. The Julian year is the common reading and
// the default; the tropical year follows the Sun's return to the equinox (Newcomb's mean
// value, 365.2422 days); the savana year of twelve thirty-day months is the older reckoning.
struct DashaYearLength {
  double Days;
  std::string_view Text;  // as the CLI takes and the pages show it
};

inline constexpr DashaYearLength kJulianDashaYear{365.25, "365.25"};
inline constexpr DashaYearLength kTropicalDashaYear{365.2422, "365.2422"};
inline constexpr DashaYearLength kSavanaDashaYear{360.0, "360"};
inline constexpr std::array<DashaYearLength, 3> kDashaYearLengths{
    {kJulianDashaYear, kTropicalDashaYear, kSavanaDashaYear}};

std::optional<DashaYearLength> DashaYearLengthNamed(std::string_view text);

// How deep the periods are divided: mahadashas only, with antardashas, or with
// pratyantardashas as well.
inline constexpr int kMahadashaLevel = 1;
inline constexpr int kAntardashaLevel = 2;
inline constexpr int kPratyantardashaLevel = 3;

// One period; instants are Julian days of universal time. Sub holds the next level's
// periods when that level was asked for: they start with this period's lord, follow the
// sequence, and share this period's From and To exactly.
struct DashaPeriod {
  DashaLord Lord = DashaLord::Ketu;
  double From = 0.0;
  double To = 0.0;
  std::vector<DashaPeriod> Sub;
};

// The Moon's place in its nakshatra at birth.
struct NakshatraPlace {
  int Nakshatra = 0;       // 0 = Ashwini .. 26 = Revati
  double Traversed = 0.0;  // fraction of the nakshatra behind the Moon, [0, 1)
};

NakshatraPlace NakshatraPlaceOf(double sidereal_longitude);

struct VimshottariDashas {
  NakshatraPlace Moon;
  DashaLord BirthLord = DashaLord::Ketu;
  double BalanceYears = 0.0;  // of the birth lord's period still to run at birth
  double YearDays = kJulianDashaYear.Days;
  double Birth = 0.0;                   // Julian day (UT)
  std::vector<DashaPeriod> Mahadashas;  // one cycle of nine; the first began before birth
};

// The periods of a person whose sidereal Moon stood at moon_longitude (degrees) at the
// birth instant: the first mahadasha began the traversed fraction of its years before
// birth, and the rest follow in order, divided down to the level asked for (1 to 3).
VimshottariDashas ComputeVimshottari(double moon_longitude, double birth_jd_ut, double year_days,
                                     int levels);

// The periods of the next level inside a period: lord L runs parent × Y_L / 120.
std::vector<DashaPeriod> SubPeriods(const DashaLord parent_lord, double from, double to,
                                    int levels_below);

// A period without its sub-periods.
struct DashaSpan {
  DashaLord Lord = DashaLord::Ketu;
  double From = 0.0;
  double To = 0.0;
};

// The periods running at an instant, mahadasha first, as deep as the periods were
// divided; empty outside the cycle.
std::vector<DashaSpan> RunningAt(const std::vector<DashaPeriod>& periods, double jd_ut);

// The instants at which one mahadasha gives way to the next, after birth and up to the
// given instant.
std::vector<double> MahadashaChanges(const VimshottariDashas& dashas, double until_jd_ut);

}  // namespace lumora
