// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class QListWidget;

namespace lumora::ui {

// The list of 71 named time zones. Double-clicking (or Enter on) an entry reports
// its row and closes the picker; "Quit" closes it without a choice.
class TimeZonePicker : public QDialog {
  Q_OBJECT
 public:
  explicit TimeZonePicker(QWidget* parent = nullptr);
  QListWidget* List() const { return list_; }

 signals:
  void ZoneChosen(int hours, int minutes);

 private:
  void Choose();
  QListWidget* list_;
};

}  // namespace lumora::ui
