// SPDX-License-Identifier: MIT
#include "ui/shell/services.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QTextDocument>
#include <QUrlQuery>

#include "core/program.h"
#include "documents/pdf_export.h"

namespace lumora::ui {

namespace {

class DesktopMessages final : public MessageService {
 public:
  void Show(QWidget* parent, const QString& text, MessageIcon icon) override {
    QMessageBox box(
        icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::Critical,
        ProgramTitle(), text, QMessageBox::Ok, parent);
    box.exec();
  }
  bool Confirm(QWidget* parent, const QString& question) override {
    QMessageBox box(QMessageBox::Question, ProgramTitle(), question,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
  }
};

class DesktopBrowser final : public BrowserService {
 public:
  void Open(const QUrl& url) override { QDesktopServices::openUrl(url); }
};

class DesktopFiles final : public FileDialogService {
 public:
  QString SaveFileName(QWidget* parent, const FileDialogRequest& request) override {
    QFileDialog dialog(parent, request.Title, QString(), request.Filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.DefaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (!request.DefaultPath.isEmpty()) {
      dialog.selectFile(request.DefaultPath);
    }
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
  }
  QString OpenFileName(QWidget* parent, const FileDialogRequest& request) override {
    QFileDialog dialog(parent, request.Title, QString(), request.Filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.DefaultSuffix);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
  }
};

class DesktopPrinter final : public PrintService {
 public:
  bool PrintDocument(QWidget* parent, QTextDocument& document) override {
    QPrinter printer(QPrinter::HighResolution);
    // The job's name in the printer queue, and the file name the dialog proposes for
    // printing to a file, in place of "print.pdf".
    QString name = document.metaInformation(QTextDocument::DocumentTitle);
    name.replace(QLatin1Char(':'), QStringLiteral(" -"));
    printer.setDocName(name);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) {
      return false;
    }
    return documents::PaintPages(document, printer) > 0;
  }
};

}  // namespace

Services DesktopServices() {
  static DesktopMessages messages;
  static DesktopBrowser browser;
  static DesktopFiles files;
  static DesktopPrinter printer;
  return {&messages, &browser, &files, &printer};
}

QString ProgramTitle() {
  return QString::fromUtf8(kProgramTitle.data(), static_cast<qsizetype>(kProgramTitle.size()));
}

QUrl HelpPageUrl() {
  // An installed program opens the page installed beside it (<prefix>/share/lumora/help),
  // which every browser can read, confined ones included.
  const QString installed = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                            QStringLiteral("/../share/lumora/help/index.html"));
  if (QFileInfo::exists(installed)) {
    return QUrl::fromLocalFile(installed);
  }
  // Run from its build folder, the program writes the page out of its resources, which the
  // browser cannot read.
  QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
  if (folder.isEmpty()) {
    folder = QDir::tempPath();
  }
  QDir().mkpath(folder);
  const QString path = QDir(folder).filePath(QStringLiteral("lumora-help.html"));
  QFile source(QStringLiteral(":/resources/help/index.html"));
  QFile target(path);
  if (source.open(QIODevice::ReadOnly) && target.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    target.write(source.readAll());
  }
  return QUrl::fromLocalFile(path);
}

QString PlaceLookupHint() {
  // The look-up searches the bundled atlas of places; nothing goes to the network.
  return QCoreApplication::translate(
      "lumora::ui::PlaceLookup",
      "Enter your City, State & Country. Now click \"Find Latitude & Longitude\". Find Latitude "
      "/ Longitude in the built-in atlas.");
}

}  // namespace lumora::ui
