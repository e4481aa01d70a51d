// SPDX-License-Identifier: MIT
#include "ui/shell/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/shell/about_box.h"
#include "ui/shell/settings_dialog.h"
#include "ui/shell/window_placement.h"
#include "ui/vedic/vedic_session.h"
#include "ui/western/western_session.h"

namespace lumora::ui {

namespace {

// Pixels: the height of the test buttons and their icons, and the room around the
// band's rows. The band is kept low so that the test windows below it fit a
// 1366x768 screen.
constexpr int kTestButtonHeight = 44;
constexpr int kBandMargin = 8;

// Milliseconds between the checks of a deferred Exit.
constexpr int kExitRetry = 10;

}  // namespace

MainWindow::MainWindow(const Services& services, QWidget* parent)
    : QMainWindow(parent), services_(services) {
  setObjectName(QStringLiteral("MDIForm1"));
  setWindowTitle(ProgramTitle());
  setWindowIcon(QIcon(QStringLiteral(":/resources/app/lumora.svg")));

  QMenu* file = menuBar()->addMenu(tr("&File"));
  file->setObjectName(QStringLiteral("mnuFile"));
  QAction* print = file->addAction(tr("&Print"));
  print->setObjectName(QStringLiteral("mnuPrint"));
  QAction* settings = file->addAction(tr("&Settings..."));
  settings->setObjectName(QStringLiteral("mnuSettings"));
  file->addSeparator();
  QAction* exit = file->addAction(tr("&Exit"));
  exit->setObjectName(QStringLiteral("mnuExit"));
  connect(print, &QAction::triggered, this, &MainWindow::PrintWesternReport);
  connect(settings, &QAction::triggered, this, &MainWindow::ShowSettings);
  connect(exit, &QAction::triggered, this, &MainWindow::ExitProgram);
  AddHelpMenu(*this, services_);

  // The band keeps the heading and the buttons in view whatever the test windows
  // do; the area below it holds the test windows.
  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("pnlMain"));
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  commands_ = new QWidget(central);
  commands_->setObjectName(QStringLiteral("pnlCommands"));
  commands_->setAccessibleName(tr("Tests and commands"));
  area_ = new QMdiArea(central);
  area_->setObjectName(QStringLiteral("mdiArea"));
  area_->setAccessibleName(tr("Test windows"));
  // A window taller or wider than the area can still be scrolled to.
  area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  column->addWidget(commands_);
  column->addWidget(area_, 1);
  setCentralWidget(central);
  heading_ = new QLabel(QStringLiteral("Lumora"), commands_);
  heading_->setObjectName(QStringLiteral("lblHeading"));
  QFont big = heading_->font();
  big.setPointSizeF(big.pointSizeF() * 2.6);
  big.setBold(true);
  heading_->setFont(big);
  heading_->adjustSize();
  subtitle_ = new QLabel(tr("The compatibility of two people from their birth data, by Western "
                            "and by Vedic astrology. Choose a test:"),
                         commands_);
  subtitle_->setObjectName(QStringLiteral("lblSubtitle"));
  subtitle_->adjustSize();

  auto make_button = [this](const QString& caption, const char* name) {
    auto* button = new QPushButton(caption, commands_);
    button->setObjectName(QString::fromLatin1(name));
    return button;
  };
  western_button_ = make_button(QStringLiteral("Western Astrology  Compatibility"), "Command1");
  vedic_button_ = make_button(QStringLiteral("Vedic Astrology Compatibility"), "Command2");
  for (QPushButton* button : {western_button_, vedic_button_}) {
    QFont font = button->font();
    font.setPointSizeF(font.pointSizeF() * 1.25);
    button->setFont(font);
    button->resize(qMax(button->sizeHint().width() + 24, 280), kTestButtonHeight);
  }
  western_icon_ = new QLabel(commands_);
  western_icon_->setObjectName(QStringLiteral("picIcon_0"));
  western_icon_->setPixmap(QIcon(QStringLiteral(":/resources/app/western.svg"))
                               .pixmap(kTestButtonHeight, kTestButtonHeight));
  western_icon_->resize(kTestButtonHeight, kTestButtonHeight);
  western_icon_->setAccessibleName(tr("Western test icon"));
  vedic_icon_ = new QLabel(commands_);
  vedic_icon_->setObjectName(QStringLiteral("picIcon_1"));
  vedic_icon_->setPixmap(QIcon(QStringLiteral(":/resources/app/vedic.svg"))
                             .pixmap(kTestButtonHeight, kTestButtonHeight));
  vedic_icon_->resize(kTestButtonHeight, kTestButtonHeight);
  vedic_icon_->setAccessibleName(tr("Vedic test icon"));

  print_ = make_button(tr("&Print"), "cmdPrint");
  back_ = make_button(tr("&Back"), "cmdBack");
  exit_ = make_button(tr("&Exit"), "cmdExit");
  for (QPushButton* button : {print_, back_, exit_}) {
    button->resize(qMax(button->sizeHint().width(), 100), button->sizeHint().height());
  }
  print_->setToolTip(tr("Print the Western report"));
  back_->setToolTip(tr("Back from the Western report to its input form"));

