// TInstallButton: the launcher's own text button. A black box with a white
// edge and a one-line caption that lights up under the pointer, shifts one
// pixel while pressed, and sizes itself from its caption. It also carries
// the action a click runs.
#pragma once

#include <functional>
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
  bool ShowHint() const;
  void SetShowHint(bool showHint);
  bool ParentShowHint() const { return parentShowHint_; }
  void SetParentShowHint(bool parentShowHint) { parentShowHint_ = parentShowHint; }
  const std::string& ButtonAction() const { return buttonAction_; }
  void SetButtonAction(const std::string& action) { buttonAction_ = action; }
  bool ButtonAssist() const { return buttonAssist_; }
  void SetButtonAssist(bool assist) { buttonAssist_ = assist; }
  // A menu button has no assisted-start arguments; numbered actions carry theirs.
  const std::string& ButtonAssistText() const { return buttonAssistText_; }
  int MaxWidth() const { return maxWidth_; }
  void SetMaxWidth(int maxWidth) { maxWidth_ = maxWidth; }
  COLORREF Color() const;
  void SetColor(COLORREF color);
  COLORREF HighlightColor() const { return kDefaultHighlight; }
  const FontSpec& Font() const;
  void SetFont(const FontSpec& font);
  int TextMargin() const { return textMargin_; }
  void SetTextMargin(int margin);
  bool Closing() const { return closing_; }
  void SetClosing(bool closing) { closing_ = closing; }

  Event OnClick;
  Event OnTracking;

  const RECT& TextRect() const { return textRect_; }
  bool Hovered() const { return hovered_; }
  bool Tracking() const { return tracking_; }
  bool Pressed() const { return pressed_; }

  // Measures the caption and sets Height, Width, TextRect (and for alRight
  // Left and Top); paints at once when asked.
  void UpdateLayout(bool repaint);
  // MaxWidth := the width of `text` on one line in the button's font + 26.
  void FitWidthToText(const std::string& text);

  void Paint(HDC dc) override;
  bool Opaque() const override { return true; }
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

  TAlign align_ = TAlign::alLeft;
  std::string caption_;
  std::string hint_;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  std::string buttonAction_;
  bool buttonAssist_ = false;
  std::string buttonAssistText_;
  int maxWidth_ = 5;
  COLORREF color_ = GetSysColor(COLOR_BTNFACE);
  bool parentColor_ = true;
  FontSpec font_;
  bool parentFont_ = true;
  launcher::Font fontHandle_;
  int textMargin_ = 4;
  bool closing_ = false;
  RECT textRect_{0, 0, 0, 0};
  bool hovered_ = false;
  bool tracking_ = false;
  bool pressed_ = false;
};

}  // namespace launcher
