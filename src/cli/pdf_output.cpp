// SPDX-License-Identifier: MIT
#include "cli/pdf_output.h"

#include <QGuiApplication>
#include <QLocale>
#include <iostream>

#include "cli/cli_io.h"
#include "documents/pdf_export.h"

namespace lumora::cli {

namespace {

// The tool's standard error carries its own messages only, not Qt's remarks about
// the environment (no runtime folder, no display).
void QuietQtMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) {
    *Context().Err << "lumora-cli: " << message.toStdString() << '\n';
  }
}

}  // namespace

void WritePdfFile(const Document& document, const std::string& path) {
  qInstallMessageHandler(QuietQtMessage);
  const std::unique_ptr<QGuiApplication> application = documents::StartOffscreenApplication();
  const FormResult<qint64> saved = documents::SavePdf(document, QString::fromStdString(path),
                                                      documents::PaperForLocale(QLocale::system()));
  if (const auto* failure = std::get_if<FormFailure>(&saved)) {
    throw UsageError(failure->Message);
  }
}

void RequireOneInputForPdf(std::size_t input_count) {
  if (input_count != 1) {
    throw UsageError("--pdf writes one document: give exactly one input object (this input has " +
                     std::to_string(input_count) + ")");
  }
}

}  // namespace lumora::cli
