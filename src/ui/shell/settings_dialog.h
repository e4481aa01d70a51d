// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include "core/ephemeris/moon_model.h"

class QCheckBox;

namespace lumora::ui {

// The program's preferences, kept with QSettings between runs.
MoonModel StoredMoonModel();
void StoreMoonModel(MoonModel model);

// File > Settings: the choice of Moon. Hands the choice out through its getter; the
// owner stores it and passes it on.
class SettingsDialog : public QDialog {
  Q_OBJECT
 public:
  SettingsDialog(MoonModel current, QWidget* parent);

  MoonModel ChosenMoonModel() const;

 private:
  QCheckBox* precise_moon_ = nullptr;
};

}  // namespace lumora::ui
