#pragma once

#include <QMainWindow>

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
  // What the time-zone picker writes: the zone fields of one side.
  void WriteZone(bool boy, int hours, int minutes);

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
  };

  QGroupBox* BuildSide(Side& side, char prefix, const QString& caption);
  BirthFormSide Read(const Side& side) const;
  static void Write(const Side& side, const BirthFormSide& entries);
  void LookUpPlace(const Side& side, char prefix);

  Services services_;
  Side boy_;
  Side girl_;
};

}  // namespace lumora::ui
