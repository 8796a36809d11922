// TInstallButton: the launcher's own text button. A black box with a white
// edge and a one-line caption that lights up under the pointer, shifts one
// pixel while pressed, and sizes itself from its caption. What a click does
// is its owner's: the button only reports the click.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "windows/kit/Control.h"
#include "windows/kit/Gdi.h"
#include "windows/kit/Panel.h"

namespace launcher {

enum class TAlign { alLeft = 0, alRight = 1 };

class TInstallButton : public TControl {
 public:
  using Event = std::function<void(TInstallButton& sender)>;

  static constexpr COLORREF kDefaultHighlight = 0x0000CCFF;
  static constexpr int kFitMargin = 26;
  // Logical pixels above and below the caption.
  static constexpr int kTextMargin = 4;

  TInstallButton();

  TAlign Align() const { return align_; }
  void SetAlign(TAlign align) { align_ = align; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool showHint);
  int MaxWidth() const { return maxWidth_; }
  void SetMaxWidth(int maxWidth) {
    maxWidth_ = maxWidth;
    fittedText_.reset();
  }
  const FontSpec& Font() const;
  void SetFont(const FontSpec& font);
  // A frozen button keeps the look it has and ignores the release that
  // follows: its owner freezes it when the click took the window away.
  void Freeze() { frozen_ = true; }

  Event OnClick;

  // Where the caption is drawn now, in physical pixels: centred, one
  // scaled pixel right and down while pressed; empty before it is measured.
  RECT TextRect() const;
  bool Pressed() const { return pressed_; }

  // MaxWidth := the width of `text` on one line in the button's font at
  // the design's scale + 26: a logical width, the same at every scale.
  // A button not yet on a panel is fitted once it is put on one.
  void FitWidthToText(const std::string& text);

  void Paint(HDC dc) override;
  std::string TooltipText() const override { return ShowHint() ? hint_ : std::string(); }
  AccessibleItem Accessibility() const override;
  void MouseEnter() override;
  void MouseLeave() override;
  void MouseDown(MouseButton button, int x, int y) override;
  void MouseMove(int x, int y) override;
  void MouseUp(MouseButton button, int x, int y) override;
  void CaptureLost() override;
  void Click() override;

 protected:
  void ParentOrScaleChanged() override;

 private:
  void FontChanged();
  // Measures the caption (at the screen's scale for drawing, at the
  // design's for the layout), then lays the button out: only when the
  // caption, the font or the scale changes.
  void Measure();
  // Height and Width from the logical sizes (for alRight, Left and Top too).
  void Layout();
  // What the button is drawn with now, in its page's palette: its edge,
  // face and text, and the focus cue's two colours.
  struct Look {
    COLORREF edge, face, text, cueText, cueBack;
  };
  Look LookNow() const;

  TAlign align_ = TAlign::alLeft;
  std::string caption_;
  std::string hint_;
  bool showHint_ = false;
  int maxWidth_ = 5;
  FontSpec font_;
  bool parentFont_ = true;
  ScaledFont fontHandle_;
  ScaledFont designFont_;  // the layout's, on a scaled screen
  std::optional<std::string> fittedText_;  // what the width was last fitted to
  bool frozen_ = false;
  SIZE textSize_{0, 0};       // the caption in the font at the screen's scale
  int designTextHeight_ = 0;  // and its height at the design's
  bool hovered_ = false;
  bool tracking_ = false;
  bool pressed_ = false;
};

}  // namespace launcher
