// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <optional>

#include "core/vedic/chart/sidereal_chart.h"
#include "documents/chart_picture.h"

namespace lumora::ui {

// Shows one rasi chart, drawn afresh at the widget's size and pixel ratio.
class ChartView : public QWidget {
  Q_OBJECT
 public:
  explicit ChartView(QWidget* parent = nullptr);

  void SetChart(const SiderealChart& chart, const QString& caption);
  void SetStyle(documents::ChartStyle style);
  documents::ChartStyle Style() const { return style_; }
  bool HasChart() const { return chart_.has_value(); }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<SiderealChart> chart_;
  QString caption_;
  documents::ChartStyle style_ = documents::ChartStyle::NorthIndian;
};

}  // namespace lumora::ui
