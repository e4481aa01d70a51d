// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "core/form_result.h"
#include "core/vedic/entry/birth_form.h"
#include "core/vedic/match/koota_scoring.h"

namespace lumora {

// A couple file (".lumora") keeps both persons' whole birth-details form, so a reading
// can be reopened and changed later. It is a small JSON object:
//   {"Format": "lumora-couple", "Version": 1, "Boy": {...}, "Girl": {...}}
// where each person holds every entry of the form by its field name ("Name", "Day",
// "Month" ... texts as the form shows them, "North", "South", "East", "West", "DST"
// as true or false).
//
// Version 2 adds each person's zone: "TimeZoneId" (the birth place's IANA zone, "" for
// a place entered by hand) and "ClockReading" ("earlier" or "later" where the birth hour
// occurred twice, otherwise ""). Every field of a version is required and no other is
// taken, so that a damaged file is never half read. A form without zones is still
// written as version 1, which every release reads; only a form that names a zone needs
// version 2, which a version-1 reader refuses as newer rather than mistaking it for
// damaged. Version 3 adds each zone's direction, "ZoneAhead" and "ZoneBehind" (true or
// false; neither selected leaves the zone on the longitude's side), written wherever a
// form chose one. Version 4 adds, beside "Boy" and "Girl", the koota tables the couple is
// matched with: "KootaTables", "Specified" or "Classical"; a file of an earlier version is
// matched with the specified tables, and a couple matched with them is written in the
// earlier versions. Version 5 may also hold, beside the tables, the zodiac of the match:
// "Ayanamsa" (its name, "Standard", "Lahiri", ...) and "Node" ("Mean" or "True"), each
// optional; a file without them is matched with the standard ayanamsa and the mean node,
// and a couple matched with those is written in the earlier versions. Every version is read.

inline constexpr std::string_view kCoupleFormat = "lumora-couple";
inline constexpr int kCoupleVersion = 5;               // the newest version this program reads
inline constexpr int kCoupleZoneVersion = 2;           // the first version that holds zones
inline constexpr int kCoupleZoneDirectionVersion = 3;  // the first with zone directions
inline constexpr int kCoupleTablesVersion = 4;         // the first with the koota tables
inline constexpr int kCoupleZodiacVersion = 5;         // the first with ayanamsa and node
inline constexpr std::string_view kCoupleExtension = ".lumora";
// Couple files are a few hundred bytes; anything far larger is not one.
inline constexpr std::size_t kCoupleMaxBytes = 64 * 1024;

// What a couple file keeps: both persons' form, the koota tables, the ayanamsa and the
// node of their match.
struct Couple {
  Couple() = default;
  // The tables and zodiac left out are the standard ones, as in a file that leaves them out.
  Couple(BirthForm form, KootaTables tables = KootaTables::Specified, ChartOptions chart = {})
      : Form(std::move(form)), Tables(tables), Chart(chart) {}

  BirthForm Form;
  KootaTables Tables = KootaTables::Specified;
  ChartOptions Chart;
};

// The file of a couple, in the oldest version that holds it. A clock reading is kept
// only with its zone (without one it has no meaning).
std::string WriteCoupleFile(const Couple& couple);

// The couple of a file; a text that is not one, a newer version, or a missing, unknown
// or wrongly typed field is refused with a message naming what is wrong.
FormResult<Couple> ReadCoupleFile(std::string_view bytes);

// Whether a file name ends in ".lumora", in any letter case.
bool HasCoupleExtension(std::string_view file_name);

// "Arjun and Bela": the two names as a file name may hold them (characters that no
// file system takes become blanks); "Boy and Girl" where a name is empty.
std::string CoupleFileStem(std::string_view boy_name, std::string_view girl_name);

}  // namespace lumora
