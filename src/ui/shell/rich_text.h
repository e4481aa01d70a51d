// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "core/report_run.h"

class QTextEdit;

namespace lumora::ui {

// Appends report runs at the end of a text box, each with its bold flag and colour
// (a run without one keeps the colour in force). Web addresses in the runs become
// links, so a text browser can report clicks on them.
void AppendRuns(QTextEdit& box, const ReportDocument& runs);

QString ToQString(const std::string& text);

}  // namespace lumora::ui
