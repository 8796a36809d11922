#include "windows/kit/Gdi.h"

#include <cstring>

#include "windows/kit/WindowClass.h"
#include "windows/system/Win32Text.h"

namespace launcher {

void ApplyScript(FontSpec& font, const DiscScript& script) {
  font.charset = script.charset;
  if (script.utf8) font.name = kLinkedFace;
}

int DrawLauncherText(HDC dc, const std::string& text, RECT& area, UINT format) {
  if (GetLayout(dc) & LAYOUT_RTL) format |= DT_RTLREADING;
  const std::wstring wide = Wide(text);
  return DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &area, format);
}

PaintBuffer::PaintBuffer(HWND window, HDC target, const RECT& area)
    : target_(target),
      buffer_(target),
      surface_(CreateCompatibleBitmap(target, area.right - area.left, area.bottom - area.top)),
      selected_(buffer_.Get(), surface_.Get()),
      shown_(area) {
  if (!IsMirrored(window)) return;
  SetLayout(buffer_.Get(), LAYOUT_RTL);
  RECT client;
  GetClientRect(window, &client);
  shown_.left = client.right - area.right;
  shown_.right = client.right - area.left;
}

void PaintBuffer::Show() const {
  // Both in their own pixels: the surface holds the area as the screen shows it.
  SetLayout(buffer_.Get(), 0);
  const DWORD layout = SetLayout(target_, 0);
  BitBlt(target_, shown_.left, shown_.top, shown_.right - shown_.left, shown_.bottom - shown_.top, buffer_.Get(), 0, 0,
         SRCCOPY);
  SetLayout(target_, layout);
}

Font CreateFontFrom(const FontSpec& font, int dpi) {
  return Font(CreateFontA(Scaled(font.height, dpi), 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, font.charset,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                          font.name.c_str()));
}

Font CreateSansSerif(int height, bool bold, const DiscScript& script, int dpi) {
  FontSpec font;
  font.height = height;
  font.bold = bold;
  ApplyScript(font, script);
  return CreateFontFrom(font, dpi);
}

HFONT ScaledFont::For(const FontSpec& font, int dpi) {
  if (!font_ || !(font == spec_) || dpi != dpi_) {
    font_ = CreateFontFrom(font, dpi);
    spec_ = font;
    dpi_ = dpi;
  }
  return font_.Get();
}

BitmapHandle CreateDib(const Bitmap& bitmap) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = bitmap.width;
  info.bmiHeader.biHeight = -bitmap.height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  BitmapHandle dib(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (dib && bits) std::memcpy(bits, bitmap.pixels.data(), bitmap.pixels.size() * sizeof(uint32_t));
  return dib;
}

// The pictures of one resource are decoded once: the last one decoded is kept.
const Bitmap* DecodedResource(int id) {
  static int decodedId = 0;
  static JpegResult decoded;
  if (id == decodedId) return decoded.ok ? &decoded.bitmap : nullptr;
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(id), RT_RCDATA);
  HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  decodedId = id;
  decoded = data ? DecodeJpeg(static_cast<const uint8_t*>(data), SizeofResource(module, resource)) : JpegResult{};
  return decoded.ok ? &decoded.bitmap : nullptr;
}

// `from`'s pixels in `area` (clipped to both) copied to `to` at (x, y).
void CopyPixels(const Bitmap& from, RECT area, Bitmap& to, int x, int y) {
  for (int row = area.top; row < area.bottom && row < from.height && y + row - area.top < to.height; ++row) {
    for (int column = area.left; column < area.right && column < from.width && x + column - area.left < to.width;
         ++column) {
      to.pixels[static_cast<size_t>((y + row - area.top) * to.width + x + column - area.left)] =
          from.pixels[static_cast<size_t>(row * from.width + column)];
    }
  }
}

BitmapHandle LoadArt(const ResourceArt& art) {
  const Bitmap* whole = DecodedResource(art.id);
  if (!whole) return {};
  const RECT part = IsRectEmpty(&art.part) ? RECT{0, 0, whole->width, whole->height} : art.part;
  Bitmap picture;
  picture.width = part.right - part.left;
  picture.height = part.bottom - part.top;
  picture.pixels.resize(static_cast<size_t>(picture.width * picture.height));
  CopyPixels(*whole, part, picture, 0, 0);
  if (const Bitmap* overlay = art.overlayId ? DecodedResource(art.overlayId) : nullptr) {
    CopyPixels(*overlay, RECT{0, 0, overlay->width, overlay->height}, picture, art.overlayAt.x, art.overlayAt.y);
  }
  return CreateDib(picture);
}

std::shared_ptr<Picture> Picture::FromResource(int resourceId) { return FromResource(ResourceArt{resourceId}); }

std::shared_ptr<Picture> Picture::FromResource(const ResourceArt& art) {
  auto picture = std::make_shared<Picture>();
  picture->art_ = art;
  return picture;
}

std::shared_ptr<Picture> Picture::FromBitmap(BitmapHandle bitmap, int density) {
  auto picture = std::make_shared<Picture>();
  picture->bitmap_ = std::move(bitmap);
  picture->density_ = density;
  picture->loaded_ = true;
  return picture;
}

HBITMAP Picture::Handle() {
  if (!loaded_) {
    bitmap_ = LoadArt(art_);
    loaded_ = true;
  }
  return bitmap_.Get();
}

HBITMAP Picture::At(int dpi) {
  HBITMAP natural = Handle();
  BITMAP size{};
  if (!natural || !GetObjectA(natural, sizeof size, &size)) return natural;
  const int width = MulDiv(size.bmWidth, dpi, kDesignDpi * density_);
  const int height = MulDiv(size.bmHeight, dpi, kDesignDpi * density_);
  if ((width == size.bmWidth && height == size.bmHeight) || width <= 0 || height <= 0) return natural;
  if (dpi != scaledDpi_) {
    // HALFTONE averages the source pixels each target pixel covers, up
    // and down: no blocks, no lost lines.
    WindowDc screen(nullptr);
    scaled_ = BitmapHandle(CreateCompatibleBitmap(screen.Get(), width, height));
    MemoryDc source(screen.Get()), target(screen.Get());
    Selection selectSource(source.Get(), natural), selectTarget(target.Get(), scaled_.Get());
    SetStretchBltMode(target.Get(), HALFTONE);
    SetBrushOrgEx(target.Get(), 0, 0, nullptr);
    StretchBlt(target.Get(), 0, 0, width, height, source.Get(), 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
    scaledDpi_ = dpi;
  }
  return scaled_.Get();
}

void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y, int width, int height, int sourceX, int sourceY) {
  if (!bitmap) return;
  MemoryDc source(dc);
  Selection selected(source.Get(), bitmap);
  BitBlt(dc, x, y, width, height, source.Get(), sourceX, sourceY, SRCCOPY | NOMIRRORBITMAP);
}

}  // namespace launcher
