// SPDX-License-Identifier: MIT
// The main window: placement rules, menus and buttons, the About box.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <string>
#include <vector>

#include "support/stand_ins.h"
#include "ui/main_window.h"
#include "ui/shell/child_window.h"
#include "ui/shell/start_arguments.h"
#include "ui/shell/window_placement.h"
#include "ui/vedic/entry/birth_details_form.h"
#include "ui/vedic/entry/time_zone_picker.h"
#include "ui/vedic/result/result_window.h"
#include "ui/vedic/vedic_session.h"
#include "ui/western/western_report_window.h"
#include "ui/western/western_session.h"

using namespace lumora;
using namespace lumora::testing;

namespace {

// The test windows that open without a computation first.
enum class Opened { VedicForm, WesternForm, Picker, WesternReport };

}  // namespace

Q_DECLARE_METATYPE(Opened)

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

  // What the command line asks for: a file to open, help, the version, or a refusal.
  void StartArgumentsAreRead() {
    using Kind = ui::StartRequest::Kind;
    const struct {
      std::vector<std::string> arguments;
      Kind what;
      const char* file;
    } cases[] = {
        {{}, Kind::Run, ""},
        {{"Ravi and Asha.lumora"}, Kind::Run, "Ravi and Asha.lumora"},
        {{"--", "-odd name.kun"}, Kind::Run, "-odd name.kun"},
        {{"--help"}, Kind::Help, ""},
        {{"x.kun", "-h"}, Kind::Help, ""},
        {{"--version"}, Kind::Version, ""},
        {{"-v", "--help"}, Kind::Help, ""},
        {{"--colour"}, Kind::Refused, ""},
        {{"a.kun", "b.kun"}, Kind::Refused, ""},
    };
    for (const auto& c : cases) {
      const ui::StartRequest request = ui::ReadStartArguments(c.arguments);
      QVERIFY(request.What == c.what);
      QCOMPARE(request.File, std::string(c.file));
      QCOMPARE(request.Problem.empty(), c.what != Kind::Refused);
    }
    QVERIFY(ui::StartUsage().find("[FILE]") != std::string::npos);
  }

  // A file handed over on the command line opens in the Vedic test: a couple file fills
  // the form and is matched.
  void OpenFileOpensACoupleFile() {
    window_->OpenFile(QStringLiteral(LUMORA_CLI_FIXTURES "/zoned_couple.lumora"));
    QVERIFY(window_->Vedic().Result() != nullptr);
    QVERIFY(window_->Vedic().Result()->isVisible());
    QVERIFY(stand_ins_->messages.shown.empty());
  }

  void CaptionHeadingAndButtons() {
    QCOMPARE(window_->windowTitle(), QStringLiteral("Lumora v2.05"));
    QCOMPARE(Find<QLabel>("lblHeading")->text(), QStringLiteral("Lumora"));
    // Alt+W and Alt+V open the tests.
    QCOMPARE(Find<QPushButton>("Command1")->text(),
             QStringLiteral("&Western Astrology  Compatibility"));
    QCOMPARE(Find<QPushButton>("Command2")->text(),
             QStringLiteral("&Vedic Astrology Compatibility"));
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

  // The program's only pages are its bundled help: no menu leads anywhere else.
  void HelpMenuOpensTheBundledHelp() {
    QVERIFY(window_->findChild<QAction*>(QStringLiteral("mnuVisit")) == nullptr);
    window_->findChild<QAction*>(QStringLiteral("mnuOnline"))->trigger();
    QCOMPARE(stand_ins_->browser.opened.size(), std::size_t{1});
    const QUrl help = stand_ins_->browser.opened[0];
    QVERIFY(help.isLocalFile());
    QVERIFY(QFile::exists(help.toLocalFile()));
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
      auto* help = box->findChild<QLabel*>(QStringLiteral("lblHelpPage"));
      emit help->linkActivated(QStringLiteral("help"));
      QTest::mouseClick(box->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
      checked = true;
    });
    window_->findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();
    QVERIFY(checked);
    QCOMPARE(stand_ins_->browser.opened.size(), std::size_t{1});
    QVERIFY(stand_ins_->browser.opened[0].isLocalFile());  // the bundled help
  }

  void SettingsChooseThePreciseEphemerisAyanamsaAndNodeAndRememberThem() {
    QCOMPARE(window_->Moon(), MoonModel::Standard);  // off unless chosen
    QCOMPARE(window_->Vedic().Options(), ChartOptions{});
    auto answer = [&](bool tick, int ayanamsa, int node, const char* button) {
      bool seen = false;
      QTimer::singleShot(0, this, [&, tick, ayanamsa, node, button] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        QCOMPARE(dialog->objectName(), QStringLiteral("frmSettings"));
        auto* box = dialog->findChild<QCheckBox*>(QStringLiteral("chkPreciseEphemeris"));
        QVERIFY(box != nullptr);
        QCOMPARE(box->accessibleName(), QStringLiteral("Precise ephemeris"));
        if (tick) {
          box->setFocus();
          QTest::keyClick(box, Qt::Key_Space);  // by keyboard
        }
        auto* ayanamsas = dialog->findChild<QComboBox*>(QStringLiteral("cboAyanamsa"));
        auto* nodes = dialog->findChild<QComboBox*>(QStringLiteral("cboNode"));
        QVERIFY(ayanamsas != nullptr && nodes != nullptr);
        QCOMPARE(ayanamsas->count(), static_cast<int>(kAyanamsas.size()));
        QVERIFY(!ayanamsas->accessibleName().isEmpty() && !nodes->accessibleName().isEmpty());
        if (ayanamsa >= 0) {
          ayanamsas->setFocus();
          // By keyboard too: Home, then Down to the wanted entry.
          QTest::keyClick(ayanamsas, Qt::Key_Home);
          for (int k = 0; k < ayanamsa; ++k) {
            QTest::keyClick(ayanamsas, Qt::Key_Down);
          }
          nodes->setCurrentIndex(node);
        }
        Screenshot(dialog, QStringLiteral("settings_dialog"));
        QVERIFY(dialog->frameGeometry().height() <= 768);
        QTest::mouseClick(dialog->findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
        seen = true;
      });
      window_->findChild<QAction*>(QStringLiteral("mnuSettings"))->trigger();
      QVERIFY(seen);
    };
    answer(true, 1, 1, "cmdSettingsCancel");  // cancelled: nothing changes
    QCOMPARE(window_->Moon(), MoonModel::Standard);
    QCOMPARE(window_->Vedic().Options(), ChartOptions{});
    answer(true, 1, 1, "cmdSettingsOK");
    QCOMPARE(window_->Moon(), MoonModel::Precise);
    const ChartOptions lahiri_true{Ayanamsa::Lahiri, NodeKind::True};
    QCOMPARE(window_->Vedic().Options(), lahiri_true);

    // The next start of the program finds the choices again.
    window_.reset();
    window_ = std::make_unique<ui::MainWindow>(stand_ins_->Services());
    QCOMPARE(window_->Moon(), MoonModel::Precise);
    QCOMPARE(window_->Vedic().Options(), lahiri_true);
    answer(true, 0, 0, "cmdSettingsOK");  // ticking again turns it off
    QCOMPARE(window_->Moon(), MoonModel::Standard);
    QCOMPARE(window_->Vedic().Options(), ChartOptions{});
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

  void TestWindowsOpenInsideTheMainWindow_data() {
    QTest::addColumn<Opened>("opened");
    QTest::addColumn<QString>("title");
    QTest::newRow("Vedic birth-details form") << Opened::VedicForm << QStringLiteral("Lumo Tarvik");
    QTest::newRow("Western input form")
        << Opened::WesternForm << QStringLiteral("Lumo Penrow Software");
    QTest::newRow("time-zone picker") << Opened::Picker << QStringLiteral("Lumo Tarvik");
    QTest::newRow("Western report")
        << Opened::WesternReport << QStringLiteral("Lumo Penrow Software v2.0");
  }

  // Each test window is a child of the main window, framed in its area with the title
  // bar in view, active, announced as a window, and leaves every button of the main
  // window uncovered.
  void TestWindowsOpenInsideTheMainWindow() {
    QFETCH(Opened, opened);
    QFETCH(QString, title);
    QWidget* window = Open(opened);
    QVERIFY(window != nullptr);
    QVERIFY(window->isVisible());
    QVERIFY(!window->isWindow());
    QCOMPARE(window->window(), window_.get());
    ui::ChildWindowFrame* frame = ui::ChildWindowFrame::Of(*window);
    QVERIFY(frame != nullptr);
    QCOMPARE(frame->mdiArea(), &window_->Area());
    QCOMPARE(window_->Area().activeSubWindow(), frame);
    QCOMPARE(frame->windowTitle(), title);
    // The title bar at the top of the area, never left of it.
    QCOMPARE(frame->y(), 0);
    QVERIFY(frame->x() >= 0);
    for (QWidget* other : QApplication::topLevelWidgets()) {
      QVERIFY2(other == window_.get() || !other->isVisible(), qPrintable(other->objectName()));
    }
    for (const char* name : {"Command1", "Command2", "cmdPrint", "cmdBack", "cmdExit"}) {
      QPushButton* button = Find<QPushButton>(name);
      const QPoint centre = button->mapTo(window_.get(), button->rect().center());
      QVERIFY2(window_->childAt(centre) == button, name);
    }
    // Screen readers hear a window with its title, not an anonymous pane.
    QAccessibleInterface* announced = QAccessible::queryAccessibleInterface(frame);
    QVERIFY(announced != nullptr);
    QCOMPARE(announced->role(), QAccessible::Window);
    QCOMPARE(announced->text(QAccessible::Name), frame->windowTitle());
    Screenshot(window_.get(), QStringLiteral("main_window_with_") + window->objectName());
  }

  void FramesFollowTheirWindows_data() {
    QTest::addColumn<Opened>("opened");
    QTest::addColumn<bool>("kept");  // the window survives a close of its frame
    QTest::newRow("Vedic form: discarded") << Opened::VedicForm << false;
    QTest::newRow("Western form: discarded") << Opened::WesternForm << false;
    QTest::newRow("picker: discarded") << Opened::Picker << false;
    QTest::newRow("Western report: hidden with its values") << Opened::WesternReport << true;
  }

  void FramesFollowTheirWindows() {
    QFETCH(Opened, opened);
    QFETCH(bool, kept);
    // A window that hides itself takes its frame along.
    QPointer<QWidget> window = Open(opened);
    QPointer<ui::ChildWindowFrame> frame = ui::ChildWindowFrame::Of(*window);
    window->hide();
    QVERIFY(!frame->isVisible());
    window = Open(opened);
    QCOMPARE(ui::ChildWindowFrame::Of(*window), frame.data());  // framed once
    QVERIFY(frame->isVisible());

    // The close button of the frame closes the window, which decides what remains.
    QVERIFY(frame->close());
    QVERIFY(!frame->isVisible());
    if (kept) {
      QTest::qWait(0);
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      QVERIFY(window);
      QVERIFY(frame);
      window = Open(opened);
      QVERIFY(window->isVisible());
      QCOMPARE(ui::ChildWindowFrame::Of(*window), frame.data());
    } else {
      QTRY_VERIFY(window.isNull());
      QTRY_VERIFY(frame.isNull());
      QWidget* fresh = Open(opened);  // opens afresh
      QVERIFY(fresh != nullptr && fresh->isVisible());
    }
  }

  void ShiftTabStaysInsideTheTestWindow_data() {
    QTest::addColumn<Opened>("opened");
    QTest::addColumn<QString>("last");  // the window's last control in Tab order
    QTest::newRow("Vedic form") << Opened::VedicForm << QStringLiteral("cmdExit");
    QTest::newRow("Western form") << Opened::WesternForm << QStringLiteral("cmdNav");
  }

  // Backwards from the first field, the focus wraps to the window's own last control,
  // never to the main window's buttons or another test window.
  void ShiftTabStaysInsideTheTestWindow() {
    QFETCH(Opened, opened);
    QFETCH(QString, last);
    QWidget* window = Open(opened);
    auto* first = window->findChild<QLineEdit*>(QStringLiteral("txtMName"));
    QVERIFY(first != nullptr);
    first->setFocus(Qt::TabFocusReason);
    QTest::keyClick(first, Qt::Key_Backtab);
    QWidget* focused = window_->focusWidget();
    QVERIFY(focused != nullptr);
    QCOMPARE(focused->objectName(), last);
    QVERIFY(window->isAncestorOf(focused));
    QTest::keyClick(focused, Qt::Key_Tab);
    QCOMPARE(window_->focusWidget(), first);
  }

  // An Exit that arrives while a test window's modal dialog runs (an access key's
  // click lands a moment after the key) answers the dialog first and ends the program
  // once the dialog's caller has returned, instead of deleting the dialog under it.
  void ExitDuringAModalDialogWaitsForIt() {
    QPointer<QWidget> form = Open(Opened::VedicForm);
    {
      QDialog dialog(form);  // as a form's place search is made: on the handler's stack
      QTimer::singleShot(0, this, [this] { window_->ExitProgram(); });
      QCOMPARE(dialog.exec(), int(QDialog::Rejected));
      QVERIFY(form);  // still there while its handler runs
      QVERIFY(window_->isVisible());
    }  // the handler returns
    QTRY_VERIFY(!window_->isVisible());
    QTRY_VERIFY(form.isNull());
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
  QWidget* Open(Opened opened) {
    switch (opened) {
      case Opened::VedicForm:
        QTest::mouseClick(Find<QPushButton>("Command2"), Qt::LeftButton);
        return window_->Vedic().Form();
      case Opened::WesternForm:
        QTest::mouseClick(Find<QPushButton>("Command1"), Qt::LeftButton);
        return window_->Western().InputForm();
      case Opened::Picker:
        QTest::mouseClick(Find<QPushButton>("Command2"), Qt::LeftButton);
        window_->Vedic().ShowTimeZonePicker(true);
        return window_->Vedic().Picker();
      case Opened::WesternReport:
        // Before any run the report is empty; printing creates it, and a run shows it
        // just so.
        window_->Western().PrintReport();
        ui::ShowChildWindow(window_->Area(), *window_->Western().Report());
        return window_->Western().Report();
    }
    return nullptr;
  }

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
