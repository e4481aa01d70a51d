// Lumora: builds the application object and the main window.
#include <QApplication>
#include <QIcon>

#include "ui/shell/main_window.h"
#include "ui/shell/services.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Lumora"));
  QApplication::setApplicationVersion(QStringLiteral(LUMORA_VERSION));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/resources/app/lumora.svg")));
  lumora::ui::MainWindow window(lumora::ui::DesktopServices());
  window.showMaximized();
  return QApplication::exec();
}
