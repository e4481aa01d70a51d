// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>
#include <QString>
#include <functional>

#include "core/glossary/language.h"

class QDate;
class QLabel;
class QWidget;

namespace lumora::ui {

// The language the windows speak. Chosen in Settings and remembered; before any choice, the
// language of the system's locale when the program speaks it, else English.
Language StoredLanguage();
void StoreLanguage(Language language);
// The language of a locale name ("ta_IN"); English for one the program does not speak.
Language LanguageOfLocale(const QString& locale_name);

// Installs the windows' translation of the language (and Qt's own, where Qt ships one) in
// place of the one before. Every window then gets a LanguageChange event and sets its texts
// anew: nothing needs a restart.
void ApplyLanguage(Language language);
// The language last applied; English until ApplyLanguage is called.
Language CurrentLanguage();

// Calls `retranslate` whenever the widget hears that the language changed, for as long as
// the widget lives: for windows that set their texts in one function.
void OnLanguageChange(QWidget& widget, std::function<void()> retranslate);

// The line a page with the long readings starts with when the windows speak Hindi or Tamil:
// those readings are in English, and the reader is told so once, in their language. Hidden
// in English.
QLabel* NewEnglishTextNote(QWidget* parent);

// The locale the windows write dates in: the chosen language's, with the digits 0-9.
QLocale LanguageLocale(Language language);
// A calendar date as a reader of the current language writes it ("9 December 2026",
// "9 दिसंबर 2026", "9 டிசம்பர் 2026").
QString LongDate(const QDate& date);

// Text of the core in the current language: QString from UTF-8 without a copy in between.
inline QString Utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A message of the core's forms and files (a FormFailure's) in the current language.
QString MessageText(std::string_view english);

}  // namespace lumora::ui
