#include "windows/TopLevel.h"

#include "core/Texts.h"
#include "windows/kit/Dpi.h"
#include "windows/resources/resource.h"
#include "windows/system/SystemLibrary.h"

namespace launcher {

HICON LauncherIcon() { return LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_LAUNCHER)); }

RECT WorkAreaOf(HWND window) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
  return info.rcWork;
}

MonitorArea MonitorOf(HWND window) {
  // Windows 8.1 and later; MDT_EFFECTIVE_DPI is 0. Its library is loaded
  // when a message window is first shown, not at start.
  using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
  static const auto forMonitor = SystemLibraryFunction<GetDpiForMonitorFn>("shcore.dll", "GetDpiForMonitor");
  UINT dpiX = 0, dpiY = 0;
  const bool told = forMonitor && SUCCEEDED(forMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), 0,
                                                       &dpiX, &dpiY)) && dpiY > 0;
  return {WorkAreaOf(window), told ? static_cast<int>(dpiY) : WindowDpi(nullptr)};
}

POINT PlaceOn(const MonitorArea& monitor, SIZE frame) {
  const RECT& work = monitor.work;
  const int offset = Scaled(50, monitor.dpi);
  return {work.left + PlacementOrigin(work.right - work.left, frame.cx, offset),
          work.top + PlacementOrigin(work.bottom - work.top, frame.cy, offset)};
}

void PlaceOnScreen(HWND window, const MonitorArea& monitor) {
  RECT frame;
  GetWindowRect(window, &frame);
  const POINT origin = PlaceOn(monitor, {frame.right - frame.left, frame.bottom - frame.top});
  SetWindowPos(window, nullptr, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FitFrame(HWND window, int width, int height, int dpi, const RECT* suggestedFrame) {
  RECT frame{0, 0, width, height};
  const auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
  // A per-monitor aware window's frame at its own scale (Windows 10 1607
  // and later); the older call sizes it at the system's.
  using AdjustForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto adjustForDpi = SystemLibraryFunction<AdjustForDpiFn>("user32.dll", "AdjustWindowRectExForDpi");
  if (!adjustForDpi || !adjustForDpi(&frame, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
    frame = {0, 0, width, height};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  }
  if (suggestedFrame) {
    const RECT& to = *suggestedFrame;
    SetWindowPos(window, nullptr, to.left, to.top, to.right - to.left, to.bottom - to.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  const UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
  SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top, flags);
  // Where the frame is drawn at another scale than the one asked for (Wine
  // draws it unscaled), the client it left is what counts.
  RECT client;
  GetClientRect(window, &client);
  if (client.right != width || client.bottom != height) {
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left + width - client.right,
                 frame.bottom - frame.top + height - client.bottom, flags);
  }
}

}  // namespace launcher
