// SPDX-License-Identifier: MIT
// The document library without windows: paper by the reader's country, chart objects
// that keep their charts through a document's layout and copy, and PDF files written
// whole or not at all.
#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <cmath>
#include <memory>

#include "core/western/synastry/synastry_document.h"
#include "documents/bi_wheel_object.h"
#include "documents/chart_object.h"
#include "documents/document_layout.h"
#include "documents/pdf_export.h"
#include "documents/pdf_text_layer.h"
#include "documents/timeline_picture.h"

namespace lumora::documents {
namespace {

// A graphical application for the whole program, offscreen.
class GuiEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { application_ = StartOffscreenApplication(); }
  void TearDown() override { application_.reset(); }

 private:
  std::unique_ptr<QGuiApplication> application_;
};

[[maybe_unused]] ::testing::Environment* const kGui =
    ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

struct PaperCase {
  const char* locale;
  QPageSize::PageSizeId paper;
};

// CLDR supplemental data, paperSize: US Letter in the United States, Canada, Mexico,
// much of Latin America and the Philippines; A4 everywhere else.
TEST(Paper, FollowsTheCountryOfTheLocale) {
  const PaperCase cases[] = {
      {"en_US", QPageSize::Letter}, {"en_CA", QPageSize::Letter}, {"fr_CA", QPageSize::Letter},
      {"es_MX", QPageSize::Letter}, {"es_CL", QPageSize::Letter}, {"fil_PH", QPageSize::Letter},
      {"en_GB", QPageSize::A4},     {"hi_IN", QPageSize::A4},     {"en_IN", QPageSize::A4},
      {"de_DE", QPageSize::A4},     {"pt_BR", QPageSize::A4},     {"en_AU", QPageSize::A4},
      {"ja_JP", QPageSize::A4},
  };
  for (const PaperCase& c : cases) {
    EXPECT_EQ(PaperForLocale(QLocale(QString::fromLatin1(c.locale))), c.paper) << c.locale;
  }
}

Document ChartDocument(ChartStyle style) {
  Document doc;
  doc.Title = "Kundali Match: Arjun and Bela";
  AddParagraph(doc, ParagraphStyle::Title, doc.Title);
  DocumentCharts charts;
  charts.Style = style;
  SiderealChart first;
  first.Lagna = 37.7;
  first.Planets = {117.9, 93.9, 67.4, 103.6, 205.9, 112.5, 110.4, 34.1, 214.1};
  SiderealChart second;
  second.Lagna = 0.44;
  second.Planets = {256.5, 199.4, 304.1, 248.0, 1.5, 217.7, 16.3, 100.2, 280.2};
  second.Speeds = {1.0, 13.0, 0.5, 1.2, 0.1, 1.1, -0.02, -0.05, -0.05};  // Saturn backwards
  charts.Charts = {{"Arjun", first}, {"Bela", NavamsaChart(second)}};
  doc.Blocks.emplace_back(charts);
  AddParagraph(doc, ParagraphStyle::Body, "After the charts.");
  return doc;
}

// The format of the first chart object character of a laid-out document.
std::optional<QTextFormat> FirstChartFormat(const QTextDocument& text) {
  for (QTextBlock block = text.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      if (ChartRowOf(it.fragment().charFormat())) {
        return it.fragment().charFormat();
      }
    }
  }
  return std::nullopt;
}

std::optional<ChartRow> FirstChartRow(const QTextDocument& text) {
  const auto format = FirstChartFormat(text);
  return format ? ChartRowOf(*format) : std::nullopt;
}

// What is drawn is what was composed: the style, the captions and every longitude, in
// the document and in its copy (the copy is what pages are painted from).
TEST(ChartObjects, KeepTheirChartsThroughLayoutAndCopy) {
  for (const ChartStyle style : {ChartStyle::NorthIndian, ChartStyle::SouthIndian}) {
    const Document doc = ChartDocument(style);
    const auto& composed = std::get<DocumentCharts>(doc.Blocks[1]);
    QTextDocument text;
    RenderDocument(doc, text);
    std::unique_ptr<QTextDocument> copy(text.clone());
    for (const QTextDocument* laid_out : {static_cast<const QTextDocument*>(&text),
                                          static_cast<const QTextDocument*>(copy.get())}) {
      const std::optional<ChartRow> row = FirstChartRow(*laid_out);
      ASSERT_TRUE(row);
      EXPECT_EQ(row->Style, style);
      EXPECT_EQ(row->Captions, QStringList({"Arjun", "Bela"}));
      ASSERT_EQ(row->Charts.size(), 2u);
      for (std::size_t c = 0; c < 2; ++c) {
        EXPECT_EQ(row->Charts[c].Lagna, composed.Charts[c].Chart.Lagna);
        EXPECT_EQ(row->Charts[c].Planets, composed.Charts[c].Chart.Planets);
        // The retrograde marks and the Navamsa's sign-only labels are drawn as composed.
        EXPECT_EQ(row->Charts[c].Speeds, composed.Charts[c].Chart.Speeds);
        EXPECT_EQ(row->Charts[c].Navamsa, c == 1);
      }
    }
    // A text reader sees one object character, between the title and the next line.
    EXPECT_EQ(text.toPlainText(), QStringLiteral("Kundali Match: Arjun and Bela\n") +
                                      QChar(QChar::ObjectReplacementCharacter) +
                                      QStringLiteral("\nAfter the charts."));
  }
}

