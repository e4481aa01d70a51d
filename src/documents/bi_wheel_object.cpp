// SPDX-License-Identifier: MIT
#include "documents/bi_wheel_object.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>

#include "documents/bi_wheel_picture.h"
#include "documents/picture_block.h"

namespace lumora::documents {

namespace {

constexpr int kBiWheelObjectType = QTextFormat::UserObject + 2;
constexpr int kCaptionProperty = QTextFormat::UserProperty + 11;
constexpr int kInnerProperty = QTextFormat::UserProperty + 12;
constexpr int kOuterProperty = QTextFormat::UserProperty + 13;
constexpr int kCuspsProperty = QTextFormat::UserProperty + 14;
// Each aspect as four numbers: A's point, B's point, the aspect, the orb.
constexpr int kAspectsProperty = QTextFormat::UserProperty + 15;
constexpr int kNumbersPerAspect = 4;

// Layout pixels (96 to the inch): a wheel about 12 cm across on paper.
constexpr double kWheelSide = 460.0;
constexpr double kCaptionHeight = 24.0;
constexpr double kCaptionPixels = 14.0;

QVariantList ListOf(const auto& values) {
  QVariantList list;
  for (double value : values) {
    list << value;
  }
  return list;
}

template <std::size_t N>
bool Fill(std::array<double, N>& target, const QVariantList& list) {
  if (list.size() != static_cast<qsizetype>(N)) {
    return false;
  }
  for (std::size_t i = 0; i < N; ++i) {
    target[i] = list[static_cast<qsizetype>(i)].toDouble();
  }
  return true;
}

}  // namespace

std::optional<DocumentBiWheel> BiWheelOf(const QTextFormat& format) {
  if (format.objectType() != kBiWheelObjectType) {
    return std::nullopt;
  }
  DocumentBiWheel wheel;
  wheel.Caption = format.stringProperty(kCaptionProperty).toStdString();
  if (!Fill(wheel.Inner, format.property(kInnerProperty).toList()) ||
      !Fill(wheel.Outer, format.property(kOuterProperty).toList()) ||
      !Fill(wheel.InnerCusps, format.property(kCuspsProperty).toList())) {
    return std::nullopt;
  }
  const QVariantList aspects = format.property(kAspectsProperty).toList();
  for (qsizetype i = 0; i + kNumbersPerAspect <= aspects.size(); i += kNumbersPerAspect) {
    SynastryAspect aspect;
    aspect.A = static_cast<ChartPoint>(aspects[i].toInt());
    aspect.B = static_cast<ChartPoint>(aspects[i + 1].toInt());
    aspect.Kind = static_cast<AspectKind>(aspects[i + 2].toInt());
    aspect.Orb = aspects[i + 3].toDouble();
    wheel.Aspects.push_back(aspect);
  }
  return wheel;
}

QSizeF BiWheelTextObject::intrinsicSize(QTextDocument* document, int, const QTextFormat&) {
  double width = document != nullptr ? document->textWidth() : -1.0;
  const double side = width > 0.0 ? std::min(kWheelSide, width - 8.0) : kWheelSide;
  return {side, side + kCaptionHeight};
}

void BiWheelTextObject::drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document,
                                   int, const QTextFormat& format) {
  const std::optional<DocumentBiWheel> wheel = BiWheelOf(format);
  if (!wheel) {
    return;
  }
  painter->save();
  QFont caption = document != nullptr ? document->defaultFont() : QFont();
  caption.setPixelSize(static_cast<int>(kCaptionPixels));
  caption.setBold(true);
  painter->setFont(caption);
  painter->setPen(QColor(0x20, 0x20, 0x20));
  painter->drawText(QRectF(rect.left(), rect.top(), rect.width(), kCaptionHeight),
                    Qt::AlignHCenter | Qt::AlignVCenter, QString::fromStdString(wheel->Caption));
  QFont glyphs = document != nullptr ? document->defaultFont() : QFont();
  painter->setFont(glyphs);
  PaintBiWheel(*painter,
               QRectF(rect.left(), rect.top() + kCaptionHeight, rect.width(),
                      rect.height() - kCaptionHeight),
               *wheel);
  painter->restore();
}

void RegisterBiWheelObjects(QTextDocument& document) {
  QAbstractTextDocumentLayout* layout = document.documentLayout();
  if (layout->handlerForObject(kBiWheelObjectType) == nullptr) {
    layout->registerHandler(kBiWheelObjectType, new BiWheelTextObject(&document));
  }
}

void InsertBiWheel(QTextCursor& cursor, const DocumentBiWheel& wheel, bool first_block,
                   bool page_break) {
  RegisterBiWheelObjects(*cursor.document());
  StartPictureBlock(cursor, 8, first_block, page_break);
  QVariantList aspects;
  for (const SynastryAspect& aspect : wheel.Aspects) {
    aspects << static_cast<int>(aspect.A) << static_cast<int>(aspect.B)
            << static_cast<int>(aspect.Kind) << aspect.Orb;
  }
  QTextCharFormat object;
  object.setObjectType(kBiWheelObjectType);
  object.setProperty(kCaptionProperty, QString::fromStdString(wheel.Caption));
  object.setProperty(kInnerProperty, ListOf(wheel.Inner));
  object.setProperty(kOuterProperty, ListOf(wheel.Outer));
  object.setProperty(kCuspsProperty, ListOf(wheel.InnerCusps));
  object.setProperty(kAspectsProperty, aspects);
  cursor.insertText(QString(QChar::ObjectReplacementCharacter), object);
}

}  // namespace lumora::documents
