// SPDX-License-Identifier: MIT
// The Western test through its windows: typing, key filters, validation, the place
// look-up, the report, printing and the way between the two tests.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrlQuery>
#include <algorithm>
#include <variant>

#include "core/glossary/western_phrases.h"
#include "core/western/western_run.h"
#include "support/finders.h"
#include "support/stand_ins.h"
#include "support/window_texts.h"
#include "ui/common/place_finder.h"
#include "ui/main_window.h"
#include "ui/shell/language_choice.h"
#include "ui/shell/window_placement.h"
#include "ui/vedic/entry/birth_details_form.h"
#include "ui/vedic/vedic_session.h"
#include "ui/western/western_input_form.h"
#include "ui/western/western_report_window.h"
#include "ui/western/western_session.h"

using namespace lumora;
using namespace lumora::testing;

namespace {

struct Person {
  char prefix;
  const char *name, *day, *month, *year, *hour, *minute, *city, *state, *country;
  const char *lat_deg, *lat_min;
  bool south;
  const char *long_deg, *long_min;
  bool west;
  int zone_row;  // 29: Greenwich Mean Time; 10: Australian Western Standard Time
};

// Both born at J2000.0 (1 January 2000, 12:00 GMT): the reference charts of the core's
// position tests, at 51 30 N 0 0 W and at 28 36 N 77 12 E.
constexpr Person kArun{'M',   " Arun ", "1",       "January", "2000", "12",
                       "0",   "London", "England", "Britain", "51",   "30",
                       false, "0",      "0",       true,      29};
constexpr Person kMira{'F',     "Mira", "1",  "January", "2000", "12", "0",   "Delhi", "Delhi",
                       "India", "28",   "36", false,     "77",   "12", false, 29};

// The J2000.0 chart, Sun to MC; only the angles differ between the two places.
constexpr const char* kJ2000Positions[] = {
    "10 Cap 22", "13 Sco 18", "01 Cap 54", "01 Sag 34", "27 Aqu 58", "25 Ari 21", "10 Tau 12",
    "14 Aqu 47", "03 Aqu 11", "11 Sag 27", "04 Leo 07", "04 Aqu 07", "24 Ari 17", "09 Cap 36"};
constexpr const char* kDelhiAngles[] = {"10 Can 10", "27 Pis 27"};

// A second couple: midnight GMT on 12 June 2006 puts the north node at 29 Pis 29.
constexpr Person kRavi{'M',       "Ravi", "12", "June", "2006", "0", "0",  "Quito", "Pichincha",
                       "Ecuador", "0",    "0",  false,  "0",    "0", true, 29};
constexpr Person kLeela{
    'F',         "Leela", "29", "February", "2000", "23", "45",  "Perth", "Western Australia",
    "Australia", "31",    "57", true,       "115",  "51", false, 10};

}  // namespace

class WesternTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    stand_ins_ = std::make_unique<StandIns>();
    main_ = std::make_unique<ui::MainWindow>(stand_ins_->Services());
    main_->show();
    OpenWestern();
  }
  void cleanup() { main_.reset(); }

  void FormOpensWithItsListsAndPresets() {
    QCOMPARE(form_->windowTitle(), QStringLiteral("Lumo Penrow Software"));
    const struct {
      const char* list;
      int count;
      const char *first, *last;
    } lists[] = {
        {"cboMDate", 31, "1", "31"},
        {"cboFMonth", 12, "January", "December"},
        {"cboMYear", 150, "1901", "2050"},
        {"cboFHH", 24, "0", "23"},
        {"cboMMM", 60, "0", "59"},
        {"cboFSS", 60, "0", "59"},
        {"cmbMTimeZone", 71, "Alaska/Hawaii Daylight Time,AHDT,-9.0", "Yukon War Time,YWT,-8.0"}};
    for (const auto& l : lists) {
      QComboBox* box = Combo(l.list);
      QCOMPARE(box->count(), l.count);
      QCOMPARE(box->itemText(0), QString::fromLatin1(l.first));
      QCOMPARE(box->itemText(l.count - 1), QString::fromLatin1(l.last));
      QCOMPARE(box->currentIndex(), 0);
    }
    for (const char* preset : {"optMLong_0", "optFLong_0", "optMLat_0", "optFLat_0"}) {
      QVERIFY2(Find<QRadioButton>(preset)->isChecked(), preset);
    }
    QCOMPARE(Find<QRadioButton>("optMLong_1")->text(), QStringLiteral("South"));
    QCOMPARE(Find<QRadioButton>("optFLat_1")->text(), QStringLiteral("West"));
    QVERIFY(!Find<QCheckBox>("chkFDST")->isChecked());
    for (const char* button : {"Command1", "Command2"}) {
      QCOMPARE(Find<QPushButton>(button)->text(),
               QStringLiteral("Click here to find Latitude && Longitude"));
    }
    QCOMPARE(Find<QLabel>("lblHelp")->text(),
             QStringLiteral("Enter your City, State & Country. Now click \"Find Latitude & "
                            "Longitude\". Find Latitude / Longitude in the built-in atlas."));
    QCOMPARE(Action("mnuCalculate")->text(), QStringLiteral("&Analyze Compatibility"));
    QVERIFY(form_->frameGeometry().width() <= 1366 && form_->frameGeometry().height() <= 768);
    Screenshot(form_, QStringLiteral("western_form_empty"));
  }

  void WholeRunTypedKeyByKey() {
    Fill(kArun);
    Fill(kMira);
    Screenshot(form_, QStringLiteral("western_form_filled"));
    Click("cmdCalculate");
    QVERIFY2(stand_ins_->messages.shown.empty(), qPrintable(stand_ins_->messages.Last()));
    QWidget* report = main_->Western().ReportWindow();
    QVERIFY(report && report->isVisible());
    QVERIFY(!form_->isVisible());
    QCOMPARE(report->windowTitle(), QStringLiteral("Lumo Penrow Software v2.0"));
    QCOMPARE(Text(report, "lblTitle"), QStringLiteral("Lumo Penrow Software"));

    for (int i = 0; i < static_cast<int>(kChartPointCount); ++i) {
      QString female = QString::fromLatin1(kJ2000Positions[i]);
      if (i >= 12) {
        female = QString::fromLatin1(kDelhiAngles[i - 12]);
      }
      QCOMPARE(Text(report, qPrintable(QStringLiteral("lblPlanetPosition_Male_%1").arg(i))),
               QString::fromLatin1(kJ2000Positions[i]));
      QCOMPARE(Text(report, qPrintable(QStringLiteral("lblPlanetPosition_Female_%1").arg(i))),
               female);
    }
    // Both Moons at 13 degrees: 390 x 390 / 100 = 1521, 15 percent.
    const char* expected[][2] = {{"lblPower", "390"},
                                 {"lblHarmony", "390"},
                                 {"lblPH", "1521"},
                                 {"lblPercentage", "15"},
                                 {"lblComment", "Very Bad"},
                                 {"mName", " Arun "},
                                 {"mDOB", "January 1, 2000"},
                                 {"mCity", "London"},
                                 {"mState", "England"},
                                 {"Mcountry", "Britain"},
                                 {"fName", "Mira"},
                                 {"fDOB", "January 1, 2000"},
                                 {"fCity", "Delhi"},
                                 {"fState", "Delhi"},
                                 {"fCountry", "India"},
                                 {"mTOB", "12:00"},
                                 {"fTOB", "12:00"},
                                 {"mCoordinates", "51\u00B030\u2032N 0\u00B000\u2032W"},
                                 {"fCoordinates", "28\u00B036\u2032N 77\u00B012\u2032E"},
                                 {"mClock", "zone as entered, UTC+00:00"}};
    for (const auto& [label, text] : expected) {
      QCOMPARE(Text(report, label), QString::fromUtf8(text));
    }
    QCOMPARE(Text(report, "lblCredit"), QStringLiteral("Data compiled by Lumora v2.05"));

    // Every label in the report's family: Verdana where it is installed.
    const QString family = ui::WesternReportFontFamily();
    if (QFontDatabase::families().contains(QStringLiteral("Verdana"))) {
      QCOMPARE(family, QStringLiteral("Verdana"));
    }
    for (QLabel* label : report->findChildren<QLabel*>()) {
      QCOMPARE(label->font().family(), family);
    }
    QVERIFY(report->frameGeometry().width() <= 1366 && report->frameGeometry().height() <= 768);
    Screenshot(report, QStringLiteral("western_report"));

    // In Tamil the report writes the dates as Tamil forms do, names the comment and the
    // signs of the positions in Tamil and credits the program in Tamil.
    const auto english = TextsOf(*report);
    ui::ApplyLanguage(Language::Tamil);
    QApplication::processEvents();
    QApplication::processEvents();
    QWidget* tamil = main_->Western().ReportWindow();
    QVERIFY(tamil && tamil->isVisible());
    // Nothing else is left in English but the names, places and the program's name.
    const QStringList left = LeftInEnglish(
        english, TextsOf(*tamil),
        {"Arun", "Mira", "London", "England", "Britain", "Delhi", "India", "Lumo Penrow Software"});
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
    QCOMPARE(Text(tamil, "mDOB"), QStringLiteral("01/01/2000"));
    QCOMPARE(Text(tamil, "lblComment"), ui::Utf8(WesternPhrasesOf(Language::Tamil).Comments[0]));
    QVERIFY(Text(tamil, "lblPlanetPosition_Male_0").contains(QStringLiteral("மகர")));
    QVERIFY(!Text(tamil, "lblCredit").contains(QStringLiteral("compiled")));
    const auto captions = tamil->findChildren<QLabel*>();
    QVERIFY(std::any_of(captions.begin(), captions.end(), [](const QLabel* label) {
      return label->text() == QStringLiteral("நெப்டியூன்");
    }));
    QVERIFY(std::none_of(captions.begin(), captions.end(), [](const QLabel* label) {
      return label->text() == QStringLiteral("Neptune");
    }));
    Screenshot(tamil, QStringLiteral("western_report_ta"));
    if (auto* pages = tamil->findChild<QTabWidget*>(QStringLiteral("tabReport"))) {
      pages->setCurrentIndex(1);
      QApplication::processEvents();
      Screenshot(tamil, QStringLiteral("western_synastry_ta"));
      pages->setCurrentIndex(0);
    }
    ui::ApplyLanguage(Language::English);
    QApplication::processEvents();
  }

  // On a 1366x768 screen the report opens inside the main window with its score in view:
  // the figures need no scrolling.
  void ScoreIsInViewWithoutScrolling() {
    main_->resize(1366 - ui::kWindowFrameAllowance / 4, 768 - ui::kWindowFrameAllowance);
    Fill(kArun);
    Fill(kMira);
    Click("cmdCalculate");
    QWidget* report = main_->Western().ReportWindow();
    QVERIFY(report && report->isVisible());
    auto* scroll = report->findChild<QScrollArea*>(QStringLiteral("scrReport"));
    QVERIFY(scroll != nullptr);
    QCOMPARE(scroll->verticalScrollBar()->value(), 0);
    const QRect shown = scroll->viewport()->rect();
    for (const char* name : {"fraCompatibility", "lblPercentage", "lblComment", "fClock"}) {
      auto* widget = report->findChild<QWidget*>(QLatin1String(name));
      QVERIFY2(widget != nullptr, name);
      const QRect at(widget->mapTo(scroll->viewport(), QPoint(0, 0)), widget->size());
      QVERIFY2(shown.contains(at), name);
    }
    Screenshot(main_.get(), QStringLiteral("western_report_in_main_window"));
  }

  // The longest clock lines under the Western zone wrap and read in full in a form shown
  // in the main window on a 1366x768 screen: India's war time and Madras time.
  void CautionsReadInFull() {
    ui::AtlasSource::Shared().Wait();
    QVERIFY(ui::AtlasSource::Shared().Loaded());
    main_->resize(1366 - ui::kWindowFrameAllowance / 4, 768 - ui::kWindowFrameAllowance);
    // A new form, shown in the larger area.
    QPointer<QWidget> closed = form_;
    Click("cmdNav");
    QTRY_VERIFY(closed.isNull());
    OpenWestern();
    const struct {
      const char* year;
      const char* month;
      const char* ending;
      const char* shot;
    } cases[] = {
        {"1943", "March", "India's war time 1941-1945: the dates of its changes are uncertain",
         "western_form_war_time"},
        {"1901", "January",
         "before 1906 Indian towns kept local, Madras, Bombay or Calcutta time: check the record",
         "western_form_madras_time"},
    };
    const Place pune = ui::AtlasSource::Shared().Loaded()->Search("Pune", 1).at(0);
    for (const auto& c : cases) {
      Choose("cboMYear", c.year);
      Choose("cboMMonth", c.month);
      Choose("cboMHH", "12");
      form_->FillFromPlace(PersonSide::Male, pune);
      QApplication::processEvents();
      auto* line = form_->findChild<QLabel*>(QStringLiteral("lblMClock"));
      QVERIFY2(line->text().endsWith(QString::fromUtf8(c.ending)), qPrintable(line->text()));
      QVERIFY(line->wordWrap());
      QTRY_VERIFY(line->height() >= line->heightForWidth(line->width()));
      QVERIFY2(line->height() >= line->heightForWidth(line->width()),
               qPrintable(QStringLiteral("%1 < %2 for %3")
                              .arg(line->height())
                              .arg(line->heightForWidth(line->width()))
                              .arg(line->text())));
      // Inside its frame, and the frame inside the window.
      QWidget* frame = line->parentWidget();
      QTRY_VERIFY2(frame->contentsRect().contains(QRect(line->pos(), line->size())),
                   qPrintable(QStringLiteral("line %1,%2 %3x%4 outside the frame's %5x%6")
                                  .arg(line->x())
                                  .arg(line->y())
                                  .arg(line->width())
                                  .arg(line->height())
                                  .arg(frame->contentsRect().width())
                                  .arg(frame->contentsRect().height())));
      QVERIFY(form_->rect().contains(QRect(frame->mapTo(form_, QPoint(0, 0)), frame->size())));
      Screenshot(form_, QString::fromLatin1(c.shot));
    }
  }

  void PreciseMoonMovesTheMoonAndIsNamed() {
    main_->ApplyMoonModel(MoonModel::Precise);
    Fill(kArun);
    Fill(kMira);
    Click("cmdCalculate");
    QWidget* report = main_->Western().ReportWindow();
    QVERIFY(report && report->isVisible());
    const auto outcome = RunWesternTest(form_->Entries(), MoonModel::Precise);
    const auto& precise = std::get<WesternTestResult>(outcome);
    QVERIFY(PositionText(precise.Male, ChartPoint::Moon) !=
            kJ2000Positions[1]);  // 13 Sco 19, not 13 Sco 18
    // The precise ephemeris gives every position, so the window shows the precise run's
    // positions; the angles differ by place, the rest not at all.
    for (const char* side : {"Male", "Female"}) {
      for (int i = 0; i < 12; ++i) {
        const QString shown =
            Text(report, qPrintable(QStringLiteral("lblPlanetPosition_%1_%2").arg(side).arg(i)));
        QCOMPARE(shown, QString::fromStdString(PositionText(precise.Male, ChartPoint(i))));
      }
    }
    for (const char* label : {"mMoon", "fMoon"}) {
      QVERIFY2(!report->findChild<QLabel*>(QLatin1String(label))->isHidden(), label);
      QCOMPARE(Text(report, label), QStringLiteral("Precise Moon"));
    }
    QVERIFY(report->frameGeometry().height() <= 768);
    Screenshot(report, QStringLiteral("western_report_precise_moon"));
  }

  void SecondRunRefillsEveryLabel() {
    Fill(kArun);
    Fill(kMira);
    Click("cmdCalculate");
    QWidget* report = main_->Western().ReportWindow();
    QTest::mouseClick(MainButton("cmdBack"), Qt::LeftButton);
    Fill(kRavi);
    Fill(kLeela);
    Action("mnuCalculate")->trigger();
    QVERIFY2(stand_ins_->messages.shown.empty(), qPrintable(stand_ins_->messages.Last()));
    QVERIFY(report->isVisible());

    // The labels show what the core computes for the same entries, and no value of the
    // first run survives on the male side.
    const auto outcome = RunWesternTest(form_->Entries());
    QVERIFY(std::holds_alternative<WesternTestResult>(outcome));
    const auto& result = std::get<WesternTestResult>(outcome);
    for (int i = 0; i < static_cast<int>(kChartPointCount); ++i) {
      const QString male =
          Text(report, qPrintable(QStringLiteral("lblPlanetPosition_Male_%1").arg(i)));
      QCOMPARE(male, QString::fromStdString(PositionText(result.Male, ChartPoint(i))));
      QVERIFY(male != QString::fromLatin1(kJ2000Positions[i]));
      QCOMPARE(Text(report, qPrintable(QStringLiteral("lblPlanetPosition_Female_%1").arg(i))),
               QString::fromStdString(PositionText(result.Female, ChartPoint(i))));
    }
    QCOMPARE(Text(report, "lblPlanetPosition_Male_10"), QStringLiteral("29 Pis 29"));  // N Node
    QCOMPARE(Text(report, "lblPlanetPosition_Male_11"), QStringLiteral("29 Vir 29"));  // S Node
    QCOMPARE(Text(report, "lblPower"), QString::number(result.Score.Power));
    QCOMPARE(Text(report, "lblHarmony"), QString::number(result.Score.Harmony));
    QCOMPARE(Text(report, "lblPH"), QString::number(result.Score.PowerTimesHarmony));
    QCOMPARE(Text(report, "lblPercentage"), QString::number(result.Score.Percentage));
    QCOMPARE(Text(report, "lblComment"), QString::fromStdString(result.Score.Comment));
    QCOMPARE(Text(report, "mName"), QStringLiteral("Ravi"));
    QCOMPARE(Text(report, "fDOB"), QStringLiteral("February 29, 2000"));
    QCOMPARE(Text(report, "fCountry"), QStringLiteral("Australia"));
    QCOMPARE(main_->Western().LastResult()->Score.Power, result.Score.Power);
  }

  void ValidationShowsOneMessageAndFocuses() {
    const struct {
      const char* source;
      void (*edit)(WesternTest&);
      const char* message;
      MessageIcon icon;
      const char* focus;  // nullptr: the focus stays where it was
    } cases[] = {
        {"empty male name before empty female city",
         [](WesternTest& t) { t.Edit("txtMName")->clear(), t.Edit("txtFCity")->clear(); },
         "Please Enter Male Name", MessageIcon::Error, "txtMName"},
        {"female longitude minutes", [](WesternTest& t) { t.Edit("txtFLoM")->clear(); },
         "Please Enter Minutes in Longitude", MessageIcon::Error, "txtFLoM"},
        {"latitude beyond the pole", [](WesternTest& t) { t.Retype("txtMLD", "91"); },
         "Please Enter A Correct Latitude", MessageIcon::Error, "txtMLD"},
        {"longitude beyond the date line", [](WesternTest& t) { t.Retype("txtFLoD", "181"); },
         "Please Enter A Correct Longitude", MessageIcon::Error, "txtFLoD"},
        {"minutes beyond 59", [](WesternTest& t) { t.Retype("txtFLM", "60"); },
         "Please Enter A Correct Latitude", MessageIcon::Error, "txtFLM"},
        {"30 February 2000",
         [](WesternTest& t) { t.Choose("cboMMonth", "February"), t.Choose("cboMDate", "30"); },
         "Please Enter Your Correct Date Or Month!", MessageIcon::Information, nullptr},
        {"31 April for the female",
         [](WesternTest& t) { t.Choose("cboFMonth", "April"), t.Choose("cboFDate", "31"); },
         "Please Enter Your Partner's Correct Date Or Month !", MessageIcon::Information, nullptr},
        {"no latitude direction",
         [](WesternTest& t) {
           QButtonGroup* pair = t.Find<QRadioButton>("optFLong_1")->group();
           pair->setExclusive(false);
           t.Find<QRadioButton>("optFLong_0")->setChecked(false);
           pair->setExclusive(true);
         },
         "Please Select Direction For The Latitude", MessageIcon::Error, "optFLong_0"},
    };
    for (const auto& c : cases) {
      Fill(kArun);
      Fill(kMira);
      c.edit(*this);
      stand_ins_->messages.shown.clear();
      Click("cmdCalculate");
      QVERIFY2(stand_ins_->messages.shown.size() == 1, c.source);
      QCOMPARE(stand_ins_->messages.Last(), QString::fromLatin1(c.message));
      QCOMPARE(stand_ins_->messages.shown.back().Icon, c.icon);
      QVERIFY2(form_->isVisible(), c.source);
      QVERIFY2(main_->Western().ReportWindow() == nullptr, c.source);
      // A date message leaves the focus on the button that was clicked.
      QCOMPARE(form_->focusWidget(), Find<QWidget>(c.focus ? c.focus : "cmdCalculate"));
      if (auto* preset = qobject_cast<QRadioButton*>(form_->focusWidget())) {
        QVERIFY2(preset->isChecked(), c.source);  // the pair's preset is selected again
      }
    }
  }

  void KeyFiltersRefuseWithTheirMessages() {
    const struct {
      const char* field;
      const char* keys;
      const char* message;  // nullptr: every key passes
      const char* kept;
    } cases[] = {
        {"txtMName", "Ar5un", "Please enter only letters", "Arun"},
        {"txtFName", "Mira Devi", nullptr, "Mira Devi"},
        {"txtMLD", "-5", "Please enter only numbers", "5"},
        {"txtFLM", "1.5", "Please enter only numbers", "15"},
        {"txtMLoD", "1 2", "Please enter only numbers", "12"},
        {"txtFLoM", "1234", nullptr, "123"},  // three characters at most
        {"txtFCity", "Saint-Denis", "Please enter only letters", "SaintDenis"},
        {"txtMState", "St. John's", "Please enter only letters", "St Johns"},
        {"txtMCountry", "Area 51", "Please enter only letters", "Area "},
    };
    for (const auto& c : cases) {
      stand_ins_->messages.shown.clear();
      QLineEdit* edit = Edit(c.field);
      TypeInto(edit, QString::fromLatin1(c.keys));
      QCOMPARE(edit->text(), QString::fromLatin1(c.kept));
      QCOMPARE(form_->focusWidget(), edit);
      if (c.message == nullptr) {
        QVERIFY2(stand_ins_->messages.shown.empty(), c.field);
        continue;
      }
      QVERIFY2(!stand_ins_->messages.shown.empty(), c.field);
      for (const auto& shown : stand_ins_->messages.shown) {
        QCOMPARE(shown.Text, QString::fromLatin1(c.message));
        QCOMPARE(shown.Icon, MessageIcon::Error);
      }
    }
    QTest::keyClick(Edit("txtMLD"), Qt::Key_Backspace);
    QCOMPARE(Edit("txtMLD")->text(), QString());
  }

  void PlaceLookUpOpensTheAtlasSearchPrefilled() {
    // The button no longer needs state and country: it searches the atlas for the city.
    const struct {
      const char* button;
      const char* city;
      bool accept;
      const char* filled_city;  // the City box afterwards
      const char* filled_lat;
    } cases[] = {
        {"Command1", "Poona", false, "Poona", ""},
        {"Command2", "Poona", true, "Pune", "18"},
    };
    for (const auto& c : cases) {
      const char prefix = QByteArray(c.button) == "Command1" ? 'M' : 'F';
      Retype(Name("txt", prefix, "City"), c.city);
      bool seen = false;
      QTimer::singleShot(0, this, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog != nullptr);
        QCOMPARE(dialog->objectName(), QStringLiteral("dlgPlaceSearch"));
        QTRY_VERIFY(dialog->findChild<QListWidget*>(QStringLiteral("lstPlaces"))->count() > 0);
        QCOMPARE(dialog->findChild<QLineEdit*>(QStringLiteral("txtPlaceQuery"))->text(),
                 QString::fromLatin1(c.city));
        seen = true;
        QTest::mouseClick(
            dialog->findChild<QPushButton*>(c.accept ? QStringLiteral("cmdPlaceOk")
                                                     : QStringLiteral("cmdPlaceCancel")),
            Qt::LeftButton);
      });
      Click(c.button);
      QVERIFY(seen);
      QVERIFY(stand_ins_->browser.opened.empty());
      QCOMPARE(Find<QLineEdit>(Name("txt", prefix, "City"))->text(),
               QString::fromLatin1(c.filled_city));
      QCOMPARE(Find<QLineEdit>(Name("txt", prefix, "LD"))->text(),
               QString::fromLatin1(c.filled_lat));
    }
  }

  void PrintsTheReportAsADocument() {
    QTemporaryDir dir;
    stand_ins_->printer.pdf_path = dir.filePath(QStringLiteral("western.pdf"));
    // With only the form on screen there is nothing to print: Print and Back are off.
    QVERIFY(!MainButton("cmdPrint")->isEnabled());
    QVERIFY(!MainButton("cmdBack")->isEnabled());
    QVERIFY(!main_->findChild<QAction*>(QStringLiteral("mnuPrint"))->isEnabled());
    main_->PrintActiveWindow();
    QCOMPARE(stand_ins_->printer.printed, 0);

    // After a run the report on screen is printed as shown.
    Fill(kArun);
    Fill(kMira);
    Click("cmdCalculate");
    auto* report = qobject_cast<ui::WesternReportWindow*>(main_->Western().ReportWindow());
    QVERIFY(report && report->isVisible());
    QTRY_VERIFY(MainButton("cmdPrint")->isEnabled());
    main_->findChild<QAction*>(QStringLiteral("mnuPrint"))->trigger();
    QCOMPARE(stand_ins_->printer.printed, 1);
    QFile pdf(stand_ins_->printer.pdf_path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
    pdf.close();
    // The printed text is the report's: names, positions and figures as shown.
    const QString printed = stand_ins_->printer.last_text;
    for (const char* label : {"mName", "fName", "lblPlanetPosition_Male_1",
                              "lblPlanetPosition_Female_13", "lblPH", "lblComment"}) {
      QVERIFY2(printed.contains(Text(report, label)), label);
    }
    QVERIFY(QFile(stand_ins_->printer.pdf_path).size() > 10000);
  }

  void BackAndTheTwoTests() {
    Fill(kArun);
    Fill(kMira);
    Click("cmdCalculate");
    QWidget* report = main_->Western().ReportWindow();
    QTest::mouseClick(MainButton("cmdBack"), Qt::LeftButton);
    QVERIFY(!report->isVisible());
    QVERIFY(form_->isVisible());
    QCOMPARE(Edit("txtMName")->text(), QStringLiteral(" Arun "));

    // The Vedic button hides every Western window; the Western button the Vedic form.
    Click("cmdCalculate");
    QTest::mouseClick(MainButton("Command2"), Qt::LeftButton);
    QWidget* vedic = main_->Vedic().Form();
    QVERIFY(vedic && vedic->isVisible());
    QVERIFY(!form_->isVisible() && !report->isVisible());
    QTest::mouseClick(MainButton("Command1"), Qt::LeftButton);
    QVERIFY(form_->isVisible() && !report->isVisible() && !vedic->isVisible());
    QVERIFY(main_->Western().InputForm() == form_);

    // Exit discards the form: the next opening starts from the presets.
    QPointer<QWidget> closed = form_;
    Click("cmdNav");
    QTRY_VERIFY(closed.isNull());
    OpenWestern();
    QCOMPARE(Edit("txtMName")->text(), QString());
    closed = form_;
    Action("mnuExit")->trigger();
    QTRY_VERIFY(closed.isNull());
  }

  // Tab walks the male panel from top to bottom, the female panel, the commands.
  void TabWalksBothPanelsInOrder() {
    const char* const expected[] = {
        "txtMName",       "cboMDate",      "cboMMonth",      "cboMYear",   "cboMHH",
        "cboMMM",         "cboMSS",        "txtMCity",       "txtMState",  "txtMCountry",
        "Command1",       "txtMLD",        "txtMLM",         "optMLong_0", "optMLong_1",
        "txtMLoD",        "txtMLoM",       "optMLat_0",      "optMLat_1",  "cmbMTimeZone",
        "chkMDST",        "optMZoneAhead", "optMZoneBehind", "txtFName",   "cboFDate",
        "cboFMonth",      "cboFYear",      "cboFHH",         "cboFMM",     "cboFSS",
        "txtFCity",       "txtFState",     "txtFCountry",    "Command2",   "txtFLD",
        "txtFLM",         "optFLong_0",    "optFLong_1",     "txtFLoD",    "txtFLoM",
        "optFLat_0",      "optFLat_1",     "cmbFTimeZone",   "chkFDST",    "optFZoneAhead",
        "optFZoneBehind", "cmdCalculate",  "cmdNav"};
    Edit("txtMName")->setFocus(Qt::TabFocusReason);
    for (std::size_t i = 1; i < std::size(expected); ++i) {
      QTest::keyClick(form_->focusWidget(), Qt::Key_Tab);
      QVERIFY2(form_->focusWidget()->objectName() == QLatin1String(expected[i]), expected[i]);
    }
  }

  void ControlsAreNamedForAssistiveTechnology() {
    const char* expected[][2] = {{"cboMDate", "Birth Day"},
                                 {"cboFMonth", "Birth Month"},
                                 {"cboMYear", "Birth Year"},
                                 {"cboFHH", "Hour"},
                                 {"cboMMM", "Minute"},
                                 {"cboFSS", "Second"},
                                 {"cboFDate", "Birth Day"},
                                 {"cboMMonth", "Birth Month"},
                                 {"cboFYear", "Birth Year"},
                                 {"cboMHH", "Hour"},
                                 {"cboFMM", "Minute"},
                                 {"cboMSS", "Second"},
                                 {"cmbMTimeZone", "Time Zone"},
                                 {"txtMLD", "Latitude degrees"},
                                 {"txtFLM", "Latitude minutes"},
                                 {"txtFLoD", "Longitude degrees"},
                                 {"txtMLoM", "Longitude minutes"},
                                 {"txtMName", "Name"},
                                 {"txtFCountry", "Country"},
                                 {"cmbFTimeZone", "Time Zone"},
                                 {"optMLong_1", "South"},
                                 {"chkFDST", "Daylight Saving Time"}};
    for (const auto& [control, name] : expected) {
      QWidget* widget = Find<QWidget>(control);
      QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
      QVERIFY(accessible);
      // A list is announced by its name too, its selected entry as its value.
      QCOMPARE(accessible->text(QAccessible::Name), QString::fromLatin1(name));
      if (auto* list = qobject_cast<QComboBox*>(widget)) {
        QCOMPARE(accessible->text(QAccessible::Value), list->currentText());
      }
      QAccessibleInterface* up = accessible->parent();
      while (up && up->role() != QAccessible::Grouping) {
        up = up->parent();
      }
      QVERIFY2(up, control);
      QCOMPARE(up->text(QAccessible::Name),
               control[3] == 'M' ? QStringLiteral("Male") : QStringLiteral("Female"));
    }
    for (QLabel* label : form_->findChildren<QLabel*>()) {
      if (label->text().endsWith(QLatin1Char(':'))) {
        QVERIFY2(label->buddy() != nullptr, qPrintable(label->text()));
      }
    }
  }

 private:
  void OpenWestern() {
    QTest::mouseClick(MainButton("Command1"), Qt::LeftButton);
    form_ = main_->Western().Form();
    QVERIFY(form_ && form_->isVisible());
  }

  // Enters a person as a user would: the boxes typed key by key, each list stepped to
  // its entry with the arrow keys, the directions clicked.
  void Fill(const Person& p) {
    const char x = p.prefix;
    Retype(Name("txt", x, "Name"), p.name);
    Choose(Name("cbo", x, "Date"), p.day);
    Choose(Name("cbo", x, "Month"), p.month);
    Choose(Name("cbo", x, "Year"), p.year);
    Choose(Name("cbo", x, "HH"), p.hour);
    Choose(Name("cbo", x, "MM"), p.minute);
    Retype(Name("txt", x, "City"), p.city);
    Retype(Name("txt", x, "State"), p.state);
    Retype(Name("txt", x, "Country"), p.country);
    Retype(Name("txt", x, "LD"), p.lat_deg);
    Retype(Name("txt", x, "LM"), p.lat_min);
    Retype(Name("txt", x, "LoD"), p.long_deg);
    Retype(Name("txt", x, "LoM"), p.long_min);
    QTest::mouseClick(Find<QRadioButton>(Name("opt", x, p.south ? "Long_1" : "Long_0")),
                      Qt::LeftButton);
    QTest::mouseClick(Find<QRadioButton>(Name("opt", x, p.west ? "Lat_1" : "Lat_0")),
                      Qt::LeftButton);
    ChooseRow(Name("cmb", x, "TimeZone"), p.zone_row);
  }

  void Retype(const QByteArray& field, const char* text) {
    QLineEdit* edit = Edit(field);
    edit->clear();
    TypeInto(edit, QString::fromLatin1(text));
    QCOMPARE(edit->text(), QString::fromLatin1(text));
  }

  void Choose(const QByteArray& list, const char* entry) {
    ChooseRow(list, Combo(list)->findText(QString::fromLatin1(entry)));
  }

  void ChooseRow(const QByteArray& list, int target) {
    QComboBox* box = Combo(list);
    QVERIFY2(target >= 0 && target < box->count(), list.constData());
    QTest::keyClick(box, Qt::Key_Home);
    for (int i = 0; i < target; ++i) {
      QTest::keyClick(box, Qt::Key_Down);
    }
    QCOMPARE(box->currentIndex(), target);
  }

  static QByteArray Name(const char* kind, char prefix, const char* rest) {
    return QByteArray(kind) + prefix + rest;
  }

  template <typename T>
  T* Find(const QByteArray& name) {
    return Child<T>(form_, name.constData());
  }
  QLineEdit* Edit(const QByteArray& name) { return Find<QLineEdit>(name); }
  QComboBox* Combo(const QByteArray& name) { return Find<QComboBox>(name); }
  QAction* Action(const QByteArray& name) { return Find<QAction>(name); }
  void Click(const QByteArray& name) { QTest::mouseClick(Find<QPushButton>(name), Qt::LeftButton); }
  QPushButton* MainButton(const char* name) {
    return main_->findChild<QPushButton*>(QString::fromLatin1(name));
  }
  static QString Text(QWidget* window, const char* label) {
    auto* found = window->findChild<QLabel*>(QString::fromLatin1(label));
    if (found == nullptr) {
      qFatal("no label %s", label);
    }
    return found->text();
  }

  std::unique_ptr<StandIns> stand_ins_;
  std::unique_ptr<ui::MainWindow> main_;
  ui::WesternInputForm* form_ = nullptr;
};

QTEST_MAIN(WesternTest)
#include "western_test.moc"
