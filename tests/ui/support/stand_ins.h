// SPDX-License-Identifier: MIT
#pragma once

#include <QDir>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <vector>

#include "ui/shell/services.h"

namespace lumora::testing {

// Records every message box instead of showing it.
class RecordingMessages : public ui::MessageService {
 public:
  struct Shown {
    QString Text;
    MessageIcon Icon;
  };
  void Show(QWidget* parent, const QString& text, MessageIcon icon) override;
  // Questions are answered with answer and recorded.
  bool Confirm(QWidget* parent, const QString& question) override;
  std::vector<Shown> shown;
  QStringList asked;
  bool answer = true;
  QString Last() const { return shown.empty() ? QString() : shown.back().Text; }
};

class RecordingBrowser : public ui::BrowserService {
 public:
  void Open(const QUrl& url) override { opened.push_back(url); }
  std::vector<QUrl> opened;
};

// Answers file dialogs with prepared paths (an empty path cancels).
class ScriptedFiles : public ui::FileDialogService {
 public:
  QString SaveFileName(QWidget* parent, const ui::FileDialogRequest& request) override;
  QString OpenFileName(QWidget* parent, const ui::FileDialogRequest& request) override;
  QString next_save;
  QString next_open;
  std::vector<ui::FileDialogRequest> requests;
};

// "Prints" to a PDF file, as choosing a PDF printer in the print dialog would.
class PdfPrinter : public ui::PrintService {
 public:
  bool PrintDocument(QWidget* parent, QTextDocument& document) override;
  QString pdf_path;
  int printed = 0;
  QString last_text;  // the plain text of the last printed document
};

struct StandIns {
  // Remembered settings, caches (the help page written out for the browser) and data go
  // to a folder of this test's own, never the user's, and start from the program's
  // defaults: the standard locations are read from these variables at each use.
  StandIns() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_dir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_dir.path());
    for (const char* variable :
         {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"}) {
      qputenv(variable,
              QDir(settings_dir.path()).filePath(QString::fromLatin1(variable)).toLocal8Bit());
    }
  }
  QTemporaryDir settings_dir;
  RecordingMessages messages;
  RecordingBrowser browser;
  ScriptedFiles files;
  PdfPrinter printer;
  ui::Services Services() { return {&messages, &browser, &files, &printer}; }
};

// Saves a picture of the widget as DIR/NAME.png when LUMORA_SCREENSHOTS=DIR is set.
void Screenshot(QWidget* widget, const QString& name);

// Types text into the focused widget key by key, as a person would.
void TypeInto(QWidget* widget, const QString& text);

}  // namespace lumora::testing
