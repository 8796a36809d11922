// A background picture of any content.
#include <cstddef>
#include <cstdint>

#include "image/Jpeg.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  launcher::JpegResult result = launcher::DecodeJpeg(data, size);
  if (result.ok && result.bitmap.pixels.size() != static_cast<size_t>(result.bitmap.width) * static_cast<size_t>(result.bitmap.height)) {
    __builtin_trap();
  }
  return 0;
}
