#include "windows/kit/WindowClass.h"

#include "windows/resources/resource.h"

#include "core/Texts.h"

namespace launcher {

void PlaceOnScreen(HWND window) {
  RECT frame;
  GetWindowRect(window, &frame);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  SetWindowPos(window, nullptr, PlacementOrigin(GetSystemMetrics(SM_CXSCREEN), width),
               PlacementOrigin(GetSystemMetrics(SM_CYSCREEN), height), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void RegisterWindowClass(const char* name, WNDPROC procedure, HBRUSH background, UINT style) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (GetClassInfoExA(instance, name, &windowClass)) return;
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = style;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_LAUNCHER));
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = name;
  RegisterClassExA(&windowClass);
}

}  // namespace launcher
