// Compressed member data of any content: the first three bytes choose the
// declared size (up to 128 KiB, twice the deflate64 window) and, by the
// third byte's second bit, deflate64 or deflate; the rest is the stream.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "archive/Inflater.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3) return 0;
  std::vector<uint8_t> output(static_cast<size_t>(data[0] | data[1] << 8 | (data[2] & 1) << 16));
  const auto variant = data[2] & 2 ? launcher::DeflateVariant::kDeflate : launcher::DeflateVariant::kDeflate64;
  launcher::Inflate(variant, std::span<const uint8_t>(data + 3, size - 3), output);
  return 0;
}
