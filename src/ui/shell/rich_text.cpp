// SPDX-License-Identifier: MIT
#include "ui/shell/rich_text.h"

#include <QRegularExpression>
#include <QTextCursor>
#include <QTextEdit>

namespace lumora::ui {

QString ToQString(const std::string& text) {
  return QString::fromStdString(text);
}

void AppendRuns(QTextEdit& box, const ReportDocument& runs) {
  static const QRegularExpression kAddress(
      QStringLiteral(R"((https?://|www\.)[^\s<>"]+[^\s<>".,;:!?)])"));
  QTextCursor cursor(box.document());
  cursor.movePosition(QTextCursor::End);
  // Documents start black on white, whatever the desktop theme.
  QColor color(Qt::black);
  for (const ReportRun& run : runs) {
    if (run.Color) {
      color = QColor(run.Color->Red, run.Color->Green, run.Color->Blue);
    }
    QTextCharFormat format;
    format.setFontWeight(run.Bold ? QFont::Bold : QFont::Normal);
    format.setForeground(color);
    QString text = ToQString(run.Text);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    int at = 0;
    auto matches = kAddress.globalMatch(text);
    while (matches.hasNext()) {
      const auto match = matches.next();
      cursor.insertText(text.mid(at, match.capturedStart() - at), format);
      QTextCharFormat link = format;
      QString href = match.captured();
      if (href.startsWith(QStringLiteral("www."))) {
        href.prepend(QStringLiteral("https://"));
      }
      link.setAnchor(true);
      link.setAnchorHref(href.left(1024));
      link.setFontUnderline(true);
      cursor.insertText(match.captured(), link);
      at = static_cast<int>(match.capturedEnd());
    }
    cursor.insertText(text.mid(at), format);
  }
}

}  // namespace lumora::ui
