// SPDX-License-Identifier: MIT
#pragma once

#include <array>

namespace lumora {

// The house systems a synastry reading offers.
enum class HouseSystem { Placidus, WholeSign, Equal };

// Placidus' semi-arcs stop existing where the ecliptic meets the horizon without
// rising (the polar circles); beyond this latitude, north or south, equal houses
// stand in for Placidus.
inline constexpr double kPlacidusLatitudeLimit = 66.0;

// The twelve cusps of one chart, cusp 1 first, tropical degrees in [0, 360).
struct HouseCusps {
  std::array<double, 12> Cusps{};
  HouseSystem Requested = HouseSystem::Placidus;
  HouseSystem Used = HouseSystem::Placidus;  // Equal where Placidus fell back
  bool FellBack() const { return Requested != Used; }
};

// The ascendant and midheaven in degrees from the sidereal angle of the place (ARMC,
// degrees), the obliquity of the ecliptic and the geographic latitude (north positive):
// the spherical-astronomy relations of Meeus, Astronomical Algorithms, 2nd ed., ch. 13
// and 14, as every textbook of chart erection states them.
double AscendantFromArmc(double armc, double obliquity, double latitude);
double MidheavenFromArmc(double armc, double obliquity);

// The cusps of a system from ARMC, obliquity and latitude (degrees).
// Placidus: the intermediate cusps trisect the diurnal and nocturnal semi-arcs of their
// own degree (R. Hand, Essays on Astrology, 1982, and N. Michelsen's table of houses
// introductions), found by fixed-point iteration; above kPlacidusLatitudeLimit, equal.
// WholeSign: cusp 1 at the start of the ascendant's sign. Equal: cusp 1 at the
// ascendant, each next 30 degrees on.
HouseCusps CalculateHouseCusps(HouseSystem system, double armc, double obliquity, double latitude);

// The house (1..12) whose arc from its cusp to the next holds the longitude.
int HouseOf(double longitude, const HouseCusps& houses);

}  // namespace lumora
