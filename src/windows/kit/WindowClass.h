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

// The same for a system control's window that its object subclasses: bound
// at once, its messages go to T::HandleMessage, guarded, which passes what it
// does not handle to the control's own procedure (`T::baseProc_`); at
// WM_NCDESTROY that procedure is put back and the object unbound.
template <typename T>
LRESULT CALLBACK BoundSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<T*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message == WM_NCDESTROY) {
    const WNDPROC base = self->baseProc_;
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(base));
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    self->window_ = nullptr;
    return CallWindowProcA(base, window, message, wParam, lParam);
  }
  return self->application_.Guarded([&] { return self->HandleMessage(message, wParam, lParam); }, LRESULT{0});
}

template <typename T>
void BindSubclass(T& self) {
  SetWindowLongPtrA(self.window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&self));
  self.baseProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(self.window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(BoundSubclassProc<T>)));
}

// Registers a window class of this program once; later calls find it.
void RegisterWindowClass(const char* name, WNDPROC procedure, HBRUSH background = nullptr, UINT style = 0,
                         HICON icon = nullptr);

}  // namespace launcher
