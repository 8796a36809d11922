#include "windows/kit/Control.h"

#include "windows/kit/Panel.h"

namespace launcher {

Palette TControl::Colours() const { return parent_ ? parent_->Colours() : Palette::kDesigned; }

int TControl::Dpi() const { return parent_ ? parent_->Dpi() : kDesignDpi; }

RECT TControl::PaintRect() const {
  const RECT bounds = BoundsRect();
  return {0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top};
}

TControl::~TControl() { SetParent(nullptr); }

void TControl::SetParent(TPanel* parent) {
  if (parent == parent_) return;
  if (parent_) {
    Invalidate();
    parent_->Remove(this);
  }
  parent_ = parent;
  if (parent_) {
    parent_->Add(this);
    Invalidate();
  }
  ParentOrScaleChanged();
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  Invalidate();
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Invalidate();
  if (parent_) parent_->UpdateTooltip(this);
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  if (parent_) {
    parent_->InvalidateArea(BoundsRect());
    parent_->UpdateTooltip(this);
  }
}

void TControl::NotifyAccessible(DWORD event) const {
  if (parent_) parent_->NotifyAccessible(this, event);
}

void TControl::Invalidate() const {
  if (parent_ && visible_) parent_->InvalidateArea(BoundsRect());
}

void TControl::Repaint() const {
  if (parent_ && visible_) parent_->PaintAreaNow(BoundsRect());
}

}  // namespace launcher
