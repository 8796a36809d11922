// A child window that hosts windowless controls: it paints them in creation
// order into one off-screen buffer (no flicker), and routes the mouse to
// them: hit-testing, pointer enter and leave, and capture while the left
// button is held on a control. It holds the keyboard focus for the control
// its owner gives it to; its tooltips and what screen readers see of it
// have classes of their own. Its place in the owner is a logical layout,
// scaled like its controls'.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "windows/kit/Application.h"
#include "windows/kit/Control.h"
#include "windows/kit/Gdi.h"
#include "windows/kit/PanelAccessibility.h"
#include "windows/kit/PanelTooltips.h"
#include "windows/kit/Palette.h"

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
  // The colour under its controls, in its palette.
  COLORREF BackgroundColour() const { return GetSysColor(PageColour(palette_)); }
  // The colours the page and its controls draw with; a change repaints.
  Palette Colours() const { return palette_; }
  void SetColours(Palette palette);
  // The scale it and its controls are drawn at; a change moves, lays out
  // and repaints them.
  int Dpi() const { return dpi_; }
  void SetDpi(int dpi);

  // Lays the panel and its tooltips out right to left, within a mirrored
  // owner: its controls keep their logical places, which the window mirrors.
  void Mirror();

  void BringToFront();
  // Takes the page out of sight, and so out of the screen reader's tree.
  void Hide();

  // Gives `control` the panel's focus (null: the panel keeps it for itself),
  // and takes the keyboard focus when the window is active; an inactive
  // window's owner gives it when it returns.
  void FocusControl(TControl* control);
  TControl* FocusedControl() const { return focused_; }
  // Whether `control` draws its focus cue: it has the focus, and the
  // top-level window shows focus cues (its WM_QUERYUISTATE), which it does
  // once the keyboard has been used in it.
  bool ShowsFocusCue(const TControl* control) const;
  // Repaints the focused control after the window's focus cues changed.
  void FocusCueChanged() const;

  // Used by TControl.
  void Add(TControl* control);
  void Remove(TControl* control);
  void InvalidateArea(const RECT& area);
  void PaintAreaNow(const RECT& area);
  // After a control's place, visibility or tooltip text changed.
  void UpdateTooltip(TControl* control);
  // Tells screen readers that a control changed (EVENT_OBJECT_*).
  void NotifyAccessible(const TControl* control, DWORD event) const;
  // A DC for measuring text; the caller releases nothing.
  HDC MeasuringDc() const { return measuringDc_.Get(); }

  // Paints everything into `dc` as the screen would show it (for tests).
  void PaintTo(HDC dc, const RECT& area);

  HWND Tooltip() const { return tooltips_->Handle(); }
  // The hosted controls in creation order: later ones on top.
  const std::vector<TControl*>& Controls() const { return controls_; }

 private:
  template <typename T>
  friend LRESULT CALLBACK BoundWindowProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  TControl* ControlAt(int x, int y, bool enabledOnly) const;
  void OnMouseMove(int x, int y);
  void OnButtonDown(MouseButton button, int x, int y);
  void OnButtonUp(MouseButton button, int x, int y);
  void SetHovered(TControl* control);
  void FocusedChanged();

  Application& application_;
  HWND window_ = nullptr;
  MemoryDc measuringDc_{nullptr};
  FontSpec font_;
  Palette palette_ = Palette::kDesigned;
  RECT layout_;
  int dpi_ = kDesignDpi;
  std::vector<TControl*> controls_;  // creation order: later ones on top
  TControl* hovered_ = nullptr;
  TControl* captured_ = nullptr;
  TControl* clicked_ = nullptr;  // the left button went down on it
  TControl* focused_ = nullptr;
  bool trackingLeave_ = false;
  std::unique_ptr<PanelTooltips> tooltips_;
  std::unique_ptr<PanelAccessibility> accessibility_;
};

}  // namespace launcher
