// SPDX-License-Identifier: MIT
#include "documents/chart_object.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>

#include "documents/chart_picture.h"
#include "documents/picture_block.h"

namespace lumora::documents {

namespace {

constexpr int kChartObjectType = QTextFormat::UserObject + 1;
constexpr int kStyleProperty = QTextFormat::UserProperty + 1;
constexpr int kCaptionsProperty = QTextFormat::UserProperty + 2;
// Each chart as its Lagna and the nine grahas, sidereal degrees.
constexpr int kLongitudesProperty = QTextFormat::UserProperty + 3;
constexpr int kLongitudesPerChart = 1 + kGrahaCount;
// Each chart's nine daily speeds (the retrograde marks), and whether it is a Navamsa.
constexpr int kSpeedsProperty = QTextFormat::UserProperty + 4;
constexpr int kNavamsaProperty = QTextFormat::UserProperty + 5;
// The language of the grahas' abbreviations.
constexpr int kLabelsProperty = QTextFormat::UserProperty + 6;

// Sizes in layout pixels (96 to the inch): a row of two charts about 16 cm wide on
// paper, each chart some 8 cm square, large enough for four grahas in a house.
constexpr double kWidestRow = 620.0;
constexpr double kFallbackWidth = 560.0;  // a document not yet given a width
constexpr double kGap = 24.0;
constexpr double kCaptionPixels = 14.0;
constexpr double kCaptionHeight = 24.0;
// PaintRasiChart keeps this share of its area's height under the square for its legend.
constexpr double kLegendShare = 0.07;

QFont CaptionFont(const QTextDocument* document) {
  QFont font = document != nullptr ? document->defaultFont() : QFont();
  font.setPixelSize(static_cast<int>(kCaptionPixels));
  font.setBold(true);
  return font;
}

double RowWidth(const QTextDocument* document) {
  double width = document != nullptr ? document->textWidth() : -1.0;
  if (width <= 0.0) {
    width = kFallbackWidth;
  }
  // Room for the paragraph's own margins.
  return std::min(kWidestRow, width - 8.0);
}

double ChartWidth(double row_width, int count) {
  return (row_width - kGap * (count - 1)) / count;
}

}  // namespace

std::optional<ChartRow> ChartRowOf(const QTextFormat& format) {
  if (format.objectType() != kChartObjectType) {
    return std::nullopt;
  }
  ChartRow row;
  row.Style = static_cast<ChartStyle>(format.intProperty(kStyleProperty));
  row.Labels = static_cast<Language>(format.intProperty(kLabelsProperty));
  row.Captions = format.property(kCaptionsProperty).toStringList();
  const QVariantList longitudes = format.property(kLongitudesProperty).toList();
  const QVariantList speeds = format.property(kSpeedsProperty).toList();
  const QVariantList navamsa = format.property(kNavamsaProperty).toList();
  if (longitudes.size() != row.Captions.size() * kLongitudesPerChart ||
      speeds.size() != row.Captions.size() * kGrahaCount || navamsa.size() != row.Captions.size()) {
    return std::nullopt;
  }
  for (qsizetype c = 0; c < row.Captions.size(); ++c) {
    SiderealChart chart;
    chart.Lagna = longitudes[c * kLongitudesPerChart].toDouble();
    for (int g = 0; g < kGrahaCount; ++g) {
      chart.Planets[static_cast<std::size_t>(g)] =
          longitudes[c * kLongitudesPerChart + 1 + g].toDouble();
      chart.Speeds[static_cast<std::size_t>(g)] = speeds[c * kGrahaCount + g].toDouble();
    }
    chart.Navamsa = navamsa[c].toBool();
    row.Charts.push_back(chart);
  }
  return row;
}

QSizeF ChartTextObject::intrinsicSize(QTextDocument* document, int, const QTextFormat& format) {
  const std::optional<ChartRow> row = ChartRowOf(format);
  if (!row || row->Charts.empty()) {
    return {};
  }
  const double width = RowWidth(document);
  const double chart = ChartWidth(width, static_cast<int>(row->Charts.size()));
  return {width, kCaptionHeight + chart / (1.0 - kLegendShare)};
}

void ChartTextObject::drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document,
                                 int, const QTextFormat& format) {
  const std::optional<ChartRow> row = ChartRowOf(format);
  if (!row || row->Charts.empty()) {
    return;
  }
  const int count = static_cast<int>(row->Charts.size());
  const double chart = ChartWidth(rect.width(), count);
  painter->save();
  const QFont caption_font = CaptionFont(document);
  for (int c = 0; c < count; ++c) {
    const double left = rect.left() + c * (chart + kGap);
    painter->setFont(caption_font);
    painter->setPen(QColor(0x20, 0x20, 0x20));
    painter->drawText(QRectF(left, rect.top(), chart, kCaptionHeight),
                      Qt::AlignHCenter | Qt::AlignVCenter, row->Captions[c]);
    const QRectF area(left, rect.top() + kCaptionHeight, chart, rect.height() - kCaptionHeight);
    PaintRasiChart(*painter, area, row->Charts[static_cast<std::size_t>(c)], row->Style, {},
                   row->Labels);
  }
  painter->restore();
}

void RegisterChartObjects(QTextDocument& document) {
  QAbstractTextDocumentLayout* layout = document.documentLayout();
  if (layout->handlerForObject(kChartObjectType) == nullptr) {
    layout->registerHandler(kChartObjectType, new ChartTextObject(&document));
  }
}

void InsertCharts(QTextCursor& cursor, const DocumentCharts& charts, bool first_block,
                  bool page_break) {
  if (charts.Charts.empty()) {
    return;
  }
  RegisterChartObjects(*cursor.document());
  StartPictureBlock(cursor, 6, first_block, page_break);
  QStringList captions;
  QVariantList longitudes;
  QVariantList speeds;
  QVariantList navamsa;
  for (const DocumentChart& chart : charts.Charts) {
    captions << QString::fromStdString(chart.Caption);
    longitudes << chart.Chart.Lagna;
    for (double planet : chart.Chart.Planets) {
      longitudes << planet;
    }
    for (double speed : chart.Chart.Speeds) {
      speeds << speed;
    }
    navamsa << chart.Chart.Navamsa;
  }
  QTextCharFormat object;
  object.setObjectType(kChartObjectType);
  object.setProperty(kStyleProperty, static_cast<int>(charts.Style));
  object.setProperty(kLabelsProperty, static_cast<int>(charts.Labels));
  object.setProperty(kCaptionsProperty, captions);
  object.setProperty(kLongitudesProperty, longitudes);
  object.setProperty(kSpeedsProperty, speeds);
  object.setProperty(kNavamsaProperty, navamsa);
  cursor.insertText(QString(QChar::ObjectReplacementCharacter), object);
}

}  // namespace lumora::documents
