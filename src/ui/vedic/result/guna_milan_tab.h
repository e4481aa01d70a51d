// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QGroupBox>
#include <array>

#include "core/vedic/match/match.h"

class QLabel;

namespace lumora::ui {

// The "Guna Milan" tab: the table of the eight kootas with both persons' values, the
// points at stake and obtained, the total and verdict, the sentence under it, the koota
// tables in use and the rows' notes. The table keeps its rows' height and the page
// scrolls instead, so that the notes under it never squeeze the table in a small window.
class GunaMilanTab : public QGroupBox {
  Q_DECLARE_TR_FUNCTIONS(lumora::ui::ResultWindow)

 public:
  // The tables and the two Moons are those the grid is read from: in Hindi and Tamil the
  // values are named again from them.
  GunaMilanTab(KootaTables tables, const KootaMoon& boy, const KootaMoon& girl,
               QWidget* parent = nullptr);

  // Fills the table; every value cell is named for screen readers by its row and column
  // ("Varna, points obtained, 1").
  void Show(const GunaMilanGrid& grid);

 private:
  // The grid with its words in the language in use: the values of the kootas and the
  // verdict from the glossary, the areas of life and the summary translated.
  GunaMilanGrid InLanguage(const GunaMilanGrid& grid) const;

  // The labels of one koota row's value cells, in the order of the columns.
  using RowLabels = std::array<QLabel*, 5>;

  KootaTables tables_;
  KootaMoon boy_moon_;
  KootaMoon girl_moon_;
  std::array<RowLabels, kKootaCount> rows_{};
  QLabel* maximum_ = nullptr;      // the total row: the 36 points at stake,
  QLabel* points_ = nullptr;       // the points obtained,
  QLabel* verdict_ = nullptr;      // the verdict,
  QLabel* summary_ = nullptr;      // and the sentence under the table
  QLabel* tables_line_ = nullptr;  // the tables in use and the other set's total
  QLabel* notes_ = nullptr;        // the rows' notes, one line each
};

}  // namespace lumora::ui
