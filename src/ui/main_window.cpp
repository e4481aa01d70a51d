// SPDX-License-Identifier: MIT
#include "ui/main_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/common/list_accessibility.h"
#include "ui/shell/about_box.h"
#include "ui/shell/keyboard.h"
#include "ui/shell/language_choice.h"
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

template <typename T>
T* Find(QObject* parent, const char* name) {
  return parent->findChild<T*>(QString::fromLatin1(name));
}

QString TextOf(QObject* control) {
  if (auto* menu = qobject_cast<QMenu*>(control)) {
    return menu->title();
  }
  return static_cast<QAbstractButton*>(control)->text();
}

void SetTextOf(QObject* control, const QString& text) {
  if (auto* menu = qobject_cast<QMenu*>(control)) {
    menu->setTitle(text);
  } else {
    static_cast<QAbstractButton*>(control)->setText(text);
  }
}

// The letter after the single "&" of a caption, lower case; none without one.
QChar AccessKeyOf(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text.at(i) == QLatin1Char('&')) {
      if (text.at(i + 1) != QLatin1Char('&')) {
        return text.at(i + 1).toLower();
      }
      ++i;  // "&&" is a plain ampersand
    }
  }
  return {};
}

QString WithoutAccessKey(const QString& text) {
  QString plain = text;
  const qsizetype at = plain.indexOf(QLatin1Char('&'));
  if (at >= 0 && at + 1 < plain.size() && plain.at(at + 1) != QLatin1Char('&')) {
    plain.remove(at, 1);
  }
  return plain;
}

// The access keys a test window answers itself: its buttons', its menu bar's and its
// labels' (a label's key moves to its field).
QSet<QChar> AccessKeysOf(const QWidget& window) {
  QSet<QChar> keys;
  const auto add = [&keys](const QString& text) {
    if (const QChar key = AccessKeyOf(text); !key.isNull()) {
      keys.insert(key);
    }
  };
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    add(button->text());
  }
  for (const QMenuBar* bar : window.findChildren<QMenuBar*>()) {
    for (const QAction* action : bar->actions()) {
      add(action->text());
    }
  }
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    if (label->buddy() != nullptr) {
      add(label->text());
    }
  }
  return keys;
}

}  // namespace

MainWindow::MainWindow(const Services& services, QWidget* parent)
    : QMainWindow(parent), services_(services) {
  // Every list of the program, Settings' among them, is announced by its name: installed
  // before any window with a list is built.
  AnnounceListsByName();
  setObjectName(QStringLiteral("MDIForm1"));
  setWindowTitle(ProgramTitle());
  setWindowIcon(QIcon(QStringLiteral(":/resources/app/lumora.svg")));

  file_menu_ = menuBar()->addMenu(QString());
  QMenu* file = file_menu_;
  file->setObjectName(QStringLiteral("mnuFile"));
  QAction* print = file->addAction(QString());
  print->setObjectName(QStringLiteral("mnuPrint"));
  QAction* settings = file->addAction(QString());
  settings->setObjectName(QStringLiteral("mnuSettings"));
  settings_action_ = settings;
  file->addSeparator();
  QAction* exit = file->addAction(QString());
  exit->setObjectName(QStringLiteral("mnuExit"));
  exit_action_ = exit;
  print_action_ = print;
  connect(print, &QAction::triggered, this, &MainWindow::PrintActiveWindow);
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
  area_ = new QMdiArea(central);
  area_->setObjectName(QStringLiteral("mdiArea"));
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
  subtitle_ = new QLabel(commands_);
  subtitle_->setObjectName(QStringLiteral("lblSubtitle"));

  auto make_button = [this](const QString& caption, const char* name) {
    auto* button = new QPushButton(caption, commands_);
    button->setObjectName(QString::fromLatin1(name));
    return button;
  };
  western_button_ = make_button(QString(), "Command1");
  vedic_button_ = make_button(QString(), "Command2");
  for (QPushButton* button : {western_button_, vedic_button_}) {
    QFont font = button->font();
    font.setPointSizeF(font.pointSizeF() * 1.25);
    button->setFont(font);
  }
  western_icon_ = new QLabel(commands_);
  western_icon_->setObjectName(QStringLiteral("picIcon_0"));
  western_icon_->setPixmap(QIcon(QStringLiteral(":/resources/app/western.svg"))
                               .pixmap(kTestButtonHeight, kTestButtonHeight));
  western_icon_->resize(kTestButtonHeight, kTestButtonHeight);
  vedic_icon_ = new QLabel(commands_);
  vedic_icon_->setObjectName(QStringLiteral("picIcon_1"));
  vedic_icon_->setPixmap(QIcon(QStringLiteral(":/resources/app/vedic.svg"))
                             .pixmap(kTestButtonHeight, kTestButtonHeight));
  vedic_icon_->resize(kTestButtonHeight, kTestButtonHeight);

  print_ = make_button(QString(), "cmdPrint");
  back_ = make_button(QString(), "cmdBack");
  exit_ = make_button(QString(), "cmdExit");

  connect(vedic_button_, &QPushButton::clicked, this, &MainWindow::OpenVedicTest);
  connect(western_button_, &QPushButton::clicked, this, &MainWindow::OpenWesternTest);
  connect(print_, &QPushButton::clicked, this, &MainWindow::PrintActiveWindow);
  connect(back_, &QPushButton::clicked, this, &MainWindow::BackFromActiveWindow);
  connect(exit_, &QPushButton::clicked, this, &MainWindow::ExitProgram);

  setTabOrder(vedic_button_, western_button_);
  setTabOrder(western_button_, print_);
  setTabOrder(print_, back_);
  setTabOrder(back_, exit_);

  vedic_ = std::make_unique<VedicSession>(services_, this, *area_);
  western_ = std::make_unique<WesternSession>(services_, this, *area_);
  moon_model_ = StoredMoonModel();
  vedic_->SetMoonModel(moon_model_);
  vedic_->SetKootaTables(StoredKootaTables());
  vedic_->SetChartOptions(StoredChartOptions());
  western_->SetMoonModel(moon_model_);

  KeyboardConventions::Install();
  Retranslate();
  connect(area_, &QMdiArea::subWindowActivated, this, &MainWindow::FollowActiveWindow);

  commands_->installEventFilter(this);
  setMinimumSize(640, 420);
  resize(1000, 640);
  PlaceControls();
}

