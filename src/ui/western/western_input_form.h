// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>

#include "core/places/atlas.h"
#include "core/western/western_form.h"
#include "ui/shell/services.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace lumora::ui {

// The Western test's input window: the birth data of a male and a female person.
class WesternInputForm : public QMainWindow {
  Q_OBJECT
 public:
  explicit WesternInputForm(const Services& services, QWidget* parent = nullptr);

  // Both panels as the core reads them.
  WesternForm Entries() const;
  // After a refused run or look-up: focus the control the message names; for an option
  // pair, select its preset option first. A message without a control changes nothing.
  void Apply(const WesternFormMessage& message);
  // Fills one panel from a place of the atlas: place names, coordinates and the clock at
  // the entered birth date and time, which then follows the date and time.
  void FillFromPlace(WesternSide side, const Place& place);

 signals:
  void CalculateRequested();

 private:
  struct Panel {
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
    QPushButton* LookUp = nullptr;
    QLineEdit* LatDeg = nullptr;
    QLineEdit* LatMin = nullptr;
    QRadioButton* North = nullptr;
    QRadioButton* South = nullptr;
    QLineEdit* LongDeg = nullptr;
    QLineEdit* LongMin = nullptr;
    QRadioButton* East = nullptr;
    QRadioButton* West = nullptr;
    QComboBox* TimeZone = nullptr;
    QCheckBox* DST = nullptr;
    QLabel* ClockLine = nullptr;   // the zone and offset the atlas's clock gives
    QComboBox* Reading = nullptr;  // which reading of a repeated hour, shown only then
    std::string TimeZoneId;        // while the atlas holds the clock
  };

  QGroupBox* BuildPanel(Panel& panel, WesternSide side);
  QLineEdit* TextBox(QWidget* parent, WesternSide side, WesternControl control,
                     const QString& accessible_name);
  static WesternFormSide Read(const Panel& panel);
  void LookUpPlace(Panel& panel, WesternSide side);
  void RefreshClock(Panel& panel);
  void EndAtlasHold(Panel& panel);

  Services services_;
  Panel male_;
  Panel female_;
};

}  // namespace lumora::ui
