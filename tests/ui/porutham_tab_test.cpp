// SPDX-License-Identifier: MIT
// The "Porutham" tab of the Vedic result window, after Guna Milan: the ten rows as the
// core decides them, the count, vetoes and verdict, the Papasamyam table, and the
// Settings choice of the method the window opens on.
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "core/vedic/chart/charts_and_doshas.h"
#include "core/vedic/porutham/porutham_words.h"
#include "support/finders.h"
#include "support/stand_ins.h"
#include "ui/main_window.h"
#include "ui/shell/settings_dialog.h"
#include "ui/vedic/entry/birth_details_form.h"
#include "ui/vedic/result/result_window.h"
#include "ui/vedic/vedic_session.h"

using namespace lumora;
using namespace lumora::testing;

namespace {

QString Cell(QTableWidget* table, int row, int column) {
  return table->item(row, column) != nullptr ? table->item(row, column)->text() : QString();
}

}  // namespace

class PoruthamTabTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void init() {
    QSettings().clear();
    ui::StoreOpeningMethod(ui::OpeningMethod::AshtaKoota);
    stand_ins_ = std::make_unique<StandIns>();
    main_ = std::make_unique<ui::MainWindow>(stand_ins_->Services());
    main_->show();
    QTest::mouseClick(main_->findChild<QPushButton*>(QStringLiteral("Command2")), Qt::LeftButton);
    form_ = main_->Vedic().Form();
    QVERIFY(form_ && form_->isVisible());
  }
  void cleanup() {
    main_.reset();
    ui::StoreOpeningMethod(ui::OpeningMethod::AshtaKoota);
  }

  void TabFollowsGunaMilanWithTheCoresRows() {
    ui::ResultWindow* result = MatchTheCouple();
    auto* details = result->findChild<QTabWidget*>(QStringLiteral("TSD"));
    QCOMPARE(details->tabText(1), QStringLiteral("Guna Milan"));
    QCOMPARE(details->tabText(2), QStringLiteral("Porutham"));
    QVERIFY(details->currentIndex() != 2);  // Ashta-koota: the window opens as before
    details->setCurrentIndex(2);

    // Row by row what the core decides for the session's Moons.
    const MatchState& state = main_->Vedic().State();
    const MoonPair pair = MoonPairOf(state);
    const PoruthamMatch match = MatchPoruthams(pair);
    const auto rows = PoruthamRows(match, pair);
    auto* table = result->findChild<QTableWidget*>(QStringLiteral("tblPoruthams"));
    QVERIFY(table && table->isVisible());
    QCOMPARE(table->rowCount(), kPoruthamCount);
    for (int r = 0; r < kPoruthamCount; ++r) {
      const PoruthamRow& row = rows[static_cast<std::size_t>(r)];
      QCOMPARE(Cell(table, r, 0), QString::fromStdString(row.Name));
      QCOMPARE(Cell(table, r, 1), QString::fromStdString(row.Agrees));
      QCOMPARE(Cell(table, r, 2), QString::fromStdString(row.Decided));
      QCOMPARE(Cell(table, r, 3), QString::fromStdString(row.Meaning));
    }
    QCOMPARE(Label(result, "lblPoruthamCount")->text(),
             QString::fromStdString(PoruthamCountWords(match)));
    QCOMPARE(Label(result, "lblPoruthamVetoes")->text(),
             QString::fromStdString(PoruthamVetoWords(match)));
    QVERIFY(Label(result, "lblPoruthamVerdict")
                ->text()
                .endsWith(QString::fromUtf8(PoruthamVerdictWords(match.Verdict).data())));
    auto* papa = result->findChild<QTableWidget*>(QStringLiteral("tblPapasamyam"));
    QVERIFY(papa && papa->isVisible());
    // Four malefics and the totals; a column per person and reference.
    QCOMPARE(papa->rowCount(), 5);
    QCOMPARE(papa->columnCount(), 7);
    const char* planets[] = {"Mars", "Saturn", "Sun", "Rahu", "Total"};
    for (int r = 0; r < 5; ++r) {
      QCOMPARE(Cell(papa, r, 0), QString::fromUtf8(planets[r]));
    }
    QCOMPARE(Cell(papa, 0, 1), QStringLiteral("house 2: 1"));  // Mars in Gemini, Taurus rising
    // The totals under each person are those of the sentence below the table.
    const QString totals = Label(result, "lblPapasamyam")->text();
    QCOMPARE(totals, QStringLiteral("Boy %1, girl %2")
                         .arg(Cell(papa, 4, 1), Cell(papa, 4, 4))
                         .append(totals.mid(totals.indexOf(QLatin1Char(':')))));
    QVERIFY(Label(result, "lblPapasamyam")->text().startsWith(QStringLiteral("Boy ")));
    for (const char* name : {"tblPoruthams", "tblPapasamyam", "lblPoruthamCount",
                             "lblPoruthamVetoes", "lblPoruthamVerdict", "lblPapasamyam"}) {
      QVERIFY2(!result->findChild<QWidget*>(QLatin1String(name))->accessibleName().isEmpty(), name);
    }
    QVERIFY(result->frameGeometry().width() <= 1366);
    QVERIFY(result->frameGeometry().height() <= 768);
    QCoreApplication::processEvents();  // the page's layout settles on the tab it shows
    Screenshot(result, QStringLiteral("vedic_result_porutham"));
    // The page scrolls as a whole: its lower part.
    auto* scroll = result->findChild<QAbstractScrollArea*>(QStringLiteral("scrPorutham"));
    scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
    Screenshot(result, QStringLiteral("vedic_result_porutham_lower"));
  }

  void SettingsChooseTheOpeningMethod() {
    {
      ui::SettingsDialog dialog(MoonModel::Standard, KootaTables::Specified, {}, main_.get());
      auto* method = dialog.findChild<QComboBox*>(QStringLiteral("cboOpeningMethod"));
      QVERIFY(method != nullptr);
      QCOMPARE(method->currentIndex(), 0);
      QVERIFY(!method->accessibleName().isEmpty());
      method->setCurrentIndex(1);
      QCOMPARE(dialog.ChosenOpeningMethod(), ui::OpeningMethod::Porutham);
      Screenshot(&dialog, QStringLiteral("settings_opening_method"));
    }
    ui::StoreOpeningMethod(ui::OpeningMethod::Porutham);
    QCOMPARE(ui::StoredOpeningMethod(), ui::OpeningMethod::Porutham);
    ui::ResultWindow* result = MatchTheCouple();
    auto* details = result->findChild<QTabWidget*>(QStringLiteral("TSD"));
    QCOMPARE(details->currentWidget()->objectName(), QStringLiteral("fraPorutham"));
    // A new dialog starts from the remembered choice.
    ui::SettingsDialog again(MoonModel::Standard, KootaTables::Specified, {}, main_.get());
    QCOMPARE(again.findChild<QComboBox*>(QStringLiteral("cboOpeningMethod"))->currentIndex(), 1);
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

QTEST_MAIN(PoruthamTabTest)
#include "porutham_tab_test.moc"
