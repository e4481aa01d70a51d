// SPDX-License-Identifier: MIT
#include "ui/shell/form_widgets.h"

#include <QLabel>

namespace lumora::ui {

QLabel* Caption(const QString& text, QWidget* buddy, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setBuddy(buddy);
  return label;
}

QLabel* Hint(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, palette.color(QPalette::PlaceholderText));
  label->setPalette(palette);
  return label;
}

}  // namespace lumora::ui
