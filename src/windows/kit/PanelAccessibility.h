// What screen readers see of a panel: its visible controls and child
// windows, in reading order, as the children of its accessible object.
#pragma once

#include <windows.h>

#include <vector>

#include "windows/kit/Accessible.h"
#include "windows/kit/Control.h"

namespace launcher {

class TPanel;

class PanelAccessibility : private AccessibleItems {
 public:
  explicit PanelAccessibility(TPanel& panel);

  // The panel's answer to WM_GETOBJECT; 0 when it has none.
  LRESULT Answer(WPARAM wParam, LPARAM lParam) { return accessible_.Answer(wParam, lParam); }
  // Tells screen readers that `control` changed (EVENT_OBJECT_*).
  void Notify(const TControl* control, DWORD event);
  // The keyboard focus is on `control`, or on the panel itself where screen
  // readers do not know the control.
  void NotifyFocus(const TControl* control) { accessible_.Notify(EVENT_OBJECT_FOCUS, IndexOf(control)); }

 private:
  // Sorts entries by one edge of their bounds (their place on the page).
  struct Entry;
  static void SortStablyBy(LONG RECT::*edge, std::vector<Entry>::iterator first, std::vector<Entry>::iterator last);
  struct Entry {
    TControl* control;
    HWND window;
    RECT bounds;
  };
  std::vector<Entry> Entries() const;
  // Where a control stands among the entries; -1 when it is not there.
  static int IndexIn(const std::vector<Entry>& entries, const TControl* control);
  int IndexOf(const TControl* control) const { return IndexIn(Entries(), control); }
  bool PanelHasFocus() const;

  int AccessibleItemCount() const override { return static_cast<int>(Entries().size()); }
  AccessibleItem AccessibleItemAt(int index) const override;
  int AccessibleFocus() const override;
  int AccessibleItemAtPoint(POINT point) const override;
  void AccessibleDefaultAction(int index) override;
  void AccessibleTakeFocus(int index) override;

  TPanel& panel_;
  AccessibleWindow accessible_;
};

}  // namespace launcher
