// SPDX-License-Identifier: MIT
#include "documents/document_layout.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QFontDatabase>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>
#include <algorithm>
#include <cmath>

#include "documents/bi_wheel_object.h"
#include "documents/chart_object.h"
#include "documents/pdf_export.h"
#include "documents/timeline_picture.h"

namespace lumora::documents {

namespace {

// Sizes in points: a body the size of a book's, headings a step apart.
constexpr double kBodyPoints = 10.0;
constexpr double kTitlePoints = 18.0;
constexpr double kHeadingPoints = 14.0;
constexpr double kSubheadingPoints = 11.5;

const QColor kHeadingColor(0x8a, 0x3b, 0x12);
const QColor kNoteColor(0x50, 0x50, 0x50);
const QColor kRuleColor(0x8a, 0x6d, 0x3b);
const QColor kHeaderFill(0xf3, 0xe5, 0xc4);

// Set on a heading's block: it stands on the same page as the first line after it.
constexpr int kKeepWithNext = QTextFormat::UserProperty + 1;
// Set on the block that opens a section on a new page.
constexpr int kOpensSection = QTextFormat::UserProperty + 2;

// A section opens a new page only below a page at least this full; under a shorter end of
// the section above, it follows on the same page, so no page stands nearly empty.
constexpr double kFillBeforeSectionPage = 0.5;

// Each heading moved to a new page may push every later one; a document has a few dozen.
constexpr int kMostHeadingMoves = 200;

// A line reaching less than this past a page's foot (in layout pixels) is on that page.
constexpr qreal kWithinPage = 1.0;

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Report texts end their lines with CR LF; inside a paragraph a line end is a line
// break, and the paragraph's own end needs none.
QString ParagraphText(const std::string& text) {
  QString out = FromUtf8(text);
  out.replace(QStringLiteral("\r\n"), QString(QChar::LineSeparator));
  out.replace(QLatin1Char('\n'), QChar::LineSeparator);
  return out;
}

QColor ColorOf(const Rgb& rgb) {
  return QColor(rgb.Red, rgb.Green, rgb.Blue);
}

QFont BaseFont() {
  // Families that the PDF writer can embed: DejaVu Sans ships with the program's
  // dependencies and covers the degree sign and accented names; Noto Sans Devanagari and
  // Noto Sans Tamil (fonts-noto-core) carry the shaping tables that join Hindi conjuncts
  // and Tamil vowel signs. Each character is drawn with the first family that has it.
  QFont font;
  const QStringList installed = QFontDatabase::families();
  QStringList families;
  for (const QString& family :
       {QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans Devanagari"),
        QStringLiteral("Noto Sans Tamil")}) {
    if (installed.contains(family)) {
      families << family;
    }
  }
  if (families.isEmpty()) {
    font.setStyleHint(QFont::SansSerif);
    font.setFamily(font.defaultFamily());
  } else {
    font.setFamilies(families);
  }
  font.setPointSizeF(kBodyPoints);
  // No ligatures: a reader searching or copying the text finds "fi", not one glyph.
  font.setStyleStrategy(QFont::PreferNoShaping);
  return font;
}

void InsertParagraph(QTextCursor& cursor, const DocumentParagraph& paragraph, bool first,
                     bool page_break) {
  QTextBlockFormat block;
  QTextCharFormat base;
  base.setForeground(Qt::black);
  block.setTopMargin(4);
  block.setBottomMargin(4);
  switch (paragraph.Style) {
    case ParagraphStyle::Title:
      block.setAlignment(Qt::AlignHCenter);
      block.setBottomMargin(10);
      base.setFontPointSize(kTitlePoints);
      base.setForeground(kHeadingColor);
      break;
    case ParagraphStyle::Heading:
      block.setTopMargin(16);
      block.setBottomMargin(6);
      base.setFontPointSize(kHeadingPoints);
      base.setForeground(kHeadingColor);
      break;
    case ParagraphStyle::Subheading:
      block.setTopMargin(10);
      block.setBottomMargin(2);
      base.setFontPointSize(kSubheadingPoints);
      break;
    case ParagraphStyle::Body:
      break;
    case ParagraphStyle::Note:
      base.setFontItalic(true);
      base.setForeground(kNoteColor);
      break;
  }
  if (page_break) {
    block.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    block.setProperty(kOpensSection, true);
  }
  if (paragraph.Style == ParagraphStyle::Heading || paragraph.Style == ParagraphStyle::Subheading) {
    block.setNonBreakableLines(true);
    block.setProperty(kKeepWithNext, true);
  }
  if (first) {
    cursor.setBlockFormat(block);
  } else {
    cursor.insertBlock(block);
  }
  QColor color = base.foreground().color();
  for (std::size_t i = 0; i < paragraph.Runs.size(); ++i) {
    const ReportRun& run = paragraph.Runs[i];
    std::string text = run.Text;
    if (i + 1 == paragraph.Runs.size()) {
      while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.pop_back();
      }
    }
    if (run.Color) {
      color = ColorOf(*run.Color);
    }
    QTextCharFormat format = base;
    format.setForeground(color);
    format.setFontWeight(run.Bold ? QFont::Bold : QFont::Normal);
    cursor.insertText(ParagraphText(text), format);
  }
}

int ColumnCount(const DocumentTable& table) {
  int columns = 0;
  for (const DocumentRow& row : table.Rows) {
    int width = 0;
    for (const DocumentCell& cell : row) {
      width += std::max(1, cell.ColumnSpan);
    }
    columns = std::max(columns, width);
  }
  return columns;
}

void InsertTable(QTextCursor& cursor, const DocumentTable& source, bool page_break) {
  const int columns = ColumnCount(source);
  const int rows = static_cast<int>(source.Rows.size());
  if (columns == 0 || rows == 0) {
    return;
  }
  QTextTableFormat format;
  format.setBorder(0.75);
  format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
  format.setBorderBrush(kRuleColor);
  format.setBorderCollapse(true);
  format.setCellPadding(4);
  format.setCellSpacing(0);
  format.setTopMargin(4);
  format.setBottomMargin(6);
  format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
  format.setHeaderRowCount(source.HeaderRows);
  if (page_break) {
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
  }
  if (static_cast<int>(source.ColumnWeights.size()) == columns) {
    int sum = 0;
    for (int weight : source.ColumnWeights) {
      sum += std::max(1, weight);
    }
    QList<QTextLength> widths;
    for (int weight : source.ColumnWeights) {
      widths.append(QTextLength(QTextLength::PercentageLength, 100.0 * std::max(1, weight) / sum));
    }
    format.setColumnWidthConstraints(widths);
  }
  QTextTable* table = cursor.insertTable(rows, columns, format);
  for (int r = 0; r < rows; ++r) {
    const DocumentRow& row = source.Rows[static_cast<std::size_t>(r)];
    const bool header = r < source.HeaderRows;
    int column = 0;
    for (const DocumentCell& cell : row) {
      const int span = std::max(1, cell.ColumnSpan);
      if (column >= columns) {
        break;
      }
      if (span > 1) {
        table->mergeCells(r, column, 1, std::min(span, columns - column));
      }
      QTextTableCell target = table->cellAt(r, column);
      if (header) {
        QTextCharFormat fill = target.format();
        fill.setBackground(kHeaderFill);
        target.setFormat(fill);
      }
      QTextCursor at = target.firstCursorPosition();
      QTextBlockFormat block = at.blockFormat();
      block.setAlignment(cell.Align == CellAlign::Center ? Qt::AlignHCenter : Qt::AlignLeft);
      at.setBlockFormat(block);
      QTextCharFormat text;
      text.setForeground(cell.Color ? ColorOf(*cell.Color) : QColor(Qt::black));
      text.setFontWeight(cell.Bold || header ? QFont::Bold : QFont::Normal);
      at.insertText(ParagraphText(cell.Text), text);
      column += span;
    }
  }
  cursor.movePosition(QTextCursor::End);
}

// The page of a vertical position in a paged layout.
int PageAt(qreal y, qreal page_height) {
  return static_cast<int>(std::floor(y / page_height));
}

// Whether a block is the first thing on its page: nothing better awaits it on the next.
bool HeadsItsPage(const QTextDocument& document, const QTextBlock& block) {
  const qreal page = document.pageSize().height();
  QAbstractTextDocumentLayout* layout = document.documentLayout();
  const QTextBlock previous = block.previous();
  return !previous.isValid() || PageAt(layout->blockBoundingRect(previous).bottom() - kWithinPage,
                                       page) < PageAt(layout->blockBoundingRect(block).top(), page);
}

// From `from` on, the first run of headings (a section's, then a part's) that ends its page
// with the text it heads on the next; an invalid block when there is none. Returns the
// run's first heading.
QTextBlock FirstStrandedHeadings(const QTextDocument& document, QTextBlock from) {
  const qreal page = document.pageSize().height();
  QAbstractTextDocumentLayout* layout = document.documentLayout();
  for (QTextBlock block = from; block.isValid(); block = block.next()) {
    const QTextBlock next = block.next();
    if (!block.blockFormat().boolProperty(kKeepWithNext) || !next.isValid()) {
      continue;
    }
    const int heading_page = PageAt(layout->blockBoundingRect(block).top(), page);
    // The next block's first line (a table's first row, a picture) is where the layout
    // put it whole: on this page or a later one.
    const QRectF after = layout->blockBoundingRect(next);
    const QTextLayout* lines = next.layout();
    const qreal first_line =
        lines != nullptr && lines->lineCount() > 0 ? lines->lineAt(0).height() : after.height();
    if (PageAt(after.top() + std::max<qreal>(0, first_line - kWithinPage), page) <= heading_page) {
      continue;
    }
    QTextBlock first = block;
    while (first.previous().isValid() &&
           first.previous().blockFormat().boolProperty(kKeepWithNext) &&
           PageAt(layout->blockBoundingRect(first.previous()).top(), page) == heading_page) {
      first = first.previous();
    }
    if (!HeadsItsPage(document, first)) {
      return first;
    }
  }
  return {};
}

void SetBreakBefore(QTextDocument& document, const QTextBlock& block, bool page_break) {
  QTextBlockFormat format = block.blockFormat();
  format.setPageBreakPolicy(page_break ? QTextFormat::PageBreak_AlwaysBefore
                                       : QTextFormat::PageBreak_Auto);
  QTextCursor(block).setBlockFormat(format);
  // Laid out anew from the top: after a change of one block's breaks, the layout's own
  // partial pass loses the headings that follow tables further down.
  document.markContentsDirty(0, document.characterCount());
}

// Sections open new pages where the page above is full enough, top to bottom: each
// section that follows on instead moves every later one up.
void SettleSectionBreaks(QTextDocument& document) {
  const qreal page = document.pageSize().height();
  QAbstractTextDocumentLayout* layout = document.documentLayout();
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    const QTextBlock previous = block.previous();
    if (!block.blockFormat().boolProperty(kOpensSection) || !previous.isValid()) {
      continue;
    }
    const qreal end = layout->blockBoundingRect(previous).bottom();
    const qreal fill = (end - PageAt(end - kWithinPage, page) * page) / page;
    if (fill < kFillBeforeSectionPage) {
      SetBreakBefore(document, block, false);
    }
  }
}

}  // namespace

