// How the launcher's top-level windows present themselves: the program's
// icon on their title bars and taskbar button, and their place on screen.
#pragma once

#include <windows.h>

namespace launcher {

HICON LauncherIcon();

// A monitor's work area, in physical pixels, and its scale.
struct MonitorArea {
  RECT work;
  int dpi;
};
// The work area of the monitor a window lies on (the nearest, when it lies
// on none).
RECT WorkAreaOf(HWND window);
// That monitor with its own scale where the system tells it (Windows 8.1 and
// later), else the system's.
MonitorArea MonitorOf(HWND window);

// Where a top-level window of `frame` size goes on a monitor: 50 logical
// pixels up and left of the centre of its work area, where that leaves
// room for it.
POINT PlaceOn(const MonitorArea& monitor, SIZE frame);
// Moves a top-level window there.
void PlaceOnScreen(HWND window, const MonitorArea& monitor);

// Sizes a top-level window for a client of `width` x `height` physical
// pixels at `dpi` where it stands, or gives it the frame Windows suggested
// when the window moved to a monitor of another scale.
void FitFrame(HWND window, int width, int height, int dpi, const RECT* suggestedFrame);

}  // namespace launcher
