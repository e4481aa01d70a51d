// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <optional>
#include <string>

#include "core/document.h"
#include "ui/shell/services.h"

class QWidget;

namespace lumora::ui {

// Save As PDF for every window: asks for the file (proposing STEM.pdf in the user's
// documents folder), writes it whole or not at all, and says why when it cannot.
// Returns the line for the window's status bar, or nothing when cancelled.
std::optional<QString> SaveDocumentAsPdf(QWidget* parent, const Services& services,
                                         const Document& document, const QString& stem);

// Writes the bytes to the file whole or not at all: the earlier file is replaced only once
// the new one is complete. Returns why it could not, or nothing when it was written.
std::optional<QString> SaveWholeFile(const QString& path, const std::string& bytes);

}  // namespace lumora::ui
