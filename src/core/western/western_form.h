#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/entry/form_result.h"
#include "core/form_failure.h"
#include "core/place_lookup.h"
#include "core/places/clock.h"
#include "core/western/western_positions.h"

namespace lumora {

// ---------------------------------------------------------------- the form record

// One panel of the Western input form, each control as the window shows it.
struct WesternFormSide {
  std::string Name;
  std::string Day = "1";          // "1" .. "31"
  std::string Month = "January";  // "January" .. "December"
  std::string Year = "1901";      // "1901" .. "2050"
  std::string Hour = "0";         // "0" .. "23"
  std::string Minute = "0";       // "0" .. "59"
  std::string Second = "0";       // "0" .. "59"; offered, never read
  std::string City;
  std::string State;
  std::string Country;
  std::string LatDeg;
  std::string LatMin;
  std::string LongDeg;
  std::string LongMin;
  // The latitude direction pair (optMLong: index 0 North, index 1 South) and the
  // longitude direction pair (optMLat: index 0 East, index 1 West). A pair may have
  // neither option selected; the presets are North and East.
  bool LatNorth = true;
  bool LatSouth = false;
  bool LongEast = true;
  bool LongWest = false;
  int TimeZoneRow = 0;  // list position in the time-zone table, 0 .. 70
  bool DST = false;
  // The birth place's IANA zone, where the atlas gave one: the clock then comes from the
  // zone at the birth date and time, and the zone row and the DST box are not used.
  std::string TimeZoneId;
  // Which reading of a repeated hour the birth time means, where the hour occurred twice.
  std::optional<ClockChoice> ClockReading;
};

struct WesternForm {
  WesternFormSide Male;
  WesternFormSide Female;
};

enum class WesternSide { Male, Female };

// The controls of one panel.
enum class WesternControl {
  Name,
  Day,
  Month,
  Year,
  Hour,
  Minute,
  Second,
  City,
  State,
  Country,
  LatDeg,
  LatMin,
  LatDirection,  // option pair optMLong
  LongDeg,
  LongMin,
  LongDirection,  // option pair optMLat
  TimeZone,
  DST,
};

// The window's object name of a control: "txtMName", "cboFMonth", "optMLong" ...
std::string WesternControlName(WesternSide side, WesternControl control);

// ---------------------------------------------------------------- messages

// The messages of both forms are one type. For an option pair the control is the
// pair ("optMLong"), whose preset option (index 0) is selected.
using WesternMessageIcon = MessageIcon;
using WesternFormMessage = FormFailure;

// ---------------------------------------------------------------- lists

enum class WesternList { Day, Month, Year, Hour, Minute, Second, TimeZone };

// The entries of a drop-down list, in list order; the first is preselected.
std::vector<std::string> WesternListEntries(WesternList list);

// The first list text or time-zone row that its list does not offer, as a message
// naming the list. The window's lists cannot hold such a value; a form record made
// elsewhere can.
std::optional<WesternFormMessage> FindWesternListFault(const WesternForm& form);

// ---------------------------------------------------------------- key filters

enum class WesternKeyFilter { Letters, Digits };

// The longest text a latitude or longitude box takes.
inline constexpr int kWesternCoordinateMaxLength = 3;

// The filter of a text box: letters for the name and place boxes, digits for the
// latitude and longitude boxes, none for the other controls.
std::optional<WesternKeyFilter> WesternKeyFilterOf(WesternControl control);

// Whether a typed character code passes the filter: nothing when it does, otherwise
// the message to show after swallowing the key (the focus stays in the box).
std::optional<WesternFormMessage> FilterWesternKey(WesternKeyFilter filter, int key_code);

// ---------------------------------------------------------------- place look-up

// The coordinate look-up of one panel: the first empty place box (city, state, country)
// fails with its message and focus; otherwise the web-search query is the city, the
// state and the country as typed, separated by blanks, then " Latitude Longitude".
using WesternPlaceLookup = PlaceLookup;

WesternPlaceLookup LookupWesternPlace(const WesternFormSide& panel, WesternSide side);

// ---------------------------------------------------------------- validation and reading

// The checks of the form in their fixed order; nothing when every check passes,
// otherwise the first failure.
std::optional<WesternFormMessage> ValidateWesternInput(const WesternForm& form);

// The birth data of one validated panel. The zone comes from the form's own copy of the
// time-zone table. Throws std::invalid_argument for a field that does not convert,
// which a validated form never holds.
WesternBirthData ReadWesternBirthData(const WesternFormSide& side);

// The clock of a panel that names its zone, refused (focus on the panel's hour list) for a
// time that never existed there or a repeated hour without a reading; nothing for a panel
// without a zone.
FormResult<std::optional<PersonClock>> ReadPanelClock(const WesternFormSide& side,
                                                      WesternSide which);

}  // namespace lumora
