// Controls without a window of their own: each occupies a rectangle of its
// host panel, which paints it and hands it the mouse. A control is laid out
// in logical pixels; it paints, and takes the mouse, in the panel's
// physical pixels, scaled from its layout at the panel's DPI.
#pragma once

#include <windows.h>

#include <string>

#include "windows/kit/Accessible.h"
#include "windows/kit/Dpi.h"
#include "windows/kit/Palette.h"

namespace launcher {

class TPanel;

enum class MouseButton { kLeft, kRight, kMiddle };

class TControl {
 public:
  TControl() = default;
  virtual ~TControl();
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;

  // Adds the control to a panel (on top of those added before), or takes it
  // off with null.
  void SetParent(TPanel* parent);
  TPanel* Parent() const { return parent_; }
  // The colours it draws with: its page's (designed while it has none).
  Palette Colours() const;

  // The layout, in logical pixels.
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetBounds(int left, int top, int width, int height);
  // The page's scale, and a logical length at it.
  int Dpi() const;
  int Scaled(int logical) const { return launcher::Scaled(logical, Dpi()); }
  // Where it is in the panel, and the rectangle it paints in its own
  // coordinates: physical pixels.
  RECT BoundsRect() const { return launcher::Scaled(RECT{left_, top_, left_ + width_, top_ + height_}, Dpi()); }
  RECT PaintRect() const;

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }

  // Asks the panel to repaint the control's rectangle later, or at once.
  void Invalidate() const;
  void Repaint() const;

  // Painting in the control's own coordinates; the panel clips to its
  // rectangle.
  virtual void Paint(HDC dc) = 0;
  // The tooltip text, empty for none.
  virtual std::string TooltipText() const { return {}; }
  // What screen readers read of the control; a role of 0 keeps it out of
  // the page's accessible children. The panel adds the place and the focus.
  virtual AccessibleItem Accessibility() const { return {}; }

  // Mouse input from the panel, in the control's physical coordinates.
  virtual void MouseEnter() {}
  virtual void MouseLeave() {}
  virtual void MouseDown(MouseButton, int, int) {}
  virtual void MouseMove(int, int) {}
  virtual void MouseUp(MouseButton, int, int) {}
  // The mouse capture went elsewhere (another window came up while the
  // button was held): the press is over without a release.
  virtual void CaptureLost() {}
  virtual void Click() {}

 protected:
  // Called after the panel, or its scale, changes, so that a control can
  // follow it.
  virtual void ParentOrScaleChanged() {}
  // Tells screen readers that the control changed (EVENT_OBJECT_*).
  void NotifyAccessible(DWORD event) const;

 private:
  friend class TPanel;  // calls ParentOrScaleChanged when its scale changes
  TPanel* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
};

}  // namespace launcher
