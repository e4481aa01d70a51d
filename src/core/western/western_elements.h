// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>

namespace lumora {

// Mean orbital elements of one body, referred to the mean ecliptic and equinox of
// J2000.0: the value at J2000.0 and its rate per Julian century.
struct PlanetElements {
  std::string_view Body;
  double SemiMajorAxis;      // astronomical units
  double SemiMajorAxisRate;  // astronomical units per century
  double Eccentricity;
  double EccentricityRate;   // per century
  double Inclination;        // degrees
  double InclinationRate;    // arc seconds per century
  double AscendingNode;      // degrees
  double AscendingNodeRate;  // arc seconds per century
  double Perihelion;         // longitude of perihelion, degrees
  double PerihelionRate;     // arc seconds per century
  double MeanLongitude;      // degrees
  double MeanLongitudeRate;  // arc seconds per century
};

// Slots of the element table: Mercury, Venus, Earth, Mars, Jupiter, Saturn, Uranus,
// Neptune, Pluto. The Earth's slot gives the geocentric Sun.
enum class PlanetSlot { Mercury, Venus, Earth, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto };

inline constexpr int kPlanetSlotCount = 9;

extern const std::array<PlanetElements, kPlanetSlotCount> kPlanetElements;

}  // namespace lumora
