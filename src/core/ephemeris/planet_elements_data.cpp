// SPDX-License-Identifier: MIT
#include "core/ephemeris/planet_elements.h"

namespace lumora {

// Approximate mean planetary elements, Explanatory Supplement to the Astronomical
// Almanac (1992), table 5.8.1, with the signs of that table. Angles at J2000.0 are in
// degrees, their rates in arc seconds per Julian century; the Earth row stands for
// the Earth-Moon barycentre.
constexpr std::array<PlanetElements, kPlanetElementRows> kPlanetElements{{
    {
        .Of = Body::Mercury,
        .SemiMajorAxis = 0.38709893,
        .SemiMajorAxisRate = +0.00000066,
        .Eccentricity = 0.20563069,
        .EccentricityRate = +0.00002527,
        .Inclination = 7.00487,
        .InclinationRate = -23.51,
        .AscendingNode = 48.33167,
        .AscendingNodeRate = -446.30,
        .Perihelion = 77.45645,
        .PerihelionRate = +573.57,
        .MeanLongitude = 252.25084,
        .MeanLongitudeRate = +538101628.29,
    },
    {
        .Of = Body::Venus,
        .SemiMajorAxis = 0.72333199,
        .SemiMajorAxisRate = +0.00000092,
        .Eccentricity = 0.00677323,
        .EccentricityRate = -0.00004938,
        .Inclination = 3.39471,
        .InclinationRate = -2.86,
        .AscendingNode = 76.68069,
        .AscendingNodeRate = -996.89,
        .Perihelion = 131.53298,
        .PerihelionRate = -108.80,
        .MeanLongitude = 181.97973,
        .MeanLongitudeRate = +210664136.06,
    },
    {
        .Of = Body::Sun,  // the Earth-Moon barycentre
        .SemiMajorAxis = 1.00000011,
        .SemiMajorAxisRate = -0.00000005,
        .Eccentricity = 0.01671022,
        .EccentricityRate = -0.00003804,
        .Inclination = 0.00005,
        .InclinationRate = -46.94,
        .AscendingNode = -11.26064,
        .AscendingNodeRate = -18228.25,
        .Perihelion = 102.94719,
        .PerihelionRate = +1198.28,
        .MeanLongitude = 100.46435,
        .MeanLongitudeRate = +129597740.63,
    },
    {
        .Of = Body::Mars,
        .SemiMajorAxis = 1.52366231,
        .SemiMajorAxisRate = -0.00007221,
        .Eccentricity = 0.09341233,
        .EccentricityRate = +0.00011902,
        .Inclination = 1.85061,
        .InclinationRate = -25.47,
        .AscendingNode = 49.57854,
        .AscendingNodeRate = -1020.19,
        .Perihelion = 336.04084,
        .PerihelionRate = +1560.78,
        .MeanLongitude = 355.45332,
        .MeanLongitudeRate = +68905103.78,
    },
    {
        .Of = Body::Jupiter,
        .SemiMajorAxis = 5.20336301,
        .SemiMajorAxisRate = +0.00060737,
        .Eccentricity = 0.04839266,
        .EccentricityRate = -0.00012880,
        .Inclination = 1.30530,
        .InclinationRate = -4.15,
        .AscendingNode = 100.55615,
        .AscendingNodeRate = +1217.17,
        .Perihelion = 14.75385,
        .PerihelionRate = +839.93,
        .MeanLongitude = 34.40438,
        .MeanLongitudeRate = +10925078.35,
    },
    {
        .Of = Body::Saturn,
        .SemiMajorAxis = 9.53707032,
        .SemiMajorAxisRate = -0.00301530,
        .Eccentricity = 0.05415060,
        .EccentricityRate = -0.00036762,
        .Inclination = 2.48446,
        .InclinationRate = +6.11,
        .AscendingNode = 113.71504,
        .AscendingNodeRate = -1591.05,
        .Perihelion = 92.43194,
        .PerihelionRate = -1948.89,
        .MeanLongitude = 49.94432,
        .MeanLongitudeRate = +4401052.95,
    },
    {
        .Of = Body::Uranus,
        .SemiMajorAxis = 19.19126393,
        .SemiMajorAxisRate = +0.00152025,
        .Eccentricity = 0.04716771,
        .EccentricityRate = -0.00019150,
        .Inclination = 0.76986,
        .InclinationRate = -2.09,
        .AscendingNode = 74.22988,
        .AscendingNodeRate = -1681.40,
        .Perihelion = 170.96424,
        .PerihelionRate = +1312.56,
        .MeanLongitude = 313.23218,
        .MeanLongitudeRate = +1542547.79,
    },
    {
        .Of = Body::Neptune,
        .SemiMajorAxis = 30.06896348,
        .SemiMajorAxisRate = -0.00125196,
        .Eccentricity = 0.00858587,
        .EccentricityRate = +0.00002510,
        .Inclination = 1.76917,
        .InclinationRate = -3.64,
        .AscendingNode = 131.72169,
        .AscendingNodeRate = -151.25,
        .Perihelion = 44.97135,
        .PerihelionRate = -844.43,
        .MeanLongitude = 304.88003,
        .MeanLongitudeRate = +786449.21,
    },
    {
        .Of = Body::Pluto,
        .SemiMajorAxis = 39.48168677,
        .SemiMajorAxisRate = -0.00076912,
        .Eccentricity = 0.24880766,
        .EccentricityRate = +0.00006465,
        .Inclination = 17.14175,
        .InclinationRate = +11.07,
        .AscendingNode = 110.30347,
        .AscendingNodeRate = -37.33,
        .Perihelion = 224.06676,
        .PerihelionRate = -132.25,
        .MeanLongitude = 238.92881,
        .MeanLongitudeRate = +522747.90,
    },
}};

std::optional<PlanetElements> ElementsOf(Body body) {
  for (const PlanetElements& row : kPlanetElements) {
    if (row.Of == body) {
      return row;
    }
  }
  return std::nullopt;
}

}  // namespace lumora
