// The tooltip window of a panel: one tool for each windowless control,
// showing the control's tooltip text over its rectangle.
#pragma once

#include <windows.h>

#include "windows/kit/Control.h"

namespace launcher {

class PanelTooltips {
 public:
  explicit PanelTooltips(HWND panel);
  ~PanelTooltips();
  PanelTooltips(const PanelTooltips&) = delete;
  PanelTooltips& operator=(const PanelTooltips&) = delete;

  HWND Handle() const { return tooltip_; }
  void Add(TControl* control);
  void Remove(TControl* control);
  // After a control's place, visibility or tooltip text changed.
  void Update(TControl* control);

 private:
  HWND panel_;
  HWND tooltip_;
};

}  // namespace launcher
