// SPDX-License-Identifier: MIT
#include "ui/common/list_accessibility.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QKeySequence>

namespace lumora::ui {

namespace {

// A list as a combo box of AT-SPI: its name, its selected entry as its value, the popup
// list as its one child, and the actions that open and close that popup.
class NamedListAccessible : public QAccessibleWidget {
 public:
  explicit NamedListAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

  QString text(QAccessible::Text t) const override {
    switch (t) {
      case QAccessible::Name:
        return Box()->accessibleName().isEmpty() ? Box()->currentText() : Box()->accessibleName();
      case QAccessible::Value:
        return Box()->currentText();
      case QAccessible::Accelerator:
        return QKeySequence(Qt::Key_Down).toString(QKeySequence::NativeText);
      default:
        return QAccessibleWidget::text(t);
    }
  }

  int childCount() const override { return 1; }
  QAccessibleInterface* child(int index) const override {
    return index == 0 ? QAccessible::queryAccessibleInterface(Box()->view()) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child != nullptr && child->object() == Box()->view() ? 0 : -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    if (Box()->view()->isVisible() &&
        Box()->view()->rect().contains(Box()->view()->mapFromGlobal(QPoint(x, y)))) {
      return child(0);
    }
    return nullptr;
  }

  QStringList actionNames() const override {
    return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
  }
  QString localizedActionDescription(const QString& action) const override {
    if (action == showMenuAction() || action == pressAction()) {
      return QComboBox::tr("Open the list");
    }
    return QAccessibleWidget::localizedActionDescription(action);
  }
  void doAction(const QString& action) override {
    if (action == showMenuAction() || action == pressAction()) {
      if (Box()->view()->isVisible()) {
        Box()->hidePopup();
      } else {
        Box()->showPopup();
      }
      return;
    }
    QAccessibleWidget::doAction(action);
  }

 private:
  QComboBox* Box() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* NamedListFactory(const QString& class_name, QObject* object) {
  if (class_name != QLatin1String("QComboBox")) {
    return nullptr;
  }
  auto* box = qobject_cast<QComboBox*>(object);
  if (box == nullptr || box->isEditable()) {
    return nullptr;
  }
  return new NamedListAccessible(box);
}

}  // namespace

void AnnounceListsByName() {
  static const bool installed = [] {
    QAccessible::installFactory(&NamedListFactory);
    return true;
  }();
  (void)installed;
}

}  // namespace lumora::ui
