// SPDX-License-Identifier: MIT
// Birth places in both forms: the City completer, the place search dialog, the clock that
// follows the birth date and time, and the hand-typed zone that ends the atlas's hold.
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "support/stand_ins.h"
#include "ui/common/place_finder.h"
#include "ui/main_window.h"
#include "ui/vedic/entry/birth_details_form.h"
#include "ui/vedic/result/result_window.h"
#include "ui/vedic/vedic_session.h"
#include "ui/western/western_input_form.h"
#include "ui/western/western_session.h"

using namespace lumora;
using namespace lumora::testing;

class PlacesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    ui::AtlasSource::Shared().Wait();
    QVERIFY2(ui::AtlasSource::Shared().Loaded(), qPrintable(ui::AtlasSource::Shared().Problem()));
  }

  void init() {
    stand_ins_ = std::make_unique<StandIns>();
    main_ = std::make_unique<ui::MainWindow>(stand_ins_->Services());
    main_->show();
  }
  void cleanup() { main_.reset(); }

  void TypingPunPicksPuneAndFillsEverything() {
    QWidget* form = OpenVedic();
    Choose(form, "cboMYear", "1943");
    Choose(form, "cboMMonth", "March");
    Choose(form, "cboMHH", "12");
    auto* city = Find<QLineEdit>(form, "txtMCity");
    city->setFocus();
    QTest::keyClicks(city, QStringLiteral("Pun"));
    auto* completer = form->findChild<QCompleter*>(QStringLiteral("cmpMCity"));
    QVERIFY(completer != nullptr);
    QAbstractItemView* popup = completer->popup();
    QTRY_VERIFY(popup->isVisible());
    QVERIFY(popup->model()->rowCount() >= 2);
    QCOMPARE(popup->model()->index(0, 0).data().toString(),
             QStringLiteral("Pune, Maharashtra, India (18\u00B031\u2032N 73\u00B051\u2032E)"));
    Screenshot(popup, QStringLiteral("atlas_completer"));
    Screenshot(form, QStringLiteral("atlas_completer_form"));
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);

    const struct {
      const char* control;
      const char* text;
    } filled[] = {
        {"txtMCity", "Pune"},     {"txtMState", "Maharashtra"},
        {"txtMCountry", "India"}, {"txtMLD", "18"},
        {"txtMLM", "31"},         {"txtMLoD", "73"},
        {"txtMLoM", "51"},        {"txtMZoneHour", "5"},
        {"txtMZoneMinute", "30"},
    };
    for (const auto& f : filled) {
      QCOMPARE(Find<QLineEdit>(form, f.control)->text(), QString::fromUtf8(f.text));
    }
    QVERIFY(Find<QRadioButton>(form, "optMNorth")->isChecked());
    QVERIFY(Find<QRadioButton>(form, "optMEast")->isChecked());
    QVERIFY(Find<QCheckBox>(form, "chkMDST")->isChecked());  // war time, +06:30
    QVERIFY(Find<QLabel>(form, "lblMClock")
                ->text()
                .startsWith(QStringLiteral("Asia/Kolkata, +06:30, daylight time in force; India")));
    Screenshot(form, QStringLiteral("atlas_filled_form"));

    // The clock follows the date ...
    Choose(form, "cboMYear", "1990");
    QCOMPARE(Find<QLabel>(form, "lblMClock")->text(),
             QStringLiteral("Asia/Kolkata, +05:30, IST (India Standard Time), standard time"));
    QVERIFY(!Find<QCheckBox>(form, "chkMDST")->isChecked());
    auto* vedic = main_->Vedic().Form();
    QCOMPARE(vedic->Entries().Male.TimeZoneId, std::string("Asia/Kolkata"));
    // ... until a zone is typed by hand.
    QTest::keyClick(Find<QLineEdit>(form, "txtMZoneMinute"), Qt::Key_Backspace);
    QVERIFY(Find<QLabel>(form, "lblMClock")->text().isEmpty());
    QVERIFY(vedic->Entries().Male.TimeZoneId.empty());
    Choose(form, "cboMYear", "1943");
    QVERIFY(!Find<QCheckBox>(form, "chkMDST")->isChecked());
  }

  void ButtonOpensTheSearchPrefilled() {
    QWidget* form = OpenVedic();
    TypeInto(Find<QLineEdit>(form, "txtFCity"), QStringLiteral("Bombay"));
    bool seen = false;
    QTimer::singleShot(0, this, [&] {
      auto* dialog = qobject_cast<ui::PlaceSearchDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog != nullptr);
      QCOMPARE(Find<QLineEdit>(dialog, "txtPlaceQuery")->text(), QStringLiteral("Bombay"));
      auto* list = Find<QListWidget>(dialog, "lstPlaces");
      QVERIFY(list->count() >= 1);
      QVERIFY(list->item(0)->text().startsWith(QStringLiteral("Mumbai, Maharashtra, India")));
      Screenshot(dialog, QStringLiteral("atlas_search_dialog"));
      seen = true;
      QTest::mouseClick(Find<QPushButton>(dialog, "cmdPlaceOk"), Qt::LeftButton);
    });
    QTest::mouseClick(Find<QPushButton>(form, "cmdFemaleBrowse"), Qt::LeftButton);
    QVERIFY(seen);
    QCOMPARE(Find<QLineEdit>(form, "txtFCity")->text(), QStringLiteral("Mumbai"));
    QCOMPARE(Find<QLineEdit>(form, "txtFLD")->text(), QStringLiteral("19"));
    QCOMPARE(Find<QLineEdit>(form, "txtFLM")->text(), QStringLiteral("4"));
    QCOMPARE(Find<QLineEdit>(form, "txtFLoD")->text(), QStringLiteral("72"));
    QCOMPARE(Find<QLineEdit>(form, "txtFLoM")->text(), QStringLiteral("53"));
  }

  void PuneAndBombayMatchWithoutACoordinate() {
    QWidget* form = OpenVedic();
    auto* vedic = main_->Vedic().Form();
    TypeInto(Find<QLineEdit>(form, "txtMName"), QStringLiteral("Ravi"));
    TypeInto(Find<QLineEdit>(form, "txtFName"), QStringLiteral("Asha"));
    vedic->FillFromPlace(true, First("Pune"));
    vedic->FillFromPlace(false, First("Bombay"));
    QTest::mouseClick(Find<QPushButton>(form, "cmdCalculate"), Qt::LeftButton);
    QVERIFY2(stand_ins_->messages.shown.empty(), qPrintable(stand_ins_->messages.Last()));
    QVERIFY(main_->Vedic().Result() && main_->Vedic().Result()->isVisible());
  }

  void RepeatedHourAsksWhichReading() {
    QWidget* form = OpenVedic();
    auto* vedic = main_->Vedic().Form();
    Choose(form, "cboMYear", "2024");
    Choose(form, "cboMMonth", "November");
    Choose(form, "cboMDate", "3");
    Choose(form, "cboMHH", "1");
    vedic->FillFromPlace(true, First("New York City"));
    auto* reading = Find<QComboBox>(form, "cboMClockReading");
    QVERIFY(reading->isVisibleTo(form));
    QVERIFY(!vedic->Entries().Male.ClockReading);
    reading->setCurrentIndex(2);
    emit reading->activated(2);
    QCOMPARE(vedic->Entries().Male.ClockReading, std::optional(ClockChoice::Later));
    QCOMPARE(Find<QLineEdit>(form, "txtMZoneHour")->text(), QStringLiteral("5"));
    QVERIFY(!Find<QCheckBox>(form, "chkMDST")->isChecked());
    Choose(form, "cboMHH", "12");
    QVERIFY(!reading->isVisibleTo(form));
  }

  void WesternZoneListGainsAnEntryOnlyWhereNoRowHasIt() {
    QTest::mouseClick(Find<QPushButton>(main_.get(), "Command1"), Qt::LeftButton);
    ui::WesternInputForm* form = main_->Western().Form();
    QVERIFY(form && form->isVisible());
    Choose(form, "cboMYear", "1990");
    auto* zones = Find<QComboBox>(form, "cmbMTimeZone");
    form->FillFromPlace(PersonSide::Male, First("Kathmandu"));
    QCOMPARE(zones->count(), 72);
    QCOMPARE(zones->currentText(), QStringLiteral("Asia/Kathmandu, +05:45"));
    QCOMPARE(form->Entries().Male.TimeZoneId, std::string("Asia/Kathmandu"));
    Screenshot(form, QStringLiteral("atlas_western_form"));
    form->FillFromPlace(PersonSide::Male, First("Pune"));
    QCOMPARE(zones->count(), 71);
    QCOMPARE(zones->currentIndex(), 34);  // "Indian Time, IST, +5.3"
    QCOMPARE(Find<QLineEdit>(form, "txtMCity")->text(), QStringLiteral("Pune"));
  }

 private:
  template <typename T>
  static T* Find(QObject* parent, const char* name) {
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) {
      qFatal("no control %s", name);
    }
    return found;
  }

  QWidget* OpenVedic() {
    QTest::mouseClick(Find<QPushButton>(main_.get(), "Command2"), Qt::LeftButton);
    QWidget* form = main_->Vedic().Form();
    if (form == nullptr || !form->isVisible()) {
      qFatal("the birth form did not open");
    }
    return form;
  }

  static void Choose(QWidget* form, const char* list, const char* entry) {
    auto* box = Find<QComboBox>(form, list);
    const int index = box->findText(QString::fromLatin1(entry));
    if (index < 0) {
      qFatal("%s has no entry %s", list, entry);
    }
    box->setCurrentIndex(index);
  }

  static Place First(const char* query) {
    const auto places = ui::AtlasSource::Shared().Loaded()->Search(query, 1);
    if (places.empty()) {
      qFatal("no place %s", query);
    }
    return places.front();
  }

  std::unique_ptr<StandIns> stand_ins_;
  std::unique_ptr<ui::MainWindow> main_;
};

QTEST_MAIN(PlacesTest)
#include "places_test.moc"
