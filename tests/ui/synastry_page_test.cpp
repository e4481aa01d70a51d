// SPDX-License-Identifier: MIT
// The Synastry page of the Western report: a constructed pair of charts shown in the
// aspect grid, the bi-wheel, the overlays and the relationship charts; reached and read by
// keyboard; within a 1366x768 screen; and a whole run through the main window.
#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "core/ephemeris/geometry.h"
#include "core/western/synastry/arcs.h"
#include "core/western/synastry/synastry.h"
#include "core/western/synastry/synastry_document.h"
#include "documents/bi_wheel_picture.h"
#include "support/finders.h"
#include "support/stand_ins.h"
#include "ui/main_window.h"
#include "ui/shell/window_placement.h"
#include "ui/western/synastry_page.h"
#include "ui/western/western_input_form.h"
#include "ui/western/western_report_window.h"
#include "ui/western/western_session.h"

using namespace lumora;
using namespace lumora::testing;

namespace {

using P = ChartPoint;

// A's points every 25 degrees from 3, B's every 31 from 10, with speeds that make some
// aspects applying; both charts cast at ARMC 100 degrees, 40 N and 20 S.
SynastryReading ConstructedReading() {
  NatalChart a;
  NatalChart b;
  a.JulianDayUt = 2447892.5;  // 1990-01-01 00:00 UT
  b.JulianDayUt = 2448988.0;  // 1992-12-31 12:00 UT
  a.Latitude = 40.0;
  a.EastLongitude = 170.0;
  b.Latitude = -20.0;
  b.EastLongitude = -170.0;
  a.Armc = 100.0;
  b.Armc = 100.0;
  a.Obliquity = 23.44;
  b.Obliquity = 23.44;
  for (int i = 0; i < kSynastryPointCount; ++i) {
    a.Points[i] = {NormalizedDegrees(3.0 + 25.0 * i), 0.5 + 0.1 * i};
    b.Points[i] = {NormalizedDegrees(10.0 + 31.0 * i), 0.2};
  }
  const ChartCaster cast = [](double jd, double latitude, double east) {
    NatalChart chart;
    chart.JulianDayUt = jd;
    chart.Latitude = latitude;
    chart.EastLongitude = east;
    for (int i = 0; i < kSynastryPointCount; ++i) {
      chart.Points[i].Longitude = 15.0 * i;
    }
    return chart;
  };
  return CalculateSynastry(a, b, {}, cast);
}

WesternTestResult ConstructedResult() {
  WesternTestResult result;
  result.Report.mName = " Arun ";
  result.Report.fName = "Mira";
  return result;
}

}  // namespace

class SynastryPageTest : public QObject {
  Q_OBJECT

 private slots:
  void ShowsTheConstructedReading() {
    ui::WesternReportWindow report;
    const SynastryReading reading = ConstructedReading();
    report.Fill(ConstructedResult());
    report.FillSynastry(reading, ConstructedResult());
    report.show();
    QVERIFY(QTest::qWaitForWindowExposed(&report));

    auto* pages = Child<QTabWidget>(&report, "tabReport");
    QCOMPARE(pages->count(), 2);
    QCOMPARE(pages->tabText(1), QStringLiteral("&Synastry"));
    // Alt+S opens the page from the keyboard.
    QTest::keyClick(&report, Qt::Key_S, Qt::AltModifier);
    QCOMPARE(pages->currentIndex(), 1);

    auto* grid = Child<QTableWidget>(&report, "grdAspects");
    QCOMPARE(grid->rowCount(), kSynastryPointCount);
    QCOMPARE(grid->columnCount(), kSynastryPointCount);
    QVERIFY(!reading.Aspects.empty());
    int filled = 0;
    for (int r = 0; r < kSynastryPointCount; ++r) {
      for (int c = 0; c < kSynastryPointCount; ++c) {
        filled += grid->item(r, c)->text().isEmpty() ? 0 : 1;
      }
    }
    QCOMPARE(filled, static_cast<int>(reading.Aspects.size()));
    for (const SynastryAspect& aspect : reading.Aspects) {
      QTableWidgetItem* item = grid->item(static_cast<int>(SynastrySlot(aspect.A)),
                                          static_cast<int>(SynastrySlot(aspect.B)));
      QVERIFY(item->text().startsWith(
          QString::fromLatin1(AspectAbbreviation(aspect.Kind).data(),
                              static_cast<int>(AspectAbbreviation(aspect.Kind).size()))));
      const QString words = item->data(Qt::AccessibleTextRole).toString();
      QVERIFY2(words.contains(QString::fromStdString(AspectWords(aspect))), qPrintable(words));
      QVERIFY(words.startsWith(QString::fromLatin1(
          ChartPointName(aspect.A).data(), static_cast<int>(ChartPointName(aspect.A).size()))));
      // Aspects to the angles name no motion; the others say which.
      QCOMPARE(words.contains(QStringLiteral("applying")) ||
                   words.contains(QStringLiteral("separating")),
               aspect.Applying.has_value());
    }
    // A's Sun (3) and B's Sun (10): a conjunction with 7 degrees of orb, B ahead, A faster.
    QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("Cnj 7\u00B000\u2032 A"));

