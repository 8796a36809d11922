// A text of fixed size, transparent over what lies beneath or on a colour of
// its own, wrapped at word boundaries where asked.
#pragma once

#include <string>

#include "windows/kit/Control.h"
#include "windows/kit/Gdi.h"

namespace launcher {

class TLabel : public TControl {
 public:
  TLabel(const FontSpec& font, bool transparent, bool wordWrap, COLORREF color = RGB(255, 255, 255));

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  const FontSpec& Font() const { return font_; }
  void SetScript(const DiscScript& script);

  void Paint(HDC dc) override;
  AccessibleItem Accessibility() const override;

 private:
  std::string caption_;
  FontSpec font_;
  ScaledFont fontHandle_;
  bool transparent_;
  bool wordWrap_;
  COLORREF color_;
};

}  // namespace launcher
