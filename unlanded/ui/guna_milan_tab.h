// SPDX-License-Identifier: MIT
#pragma once

#include <QGroupBox>
#include <array>

#include "core/vedic/match/match.h"

class QLabel;

namespace lumora::ui {

// The Guna Milan table: a row per koota (boy, girl, maximum points, points obtained,
// area of life), the total row and the sentence under it.
class GunaMilanTab : public QGroupBox {
  Q_OBJECT
 public:
  explicit GunaMilanTab(QWidget* parent = nullptr);

  // Fills the table; every value cell is named for screen readers by its row and column
  // ("Varna, points obtained, 1").
  void ShowGrid(const GunaMilanGrid& grid);

 private:
  // The labels of one koota row's value cells, in the order of the columns.
  using GridRowLabels = std::array<QLabel*, 5>;

  std::array<GridRowLabels, kKootaCount> rows_{};
  QLabel* maximum_ = nullptr;  // the total row: the 36 points at stake,
  QLabel* points_ = nullptr;   // the points obtained,
  QLabel* verdict_ = nullptr;  // the verdict,
  QLabel* summary_ = nullptr;  // and the sentence under the table
};

}  // namespace lumora::ui
