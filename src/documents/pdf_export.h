// SPDX-License-Identifier: MIT
#pragma once

#include <QPageSize>
#include <QString>
#include <memory>

#include "core/document.h"
#include "core/form_result.h"

class QGuiApplication;
class QLocale;
class QPagedPaintDevice;
class QTextDocument;

namespace lumora::documents {

// A4, or Letter where the locale's country uses it (the United States, Canada, Mexico
// and the other countries of the Americas on US paper, and the Philippines).
QPageSize::PageSizeId PaperForLocale(const QLocale& locale);

// The words of the pages' footers ("Page 2 of 5") in the language, kept with the text
// document so that printing it says them as saving it does.
void SetPageFooter(QTextDocument& document, Language language);

// Paints the document page by page onto a printer or PDF writer at the device's own
// resolution, each page numbered at its foot in its footer's words, English by default. Returns the
// number of pages, 0 when the device could not be painted on.
int PaintPages(const QTextDocument& document, QPagedPaintDevice& device);

// Writes the document as a PDF file (selectable text, embedded fonts, the document's
// title as the file's title) on paper of the given size. The file is written beside
// its final name and takes that name only once complete, so a failure leaves any
// earlier file as it was. Returns the size written, or the message saying why not.
FormResult<qint64> SavePdf(const Document& document, const QString& path,
                           QPageSize::PageSizeId paper);

// The folder a save offers: the user's documents folder, made where it is missing, or the
// home folder where it cannot be made or written, or else the folder for temporary files;
// never a folder that cannot be written.
QString WritableSaveFolder();

// A file name in the folder a save offers.
QString DefaultSavePath(const QString& file_name);

// The PDF file name a save offers: the stem in the folder a save offers.
QString DefaultPdfPath(const QString& stem);

// A graphical application object for programs without windows (the command-line tool
// writes PDF files with it): the offscreen platform unless the user chose another,
// so no display is needed. Returns nullptr when one exists already.
std::unique_ptr<QGuiApplication> StartOffscreenApplication();

}  // namespace lumora::documents
