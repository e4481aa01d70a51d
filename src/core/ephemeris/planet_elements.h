// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "core/ephemeris/body.h"

namespace lumora {

// Mean orbital elements of one body, referred to the mean ecliptic and equinox of
// J2000.0: the value at J2000.0 and its rate per Julian century.
struct PlanetElements {
  // The body whose geocentric longitude the row gives: the planet itself, or the Sun for
  // the Earth-Moon barycentre, the observer of every other row.
  Body Of;
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

// Every body but the Moon, whose mean elements would not place it within a sign.
inline constexpr std::size_t kPlanetElementRows = kBodyCount - 1;

extern const std::array<PlanetElements, kPlanetElementRows> kPlanetElements;

// The row of a body; nothing for the Moon.
std::optional<PlanetElements> ElementsOf(Body body);

}  // namespace lumora