// A constructed synastry: A's points every 29 degrees from 5, B's every 23 from 40.
SynastryReading ConstructedSynastry() {
  NatalChart a;
  NatalChart b;
  a.Latitude = 51.5;
  b.Latitude = -33.9;
  a.Armc = 120.0;
  b.Armc = 300.0;
  a.Obliquity = 23.44;
  b.Obliquity = 23.44;
  for (int i = 0; i < kSynastryPointCount; ++i) {
    a.Points[i] = {std::fmod(5.0 + 29.0 * i, 360.0), 1.0};
    b.Points[i] = {std::fmod(40.0 + 23.0 * i, 360.0), 0.1};
  }
  return CalculateSynastry(a, b, {}, [](double, double, double) { return NatalChart{}; });
}

// The synastry pages after a report: the grid's cells where their aspects are, each
// in its colour; the bi-wheel as one object whose data survive layout and copy; and the
// two tables of points.
TEST(SynastryPages, CarryTheGridTheWheelAndTheOverlays) {
  const SynastryReading reading = ConstructedSynastry();
  ASSERT_FALSE(reading.Aspects.empty());
  Document doc;
  AddParagraph(doc, ParagraphStyle::Title, "Report");
  AppendSynastrySection(doc, reading, " Arun ", "Mira");
  const DocumentTable* grid = nullptr;
  const DocumentBiWheel* wheel = nullptr;
  for (const DocumentBlock& block : doc.Blocks) {
    if (const auto* table = std::get_if<DocumentTable>(&block); table && !grid) {
      grid = table;
    }
    if (const auto* found = std::get_if<DocumentBiWheel>(&block)) {
      wheel = found;
    }
  }
  ASSERT_TRUE(grid && wheel);
  ASSERT_EQ(grid->Rows.size(), static_cast<std::size_t>(kSynastryPointCount + 1));
  std::size_t filled = 0;
  for (std::size_t r = 1; r < grid->Rows.size(); ++r) {
    for (std::size_t c = 1; c < grid->Rows[r].size(); ++c) {
      filled += grid->Rows[r][c].Text.empty() ? 0 : 1;
    }
  }
  EXPECT_EQ(filled, reading.Aspects.size());
  for (const SynastryAspect& aspect : reading.Aspects) {
    const DocumentCell& cell = grid->Rows[SynastrySlot(aspect.A) + 1][SynastrySlot(aspect.B) + 1];
    EXPECT_EQ(cell.Text.substr(0, 3), AspectAbbreviation(aspect.Kind));
    EXPECT_EQ(cell.Color, AspectColor(aspect.Kind));
  }
  EXPECT_EQ(wheel->Caption, "Arun (inside) and Mira (outside)");

  QTextDocument text;
  RenderDocument(doc, text);
  std::unique_ptr<QTextDocument> copy(text.clone());
  for (const QTextDocument* laid_out :
       {static_cast<const QTextDocument*>(&text), static_cast<const QTextDocument*>(copy.get())}) {
    std::optional<DocumentBiWheel> drawn;
    for (QTextBlock block = laid_out->begin(); block.isValid() && !drawn; block = block.next()) {
      for (auto it = block.begin(); !it.atEnd() && !drawn; ++it) {
        drawn = BiWheelOf(it.fragment().charFormat());
      }
    }
    ASSERT_TRUE(drawn);
    EXPECT_EQ(drawn->Inner, wheel->Inner);
    EXPECT_EQ(drawn->Outer, wheel->Outer);
    EXPECT_EQ(drawn->InnerCusps, wheel->InnerCusps);
    ASSERT_EQ(drawn->Aspects.size(), wheel->Aspects.size());
    for (std::size_t i = 0; i < drawn->Aspects.size(); ++i) {
      EXPECT_EQ(drawn->Aspects[i].A, wheel->Aspects[i].A);
      EXPECT_EQ(drawn->Aspects[i].B, wheel->Aspects[i].B);
      EXPECT_EQ(drawn->Aspects[i].Kind, wheel->Aspects[i].Kind);
    }
  }
  const QString plain = text.toPlainText();
  for (const char* words :
       {"Synastry", "House overlays", "Arun in Mira's house", "Composite and Davison charts"}) {
    EXPECT_TRUE(plain.contains(QString::fromUtf8(words))) << words;
  }
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("synastry.pdf"));
  const auto saved = SavePdf(doc, path, QPageSize::A4);
  ASSERT_FALSE(IsRefused(saved));
  EXPECT_GT(std::get<qint64>(saved), 10000);
}

