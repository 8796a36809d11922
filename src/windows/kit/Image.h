// A picture shown at its top-left corner at the page's scale, clipped to
// its bounds.
// Screen readers read it as a graphic when it has a name.
#pragma once

#include <memory>
#include <string>

#include "windows/kit/Control.h"
#include "windows/kit/Gdi.h"

namespace launcher {

class TImage : public TControl {
 public:
  void SetPicture(SharedPicture picture);
  void SetAccessibleName(std::string name) { accessibleName_ = std::move(name); }
  // A backdrop lies under texts: in the system palette it is not drawn.
  void SetBackdrop(bool backdrop) { backdrop_ = backdrop; }
  // Marks the picture as the selected one of its row.
  void SetSelected(bool selected);
  void Paint(HDC dc) override;
  AccessibleItem Accessibility() const override;

 private:
  SharedPicture picture_;
  std::string accessibleName_;
  bool selected_ = false;
  bool backdrop_ = false;
};

}  // namespace launcher
