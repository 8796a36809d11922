// The screen's scale. Every layout is designed in logical pixels, at 96
// DPI; a window on a scaled screen draws it in physical pixels, each
// length scaled from its logical value, never from one already scaled, so
// that no rounding adds up.
#pragma once

#include <windows.h>

namespace launcher {

inline constexpr int kDesignDpi = 96;
// WM_DPICHANGED, which the headers define only for builds that need
// Windows 8.1: sent when a window moved to a monitor of another scale,
// with the new DPI in HIWORD(wParam) and the suggested frame in lParam.
inline constexpr UINT kDpiChanged = 0x02E0;

inline int Scaled(int logical, int dpi) { return MulDiv(logical, dpi, kDesignDpi); }
// A physical length back in logical pixels (a text measured in the scaled font).
inline int Unscaled(int physical, int dpi) { return MulDiv(physical, kDesignDpi, dpi); }
inline RECT Scaled(const RECT& logical, int dpi) {
  return {Scaled(logical.left, dpi), Scaled(logical.top, dpi), Scaled(logical.right, dpi),
          Scaled(logical.bottom, dpi)};
}

// Moves a child window to its logical place in its parent, scaled.
void PlaceScaled(HWND child, const RECT& logical, int dpi);

// Asks Windows, at start, to let the launcher draw for each monitor's scale
// itself: per monitor (the second version, else the first), else for the
// system's scale. Each is looked up, so that systems without them start.
void BecomeDpiAware();

// The scale a window is shown at: its monitor's where the system says,
// else the system's.
int WindowDpi(HWND window);

}  // namespace launcher
