#include "windows/kit/PanelTooltips.h"

#include <commctrl.h>

#include <string>

namespace launcher {
namespace {

// The tool of a control: its text, which the tooltip copies, and its
// rectangle while it is visible and has a text. A control without a text
// gets an empty rectangle, so that a background picture under the buttons
// does not take the pointer for itself.
TOOLINFOA ToolFor(HWND panel, TControl* control, std::string& text) {
  TOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;  // understood by every version of the control
  tool.uFlags = TTF_SUBCLASS;
  tool.hwnd = panel;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  text = control->TooltipText();
  tool.lpszText = text.data();
  if (control->Visible() && !text.empty()) tool.rect = control->BoundsRect();
  return tool;
}

}  // namespace

PanelTooltips::PanelTooltips(HWND panel)
    : panel_(panel),
      tooltip_(CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0,
                               0, 0, 0, panel, nullptr, GetModuleHandleA(nullptr), nullptr)) {}

PanelTooltips::~PanelTooltips() {
  if (tooltip_) DestroyWindow(tooltip_);
}

void PanelTooltips::Add(TControl* control) {
  std::string text;
  TOOLINFOA tool = ToolFor(panel_, control, text);
  SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void PanelTooltips::Remove(TControl* control) {
  std::string text;
  TOOLINFOA tool = ToolFor(panel_, control, text);
  SendMessageA(tooltip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void PanelTooltips::Update(TControl* control) {
  std::string text;
  TOOLINFOA tool = ToolFor(panel_, control, text);
  SendMessageA(tooltip_, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageA(tooltip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace launcher