    auto* points = Child<QTableWidget>(&report, "grdOverlays");
    for (int i = 0; i < kSynastryPointCount; ++i) {
      QCOMPARE(points->item(i, 0)->text(), QString::number(reading.AInB[i]));
      QCOMPARE(points->item(i, 1)->text(), QString::number(reading.BInA[i]));
      QCOMPARE(points->item(i, 2)->text(),
               QString::fromStdString(LongitudeText(reading.Composite[i])));
    }
    // Davison across the date line: 170 E and 170 W meet at 180.
    QVERIFY2(Label(&report, "lblDavison")->text().contains(QStringLiteral("10\u00B000\u2032 N")),
             qPrintable(Label(&report, "lblDavison")->text()));
    QVERIFY(Label(&report, "lblDavison")->text().contains(QStringLiteral("180\u00B000\u2032 E")));
    QVERIFY(Label(&report, "lblDavison")->text().contains(QStringLiteral("1991-07-02 18:00:00")));

    auto* wheel = Child<ui::BiWheelWidget>(&report, "picBiWheel");
    QVERIFY(wheel->accessibleDescription().contains(QStringLiteral("Arun (inside)")));
    QCOMPARE(wheel->Wheel().Aspects.size(), reading.Aspects.size());

    // Keyboard: the grid takes focus and arrows walk its cells.
    grid->setFocus();
    grid->setCurrentCell(0, 0);
    QTest::keyClick(grid, Qt::Key_Right);
    QCOMPARE(grid->currentColumn(), 1);
    for (QWidget* control : report.findChildren<QWidget*>()) {
      if (control->focusPolicy() != Qt::NoFocus && control->isVisibleTo(&report) &&
          !control->objectName().isEmpty()) {
        QVERIFY2(!control->accessibleName().isEmpty() || qobject_cast<QTabBar*>(control),
                 qPrintable(control->objectName()));
      }
    }

