// SPDX-License-Identifier: MIT
#pragma once

#include <QGroupBox>
#include <QHash>
#include <array>
#include <optional>

#include "core/vedic/chart/charts_and_doshas.h"

class QComboBox;
class QLabel;

namespace lumora::ui {
class ChartView;

// The "Charts And Doshas" tab: both persons' rasi charts in the chosen style, the
// doshas, Manglik, the birth-time windows and the score range for an uncertainty.
class ChartsTab : public QGroupBox {
  Q_OBJECT
 public:
  // The names head the charts and the birth-time windows.
  ChartsTab(const QString& boy_name, const QString& girl_name, QWidget* parent = nullptr);

  // The moments are those behind the charts (absent, with the charts, for a match from a
  // profile file).
  void ShowChartsAndDoshas(const ChartsAndDoshas& charts, const std::optional<BirthMoment>& boy,
                           const std::optional<BirthMoment>& girl);
  void ShowScoreRange(const ScoreRange& range);
  // The uncertainty chosen for the score range, in minutes either side.
  int Uncertainty() const;
  // The style the charts are drawn in.
  ChartStyle SelectedChartStyle() const { return chart_style_value_; }

 signals:
  void UncertaintyChanged(int minutes);
  // The Back and Next buttons: the tab before and after this one.
  void PreviousTabRequested();
  void NextTabRequested();

 private:
  // A wrapped label the tab fills in, kept by its name.
  QLabel* AddLabel(QWidget* parent, const QString& name, const QString& accessible);
  void SetLabel(const QString& name, const QString& text);
  void ApplyChartStyle(int index);

  QString boy_name_;
  QString girl_name_;
  QComboBox* chart_style_ = nullptr;
  ChartStyle chart_style_value_ = ChartStyle::NorthIndian;
  QComboBox* uncertainty_ = nullptr;
  QWidget* chart_details_ = nullptr;  // everything that needs birth details
  QWidget* manglik_ = nullptr;
  QWidget* birth_time_ = nullptr;
  QLabel* need_birth_details_ = nullptr;
  std::array<ChartView*, 2> chart_views_{};  // boy's, girl's
  QHash<QString, QLabel*> labels_;           // by object name
};

}  // namespace lumora::ui
