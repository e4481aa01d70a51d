// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <functional>

#include "core/document.h"
#include "core/vedic/entry/profile.h"
#include "ui/shell/services.h"

class QLabel;
class QTextBrowser;

namespace lumora::ui {

// Shows one exported document; prints it, and saves the pair's four Moon values
// to a profile file.
class ReportWindow : public QDialog {
  Q_OBJECT
 public:
  ReportWindow(const Services& services, std::function<ProfileValues()> profile,
               QWidget* parent = nullptr);

  // Replaces the content with the document, shown from its top, laid out as it prints
  // and as Save As PDF writes it; stem is the name a file is offered under.
  void ShowDocument(Document document, const QString& stem);
  QTextBrowser* Box() const { return box_; }

  void SaveProfile();
  void PrintDocument();
  void SavePdf();

 private:
  Services services_;
  std::function<ProfileValues()> profile_;
  QTextBrowser* box_;
  QLabel* status_;
  Document document_;
  QString stem_;
};

}  // namespace lumora::ui
