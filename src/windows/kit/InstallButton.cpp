#include "windows/kit/InstallButton.h"

namespace launcher {

TInstallButton::TInstallButton() {
  SetBounds(0, 0, 39, 27);
  FontChanged();
}

void TInstallButton::SetHint(const std::string& hint) {
  hint_ = hint;
  if (Parent()) Parent()->UpdateTooltip(this);
}

void TInstallButton::SetShowHint(bool showHint) {
  showHint_ = showHint;
  if (Parent()) Parent()->UpdateTooltip(this);
}

const FontSpec& TInstallButton::Font() const { return parentFont_ && Parent() ? Parent()->Font() : font_; }

void TInstallButton::SetFont(const FontSpec& font) {
  font_ = font;
  parentFont_ = false;
  FontChanged();
}

void TInstallButton::ParentChanged() {
  if (fittedText_) FitWidthToText(*fittedText_);
  FontChanged();
  if (Parent()) Parent()->UpdateTooltip(this);
}

void TInstallButton::FontChanged() {
  UpdateLayout(false);
  Invalidate();
}

void TInstallButton::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  UpdateLayout(false);
  Invalidate();
  NotifyAccessible(EVENT_OBJECT_NAMECHANGE);
}

void TInstallButton::SetTextMargin(int margin) {
  if (margin == textMargin_) return;
  textMargin_ = margin;
  UpdateLayout(false);
  Invalidate();
}

void TInstallButton::UpdateLayout(bool repaint) {
  if (!Parent()) return;
  const int right = Left() + Width(), bottom = Top() + Height();
  textRect_ = PaintRect();
  HDC dc = Parent()->MeasuringDc();
  Selection selectFont(dc, fontHandle_.For(Font(), Dpi()));
  if (!caption_.empty()) {
    DrawTextA(dc, caption_.c_str(), static_cast<int>(caption_.size()), &textRect_, DT_CALCRECT | DT_SINGLELINE);
    const int textWidth = textRect_.right - textRect_.left, textHeight = textRect_.bottom - textRect_.top;
    // The layout keeps its logical rule; the text is centred in the
    // physical rectangle that follows from it.
    const int height = Unscaled(textHeight, Dpi()) + 2 * textMargin_;
    const int width = maxWidth_;
    if (align_ == TAlign::alRight) {
      SetBounds(right - width, bottom - height, width, height);
    } else {
      SetBounds(Left(), Top(), width, height);
    }
    const RECT area = PaintRect();
    OffsetRect(&textRect_, (area.right - textWidth) / 2, (area.bottom - textHeight) / 2);
    if (pressed_) OffsetRect(&textRect_, Scaled(1), Scaled(1));
  }
  if (repaint) Repaint();
}

void TInstallButton::FitWidthToText(const std::string& text) {
  RECT measured = PaintRect();
  HDC dc = Parent() ? Parent()->MeasuringDc() : nullptr;
  MemoryDc own(nullptr);
  if (!dc) dc = own.Get();
  Selection selectFont(dc, fontHandle_.For(Font(), Dpi()));
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &measured, DT_CALCRECT | DT_SINGLELINE);
  maxWidth_ = Unscaled(measured.right - measured.left, Dpi()) + kFitMargin;
  fittedText_ = text;
}

TInstallButton::Look TInstallButton::LookNow() const {
  if (Colours() == Palette::kDesigned) {
    // The focus cue's dotted pattern takes the DC's colours, which black and
    // white make white dots on the black box whatever the text colour.
    return {RGB(255, 255, 255), RGB(0, 0, 0), hovered_ ? kDefaultHighlight : Font().color, RGB(0, 0, 0),
            RGB(255, 255, 255)};
  }
  const bool lit = Enabled() && (hovered_ || pressed_);
  const COLORREF face = GetSysColor(lit ? COLOR_HIGHLIGHT : COLOR_BTNFACE);
  const COLORREF text = GetSysColor(!Enabled() ? COLOR_GRAYTEXT : lit ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT);
  return {GetSysColor(COLOR_WINDOWTEXT), face, text, text, face};
}

void TInstallButton::Paint(HDC dc) {
  if (!Parent()) return;
  const Look colours = LookNow();
  const RECT whole = PaintRect();
  const RECT inner{Scaled(1), Scaled(1), whole.right - Scaled(2), whole.bottom - Scaled(2)};
  Brush edge(CreateSolidBrush(colours.edge)), face(CreateSolidBrush(colours.face));
  FillRect(dc, &whole, edge.Get());
  // An inverted rectangle would be filled mirrored by some GDIs; a button
  // too small for its edge is all edge.
  if (!IsRectEmpty(&inner)) FillRect(dc, &inner, face.Get());
  if (IsRectEmpty(&textRect_)) return;
  Selection selectFont(dc, fontHandle_.For(Font(), Dpi()));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colours.text);
  TextOutA(dc, textRect_.left, textRect_.top, caption_.c_str(), static_cast<int>(caption_.size()));
  if (Parent()->ShowsFocusCue(this)) {
    const RECT cue{Scaled(3), Scaled(3), whole.right - Scaled(4), whole.bottom - Scaled(4)};
    SetTextColor(dc, colours.cueText);
    SetBkColor(dc, colours.cueBack);
    if (!IsRectEmpty(&cue)) DrawFocusRect(dc, &cue);
  }
}

AccessibleItem TInstallButton::Accessibility() const {
  AccessibleItem item;
  item.role = ROLE_SYSTEM_PUSHBUTTON;
  item.name = caption_;
  item.description = hint_;
  item.state = STATE_SYSTEM_FOCUSABLE | (hovered_ ? STATE_SYSTEM_HOTTRACKED : 0) |
               (pressed_ ? STATE_SYSTEM_PRESSED : 0) | (Enabled() ? 0 : STATE_SYSTEM_UNAVAILABLE);
  item.defaultAction = "Press";
  return item;
}

void TInstallButton::MouseEnter() {
  hovered_ = true;
  Repaint();
}

void TInstallButton::MouseLeave() {
  hovered_ = false;
  Repaint();
}

void TInstallButton::MouseDown(MouseButton, int, int) {
  tracking_ = true;
  pressed_ = true;
  UpdateLayout(true);
}

void TInstallButton::MouseMove(int x, int y) {
  if (!tracking_) return;
  const RECT client = PaintRect();
  const bool inside = PtInRect(&client, POINT{x, y}) != 0;
  if (inside != pressed_) {
    pressed_ = inside;
    UpdateLayout(true);
  }
}

void TInstallButton::MouseUp(MouseButton, int, int) {
  if (frozen_) return;
  pressed_ = false;
  tracking_ = false;
  UpdateLayout(true);
}

void TInstallButton::CaptureLost() {
  if (!tracking_ && !pressed_) return;
  tracking_ = false;
  pressed_ = false;
  UpdateLayout(true);
}

void TInstallButton::Click() {
  if (OnClick) OnClick(*this);
}

}  // namespace launcher
