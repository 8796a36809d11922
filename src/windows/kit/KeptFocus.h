// The keyboard focus a top-level window keeps while another window is in
// front, as dialog boxes do: remembered when the window is deactivated (or
// its owner sets it) and given back when it is activated again, so that
// Enter and the arrow keys still reach what they reached.
#pragma once

#include <windows.h>

namespace launcher {

class KeptFocus {
 public:
  explicit KeptFocus(HWND window) : window_(window) {}

  // Where the focus goes when the window is next given it.
  void Keep(HWND target) { kept_ = target; }
  // Keeps whatever child of the window has the focus now.
  void KeepCurrent();
  // Gives the focus to the kept child, or to `fallback` when that is gone
  // or hidden.
  void Restore(HWND fallback) const;
  // WM_ACTIVATE: keeps the focus on deactivation and restores it, or
  // `fallback`, on activation; true when the message is handled.
  bool OnActivate(WPARAM wParam, HWND fallback);

 private:
  HWND window_;
  HWND kept_ = nullptr;
};

}  // namespace launcher