    // With its title bar and frame the window fits a 1366x768 screen, and the page needs
    // no sideways scrolling at the report's own width.
    const QSize least = report.minimumSizeHint();
    QVERIFY(least.width() <= 1366 && least.height() + ui::kWindowFrameAllowance <= 768);
    report.resize(report.minimumWidth(), 768 - ui::kWindowFrameAllowance);
    QApplication::processEvents();
    auto* scroll = Child<QScrollArea>(&report, "scrSynastry");
    QCOMPARE(scroll->horizontalScrollBar()->maximum(), 0);
    // The pictures show the page as it opens, no cell picked.
    grid->setCurrentItem(nullptr);
    grid->clearSelection();
    Screenshot(&report, QStringLiteral("western_synastry"));
    scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
    QApplication::processEvents();
    Screenshot(&report, QStringLiteral("western_synastry_lower"));
  }

  void TheWheelIsDrawnInVectors() {
    // The same wheel painted at twice the size has twice the detail: ink at a place the
    // 1x picture could only smear, and no rows of pixels doubled.
    DocumentBiWheel wheel = MakeBiWheel(ConstructedReading(), "A", "B");
    QImage one(300, 300, QImage::Format_ARGB32);
    QImage two(600, 600, QImage::Format_ARGB32);
    for (QImage* image : {&one, &two}) {
      image->fill(Qt::white);
      QPainter painter(image);
      if (image == &two) {
        painter.scale(2.0, 2.0);
      }
      documents::PaintBiWheel(painter, QRectF(0, 0, 300, 300), wheel);
    }
    int differing_rows = 0;
    for (int y = 0; y + 1 < two.height(); y += 2) {
      for (int x = 0; x < two.width(); ++x) {
        if (two.pixel(x, y) != two.pixel(x, y + 1)) {
          ++differing_rows;
          break;
        }
      }
    }
    // Far more than half the doubled rows differ from their twin.
    QVERIFY2(differing_rows > two.height() / 4, qPrintable(QString::number(differing_rows)));
    // Every aspect's colour shows in the picture.
    for (const SynastryAspect& aspect : wheel.Aspects) {
      const QColor ink = documents::AspectQColor(aspect.Kind);
      bool seen = false;
      for (int y = 0; y < two.height() && !seen; ++y) {
        for (int x = 0; x < two.width() && !seen; ++x) {
          seen = QColor(two.pixel(x, y)) == ink;
        }
      }
      QVERIFY2(seen, AspectName(aspect.Kind).data());
    }
  }

  void AWholeRunFillsThePage() {
    StandIns stand_ins;
    ui::MainWindow main(stand_ins.Services());
    main.show();
    QTest::mouseClick(main.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    auto* form = main.Western().Form();
    QVERIFY(form != nullptr);
    const struct {
      const char* name;
      const char* text;
    } edits[] = {{"txtMName", "Arun"},  {"txtMCity", "London"}, {"txtMState", "England"},
                 {"txtMCountry", "UK"}, {"txtMLD", "51"},       {"txtMLM", "30"},
                 {"txtMLoD", "0"},      {"txtMLoM", "7"},       {"txtFName", "Mira"},
                 {"txtFCity", "Delhi"}, {"txtFState", "Delhi"}, {"txtFCountry", "India"},
                 {"txtFLD", "28"},      {"txtFLM", "36"},       {"txtFLoD", "77"},
                 {"txtFLoM", "12"}};
    for (const auto& e : edits) {
      Edit(form, e.name)->setText(QString::fromLatin1(e.text));
    }
    QTest::mouseClick(Child<QPushButton>(form, "cmdCalculate"), Qt::LeftButton);
    QVERIFY2(stand_ins.messages.shown.empty(), qPrintable(stand_ins.messages.Last()));
    auto* report = qobject_cast<ui::WesternReportWindow*>(main.Western().ReportWindow());
    QVERIFY(report != nullptr && report->isVisible());
    report->Pages()->setCurrentIndex(1);
    auto* points = Child<QTableWidget>(report, "grdOverlays");
    for (int i = 0; i < kSynastryPointCount; ++i) {
      const int house = points->item(i, 0)->text().toInt();
      QVERIFY2(house >= 1 && house <= 12, qPrintable(points->item(i, 0)->text()));
    }
    QVERIFY(!Label(report, "lblDavison")->text().isEmpty());
    QVERIFY(report->frameGeometry().width() <= 1366 && report->frameGeometry().height() <= 768);
    QCOMPARE(Child<QScrollArea>(report, "scrSynastry")->horizontalScrollBar()->maximum(), 0);
    Screenshot(report, QStringLiteral("western_synastry_run"));
  }
};

QTEST_MAIN(SynastryPageTest)
#include "synastry_page_test.moc"
