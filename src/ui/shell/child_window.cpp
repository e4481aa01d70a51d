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

bool ChildWindowFrame::focusNextPrevChild(bool next) {
  QWidget* current = focusWidget();
  if (current == nullptr || current == this || !isAncestorOf(current)) {
    return QMdiSubWindow::focusNextPrevChild(next);
  }
  for (QWidget* candidate = current;;) {
    candidate = next ? candidate->nextInFocusChain() : candidate->previousInFocusChain();
    if (candidate == current) {
      return false;
    }
    const bool takes_tab = (candidate->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
    if (candidate != this && isAncestorOf(candidate) && takes_tab && candidate->isVisible() &&
        candidate->isEnabled() && candidate->focusProxy() == nullptr) {
      candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
      return true;
    }
  }
}

void ShowChildWindow(QMdiArea& area, QWidget& window) {
  ChildWindowFrame* frame = ChildWindowFrame::Of(window);
  if (frame == nullptr) {
    frame = new ChildWindowFrame(window, area);
  }
  window.show();
  frame->show();
  // Never smaller than its layout asks for where the area has the room: a window first
  // sized on a smaller screen is cut off otherwise.
  frame->resize(frame->size().expandedTo(frame->minimumSizeHint()));
  FitToScreen(window);
  PlaceAtTopCentre(window);
  frame->raise();
  // The keyboard goes with the window shown, as it did when it was a window of its
  // own: the main window is activated too, for a desktop that does not do so itself.
  area.window()->activateWindow();
  area.setActiveSubWindow(frame);
}

}  // namespace lumora::ui
