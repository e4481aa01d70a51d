// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QTest>

namespace lumora::testing {

// The control of a window with the object name. A control that is not there ends the run
// naming it, so that a renamed control fails as such and not as a null pointer.
template <typename T>
T* Child(const QObject* window, const char* name) {
  T* found = window->findChild<T*>(QString::fromLatin1(name));
  if (found == nullptr) {
    qFatal("no %s %s in %s", T::staticMetaObject.className(), name,
           qPrintable(window->objectName()));
  }
  return found;
}

inline QLineEdit* Edit(const QObject* window, const char* name) {
  return Child<QLineEdit>(window, name);
}
inline QComboBox* Combo(const QObject* window, const char* name) {
  return Child<QComboBox>(window, name);
}
inline QLabel* Label(const QObject* window, const char* name) {
  return Child<QLabel>(window, name);
}
inline void Click(const QObject* window, const char* name) {
  QTest::mouseClick(Child<QPushButton>(window, name), Qt::LeftButton);
}

}  // namespace lumora::testing
