#pragma once

#include <QDialog>
#include <functional>

#include "core/report_run.h"
#include "core/vedic/entry/profile.h"
#include "ui/shell/services.h"

class QTextBrowser;

namespace lumora::ui {

// Shows one exported document; prints it, and saves the pair's four Moon values
// to a profile file.
class ReportWindow : public QDialog {
  Q_OBJECT
 public:
  ReportWindow(const Services& services, std::function<ProfileValues()> profile,
               QWidget* parent = nullptr);

  // Replaces the content with the document.
  void ShowDocument(const ReportDocument& document);
  QTextBrowser* Box() const { return box_; }

  void SaveProfile();
  void PrintDocument();

 private:
  Services services_;
  std::function<ProfileValues()> profile_;
  QTextBrowser* box_;
};

}  // namespace lumora::ui
