// A picture shown unscaled at its top-left corner, clipped to its bounds.
#pragma once

#include <memory>

#include "windows/Control.h"
#include "windows/Gdi.h"

namespace launcher {

using SharedBitmap = std::shared_ptr<BitmapHandle>;

class TImage : public TControl {
 public:
  void SetPicture(SharedBitmap picture);
  const SharedBitmap& Picture() const { return picture_; }
  void Paint(HDC dc) override;

 private:
  SharedBitmap picture_;
};

}  // namespace launcher
