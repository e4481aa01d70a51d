// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace lumora::ui {

// Twips (1/1440 inch) in device-independent pixels.
int Twips(int twips);

// Room a window manager's title bar and borders take around a window.
inline constexpr int kWindowFrameAllowance = 48;

// Places a window horizontally centred with its top edge at the top: on the screen
// for a top-level window, in the main window's document area for a test window shown
// there.
void PlaceAtTopCentre(QWidget& window);

// Shrinks the window where needed so that it, its title bar and its buttons fit the
// screen's available area, or the document area of a test window shown there.
void FitToScreen(QWidget& window);

// Grows the window that holds the widget (a test window in the document area, or a window
// of its own) to the height its layout now asks for, as far as FitToScreen allows: a label
// that wraps to more lines than before is then shown whole.
void GrowToHold(const QWidget& widget);

}  // namespace lumora::ui
