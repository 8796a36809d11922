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

#include <string>

namespace launcher {

template <typename T>
LRESULT CALLBACK BoundWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* created = static_cast<T*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    created->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* self = reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->window_ = nullptr;
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return self->application_.Guarded([&] { return self->HandleMessage(message, wParam, lParam); }, LRESULT{0});
}

// The same for a system control's window that its object subclasses: bound
// at once, its messages go to T::HandleMessage, guarded, which passes what it
// does not handle to the control's own procedure (`T::baseProc_`); at
// WM_NCDESTROY that procedure is put back and the object unbound.
template <typename T>
LRESULT CALLBACK BoundSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_NCDESTROY) {
    const WNDPROC base = self->baseProc_;
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(base));
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->window_ = nullptr;
    return CallWindowProcW(base, window, message, wParam, lParam);
  }
  return self->application_.Guarded([&] { return self->HandleMessage(message, wParam, lParam); }, LRESULT{0});
}

template <typename T>
void BindSubclass(T& self) {
  SetWindowLongPtrW(self.window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&self));
  self.baseProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(self.window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(BoundSubclassProc<T>)));
}

// Registers a window class of this program once; later calls find it. Its
// windows are Unicode windows, so that their titles and texts hold every
// script whatever the system's code page.
void RegisterWindowClass(const char* name, WNDPROC procedure, HBRUSH background = nullptr, UINT style = 0,
                         HICON icon = nullptr);

// CreateWindowExW for a class name and a title in the launcher's texts.
HWND CreateUnicodeWindow(DWORD exStyle, const char* className, const std::string& title, DWORD style, int x, int y,
                         int width, int height, HWND parent, void* param = nullptr, HMENU menu = nullptr);
// Lays a window out right to left, as Windows lays out its own in Arabic,
// Hebrew or Persian: its client's origin at the right, its frame's buttons
// and its children's places mirrored. Windows created before it keep their
// places on the screen until they are placed again.
void Mirror(HWND window);
bool IsMirrored(HWND window);

// A window's title or text in the launcher's texts.
void SetWindowTitle(HWND window, const std::string& title);

}  // namespace launcher
