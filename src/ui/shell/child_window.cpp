// SPDX-License-Identifier: MIT
#include "ui/shell/child_window.h"

#include <QEvent>
#include <QMdiArea>

#include "ui/shell/window_placement.h"

namespace lumora::ui {

ChildWindowFrame::ChildWindowFrame(QWidget& window, QMdiArea& area) : QMdiSubWindow(nullptr) {
  setObjectName(window.objectName() + QStringLiteral("Frame"));
  const QSize wanted = window.size();
  setWidget(&window);
  area.addSubWindow(this);
  // The window's own close decides what goes; the frame stays as long as its window.
  setAttribute(Qt::WA_DeleteOnClose, false);
  const QMargins margins = contentsMargins();
  resize(wanted.grownBy(margins).expandedTo(minimumSizeHint()));
  window.installEventFilter(this);
  connect(&window, &QObject::destroyed, this, &QObject::deleteLater);
}

ChildWindowFrame* ChildWindowFrame::Of(const QWidget& window) {
  return qobject_cast<ChildWindowFrame*>(window.parentWidget());
}

bool ChildWindowFrame::eventFilter(QObject* watched, QEvent* event) {
  // A window that hides itself (a form's Exit, the picker after a choice, a session
  // hiding it) takes its frame along, rather than leaving an empty frame behind.
  if (watched == widget() && event->type() == QEvent::HideToParent && isVisible()) {
    hide();
  }
  return QMdiSubWindow::eventFilter(watched, event);
}

void ShowChildWindow(QMdiArea& area, QWidget& window) {
  ChildWindowFrame* frame = ChildWindowFrame::Of(window);
  if (frame == nullptr) {
    frame = new ChildWindowFrame(window, area);
  }
  window.show();
  frame->show();
  FitToScreen(window);
  PlaceAtTopCentre(window);
  frame->raise();
  area.setActiveSubWindow(frame);
}

}  // namespace lumora::ui
