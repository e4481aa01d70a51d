// SPDX-License-Identifier: MIT
#pragma once

#include <QMdiSubWindow>

class QMdiArea;

namespace lumora::ui {

// The frame of a test window inside the main window's document area. It follows its
// window: it hides when the window hides itself, and goes when the window is deleted.
// Closing it closes the window, which decides whether it is deleted (forms and the
// result window) or only hidden (the Western report, which keeps its values).
class ChildWindowFrame : public QMdiSubWindow {
  Q_OBJECT
 public:
  ChildWindowFrame(QWidget& window, QMdiArea& area);

  // The frame a window is shown in, if it has been shown in the area.
  static ChildWindowFrame* Of(const QWidget& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

// Shows a test window in the area, in front of the others and active: it is framed
// on its first showing, then fitted to the area and placed at its top centre.
void ShowChildWindow(QMdiArea& area, QWidget& window);

}  // namespace lumora::ui
