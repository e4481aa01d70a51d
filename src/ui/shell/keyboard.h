// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

namespace lumora::ui {

// Keys that work as desktop users expect in every window of the program, installed once
// on the application:
//  - Enter or Return on a focused push button presses it (Qt presses only a dialog's
//    buttons so; the test windows are not dialogs);
//  - Ctrl+Tab and Ctrl+Shift+Tab (and Ctrl+Page Down, Ctrl+Page Up) inside a window with
//    tabs switch its tabs, rather than moving to another test window.
class KeyboardConventions : public QObject {
  Q_OBJECT
 public:
  // Installs the conventions, or puts them back in front of filters installed since.
  static void Install();

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  using QObject::QObject;
};

}  // namespace lumora::ui
