// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QPaintDevice>
#include <QString>
#include <QStringList>
#include <memory>

namespace lumora::documents {

// Qt's PDF writer names each glyph by the character its font's cmap gives it. A glyph that
// shaping made (the conjunct त्त of कृत्तिका, the Tamil ணி, a vowel sign drawn before its
// consonant) has no such character, so a PDF reader or pdftotext would lose it. The writer
// draws each run of text in one text object (BT .. ET); these tools mark every run of
// Indian script in the written file with its words as ActualText (ISO 32000-1, 14.9.4), which
// readers, search and copying take in place of the glyphs' characters.

// A paint device with the size and resolution of a page that records the text of each run
// the painter draws, in drawing order, and paints nothing. Painting a document onto it as
// onto the PDF writer gives the runs of the writer's text objects in the same order.
class TextRunRecorder : public QPaintDevice {
 public:
  TextRunRecorder(int width, int height, int dpi_x, int dpi_y);
  ~TextRunRecorder() override;

  QPaintEngine* paintEngine() const override;
  // The text of each run drawn with a pen, in order.
  const QStringList& Runs() const;

 protected:
  int metric(PaintDeviceMetric metric) const override;

 private:
  class Engine;
  std::unique_ptr<Engine> engine_;
  int width_;
  int height_;
  int dpi_x_;
  int dpi_y_;
};

// The PDF with each text object whose run holds Devanagari or Tamil marked with the run's
// words as its ActualText. The runs are those of TextRunRecorder, one a text object; when
// the file does not have one text object a run (a file not written by Qt's PDF writer, or
// a run the writer left out), the PDF as it was.
QByteArray WithActualText(const QByteArray& pdf, const QStringList& runs);

}  // namespace lumora::documents
