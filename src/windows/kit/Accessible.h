// What screen readers read of a window that draws items of its own (a page
// of windowless controls, the checklist's rows): one accessible object per
// window, answered to WM_GETOBJECT, whose children are the window's items.
// The object asks the window at every call, so it never reports a stale
// item, and it answers CO_E_OBJNOTCONNECTED once the window is gone.
// Everything about the window itself (its place, its parent, its
// neighbours) comes from the system's own object for the window.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <optional>
#include <string>

#include "windows/system/Handles.h"

namespace launcher {

// Posted to a window to run the default action of one of its items, so that
// a screen reader's call returns before the action (which may show a message
// window or wait for an installer) runs. lParam names the item as the window
// chooses.
inline constexpr UINT kAccessibleAction = WM_APP + 0x102;

struct AccessibleItem {
  long role = 0;  // ROLE_SYSTEM_*
  std::string name;  // in the system's code page, line breaks as CR LF
  std::string description;
  long state = 0;  // STATE_SYSTEM_*, the focus included
  RECT bounds{};  // in the window's client coordinates
  const char* defaultAction = nullptr;  // none when null
  // An item that is a child window, read through its own object.
  HWND window = nullptr;
};

// What a window tells screen readers of itself. One that draws items of its
// own lists them; one without items may give its own name.
class AccessibleItems {
 public:
  virtual int AccessibleItemCount() const { return 0; }
  virtual AccessibleItem AccessibleItemAt(int) const { return {}; }
  // The item with the keyboard focus; -1 when the window has it for itself.
  virtual int AccessibleFocus() const { return -1; }
  // The topmost item at a client point; -1 for none.
  virtual int AccessibleItemAtPoint(POINT) const { return -1; }
  // Asks for the item's default action, to run from the message loop.
  virtual void AccessibleDefaultAction(int) {}
  virtual void AccessibleTakeFocus(int) {}
  // The window's name; empty for the one the system gives it.
  virtual std::string AccessibleName() const { return {}; }

 protected:
  ~AccessibleItems() = default;
};

class AccessibleWindow {
 public:
  AccessibleWindow(HWND window, AccessibleItems& items, long role);
  // Disconnects the object: clients that still hold it get errors, never
  // the destroyed window's items.
  ~AccessibleWindow();
  AccessibleWindow(const AccessibleWindow&) = delete;
  AccessibleWindow& operator=(const AccessibleWindow&) = delete;

  // The answer to WM_GETOBJECT: the object for the client area, or what the
  // system answers for anything else.
  LRESULT Answer(WPARAM wParam, LPARAM lParam);
  // Tells screen readers that item `index` (-1: the window itself) changed.
  void Notify(DWORD event, int index) const;

 private:
  class Object;
  HWND window_;
  AccessibleItems& items_;
  long role_;
  // Entered on the first question, and left after the object is let go.
  std::optional<ComApartment> apartment_;
  ComPtr<Object> object_;  // made on the first question
};

}  // namespace launcher
