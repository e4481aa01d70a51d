// SPDX-License-Identifier: MIT
// Opens every window of the program in turn on the display it is given (an X server
// with a window manager, or none) and checks that each fits the screen: a window of
// its own with its frame and title bar, a test window inside the main window's area,
// and every visible button of either on screen. Saves a picture of the whole screen
// at each step, window-manager frames included.
//   lumora_window_tour SHOT_FOLDER
// Exit status 0 when everything fits, 1 otherwise; one line per window on stdout.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "support/stand_ins.h"
#include "ui/main_window.h"
#include "ui/vedic/entry/birth_details_form.h"
#include "ui/vedic/entry/time_zone_picker.h"
#include "ui/vedic/result/result_window.h"
#include "ui/vedic/vedic_session.h"
#include "ui/western/western_session.h"

namespace {

using lumora::BirthForm;
using lumora::BirthFormSide;

// Milliseconds a window manager is given to map and frame a window, at each step and
// at most in all.
constexpr int kSettle = 500;
constexpr int kSettleLimit = 3000;

// Device-independent pixels a frame may be off by at a scale factor where the window
// manager's frame is an odd number of device pixels: half a pixel, rounded.
constexpr int kRounding = 1;

// The couple the tour matches: the command-line checks' pair (13 points).
BirthFormSide Side(const char* name, const char* day, const char* month, const char* year,
                   const char* lat_deg, const char* long_deg) {
  BirthFormSide side;
  side.Name = name;
  side.Day = day;
  side.Month = month;
  side.Year = year;
  side.Hour = "5";
  side.City = "Pune";
  side.State = "Maharashtra";
  side.Country = "India";
  side.LatDeg = lat_deg;
  side.LatMin = "31";
  side.LongDeg = long_deg;
  side.LongMin = "51";
  side.ZoneHour = "5";
  side.ZoneMinute = "30";
  return side;
}

class Tour {
 public:
  explicit Tour(QString folder) : folder_(std::move(folder)) {}

  // Checks the window (a top-level one, or a test window's frame in the area) and
  // saves a picture of the screen under the given name.
  void Check(const QString& name, QWidget* window) {
    QTest::qWait(kSettle);
    for (int waited = kSettle;
         window != nullptr && window->frameGeometry().isEmpty() && waited < kSettleLimit;
         waited += kSettle) {
      QTest::qWait(kSettle);
    }
    if (window == nullptr || !window->isVisible()) {
      Fail(name, QStringLiteral("not shown"));
      return;
    }
    QString fault;
    const QRect screen = window->screen()->geometry();
    QRect room = screen;  // where the window must lie, in global coordinates
    QRect outer = window->frameGeometry();
    if (auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget())) {
      QWidget* viewport = frame->mdiArea()->viewport();
      room = QRect(viewport->mapToGlobal(QPoint(0, 0)), viewport->size()) & screen;
      outer = QRect(frame->mapToGlobal(QPoint(0, 0)), frame->size());
    }
    room.adjust(-kRounding, -kRounding, kRounding, kRounding);
    if (!room.contains(outer)) {
      fault += QStringLiteral(" window %1 outside %2;").arg(Text(outer), Text(room));
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
      if (!button->isVisible() || qobject_cast<QTabBar*>(button->parentWidget()) != nullptr) {
        continue;
      }
      const QRect at(button->mapToGlobal(QPoint(0, 0)), button->size());
      if (!room.contains(at)) {
        fault += QStringLiteral(" button %1 at %2;").arg(button->objectName(), Text(at));
      }
    }
    QScreen* shown_on = window->screen();
    shown_on->grabWindow(0).save(QDir(folder_).filePath(name + QStringLiteral(".png")));
    if (fault.isEmpty()) {
      std::printf("fits  %-28s %s\n", qPrintable(name), qPrintable(Text(outer)));
    } else {
      Fail(name, fault);
    }
  }

  // Opens a modal dialog with the given action and checks it while it runs.
  void CheckModal(const QString& name, const std::function<void()>& open) {
    bool seen = false;
    QTimer::singleShot(kSettle, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      Check(name, modal);
      seen = true;
      if (modal != nullptr) {
        modal->close();
      }
    });
    open();
    if (!seen) {
      Fail(name, QStringLiteral("no modal dialog opened"));
    }
  }

  int Faults() const { return faults_; }

 private:
  static QString Text(const QRect& r) {
    return QStringLiteral("%1x%2+%3+%4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
  }
  void Fail(const QString& name, const QString& why) {
    std::printf("FAIL  %-28s %s\n", qPrintable(name), qPrintable(why));
    ++faults_;
  }

  QString folder_;
  int faults_ = 0;
};

