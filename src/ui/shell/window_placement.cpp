// SPDX-License-Identifier: MIT
#include "ui/shell/window_placement.h"

#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QWidget>
#include <optional>

namespace lumora::ui {

namespace {

// The document area a test window is shown in, with its frame; none for a window of
// its own.
struct Hosting {
  QMdiSubWindow* Frame;
  QWidget* Viewport;
};

std::optional<Hosting> HostingOf(const QWidget& window) {
  auto* frame = qobject_cast<QMdiSubWindow*>(window.parentWidget());
  if (frame == nullptr || frame->mdiArea() == nullptr) {
    return std::nullopt;
  }
  return Hosting{frame, frame->mdiArea()->viewport()};
}

QRect ScreenArea(const QWidget& window) {
  const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
  return screen->availableGeometry();
}

}  // namespace

int Twips(int twips) {
  return twips / 15;
}

void PlaceAtTopCentre(QWidget& window) {
  if (const auto hosting = HostingOf(window)) {
    // Never left of the area's edge, so the title bar and its buttons stay in view.
    const int left = (hosting->Viewport->width() - hosting->Frame->width()) / 2;
    hosting->Frame->move(qMax(0, left), 0);
    return;
  }
  const QRect area = ScreenArea(window);
  window.move(area.left() + (area.width() - window.frameGeometry().width()) / 2, area.top());
}

void FitToScreen(QWidget& window) {
  if (const auto hosting = HostingOf(window)) {
    // The area draws the frame itself, so the frame is what must fit.
    hosting->Frame->resize(hosting->Frame->size().boundedTo(hosting->Viewport->size()));
    return;
  }
  const QRect area = ScreenArea(window);
  const QSize room(area.width() - kWindowFrameAllowance / 4, area.height() - kWindowFrameAllowance);
  window.resize(window.size().boundedTo(room));
}

void GrowToHold(const QWidget& widget) {
  // The window FitToScreen would fit: the one whose parent is a document area's frame, or
  // the top-level one.
  QWidget* window = widget.window();
  for (QWidget* w = widget.parentWidget(); w != nullptr; w = w->parentWidget()) {
    if (qobject_cast<QMdiSubWindow*>(w->parentWidget()) != nullptr) {
      window = w;
      break;
    }
  }
  const auto hosting = HostingOf(*window);
  QWidget& outer = hosting ? *static_cast<QWidget*>(hosting->Frame) : *window;
  // The window's own hint is up to date; a frame's follows only at its next layout pass,
  // so the frame adds what its title and borders take.
  const int least = window->minimumSizeHint().height() + outer.height() - window->height();
  if (outer.height() < least) {
    outer.resize(outer.width(), least);
    FitToScreen(*window);
  }
}

}  // namespace lumora::ui
