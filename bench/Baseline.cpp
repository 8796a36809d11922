// The baseline of the start-up benchmark: an empty 600 x 400 window, opened
// the way the launcher opens its own (owned by a hidden application window,
// placed, shown, message loop).
#include <windows.h>

LRESULT CALLBACK BaselineProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) PostQuitMessage(0);
  return DefWindowProcA(window, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSEXA c{};
  c.cbSize = sizeof c;
  c.lpfnWndProc = BaselineProc;
  c.hInstance = instance;
  c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  c.lpszClassName = "BaselineWindow";
  RegisterClassExA(&c);
  HWND owner = CreateWindowExA(0, "BaselineWindow", "Baseline", WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 0, 0,
                               nullptr, nullptr, instance, nullptr);
  ShowWindow(owner, SW_SHOWNOACTIVATE);
  RECT frame{0, 0, 600, 400};
  AdjustWindowRectEx(&frame, WS_POPUP | WS_CAPTION | WS_SYSMENU, FALSE, WS_EX_DLGMODALFRAME);
  HWND window = CreateWindowExA(WS_EX_DLGMODALFRAME, "BaselineWindow", "Baseline", WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                100, 100, frame.right - frame.left, frame.bottom - frame.top, owner, nullptr, instance,
                                nullptr);
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
