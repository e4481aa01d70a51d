// SPDX-License-Identifier: MIT
#include "documents/pdf_text_layer.h"

#include <QPaintEngine>
#include <QPen>
#include <QRegularExpression>
#include <algorithm>
#include <map>
#include <optional>
#include <vector>

namespace lumora::documents {

class TextRunRecorder::Engine : public QPaintEngine {
 public:
  // Every feature, so that the painter hands text to this engine as it does to the PDF
  // writer's instead of turning it into outlines.
  Engine() : QPaintEngine(QPaintEngine::AllFeatures) {}

  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  Type type() const override { return QPaintEngine::User; }
  void updateState(const QPaintEngineState& state) override {
    if (state.state() & QPaintEngine::DirtyPen) {
      has_pen_ = state.pen().style() != Qt::NoPen;
    }
  }
  // The PDF writer writes no text object for a run drawn without a pen, nor for one
  // without characters.
  void drawTextItem(const QPointF&, const QTextItem& item) override {
    if (has_pen_ && !item.text().isEmpty()) {
      runs_.append(item.text());
    }
  }
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {}
  void drawPath(const QPainterPath&) override {}
  void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
  void drawPolygon(const QPoint*, int, PolygonDrawMode) override {}

  QStringList runs_;

 private:
  bool has_pen_ = true;
};

TextRunRecorder::TextRunRecorder(int width, int height, int dpi_x, int dpi_y)
    : engine_(std::make_unique<Engine>()),
      width_(width),
      height_(height),
      dpi_x_(dpi_x),
      dpi_y_(dpi_y) {}

TextRunRecorder::~TextRunRecorder() = default;

QPaintEngine* TextRunRecorder::paintEngine() const {
  return engine_.get();
}

const QStringList& TextRunRecorder::Runs() const {
  return engine_->runs_;
}

int TextRunRecorder::metric(PaintDeviceMetric metric) const {
  constexpr double kMillimetresPerInch = 25.4;
  switch (metric) {
    case PdmWidth:
      return width_;
    case PdmHeight:
      return height_;
    case PdmWidthMM:
      return qRound(width_ * kMillimetresPerInch / dpi_x_);
    case PdmHeightMM:
      return qRound(height_ * kMillimetresPerInch / dpi_y_);
    case PdmDpiX:
    case PdmPhysicalDpiX:
      return dpi_x_;
    case PdmDpiY:
    case PdmPhysicalDpiY:
      return dpi_y_;
    case PdmNumColors:
      return INT_MAX;
    case PdmDepth:
      return 32;
    case PdmDevicePixelRatio:
      return 1;
    case PdmDevicePixelRatioScaled:
      return qRound(devicePixelRatioFScale());
  }
  return 0;
}

namespace {

// The Indian scripts whose shaping makes glyphs without a character of their own.
bool NeedsActualText(const QString& run) {
  return std::any_of(run.begin(), run.end(), [](QChar c) {
    const char16_t u = c.unicode();
    return (u >= 0x0900 && u <= 0x097F) || (u >= 0x0B80 && u <= 0x0BFF);
  });
}

// A text string of the PDF: UTF-16BE with its byte-order mark, in hexadecimal.
QByteArray HexTextString(const QString& text) {
  QByteArray hex = "<FEFF";
  for (const QChar c : text) {
    hex += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
  }
  return hex + '>';
}

// One object of the file: its number and its bytes from "N 0 obj" to the next object.
struct PdfObject {
  int Number = 0;
  QByteArray Bytes;
};

// The objects of a file with one cross-reference table (as Qt writes it), in file order,
// and where that table starts.
struct PdfFile {
  QByteArray Head;  // "%PDF-1.4" and the comment line before the first object
  std::vector<PdfObject> Objects;
  QByteArray Trailer;  // from "trailer" to "startxref"
};

std::optional<PdfFile> ReadObjects(const QByteArray& pdf) {
  const qsizetype start_at = pdf.lastIndexOf("startxref");
  if (start_at < 0) {
    return std::nullopt;
  }
  bool ok = false;
  const qsizetype xref_at =
      pdf.mid(start_at + 9).trimmed().split('\n').value(0).trimmed().toLongLong(&ok);
  if (!ok || xref_at <= 0 || xref_at >= start_at || !pdf.mid(xref_at).startsWith("xref")) {
    return std::nullopt;
  }
  const qsizetype trailer_at = pdf.indexOf("trailer", xref_at);
  if (trailer_at < 0) {
    return std::nullopt;
  }
  // "xref", "0 N", then N entries "OOOOOOOOOO GGGGG n".
  const QList<QByteArray> lines = pdf.mid(xref_at, trailer_at - xref_at).split('\n');
  std::vector<std::pair<qsizetype, int>> offsets;  // offset, object number
  int number = -1;
  for (qsizetype i = 1; i < lines.size(); ++i) {
    const QList<QByteArray> fields = lines[i].simplified().split(' ');
    if (fields.size() == 2) {
      number = fields[0].toInt();
    } else if (fields.size() == 3 && number >= 0) {
      if (fields[2] == "n") {
        offsets.emplace_back(fields[0].toLongLong(), number);
      }
      ++number;
    }
  }
  if (offsets.empty()) {
    return std::nullopt;
  }
  std::sort(offsets.begin(), offsets.end());
  PdfFile file;
  file.Head = pdf.left(offsets.front().first);
  file.Trailer = pdf.mid(trailer_at, start_at - trailer_at);
  for (std::size_t i = 0; i < offsets.size(); ++i) {
    const qsizetype from = offsets[i].first;
    const qsizetype to = i + 1 < offsets.size() ? offsets[i + 1].first : xref_at;
    const QByteArray bytes = pdf.mid(from, to - from);
    if (!bytes.startsWith(QByteArray::number(offsets[i].second) + " 0 obj")) {
      return std::nullopt;
    }
    file.Objects.push_back({offsets[i].second, bytes});
  }
  return file;
}

QByteArray WriteObjects(const PdfFile& file) {
  QByteArray out = file.Head;
  std::map<int, qsizetype> offsets;
  for (const PdfObject& object : file.Objects) {
    offsets[object.Number] = out.size();
    out += object.Bytes;
  }
  const int size = offsets.empty() ? 1 : offsets.rbegin()->first + 1;
  const qsizetype xref_at = out.size();
  out += "xref\n0 " + QByteArray::number(size) + "\n0000000000 65535 f \n";
  for (int n = 1; n < size; ++n) {
    const auto found = offsets.find(n);
    out += found == offsets.end()
               ? QByteArray("0000000000 65535 f \n")
               : QByteArray::number(found->second).rightJustified(10, '0') + " 00000 n \n";
  }
  out += file.Trailer + "startxref\n" + QByteArray::number(xref_at) + "\n%%EOF\n";
  return out;
}

PdfObject* Find(PdfFile& file, int number) {
  for (PdfObject& object : file.Objects) {
    if (object.Number == number) {
      return &object;
    }
  }
  return nullptr;
}

// The number of the object a key of a dictionary refers to ("/Contents 11 0 R").
std::optional<int> Reference(const QByteArray& bytes, const char* key) {
  const QRegularExpression pattern(QStringLiteral("/%1\\s+(\\d+)\\s+0\\s+R").arg(key));
  const auto match = pattern.match(QString::fromLatin1(bytes));
  if (!match.hasMatch()) {
    return std::nullopt;
  }
  return match.captured(1).toInt();
}

// A page's content stream, inflated, and where its data sits in the object.
struct ContentStream {
  PdfObject* Object = nullptr;
  QByteArray Data;
};

std::optional<ContentStream> ReadContents(PdfFile& file, PdfObject& page) {
  const auto number = Reference(page.Bytes, "Contents");
  PdfObject* object = number ? Find(file, *number) : nullptr;
  if (object == nullptr || !object->Bytes.contains("/FlateDecode")) {
    return std::nullopt;
  }
  const qsizetype stream_at = object->Bytes.indexOf("stream\n");
  if (stream_at < 0) {
    return std::nullopt;
  }
  qsizetype length = -1;
  if (const auto length_object = Reference(object->Bytes.left(stream_at), "Length")) {
    if (const PdfObject* value = Find(file, *length_object)) {
      // "12 0 obj\n4053\nendobj"
      length = value->Bytes.split('\n').value(1).trimmed().toLongLong();
    }
  } else {
    const QRegularExpression direct(QStringLiteral("/Length\\s+(\\d+)"));
    const auto match = direct.match(QString::fromLatin1(object->Bytes.left(stream_at)));
    length = match.hasMatch() ? match.captured(1).toLongLong() : -1;
  }
  const qsizetype data_at = stream_at + 7;
  if (length <= 0 || data_at + length > object->Bytes.size()) {
    return std::nullopt;
  }
  // qUncompress reads the inflated size from four bytes before the zlib data; it is a
  // first guess that grows as needed.
  QByteArray framed(4, '\0');
  const quint32 guess = static_cast<quint32>(std::min<qsizetype>(length * 16, 1 << 26));
  for (int i = 0; i < 4; ++i) {
    framed[i] = static_cast<char>((guess >> (24 - 8 * i)) & 0xFF);
  }
  framed += object->Bytes.mid(data_at, length);
  ContentStream contents{object, qUncompress(framed)};
  if (contents.Data.isEmpty()) {
    return std::nullopt;
  }
  return contents;
}

// A text object of a content stream: where "BT" starts and where its "ET" ends, and the
// glyphs it shows.
struct TextObject {
  qsizetype Begin = 0;
  qsizetype End = 0;
  int Glyphs = 0;
};

std::vector<TextObject> TextObjects(const QByteArray& data) {
  std::vector<TextObject> found;
  qsizetype at = 0;
  while ((at = data.indexOf("BT\n", at)) >= 0) {
    if (at > 0 && data[at - 1] != '\n') {
      at += 3;
      continue;
    }
    const qsizetype end = data.indexOf("\nET\n", at);
    if (end < 0) {
      break;
    }
    const QByteArray body = data.mid(at, end - at);
    found.push_back({at, end + 4, static_cast<int>(body.count(" Tj\n") + body.endsWith(" Tj"))});
    at = end + 4;
  }
  return found;
}

}  // namespace

QByteArray WithActualText(const QByteArray& pdf, const QStringList& runs) {
  std::optional<PdfFile> file = ReadObjects(pdf);
  if (!file) {
    return pdf;
  }
  // The pages in the order of the page tree (Qt writes one flat /Kids list).
  const auto root = Reference(file->Trailer, "Root");
  PdfObject* catalog = root ? Find(*file, *root) : nullptr;
  const auto pages_number = catalog ? Reference(catalog->Bytes, "Pages") : std::nullopt;
  PdfObject* pages = pages_number ? Find(*file, *pages_number) : nullptr;
  if (pages == nullptr) {
    return pdf;
  }
  const QRegularExpression kids(QStringLiteral("/Kids\\s*\\[([^\\]]*)\\]"));
  const auto kids_match = kids.match(QString::fromLatin1(pages->Bytes));
  if (!kids_match.hasMatch()) {
    return pdf;
  }
  std::vector<ContentStream> streams;
  std::vector<std::vector<TextObject>> objects;
  qsizetype object_count = 0;
  const QRegularExpression reference(QStringLiteral("(\\d+)\\s+0\\s+R"));
  for (auto it = reference.globalMatch(kids_match.captured(1)); it.hasNext();) {
    PdfObject* page = Find(*file, it.next().captured(1).toInt());
    std::optional<ContentStream> contents = page ? ReadContents(*file, *page) : std::nullopt;
    if (!contents) {
      return pdf;
    }
    objects.push_back(TextObjects(contents->Data));
    object_count += static_cast<qsizetype>(objects.back().size());
    streams.push_back(std::move(*contents));
  }
  // One text object a run, or the runs and the objects do not belong together.
  if (object_count != runs.size()) {
    return pdf;
  }
  qsizetype run = 0;
  for (std::size_t page = 0; page < streams.size(); ++page) {
    QByteArray& data = streams[page].Data;
    bool changed = false;
    // From the last object back, so that the places of those before stay good.
    const qsizetype first_run = run;
    run += static_cast<qsizetype>(objects[page].size());
    for (qsizetype i = static_cast<qsizetype>(objects[page].size()) - 1; i >= 0; --i) {
      const TextObject& text = objects[page][static_cast<std::size_t>(i)];
      const QString& words = runs[first_run + i];
      // A run draws at least one glyph and at most two a character (a Tamil vowel sign
      // written on both sides of its consonant).
      if (text.Glyphs < 1 || text.Glyphs > 2 * words.size()) {
        return pdf;
      }
      if (!NeedsActualText(words)) {
        continue;
      }
      data.insert(text.End, "EMC\n");
      data.insert(text.Begin, "/Span <</ActualText " + HexTextString(words) + ">> BDC\n");
      changed = true;
    }
    if (!changed) {
      continue;
    }
    PdfObject& object = *streams[page].Object;
    const QByteArray deflated = qCompress(data, 9).mid(4);
    object.Bytes = QByteArray::number(object.Number) + " 0 obj\n<<\n/Length " +
                   QByteArray::number(deflated.size()) + "\n/Filter /FlateDecode\n>>\nstream\n" +
                   deflated + "\nendstream\nendobj\n";
  }
  return WriteObjects(*file);
}

}  // namespace lumora::documents
