// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <optional>

#include "core/vedic/porutham/porutham.h"

class QLabel;
class QTableWidget;

namespace lumora::ui {

// The "Porutham" tab of the result window: the ten poruthams (name, whether it agrees,
// what decided it, what it is read for), the count, the vetoes and the verdict, and the
// Papasamyam table of both persons where the birth details give charts.
class PoruthamPage : public QWidget {
  Q_OBJECT
 public:
  explicit PoruthamPage(QWidget* parent = nullptr);

  void Show(const PoruthamMatch& match, const MoonPair& pair,
            const std::optional<PapasamyamResult>& papasamyam);

 private:
  QTableWidget* poruthams_ = nullptr;
  QLabel* count_ = nullptr;
  QLabel* vetoes_ = nullptr;
  QLabel* verdict_ = nullptr;
  QTableWidget* papasamyam_ = nullptr;
  QLabel* papasamyam_totals_ = nullptr;
};

}  // namespace lumora::ui
