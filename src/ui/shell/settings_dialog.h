// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include "core/ephemeris/moon_model.h"
#include "core/vedic/chart/sidereal_chart.h"
#include "core/vedic/match/koota_scoring.h"

class QCheckBox;
class QComboBox;

namespace lumora::ui {

// The program's preferences, kept with QSettings between runs.
MoonModel StoredMoonModel();
void StoreMoonModel(MoonModel model);
KootaTables StoredKootaTables();
void StoreKootaTables(KootaTables tables);
// The ayanamsa and node of every Vedic chart and Moon: Standard and Mean unless chosen;
// a stored name the program does not know reads as the default.
ChartOptions StoredChartOptions();
void StoreChartOptions(const ChartOptions& options);

// The page of the match the result window opens on: the Ashta-koota pages as they have
// always opened, or the South Indian poruthams.
enum class OpeningMethod { AshtaKoota, Porutham };
OpeningMethod StoredOpeningMethod();
void StoreOpeningMethod(OpeningMethod method);

// File > Settings: the choice of ephemeris, of the ayanamsa and node, of koota tables and of
// the match method the result opens on. Hands the choices out through its getters; the owner stores
// them and passes them on.
class SettingsDialog : public QDialog {
  Q_OBJECT
 public:
  SettingsDialog(MoonModel current, KootaTables tables, const ChartOptions& chart, QWidget* parent);

  MoonModel ChosenMoonModel() const;
  ChartOptions ChosenChartOptions() const;
  KootaTables ChosenKootaTables() const;
  // The method the result window opens on; the dialog starts from the stored one.
  OpeningMethod ChosenOpeningMethod() const;

 private:
  QCheckBox* precise_moon_ = nullptr;
  QComboBox* ayanamsa_ = nullptr;
  QComboBox* node_ = nullptr;
  QComboBox* koota_tables_ = nullptr;
  QComboBox* opening_method_ = nullptr;
};

}  // namespace lumora::ui
