// A child window that hosts windowless controls: it paints them in creation
// order into one off-screen buffer (no flicker), and routes the mouse to
// them: hit-testing, pointer enter and leave, and capture while the left
// button is held on a control.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "windows/kit/Application.h"
#include "windows/kit/Control.h"
#include "windows/kit/Gdi.h"

namespace launcher {

// Sent back to a child window that asked its panel for owner drawing;
// lParam points to the DRAWITEMSTRUCT.
inline constexpr UINT kReflectedDrawItem = WM_APP + 0x101;

class TPanel {
 public:
  TPanel(Application& application, HWND parent, int left, int top, int width, int height);
  ~TPanel();
  TPanel(const TPanel&) = delete;
  TPanel& operator=(const TPanel&) = delete;

  HWND Handle() const { return window_; }

  // What the hosted controls follow while their Parent* properties are true.
  const FontSpec& Font() const { return font_; }
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool showHint) { showHint_ = showHint; }
  COLORREF Color() const { return GetSysColor(COLOR_BTNFACE); }

  void BringToFront();

  // Used by TControl.
  void Add(TControl* control);
  void Remove(TControl* control);
  void InvalidateArea(const RECT& area);
  void PaintAreaNow(const RECT& area);
  // After a control's place, visibility or tooltip text changed.
  void UpdateTooltip(TControl* control);
  // A DC for measuring text; the caller releases nothing.
  HDC MeasuringDc() const { return measuringDc_.Get(); }

  // Paints everything into `dc` as the screen would show it (for tests).
  void PaintTo(HDC dc, const RECT& area);

  HWND Tooltip() const { return tooltip_; }
  TControl* Hovered() const { return hovered_; }

 private:
  template <typename T>
  friend LRESULT CALLBACK BoundWindowProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  TControl* ControlAt(int x, int y, bool enabledOnly) const;
  void OnMouseMove(int x, int y);
  void OnButtonDown(MouseButton button, int x, int y);
  void OnButtonUp(MouseButton button, int x, int y);
  void SetHovered(TControl* control);

  Application& application_;
  HWND window_ = nullptr;
  HWND tooltip_ = nullptr;
  MemoryDc measuringDc_{nullptr};
  FontSpec font_;
  bool showHint_ = false;
  std::vector<TControl*> controls_;  // creation order: later ones on top
  TControl* hovered_ = nullptr;
  TControl* captured_ = nullptr;
  TControl* clicked_ = nullptr;  // the left button went down on it
  bool trackingLeave_ = false;
};

}  // namespace launcher
