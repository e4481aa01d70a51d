// SPDX-License-Identifier: MIT
// The windows in Hindi and Tamil: the language chosen at run time reaches every window at
// once, the field's words come from the glossary, and English comes back unchanged.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <map>

#include "core/glossary/catalogue_words.h"
#include "core/glossary/glossary.h"
#include "core/glossary/phrases.h"
#include "core/vedic/match/koota_scoring.h"
#include "core/vedic/match/match.h"
#include "core/vedic/result/nakshatra_catalogue.h"
#include "core/vedic/result/rashi_catalogue.h"
#include "support/finders.h"
#include "support/stand_ins.h"
#include "support/window_texts.h"
#include "ui/main_window.h"
#include "ui/shell/language_choice.h"
#include "ui/shell/rich_text.h"
#include "ui/shell/settings_dialog.h"
#include "ui/vedic/entry/birth_details_form.h"
#include "ui/vedic/result/report_window.h"
#include "ui/vedic/result/result_window.h"
#include "ui/vedic/vedic_session.h"
#include "ui/western/western_input_form.h"
#include "ui/western/western_session.h"

using namespace lumora;
using namespace lumora::testing;

namespace {

// What a reader of each language sees in a few places of the windows.
struct Expected {
  Language language;
  const char* code;
  const char* vedic_button;  // the main window's button
  const char* name_caption;  // the form's caption of the boy's name
  const char* guna_heading;  // the Guna Milan table's first heading
  const char* birth_month;   // the boy's month in the birth details
  const char* summary;       // the sentence under the table
};
constexpr Expected kCases[] = {
    {Language::Hindi, "hi", "वैदिक ज्योतिष अनुकूलता (&V)", "नाम:", "गुण", "अगस्त", "आपको 36 में से"},
    {Language::Tamil, "ta", "வேத ஜோதிடப் பொருத்தம் (&V)", "பெயர்:", "குணம்", "ஆகஸ்ட்",
     "நீங்கள் 36 புள்ளிகளில்"},
    {Language::English, "en", "&Vedic Astrology Compatibility", "Name:", "GUNA", "August",
     "You Have Obtained"},
};

int Differing(const std::map<QString, QString>& a, const std::map<QString, QString>& b) {
  int count = 0;
  for (const auto& [name, text] : a) {
    const auto other = b.find(name);
    count += other == b.end() || other->second != text ? 1 : 0;
  }
  return count;
}

}  // namespace

class LanguageTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void init() {
    stand_ins_ = std::make_unique<StandIns>();
    ui::ApplyLanguage(Language::English);
    main_ = std::make_unique<ui::MainWindow>(stand_ins_->Services());
    main_->show();
    Click(main_.get(), "Command2");
    form_ = main_->Vedic().Form();
    QVERIFY(form_ && form_->isVisible());
  }
  void cleanup() {
    main_.reset();
    ui::ApplyLanguage(Language::English);
  }

  // The language a person has not chosen yet is the system's where the program speaks it.
  void LocalesChooseTheLanguage() {
    const struct {
      const char* locale;
      Language language;
    } cases[] = {
        {"hi_IN", Language::Hindi},   {"ta_IN", Language::Tamil},   {"ta_LK", Language::Tamil},
        {"en_GB", Language::English}, {"de_DE", Language::English}, {"C", Language::English},
    };
    for (const auto& c : cases) {
      QCOMPARE(ui::LanguageOfLocale(QString::fromLatin1(c.locale)), c.language);
    }
    for (const Expected& e : kCases) {
      ui::StoreLanguage(e.language);
      QCOMPARE(ui::StoredLanguage(), e.language);
    }
  }

  // Settings lists each language by its own name and starts from the one in use.
  void SettingsOfferEachLanguageByItsOwnName() {
    for (const Expected& e : kCases) {
      ui::ApplyLanguage(e.language);
      ui::SettingsDialog dialog(MoonModel::Standard, KootaTables::Specified, {}, main_.get());
      auto* language = Combo(&dialog, "cboLanguage");
      QCOMPARE(language->count(), kLanguageCount);
      QCOMPARE(language->itemText(1), QStringLiteral("हिन्दी"));
      QCOMPARE(language->itemText(2), QStringLiteral("தமிழ்"));
      QCOMPARE(dialog.ChosenLanguage(), e.language);
      QVERIFY(!language->accessibleName().isEmpty());
      Screenshot(&dialog, QStringLiteral("settings_%1").arg(QLatin1String(e.code)));
    }
    ui::SettingsDialog dialog(MoonModel::Standard, KootaTables::Specified, {}, main_.get());
    Combo(&dialog, "cboLanguage")->setCurrentIndex(2);
    QCOMPARE(dialog.ChosenLanguage(), Language::Tamil);
  }

  // Dates as each language writes them, in the digits 0-9.
  void DatesFollowTheLanguage() {
    const struct {
      Language language;
      const char* text;
    } cases[] = {
        {Language::English, "August 15, 1947"},
        {Language::Hindi, "15 अगस्त 1947"},
        {Language::Tamil, "15 ஆகஸ்ட் 1947"},
    };
    for (const auto& c : cases) {
      ui::ApplyLanguage(c.language);
      QCOMPARE(ui::LongDate(QDate(1947, 8, 15)), QString::fromUtf8(c.text));
    }
  }

  // One match, then the language changed under the open windows: each one speaks the new
  // language at once, keeps what was typed and the page shown, and English comes back
  // exactly as it was.
  void WindowsFollowTheLanguageAtOnce() {
    TypeDelhiLondonCouple(form_);
    const auto form_english = TextsOf(*form_);
    // The main window's own band and menus; the test windows are compared on their own.
    const auto main_texts = [this] {
      auto texts = TextsOf(*Child<QWidget>(main_.get(), "pnlCommands"));
      for (const QAction* menu : main_->menuBar()->actions()) {
        texts[menu->objectName() + menu->text()] = menu->text();
      }
      return texts;
    };
    Click(form_, "cmdCalculate");
    // Taken with the result in front: the band drops the access keys the result uses.
    const auto main_english = main_texts();
    ui::ResultWindow* result = main_->Vedic().Result();
    QVERIFY2(result != nullptr, qPrintable(stand_ins_->messages.Last()));
    // The match document carries the timing, so the report window fills the timing tab.
    QVERIFY(result->CurrentTiming().has_value());
    const auto result_english = TextsOf(*result);
    result->SelectPage(ui::ResultPage::KundaliMatch);
    const MatchState& state = main_->Vedic().State();

    for (const Expected& e : kCases) {
      const QPointer<ui::ResultWindow> before = result;
      ui::ApplyLanguage(e.language);
      // The result is made anew in the language, once the change has reached every window.
      QTRY_VERIFY(before.isNull());
      result = main_->Vedic().Result();
      QVERIFY(result != nullptr);
      QVERIFY(result->isVisible());
      QCOMPARE(result->SelectedPage(), ui::ResultPage::KundaliMatch);

      // A label, a button and a menu of the form and the main window.
      QCOMPARE(Child<QAbstractButton>(main_.get(), "Command2")->text(),
               QString::fromUtf8(e.vedic_button));
      QLabel* name_caption = nullptr;
      for (QLabel* label : form_->findChildren<QLabel*>()) {
        if (label->buddy() == Edit(form_, "txtMName")) {
          name_caption = label;
        }
      }
      QVERIFY(name_caption != nullptr);
      QCOMPARE(name_caption->text(), QString::fromUtf8(e.name_caption));
      QCOMPARE(Edit(form_, "txtMName")->text(), QStringLiteral("Arjun"));

      // The Guna Milan table: its heading, its koota rows and values from the glossary,
      // the verdict and the sentence under it.
      auto* grid = result->findChild<QWidget*>(QStringLiteral("picGunaMilan"));
      QVERIFY(grid != nullptr);
      QStringList titles;
      for (QLabel* label : grid->findChildren<QLabel*>()) {
        if (label->property("role").toString() == QLatin1String("title")) {
          titles << label->text();
        }
      }
      QCOMPARE(titles.value(0), QString::fromUtf8(e.guna_heading));
      const KootaTableSet& rules = TableSetOf(state.Tables);
      for (int koota = 0; koota < kKootaCount; ++koota) {
        const int value = rules.Rules[static_cast<std::size_t>(koota)].Value(state.Boy);
        const QString word = ui::Utf8(KootaValueWord(e.language, state.Tables, koota, value));
        QCOMPARE(Label(result, qPrintable(QStringLiteral("lblVarna_%1").arg(koota * 5)))->text(),
                 word);
      }
      QCOMPARE(Label(result, "lblVarna_42")->text(),
               ui::Utf8(MatchVerdictWord(e.language, GradeOfTotal(state.TotalPoints))));
      QVERIFY2(Label(result, "lblVarna_43")->text().startsWith(QString::fromUtf8(e.summary)),
               qPrintable(Label(result, "lblVarna_43")->text()));

      // The birth date in the language's words, its numbers in the digits 0-9.
      const QString born = Label(result, "lblMDOB")->text();
      QVERIFY2(born.contains(QString::fromUtf8(e.birth_month)), qPrintable(born));
      QVERIFY2(born.contains(QStringLiteral("1947")), qPrintable(born));

      // The long readings stay in English and say so, once, in the reader's language.
      const auto notes = result->findChildren<QLabel*>(QStringLiteral("lblEnglishTextNote"));
      QVERIFY(!notes.isEmpty());
      QCOMPARE(!notes.first()->isHidden(), e.language != Language::English);

      if (e.language != Language::English) {
        // No text of the form or the result, nor what a screen reader names a control by,
        // is left as it was in English, but for the names the user gave and the program's.
        const QStringList left =
            LeftInEnglish(form_english, TextsOf(*form_), {"Arjun", "Bela", "Lumo Tarvik"}) +
            LeftInEnglish(result_english, TextsOf(*result), {"Arjun", "Bela", "Lumo Tarvik"});
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
        QVERIFY(Differing(form_english, TextsOf(*form_)) > 20);
        QVERIFY(Differing(result_english, TextsOf(*result)) > 20);
      }
      Child<QTabWidget>(result, "TSD")->setCurrentIndex(1);
      Screenshot(form_, QStringLiteral("language_form_%1").arg(QLatin1String(e.code)));
      Screenshot(result, QStringLiteral("language_guna_milan_%1").arg(QLatin1String(e.code)));
      result->SelectPage(ui::ResultPage::ChartsAndDoshas);
      QApplication::processEvents();
      Screenshot(result, QStringLiteral("language_charts_%1").arg(QLatin1String(e.code)));
      // The South Indian squares name their signs in the script.
      auto* style = Child<QComboBox>(result, "cboChartStyle");
      style->setCurrentIndex(1);
      QApplication::processEvents();
      Screenshot(result, QStringLiteral("language_charts_south_%1").arg(QLatin1String(e.code)));
      style->setCurrentIndex(0);

      // The PDF the window saves speaks the window's language, its title first.
      const QString path = pdf_dir_.filePath(QStringLiteral("match_%1.pdf").arg(e.code));
      stand_ins_->files.next_save = path;
      QTest::mouseClick(result->findChild<QPushButton*>(QStringLiteral("cmdSavePdf")),
                        Qt::LeftButton);
      QProcess text;
      text.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
      QVERIFY(text.waitForFinished());
      const QString pdf_text = QString::fromUtf8(text.readAllStandardOutput());
      const QString title =
          ui::Utf8(Fill(PhrasesOf(e.language).KundaliMatchTitle, {"Arjun", "Bela"}));
      QVERIFY2(pdf_text.contains(title), qPrintable(pdf_text.left(200)));
      QCOMPARE(pdf_text.contains(QStringLiteral("Kundali Match")), e.language == Language::English);
      // Its pages' feet are numbered in the language.
      const QString first_page = ui::Utf8(Fill(PhrasesOf(e.language).PageOf, {"1", ""}));
      QVERIFY2(pdf_text.contains(first_page), qPrintable(first_page));
      result->SelectPage(ui::ResultPage::KundaliMatch);

      // The report window shows the whole match in the language, as it prints it.
      QTest::mouseClick(result->findChild<QPushButton*>(QStringLiteral("cmdSave")), Qt::LeftButton);
      ui::ReportWindow* report = main_->Vedic().Report();
      QVERIFY(report != nullptr && report->isVisible());
      const QString shown = report->Box()->toPlainText();
      QVERIFY2(shown.startsWith(title), qPrintable(shown.left(200)));
      QCOMPARE(shown.contains(QStringLiteral("Kundali Match")), e.language == Language::English);
      stand_ins_->printer.pdf_path = pdf_dir_.filePath(QStringLiteral("report_%1.pdf").arg(e.code));
      QTest::mouseClick(report->findChild<QPushButton*>(QStringLiteral("cmdPrint")),
                        Qt::LeftButton);
      QCOMPARE(stand_ins_->printer.last_text, shown);
      // Printing numbers the pages in the language, as saving does (a printer's PDF keeps the
      // shaped glyphs of a conjunct without their letters, so only the English is looked for).
      QProcess printed;
      printed.start(QStringLiteral("pdftotext"),
                    {stand_ins_->printer.pdf_path, QStringLiteral("-")});
      QVERIFY(printed.waitForFinished());
      const QString printed_text = QString::fromUtf8(printed.readAllStandardOutput());
      QCOMPARE(printed_text.contains(QStringLiteral("Page 1 of ")),
               e.language == Language::English);
      Screenshot(report, QStringLiteral("language_report_%1").arg(QLatin1String(e.code)));
      // Gone, so that its buttons are not counted among the result window's texts.
      delete report;
    }
    // Back in English: every text exactly as before the first change.
    QCOMPARE(TextsOf(*form_), form_english);
    QCOMPARE(main_texts(), main_english);
    QCOMPARE(Differing(result_english, TextsOf(*main_->Vedic().Result())), 0);
  }

  // The rashi and nakshatra tabs in Hindi and Tamil: the pages' and fields' captions, the
  // short values and the sign's and star's names in the language; the readings stay English
  // and the tab says so.
  void CatalogueTabsSpeakTheLanguage() {
    TypeDelhiLondonCouple(form_);
    Click(form_, "cmdCalculate");
    ui::ResultWindow* result = main_->Vedic().Result();
    QVERIFY2(result != nullptr, qPrintable(stand_ins_->messages.Last()));
    const MatchState& state = main_->Vedic().State();
    const RashiRecord& rashi = kRashiCatalogue[static_cast<std::size_t>(state.Boy.Sign)];
    const NakshatraRecord& star =
        kNakshatraCatalogue[static_cast<std::size_t>(state.Boy.Nakshatra)];
    const auto caption = [](Language language, std::string_view english) {
      const auto word = CatalogueCaptionWord(language, english);
      return word ? ui::Utf8(*word) : QStringLiteral("(no word for %1)").arg(ui::Utf8(english));
    };
    // The caption a box is shown with: the label whose buddy it is.
    const auto caption_of = [](QWidget* tab, QWidget* box) {
      for (QLabel* label : tab->findChildren<QLabel*>()) {
        if (label->buddy() == box) {
          return label->text();
        }
      }
      return QString();
    };
    const QRegularExpression latin(QStringLiteral("[A-Za-z]"));

    for (const Language language : {Language::Tamil, Language::Hindi}) {
      const QPointer<ui::ResultWindow> before = result;
      ui::ApplyLanguage(language);
      QTRY_VERIFY(before.isNull());
      result = main_->Vedic().Result();
      QVERIFY(result != nullptr);
      const QString code = ui::Utf8(LanguageCode(language));

      auto* rashi_tab = Child<QWidget>(result, "fraMRashi");
      QCOMPARE(Label(rashi_tab, "lblMRashi")->text(),
               ui::Utf8(RashiWord(language, state.Boy.Sign)));
      auto* strip = Child<QTabWidget>(rashi_tab, "TSM");
      for (int page = 0; page < strip->count(); ++page) {
        QCOMPARE(strip->tabText(page),
                 caption(language, RashiPages()[static_cast<std::size_t>(page)].Caption));
      }
      auto* planet = Edit(rashi_tab, "txtMRullingPlanet");
      QCOMPARE(caption_of(rashi_tab, planet), caption(language, "Ruling Planet") + u':');
      QCOMPARE(planet->accessibleName(), caption(language, "Ruling Planet"));
      for (const char* name : {"txtMRullingPlanet", "txtMTypeOfSign", "txtMGender",
                               "txtMSignPosition", "txtMLuckyDays", "txtMBestDirection"}) {
        const QString text = Edit(rashi_tab, name)->text();
        QVERIFY2(!text.isEmpty() && !text.contains(latin),
                 qPrintable(QString::fromLatin1(name) + u' ' + text));
      }
      QCOMPARE(Edit(rashi_tab, "txtMTypeOfSign")->text(),
               ui::ToQString(CatalogueValueText(language, rashi.TypeOfSign)));
      // The English name and the readings as the catalogue gives them.
      QCOMPARE(Edit(rashi_tab, "txtMEnglishName")->text(), ui::Utf8(rashi.EnglishName));
      QCOMPARE(Child<QPlainTextEdit>(rashi_tab, "txtMNature")->toPlainText(),
               ui::Utf8(rashi.Nature));
      QVERIFY(!Label(rashi_tab, "lblEnglishTextNote")->isHidden());

      auto* star_tab = Child<QWidget>(result, "fraMNakshatra");
      QCOMPARE(Label(star_tab, "lblNMNakshatra")->text(),
               ui::Utf8(NakshatraWord(language, state.Boy.Nakshatra)));
      QCOMPARE(Child<QTabWidget>(star_tab, "TSNM")->tabText(0),
               caption(language, NakshatraPages()[0].Caption));
      QCOMPARE(caption_of(star_tab, Edit(star_tab, "txtNMDosha")),
               caption(language, "Dosha") + u':');
      QCOMPARE(Edit(star_tab, "txtNMDosha")->text(),
               ui::ToQString(CatalogueValueText(language, star.Dosha)));
      QVERIFY(!Edit(star_tab, "txtNMTemperaments")->text().contains(latin));
      // A nakshatra's nature is a short value, though its box is the prose fields' kind.
      QCOMPARE(Child<QPlainTextEdit>(star_tab, "txtNMNature")->toPlainText(),
               ui::ToQString(CatalogueValueText(language, star.Nature)));
      QVERIFY(!Child<QPlainTextEdit>(star_tab, "txtNMNature")->toPlainText().contains(latin));

      // Tall enough for a whole page of fields in the pictures.
      main_->resize(1000, 1100);
      result->parentWidget()->resize(result->parentWidget()->width(), 950);
      result->SelectPage(ui::ResultPage::BoyRashi);
      QApplication::processEvents();
      Screenshot(result, QStringLiteral("catalogue_rashi_%1").arg(code));
      strip->setCurrentIndex(6);
      QApplication::processEvents();
      Screenshot(result, QStringLiteral("catalogue_rashi_lucky_%1").arg(code));
      result->SelectPage(ui::ResultPage::BoyNakshatra);
      QApplication::processEvents();
      Screenshot(result, QStringLiteral("catalogue_nakshatra_%1").arg(code));
    }
  }

  // The Western form follows the language too, its entries kept.
  void WesternFormFollowsTheLanguage() {
    Click(main_.get(), "Command1");
    auto* form = main_->Western().Form();
    QVERIFY(form != nullptr);
    Edit(form, "txtMName")->setText(QStringLiteral("Arjun"));
    const auto english = TextsOf(*form);
    ui::ApplyLanguage(Language::Tamil);
    QApplication::processEvents();
    QCOMPARE(Child<QAbstractButton>(form, "cmdCalculate")->text(), QStringLiteral("இணக்கத்தை ஆராய்"));
    QCOMPARE(Edit(form, "txtMName")->text(), QStringLiteral("Arjun"));
    // The date lists and the form's messages speak the language; the form still reads the
    // month it shows.
    QCOMPARE(Combo(form, "cboMMonth")->currentText(), QStringLiteral("ஜனவரி"));
    Edit(form, "txtMName")->clear();
    Click(form, "cmdCalculate");
    QCOMPARE(stand_ins_->messages.Last(), QStringLiteral("தயவுசெய்து ஆணின் பெயரை உள்ளிடவும்"));
    Edit(form, "txtMName")->setText(QStringLiteral("Arjun"));
    Screenshot(form, QStringLiteral("language_western_form_ta"));
    ui::ApplyLanguage(Language::English);
    QApplication::processEvents();
    QCOMPARE(TextsOf(*form), english);
  }

 private:
  QTemporaryDir pdf_dir_;
  std::unique_ptr<StandIns> stand_ins_;
  std::unique_ptr<ui::MainWindow> main_;
  ui::BirthDetailsForm* form_ = nullptr;
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
