// SPDX-License-Identifier: MIT
#include "core/western/synastry/synastry_chart.h"

#include "core/ephemeris/astro_time.h"
#include "core/ephemeris/body.h"
#include "core/ephemeris/calendar.h"
#include "core/ephemeris/precise_ephemeris.h"

namespace lumora {

SynastryBirth SynastryBirthOf(const BirthMoment& moment) {
  // The day number is noon-based; universal time may run past 24 or below 0 hours, which
  // carries into the neighbouring day.
  const double day = JulianDayNumber(moment.BirthMonth, moment.BirthDay, moment.BirthYear);
  return {
      .JulianDayUt = day - 0.5 + UniversalTime(moment) / 24.0,
      .Latitude = SignedLatitude(moment),
      .EastLongitude = -SignedLongitude(moment),
  };
}

SynastryBirth SynastryBirthAt(const BirthMoment& moment, double latitude, double east_longitude) {
  SynastryBirth birth = SynastryBirthOf(moment);
  birth.Latitude = latitude;
  birth.EastLongitude = east_longitude;
  return birth;
}

NatalChart CastNatalChart(double julian_day_ut, double latitude, double east_longitude) {
  return CastNatalChart(AstroTimeFromUt(julian_day_ut), latitude, east_longitude);
}

NatalChart CastNatalChart(const AstroTime& time, double latitude, double east_longitude) {
  NatalChart chart;
  chart.JulianDayUt = time.Ut;
  chart.Latitude = latitude;
  chart.EastLongitude = east_longitude;
  for (Body body : kBodies) {
    const EclipticPoint point = ApparentPosition(body, time);
    chart.Points[SynastrySlot(PointOf(body))] = {point.Longitude, point.Speed};
  }
  const EclipticPoint node = LunarNode(NodeKind::Mean, time);
  chart.Points[SynastrySlot(ChartPoint::Rahu)] = {node.Longitude, node.Speed};
  const ChartAngles angles = AnglesAt(time, latitude, east_longitude);
  // The angles' daily turn is the sky's, not a motion along the zodiac: no speed.
  chart.Points[SynastrySlot(ChartPoint::Ascendant)] = {angles.Ascendant, 0.0};
  chart.Points[SynastrySlot(ChartPoint::Midheaven)] = {angles.Midheaven, 0.0};
  chart.Armc = angles.Armc;
  chart.Obliquity = angles.Obliquity;
  return chart;
}

NatalChart CastNatalChart(const SynastryBirth& birth) {
  return CastNatalChart(birth.JulianDayUt, birth.Latitude, birth.EastLongitude);
}

SynastryReading SynastryOfBirths(const SynastryBirth& a, const SynastryBirth& b,
                                 const SynastryOptions& options) {
  return CalculateSynastry(CastNatalChart(a), CastNatalChart(b), options,
                           [](double jd, double latitude, double east_longitude) {
                             return CastNatalChart(jd, latitude, east_longitude);
                           });
}

}  // namespace lumora
