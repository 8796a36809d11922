// Fonts, pictures and bitmaps as the launcher's windows draw them; their
// owners are in system/Handles.h.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "image/Jpeg.h"
#include "windows/kit/Dpi.h"
#include "windows/system/Handles.h"

namespace launcher {

// A font as the launcher's controls describe it; the colour is the text's.
struct FontSpec {
  std::string name = "MS Sans Serif";
  int height = -11;  // negative: character height in pixels
  bool bold = false;
  COLORREF color = GetSysColor(COLOR_WINDOWTEXT);
  BYTE charset = DEFAULT_CHARSET;
  bool operator==(const FontSpec&) const = default;
};

// What a disc's texts need of a font: an 8-bit disc the character set of
// its language; a UTF-8 disc a face that Windows links to a font for every
// script (CJK, Korean, Cyrillic, Greek, Hebrew, Arabic, Thai, Devanagari),
// in place of the design's face, which has none. A right-to-left disc's
// windows are mirrored.
struct DiscScript {
  BYTE charset = DEFAULT_CHARSET;
  bool utf8 = false;
  bool rightToLeft = false;
};
inline constexpr char kLinkedFace[] = "Tahoma";
void ApplyScript(FontSpec& font, const DiscScript& script);

// DrawTextW for the launcher's texts; the height of the text drawn. In a
// right-to-left window the text reads right to left.
int DrawLauncherText(HDC dc, const std::string& text, RECT& area, UINT format);

// An off-screen surface for painting part of a window's client without
// flicker, laid out as the window is: a right-to-left window's surface is
// mirrored too, so that what is drawn at a logical place shows at the
// window's mirrored one. Drawing at (0, 0) draws at the area's top left.
class PaintBuffer {
 public:
  PaintBuffer(HWND window, HDC target, const RECT& area);
  HDC Get() const { return buffer_.Get(); }
  // Copies what was drawn to the target, where the window shows the area.
  void Show() const;

 private:
  HDC target_;
  MemoryDc buffer_;
  BitmapHandle surface_;
  Selection selected_;
  RECT shown_;  // where the area is in the target's own pixels
};

// The font at a scale: its logical height scaled.
Font CreateFontFrom(const FontSpec& font, int dpi = kDesignDpi);

// "MS Sans Serif" at a logical pixel height (negative: character height),
// as the launcher's windows use it.
Font CreateSansSerif(int height, bool bold, const DiscScript& script, int dpi = kDesignDpi);

// A control's font, made again only when its description or the scale has
// changed since it was last asked for.
class ScaledFont {
 public:
  HFONT For(const FontSpec& font, int dpi);

 private:
  FontSpec spec_;
  int dpi_ = 0;
  Font font_;
};

// A top-down 32-bit DIB section holding the bitmap's pixels.
BitmapHandle CreateDib(const Bitmap& bitmap);

// The JPEG stored as an RCDATA resource of this program, decoded.
BitmapHandle LoadJpegResource(int id);

// A picture decoded when first drawn, so that designed pictures a disc
// replaces, and stage pictures never lit, cost nothing at start.
// A part of a JPEG resource, and another laid over it.
struct ResourceArt {
  int id = 0;
  RECT part{};         // empty: the whole picture
  int overlayId = 0;   // none: 0
  POINT overlayAt{};
};

class Picture {
 public:
  static std::shared_ptr<Picture> FromResource(int resourceId);
  static std::shared_ptr<Picture> FromResource(const ResourceArt& art);
  // `density` 2: drawn for twice the design scale (a disc's high-resolution
  // background).
  static std::shared_ptr<Picture> FromBitmap(BitmapHandle bitmap, int density = 1);
  // Null when it cannot be decoded.
  HBITMAP Handle();
  // The picture for a scale: its pixels over its density, times the scale,
  // smoothed once for each new scale and kept; itself where that is its
  // own size.
  HBITMAP At(int dpi);

 private:
  ResourceArt art_;
  int density_ = 1;
  bool loaded_ = false;
  BitmapHandle bitmap_;
  int scaledDpi_ = 0;
  BitmapHandle scaled_;
};
using SharedPicture = std::shared_ptr<Picture>;

// Draws a bitmap unscaled at (x, y), clipped to the given size: as drawn,
// never mirrored, in a right-to-left window too.
void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y, int width, int height, int sourceX = 0, int sourceY = 0);

}  // namespace launcher
