// Deflate64 data of any content: the first three bytes choose the declared
// size (up to 128 KiB, twice the window), the rest is the compressed stream.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "archive/Deflate64.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3) return 0;
  std::vector<uint8_t> output(static_cast<size_t>(data[0] | data[1] << 8 | (data[2] & 1) << 16));
  launcher::InflateDeflate64(std::span<const uint8_t>(data + 3, size - 3), output);
  return 0;
}
