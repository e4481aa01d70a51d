// SPDX-License-Identifier: MIT
#include "ui/common/link_button.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QTextDocument>
#include <cmath>

namespace lumora::ui {

LinkButton::LinkButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent), document_(new QTextDocument(this)) {
  setFlat(true);
  setCursor(Qt::PointingHandCursor);
  setAutoDefault(false);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
  Lay();
}

LinkButton::~LinkButton() = default;

// The text is laid out as a label lays out a link, so that the command sits in its line
// of text like one.
void LinkButton::Lay() {
  document_->setDocumentMargin(0);
  document_->setDefaultFont(font());
  document_->setHtml(QStringLiteral("<a href=\"#\">") + text().toHtmlEscaped() +
                     QStringLiteral("</a>"));
  document_->setTextWidth(-1);
  updateGeometry();
}

QSize LinkButton::sizeHint() const {
  const QSizeF size = document_->size();
  return {static_cast<int>(std::ceil(size.width())), static_cast<int>(std::ceil(size.height()))};
}

void LinkButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QSizeF size = document_->size();
  // Centred in height, at the left, as a label aligns its text.
  const qreal top = std::floor((height() - size.height()) / 2);
  painter.translate(0, top);
  QAbstractTextDocumentLayout::PaintContext context;
  context.palette = palette();
  context.palette.setColor(QPalette::Text, palette().color(QPalette::WindowText));
  document_->documentLayout()->draw(&painter, context);
  painter.translate(0, -top);
  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = QRect(0, static_cast<int>(top), sizeHint().width(), sizeHint().height());
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
  }
}

void LinkButton::keyPressEvent(QKeyEvent* event) {
  // Enter follows a link; Space presses a button: both press this one.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    click();
    return;
  }
  QPushButton::keyPressEvent(event);
}

void LinkButton::SetLinkText(const QString& text) {
  setText(text);
  Lay();
  updateGeometry();
  update();
}

void LinkButton::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) {
    Lay();
  }
  QPushButton::changeEvent(event);
}

}  // namespace lumora::ui
