// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "core/document.h"

namespace lumora::cli {

// Options of the commands that can also write their result as a PDF file.
struct PdfOptions {
  std::string file;  // empty: no PDF
  bool with_catalogues = false;
};

// Writes the document as a PDF file without any display; a file that cannot be
// written is a UsageError whose message says so (an earlier file stays as it was).
void WritePdfFile(const Document& document, const std::string& path);

// --pdf "" names no file: refused when the options are read, as a usage error.
std::string RefuseEmptyFileName(const std::string& name);

// --pdf writes one document: it takes exactly one input object.
void RequireOneInputForPdf(std::size_t input_count);

}  // namespace lumora::cli
