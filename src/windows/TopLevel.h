// How the launcher's top-level windows present themselves: the program's
// icon on their title bars and taskbar button, and their place on screen.
#pragma once

#include <windows.h>

namespace launcher {

HICON LauncherIcon();

// Moves a top-level window 50 pixels up and left of the screen's centre,
// where the screen leaves room for that.
void PlaceOnScreen(HWND window);

}  // namespace launcher