// A timeline keeps its rows, segments, mark and shaded windows through layout and copy,
// and paints its bars: the pixels under a segment take that lord's fill.
TEST(TimelineObjects, KeepTheirTimelineAndPaintIt) {
  DocumentTimeline timeline;
  timeline.FromDay = 0;
  timeline.ToDay = 36525;
  timeline.Rows = {{"Arjun", {{"Ketu", 0, 600}, {"Venus", 600, 7905}, {"Sun", 7905, 36525}}},
                   {"Bela", {{"Mars", 300, 2000}, {"Rahu", 2000, 36525}}}};
  timeline.MarkDay = 7800;
  timeline.MarkLabel = "Wedding 1991-05-11";
  timeline.Shaded = {{7800, 7905}};
  Document doc;
  AddParagraph(doc, ParagraphStyle::Heading, "Timing");
  doc.Blocks.emplace_back(timeline);
  QTextDocument text;
  RenderDocument(doc, text);
  std::unique_ptr<QTextDocument> copy(text.clone());
  for (const QTextDocument* laid_out :
       {static_cast<const QTextDocument*>(&text), static_cast<const QTextDocument*>(copy.get())}) {
    std::optional<DocumentTimeline> found;
    for (QTextBlock block = laid_out->begin(); block.isValid(); block = block.next()) {
      for (auto it = block.begin(); !it.atEnd(); ++it) {
        if (auto read = TimelineOf(it.fragment().charFormat())) {
          found = read;
        }
      }
    }
    ASSERT_TRUE(found);
    EXPECT_EQ(found->ToDay, 36525);
    ASSERT_EQ(found->Rows.size(), 2u);
    EXPECT_EQ(found->Rows[0].Caption, "Arjun");
    ASSERT_EQ(found->Rows[1].Segments.size(), 2u);
    EXPECT_EQ(found->Rows[1].Segments[0].Label, "Mars");
    EXPECT_EQ(found->Rows[1].Segments[0].FromDay, 300);
    EXPECT_EQ(found->MarkDay, 7800);
    EXPECT_EQ(found->MarkLabel, "Wedding 1991-05-11");
    ASSERT_EQ(found->Shaded.size(), 1u);
    EXPECT_EQ(found->Shaded[0].ToDay, 7905);
  }
  QImage image(700, static_cast<int>(TimelineHeight(2)), QImage::Format_ARGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  PaintTimeline(painter, QRectF(image.rect()), timeline, QFont());
  painter.end();
  // Late in Arjun's row, under the Sun's long bar, away from its label and the mark.
  const double x = 96.0 + (700.0 - 100.0) * 0.9;
  const double y = 18.0 + 4.0;
  EXPECT_EQ(image.pixelColor(static_cast<int>(x), static_cast<int>(y)).rgb() & 0xffffff, 0xffe0a3u);
}

// The row of charts takes its room in the layout: as wide as the text allows (at most
// the widest row), tall enough for two square charts with their captions and legend.
TEST(ChartObjects, TakeRoomForTwoSquareCharts) {
  const struct {
    double text_width;  // layout pixels
    double row_width;
  } cases[] = {
      {658.0, 620.0},  // A4 less 18 mm margins, at 96 dpi: the widest row
      {500.0, 492.0},  // a narrow window: the text width less the paragraph's margins
      {-1.0, 552.0},   // no width yet: a window's width before it is shown
  };
  for (const auto& c : cases) {
    QTextDocument text;
    RenderDocument(ChartDocument(ChartStyle::NorthIndian), text);
    text.setTextWidth(c.text_width);
    const auto format = FirstChartFormat(text);
    ASSERT_TRUE(format);
    ChartTextObject object;
    const QSizeF size = object.intrinsicSize(&text, 0, *format);
    EXPECT_DOUBLE_EQ(size.width(), c.row_width) << c.text_width;
    const double chart = (c.row_width - 24.0) / 2.0;  // two charts and the gap between
    EXPECT_GT(size.height(), chart) << c.text_width;
    EXPECT_LT(size.height(), chart * 1.25) << c.text_width;
  }
}

TEST(SavePdf, WritesWholeFilesOrLeavesTheEarlierOne) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("match.pdf"));
  const FormResult<qint64> saved =
      SavePdf(ChartDocument(ChartStyle::SouthIndian), path, QPageSize::A4);
  ASSERT_FALSE(IsRefused(saved)) << std::get<FormFailure>(saved).Message;
  QFile pdf(path);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_EQ(pdf.size(), std::get<qint64>(saved));
  EXPECT_EQ(pdf.read(5), QByteArray("%PDF-"));
  pdf.close();

  // A place where no file can be made, for any user.
  const FormResult<qint64> nowhere =
      SavePdf(ChartDocument(ChartStyle::NorthIndian), QStringLiteral("/proc/lumora/match.pdf"),
              QPageSize::A4);
  ASSERT_TRUE(IsRefused(nowhere));
  EXPECT_EQ(std::get<FormFailure>(nowhere).Message.rfind("The PDF file /proc/lumora/match.pdf "
                                                         "could not be saved (",
                                                         0),
            0u)
      << std::get<FormFailure>(nowhere).Message;

  // A folder that cannot be written: the earlier file stays, the message says so.
  const QString locked = dir.filePath(QStringLiteral("locked"));
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("locked")));
  const QString earlier = locked + QStringLiteral("/match.pdf");
  {
    QFile file(earlier);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("earlier");
  }
  QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
  const bool superuser = QFileInfo(locked).isWritable();  // root writes anywhere
  const FormResult<qint64> refused =
      SavePdf(ChartDocument(ChartStyle::NorthIndian), earlier, QPageSize::Letter);
  QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  if (superuser) {
    GTEST_SKIP() << "run as the superuser: folder permissions do not hold";
  }
  ASSERT_TRUE(IsRefused(refused));
  EXPECT_NE(std::get<FormFailure>(refused).Message.find("could not be saved"), std::string::npos);
  QFile kept(earlier);
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), QByteArray("earlier"));
  EXPECT_EQ(QDir(locked).entryList(QDir::Files).size(), 1);
}

