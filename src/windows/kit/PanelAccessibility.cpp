#include "windows/kit/PanelAccessibility.h"

#include <algorithm>

#include "windows/kit/Panel.h"

namespace launcher {

PanelAccessibility::PanelAccessibility(TPanel& panel)
    : panel_(panel), accessible_(panel.Handle(), *this, ROLE_SYSTEM_CLIENT) {}

void PanelAccessibility::Notify(const TControl* control, DWORD event) {
  const int index = IndexOf(control);
  if (index >= 0) accessible_.Notify(event, index);
}

bool PanelAccessibility::PanelHasFocus() const { return GetFocus() == panel_.Handle(); }

// Those on the same edge stay in the order they came: an insertion sort,
// since a page has a few dozen entries at most.
void PanelAccessibility::SortStablyBy(LONG RECT::*edge, std::vector<Entry>::iterator first,
                                      std::vector<Entry>::iterator last) {
  for (auto next = first; next != last; ++next) {
    for (auto at = next; at != first && (at->bounds.*edge) < ((at - 1)->bounds.*edge); --at) std::iter_swap(at, at - 1);
  }
}

std::vector<PanelAccessibility::Entry> PanelAccessibility::Entries() const {
  std::vector<Entry> entries;
  for (TControl* control : panel_.Controls()) {
    if (control->Visible() && control->Accessibility().role != 0) {
      entries.push_back({control, nullptr, control->BoundsRect()});
    }
  }
  const HWND window = panel_.Handle();
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    RECT bounds;
    GetWindowRect(child, &bounds);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&bounds), 2);
    entries.push_back({nullptr, child, bounds});
  }
  // Reading order, not creation order (the menu's buttons are created from
  // the bottom up, so that each is drawn above the one below): top to
  // bottom, and left to right along a line, where a line is what overlaps
  // its first item by at least half the height of the taller one (so that a
  // tall text beside a column does not pull the column into its line).
  SortStablyBy(&RECT::top, entries.begin(), entries.end());
  for (auto line = entries.begin(); line != entries.end();) {
    auto end = line + 1;
    while (end != entries.end() && std::min(line->bounds.bottom, end->bounds.bottom) - end->bounds.top >=
                                        std::max(line->bounds.bottom - line->bounds.top,
                                                 end->bounds.bottom - end->bounds.top) / 2) {
      ++end;
    }
    SortStablyBy(&RECT::left, line, end);
    line = end;
  }
  return entries;
}

int PanelAccessibility::IndexIn(const std::vector<Entry>& entries, const TControl* control) {
  for (size_t k = 0; k < entries.size(); ++k) {
    if (control && entries[k].control == control) return static_cast<int>(k);
  }
  return -1;
}

AccessibleItem PanelAccessibility::AccessibleItemAt(int index) const {
  const std::vector<Entry> entries = Entries();
  if (static_cast<size_t>(index) >= entries.size()) return {};
  const Entry& entry = entries[static_cast<size_t>(index)];
  AccessibleItem item;
  if (entry.control) {
    item = entry.control->Accessibility();
    if (entry.control == panel_.FocusedControl() && PanelHasFocus()) item.state |= STATE_SYSTEM_FOCUSED;
  }
  item.window = entry.window;
  item.bounds = entry.bounds;
  return item;
}

int PanelAccessibility::AccessibleFocus() const { return IndexOf(panel_.FocusedControl()); }

int PanelAccessibility::AccessibleItemAtPoint(POINT point) const {
  const std::vector<Entry> entries = Entries();
  // Child windows lie above the controls the panel paints.
  for (size_t k = 0; k < entries.size(); ++k) {
    if (entries[k].window && PtInRect(&entries[k].bounds, point)) return static_cast<int>(k);
  }
  // The topmost control there that screen readers know; a picture drawn
  // over another one for show is looked through.
  const std::vector<TControl*>& controls = panel_.Controls();
  for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
    const RECT bounds = (*it)->BoundsRect();
    const int index = PtInRect(&bounds, point) ? IndexIn(entries, *it) : -1;
    if (index >= 0) return index;
  }
  return -1;
}

void PanelAccessibility::AccessibleDefaultAction(int index) {
  const std::vector<Entry> entries = Entries();
  if (static_cast<size_t>(index) >= entries.size() || !entries[static_cast<size_t>(index)].control) return;
  // Carried out from the message loop, so that the screen reader's call
  // never waits for what the click starts.
  PostMessageW(panel_.Handle(), kAccessibleAction, 0,
               reinterpret_cast<LPARAM>(entries[static_cast<size_t>(index)].control));
}

void PanelAccessibility::AccessibleTakeFocus(int index) {
  const std::vector<Entry> entries = Entries();
  if (static_cast<size_t>(index) >= entries.size()) return;
  const Entry& entry = entries[static_cast<size_t>(index)];
  if (entry.window) {
    SetFocus(entry.window);
  } else {
    panel_.FocusControl(entry.control);
  }
}

}  // namespace launcher
