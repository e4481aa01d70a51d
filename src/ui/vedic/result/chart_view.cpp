// SPDX-License-Identifier: MIT
#include "ui/vedic/result/chart_view.h"

#include <QPainter>

#include "ui/shell/language_choice.h"

namespace lumora::ui {

namespace {
// The legend under the square takes this share of the height.
constexpr double kHeightPerWidth = 1.08;
}  // namespace

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
  // As wide as the layout allows, as tall as that width needs: the square and its legend.
  QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  policy.setHeightForWidth(true);
  setSizePolicy(policy);
  OnLanguageChange(*this, [this] { update(); });
}

void ChartView::SetChart(const SiderealChart& chart, const QString& caption) {
  chart_ = chart;
  caption_ = caption;
  update();
}

void ChartView::SetStyle(documents::ChartStyle style) {
  style_ = style;
  update();
}

QSize ChartView::sizeHint() const {
  return {300, heightForWidth(300)};
}

QSize ChartView::minimumSizeHint() const {
  return {220, heightForWidth(220)};
}

int ChartView::heightForWidth(int width) const {
  return static_cast<int>(width * kHeightPerWidth);
}

void ChartView::paintEvent(QPaintEvent* /*event*/) {
  if (!chart_) {
    return;
  }
  QPainter painter(this);
  // The grahas abbreviated in the script of the language the windows speak.
  documents::PaintRasiChart(painter, QRectF(rect()), *chart_, style_, caption_, CurrentLanguage());
}

}  // namespace lumora::ui
