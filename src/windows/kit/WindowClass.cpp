#include "windows/kit/WindowClass.h"

#include "windows/system/Win32Text.h"

namespace launcher {

void RegisterWindowClass(const char* name, WNDPROC procedure, HBRUSH background, UINT style, HICON icon) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  const std::wstring className = Wide(name);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (GetClassInfoExW(instance, className.c_str(), &windowClass)) return;
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = style;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = icon;
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = className.c_str();
  RegisterClassExW(&windowClass);
}

HWND CreateUnicodeWindow(DWORD exStyle, const char* className, const std::string& title, DWORD style, int x, int y,
                         int width, int height, HWND parent, void* param, HMENU menu) {
  return CreateWindowExW(exStyle, Wide(className).c_str(), Wide(title).c_str(), style, x, y, width, height, parent, menu,
                         GetModuleHandleA(nullptr), param);
}

void Mirror(HWND window) {
  SetWindowLongPtrW(window, GWL_EXSTYLE, GetWindowLongPtrW(window, GWL_EXSTYLE) | WS_EX_LAYOUTRTL);
  SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  InvalidateRect(window, nullptr, TRUE);
}

bool IsMirrored(HWND window) { return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0; }

void SetWindowTitle(HWND window, const std::string& title) { SetWindowTextW(window, Wide(title).c_str()); }

}  // namespace launcher