  connect(vedic_button_, &QPushButton::clicked, this, &MainWindow::OpenVedicTest);
  connect(western_button_, &QPushButton::clicked, this, &MainWindow::OpenWesternTest);
  connect(print_, &QPushButton::clicked, this, &MainWindow::PrintWesternReport);
  connect(back_, &QPushButton::clicked, this, &MainWindow::BackToWesternInput);
  connect(exit_, &QPushButton::clicked, this, &MainWindow::ExitProgram);

  setTabOrder(vedic_button_, western_button_);
  setTabOrder(western_button_, print_);
  setTabOrder(print_, back_);
  setTabOrder(back_, exit_);

  vedic_ = std::make_unique<VedicSession>(services_, this, *area_);
  western_ = std::make_unique<WesternSession>(services_, this, *area_);
  moon_model_ = StoredMoonModel();
  vedic_->SetMoonModel(moon_model_);
  western_->SetMoonModel(moon_model_);

  commands_->installEventFilter(this);
  setMinimumSize(640, 420);
  resize(1000, 640);
  PlaceControls();
}

MainWindow::~MainWindow() = default;

void MainWindow::PlaceControls() {
  const QScreen* shown_on = screen() ? screen() : QGuiApplication::primaryScreen();
  const int screen_width = shown_on->geometry().width();

  // Rows from the top: the heading, the line under it, then the test buttons.
  heading_->move((screen_width - heading_->width()) / 2, kBandMargin);
  subtitle_->move((screen_width - subtitle_->width()) / 2, heading_->y() + heading_->height());
  const int buttons_top = subtitle_->y() + subtitle_->height() + kBandMargin;
  western_button_->move(screen_width / 2 - western_button_->width() - Twips(500), buttons_top);
  vedic_button_->move(screen_width / 2, buttons_top);
  western_icon_->move(western_button_->x() - western_icon_->width(), buttons_top);
  vedic_icon_->move(vedic_button_->x() + vedic_button_->width(), buttons_top);

  // Print and Back at the left and Exit at the right of the heading's row, clear of
  // the test buttons however narrow the screen.
  const int row_middle = heading_->y() + heading_->height() / 2;
  exit_->move(commands_->width() - exit_->width() - Twips(300), row_middle - exit_->height() / 2);
  print_->move(kBandMargin * 2, row_middle - print_->height() / 2);
  back_->move(print_->x() + print_->width() + kBandMargin, print_->y());
  commands_->setFixedHeight(buttons_top + kTestButtonHeight + kBandMargin);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  PlaceControls();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  // The band is laid out after the window: Exit follows the band's own width.
  if (watched == commands_ && event->type() == QEvent::Resize) {
    PlaceControls();
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::OpenVedicTest() {
  western_->HideAll();
  vedic_->ShowInputForm();
}

void MainWindow::OpenWesternTest() {
  western_->ShowInputForm();
  vedic_->HideAll();
}

void MainWindow::PrintWesternReport() {
  western_->PrintReport();
}

void MainWindow::BackToWesternInput() {
  western_->BackToInputForm();
}

void MainWindow::ExitProgram() {
  close();
}

void MainWindow::ExitOutside(int loop_level) {
  QTimer::singleShot(kExitRetry, this, [this, loop_level] {
    if (QThread::currentThread()->loopLevel() >= loop_level) {
      ExitOutside(loop_level);  // still inside the dialog's loop
    } else {
      close();
    }
  });
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // A modal dialog runs its own event loop inside a handler of one of the test
  // windows (a place search, say), and an Exit can still arrive then: an access key's
  // click lands a moment after the key. Closing the windows under the dialog would
  // delete it while it runs. So the dialog is answered with a cancel first, and the
  // program ends once its loop has returned to the handler's caller.
  if (QWidget* modal = QApplication::activeModalWidget(); modal != nullptr && !exiting_) {
    event->ignore();
    if (modal->close()) {
      ExitOutside(QThread::currentThread()->loopLevel());
    }
    return;
  }
  if (!exiting_) {
    exiting_ = true;
    vedic_->CloseAll();
    western_->CloseAll();
  }
  event->accept();
  QApplication::quit();
}

void MainWindow::ApplyMoonModel(MoonModel model) {
  moon_model_ = model;
  StoreMoonModel(model);
  vedic_->SetMoonModel(model);
  western_->SetMoonModel(model);
}

void MainWindow::ShowSettings() {
  SettingsDialog dialog(moon_model_, this);
  if (dialog.exec() == QDialog::Accepted) {
    ApplyMoonModel(dialog.ChosenMoonModel());
    StoreOpeningMethod(dialog.ChosenOpeningMethod());
  }
}

}  // namespace lumora::ui
