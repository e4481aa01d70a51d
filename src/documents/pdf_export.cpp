// SPDX-License-Identifier: MIT
#include "documents/pdf_export.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextDocument>
#include <array>
#include <functional>

#include "core/glossary/phrases.h"
#include "documents/bi_wheel_object.h"
#include "documents/chart_object.h"
#include "documents/document_layout.h"
#include "documents/pdf_text_layer.h"
#include "documents/timeline_picture.h"

namespace lumora::documents {

namespace {

// The layout resolution: documents are laid out as for a 96 dpi screen and scaled to
// the device, as QTextDocument::print does, so a page breaks alike on every printer.
constexpr int kLayoutDpi = 96;
constexpr double kPointsPerInch = 72.0;
constexpr double kMarginMillimetres = 18.0;
// How far, in layout pixels, a laid-out line may reach past its page (a quarter of a
// line of body text).
constexpr double kLineOverhang = 4.0;
// The foot of each page holds its number.
constexpr double kFooterPoints = 24.0;
constexpr double kFooterFontPoints = 8.0;

FormFailure SaveFailure(const QString& path, const QString& reason) {
  const QString message =
      QStringLiteral(
          "The PDF file %1 could not be saved (%2). Any earlier file of that name "
          "is unchanged.")
          .arg(QDir::toNativeSeparators(path), reason);
  return FormFailure{message.toStdString(), MessageIcon::Error, std::nullopt, false};
}

}  // namespace

QPageSize::PageSizeId PaperForLocale(const QLocale& locale) {
  // Countries whose stationery is US Letter (CLDR supplemental data, paperSize).
  static constexpr std::array kLetterTerritories = {
      QLocale::UnitedStates, QLocale::Canada,    QLocale::Mexico,      QLocale::Belize,
      QLocale::Chile,        QLocale::Colombia,  QLocale::CostaRica,   QLocale::DominicanRepublic,
      QLocale::ElSalvador,   QLocale::Guatemala, QLocale::Nicaragua,   QLocale::Panama,
      QLocale::PuertoRico,   QLocale::Venezuela, QLocale::Philippines,
  };
  for (QLocale::Territory territory : kLetterTerritories) {
    if (locale.territory() == territory) {
      return QPageSize::Letter;
    }
  }
  return QPageSize::A4;
}

namespace {

// The text document's property holding its pages' footer, "Page %1 of %2" in its language.
constexpr const char* kPageFooterProperty = "lumoraPageFooter";

QString PageFooterWords(Language language) {
  return QString::fromStdString(Fill(PhrasesOf(language).PageOf, {"%1", "%2"}));
}

}  // namespace

void SetPageFooter(QTextDocument& document, Language language) {
  document.setProperty(kPageFooterProperty, PageFooterWords(language));
}

namespace {

// Paints the pages onto any device: a printer, the PDF writer, or the recorder of the
// writer's text runs, which must see the very same drawing.
int PaintPagesOn(const QTextDocument& source, QPaintDevice& device, const QRectF& paint_points,
                 const std::function<bool()>& new_page) {
  std::unique_ptr<QTextDocument> doc(source.clone());
  // A fixed layout resolution, whatever the screen: an image of that resolution lays
  // the text out.
  QImage layout_device(1, 1, QImage::Format_RGB32);
  const int dots_per_metre = qRound(kLayoutDpi / 0.0254);
  layout_device.setDotsPerMeterX(dots_per_metre);
  layout_device.setDotsPerMeterY(dots_per_metre);
  doc->documentLayout()->setPaintDevice(&layout_device);
  RegisterChartObjects(*doc);
  RegisterTimelineObjects(*doc);
  RegisterBiWheelObjects(*doc);

  const double to_layout = kLayoutDpi / kPointsPerInch;
  const QSizeF page(paint_points.width() * to_layout,
                    (paint_points.height() - kFooterPoints) * to_layout);
  doc->setDocumentMargin(0);
  doc->setPageSize(page);
  PaginateForPaper(*doc);
  const int pages = doc->pageCount();

  QPainter painter(&device);
  if (!painter.isActive()) {
    return 0;
  }
  const double scale_x = device.logicalDpiX() / static_cast<double>(kLayoutDpi);
  const double scale_y = device.logicalDpiY() / static_cast<double>(kLayoutDpi);
  // The painter is scaled from layout units, so the footer's font is sized for the
  // layout resolution too.
  const QVariant footer_property = source.property(kPageFooterProperty);
  const QString footer_words =
      footer_property.isValid() ? footer_property.toString() : PageFooterWords(Language::English);
  QFont footer_font = doc->defaultFont();
  footer_font.setPixelSize(qRound(kFooterFontPoints * kLayoutDpi / kPointsPerInch));
  for (int index = 0; index < pages; ++index) {
    if (index > 0 && !new_page()) {
      return 0;
    }
    painter.save();
    painter.scale(scale_x, scale_y);
    const QRectF view(0, index * page.height(), page.width(), page.height());
    painter.translate(0, -view.top());
    painter.setClipRect(view);
    QAbstractTextDocumentLayout::PaintContext context;
    // The layout moves a line that does not fit to the next page, but lets one reach
    // a pixel or so past the page's foot; such a line belongs to the page above and
    // must not be drawn (as hidden text) again at the top of the next one.
    context.clip = view.adjusted(0, kLineOverhang, 0, -kLineOverhang);
    context.palette.setColor(QPalette::Text, Qt::black);
    doc->documentLayout()->draw(&painter, context);
    painter.restore();

    painter.save();
    painter.scale(scale_x, scale_y);
    painter.setFont(footer_font);
    painter.setPen(QColor(0x50, 0x50, 0x50));
    const QRectF footer(0, page.height(), page.width(), kFooterPoints * to_layout);
    const QString title = doc->metaInformation(QTextDocument::DocumentTitle);
    painter.drawText(footer, Qt::AlignLeft | Qt::AlignBottom, title);
    painter.drawText(footer, Qt::AlignRight | Qt::AlignBottom,
                     footer_words.arg(index + 1).arg(pages));
    painter.restore();
  }
  return painter.end() ? pages : 0;
}

}  // namespace

int PaintPages(const QTextDocument& source, QPagedPaintDevice& device) {
  return PaintPagesOn(source, device, device.pageLayout().paintRect(QPageLayout::Point),
                      [&device] { return device.newPage(); });
}

FormResult<qint64> SavePdf(const Document& document, const QString& path,
                           QPageSize::PageSizeId paper) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    return SaveFailure(path, file.errorString());
  }
  int pages = 0;
  QByteArray pdf;
  {
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(QString::fromStdString(document.Title));
    writer.setCreator(QStringLiteral("Lumora " LUMORA_VERSION));
    writer.setPageSize(QPageSize(paper));
    writer.setPageMargins(
        QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
        QPageLayout::Millimeter);
    QTextDocument text;
    RenderDocument(document, text);
    pages = PaintPages(text, writer);
    TextRunRecorder recorder(writer.width(), writer.height(), writer.logicalDpiX(),
                             writer.logicalDpiY());
    PaintPagesOn(text, recorder, writer.pageLayout().paintRect(QPageLayout::Point),
                 [] { return true; });
    if (pages > 0) {
      pdf = WithActualText(pdf, recorder.Runs());
    }
  }
  if (pages > 0 && file.write(pdf) != pdf.size() && file.error() == QFileDevice::NoError) {
    pages = 0;
  }
  if (pages == 0 || file.error() != QFileDevice::NoError) {
    const QString reason =
        file.error() != QFileDevice::NoError ? file.errorString() : QStringLiteral("nothing drawn");
    file.cancelWriting();
    return SaveFailure(path, reason);
  }
  if (!file.commit()) {
    return SaveFailure(path, file.errorString());
  }
  return QFileInfo(path).size();
}

QString WritableSaveFolder() {
  const auto writable = [](const QString& folder) {
    const QFileInfo info(folder);
    return !folder.isEmpty() && info.isDir() && info.isWritable();
  };
  // Desktops without XDG user folders name a Documents folder that was never made.
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!documents.isEmpty() && documents != QDir::homePath() && !QFileInfo::exists(documents)) {
    QDir().mkpath(documents);
  }
  for (const QString& folder : {documents, QDir::homePath(), QDir::tempPath()}) {
    if (writable(folder)) {
      return folder;
    }
  }
  return QDir::tempPath();
}

QString DefaultSavePath(const QString& file_name) {
  return QDir(WritableSaveFolder()).filePath(file_name);
}

QString DefaultPdfPath(const QString& stem) {
  return DefaultSavePath(stem + QStringLiteral(".pdf"));
}

std::unique_ptr<QGuiApplication> StartOffscreenApplication() {
  if (QGuiApplication::instance() != nullptr) {
    return nullptr;
  }
  // A tool run from scripts, cron or SSH must not need a display, nor fail on a
  // display that has gone away.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  static int argc = 1;
  static char name[] = "lumora-cli";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace lumora::documents
