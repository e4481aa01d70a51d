// SPDX-License-Identifier: MIT
// Lumora: reads the command line, builds the application object and the main window.
#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <cstdio>
#include <string>
#include <vector>

#include "ui/main_window.h"
#include "ui/shell/language_choice.h"
#include "ui/shell/services.h"
#include "ui/shell/start_arguments.h"

namespace {

std::vector<std::string> ArgumentsAfterName(const QStringList& arguments) {
  std::vector<std::string> out;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    out.push_back(arguments.at(i).toStdString());
  }
  return out;
}

}  // namespace

int main(int argc, char* argv[]) {
  using lumora::ui::StartRequest;
  // Help and version need no display: answered before the application object starts one.
  std::vector<std::string> raw(argv + (argc > 0 ? 1 : 0), argv + argc);
  const StartRequest asked = lumora::ui::ReadStartArguments(raw);
  if (asked.What == StartRequest::Kind::Help) {
    std::fputs(lumora::ui::StartUsage().c_str(), stdout);
    return 0;
  }
  if (asked.What == StartRequest::Kind::Version) {
    std::printf("lumora %s\n", LUMORA_VERSION);
    return 0;
  }

  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Lumora"));  // where QSettings keep choices
  QApplication::setApplicationName(QStringLiteral("Lumora"));
  QApplication::setApplicationVersion(QStringLiteral(LUMORA_VERSION));
  // The windows' language: the one chosen in Settings, else the system's where the program
  // speaks it.
  lumora::ui::ApplyLanguage(lumora::ui::StoredLanguage());
  // What is left once Qt has taken its own options.
  const StartRequest request =
      lumora::ui::ReadStartArguments(ArgumentsAfterName(QApplication::arguments()));
  if (request.What == StartRequest::Kind::Refused) {
    std::fprintf(stderr, "lumora: %s\nTry 'lumora --help'.\n", request.Problem.c_str());
    return 2;
  }
  // Lets the desktop match the window to the installed menu entry and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("com.example.Lumora"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/resources/app/lumora.svg")));
  lumora::ui::MainWindow window(lumora::ui::DesktopServices());
  // The frame spans the screen, as its buttons are placed by the screen's width; a
  // desktop without a window manager does not maximise by itself.
  window.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
  window.showMaximized();
  if (!request.File.empty()) {
    window.OpenFile(QString::fromStdString(request.File));
  }
  return QApplication::exec();
}
