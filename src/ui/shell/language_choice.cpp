// SPDX-License-Identifier: MIT
#include "ui/shell/language_choice.h"

#include <QCoreApplication>
#include <QDate>
#include <QLabel>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>
#include <QWidget>
#include <memory>

#include "core/glossary/messages.h"

namespace lumora::ui {

namespace {

constexpr const char* kLanguageKey = "Ui/Language";

QSettings ProgramSettings() {
  return QSettings(QStringLiteral("Lumora"), QStringLiteral("Lumora"));
}

QString CodeOf(Language language) {
  return Utf8(LanguageCode(language));
}

// The translators in use: the program's own and Qt's, replaced as a pair.
struct Installed {
  Language Current = Language::English;
  std::unique_ptr<QTranslator> Program;
  std::unique_ptr<QTranslator> Qt;
};

Installed& Translators() {
  static Installed installed;
  return installed;
}

void Remove(std::unique_ptr<QTranslator>& translator) {
  if (translator) {
    QCoreApplication::removeTranslator(translator.get());
    translator.reset();
  }
}

// Hears the LanguageChange a widget gets and passes it to the widget's retranslate function.
class LanguageFollower : public QObject {
 public:
  LanguageFollower(QWidget& widget, std::function<void()> retranslate)
      : QObject(&widget), retranslate_(std::move(retranslate)) {
    widget.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::LanguageChange && watched == parent()) {
      retranslate_();
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> retranslate_;
};

}  // namespace

void OnLanguageChange(QWidget& widget, std::function<void()> retranslate) {
  new LanguageFollower(widget, std::move(retranslate));
}

Language LanguageOfLocale(const QString& locale_name) {
  return LanguageFromCode(locale_name.toStdString()).value_or(Language::English);
}

Language StoredLanguage() {
  const QString code = ProgramSettings().value(QLatin1String(kLanguageKey)).toString();
  if (!code.isEmpty()) {
    if (const auto language = LanguageFromCode(code.toStdString())) {
      return *language;
    }
  }
  return LanguageOfLocale(QLocale::system().name());
}

void StoreLanguage(Language language) {
  ProgramSettings().setValue(QLatin1String(kLanguageKey), CodeOf(language));
}

namespace {

// Qt's own texts that the windows show: the buttons of a message box and of the place
// search, the names a screen reader gives a tab strip's scroll buttons, a line's context
// menu. Qt ships no Hindi or Tamil for them, so the program's translations carry them.
[[maybe_unused]] constexpr const char* kQtOwnTexts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),   QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"), QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
    QT_TRANSLATE_NOOP("QTabBar", "Scroll Left"), QT_TRANSLATE_NOOP("QTabBar", "Scroll Right"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Undo"),     QT_TRANSLATE_NOOP("QLineEdit", "&Redo"),
    QT_TRANSLATE_NOOP("QLineEdit", "Cu&t"),      QT_TRANSLATE_NOOP("QLineEdit", "&Copy"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Paste"),
};

}  // namespace

void ApplyLanguage(Language language) {
  Installed& installed = Translators();
  Remove(installed.Program);
  Remove(installed.Qt);
  installed.Current = language;
  if (language != Language::English) {
    // Built into the program (CMakeLists.txt), so a moved or packaged program has them.
    auto program = std::make_unique<QTranslator>();
    if (program->load(QStringLiteral(":/translations/lumora_%1.qm").arg(CodeOf(language)))) {
      QCoreApplication::installTranslator(program.get());
      installed.Program = std::move(program);
    }
    // Qt's own texts (standard buttons, context menus), where the system has them.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_%1").arg(CodeOf(language)),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
      QCoreApplication::installTranslator(qt.get());
      installed.Qt = std::move(qt);
    }
  }
  // Back to English with nothing installed: the windows still have to hear of it.
  if (!installed.Program) {
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
  }
}

Language CurrentLanguage() {
  return Translators().Current;
}

QLabel* NewEnglishTextNote(QWidget* parent) {
  auto* note = new QLabel(parent);
  note->setObjectName(QStringLiteral("lblEnglishTextNote"));
  note->setText(QCoreApplication::translate("lumora::ui::LanguageNote",
                                            "The detailed readings on this page are in English."));
  note->setAccessibleName(note->text());
  note->setWordWrap(true);
  note->setStyleSheet(QStringLiteral("font-style: italic;"));
  note->setVisible(CurrentLanguage() != Language::English);
  return note;
}

QLocale LanguageLocale(Language language) {
  switch (language) {
    case Language::Hindi:
      return QLocale(QLocale::Hindi, QLocale::India);
    case Language::Tamil:
      return QLocale(QLocale::Tamil, QLocale::India);
    case Language::English:
      break;
  }
  return QLocale(QLocale::English, QLocale::UnitedStates);
}

QString LongDate(const QDate& date) {
  // "d MMMM yyyy" rather than the locale's long format, which adds the weekday; the
  // numbers stay in the digits 0-9 whatever the locale's own digits are.
  const QLocale locale = LanguageLocale(CurrentLanguage());
  QString text =
      locale.toString(date, CurrentLanguage() == Language::English ? QStringLiteral("MMMM d, yyyy")
                                                                   : QStringLiteral("d MMMM yyyy"));
  if (locale.zeroDigit() != QLatin1Char('0')) {
    const QString zero = locale.zeroDigit();
    for (qsizetype i = 0; i < text.size(); ++i) {
      const int offset = text.at(i).unicode() - zero.at(0).unicode();
      if (offset >= 0 && offset <= 9) {
        text[i] = QLatin1Char(static_cast<char>('0' + offset));
      }
    }
  }
  return text;
}

QString MessageText(std::string_view english) {
  return Utf8(MessageIn(CurrentLanguage(), english));
}

}  // namespace lumora::ui
