// SPDX-License-Identifier: MIT
#pragma once

#include <array>

#include "core/document.h"
#include "core/western/western_run.h"

namespace lumora {

// The explanatory paragraphs of the compatibility block of the Western report.
extern const std::array<const char*, 4> kWesternReportParagraphs;

// The closing line of the Western report.
extern const char* const kWesternCreditLine;

// The Western report as a document: both persons' details, both tables of natal
// positions and the compatibility figures, with the same texts as the report window.
Document ComposeWesternDocument(const WesternTestResult& result);

}  // namespace lumora
