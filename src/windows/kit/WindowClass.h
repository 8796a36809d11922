// The one way a window of ours is tied to its C++ object: the object comes
// with CreateWindowEx's last argument, is bound at WM_NCCREATE and unbound at
// WM_NCDESTROY, and no exception crosses back into the system: an error ends
// the message's handling in the application's error box (Application::Guarded).
// Messages before WM_NCCREATE get the default handling.
//
// T needs `HWND window_`, `Application& application_` and
// `LRESULT HandleMessage(UINT, WPARAM, LPARAM)`, reachable by this template.
#pragma once

#include <windows.h>


namespace launcher {

template <typename T>
LRESULT CALLBACK BoundWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* created = static_cast<T*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    created->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* self = reinterpret_cast<T*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self) return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    self->window_ = nullptr;
    return DefWindowProcA(window, message, wParam, lParam);
  }
  return self->application_.Guarded([&] { return self->HandleMessage(message, wParam, lParam); }, LRESULT{0});
}

// Registers a window class of this program once; later calls find it.
void RegisterWindowClass(const char* name, WNDPROC procedure, HBRUSH background = nullptr, UINT style = 0,
                         HICON icon = nullptr);

}  // namespace launcher
