#include "windows/kit/InstallButton.h"

#include "windows/system/Win32Text.h"

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

void TInstallButton::ParentOrScaleChanged() {
  Measure();
  Invalidate();
  if (Parent()) Parent()->UpdateTooltip(this);
}

void TInstallButton::FontChanged() {
  Measure();
  Invalidate();
}

void TInstallButton::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Measure();
  Invalidate();
  NotifyAccessible(EVENT_OBJECT_NAMECHANGE);
}

namespace {

SIZE TextSize(HDC dc, HFONT font, const std::string& text) {
  Selection selectFont(dc, font);
  RECT measured{0, 0, 0, 0};
  DrawLauncherText(dc, text, measured, DT_CALCRECT | DT_SINGLELINE);
  return {measured.right - measured.left, measured.bottom - measured.top};
}

}  // namespace

void TInstallButton::Measure() {
  if (!Parent()) return;
  HDC dc = Parent()->MeasuringDc();
  // At the design's scale, the usual case, one font serves both.
  HFONT screen = fontHandle_.For(Font(), Dpi());
  HFONT design = Dpi() == kDesignDpi ? screen : designFont_.For(Font(), kDesignDpi);
  if (fittedText_) maxWidth_ = TextSize(dc, design, *fittedText_).cx + kFitMargin;
  if (caption_.empty()) {
    textSize_ = {0, 0};
    return;
  }
  textSize_ = TextSize(dc, screen, caption_);
  designTextHeight_ = design == screen ? textSize_.cy : TextSize(dc, design, caption_).cy;
  Layout();
}

void TInstallButton::Layout() {
  const int height = designTextHeight_ + 2 * kTextMargin, width = maxWidth_;
  if (align_ == TAlign::alRight) {
    SetBounds(Left() + Width() - width, Top() + Height() - height, width, height);
  } else {
    SetBounds(Left(), Top(), width, height);
  }
}

RECT TInstallButton::TextRect() const {
  if (textSize_.cx == 0 && textSize_.cy == 0) return {0, 0, 0, 0};
  const RECT area = PaintRect();
  RECT text{0, 0, textSize_.cx, textSize_.cy};
  OffsetRect(&text, (area.right - textSize_.cx) / 2, (area.bottom - textSize_.cy) / 2);
  if (pressed_) OffsetRect(&text, Scaled(1), Scaled(1));
  return text;
}

void TInstallButton::FitWidthToText(const std::string& text) {
  fittedText_ = text;
  Measure();
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
  const RECT text = TextRect();
  if (IsRectEmpty(&text)) return;
  Selection selectFont(dc, fontHandle_.For(Font(), Dpi()));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colours.text);
  const std::wstring caption = Wide(caption_);
  TextOutW(dc, text.left, text.top, caption.c_str(), static_cast<int>(caption.size()));
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
  Repaint();
}

void TInstallButton::MouseMove(int x, int y) {
  if (!tracking_) return;
  const RECT client = PaintRect();
  const bool inside = PtInRect(&client, POINT{x, y}) != 0;
  if (inside != pressed_) {
    pressed_ = inside;
    Repaint();
  }
}

void TInstallButton::MouseUp(MouseButton, int, int) {
  if (frozen_) return;
  pressed_ = false;
  tracking_ = false;
  Repaint();
}

void TInstallButton::CaptureLost() {
  if (!tracking_ && !pressed_) return;
  tracking_ = false;
  pressed_ = false;
  Repaint();
}

void TInstallButton::Click() {
  if (OnClick) OnClick(*this);
}

}  // namespace launcher
