// SPDX-License-Identifier: MIT
#pragma once

#include "core/document.h"

class QTextDocument;

namespace lumora::documents {

// Lays a composed document out as rich text: the same QTextDocument feeds a window,
// the print dialog and PDF files. Replaces whatever the target held.
void RenderDocument(const Document& document, QTextDocument& target);

}  // namespace lumora::documents
