// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QTextObjectInterface>
#include <optional>

#include "core/document.h"

class QTextCursor;
class QTextDocument;

namespace lumora::documents {

// A bi-wheel inside rich text, drawn in vectors by the document's layout on whatever it
// paints (a window, a printer, a PDF file), like the rasi chart objects.
class BiWheelTextObject : public QObject, public QTextObjectInterface {
  Q_OBJECT
  Q_INTERFACES(QTextObjectInterface)
 public:
  using QObject::QObject;

  QSizeF intrinsicSize(QTextDocument* document, int position, const QTextFormat& format) override;
  void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int position,
                  const QTextFormat& format) override;
};

void RegisterBiWheelObjects(QTextDocument& document);

// Writes the wheel at the cursor, in a centred paragraph of its own, its caption above.
void InsertBiWheel(QTextCursor& cursor, const DocumentBiWheel& wheel, bool first_block,
                   bool page_break);

// The wheel read back from a format written by InsertBiWheel.
std::optional<DocumentBiWheel> BiWheelOf(const QTextFormat& format);

}  // namespace lumora::documents
