// SPDX-License-Identifier: MIT
#pragma once

#include "core/ephemeris/birth_moment.h"
#include "core/vedic/entry/birth_form.h"
#include "support/births.h"

namespace lumora::testing {

// Boy: 15 August 1947, 00:00 at 5 h 30 min east (Moon in Cancer, Pushya).
// Girl: 1 January 2000, 12:00 at Greenwich (Moon in Libra, Swati).
inline BirthForm ReferenceForm() {
  BirthForm form;
  BirthFormSide& boy = form.Male;
  boy.Name = "Arjun";
  boy.Day = "15";
  boy.Month = "August";
  boy.Year = "1947";
  boy.City = "Delhi";
  boy.State = "Delhi";
  boy.Country = "India";
  boy.LatDeg = "28";
  boy.LatMin = "36";
  boy.LongDeg = "77";
  boy.LongMin = "12";
  boy.ZoneHour = "5";
  boy.ZoneMinute = "30";
  BirthFormSide& girl = form.Female;
  girl.Name = "Bela";
  girl.Day = "1";
  girl.Month = "January";
  girl.Year = "2000";
  girl.Hour = "12";
  girl.City = "London";
  girl.State = "England";
  girl.Country = "United Kingdom";
  girl.LatDeg = "51";
  girl.LatMin = "30";
  girl.LongDeg = "0";
  girl.LongMin = "0";
  girl.East = false;
  girl.West = true;
  girl.ZoneHour = "0";
  girl.ZoneMinute = "0";
  return form;
}

}  // namespace lumora::testing
