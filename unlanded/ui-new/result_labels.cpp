// SPDX-License-Identifier: MIT
#include "ui/vedic/result/result_labels.h"

#include <QLabel>

namespace lumora::ui {

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

QLabel* SelectableLabel(const QString& text, QWidget* parent, const QString& name) {
  auto* label = new QLabel(text, parent);
  if (!name.isEmpty()) {
    label->setObjectName(name);
  }
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

QLabel* WrappedLabel(QWidget* parent, const QString& name, const QString& accessible) {
  auto* label = SelectableLabel(QString(), parent, name);
  label->setWordWrap(true);
  label->setAccessibleName(accessible);
  return label;
}

QLabel* Heading(const QString& text, QWidget* parent) {
  auto* label = SelectableLabel(text, parent);
  QFont bold = label->font();
  bold.setBold(true);
  label->setFont(bold);
  return label;
}

}  // namespace lumora::ui
