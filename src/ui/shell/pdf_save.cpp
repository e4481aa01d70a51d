// SPDX-License-Identifier: MIT
#include "ui/shell/pdf_save.h"

#include <QDir>
#include <QLocale>
#include <QSaveFile>

#include "documents/pdf_export.h"
#include "ui/shell/language_choice.h"

namespace lumora::ui {

std::optional<QString> SaveDocumentAsPdf(QWidget* parent, const Services& services,
                                         const Document& document, const QString& stem) {
  const QString path = services.Files->SaveFileName(
      parent, {QStringLiteral("Save As PDF"), QStringLiteral("PDF documents (*.pdf)"),
               QStringLiteral("pdf"), documents::DefaultPdfPath(stem)});
  if (path.isEmpty()) {
    return std::nullopt;
  }
  const FormResult<qint64> saved =
      documents::SavePdf(document, path, documents::PaperForLocale(QLocale::system()));
  if (const auto* failure = std::get_if<FormFailure>(&saved)) {
    const QString message = MessageText(failure->Message);
    services.Messages->Show(parent, message, MessageIcon::Error);
    return message;
  }
  return QStringLiteral("Saved %1").arg(QDir::toNativeSeparators(path));
}

std::optional<QString> SaveWholeFile(const QString& path, const std::string& bytes) {
  QSaveFile file(path);
  const bool saved = file.open(QIODevice::WriteOnly) &&
                     file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
                         static_cast<qint64>(bytes.size()) &&
                     file.commit();
  if (saved) {
    return std::nullopt;
  }
  return file.errorString();
}

}  // namespace lumora::ui
