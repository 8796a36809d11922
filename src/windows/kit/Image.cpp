#include "windows/kit/Image.h"

namespace launcher {

void TImage::SetPicture(SharedPicture picture) {
  picture_ = std::move(picture);
  Invalidate();
}

void TImage::SetSelected(bool selected) {
  if (selected == selected_) return;
  selected_ = selected;
  NotifyAccessible(EVENT_OBJECT_STATECHANGE);
}

AccessibleItem TImage::Accessibility() const {
  AccessibleItem item;
  if (accessibleName_.empty()) return item;
  item.role = ROLE_SYSTEM_GRAPHIC;
  item.name = accessibleName_;
  item.state = STATE_SYSTEM_READONLY | (selected_ ? STATE_SYSTEM_SELECTED : 0);
  return item;
}

void TImage::Paint(HDC dc) {
  if (backdrop_ && Colours() == Palette::kSystem) return;
  const RECT area = PaintRect();
  if (picture_) DrawBitmap(dc, picture_->At(Dpi()), 0, 0, area.right, area.bottom);
}

}  // namespace launcher
