#include "windows/kit/Image.h"

namespace launcher {

void TImage::SetPicture(SharedPicture picture) {
  picture_ = std::move(picture);
  Invalidate();
}

void TImage::Paint(HDC dc) {
  if (picture_) DrawBitmap(dc, picture_->Handle(), 0, 0, Width(), Height());
}

}  // namespace launcher