void PaginateForPaper(QTextDocument& document) {
  if (document.pageSize().height() <= 0) {
    return;
  }
  SettleSectionBreaks(document);
  QTextBlock from = document.begin();
  for (int moves = 0; moves < kMostHeadingMoves; ++moves) {
    const QTextBlock stranded = FirstStrandedHeadings(document, from);
    if (!stranded.isValid()) {
      return;
    }
    SetBreakBefore(document, stranded, true);
    // Nothing above the moved headings changed.
    from = stranded.next();
  }
}

void RenderDocument(const Document& document, QTextDocument& target) {
  target.clear();
  target.setDefaultFont(BaseFont());
  target.setMetaInformation(QTextDocument::DocumentTitle, FromUtf8(document.Title));
  SetPageFooter(target, document.Lang);
  // Layout in design metrics, so the text breaks alike on the screen and on paper.
  target.setUseDesignMetrics(true);
  RegisterChartObjects(target);
  RegisterTimelineObjects(target);
  RegisterBiWheelObjects(target);
  QTextCursor cursor(&target);
  // The document starts with an empty block, and a table leaves one after it: the
  // next paragraph takes that block rather than adding a blank line.
  bool empty_block = true;
  bool started = false;
  bool page_break = false;
  for (const DocumentBlock& block : document.Blocks) {
    if (std::holds_alternative<DocumentPageBreak>(block)) {
      page_break = started;
      continue;
    }
    if (const auto* paragraph = std::get_if<DocumentParagraph>(&block)) {
      InsertParagraph(cursor, *paragraph, empty_block, page_break);
      empty_block = false;
    } else if (const auto* table = std::get_if<DocumentTable>(&block)) {
      InsertTable(cursor, *table, page_break);
      empty_block = true;
    } else if (const auto* charts = std::get_if<DocumentCharts>(&block)) {
      InsertCharts(cursor, *charts, empty_block, page_break);
      empty_block = false;
    } else if (const auto* timeline = std::get_if<DocumentTimeline>(&block)) {
      InsertTimeline(cursor, *timeline, empty_block, page_break);
      empty_block = false;
    } else if (const auto* wheel = std::get_if<DocumentBiWheel>(&block)) {
      InsertBiWheel(cursor, *wheel, empty_block, page_break);
      empty_block = false;
    }
    started = true;
    page_break = false;
  }
}

}  // namespace lumora::documents
