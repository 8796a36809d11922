// Owners for GDI objects and device contexts: each releases exactly what it
// holds, and a selection always puts the old object back before anything is
// deleted.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "image/Jpeg.h"

namespace launcher {

template <typename Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {}
  ~GdiObject() { Reset(); }
  GdiObject(GdiObject&& other) noexcept : handle_(other.Release()) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  Handle Release() {
    Handle h = handle_;
    handle_ = nullptr;
    return h;
  }
  void Reset(Handle handle = nullptr) {
    if (handle_) DeleteObject(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;
using BitmapHandle = GdiObject<HBITMAP>;

// Selects an object into a DC for the guard's lifetime.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~Selection() { SelectObject(dc_, old_); }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// A memory DC compatible with another, deleted with the guard.
class MemoryDc {
 public:
  explicit MemoryDc(HDC reference) : dc_(CreateCompatibleDC(reference)) {}
  ~MemoryDc() {
    if (dc_) DeleteDC(dc_);
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// The DC of a window, released with the guard.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() { ReleaseDC(window_, dc_); }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// BeginPaint and EndPaint as one object.
class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~PaintScope() { EndPaint(window_, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  HDC Get() const { return dc_; }
  const RECT& Area() const { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// A font as the launcher's controls describe it; the colour is the text's.
struct FontSpec {
  std::string name = "MS Sans Serif";
  int height = -11;  // negative: character height in pixels
  bool bold = false;
  COLORREF color = GetSysColor(COLOR_WINDOWTEXT);
  BYTE charset = DEFAULT_CHARSET;
  bool operator==(const FontSpec&) const = default;
};

Font CreateFontFrom(const FontSpec& font);

// "MS Sans Serif" at a pixel height (negative: character height), as the
// launcher's windows use it.
Font CreateSansSerif(int height, bool bold, BYTE charset);

// A top-down 32-bit DIB section holding the bitmap's pixels.
BitmapHandle CreateDib(const Bitmap& bitmap);

// The JPEG stored as an RCDATA resource of this program, decoded.
BitmapHandle LoadJpegResource(int id);

// A picture decoded when first drawn, so that designed pictures a disc
// replaces, and stage pictures never lit, cost nothing at start.
class Picture {
 public:
  static std::shared_ptr<Picture> FromResource(int resourceId);
  static std::shared_ptr<Picture> FromBitmap(BitmapHandle bitmap);
  // Null when it cannot be decoded.
  HBITMAP Handle();

 private:
  int resourceId_ = 0;
  bool loaded_ = false;
  BitmapHandle bitmap_;
};
using SharedPicture = std::shared_ptr<Picture>;

// Draws a bitmap unscaled at (x, y), clipped to the given size.
void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y, int width, int height, int sourceX = 0, int sourceY = 0);

}  // namespace launcher
