// SPDX-License-Identifier: MIT
// The "Timing" tab: the wedding date field, the running periods and Sandhis it shows, the
// mahadasha tables with their antardashas, Saturn's transits, the year length and the
// timeline picture.
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QTreeWidget>
#include <cmath>

#include "support/births.h"
#include "support/finders.h"
#include "support/stand_ins.h"
#include "ui/vedic/result/timing_tab.h"

using namespace lumora;
using namespace lumora::testing;

namespace {

void Commit(QLineEdit* edit, const QString& text) {
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, text);
  QTest::keyClick(edit, Qt::Key_Return);
}

}  // namespace

class TimingTabTest : public QObject {
  Q_OBJECT

 private slots:
  void ShowsThePeriodsOfBothPersons() {
    ui::TimingTab tab;
    tab.resize(1200, 700);
    tab.SetPersons(QStringLiteral("Arjun"), DelhiMoment(), "Asia/Kolkata", QStringLiteral("Bela"),
                   GreenwichMoment(), "Europe/London", Ayanamsa::Standard);
    tab.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tab));
    QVERIFY(tab.Timing().has_value());

    // Nine mahadashas each, with their nine antardashas one level down, on demand.
    auto* boy = Child<QTreeWidget>(&tab, "treBoyDashas");
    auto* girl = Child<QTreeWidget>(&tab, "treGirlDashas");
    QCOMPARE(boy->topLevelItemCount(), 9);
    QCOMPARE(girl->topLevelItemCount(), 9);
    QCOMPARE(boy->topLevelItem(0)->childCount(), 9);
    QVERIFY(!boy->topLevelItem(0)->isExpanded());
    QCOMPARE(
        boy->topLevelItem(0)->text(0),
        QString::fromStdString(std::string(DashaLordName(tab.Timing()->Boy.Dashas.BirthLord))));
    QVERIFY(boy->accessibleName().contains(QStringLiteral("Arjun")));
    // The keyboard opens a mahadasha.
    boy->setFocus();
    boy->setCurrentItem(boy->topLevelItem(1));
    QTest::keyClick(boy, Qt::Key_Right);
    QVERIFY(boy->topLevelItem(1)->isExpanded());

    // Today is looked at until a wedding date is entered.
    QVERIFY(Label(&tab, "lblRunningDashas")->text().startsWith(QStringLiteral("Running today")));
    Commit(Edit(&tab, "txtWeddingDate"), QStringLiteral("2025-11-23"));
    QCOMPARE(tab.ReferenceDay(), DayNumberOf({2025, 11, 23}));
    const QString running = Label(&tab, "lblRunningDashas")->text();
    QVERIFY2(running.startsWith(QStringLiteral("Running at the wedding, 2025-11-23")),
             qPrintable(running));
    QVERIFY(running.contains(QStringLiteral("Arjun: ")));
    QVERIFY(running.contains(QStringLiteral("Bela: ")));
    // The three levels of each person, from the core's reckoning of that day.
    const auto chain = RunningOnDay(tab.Timing()->Girl, DayNumberOf({2025, 11, 23}));
    QCOMPARE(static_cast<int>(chain.size()), 3);
    QVERIFY(running.contains(QString::fromStdString(SpanWords(tab.Timing()->Girl, chain[2]))));
    QVERIFY(Label(&tab, "lblDashaSandhi")->text().startsWith(QStringLiteral("Dasha Sandhi:")));
    QCOMPARE(Label(&tab, "lblDashaSandhi")->accessibleName(),
             Label(&tab, "lblDashaSandhi")->text());

    // A text that is no date leaves the day at today and says so.
    Commit(Edit(&tab, "txtWeddingDate"), QStringLiteral("2025-02-30"));
    QVERIFY(!Label(&tab, "lblWeddingNote")->text().isEmpty());
    QVERIFY(Label(&tab, "lblRunningDashas")->text().startsWith(QStringLiteral("Running today")));

    // Saturn's transits of the next 30 years: Sade Sati comes round about every 30 years,
    // so each person has some span in the window.
    auto* transits = Child<QTreeWidget>(&tab, "treSaturnTransits");
    QVERIFY(transits->topLevelItemCount() >= 2);
    QStringList persons;
    for (int i = 0; i < transits->topLevelItemCount(); ++i) {
      persons << transits->topLevelItem(i)->text(0);
    }
    QVERIFY(persons.contains(QStringLiteral("Bela")));

    // The conventions in use; each year length recomputes the periods, the first change
    // coming the balance times that many days after birth.
    QVERIFY(Label(&tab, "lblTimingConventions")->text().contains(QStringLiteral("Standard")));
    struct YearCase {
      const char* Data;
      double Days;
    };
    constexpr YearCase kYears[] = {{"360", 360.0}, {"365.2422", 365.2422}, {"365.25", 365.25}};
    auto* year = Combo(&tab, "cboYearLength");
    for (const YearCase& c : kYears) {
      year->setCurrentIndex(year->findData(QString::fromLatin1(c.Data)));
      QVERIFY2(Label(&tab, "lblTimingConventions")
                   ->text()
                   .contains(QStringLiteral("%1 days").arg(QString::fromLatin1(c.Data))),
               c.Data);
      const VimshottariDashas& d = tab.Timing()->Boy.Dashas;
      QCOMPARE(d.YearDays, c.Days);
      QVERIFY(std::abs(d.Mahadashas[0].To - d.Birth - d.BalanceYears * c.Days) < 1e-6);
      const std::optional<MatchTiming> document = tab.CurrentTiming();
      QVERIFY(document.has_value());
      QCOMPARE(QString::fromStdString(std::string(document->Conventions.YearText)),
               QString::fromLatin1(c.Data));
    }

    // Every control is named for a screen reader.
    for (const char* name : {"txtWeddingDate", "cboYearLength", "picTimeline", "treBoyDashas",
                             "treGirlDashas", "treSaturnTransits"}) {
      QVERIFY2(!Child<QWidget>(&tab, name)->accessibleName().isEmpty(), name);
    }
    QVERIFY(Child<QWidget>(&tab, "picTimeline")
                ->accessibleDescription()
                .contains(QStringLiteral("Arjun:")));
    // Once laid out, the multi-line texts get the room of all their lines.
    QTest::qWait(50);
    for (const char* name : {"lblTimingConventions", "lblRunningDashas"}) {
      QLabel* label = Label(&tab, name);
      const int lines = static_cast<int>(label->text().count(QLatin1Char('\n'))) + 1;
      QVERIFY2(label->height() >= lines * label->fontMetrics().lineSpacing(), name);
    }
    Screenshot(&tab, QStringLiteral("timing-tab"));
  }

  void TimelineIsDrawnAtTwiceTheScale() {
    ui::TimingTab tab;
    tab.SetPersons(QStringLiteral("Arjun"), DelhiMoment(), "", QStringLiteral("Bela"),
                   GreenwichMoment(), "", Ayanamsa::Standard);
    tab.resize(1000, 600);
    tab.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tab));
    auto* view = Child<ui::TimelineView>(&tab, "picTimeline");
    QVERIFY(view->Timeline().has_value());
    QCOMPARE(static_cast<int>(view->Timeline()->Rows.size()), 2);
    // Painted into an image of twice the pixels, the bars cover the same share of it as at
    // the plain scale: the picture is drawn, not scaled up.
    const auto coloured_share = [view](double ratio) {
      QImage image(view->size() * ratio, QImage::Format_ARGB32);
      image.setDevicePixelRatio(ratio);
      image.fill(Qt::white);
      QPainter painter(&image);
      view->render(&painter);
      painter.end();
      long coloured = 0;
      for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
          const QColor c = image.pixelColor(x, y);
          coloured += c != QColor(Qt::white) ? 1 : 0;
        }
      }
      return static_cast<double>(coloured) / (image.width() * image.height());
    };
    const double plain = coloured_share(1.0);
    const double doubled = coloured_share(2.0);
    QVERIFY2(plain > 0.2, qPrintable(QString::number(plain)));
    QVERIFY2(std::abs(plain - doubled) < 0.05,
             qPrintable(QStringLiteral("%1 against %2").arg(plain).arg(doubled)));
  }

  void FitsASmallScreen() {
    ui::TimingTab tab;
    tab.SetPersons(QStringLiteral("Arjun"), DelhiMoment(), "", QStringLiteral("Bela"),
                   GreenwichMoment(), "", Ayanamsa::Standard);
    QVERIFY(tab.minimumSizeHint().width() <= 1366);
    QVERIFY(tab.minimumSizeHint().height() <= 700);
    tab.ClearPersons();
    QVERIFY(!tab.Timing().has_value());
  }
};

QTEST_MAIN(TimingTabTest)
#include "timing_tab_test.moc"
