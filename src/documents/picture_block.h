// SPDX-License-Identifier: MIT
#pragma once

#include <QTextCursor>

namespace lumora::documents {

// Opens the centred block a picture object sits in: margin points above and below, its
// lines kept together, a new page before it when page_break is set. The document's
// first block is reused rather than followed by an empty one.
void StartPictureBlock(QTextCursor& cursor, qreal margin, bool first_block, bool page_break);

}  // namespace lumora::documents
