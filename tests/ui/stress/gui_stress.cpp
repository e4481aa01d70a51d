// SPDX-License-Identifier: MIT
// Random clicks, keys, pastes and window closes on the real windows, seeded and
// replayable. Message boxes, file dialogs, printing and the browser go to the test
// stand-ins, so nothing waits for a person. A watchdog thread ends the run when one
// event takes longer than the hang limit. When the program ends (the main window
// closes), the run notes the events that led there and starts a fresh main window.
//   lumora_gui_stress [SEED] [EVENTS]
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <memory>
#include <random>
#include <string>
#include <thread>

#include "support/stand_ins.h"
#include "ui/main_window.h"

namespace {

constexpr int kHangLimitSeconds = 20;
constexpr std::size_t kHistory = 12;

std::atomic<long> heartbeat{0};
std::atomic<bool> finished{false};
std::deque<std::string> history;  // the last events, newest last

void Note(const std::string& event) {
  history.push_back(event);
  if (history.size() > kHistory) {
    history.pop_front();
  }
}

void PrintHistory(const char* heading) {
  std::fprintf(stderr, "%s\n", heading);
  for (const std::string& event : history) {
    std::fprintf(stderr, "    %s\n", event.c_str());
  }
}

// A crash prints the events that led to it, so the seed and the place can be replayed.
extern "C" void OnCrash(int signal_number) {
  std::signal(signal_number, SIG_DFL);
  std::fprintf(stderr, "CRASH: signal %d\n", signal_number);
  PrintHistory("last events:");
  std::raise(signal_number);
}

// Ends the process when no event completes within the hang limit.
void Watchdog() {
  long last = -1;
  auto since = std::chrono::steady_clock::now();
  while (!finished) {
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const long now = heartbeat;
    if (now != last) {
      last = now;
      since = std::chrono::steady_clock::now();
    } else if (std::chrono::steady_clock::now() - since > std::chrono::seconds(kHangLimitSeconds)) {
      std::fprintf(stderr, "HANG: event %ld took more than %d s\n", now, kHangLimitSeconds);
      PrintHistory("last events:");
      std::_Exit(3);
    }
  }
}

// The window a control belongs to: a test window's frame inside the main window, or
// a window of its own.
const QWidget* WindowOf(const QWidget* widget) {
  for (const QWidget* at = widget; at != nullptr && !at->isWindow(); at = at->parentWidget()) {
    if (qobject_cast<const QMdiSubWindow*>(at) != nullptr) {
      return at;
    }
  }
  return widget->window();
}

// Every window a person could act on: the visible top-level windows and the visible
// test windows inside the main window.
QWidgetList VisibleWindows() {
  QWidgetList windows;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (!w->isVisible()) {
      continue;
    }
    windows.push_back(w);
    for (QMdiSubWindow* frame : w->findChildren<QMdiSubWindow*>()) {
      if (frame->isVisible()) {
        windows.push_back(frame);
      }
    }
  }
  return windows;
}

QString Describe(const QWidget* widget) {
  if (widget == nullptr) {
    return QStringLiteral("(none)");
  }
  QString name = widget->objectName();
  if (name.isEmpty()) {
    name = QString::fromLatin1(widget->metaObject()->className());
  }
  return name + QStringLiteral(" in ") + WindowOf(widget)->objectName();
}

// One typed character as a keyboard delivers it: key code and text.
void TypeCharacter(QWidget* widget, QChar c) {
  const int key = c.isLetter() && c.unicode() < 128 ? c.toUpper().unicode()
                  : c.unicode() < 128               ? c.unicode()
                                                    : static_cast<int>(Qt::Key_unknown);
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
  QApplication::sendEvent(widget, &press);
  QApplication::sendEvent(widget, &release);
}

