// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <optional>

#include "core/document.h"
#include "ui/shell/services.h"

class QWidget;

namespace lumora::ui {

// Save As PDF for every window: asks for the file (proposing STEM.pdf in the user's
// documents folder), writes it whole or not at all, and says why when it cannot.
// Returns the line for the window's status bar, or nothing when cancelled.
std::optional<QString> SaveDocumentAsPdf(QWidget* parent, const Services& services,
                                         const Document& document, const QString& stem);

}  // namespace lumora::ui
