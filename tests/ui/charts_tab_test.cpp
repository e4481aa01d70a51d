// SPDX-License-Identifier: MIT
// The "Charts And Doshas" tab of the Vedic result window, its chart pictures in both
// styles, the remembered style, the score range control, paging and the exports.
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>

#include "core/vedic/entry/profile.h"
#include "documents/chart_picture.h"
#include "support/finders.h"
#include "support/stand_ins.h"
#include "ui/main_window.h"
#include "ui/vedic/entry/birth_details_form.h"
#include "ui/vedic/result/chart_view.h"
#include "ui/vedic/result/report_window.h"
#include "ui/vedic/result/result_window.h"
#include "ui/vedic/vedic_session.h"

using namespace lumora;
using namespace lumora::testing;

namespace {

// The couple of TypeDelhiLondonCouple: the boy of 15 August 1947, 00:00 at New Delhi:
// Taurus rising, Mars in Gemini in the 2nd (Manglik, excused by its sign); the girl of
// 1 January 2000, 12:00 at Greenwich.
struct Entry {
  const char* name;
  const char* value;
};

constexpr int kChartsTab = 5;
constexpr int kTimingTab = 6;
constexpr int kAboutTab = 7;

}  // namespace

class ChartsTabTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void init() {
    // The stand-ins first: they move the settings to this test's own folder, so the
    // clearing never reaches a person's settings.
    stand_ins_ = std::make_unique<StandIns>();
    QSettings().clear();
    main_ = std::make_unique<ui::MainWindow>(stand_ins_->Services());
    main_->show();
    QTest::mouseClick(main_->findChild<QPushButton*>(QStringLiteral("Command2")), Qt::LeftButton);
    form_ = main_->Vedic().Form();
    QVERIFY(form_ && form_->isVisible());
  }
  void cleanup() { main_.reset(); }

  void TabSitsBeforeAboutAndPages() {
    ui::ResultWindow* result = MatchTheCouple();
    auto* all = result->findChild<QTabWidget*>(QStringLiteral("TSAll"));
    QCOMPARE(all->tabText(kChartsTab), QStringLiteral("Charts And Doshas"));
    QCOMPARE(all->tabText(kTimingTab), QStringLiteral("Timing"));
    QCOMPARE(all->tabText(kAboutTab), QStringLiteral("About Software"));
    all->setCurrentIndex(kChartsTab);
    Click(result, "cmdChartsBack");
    QCOMPARE(all->currentIndex(), kChartsTab - 1);
    all->setCurrentIndex(kChartsTab);
    Click(result, "cmdChartsNext");
    QCOMPARE(all->currentIndex(), kTimingTab);
    // The girl's last nakshatra page leads on to the tab strip's next tab by the tabs.
    QVERIFY(result->frameGeometry().width() <= 1366);
    QVERIFY(result->frameGeometry().height() <= 768);
  }

  void ShowsChartsManglikDoshasAndWindows() {
    ui::ResultWindow* result = MatchTheCouple();
    auto* all = result->findChild<QTabWidget*>(QStringLiteral("TSAll"));
    all->setCurrentIndex(kChartsTab);
    auto* boy_chart = result->findChild<ui::ChartView*>(QStringLiteral("picMChart"));
    auto* girl_chart = result->findChild<ui::ChartView*>(QStringLiteral("picFChart"));
    QVERIFY(boy_chart && girl_chart && boy_chart->HasChart() && girl_chart->HasChart());
    QVERIFY(boy_chart->isVisible() && girl_chart->isVisible());
    QVERIFY(!Label(result, "lblChartsNeedBirthDetails")->isVisible());

    const Entry expected[] = {
        {"lblMChartTitle", "Boy's Chart: Arjun"},
        {"lblMManglikLagna", "House 2: dosha"},
        {"lblMManglikMoon", "House 12: dosha"},
        {"lblMManglikVenus", "House 12: dosha"},
        {"lblMManglik",
         "Yes, with exceptions: Mars sits in a sign that excuses its house from the Lagna"},
        {"lblMManglikExceptions", "Mars sits in a sign that excuses its house from the Lagna"},
        {"lblFManglikLagna", "House 11: no dosha"},
        {"lblFManglik", "No"},
        {"lblManglikMatch", "Only the boy is Manglik"},
        {"lblDoshaNadi", "Nadi dosha: not present"},
        {"lblDoshaBhakoot", "Bhakoot dosha: not present"},
        {"lblDoshaGana", "Gana dosha: not present"},
        {"lblMWindowNakshatra", "Moon in Pushya from 1947-08-14 22:57:56 to 20:07:50"},
        {"lblMWindowPada", "Moon in Pushya pada 1 from 1947-08-14 22:57:56 to 04:15:55"},
        {"lblMWindowLagna", "Lagna in Taurus from 1947-08-14 23:32:40 to 01:27:25"},
        {"lblFWindowLagna", "Lagna in Aries from 11:59:13 to 13:02:56"},
        {"lblScoreRange",
         "Within 30 minutes either side of the birth times the total stays at 18 points; no "
         "koota changes."},
    };
    for (const Entry& e : expected) {
      QCOMPARE(Label(result, e.name)->text(), QString::fromUtf8(e.value));
    }
    // The interpretation names the doshas present.
    const QString report = result->findChild<QTextBrowser*>(QStringLiteral("RTB"))->toPlainText();
    QVERIFY(report.contains(QStringLiteral("No Nadi, Bhakoot or Gana dosha is present.")));

    // A wider uncertainty is scored afresh: the girl's Lagna is no part of the total, and
    // her Moon stays in Swati, so the total holds.
    auto* uncertainty = result->findChild<QComboBox*>(QStringLiteral("cboUncertainty"));
    QCOMPARE(result->Uncertainty(), 30);
    uncertainty->setCurrentIndex(uncertainty->findData(60));
    QCOMPARE(result->Uncertainty(), 60);
    QVERIFY(Label(result, "lblScoreRange")->text().startsWith(QStringLiteral("Within 60 minutes")));
    // Beside each rasi chart: the Navamsa and the planet table, every point in a row.
    for (const char* side : {"M", "F"}) {
      auto* navamsa = result->findChild<ui::ChartView*>(
          QStringLiteral("pic%1Navamsa").arg(QLatin1String(side)));
      QVERIFY(navamsa && navamsa->HasChart() && navamsa->isVisible());
      auto* table =
          result->findChild<QTableWidget*>(QStringLiteral("tbl%1Planets").arg(QLatin1String(side)));
      QVERIFY(table && table->isVisible());
      QCOMPARE(table->rowCount(), 10);
      QCOMPARE(table->item(0, 0)->text(), QStringLiteral("Lagna"));
      QCOMPARE(table->item(9, 0)->text(), QStringLiteral("Ketu"));
      // The whole table shows without scrolling.
      QVERIFY(table->viewport()->height() >= table->rowHeight(0) * table->rowCount());
    }
    // Each chart is given the height its width needs (the page scrolls; no chart is cut),
    // at the small size of the test window as at any other.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    for (const char* name : {"picMChart", "picMNavamsa", "picFChart", "picFNavamsa"}) {
      auto* view = result->findChild<ui::ChartView*>(QString::fromLatin1(name));
      QVERIFY2(view->height() >= view->heightForWidth(view->width()),
               qPrintable(QStringLiteral("%1: %2 x %3")
                              .arg(QLatin1String(name))
                              .arg(view->width())
                              .arg(view->height())));
    }
    // The Moon's row agrees with the birth-time window: Pushya.
    auto* boy_table = result->findChild<QTableWidget*>(QStringLiteral("tblMPlanets"));
    QCOMPARE(boy_table->item(2, 3)->text(), QStringLiteral("Pushya"));
    QCOMPARE(boy_table->item(1, 0)->text(), QStringLiteral("Sun"));
    QVERIFY(Label(result, "lblMChartZodiac")
                ->text()
                .startsWith(QStringLiteral("Ayanamsa: Standard, ")));
    for (const char* name : {"cboUncertainty", "cboChartStyle", "picMChart", "picFNavamsa",
                             "tblMPlanets", "lblScoreRange"}) {
      QWidget* widget = result->findChild<QWidget*>(QString::fromLatin1(name));
      QVERIFY2(!widget->accessibleName().isEmpty(), name);
    }
    Screenshot(result, QStringLiteral("charts_tab_north"));
  }

  // Both styles draw; the choice is remembered for the next result window.
  void StyleIsRememberedBetweenMatches() {
    ui::ResultWindow* result = MatchTheCouple();
    result->findChild<QTabWidget*>(QStringLiteral("TSAll"))->setCurrentIndex(kChartsTab);
    auto* style = result->findChild<QComboBox*>(QStringLiteral("cboChartStyle"));
    QCOMPARE(style->currentText(), QStringLiteral("North Indian"));
    style->setCurrentIndex(1);
    for (const char* name : {"picMChart", "picFChart", "picMNavamsa", "picFNavamsa"}) {
      QCOMPARE(result->findChild<ui::ChartView*>(QString::fromLatin1(name))->Style(),
               documents::ChartStyle::SouthIndian);
    }
    Screenshot(result, QStringLiteral("charts_tab_south"));
    Click(result, "cmdBack");
    Click(form_, "cmdCalculate");
    result = main_->Vedic().Result();
    QCOMPARE(result->findChild<QComboBox*>(QStringLiteral("cboChartStyle"))->currentText(),
             QStringLiteral("South Indian"));
    QCOMPARE(result->findChild<ui::ChartView*>(QStringLiteral("picMChart"))->Style(),
             documents::ChartStyle::SouthIndian);
  }

  void ExportsCarryTheSection() {
    ui::ResultWindow* result = MatchTheCouple();
    auto* all = result->findChild<QTabWidget*>(QStringLiteral("TSAll"));
    all->setCurrentIndex(0);
    Click(result, "cmdSave");
    // The report window shows the match document, as it prints and saves.
    QString text = main_->Vedic().Report()->Box()->toPlainText();
    const auto nadi = text.indexOf(QStringLiteral("\nNadi Kuta\n"));
    const auto section = text.indexOf(QStringLiteral("\nCharts And Doshas\n"));
    const auto closing = text.indexOf(QStringLiteral("About Lumo Free Tarvik"));
    QVERIFY2(nadi > 0 && section > nadi && closing > section, qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Manglik match\nOnly the boy is Manglik")));
    main_->Vedic().Report()->close();

    all->setCurrentIndex(kChartsTab);
    Click(result, "cmdSave");
    text = main_->Vedic().Report()->Box()->toPlainText();
    // Each person's planet table follows the zodiac and node of the chart.
    QVERIFY2(text.startsWith(QStringLiteral("Kundali Match: Arjun and Bela\nCharts And Doshas\n")),
             qPrintable(text.left(80)));
    QVERIFY2(text.contains(QStringLiteral("Ayanamsa: Standard, 23\u00B0")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("\nNode: Mean\n")));
    QVERIFY(text.contains(QStringLiteral("Moon in Pushya pada 1 from")));
    QVERIFY2(text.endsWith(QStringLiteral("Report Generated By Lumora v2.05")),
             qPrintable(text.right(80)));
    Screenshot(main_->Vedic().Report(), QStringLiteral("charts_report"));
    main_->Vedic().Report()->close();

    all->setCurrentIndex(kAboutTab);
    Click(result, "cmdSave");
    QVERIFY(!main_->Vedic().Report()->isVisible());
  }

  // The Timing tab computes both persons' periods when it is opened; its report and the
  // match report carry the timing section, and a match from a profile has none.
  void TimingTabShowsThePeriodsAndGoesIntoTheReports() {
    ui::ResultWindow* result = MatchTheCouple();
    auto* all = result->findChild<QTabWidget*>(QStringLiteral("TSAll"));
    all->setCurrentIndex(kTimingTab);
    auto* boy = result->findChild<QTreeWidget*>(QStringLiteral("treBoyDashas"));
    QVERIFY(boy && boy->isVisible());
    QCOMPARE(boy->topLevelItemCount(), 9);
    QVERIFY(boy->accessibleName().contains(QStringLiteral("Arjun")));
    QVERIFY(Label(result, "lblRunningDashas")->text().contains(QStringLiteral("Bela: ")));
    QTest::qWait(50);  // the texts' new sizes are laid out by the event loop
    Screenshot(result, QStringLiteral("timing_tab"));
    Click(result, "cmdSave");
    QString text = main_->Vedic().Report()->Box()->toPlainText();
    QVERIFY2(text.startsWith(QStringLiteral(
                 "Kundali Match: Arjun and Bela\nTiming: Vimshottari Dashas And Sade Sati")),
             qPrintable(text.left(80)));
    QVERIFY(text.contains(QStringLiteral("Arjun's mahadashas: Moon in Pushya")));
    QVERIFY(text.contains(QStringLiteral("Dasha Sandhi")));
    main_->Vedic().Report()->close();
    all->setCurrentIndex(0);
    Click(result, "cmdSave");
    text = main_->Vedic().Report()->Box()->toPlainText();
    QVERIFY(text.contains(QStringLiteral("Timing: Vimshottari Dashas And Sade Sati")));
    main_->Vedic().Report()->close();
  }

  void ProfileShowsDoshasOnly() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pair.kun"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        QByteArray::fromStdString(WriteProfile({"Aries", "Gemini", "Bharani", "Shatabhisha"})));
    file.close();
    stand_ins_->files.next_open = path;
    Click(form_, "cmdOpen");
    ui::ResultWindow* result = main_->Vedic().Result();
    QVERIFY(result && result->isVisible());
    result->findChild<QTabWidget*>(QStringLiteral("TSAll"))->setCurrentIndex(kChartsTab);
    QVERIFY(Label(result, "lblChartsNeedBirthDetails")->isVisible());
    QVERIFY(!result->findChild<ui::ChartView*>(QStringLiteral("picMChart"))->isVisible());
    QVERIFY(!result->findChild<QWidget*>(QStringLiteral("fraManglik"))->isVisible());
    QCOMPARE(Label(result, "lblDoshaGana")->text(), QStringLiteral("Gana dosha: present"));
    QCOMPARE(Label(result, "lblDoshaNadi")->text(), QStringLiteral("Nadi dosha: not present"));
    result->findChild<QTabWidget*>(QStringLiteral("TSAll"))->setCurrentIndex(kTimingTab);
    QVERIFY(Label(result, "lblTimingUnavailable")->isVisible());
    const QString report = result->findChild<QTextBrowser*>(QStringLiteral("RTB"))->toPlainText();
    QVERIFY(report.contains(QStringLiteral("Doshas present: Gana.")));
    Screenshot(result, QStringLiteral("charts_tab_profile"));
  }

  // The pictures themselves, drawn offscreen as a PDF page would be: a body near a sign
  // edge is marked in the marking colour, and only then.
  void PicturesMarkUncertainBodies() {
    SiderealChart chart;
    chart.Lagna = 95.0;
    for (int g = 0; g < kGrahaCount; ++g) {
      chart.Planets[static_cast<std::size_t>(g)] = 10.0 + 33.0 * g;
    }
    SiderealChart edge = chart;
    edge.Planets[static_cast<int>(Graha::Mars)] = 59.7;  // 0.3 degree before Gemini
    for (auto style : {documents::ChartStyle::NorthIndian, documents::ChartStyle::SouthIndian}) {
      auto orange_pixels = [style](const SiderealChart& c, qreal scale) {
        QImage image(QSize(320, 346) * scale, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.scale(scale, scale);
        documents::PaintRasiChart(painter, QRectF(0, 0, 320, 346), c, style, QStringLiteral("A"));
        painter.end();
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
          for (int x = 0; x < image.width(); ++x) {
            const QColor p = image.pixelColor(x, y);
            count += (p.red() > 150 && p.green() > 40 && p.green() < 120 && p.blue() < 40) ? 1 : 0;
          }
        }
        if (!qEnvironmentVariableIsEmpty("LUMORA_SCREENSHOTS")) {
          image.save(
              qEnvironmentVariable("LUMORA_SCREENSHOTS") +
              QStringLiteral("/chart_%1_x%2.png").arg(documents::ChartStyleKey(style)).arg(scale));
        }
        return count;
      };
      QCOMPARE(orange_pixels(chart, 1.0), 0);
      QVERIFY(orange_pixels(edge, 1.0) > 20);
      QVERIFY(orange_pixels(edge, 2.0) > 80);
    }
  }

 private:
  ui::ResultWindow* MatchTheCouple() {
    TypeDelhiLondonCouple(form_);
    Click(form_, "cmdCalculate");
    ui::ResultWindow* result = main_->Vedic().Result();
    if (result == nullptr) {
      qFatal("no result: %s", qPrintable(stand_ins_->messages.Last()));
    }
    return result;
  }

  std::unique_ptr<StandIns> stand_ins_;
  std::unique_ptr<ui::MainWindow> main_;
  ui::BirthDetailsForm* form_ = nullptr;
};

QTEST_MAIN(ChartsTabTest)
#include "charts_tab_test.moc"
