// SPDX-License-Identifier: MIT
// Lumora: builds the application object and the main window.
#include <QApplication>
#include <QIcon>
#include <QScreen>

#include "ui/shell/main_window.h"
#include "ui/shell/services.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Lumora"));  // where QSettings keep choices
  QApplication::setApplicationName(QStringLiteral("Lumora"));
  QApplication::setApplicationVersion(QStringLiteral(LUMORA_VERSION));
  // Lets the desktop match the window to the installed menu entry and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("com.example.Lumora"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/resources/app/lumora.svg")));
  lumora::ui::MainWindow window(lumora::ui::DesktopServices());
  // The frame spans the screen, as its buttons are placed by the screen's width; a
  // desktop without a window manager does not maximise by itself.
  window.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
  window.showMaximized();
  return QApplication::exec();
}
