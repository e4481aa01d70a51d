// SPDX-License-Identifier: MIT
#pragma once

#include <QGroupBox>

#include "core/report_run.h"
#include "ui/shell/services.h"

class QTextBrowser;

namespace lumora::ui {

// The interpretation of the match, koota by koota, and the link to a detailed analysis.
class InterpretationTab : public QGroupBox {
  Q_OBJECT
 public:
  explicit InterpretationTab(const Services& services, QWidget* parent = nullptr);

  // Adds the report's runs and shows it from its top.
  void AppendReport(const ReportDocument& report);

 private:
  QTextBrowser* report_ = nullptr;
};

}  // namespace lumora::ui
