// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>
#include <QUrl>

#include "core/form_failure.h"

class QWidget;
class QTextDocument;

namespace lumora::ui {

// Everything a window hands to the desktop goes through one of these, so tests can
// stand in for message boxes, dialogs, the printer and the browser.

class MessageService {
 public:
  virtual ~MessageService() = default;
  // A modal message with one OK button and the program's title.
  virtual void Show(QWidget* parent, const QString& text, MessageIcon icon) = 0;
  // A modal question with Yes and No (No the default); true for Yes.
  virtual bool Confirm(QWidget* parent, const QString& question) = 0;
};

class BrowserService {
 public:
  virtual ~BrowserService() = default;
  virtual void Open(const QUrl& url) = 0;
};

struct FileDialogRequest {
  QString Title;
  QString Filter;
  QString DefaultSuffix;
  QString DefaultPath;  // the file a save proposes; empty: none
};

class FileDialogService {
 public:
  virtual ~FileDialogService() = default;
  // The chosen file, or an empty text when the user cancels.
  virtual QString SaveFileName(QWidget* parent, const FileDialogRequest& request) = 0;
  virtual QString OpenFileName(QWidget* parent, const FileDialogRequest& request) = 0;
};

class PrintService {
 public:
  virtual ~PrintService() = default;
  // Print through the print dialog (which can also print to a PDF file), laid out at
  // the printer's resolution with numbered pages; false when cancelled or failed.
  virtual bool PrintDocument(QWidget* parent, QTextDocument& document) = 0;
};

struct Services {
  MessageService* Messages = nullptr;
  BrowserService* Browser = nullptr;
  FileDialogService* Files = nullptr;
  PrintService* Printer = nullptr;
};

// The desktop implementations.
Services DesktopServices();

// The program's title on message boxes and dialogs.
QString ProgramTitle();

// The help page shipped with the program, written out as a file: the program's only
// address.
QUrl HelpPageUrl();
// The hint beside the coordinate look-up of both forms.
QString PlaceLookupHint();

}  // namespace lumora::ui
