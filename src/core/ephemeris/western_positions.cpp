// SPDX-License-Identifier: MIT
#include "core/ephemeris/western_positions.h"

#include <chrono>
#include <cmath>

#include "core/ephemeris/astro_time.h"
#include "core/ephemeris/astronomical_constants.h"
#include "core/ephemeris/calendar.h"
#include "core/ephemeris/chart_points.h"
#include "core/ephemeris/moon.h"
#include "core/ephemeris/planet_elements.h"
#include "core/ephemeris/precise_moon.h"
#include "core/ephemeris/zodiac.h"
#include "core/text.h"

namespace lumora {

namespace {

// pi and 2 pi as the Western ephemeris has always stored them.
constexpr double kPi = 3.14159265358979;
constexpr double kTwoPi = 6.28318530717958;
// Julian day number of 1900 January 0.5, the epoch of the sidereal-time series.
constexpr double kJ1900 = 2415020.0;
constexpr double kKeplerTolerance = 1e-12;
constexpr int kKeplerIterationLimit = 100;

// Mean elements of one body at an instant, angles in radians.
struct OrbitState {
  double a;
  double e;
  double inclination;
  double node;
  double perihelion;
  double mean_longitude;
};

OrbitState ElementsAt(const PlanetElements& el, double T) {
  auto angle = [T](double value, double rate) {
    return (value + rate * T / kArcsecondsPerDegree) * kRadiansPerDegree;
  };
  return {
      .a = el.SemiMajorAxis + el.SemiMajorAxisRate * T,
      .e = el.Eccentricity + el.EccentricityRate * T,
      .inclination = angle(el.Inclination, el.InclinationRate),
      .node = angle(el.AscendingNode, el.AscendingNodeRate),
      .perihelion = angle(el.Perihelion, el.PerihelionRate),
      .mean_longitude = ReduceRadians(angle(el.MeanLongitude, el.MeanLongitudeRate)),
  };
}

// True anomaly and radius vector of a body on its ellipse.
struct OrbitPoint {
  double true_anomaly;
  double radius;
};

OrbitPoint PointOnOrbit(const OrbitState& orbit) {
  const double mean_anomaly = ReduceRadians(orbit.mean_longitude - orbit.perihelion);
  const double nu = SolveKepler(mean_anomaly, orbit.e);
  const double r = orbit.a * (1.0 - orbit.e * orbit.e) / (1.0 + orbit.e * std::cos(nu));
  return {nu, r};
}

}  // namespace

// ---------------------------------------------------------------- time bases

CivilDateTime PlanetDateTime(const WesternBirthData& data) {
  using namespace std::chrono;
  // Month and day are counted from the first of January so that every input, even one
  // outside the calendar, names a definite instant: month 13 is January of the next
  // year, day 0 the last day of the month before.
  const year_month first_month = year{data.BirthYear} / January + months{data.BirthMonth - 1};
  const sys_days date = sys_days{first_month / 1} + days{data.BirthDay - 1};
  // Daylight-saving clocks run an hour ahead of the zone's standard time: the hour
  // comes off here as it does for the Moon and the angles, so every point of a chart
  // belongs to the same instant.
  const int daylight_saving = data.IsDST ? 1 : 0;
  const sys_time<minutes> clock_time = date + hours{data.BirthHour} + minutes{data.BirthMinute};
  // An exact offset replaces the zone entry and the daylight hour; the planets' day count
  // takes whole minutes, so a local-mean-time offset's seconds are rounded off.
  const sys_time<minutes> instant =
      data.UtcOffsetSeconds ? clock_time - round<minutes>(seconds{*data.UtcOffsetSeconds})
                            : clock_time + hours{data.ZoneAddHours} + minutes{data.ZoneAddMinutes} -
                                  hours{daylight_saving};
  const sys_days day_part = floor<days>(instant);
  const year_month_day ymd{day_part};
  const hh_mm_ss clock{instant - day_part};
  return {
      .Year = static_cast<int>(ymd.year()),
      .Month = static_cast<int>(static_cast<unsigned>(ymd.month())),
      .Day = static_cast<int>(static_cast<unsigned>(ymd.day())),
      .Hour = static_cast<int>(clock.hours().count()),
      .Minute = static_cast<int>(clock.minutes().count()),
  };
}

double DayNumberJ2000(int year, int month, int day, int hour, int minute) {
  const double y = year;
  const double m = month;
  return 367.0 * y - std::floor(7.0 * (y + std::floor((m + 9.0) / 12.0)) / 4.0) +
         std::floor(275.0 * m / 9.0) + day - 730531.5 + (hour + minute / 60.0) / 24.0;
}

// ---------------------------------------------------------------- shared operations

double ArcTangent2(double y, double x) {
  const double sign_y = (y > 0.0) - (y < 0.0);
  if (x > 0.0) {
    return std::atan(y / x);
  }
  if (x == 0.0) {
    return y == 0.0 ? 0.0 : sign_y * kPi / 2.0;
  }
  return sign_y * (kPi - std::atan(std::fabs(y / x)));
}

double ReduceRadians(double x) {
  const double q = x / kTwoPi;
  double r = kTwoPi * (q - std::trunc(q));
  if (r < 0.0) {
    r += kTwoPi;
  }
  return r;
}

double SolveKepler(double mean_anomaly, double eccentricity) {
  const double M = mean_anomaly;
  const double e = eccentricity;
  double E = M + e * std::sin(M) * (1.0 + e * std::cos(M));
  double next = E;
  for (int i = 0; i < kKeplerIterationLimit; ++i) {
    next = E - (E - e * std::sin(E) - M) / (1.0 - e * std::cos(E));
    if (std::fabs(E - next) <= kKeplerTolerance) {
      break;
    }
    E = next;
  }
  double nu = 2.0 * std::atan(std::sqrt((1.0 + e) / (1.0 - e)) * std::tan(next / 2.0));
  if (nu < 0.0) {
    nu += kTwoPi;
  }
  return nu;
}

// ---------------------------------------------------------------- the points

WesternAngles CalculateAngles(const WesternBirthData& data) {
  return CalculateAnglesAt(UniversalTime(data),
                           JulianDayNumber(data.BirthMonth, data.BirthDay, data.BirthYear),
                           SignedLongitude(data), SignedLatitude(data));
}

WesternAngles CalculateAnglesAt(double universal_time, double julian_day, double signed_longitude,
                                double signed_latitude) {
  WesternAngles angles;
  angles.UT = universal_time;
  angles.JulianDay = julian_day;
  const double T0 = ((angles.UT / 24.0 + (angles.JulianDay - kJ1900)) - 0.5) / kDaysPerCentury;
  angles.T0 = T0;

  // Greenwich sidereal time in hours (Newcomb's series, referred to 1900), made local
  // with the west-positive longitude.
  double theta =
      15.0 * (angles.UT + 6.6460656 + 2400.0513 * T0 + 0.0000258 * T0 * T0) - signed_longitude;
  if (theta >= 360.0) {
    theta = ReduceLongitude(theta).value_or(theta);
  }
  angles.SiderealTime = theta;

  const double ramc = theta * kRadiansPerDegree;
  const double obliquity = (23.452294 - 0.0130125 * T0) * kRadiansPerDegree;
  const double latitude = signed_latitude * kRadiansPerDegree;

  double mc = ArcTangent2(std::tan(ramc), std::cos(obliquity));
  if (mc < 0.0) {
    mc += kPi;
  }
  if (std::sin(ramc) < 0.0) {
    mc += kPi;
  }
  mc *= kDegreesPerRadian;

  double asc = ArcTangent2(std::cos(ramc), -std::sin(ramc) * std::cos(obliquity) -
                                               std::sin(obliquity) * std::tan(latitude));
  if (asc < 0.0) {
    asc += kPi;
  }
  if (std::cos(ramc) < 0.0) {
    asc += kPi;
  }
  asc *= kDegreesPerRadian;
  if (asc >= 360.0) {
    asc = ReduceLongitude(asc).value_or(asc);
  }

  for (double* angle : {&asc, &mc}) {
    if (*angle < 0.0) {
      *angle += 360.0;
    }
    if (*angle > 360.0) {
      *angle -= 360.0;
    }
  }
  angles.Ascendant = asc;
  angles.Midheaven = mc;
  return angles;
}

WesternMoon CalculateWesternMoon(const WesternBirthData& data, MoonModel model) {
  WesternMoon moon;
  moon.T = ComputeTimeArguments(data).T;
  moon.Longitude = TropicalMoonLongitude(moon.T, model);  // tropical: no ayanamsa
  return moon;
}

double PrecessionSinceJ2000(double d) {
  // General precession in longitude, Lieske et al. (1977), as adopted by the IAU in 1976.
  const double T = d / kDaysPerCentury;
  return (5029.0966 * T + 1.11113 * T * T) / kArcsecondsPerDegree;
}

std::optional<double> PlanetLongitude(Body body, double d) {
  const std::optional<PlanetElements> elements = ElementsOf(body);
  if (!elements) {
    return std::nullopt;
  }
  const double T = d / kDaysPerCentury;
  // The Sun's row holds the Earth-Moon barycentre: the place every body is seen from.
  const std::optional<PlanetElements> observer = ElementsOf(Body::Sun);
  const OrbitState earth = ElementsAt(*observer, T);
  const OrbitPoint earth_point = PointOnOrbit(earth);
  const double xe = earth_point.radius * std::cos(earth_point.true_anomaly + earth.perihelion);
  const double ye = earth_point.radius * std::sin(earth_point.true_anomaly + earth.perihelion);

  // Heliocentric ecliptic x and y of the body; the Sun seen from the Earth is the
  // origin seen from there.
  double x = 0.0;
  double y = 0.0;
  if (body != Body::Sun) {
    const OrbitState orbit = ElementsAt(*elements, T);
    const OrbitPoint point = PointOnOrbit(orbit);
    const double u = point.true_anomaly + orbit.perihelion - orbit.node;
    x = point.radius * (std::cos(orbit.node) * std::cos(u) -
                        std::sin(u) * std::sin(orbit.node) * std::cos(orbit.inclination));
    y = point.radius * (std::sin(orbit.node) * std::cos(u) +
                        std::sin(u) * std::cos(orbit.node) * std::cos(orbit.inclination));
  }

  double lambda = ArcTangent2(y - ye, x - xe) * 180.0 / kPi;
  // The elements refer to the equinox of J2000.0, while the Moon and the angles are
  // of date: precession brings the planets to the equinox of date as well (without it a
  // 1901 birth puts them 1.4 degrees ahead of the Moon's frame).
  lambda += PrecessionSinceJ2000(d);
  // One true modulo: a year far from 2000 moves the precession by whole turns, which a
  // loop of single turns would walk through one at a time.
  return ReduceLongitude(lambda).value_or(lambda);
}

LunarNodes CalculateLunarNodes(double d) {
  const double omega = 125.1228 - 0.0529538083 * d;
  // The divisor 3.1416 in place of pi is part of the method: the published table of
  // node positions rests on it.
  const double reduced = ReduceRadians(omega * kRadiansPerDegree) * 180.0 / 3.1416;
  LunarNodes nodes;
  // One degree is taken off the mean node. A node that falls below 0 by it wraps
  // into Pisces rather than being written as its magnitude in Aries.
  nodes.North = reduced - 1.0;
  if (nodes.North < 0.0) {
    nodes.North += 360.0;
  }
  nodes.South = nodes.North + 180.0;
  if (nodes.South > 360.0) {
    nodes.South -= 360.0;
  }
  return nodes;
}

double DayNumberAt(double universal_time, double julian_day) {
  // julian_day is the noon-based number of the civil date: its midnight lies half a day
  // earlier, and J2000.0 is that number's noon of 1 January 2000.
  return (julian_day - kJ2000) - 0.5 + universal_time / 24.0;
}

WesternChart CalculatePlanetPositions(const WesternBirthData& data, const WesternMoon& moon,
                                      const WesternAngles& angles) {
  const CivilDateTime when = PlanetDateTime(data);
  const double d = DayNumberJ2000(when.Year, when.Month, when.Day, when.Hour, when.Minute);
  const LunarNodes nodes = CalculateLunarNodes(d);
  WesternChart chart;
  // Every body but the Moon from its elements; the Moon is the one computed beforehand.
  for (const Body body : kBodies) {
    chart.Longitudes[static_cast<std::size_t>(PointOf(body))] =
        PlanetLongitude(body, d).value_or(moon.Longitude);
  }
  chart.Longitudes[static_cast<std::size_t>(ChartPoint::Rahu)] = nodes.North;
  chart.Longitudes[static_cast<std::size_t>(ChartPoint::Ketu)] = nodes.South;
  chart.Longitudes[static_cast<std::size_t>(ChartPoint::Ascendant)] = angles.Ascendant;
  chart.Longitudes[static_cast<std::size_t>(ChartPoint::Midheaven)] = angles.Midheaven;
  return chart;
}

WesternChart CalculateWesternChart(const WesternBirthData& data, MoonModel model) {
  const WesternAngles angles = CalculateAngles(data);
  if (model == MoonModel::Precise) {
    // The precise ephemeris gives all fourteen points, apparent and of the true equinox of
    // date, at the same instant and place, in the same order.
    const AstroTime time = AstroTimeFromUt(angles.JulianDay - 0.5 + angles.UT / 24.0);
    const ChartPoints points = ComputeChartPoints(
        time, SignedLatitude(data), -SignedLongitude(data), Ayanamsa::Standard, NodeKind::Mean);
    return {.Longitudes = points.Tropical};
  }
  const WesternMoon moon = CalculateWesternMoon(data, model);
  return CalculatePlanetPositions(data, moon, angles);
}

std::string PositionText(const WesternChart& chart, ChartPoint point) {
  return FormatShortPosition(chart.ZodiacOf(point));
}

}  // namespace lumora
