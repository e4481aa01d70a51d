// SPDX-License-Identifier: MIT
#include "documents/picture_block.h"

#include <QTextBlockFormat>

namespace lumora::documents {

void StartPictureBlock(QTextCursor& cursor, qreal margin, bool first_block, bool page_break) {
  QTextBlockFormat block;
  block.setAlignment(Qt::AlignHCenter);
  block.setTopMargin(margin);
  block.setBottomMargin(margin);
  block.setNonBreakableLines(true);
  if (page_break) {
    block.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
  }
  if (first_block) {
    cursor.setBlockFormat(block);
  } else {
    cursor.insertBlock(block);
  }
}

}  // namespace lumora::documents
