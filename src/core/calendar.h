// SPDX-License-Identifier: MIT
#pragma once

namespace lumora {

// The calendars a date is read in. The birth-details and Western forms keep every fourth
// year a leap year, as their lists always did; a person record's date is Gregorian
// throughout; the ephemerides read dates in the Julian calendar until the reform of
// October 1582 and in the Gregorian after it.
enum class Calendar { Julian, Gregorian, JulianUntilReform };

// The year of the Gregorian reform: its October lost the days 5 to 14.
inline constexpr int kGregorianReformYear = 1582;

bool IsLeapYear(int year, Calendar calendar);

// Days of a month (1 = January) of a year in the calendar.
int DaysInMonth(int year, int month, Calendar calendar);

}  // namespace lumora
