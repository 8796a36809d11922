#include "windows/kit/PanelTooltips.h"

#include <commctrl.h>

#include <string>

#include "windows/system/Win32Text.h"

namespace launcher {
namespace {

// The tool of a control: its text, which the tooltip copies, and its
// rectangle while it is visible and has a text. A control without a text
// gets an empty rectangle, so that a background picture under the buttons
// does not take the pointer for itself.
TOOLINFOW ToolFor(HWND panel, TControl* control, std::wstring& text) {
  TOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;  // understood by every version of the control
  tool.uFlags = TTF_SUBCLASS;
  tool.hwnd = panel;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  text = Wide(control->TooltipText());
  tool.lpszText = text.data();
  if (control->Visible() && !text.empty()) tool.rect = control->BoundsRect();
  return tool;
}

}  // namespace

PanelTooltips::PanelTooltips(HWND panel)
    : panel_(panel),
      tooltip_(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0,
                               0, 0, 0, panel, nullptr, GetModuleHandleA(nullptr), nullptr)) {}

PanelTooltips::~PanelTooltips() {
  if (tooltip_) DestroyWindow(tooltip_);
}

void PanelTooltips::Add(TControl* control) {
  std::wstring text;
  TOOLINFOW tool = ToolFor(panel_, control, text);
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void PanelTooltips::Remove(TControl* control) {
  std::wstring text;
  TOOLINFOW tool = ToolFor(panel_, control, text);
  SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void PanelTooltips::Update(TControl* control) {
  std::wstring text;
  TOOLINFOW tool = ToolFor(panel_, control, text);
  SendMessageW(tooltip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace launcher