// The recorder sees the runs the PDF writer writes, one text object each; the file is
// changed only where a run is in an Indian script, and left alone when the runs and the
// file do not belong together.
TEST(ActualText, MarksTheRunsOfIndianScriptsOnly) {
  QByteArray pdf;
  const auto paint = [](QPaintDevice& device) {
    QPainter painter(&device);
    painter.setFont(QFont(QStringLiteral("Noto Sans Devanagari"), 12));
    painter.drawText(QPointF(100, 100), QStringLiteral("Krittika"));
    painter.drawText(QPointF(100, 300), QStringLiteral("कृत्तिका"));
    painter.setPen(Qt::NoPen);
    painter.drawText(QPointF(100, 500), QStringLiteral("unseen"));
  };
  QStringList runs;
  {
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    paint(writer);
    TextRunRecorder recorder(writer.width(), writer.height(), writer.logicalDpiX(),
                             writer.logicalDpiY());
    paint(recorder);
    runs = recorder.Runs();
  }
  ASSERT_EQ(runs, QStringList({QStringLiteral("Krittika"), QStringLiteral("कृत्तिका")}));
  const QByteArray marked = WithActualText(pdf, runs);
  EXPECT_NE(marked, pdf);
  EXPECT_TRUE(marked.startsWith("%PDF-"));
  EXPECT_TRUE(marked.endsWith("%%EOF\n"));
  // Only English: the pages stay as they were.
  EXPECT_EQ(WithActualText(pdf, {QStringLiteral("Krittika"), QStringLiteral("Rohini")}).size(),
            WithActualText(pdf, {QStringLiteral("Krittika"), QStringLiteral("Krittika")}).size());
  // A run too few, a run too many, or no PDF at all.
  EXPECT_EQ(WithActualText(pdf, {runs[1]}), pdf);
  EXPECT_EQ(WithActualText(pdf, runs + QStringList{runs[1]}), pdf);
  const QByteArray broken = pdf.left(pdf.size() / 2);
  EXPECT_EQ(WithActualText(broken, runs), broken);
  EXPECT_EQ(WithActualText("not a PDF", runs), QByteArray("not a PDF"));
}

}  // namespace
}  // namespace lumora::documents
