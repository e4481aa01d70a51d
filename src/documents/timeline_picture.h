// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QObject>
#include <QRectF>
#include <QTextObjectInterface>
#include <optional>

#include "core/document.h"

class QPainter;
class QTextCursor;
class QTextDocument;

namespace lumora::documents {

// The height a timeline of this many rows asks for, in layout pixels.
double TimelineHeight(int rows);

// Draws the rows as bars one above the other over the timeline's days, in vectors only
// (rectangles, lines and text), so it is sharp at any scale and in a PDF: each segment
// named where it has room, a year scale under the bars, the shaded windows across all rows
// and the marked day as a line with its label.
void PaintTimeline(QPainter& painter, const QRectF& area, const DocumentTimeline& timeline,
                   const QFont& font);

// Timelines inside rich text, as the charts are: one object character holds the timeline
// as data and this handler sizes and paints it.
class TimelineTextObject : public QObject, public QTextObjectInterface {
  Q_OBJECT
  Q_INTERFACES(QTextObjectInterface)
 public:
  using QObject::QObject;

  QSizeF intrinsicSize(QTextDocument* document, int position, const QTextFormat& format) override;
  void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int position,
                  const QTextFormat& format) override;
};

void RegisterTimelineObjects(QTextDocument& document);

// Writes the timeline at the cursor, in a paragraph of its own.
void InsertTimeline(QTextCursor& cursor, const DocumentTimeline& timeline, bool first_block,
                    bool page_break);

// The timeline a format written by InsertTimeline holds.
std::optional<DocumentTimeline> TimelineOf(const QTextFormat& format);

}  // namespace lumora::documents
