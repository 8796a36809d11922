// How the launcher's top-level windows present themselves: the program's
// icon on their title bars and taskbar button, and their place on screen.
#pragma once

#include <windows.h>

namespace launcher {

HICON LauncherIcon();

// Moves a top-level window 50 logical pixels up and left of the centre of
// its monitor's work area, where that leaves room for it.
void PlaceOnScreen(HWND window, int dpi);

// Sizes a top-level window for a client of `width` x `height` physical
// pixels where it stands, or gives it the frame Windows suggested when the
// window moved to a monitor of another scale.
void FitFrame(HWND window, int width, int height, const RECT* suggestedFrame);

}  // namespace launcher
