// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>

#include "core/places/atlas.h"
#include "core/western/western_form.h"
#include "ui/shell/services.h"

class QCheckBox;
class QComboBox;

namespace lumora::ui {

class PersonPanel;

// The Western test's input window: the birth data of a male and a female person.
class WesternInputForm : public QMainWindow {
  Q_OBJECT
 public:
  explicit WesternInputForm(const Services& services, QWidget* parent = nullptr);

  // Both panels as the core reads them.
  WesternForm Entries() const;
  // After a refused run or look-up: focus the control the message names; for an option
  // pair, select its preset option first. A message without a control changes nothing.
  void Apply(const FormFailure& message);
  // Puts the keyboard on one side's day list (a date to be set).
  void FocusDate(PersonSide side);
  // Fills one panel from a place of the atlas: place names, coordinates and the clock at
  // the entered birth date and time, which then follows the date and time.
  void FillFromPlace(PersonSide side, const Place& place);

 signals:
  void CalculateRequested();

 private:
  // One person's panel and the zone controls this form adds to it.
  struct Panel {
    PersonPanel* Person = nullptr;
    QComboBox* TimeZone = nullptr;
    QCheckBox* DST = nullptr;
  };

  void BuildPanel(Panel& panel, PersonSide side);
  static WesternFormSide Read(const Panel& panel);
  static void ShowClock(Panel& panel, const PersonClock& clock);
  static void EndAtlasHold(Panel& panel);

  Services services_;
  Panel male_;
  Panel female_;
};

}  // namespace lumora::ui
