// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QStringList>
#include <QTextObjectInterface>
#include <optional>
#include <vector>

#include "core/document.h"

class QTextCursor;
class QTextDocument;

namespace lumora::documents {

// Rasi charts inside rich text: one object character stands for a row of charts, and
// the document's layout asks this handler for its size and to paint it, in vectors, on
// whatever it paints the text (a window, a printer, a PDF file).
class ChartTextObject : public QObject, public QTextObjectInterface {
  Q_OBJECT
  Q_INTERFACES(QTextObjectInterface)
 public:
  using QObject::QObject;

  QSizeF intrinsicSize(QTextDocument* document, int position, const QTextFormat& format) override;
  void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int position,
                  const QTextFormat& format) override;
};

// Lets the document's layout draw chart objects. A document keeps its charts as data
// when it is copied (QTextDocument::clone), but the copy's layout needs this again.
void RegisterChartObjects(QTextDocument& document);

// Writes the row of charts at the cursor, in a centred paragraph of its own.
void InsertCharts(QTextCursor& cursor, const DocumentCharts& charts, bool first_block,
                  bool page_break);

// How many charts the object holds, and each one's caption and chart, read back from
// a format written by InsertCharts (for the layout, and for tests of what was written).
struct ChartRow {
  ChartStyle Style = ChartStyle::NorthIndian;
  Language Labels = Language::English;
  QStringList Captions;
  std::vector<SiderealChart> Charts;
};
std::optional<ChartRow> ChartRowOf(const QTextFormat& format);

}  // namespace lumora::documents
