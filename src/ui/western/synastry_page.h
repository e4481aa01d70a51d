// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include "core/document.h"
#include "core/western/synastry/synastry.h"

class QLabel;
class QTableWidget;

namespace lumora::ui {

// The bi-wheel as a widget: painted in vectors at any size and scale, its accessible
// description the positions it shows.
class BiWheelWidget : public QWidget {
  Q_OBJECT
 public:
  explicit BiWheelWidget(QWidget* parent = nullptr);
  void SetWheel(const DocumentBiWheel& wheel);
  const DocumentBiWheel& Wheel() const { return wheel_; }

  QSize sizeHint() const override;
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override { return width; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  DocumentBiWheel wheel_;
  bool filled_ = false;
};

// The Synastry page of the Western report: the aspect grid (the male's points down the
// side as A, the female's across the top as B), the bi-wheel, the house overlays both
// ways and the composite and Davison positions. It computes nothing.
class SynastryPage : public QWidget {
  Q_OBJECT
 public:
  explicit SynastryPage(QWidget* parent = nullptr);

  void Fill(const SynastryReading& reading, const std::string& a_name, const std::string& b_name);
  // Empties every table, for a report shown before any run.
  void Clear();

 private:
  QLabel* intro_ = nullptr;
  QTableWidget* grid_ = nullptr;
  BiWheelWidget* wheel_ = nullptr;
  QTableWidget* points_ = nullptr;
  QLabel* houses_ = nullptr;
  QLabel* davison_ = nullptr;
};

}  // namespace lumora::ui
