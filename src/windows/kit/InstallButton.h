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
  COLORREF HighlightColor() const { return kDefaultHighlight; }
  const FontSpec& Font() const;
  void SetFont(const FontSpec& font);
  int TextMargin() const { return textMargin_; }
  void SetTextMargin(int margin);
  // A frozen button keeps the look it has and ignores the release that
  // follows: its owner freezes it when the click took the window away.
  bool Frozen() const { return frozen_; }
  void Freeze() { frozen_ = true; }

  Event OnClick;

  // Where the caption is drawn, in physical pixels.
  const RECT& TextRect() const { return textRect_; }
  bool Hovered() const { return hovered_; }
  bool Tracking() const { return tracking_; }
  bool Pressed() const { return pressed_; }

  // Measures the caption and sets Height, Width, TextRect (and for alRight
  // Left and Top); paints at once when asked.
  void UpdateLayout(bool repaint);
  // MaxWidth := the width of `text` on one line in the button's font + 26,
  // in logical pixels; measured again when the scale changes.
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
  void ParentChanged() override;

 private:
  void FontChanged();
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
  std::optional<std::string> fittedText_;  // what the width was last fitted to
  int textMargin_ = 4;
  bool frozen_ = false;
  RECT textRect_{0, 0, 0, 0};
  bool hovered_ = false;
  bool tracking_ = false;
  bool pressed_ = false;
};

}  // namespace launcher
