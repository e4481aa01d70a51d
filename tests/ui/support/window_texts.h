// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStringList>
#include <QTabWidget>
#include <QWidget>
#include <initializer_list>
#include <map>

namespace lumora::testing {

// Every text a person reads in the window, by the control that shows it.
inline std::map<QString, QString> TextsOf(const QWidget& window) {
  std::map<QString, QString> texts;
  // A control without a name is known by what it says.
  const auto add = [&texts](const QObject* control, const QString& text) {
    texts[control->objectName().isEmpty() ? QLatin1Char('#') + text : control->objectName()] +=
        text;
  };
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    add(label, label->text() + QLatin1Char('|') + label->accessibleName());
  }
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    add(button, button->text() + QLatin1Char('|') + button->accessibleName());
  }
  const auto key = [](const QObject* control) { return control->objectName(); };
  for (const QGroupBox* box : window.findChildren<QGroupBox*>()) {
    add(box, box->title());
  }
  for (const QTabWidget* tabs : window.findChildren<QTabWidget*>()) {
    for (int i = 0; i < tabs->count(); ++i) {
      texts[key(tabs) + QString::number(i)] = tabs->tabText(i);
    }
  }
  for (const QMenuBar* bar : window.findChildren<QMenuBar*>()) {
    for (const QAction* action : bar->actions()) {
      texts[key(bar) + action->objectName()] += action->text();
    }
  }
  return texts;
}

// The texts of a window shown in another language that are still as they were in English,
// as "control: text": a text with a word of three Latin letters or more left after the
// kept words (names the user gave, the program's name) are taken out. Prose (seven words or
// more) may stay English where the window says so once.
inline QStringList LeftInEnglish(const std::map<QString, QString>& english,
                                 const std::map<QString, QString>& now,
                                 std::initializer_list<const char*> kept) {
  QStringList left;
  for (const auto& [name, text] : english) {
    const auto same = now.find(name);
    if (same == now.end() || same->second != text) {
      continue;
    }
    QString rest = text;
    for (const char* word : kept) {
      rest.remove(QLatin1String(word));
    }
    const bool prose = rest.count(QRegularExpression(QStringLiteral("\\b[A-Za-z]+\\b"))) >= 7;
    if (!prose && rest.contains(QRegularExpression(QStringLiteral("[A-Za-z]{3}")))) {
      left << name + QStringLiteral(": ") + text;
    }
  }
  return left;
}

}  // namespace lumora::testing
