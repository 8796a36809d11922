// JPEG bytes in, a top-down 32-bit bitmap out. Natively libjpeg-turbo does
// the work, on Windows the system's imaging component. Neither decodes a
// picture larger than kMaxJpegSide in either direction.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace launcher {

inline constexpr int kMaxJpegSide = 4096;

struct Bitmap {
  int width = 0;
  int height = 0;
  // Row by row from the top, one 0x00RRGGBB value a pixel (the layout of a
  // 32-bit Windows DIB).
  std::vector<uint32_t> pixels;
};

struct JpegResult {
  bool ok = false;
  Bitmap bitmap;
  std::string error;  // why it failed, when !ok
};

JpegResult DecodeJpeg(const uint8_t* data, size_t size);

}  // namespace launcher
