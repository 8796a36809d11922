#include "windows/kit/KeptFocus.h"

namespace launcher {

void KeptFocus::KeepCurrent() {
  const HWND focused = GetFocus();
  if (focused && IsChild(window_, focused)) kept_ = focused;
}

void KeptFocus::Restore(HWND fallback) const {
  const bool usable = kept_ && IsWindowVisible(kept_) && IsChild(window_, kept_);
  if (const HWND target = usable ? kept_ : fallback) SetFocus(target);
}

bool KeptFocus::OnActivate(WPARAM wParam, HWND fallback) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    KeepCurrent();
    return false;
  }
  if (HIWORD(wParam)) return false;  // activated while minimised: nothing to focus
  Restore(fallback);
  return true;
}

}  // namespace launcher
