// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include "core/ephemeris/moon_model.h"
#include "core/vedic/match/koota_scoring.h"

class QCheckBox;
class QComboBox;

namespace lumora::ui {

// The program's preferences, kept with QSettings between runs.
MoonModel StoredMoonModel();
void StoreMoonModel(MoonModel model);
KootaTables StoredKootaTables();
void StoreKootaTables(KootaTables tables);

// File > Settings: the choice of Moon and of koota tables. Hands the choices out through
// its getters; the owner stores them and passes them on.
class SettingsDialog : public QDialog {
  Q_OBJECT
 public:
  SettingsDialog(MoonModel current, KootaTables tables, QWidget* parent);

  MoonModel ChosenMoonModel() const;
  KootaTables ChosenKootaTables() const;

 private:
  QCheckBox* precise_moon_ = nullptr;
  QComboBox* koota_tables_ = nullptr;
};

}  // namespace lumora::ui