// Notes which close of the main window ended the program.
class EndWatcher : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Close && watched == main_window) {
      ended = true;
    }
    return false;
  }
  QWidget* main_window = nullptr;
  bool ended = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  const unsigned seed = argc > 1 ? static_cast<unsigned>(std::strtoul(argv[1], nullptr, 10)) : 1;
  const long events = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 5000;
  std::mt19937 random(seed);
  auto chance = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };

  for (const int signal_number : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE}) {
    std::signal(signal_number, OnCrash);
  }
  std::thread watchdog(Watchdog);
  auto stand_ins = std::make_unique<lumora::testing::StandIns>();
  EndWatcher watcher;
  app.installEventFilter(&watcher);
  std::unique_ptr<lumora::ui::MainWindow> main_window;
  bool exit_chosen = false;  // the Exit button or menu entry fired, by mouse or keyboard
  bool main_closed = false;  // the driver closed the main window itself
  auto start = [&] {
    main_window = std::make_unique<lumora::ui::MainWindow>(stand_ins->Services());
    main_window->setObjectName(QStringLiteral("MainWindow"));
    watcher.main_window = main_window.get();
    watcher.ended = false;
    exit_chosen = false;
    main_closed = false;
    if (auto* button = main_window->findChild<QAbstractButton*>(QStringLiteral("cmdExit"))) {
      QObject::connect(button, &QAbstractButton::clicked, [&] { exit_chosen = true; });
    }
    if (auto* action = main_window->findChild<QAction*>(QStringLiteral("mnuExit"))) {
      QObject::connect(action, &QAction::triggered, [&] { exit_chosen = true; });
    }
    main_window->show();
  };
  start();

  // A modal dialog runs its own event loop and waits for a person; timers still fire
  // there, so this one answers it (as Escape would) and the run goes on. Only an event
  // that blocks outside any event loop reaches the watchdog.
  int modal_answers = 0;
  QTimer answer_modal;
  QObject::connect(&answer_modal, &QTimer::timeout, [&] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      Note("modal " + Describe(modal).toStdString() + " answered with a close");
      ++modal_answers;
      modal->close();
    }
  });
  answer_modal.start(1000);

  const QString printable =
      QStringLiteral("abcXYZ0123456789 -.,'/\\\"!@#$%^&*()_+=:;<>?~`[]{}|\u00e9\u0905");
  const Qt::Key special[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Tab,       Qt::Key_Backtab,
                             Qt::Key_Escape, Qt::Key_Space, Qt::Key_Up,        Qt::Key_Down,
                             Qt::Key_Left,   Qt::Key_Right, Qt::Key_Backspace, Qt::Key_Delete,
                             Qt::Key_Home,   Qt::Key_End,   Qt::Key_PageDown,  Qt::Key_F1};
  int endings = 0;
  int exits_by_click = 0;
  int exits_by_keyboard = 0;  // an access key (Alt+E, Alt+X) or Space/Enter on the button
  int main_closes = 0;
  int unexplained = 0;
  QElapsedTimer timer;
  timer.start();
  for (long i = 0; i < events; ++i) {
    heartbeat = i;
    const QWidgetList windows = VisibleWindows();
    if (windows.isEmpty()) {
      Note(std::to_string(i) + ": no window is visible; main window shown again");
      main_window->show();
      continue;
    }
    QWidget* window = windows[chance(static_cast<int>(windows.size()))];
    QList<QWidget*> targets;
    for (QWidget* child : window->findChildren<QWidget*>()) {
      // The main window's own controls; its test windows are chosen as windows.
      if (child->isVisible() && child->isEnabled() && WindowOf(child) == window) {
        targets.push_back(child);
      }
    }
    const int action = chance(100);
    std::string event;
    if (action < 45 && !targets.isEmpty()) {
      QWidget* target = targets[chance(static_cast<int>(targets.size()))];
      // The main window's Exit is always in view now; kept rare like a close of the
      // main window, so that runs reach deep into the test windows.
      if (target->objectName() == QLatin1String("cmdExit") && window == main_window.get() &&
          chance(10) != 0) {
        continue;
      }
      const QPoint at(chance(std::max(1, target->width())), chance(std::max(1, target->height())));
      event = "click " + Describe(target).toStdString();
      Note(std::to_string(i) + ": " + event);
      QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, at);
    } else if (action < 80) {
      QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : window;
      if (chance(3) == 0) {
        const Qt::Key key = special[chance(static_cast<int>(std::size(special)))];
        event = "key " + std::to_string(key) + " on " + Describe(focus).toStdString();
        Note(std::to_string(i) + ": " + event);
        QTest::keyClick(focus, key);
      } else if (chance(10) == 0) {
        const char letter = static_cast<char>('a' + chance(26));
        event = std::string("Alt+") + letter + " on " + Describe(focus).toStdString();
        Note(std::to_string(i) + ": " + event);
        QTest::keyClick(focus, letter, Qt::AltModifier);
      } else {
        const QChar c = printable[chance(static_cast<int>(printable.size()))];
        event = "type '" + QString(c).toStdString() + "' on " + Describe(focus).toStdString();
        Note(std::to_string(i) + ": " + event);
        TypeCharacter(focus, c);
      }
    } else if (action < 92) {
      QString text;
      const int length = chance(40);
      for (int k = 0; k < length; ++k) {
        text += printable[chance(static_cast<int>(printable.size()))];
      }
      QApplication::clipboard()->setText(text);
      QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : window;
      event =
          "paste " + std::to_string(length) + " characters into " + Describe(focus).toStdString();
      Note(std::to_string(i) + ": " + event);
      QTest::keyClick(focus, Qt::Key_V, Qt::ControlModifier);
    } else {
      // Closing the main window ends the program; that is kept rare.
      if (window == main_window.get() && chance(10) != 0) {
        continue;
      }
      event = "close window " + window->objectName().toStdString();
      Note(std::to_string(i) + ": " + event);
      main_closed = window == main_window.get();
      window->close();
    }
    QApplication::processEvents();
    // A running event loop deletes a closed window as soon as the event that closed it
    // returns; the driver runs no loop of its own, so it does that here. Otherwise a
    // window closed for good could be shown and used again, and be deleted later
    // inside some modal dialog's loop, which no user can bring about.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (watcher.ended || !main_window->isVisible()) {
      ++endings;
      const bool by_click = event.rfind("click", 0) == 0;
      if (exit_chosen) {
        ++(by_click ? exits_by_click : exits_by_keyboard);
      } else if (main_closed) {
        ++main_closes;
      } else {
        ++unexplained;
        PrintHistory(("program ended at event " + std::to_string(i) +
                      " without Exit or a close of the main window; last events:")
                         .c_str());
      }
      main_window.reset();
      stand_ins = std::make_unique<lumora::testing::StandIns>();
      start();
    }
  }
  finished = true;
  watchdog.join();
  std::printf(
      "seed %u: %ld events in %.1f s; %d program endings: %d by clicking Exit, %d by Exit from "
      "the keyboard, %d by closing the main window, %d unexplained; %d modal dialogs answered; "
      "no event took over %d s\n",
      seed, events, static_cast<double>(timer.elapsed()) / 1000.0, endings, exits_by_click,
      exits_by_keyboard, main_closes, unexplained, modal_answers, kHangLimitSeconds);
  return unexplained == 0 ? 0 : 4;
}
