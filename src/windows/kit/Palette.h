// How a page and its controls are coloured. kDesigned: each control's own
// colours and pictures, as the disc and the launcher designed them.
// kSystem: the system's colours only, and no backdrop picture under the
// texts, for a user who has switched high contrast on. The layout is the
// same in both.
#pragma once

#include <windows.h>

namespace launcher {

enum class Palette { kDesigned, kSystem };

// The system colour a page, or a message window, is filled with.
inline int PageColour(Palette palette) { return palette == Palette::kSystem ? COLOR_WINDOW : COLOR_BTNFACE; }

// The palette the user's settings ask for now.
inline Palette SystemPalette() {
  HIGHCONTRASTA contrast{sizeof contrast, 0, nullptr};
  const bool on = SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
                  (contrast.dwFlags & HCF_HIGHCONTRASTON);
  return on ? Palette::kSystem : Palette::kDesigned;
}

}  // namespace launcher
