#include "windows/Image.h"

namespace launcher {

void TImage::SetPicture(SharedBitmap picture) {
  picture_ = std::move(picture);
  Invalidate();
}

void TImage::Paint(HDC dc) {
  if (picture_ && *picture_) DrawBitmap(dc, picture_->Get(), 0, 0, Width(), Height());
}

}  // namespace launcher
