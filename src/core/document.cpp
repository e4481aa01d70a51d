// SPDX-License-Identifier: MIT
#include "core/document.h"

namespace lumora {

DocumentCell TextCell(std::string text, bool bold, CellAlign align) {
  DocumentCell cell;
  cell.Text = std::move(text);
  cell.Bold = bold;
  cell.Align = align;
  return cell;
}

void AddParagraph(Document& document, ParagraphStyle style, std::string text) {
  DocumentParagraph paragraph;
  paragraph.Style = style;
  const bool bold = style == ParagraphStyle::Title || style == ParagraphStyle::Heading ||
                    style == ParagraphStyle::Subheading;
  paragraph.Runs.push_back({std::move(text), bold, std::nullopt});
  document.Blocks.emplace_back(std::move(paragraph));
}

void AddRuns(Document& document, ReportDocument runs) {
  document.Blocks.emplace_back(DocumentParagraph{ParagraphStyle::Body, std::move(runs)});
}

std::string PlainText(const Document& document) {
  std::string text;
  for (const DocumentBlock& block : document.Blocks) {
    if (const auto* paragraph = std::get_if<DocumentParagraph>(&block)) {
      for (const ReportRun& run : paragraph->Runs) {
        text += run.Text;
      }
      text += '\n';
    } else if (const auto* table = std::get_if<DocumentTable>(&block)) {
      for (const DocumentRow& row : table->Rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
          text += (c == 0 ? "" : "\t") + row[c].Text;
        }
        text += '\n';
      }
    } else if (const auto* charts = std::get_if<DocumentCharts>(&block)) {
      for (const DocumentChart& chart : charts->Charts) {
        text += chart.Caption + '\n';
      }
    } else if (const auto* timeline = std::get_if<DocumentTimeline>(&block)) {
      for (const TimelineRow& row : timeline->Rows) {
        text += row.Caption + ':';
        for (const TimelineSegment& segment : row.Segments) {
          text += ' ' + segment.Label;
        }
        text += '\n';
      }
      if (!timeline->MarkLabel.empty()) {
        text += timeline->MarkLabel + '\n';
      }
    } else if (const auto* wheel = std::get_if<DocumentBiWheel>(&block)) {
      text += wheel->Caption + '\n';
    }
  }
  return text;
}

}  // namespace lumora
