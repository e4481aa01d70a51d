// SPDX-License-Identifier: MIT
#include "ui/common/list_accessibility.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QKeySequence>
#include <memory>

namespace lumora::ui {

namespace {

// A list as a combo box of AT-SPI: its name, its selected entry as its value and as its
// text (the bridge carries no text value, so a screen reader reads the entry through the
// text interface, as it reads a read-only box), the popup list as its one child, and the
// actions that open and close that popup.
class NamedListAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit NamedListAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) {
      return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
  }

  // The text interface: the current entry, read-only, with the caret at its end.
  void selection(int, int* start, int* end) const override { *start = *end = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QString text(int start, int end) const override {
    const QString entry = Box()->currentText();
    if (start < 0 || end < start) {
      return QString();
    }
    return entry.mid(start, end - start);
  }
  int characterCount() const override { return static_cast<int>(Box()->currentText().size()); }
  QRect characterRect(int) const override { return QRect(); }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return QString();
  }

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
  // The entry is the list's text: a screen reader hears it change as a box's text would.
  // (Qt asks the factory once per list and keeps the interface.)
  auto shown = std::make_shared<QString>(box->currentText());
  QObject::connect(box, &QComboBox::currentTextChanged, box, [box, shown](const QString& now) {
    QAccessibleTextUpdateEvent event(box, 0, *shown, now);
    *shown = now;
    QAccessible::updateAccessibility(&event);
  });
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