template <typename T>
T* Child(QWidget* window, const char* name) {
  T* found = window->findChild<T*>(QString::fromLatin1(name));
  if (found == nullptr) {
    qFatal("no control %s", name);
  }
  return found;
}

void SetText(QWidget* form, const QByteArray& name, const char* text) {
  Child<QLineEdit>(form, name.constData())->setText(QString::fromLatin1(text));
}

void Choose(QWidget* form, const QByteArray& name, const char* entry) {
  QComboBox* box = Child<QComboBox>(form, name.constData());
  box->setCurrentIndex(box->findText(QString::fromLatin1(entry)));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
  QDir().mkpath(folder);
  Tour tour(folder);
  lumora::testing::StandIns stand_ins;
  lumora::ui::MainWindow main_window(stand_ins.Services());
  main_window.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
  main_window.showMaximized();
  tour.Check(QStringLiteral("01_main_window"), &main_window);
  auto press = [&](QWidget* window, const char* name) {
    QTest::mouseClick(Child<QAbstractButton>(window, name), Qt::LeftButton);
  };

  // The Vedic test: form, picker, place search, result on every tab, report window.
  press(&main_window, "Command2");
  lumora::ui::BirthDetailsForm* form = main_window.Vedic().Form();
  tour.Check(QStringLiteral("02_vedic_form"), form);
  main_window.Vedic().ShowTimeZonePicker(true);
  tour.Check(QStringLiteral("03_time_zone_picker"), main_window.Vedic().Picker());
  main_window.Vedic().Picker()->close();
  tour.CheckModal(QStringLiteral("04_place_search"), [&] { press(form, "cmdMaleBrowse"); });
  form->SetEntries(BirthForm{Side("Ravi Kumar", "5", "January", "1980", "18", "73"),
                             Side("Asha", "12", "March", "1982", "28", "77")});
  press(form, "cmdCalculate");
  lumora::ui::ResultWindow* result = main_window.Vedic().Result();
  if (result == nullptr) {
    std::printf("FAIL  the match gave no result window\n");
    return 1;
  }
  auto* tabs = Child<QTabWidget>(result, "TSAll");
  for (int tab = 0; tab < tabs->count(); ++tab) {
    tabs->setCurrentIndex(tab);
    tour.Check(QStringLiteral("05_result_tab_%1").arg(tab + 1), result);
  }
  tabs->setCurrentIndex(0);
  press(result, "cmdSave");
  QWidget* report = QApplication::activeModalWidget();
  tour.Check(QStringLiteral("06_report_window"), report);
  if (report != nullptr) {
    report->close();
  }
  tour.CheckModal(QStringLiteral("07_settings"), [&] {
    main_window.findChild<QAction*>(QStringLiteral("mnuSettings"))->trigger();
  });
  tour.CheckModal(QStringLiteral("08_about_box"),
                  [&] { main_window.findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger(); });

  // The Western test: form, then its report after a run.
  press(&main_window, "Command1");
  QWidget* western = main_window.Western().InputForm();
  tour.Check(QStringLiteral("09_western_form"), western);
  for (const char side : {'M', 'F'}) {
    const QByteArray p(1, side);
    SetText(western, "txt" + p + "Name", side == 'M' ? "Arun" : "Mira");
    Choose(western, "cbo" + p + "Year", side == 'M' ? "1980" : "1983");
    SetText(western, "txt" + p + "City", "Pune");
    SetText(western, "txt" + p + "State", "Maharashtra");
    SetText(western, "txt" + p + "Country", "India");
    SetText(western, "txt" + p + "LD", "18");
    SetText(western, "txt" + p + "LM", "31");
    SetText(western, "txt" + p + "LoD", "73");
    SetText(western, "txt" + p + "LoM", "51");
  }
  press(western, "cmdCalculate");
  tour.Check(QStringLiteral("10_western_report"), main_window.Western().ReportWindow());

  std::printf("%d of the windows do not fit\n", tour.Faults());
  return tour.Faults() == 0 ? 0 : 1;
}
