// SPDX-License-Identifier: MIT
#include "support/stand_ins.h"

#include "documents/pdf_export.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QPainter>
#include <QPrinter>
#include <QTest>
#include <QTextDocument>
#include <QWidget>

namespace lumora::testing {

void RecordingMessages::Show(QWidget*, const QString& text, MessageIcon icon) {
  shown.push_back({text, icon});
}

bool RecordingMessages::Confirm(QWidget*, const QString& question) {
  asked.push_back(question);
  return answer;
}

QString ScriptedFiles::SaveFileName(QWidget*, const ui::FileDialogRequest& request) {
  requests.push_back(request);
  return next_save;
}

QString ScriptedFiles::OpenFileName(QWidget*, const ui::FileDialogRequest& request) {
  requests.push_back(request);
  return next_open;
}

bool PdfPrinter::PrintDocument(QWidget*, QTextDocument& document) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pdf_path);
  last_text = document.toPlainText();
  ++printed;
  return lumora::documents::PaintPages(document, printer) > 0;
}

void Screenshot(QWidget* widget, const QString& name) {
  const QString dir = qEnvironmentVariable("LUMORA_SCREENSHOTS");
  if (dir.isEmpty() || widget == nullptr) {
    return;
  }
  QDir().mkpath(dir);
  // What a user sees: the layouts settled after the last change, not before.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  QCoreApplication::processEvents();
  widget->grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

void TypeInto(QWidget* widget, const QString& text) {
  widget->setFocus();
  QTest::keyClicks(widget, text);
}

}  // namespace lumora::testing