void MainWindow::Retranslate() {
  file_menu_->setTitle(tr("&File"));
  print_action_->setText(tr("&Print"));
  settings_action_->setText(tr("&Settings..."));
  exit_action_->setText(tr("&Exit"));
  if (QMenu* help = Find<QMenu>(this, "mnuHelp")) {
    RetranslateHelpMenu(*help);
  }
  commands_->setAccessibleName(tr("Tests and commands"));
  area_->setAccessibleName(tr("Test windows"));
  subtitle_->setText(
      tr("The compatibility of two people from their birth data, by Western "
         "and by Vedic astrology. Choose a test:"));
  subtitle_->adjustSize();
  western_button_->setText(tr("&Western Astrology  Compatibility"));
  vedic_button_->setText(tr("&Vedic Astrology Compatibility"));
  for (QPushButton* button : {western_button_, vedic_button_}) {
    button->resize(qMax(button->sizeHint().width() + 24, 280), kTestButtonHeight);
  }
  western_icon_->setAccessibleName(tr("Western test icon"));
  vedic_icon_->setAccessibleName(tr("Vedic test icon"));
  print_->setText(tr("&Print"));
  back_->setText(tr("&Back"));
  exit_->setText(tr("&Exit"));
  for (QPushButton* button : {print_, back_, exit_}) {
    button->resize(qMax(button->sizeHint().width(), 100), button->sizeHint().height());
  }
  print_->setToolTip(tr("Print the result or report on screen"));
  back_->setToolTip(tr("Back from the result or report on screen to its form"));

  // The access keys as the language writes them, dropped again where the active window
  // uses one.
  access_keyed_.clear();
  for (QObject* control : std::initializer_list<QObject*>{file_menu_, Find<QMenu>(this, "mnuHelp"),
                                                          print_, back_, exit_}) {
    if (control != nullptr) {
      access_keyed_.push_back({control, TextOf(control)});
    }
  }
  FollowActiveWindow();
  PlaceControls();
}

void MainWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange && vedic_ && western_) {
    Retranslate();
    // The result pages are made from the match in the new language; after this event has
    // reached every window, so that no window is replaced while the event walks them.
    QTimer::singleShot(0, this, [this] {
      vedic_->Retranslate();
      western_->Retranslate();
    });
  }
  QMainWindow::changeEvent(event);
}

MainWindow::~MainWindow() {
  // The test windows close after the sessions are gone; the area's activations then
  // have nothing to follow.
  disconnect(area_, nullptr, this, nullptr);
}

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

QWidget* MainWindow::ActiveTestWindow() const {
  const QMdiSubWindow* frame = area_->currentSubWindow();
  return frame != nullptr && frame->isVisible() ? frame->widget() : nullptr;
}

void MainWindow::FollowActiveWindow() {
  if (!vedic_ || !western_) {
    return;
  }
  KeyboardConventions::Install();
  QWidget* active = ActiveTestWindow();
  const bool printable = vedic_->CanPrint(active) || western_->CanPrint(active);
  print_->setEnabled(printable);
  print_action_->setEnabled(printable);
  back_->setEnabled(printable);
  const QSet<QChar> taken = active != nullptr ? AccessKeysOf(*active) : QSet<QChar>{};
  for (const AccessKeyed& keyed : access_keyed_) {
    const QChar key = AccessKeyOf(keyed.Text);
    SetTextOf(keyed.Control, taken.contains(key) ? WithoutAccessKey(keyed.Text) : keyed.Text);
  }
}

void MainWindow::PrintActiveWindow() {
  QWidget* active = ActiveTestWindow();
  if (vedic_->CanPrint(active)) {
    vedic_->PrintResult();
  } else if (western_->CanPrint(active)) {
    western_->PrintReport();
  }
}

void MainWindow::BackFromActiveWindow() {
  QWidget* active = ActiveTestWindow();
  if (vedic_->CanPrint(active)) {
    vedic_->Back();
  } else if (western_->CanPrint(active)) {
    western_->BackToInputForm();
  }
}

void MainWindow::OpenFile(const QString& path) {
  OpenVedicTest();
  vedic_->OpenReading(path);
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
  SettingsDialog dialog(moon_model_, vedic_->Tables(), vedic_->Options(), this);
  if (dialog.exec() == QDialog::Accepted) {
    StoreChartOptions(dialog.ChosenChartOptions());
    vedic_->SetChartOptions(dialog.ChosenChartOptions());
    ApplyMoonModel(dialog.ChosenMoonModel());
    StoreOpeningMethod(dialog.ChosenOpeningMethod());
    StoreKootaTables(dialog.ChosenKootaTables());
    vedic_->SetKootaTables(dialog.ChosenKootaTables());
    if (dialog.ChosenLanguage() != CurrentLanguage()) {
      StoreLanguage(dialog.ChosenLanguage());
      ApplyLanguage(dialog.ChosenLanguage());
    }
  }
}

}  // namespace lumora::ui
