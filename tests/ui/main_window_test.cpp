// SPDX-License-Identifier: MIT
// The main window: placement rules, menus and buttons, the About box.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "support/stand_ins.h"
#include "ui/shell/main_window.h"
#include "ui/shell/window_placement.h"
#include "ui/vedic/entry/birth_details_form.h"
#include "ui/vedic/vedic_session.h"

using namespace lumora;
using namespace lumora::testing;

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    stand_ins_ = std::make_unique<StandIns>();
    window_ = std::make_unique<ui::MainWindow>(stand_ins_->Services());
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }
  void cleanup() { window_.reset(); }

  void CaptionHeadingAndButtons() {
    QCOMPARE(window_->windowTitle(), QStringLiteral("Lumora v2.05"));
    QCOMPARE(Find<QLabel>("lblHeading")->text(), QStringLiteral("Lumora"));
    QCOMPARE(Find<QPushButton>("Command1")->text(),
             QStringLiteral("Western Astrology  Compatibility"));
    QCOMPARE(Find<QPushButton>("Command2")->text(),
             QStringLiteral("Vedic Astrology Compatibility"));
    for (const char* name : {"cmdPrint", "cmdBack", "cmdExit"}) {
      QVERIFY2(Find<QPushButton>(name)->isVisible(), name);
    }
    Screenshot(window_.get(), QStringLiteral("main_window"));
  }

  void NarrowingMovesOnlyExit() {
    const int screen_width = window_->screen()->geometry().width();
    auto* exit = Find<QPushButton>("cmdExit");
    auto* heading = Find<QLabel>("lblHeading");
    auto* western = Find<QPushButton>("Command1");
    auto* vedic = Find<QPushButton>("Command2");
    const QPoint heading_at = heading->pos();
    const QPoint western_at = western->pos();
    const int exit_x = exit->x();
    window_->resize(window_->width() - 120, window_->height());
    QTRY_COMPARE(exit->x(), exit_x - 120);
    QCOMPARE(heading->pos(), heading_at);
    QCOMPARE(western->pos(), western_at);
    // Placed by the width of the screen, not of the window.
    QCOMPARE(exit->x(), window_->centralWidget()->width() - exit->width() - ui::Twips(300));
    QCOMPARE(heading->x(), (screen_width - heading->width()) / 2);
    QCOMPARE(vedic->x(), screen_width / 2);
    QCOMPARE(western->x() + western->width(), screen_width / 2 - ui::Twips(500));
    QCOMPARE(Find<QLabel>("picIcon_0")->x() + Find<QLabel>("picIcon_0")->width(), western->x());
    QCOMPARE(Find<QLabel>("picIcon_1")->x(), vedic->x() + vedic->width());
  }

  void HelpMenuOpensThePagesThroughTheBrowser() {
    window_->findChild<QAction*>(QStringLiteral("mnuOnline"))->trigger();
    window_->findChild<QAction*>(QStringLiteral("mnuVisit"))->trigger();
    QCOMPARE(stand_ins_->browser.opened.size(), std::size_t{2});
    const QUrl help = stand_ins_->browser.opened[0];
    QVERIFY(help.isLocalFile());
    QVERIFY(QFile::exists(help.toLocalFile()));
    QCOMPARE(stand_ins_->browser.opened[1].host(), QStringLiteral("lumora.example.com"));
  }

  void AboutBoxIsModalAndClosesWithOk() {
    bool checked = false;
    QTimer::singleShot(0, this, [&] {
      auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      QVERIFY(box != nullptr);
      QCOMPARE(box->objectName(), QStringLiteral("frmAbout"));
      QCOMPARE(box->windowTitle(), QStringLiteral("Lumora v2.05"));
      Screenshot(box, QStringLiteral("about_box"));
      // The licence and the credit that the place data's licence requires.
      const QString credits = box->findChild<QLabel*>(QStringLiteral("lblLicence"))->text();
      QVERIFY(credits.contains(QStringLiteral("MIT licence")));
      QVERIFY(credits.contains(QStringLiteral("Place data: GeoNames (geonames.org), CC BY 4.0")));
      auto* home = box->findChild<QLabel*>(QStringLiteral("lblHomePage"));
      emit home->linkActivated(home->text());
      QTest::mouseClick(box->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
      checked = true;
    });
    window_->findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();
    QVERIFY(checked);
    QCOMPARE(stand_ins_->browser.opened.size(), std::size_t{1});
  }

  void SettingsChooseThePreciseMoonAndRememberIt() {
    QCOMPARE(window_->Moon(), MoonModel::Standard);  // off unless chosen
    auto answer = [&](bool tick, const char* button) {
      bool seen = false;
      QTimer::singleShot(0, this, [&, tick, button] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        QCOMPARE(dialog->objectName(), QStringLiteral("frmSettings"));
        auto* box = dialog->findChild<QCheckBox*>(QStringLiteral("chkPreciseMoon"));
        QVERIFY(box != nullptr);
        QCOMPARE(box->accessibleName(), QStringLiteral("Precise Moon"));
        if (tick) {
          box->setFocus();
          QTest::keyClick(box, Qt::Key_Space);  // by keyboard
        }
        Screenshot(dialog, QStringLiteral("settings_dialog"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
        seen = true;
      });
      window_->findChild<QAction*>(QStringLiteral("mnuSettings"))->trigger();
      QVERIFY(seen);
    };
    answer(true, "cmdSettingsCancel");  // cancelled: nothing changes
    QCOMPARE(window_->Moon(), MoonModel::Standard);
    answer(true, "cmdSettingsOK");
    QCOMPARE(window_->Moon(), MoonModel::Precise);

    // The next start of the program finds the choice again.
    window_.reset();
    window_ = std::make_unique<ui::MainWindow>(stand_ins_->Services());
    QCOMPARE(window_->Moon(), MoonModel::Precise);
    answer(true, "cmdSettingsOK");  // ticking again turns it off
    QCOMPARE(window_->Moon(), MoonModel::Standard);
  }

  void VedicButtonShowsTheBirthForm() {
    QTest::mouseClick(Find<QPushButton>("Command2"), Qt::LeftButton);
    auto* form = window_->Vedic().Form();
    QVERIFY(form != nullptr);
    QVERIFY(form->isVisible());
    QCOMPARE(form->windowTitle(), QStringLiteral("Lumo Tarvik"));
    // Opening the Western test hides it; the Vedic button shows it again as it was.
    form->findChild<QLineEdit*>(QStringLiteral("txtMName"))->setText(QStringLiteral("Ravi"));
    QTest::mouseClick(Find<QPushButton>("Command1"), Qt::LeftButton);
    QVERIFY(!form->isVisible());
    QTest::mouseClick(Find<QPushButton>("Command2"), Qt::LeftButton);
    QVERIFY(form->isVisible());
    QCOMPARE(form->findChild<QLineEdit*>(QStringLiteral("txtMName"))->text(),
             QStringLiteral("Ravi"));
  }

  void ExitClosesEveryWindow() {
    QTest::mouseClick(Find<QPushButton>("Command2"), Qt::LeftButton);
    QPointer<QWidget> form = window_->Vedic().Form();
    QVERIFY(form);
    QTest::mouseClick(Find<QPushButton>("cmdExit"), Qt::LeftButton);
    QVERIFY(!window_->isVisible());
    QVERIFY(!form);
  }

 private:
  template <typename T>
  T* Find(const char* name) {
    T* widget = window_->findChild<T*>(QString::fromLatin1(name));
    if (widget == nullptr) {
      qFatal("no control %s", name);
    }
    return widget;
  }

  std::unique_ptr<StandIns> stand_ins_;
  std::unique_ptr<ui::MainWindow> window_;
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
