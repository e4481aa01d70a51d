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

// Types the couple most window tests match into a Vedic form: the boy of 15 August 1947,
// 00:00 at New Delhi (IST); the girl of 1 January 2000, 12:00 at Greenwich.
inline void TypeDelhiLondonCouple(const QObject* form) {
  struct Entry {
    const char* name;
    const char* value;
  };
  constexpr Entry kEntries[] = {
      {"txtMName", "Arjun"},    {"txtMCity", "Delhi"},  {"txtMState", "Delhi"},
      {"txtMCountry", "India"}, {"txtMLD", "28"},       {"txtMLM", "36"},
      {"txtMLoD", "77"},        {"txtMLoM", "12"},      {"txtMZoneHour", "5"},
      {"txtMZoneMinute", "30"}, {"txtFName", "Bela"},   {"txtFCity", "London"},
      {"txtFState", "England"}, {"txtFCountry", "UK"},  {"txtFLD", "51"},
      {"txtFLM", "30"},         {"txtFLoD", "0"},       {"txtFLoM", "0"},
      {"txtFZoneHour", "0"},    {"txtFZoneMinute", "0"}};
  for (const Entry& e : kEntries) {
    Edit(form, e.name)->setText(QString::fromUtf8(e.value));
  }
  Combo(form, "cboMDate")->setCurrentText(QStringLiteral("15"));
  // August by its place: the list names the months in the language the windows speak.
  Combo(form, "cboMMonth")->setCurrentIndex(7);
  Combo(form, "cboMYear")->setCurrentText(QStringLiteral("1947"));
  Combo(form, "cboFYear")->setCurrentText(QStringLiteral("2000"));
  Combo(form, "cboFHH")->setCurrentText(QStringLiteral("12"));
  Child<QObject>(form, "optFWest")->setProperty("checked", true);
}

}  // namespace lumora::testing
