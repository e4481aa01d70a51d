// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/glossary/language.h"
#include "core/report_run.h"
#include "core/vedic/chart/sidereal_chart.h"
#include "core/western/synastry/synastry.h"

namespace lumora {

// A printable document as data: headings, paragraphs of styled runs and tables. The
// core composes it from values; the document library lays it out for the screen, the
// printer and PDF files, so every copy of a report says the same.

enum class ParagraphStyle {
  Title,       // once, at the top
  Heading,     // a section
  Subheading,  // a part of a section
  Body,
  Note,  // a remark in italics, such as what a file does not hold
};

struct DocumentParagraph {
  ParagraphStyle Style = ParagraphStyle::Body;
  ReportDocument Runs;  // line ends inside a paragraph are kept as line breaks
};

enum class CellAlign { Left, Center };

struct DocumentCell {
  std::string Text;
  bool Bold = false;
  std::optional<Rgb> Color;
  CellAlign Align = CellAlign::Left;
  int ColumnSpan = 1;
};

// A cell of text, bold or not, aligned, spanning one column.
DocumentCell TextCell(std::string text, bool bold = false, CellAlign align = CellAlign::Left);

using DocumentRow = std::vector<DocumentCell>;

struct DocumentTable {
  std::vector<DocumentRow> Rows;
  int HeaderRows = 1;  // repeated at the top of every page the table runs onto
  // Relative column widths; empty lets the layout decide.
  std::vector<int> ColumnWeights;
};

// The next block starts on a new page.
struct DocumentPageBreak {};

struct DocumentChart {
  std::string Caption;  // written above the chart: whose it is
  SiderealChart Chart;
};

// Rasi charts drawn side by side as vector pictures, in one style.
struct DocumentCharts {
  std::vector<DocumentChart> Charts;
  ChartStyle Style = ChartStyle::NorthIndian;
  Language Labels = Language::English;  // the language of the grahas' abbreviations
};

// Rows of labelled spans over one range of days (days counted from 1970-01-01), drawn as
// bars one above the other, with one day marked across all rows and windows shaded.
struct TimelineSegment {
  std::string Label;
  int FromDay = 0;
  int ToDay = 0;
};

struct TimelineRow {
  std::string Caption;  // whose spans
  std::vector<TimelineSegment> Segments;
};

struct TimelineWindow {
  int FromDay = 0;
  int ToDay = 0;
};

struct DocumentTimeline {
  int FromDay = 0;
  int ToDay = 0;
  std::vector<TimelineRow> Rows;
  std::optional<int> MarkDay;
  std::string MarkLabel;
  std::vector<TimelineWindow> Shaded;
};

// Two Western charts in one wheel: the inner chart's houses and points inside, the outer
// chart's points in a ring around them, and lines between aspected points across the
// centre, each in its aspect's colour.
struct DocumentBiWheel {
  std::string Caption;
  std::string InnerName;
  std::string OuterName;
  std::array<double, kSynastryPointCount> Inner{};  // tropical degrees
  std::array<double, kSynastryPointCount> Outer{};
  std::array<double, 12> InnerCusps{};
  std::vector<SynastryAspect> Aspects;  // A is the inner chart's point, B the outer's
};

using DocumentBlock = std::variant<DocumentParagraph, DocumentTable, DocumentPageBreak,
                                   DocumentCharts, DocumentTimeline, DocumentBiWheel>;

struct Document {
  std::string Title;  // also the title of a PDF file
  std::vector<DocumentBlock> Blocks;
  Language Lang = Language::English;  // its words: the pages' footers follow it
};

void AddParagraph(Document& document, ParagraphStyle style, std::string text);
void AddRuns(Document& document, ReportDocument runs);

// The text of every block, paragraphs and table rows one per line, cells separated by
// a tab, a chart as its caption: what a reader copying the document would get.
std::string PlainText(const Document& document);

}  // namespace lumora
