// SPDX-License-Identifier: MIT
#include "cli/pdf_output.h"

#include <QGuiApplication>
#include <QLocale>
#include <iostream>

#include "cli/cli_io.h"
#include "core/file_access.h"
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
  // Only a new name or a regular file the user may write in place is replaced: the
  // save renames a new file over the old, which would put a file where a device node
  // such as /dev/null was.
  if (const auto failure = FailureOf(CheckWriteTarget(path))) {
    throw UsageError("The PDF file could not be saved: " + failure->Message +
                     ". Any earlier file of that name is unchanged.");
  }
  qInstallMessageHandler(QuietQtMessage);
  const std::unique_ptr<QGuiApplication> application = documents::StartOffscreenApplication();
  const FormResult<qint64> saved = documents::SavePdf(document, QString::fromStdString(path),
                                                      documents::PaperForLocale(QLocale::system()));
  if (const auto* failure = std::get_if<FormFailure>(&saved)) {
    throw UsageError(failure->Message);
  }
}

std::string RefuseEmptyFileName(const std::string& name) {
  return name.empty() ? "the file name is empty" : "";
}

void RequireOneInputForPdf(std::size_t input_count) {
  if (input_count != 1) {
    throw UsageError("--pdf writes one document: give exactly one input object (this input has " +
                     std::to_string(input_count) + ")");
  }
}

}  // namespace lumora::cli
