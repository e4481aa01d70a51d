// SPDX-License-Identifier: MIT
#include "documents/timeline_picture.h"

#include <QAbstractTextDocumentLayout>
#include <QColor>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "documents/picture_block.h"

namespace lumora::documents {

namespace {

constexpr int kTimelineObjectType = QTextFormat::UserObject + 3;
constexpr int kRangeProperty = QTextFormat::UserProperty + 21;   // [from, to]
constexpr int kRowsProperty = QTextFormat::UserProperty + 22;    // per row: caption, segments
constexpr int kMarkProperty = QTextFormat::UserProperty + 23;    // [day, label] or empty
constexpr int kShadedProperty = QTextFormat::UserProperty + 24;  // [from, to, from, to ...]

// Layout pixels (96 to the inch).
constexpr double kRowHeight = 28.0;
constexpr double kRowGap = 8.0;
constexpr double kMarkLabelHeight = 18.0;
constexpr double kScaleHeight = 20.0;
constexpr double kCaptionWidth = 96.0;
constexpr double kRightMargin = 18.0;  // room for half a year label at the scale's end
constexpr double kFallbackWidth = 560.0;
constexpr double kWidestTimeline = 680.0;
constexpr double kNarrowestShade = 3.0;  // a Sandhi of a few days stays visible
constexpr double kDaysPerYear = 365.2425;
constexpr int kDayZeroYear = 1970;  // day 0 is 1970-01-01

// One fill per lord, in the Vimshottari order, pale enough for black text; other labels
// take the neutral fill.
struct LordFill {
  std::string_view Lord;
  QRgb Fill;
};
constexpr std::array<LordFill, 9> kLordFills{{
    {"Ketu", 0xffd9d2c5},
    {"Venus", 0xfff3d6e4},
    {"Sun", 0xffffe0a3},
    {"Moon", 0xffe6eef7},
    {"Mars", 0xfff6c1b8},
    {"Rahu", 0xffc9c9d9},
    {"Jupiter", 0xfffff1b0},
    {"Saturn", 0xffb9c8d9},
    {"Mercury", 0xffc6e8c6},
}};
constexpr QRgb kNeutralFill = 0xffe8e8e8;
constexpr QRgb kSandhiShade = 0x66ff8c00;  // translucent orange
constexpr QRgb kMarkColor = 0xffc00000;

QColor FillOf(const std::string& label) {
  for (const LordFill& fill : kLordFills) {
    if (fill.Lord == label) {
      return QColor::fromRgba(fill.Fill);
    }
  }
  return QColor::fromRgba(kNeutralFill);
}

double YearOf(int day) {
  return kDayZeroYear + day / kDaysPerYear;
}

}  // namespace

double TimelineHeight(int rows) {
  return kMarkLabelHeight + rows * (kRowHeight + kRowGap) + kScaleHeight;
}

void PaintTimeline(QPainter& painter, const QRectF& area, const DocumentTimeline& timeline,
                   const QFont& font) {
  if (timeline.ToDay <= timeline.FromDay) {
    return;
  }
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setFont(font);
  const QFontMetricsF metrics(font);
  const double left = area.left() + kCaptionWidth;
  const double width = std::max(1.0, area.width() - kCaptionWidth - kRightMargin);
  const double span = timeline.ToDay - timeline.FromDay;
  const auto x_of = [&](int day) {
    return left + width * std::clamp((day - timeline.FromDay) / span, 0.0, 1.0);
  };
  const double bars_top = area.top() + kMarkLabelHeight;
  const double bars_bottom =
      bars_top + static_cast<double>(timeline.Rows.size()) * (kRowHeight + kRowGap) - kRowGap;

  for (std::size_t r = 0; r < timeline.Rows.size(); ++r) {
    const TimelineRow& row = timeline.Rows[r];
    const double top = bars_top + static_cast<double>(r) * (kRowHeight + kRowGap);
    painter.setPen(QColor(0x20, 0x20, 0x20));
    painter.drawText(QRectF(area.left(), top, kCaptionWidth - 6.0, kRowHeight),
                     Qt::AlignRight | Qt::AlignVCenter,
                     metrics.elidedText(QString::fromStdString(row.Caption), Qt::ElideRight,
                                        kCaptionWidth - 6.0));
    for (const TimelineSegment& segment : row.Segments) {
      const QRectF box(x_of(segment.FromDay), top, x_of(segment.ToDay) - x_of(segment.FromDay),
                       kRowHeight);
      painter.setPen(QPen(QColor(0x50, 0x50, 0x50), 0.8));
      painter.setBrush(FillOf(segment.Label));
      painter.drawRect(box);
      const QString label = QString::fromStdString(segment.Label);
      QString shown;
      if (metrics.horizontalAdvance(label) + 4.0 <= box.width()) {
        shown = label;
      } else if (metrics.horizontalAdvance(label.left(2)) + 2.0 <= box.width()) {
        shown = label.left(2);
      }
      painter.setPen(Qt::black);
      painter.drawText(box, Qt::AlignCenter, shown);
    }
  }

  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor::fromRgba(kSandhiShade));
  for (const TimelineWindow& window : timeline.Shaded) {
    double from = x_of(window.FromDay);
    double to = x_of(window.ToDay);
    if (to - from < kNarrowestShade) {
      const double middle = 0.5 * (from + to);
      from = middle - kNarrowestShade / 2.0;
      to = middle + kNarrowestShade / 2.0;
    }
    painter.drawRect(QRectF(from, bars_top - 3.0, to - from, bars_bottom - bars_top + 6.0));
  }

