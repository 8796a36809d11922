#include "windows/kit/Label.h"

namespace launcher {

TLabel::TLabel(const FontSpec& font, bool transparent, bool wordWrap, COLORREF color)
    : font_(font), transparent_(transparent), wordWrap_(wordWrap), color_(color) {}

void TLabel::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Invalidate();
  NotifyAccessible(EVENT_OBJECT_NAMECHANGE);
}

AccessibleItem TLabel::Accessibility() const {
  AccessibleItem item;
  item.role = ROLE_SYSTEM_STATICTEXT;
  item.name = caption_;
  item.state = STATE_SYSTEM_READONLY;
  return item;
}

void TLabel::SetScript(const DiscScript& script) {
  ApplyScript(font_, script);
  Invalidate();
}

void TLabel::Paint(HDC dc) {
  RECT area = PaintRect();
  const bool system = Colours() == Palette::kSystem;
  if (!transparent_) {
    Brush background(CreateSolidBrush(system ? GetSysColor(COLOR_WINDOW) : color_));
    FillRect(dc, &area, background.Get());
  }
  Selection selectFont(dc, fontHandle_.For(font_, Dpi()));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, !system ? font_.color : GetSysColor(Enabled() ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
  DrawLauncherText(dc, caption_, area, DT_LEFT | DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : 0));
}

}  // namespace launcher
