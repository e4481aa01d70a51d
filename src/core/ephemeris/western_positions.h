// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "core/ephemeris/birth_moment.h"
#include "core/ephemeris/body.h"
#include "core/ephemeris/chart_points.h"
#include "core/ephemeris/moon_model.h"
#include "core/ephemeris/zodiac.h"

namespace lumora {

// One person's input to the Western positions: the birth moment (zone as magnitudes,
// directions from the hemisphere flags) plus the chosen zone entry with its signs,
// the amount that added to the local clock gives universal time (+5 h 0 min five
// hours behind Greenwich, -5 h -30 min for India).
struct WesternBirthData : BirthMoment {
  int ZoneAddHours = 0;
  int ZoneAddMinutes = 0;
};

// A whole Western chart: the tropical longitudes of its fourteen points in degrees, in
// the order of ChartPoint (the nodes are the mean north and south nodes).
struct WesternChart {
  std::array<double, kChartPointCount> Longitudes{};

  double LongitudeOf(ChartPoint point) const { return Longitudes[static_cast<std::size_t>(point)]; }
  ZodiacPosition ZodiacOf(ChartPoint point) const { return ToZodiacPosition(LongitudeOf(point)); }
};

// "07 Sco 42": a point as the Western report, its document and the command line print it.
std::string PositionText(const WesternChart& chart, ChartPoint point);

// ---------------------------------------------------------------- time bases

// A civil date and clock time.
struct CivilDateTime {
  int Year = 2000;
  int Month = 1;
  int Day = 1;
  int Hour = 0;
  int Minute = 0;
};

// The date-time of the planets and nodes: the clock date and time plus the signed zone
// entry, carried across days, months and years; an hour earlier under daylight saving.
// Where the exact offset is known, the clock date and time less that offset.
CivilDateTime PlanetDateTime(const WesternBirthData& data);

// Days from 1 January 2000, 12:00 UT; valid from 1 March 1900 to 28 February 2100
// (no Gregorian century rule).
double DayNumberJ2000(int year, int month, int day, int hour, int minute);

// ---------------------------------------------------------------- shared operations

// Quadrant-aware arc tangent of y / x in radians. Returns 0, not pi, for y = 0 and x < 0.
double ArcTangent2(double y, double x);

// x reduced to [0, 2 pi).
double ReduceRadians(double x);

// True anomaly in radians for mean anomaly M (radians) and eccentricity e, by Newton's
// iteration on Kepler's equation; in [0, 2 pi).
double SolveKepler(double mean_anomaly, double eccentricity);

// ---------------------------------------------------------------- the points

// Local sidereal time, ascendant and midheaven, all in degrees, with the time
// arguments behind them.
struct WesternAngles {
  double UT = 0.0;
  double JulianDay = 0.0;
  double T0 = 0.0;  // Julian centuries from 1900 January 0.5
  double SiderealTime = 0.0;
  double Ascendant = 0.0;
  double Midheaven = 0.0;
};

WesternAngles CalculateAngles(const WesternBirthData& data);

// The same angles for any instant: universal time in hours (not reduced to 0..24) on the
// day whose Julian day number is julian_day, at a west-positive longitude and a
// north-positive latitude in degrees. CalculateAngles is this at the form's instant.
WesternAngles CalculateAnglesAt(double universal_time, double julian_day, double signed_longitude,
                                double signed_latitude);

// The tropical Moon: the Vedic Moon of the chosen model with no ayanamsa.
struct WesternMoon {
  double T = 0.0;          // Julian centuries from J2000.0
  double Longitude = 0.0;  // degrees, [0, 360]
};

WesternMoon CalculateWesternMoon(const WesternBirthData& data,
                                 MoonModel model = MoonModel::Standard);

// Accumulated general precession in longitude, in degrees, from J2000.0 to d days
// later.
double PrecessionSinceJ2000(double d);

// Geocentric ecliptic longitude in degrees, equinox of date, of a body from its mean
// elements, d days from J2000.0; nothing for the Moon, which has no row of elements.
std::optional<double> PlanetLongitude(Body body, double d);

// Mean lunar nodes in degrees, d days from J2000.0; both within [0, 360).
struct LunarNodes {
  double North = 0.0;
  double South = 0.0;
};

LunarNodes CalculateLunarNodes(double d);

// Days from J2000.0 of universal time in hours (not reduced to 0..24) on the day whose
// Julian day number is julian_day: the d of an instant given as the Moon gets it.
double DayNumberAt(double universal_time, double julian_day);

// Assembles the chart from the planets and nodes it computes and from the Moon and
// angles computed beforehand for the same person.
WesternChart CalculatePlanetPositions(const WesternBirthData& data, const WesternMoon& moon,
                                      const WesternAngles& angles);

// The three steps in their order: angles, Moon, planets. The precise model gives all
// fourteen points from the precise ephemeris instead (tropical, apparent).
WesternChart CalculateWesternChart(const WesternBirthData& data,
                                   MoonModel model = MoonModel::Standard);

}  // namespace lumora