  // The year scale: a tick each decade, labelled.
  const double scale_top = bars_bottom + 4.0;
  painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 0.8));
  painter.drawLine(QPointF(left, scale_top), QPointF(left + width, scale_top));
  const int first_decade = static_cast<int>(std::ceil(YearOf(timeline.FromDay) / 10.0)) * 10;
  for (int year = first_decade; year <= YearOf(timeline.ToDay); year += 10) {
    const double x = left + width * ((year - YearOf(timeline.FromDay)) /
                                     (YearOf(timeline.ToDay) - YearOf(timeline.FromDay)));
    painter.drawLine(QPointF(x, scale_top), QPointF(x, scale_top + 4.0));
    painter.drawText(QRectF(x - 30.0, scale_top + 3.0, 60.0, kScaleHeight - 3.0),
                     Qt::AlignHCenter | Qt::AlignTop, QString::number(year));
  }

  if (timeline.MarkDay) {
    const double x = x_of(*timeline.MarkDay);
    painter.setPen(QPen(QColor::fromRgba(kMarkColor), 1.6));
    painter.drawLine(QPointF(x, bars_top - 4.0), QPointF(x, bars_bottom + 4.0));
    const QString label = QString::fromStdString(timeline.MarkLabel);
    const double label_width = metrics.horizontalAdvance(label) + 6.0;
    const double label_left =
        std::clamp(x - label_width / 2.0, area.left(), area.right() - label_width);
    painter.drawText(QRectF(label_left, area.top(), label_width, kMarkLabelHeight - 2.0),
                     Qt::AlignCenter, label);
  }
  painter.restore();
}

std::optional<DocumentTimeline> TimelineOf(const QTextFormat& format) {
  if (format.objectType() != kTimelineObjectType) {
    return std::nullopt;
  }
  DocumentTimeline timeline;
  const QVariantList range = format.property(kRangeProperty).toList();
  if (range.size() != 2) {
    return std::nullopt;
  }
  timeline.FromDay = range[0].toInt();
  timeline.ToDay = range[1].toInt();
  for (const QVariant& row_value : format.property(kRowsProperty).toList()) {
    const QVariantList row = row_value.toList();
    if (row.isEmpty() || (row.size() - 1) % 3 != 0) {
      return std::nullopt;
    }
    TimelineRow out{row[0].toString().toStdString(), {}};
    for (qsizetype i = 1; i + 2 < row.size(); i += 3) {
      out.Segments.push_back(
          {row[i].toString().toStdString(), row[i + 1].toInt(), row[i + 2].toInt()});
    }
    timeline.Rows.push_back(std::move(out));
  }
  const QVariantList mark = format.property(kMarkProperty).toList();
  if (mark.size() == 2) {
    timeline.MarkDay = mark[0].toInt();
    timeline.MarkLabel = mark[1].toString().toStdString();
  }
  const QVariantList shaded = format.property(kShadedProperty).toList();
  for (qsizetype i = 0; i + 1 < shaded.size(); i += 2) {
    timeline.Shaded.push_back({shaded[i].toInt(), shaded[i + 1].toInt()});
  }
  return timeline;
}

QSizeF TimelineTextObject::intrinsicSize(QTextDocument* document, int, const QTextFormat& format) {
  const std::optional<DocumentTimeline> timeline = TimelineOf(format);
  if (!timeline) {
    return {};
  }
  double width = document != nullptr ? document->textWidth() : -1.0;
  if (width <= 0.0) {
    width = kFallbackWidth;
  }
  return {std::min(kWidestTimeline, width - 8.0),
          TimelineHeight(static_cast<int>(timeline->Rows.size()))};
}

void TimelineTextObject::drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document,
                                    int, const QTextFormat& format) {
  const std::optional<DocumentTimeline> timeline = TimelineOf(format);
  if (!timeline) {
    return;
  }
  QFont font = document != nullptr ? document->defaultFont() : QFont();
  font.setPixelSize(11);
  PaintTimeline(*painter, rect, *timeline, font);
}

void RegisterTimelineObjects(QTextDocument& document) {
  QAbstractTextDocumentLayout* layout = document.documentLayout();
  if (layout->handlerForObject(kTimelineObjectType) == nullptr) {
    layout->registerHandler(kTimelineObjectType, new TimelineTextObject(&document));
  }
}

void InsertTimeline(QTextCursor& cursor, const DocumentTimeline& timeline, bool first_block,
                    bool page_break) {
  RegisterTimelineObjects(*cursor.document());
  StartPictureBlock(cursor, 6, first_block, page_break);
  QVariantList rows;
  for (const TimelineRow& row : timeline.Rows) {
    QVariantList out{QString::fromStdString(row.Caption)};
    for (const TimelineSegment& segment : row.Segments) {
      out << QString::fromStdString(segment.Label) << segment.FromDay << segment.ToDay;
    }
    rows.push_back(out);
  }
  QVariantList shaded;
  for (const TimelineWindow& window : timeline.Shaded) {
    shaded << window.FromDay << window.ToDay;
  }
  QTextCharFormat object;
  object.setObjectType(kTimelineObjectType);
  object.setProperty(kRangeProperty, QVariantList{timeline.FromDay, timeline.ToDay});
  object.setProperty(kRowsProperty, rows);
  if (timeline.MarkDay) {
    object.setProperty(kMarkProperty,
                       QVariantList{*timeline.MarkDay, QString::fromStdString(timeline.MarkLabel)});
  }
  object.setProperty(kShadedProperty, shaded);
  cursor.insertText(QString(QChar::ObjectReplacementCharacter), object);
}

}  // namespace lumora::documents
