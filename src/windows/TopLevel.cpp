#include "windows/TopLevel.h"

#include "core/Texts.h"
#include "windows/resources/resource.h"

namespace launcher {

HICON LauncherIcon() { return LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_LAUNCHER)); }

void PlaceOnScreen(HWND window) {
  RECT frame;
  GetWindowRect(window, &frame);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  SetWindowPos(window, nullptr, PlacementOrigin(GetSystemMetrics(SM_CXSCREEN), width),
               PlacementOrigin(GetSystemMetrics(SM_CYSCREEN), height), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace launcher
