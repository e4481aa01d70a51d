#pragma once

#include <QObject>
#include <QPointer>

#include "ui/shell/services.h"

class QMainWindow;

namespace lumora::ui {

// The Western test's windows: the input form and the report window.
class WesternSession : public QObject {
  Q_OBJECT
 public:
  WesternSession(const Services& services, QMainWindow* main_window);
  ~WesternSession() override;

  // Shows the input form centred at the top of the screen (created on first use)
  // and hides the report window.
  void ShowInputForm();
  // Hides both windows; they keep their contents.
  void HideAll();
  // Prints an image of the report window as displayed, creating it first when needed.
  void PrintReport();
  // From the report back to the input form.
  void BackToInputForm();
  // Closes both windows for good (program exit).
  void CloseAll();

  QWidget* InputForm() const;
  QWidget* ReportWindow() const;

 private:
  Services services_;
  QMainWindow* main_window_;
};

}  // namespace lumora::ui
