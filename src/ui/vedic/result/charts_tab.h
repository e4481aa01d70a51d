// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QGroupBox>
#include <array>
#include <functional>
#include <optional>

#include "core/vedic/chart/charts_and_doshas.h"
#include "documents/chart_picture.h"

class QComboBox;
class QLabel;
class QTabWidget;
class QTableWidget;

namespace lumora::ui {

class ChartView;

// The "Charts And Doshas" tab: each person's rasi and Navamsa charts with the planet
// table beside them, the doshas of the pair, Manglik from the Lagna, the Moon and Venus,
// the birth-time windows and the score range over the uncertain birth times. A match
// from a profile file shows the doshas alone and says why.
class ChartsTab : public QGroupBox {
  Q_DECLARE_TR_FUNCTIONS(lumora::ui::ResultWindow)

 public:
  // Back and Next step through the window's pages; a new uncertainty is told to
  // uncertainty_changed (in minutes either side).
  ChartsTab(QTabWidget& pages, const QString& boy_name, const QString& girl_name,
            std::function<void(int)> uncertainty_changed, QWidget* parent = nullptr);

  // The moments are those behind the charts (absent, with the charts, for a match from a
  // profile file).
  void Show(const ChartsAndDoshas& charts, const std::optional<BirthMoment>& boy,
            const std::optional<BirthMoment>& girl);
  void ShowScoreRange(const ScoreRange& range);
  // The uncertainty chosen for the score range, in minutes either side.
  int Uncertainty() const;
  // The style the charts are drawn in, also for the documents made from the window.
  ChartStyle SelectedStyle() const { return style_; }

 private:
  // One person's part of the tab (index 0 the boy's, 1 the girl's).
  struct PersonWidgets {
    QString Name;
    QLabel* ChartTitle = nullptr;
    QLabel* Zodiac = nullptr;
    ChartView* Chart = nullptr;
    ChartView* Navamsa = nullptr;
    QTableWidget* Planets = nullptr;
    std::array<QLabel*, kManglikReferenceNames.size()> ManglikFrom{};
    QLabel* Manglik = nullptr;
    QLabel* ManglikExceptions = nullptr;
    QLabel* WindowTitle = nullptr;
    std::array<QLabel*, kWindowKindCount> Windows{};
  };

  void ApplyStyle(int index);
  // Every point of the chart with its sign, degrees, nakshatra and pada.
  static void ShowPlanetTable(QTableWidget& table, const SiderealChart& chart);

  std::array<PersonWidgets, 2> persons_;
  QComboBox* style_choice_ = nullptr;
  ChartStyle style_ = ChartStyle::NorthIndian;
  QComboBox* uncertainty_ = nullptr;
  QWidget* chart_details_ = nullptr;  // everything that needs birth details
  QLabel* need_birth_details_ = nullptr;
  std::array<QLabel*, kPairDoshaNames.size()> doshas_{};
  QWidget* manglik_ = nullptr;
  QLabel* manglik_match_ = nullptr;
  QWidget* birth_time_ = nullptr;
  QLabel* score_range_ = nullptr;
};

}  // namespace lumora::ui
