#include "windows/kit/Gdi.h"

#include <cstring>

namespace launcher {

Font CreateFontFrom(const FontSpec& font) {
  return Font(CreateFontA(font.height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, font.charset,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                          font.name.c_str()));
}

Font CreateSansSerif(int height, bool bold, BYTE charset) {
  FontSpec font;
  font.height = height;
  font.bold = bold;
  font.charset = charset;
  return CreateFontFrom(font);
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

BitmapHandle LoadJpegResource(int id) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(id), RT_RCDATA);
  HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  JpegResult decoded = DecodeJpeg(static_cast<const uint8_t*>(data), SizeofResource(module, resource));
  if (!decoded.ok) return {};
  return CreateDib(decoded.bitmap);
}

std::shared_ptr<Picture> Picture::FromResource(int resourceId) {
  auto picture = std::make_shared<Picture>();
  picture->resourceId_ = resourceId;
  return picture;
}

std::shared_ptr<Picture> Picture::FromBitmap(BitmapHandle bitmap) {
  auto picture = std::make_shared<Picture>();
  picture->bitmap_ = std::move(bitmap);
  picture->loaded_ = true;
  return picture;
}

HBITMAP Picture::Handle() {
  if (!loaded_) {
    bitmap_ = LoadJpegResource(resourceId_);
    loaded_ = true;
  }
  return bitmap_.Get();
}

void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y, int width, int height, int sourceX, int sourceY) {
  if (!bitmap) return;
  MemoryDc source(dc);
  Selection selected(source.Get(), bitmap);
  BitBlt(dc, x, y, width, height, source.Get(), sourceX, sourceY, SRCCOPY);
}

}  // namespace launcher
