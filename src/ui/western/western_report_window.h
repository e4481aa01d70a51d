// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <array>

#include "core/western/synastry/synastry.h"
#include "core/western/western_run.h"

class QLabel;
class QTabWidget;

namespace lumora::ui {

class SynastryPage;

// The read-only outcome of a Western test: both persons' details, both tables of natal
// positions and the five compatibility figures. It computes nothing; every value comes
// from the core and stays until the next fill.
class WesternReportWindow : public QWidget {
  Q_OBJECT
 public:
  explicit WesternReportWindow(QWidget* parent = nullptr);

  // Shows the outcome of a run in every value label.
  void Fill(const WesternTestResult& result);

  // Shows the synastry of the same run on the Synastry page; A is the male.
  void FillSynastry(const SynastryReading& reading, const WesternTestResult& result);

  QTabWidget* Pages() const { return pages_; }

 private:
  struct PersonLabels {
    QLabel* Name = nullptr;
    QLabel* DateOfBirth = nullptr;
    QLabel* TimeOfBirth = nullptr;
    QLabel* City = nullptr;
    QLabel* State = nullptr;
    QLabel* Country = nullptr;
    QLabel* Coordinates = nullptr;  // as the chart read them
    QLabel* Clock = nullptr;        // the zone and offset the chart read
    QLabel* MoonCaption = nullptr;  // shown only for the precise Moon
    QLabel* Moon = nullptr;
  };

  QTabWidget* pages_ = nullptr;  // the report, then the synastry
  QWidget* content_ = nullptr;   // the report inside its scroll area
  SynastryPage* synastry_ = nullptr;
  PersonLabels male_;
  PersonLabels female_;
  std::array<QLabel*, kChartPointCount> male_positions_{};
  std::array<QLabel*, kChartPointCount> female_positions_{};
  QLabel* power_ = nullptr;
  QLabel* harmony_ = nullptr;
  QLabel* power_times_harmony_ = nullptr;
  QLabel* percentage_ = nullptr;
  QLabel* comment_ = nullptr;
};

// The family of the report's labels: Verdana where it is installed, otherwise the
// desktop's sans-serif family.
QString WesternReportFontFamily();

}  // namespace lumora::ui
