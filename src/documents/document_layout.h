// SPDX-License-Identifier: MIT
#pragma once

#include "core/document.h"

class QTextDocument;

namespace lumora::documents {

// Lays a composed document out as rich text: the same QTextDocument feeds a window,
// the print dialog and PDF files. Replaces whatever the target held.
void RenderDocument(const Document& document, QTextDocument& target);

// On a rendered document laid out in pages (its page size set), the page breaks for
// paper: a section meant to open a new page follows on the page above where that page
// would otherwise stand less than half full, and a heading that the layout left at a
// page's foot, with the text it heads on the next page, moves to that page with it.
void PaginateForPaper(QTextDocument& document);

}  // namespace lumora::documents
