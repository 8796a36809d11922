#include "windows/TopLevel.h"

#include "core/Texts.h"
#include "windows/kit/Dpi.h"
#include "windows/resources/resource.h"

namespace launcher {

HICON LauncherIcon() { return LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_LAUNCHER)); }

void PlaceOnScreen(HWND window, int dpi) {
  RECT frame;
  GetWindowRect(window, &frame);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& work = monitor.rcWork;
  const int offset = Scaled(50, dpi);
  SetWindowPos(window, nullptr, work.left + PlacementOrigin(work.right - work.left, width, offset),
               work.top + PlacementOrigin(work.bottom - work.top, height, offset), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FitFrame(HWND window, int width, int height, const RECT* suggestedFrame) {
  RECT frame{0, 0, width, height};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)));
  if (suggestedFrame) frame = *suggestedFrame;
  SetWindowPos(window, nullptr, frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top,
               (suggestedFrame ? 0 : SWP_NOMOVE) | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace launcher
