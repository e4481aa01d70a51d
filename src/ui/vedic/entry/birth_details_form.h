// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>

#include <optional>

#include "core/places/atlas.h"
#include "core/vedic/entry/birth_form.h"
#include "ui/shell/services.h"

class QCheckBox;
class QLineEdit;

namespace lumora::ui {

class LinkButton;
class PersonPanel;

// The Vedic test's input window: both persons' birth details.
class BirthDetailsForm : public QMainWindow {
  Q_OBJECT
 public:
  BirthDetailsForm(const Services& services, QWidget* parent = nullptr);

  // The entries of both sides as the core reads them.
  BirthForm Entries() const;
  // After a failed check: focus the field or select the default option.
  void Apply(const FormFailure& failure);
  // Puts the keyboard on one side's day list (a date to be set).
  void FocusDate(PersonSide side);
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
  // One person's panel and the zone controls this form adds to it.
  struct Side {
    PersonPanel* Panel = nullptr;
    QLineEdit* ZoneHour = nullptr;
    QLineEdit* ZoneMinute = nullptr;
    QCheckBox* DST = nullptr;
    LinkButton* TimeZoneHelp = nullptr;
  };

  void BuildSide(Side& side, PersonSide person);
  static BirthFormSide Read(const Side& side);
  static void Write(const Side& side, const BirthFormSide& entries);
  void ShowClock(Side& side, const PersonClock& clock);

  Services services_;
  Side boy_;
  Side girl_;
};

}  // namespace lumora::ui
