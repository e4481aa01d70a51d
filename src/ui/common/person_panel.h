// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "core/entry/person_entries.h"
#include "core/entry/person_side.h"
#include "core/places/atlas.h"
#include "core/places/clock.h"
#include "ui/shell/services.h"

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace lumora::ui {

// One person's panel of a birth-data form: a titled frame with the name, the date and
// time lists, the place boxes with the atlas completer and place search, the latitude
// and longitude boxes with their direction pairs, the clock line of the atlas and the
// list of the two readings of a repeated hour. Both forms build their panels here; the
// form names the texts and the arrangement (FormKind) and adds its own zone controls
// in the panel's grid between the coordinates and the clock line.
//
// While a place of the atlas holds the clock, the panel follows the date and time and
// hands each clock it reads to the form (ClockFollowed), which writes its own zone
// controls; a zone set by hand ends the hold (EndAtlasHold).
class PersonPanel : public QObject {
  Q_OBJECT
 public:
  PersonPanel(FormKind form, PersonSide side, MessageService* messages, QWidget* window);

  QGroupBox* Frame() const { return frame_; }
  PersonSide Side() const { return side_; }

  // Where the form adds its zone controls: the grid of the frame and its next free row.
  // The form moves NextRow past the rows it fills, then calls AddClockRows.
  QGridLayout* Grid() const { return grid_; }
  int& NextRow() { return row_; }
  // The clock line and the reading list below the form's zone controls.
  void AddClockRows();
  // Sets every text of the panel in the current language: captions, options, the names a
  // screen reader says, the clock line.
  void Retranslate();

  // A text box of this panel, named and filtered like the panel's own boxes.
  QLineEdit* AddTextBox(FormControl control, const QString& accessible_name, int max_length = 0);

  // The panel's controls in tab order, from the name to the longitude direction.
  std::vector<QWidget*> TabChain() const;
  QLineEdit* NameBox() const { return name_; }
  QComboBox* DayList() const { return day_; }
  QComboBox* HourList() const { return hour_; }
  QLineEdit* CityBox() const { return city_; }
  // The zone's direction pair, which the form places beside its zone controls. Until a
  // direction is chosen (by hand, by the atlas, TZ Help or the zone list) it follows the
  // longitude's East/West choice, as the zone's direction always did.
  QRadioButton* ZoneAheadOption() const { return zone_ahead_; }
  QRadioButton* ZoneBehindOption() const { return zone_behind_; }
  void ChooseZoneDirection(bool ahead);
  // The list of the two readings of a repeated hour, shown only then.
  QComboBox* ReadingList() const;

  // The shared entries; the DST box is the form's own and is left as it is.
  PersonEntries Entries() const;
  // Fills every shared entry; a list text that the list does not hold selects its first entry.
  // Entries that name a zone (a reopened couple file) put it back in hold, with the reading
  // of a repeated hour chosen then, and read its clock again; others end any hold.
  void SetEntries(const PersonEntries& entries);

  // Fills the panel from a place of the atlas, whose zone then holds the clock.
  void FillFromPlace(const Place& place);
  // A zone chosen or ticked by hand wins over the atlas: the hold, the clock line and the
  // reading list go.
  void EndAtlasHold();
  bool AtlasHoldsClock() const { return !time_zone_id_.empty(); }

 signals:
  // The City text was changed after a place of the atlas filled the panel: the place's
  // state, country, coordinates and clock are gone, and the form clears its zone.
  void PlaceForgotten();
  // The clock the atlas's zone gives at the entered date and time.
  void ClockFollowed(const lumora::PersonClock& clock);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildColumns();
  void FitClockLine();
  void BuildRows();
  void RefreshClock();
  void LookUpPlace();
  void ForgetPlace();
  void ShowClockLine(const QString& text);
  void FollowLongitude();
  LocalDateTime EnteredTime() const;

  PersonSide side_;
  FormKind form_;
  MessageService* messages_;
  QGroupBox* frame_ = nullptr;
  QGridLayout* grid_ = nullptr;
  int row_ = 0;
  QLineEdit* name_ = nullptr;
  QComboBox* day_ = nullptr;
  QComboBox* month_ = nullptr;
  QComboBox* year_ = nullptr;
  QComboBox* hour_ = nullptr;
  QComboBox* minute_ = nullptr;
  QComboBox* second_ = nullptr;
  QLineEdit* city_ = nullptr;
  QLineEdit* state_ = nullptr;
  QLineEdit* country_ = nullptr;
  QPushButton* browse_ = nullptr;
  QLineEdit* lat_deg_ = nullptr;
  QLineEdit* lat_min_ = nullptr;
  QRadioButton* north_ = nullptr;
  QRadioButton* south_ = nullptr;
  QLineEdit* long_deg_ = nullptr;
  QLineEdit* long_min_ = nullptr;
  QRadioButton* east_ = nullptr;
  QRadioButton* west_ = nullptr;
  QRadioButton* zone_ahead_ = nullptr;
  QRadioButton* zone_behind_ = nullptr;
  bool zone_direction_chosen_ = false;
  bool place_filled_ = false;  // the place boxes hold a place of the atlas
  QLabel* clock_line_ = nullptr;
  std::vector<QLabel*> time_hints_;    // "HH/MM/SS" after the time of birth
  std::vector<QLabel*> degree_hints_;  // "DEG/MIN" after each coordinate
  QComboBox* reading_ = nullptr;
  std::string time_zone_id_;
};

// Tab visits the widgets in the given order.
void SetTabOrder(const std::vector<QWidget*>& order);

}  // namespace lumora::ui
