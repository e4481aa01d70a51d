// SPDX-License-Identifier: MIT
#include "ui/shell/keyboard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabWidget>

namespace lumora::ui {

namespace {

bool IsEnter(const QKeyEvent& key) {
  return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) &&
         (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// +1 for the next tab, -1 for the previous, 0 for any other key.
int TabStep(const QKeyEvent& key) {
  const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
  if (modifiers == Qt::ControlModifier &&
      (key.key() == Qt::Key_Tab || key.key() == Qt::Key_PageDown)) {
    return 1;
  }
  if ((modifiers == (Qt::ControlModifier | Qt::ShiftModifier) &&
       (key.key() == Qt::Key_Backtab || key.key() == Qt::Key_Tab)) ||
      (modifiers == Qt::ControlModifier && key.key() == Qt::Key_PageUp)) {
    return -1;
  }
  return 0;
}

// The tabs of the window that holds the focused widget: the nearest tab widget among the
// widget's parents, else the first of its window.
QTabWidget* TabsAround(QWidget* focus) {
  for (QWidget* widget = focus; widget != nullptr; widget = widget->parentWidget()) {
    if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
      return tabs;
    }
    if (widget->inherits("QMdiSubWindow") || widget->isWindow()) {
      auto* tabs = widget->findChild<QTabWidget*>();
      return tabs != nullptr && tabs->isVisible() ? tabs : nullptr;
    }
  }
  return nullptr;
}

}  // namespace

void KeyboardConventions::Install() {
  static KeyboardConventions* const conventions = new KeyboardConventions(qApp);
  // The filter installed last runs first: installed again, it goes before the document
  // area's own, which takes Ctrl+Tab for its windows once the area is shown.
  qApp->removeEventFilter(conventions);
  qApp->installEventFilter(conventions);
}

bool KeyboardConventions::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride) {
    return false;
  }
  // Keys go to the focused widget first; whatever it leaves goes on to its parents, and
  // each key is handled here at its first stop.
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr || !widget->isWidgetType()) {
    return false;
  }
  const auto& key = static_cast<const QKeyEvent&>(*event);
  if (const int step = TabStep(key); step != 0) {
    QTabWidget* tabs = TabsAround(widget);
    if (tabs == nullptr || tabs->count() < 2) {
      return false;
    }
    if (type == QEvent::ShortcutOverride) {
      event->accept();  // the key is the tabs', no shortcut's
      return false;
    }
    tabs->setCurrentIndex((tabs->currentIndex() + step + tabs->count()) % tabs->count());
    return true;
  }
  if (type == QEvent::KeyPress && IsEnter(key)) {
    auto* button = qobject_cast<QPushButton*>(widget);
    // A dialog's own buttons already answer Enter.
    if (button != nullptr && !button->autoDefault() && !button->isDefault() &&
        button->isEnabled()) {
      button->click();
      return true;
    }
  }
  return false;
}

}  // namespace lumora::ui
