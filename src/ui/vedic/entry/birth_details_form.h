// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>

#include <optional>

#include "core/places/atlas.h"
#include "core/vedic/entry/birth_form.h"
#include "ui/shell/services.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace lumora::ui {

// The Vedic test's input window: both persons' birth details.
class BirthDetailsForm : public QMainWindow {
  Q_OBJECT
 public:
  BirthDetailsForm(const Services& services, QWidget* parent = nullptr);

  // The entries of both sides as the core reads them.
  BirthForm Entries() const;
  // After a failed check: focus the field or select the default option.
  void Apply(const FormFailure& failure);
  // Fills every entry of both sides (a couple file opened).
  void SetEntries(const BirthForm& form);
  // What the time-zone picker writes: the zone fields of one side (a manual value, which
  // ends the atlas's hold on the side's clock).
  void WriteZone(bool boy, int hours, int minutes);
  // Fills one side from a place of the atlas: place names, coordinates and the clock at
  // the entered birth date and time, which then follows the date and time.
  void FillFromPlace(bool boy, const Place& place);

 signals:
  void MatchRequested();
  void OpenRequested();
  void SaveCoupleRequested();
  void OpenCoupleRequested();
  void TimeZoneHelpRequested(bool boy);

 private:
  struct Side {
    QGroupBox* Frame = nullptr;
    QLineEdit* Name = nullptr;
    QComboBox* Day = nullptr;
    QComboBox* Month = nullptr;
    QComboBox* Year = nullptr;
    QComboBox* Hour = nullptr;
    QComboBox* Minute = nullptr;
    QComboBox* Second = nullptr;
    QLineEdit* City = nullptr;
    QLineEdit* State = nullptr;
    QLineEdit* Country = nullptr;
    QLineEdit* LatDeg = nullptr;
    QLineEdit* LatMin = nullptr;
    QRadioButton* North = nullptr;
    QRadioButton* South = nullptr;
    QLineEdit* LongDeg = nullptr;
    QLineEdit* LongMin = nullptr;
    QRadioButton* East = nullptr;
    QRadioButton* West = nullptr;
    QLineEdit* ZoneHour = nullptr;
    QLineEdit* ZoneMinute = nullptr;
    QCheckBox* DST = nullptr;
    QLabel* TimeZoneHelp = nullptr;
    QPushButton* Browse = nullptr;
    QLabel* ClockLine = nullptr;   // the zone and offset the atlas's clock gives
    QComboBox* Reading = nullptr;  // which reading of a repeated hour, shown only then
    std::string TimeZoneId;        // while the atlas holds the clock
  };

  QGroupBox* BuildSide(Side& side, char prefix, const QString& caption);
  BirthFormSide Read(const Side& side) const;
  static void Write(const Side& side, const BirthFormSide& entries);
  void LookUpPlace(Side& side);
  void RefreshClock(Side& side);
  void EndAtlasHold(Side& side);

  Services services_;
  Side boy_;
  Side girl_;
};

}  // namespace lumora::ui
