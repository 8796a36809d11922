// A picture shown unscaled at its top-left corner, clipped to its bounds.
#pragma once

#include <memory>

#include "windows/kit/Control.h"
#include "windows/kit/Gdi.h"

namespace launcher {

class TImage : public TControl {
 public:
  void SetPicture(SharedPicture picture);
  void Paint(HDC dc) override;

 private:
  SharedPicture picture_;
};

}  // namespace launcher
