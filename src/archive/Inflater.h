// Decodes the archive's compressed members: deflate (ZIP method 8) and
// deflate64 (method 9), which is deflate with a 64 KiB window, length code
// 285 carrying 16 extra bits (lengths 3 to 65 538) and distance codes 30
// and 31. One decoder serves both, held to the same rules: the output is
// exactly the declared size, every bit read comes from the input it was
// given, and every loop ends because it consumes input or fills output.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

namespace launcher {

enum class DeflateVariant { kDeflate, kDeflate64 };

enum class InflateResult {
  kComplete,    // the final block ended and filled the output exactly
  kTooLong,     // the data decodes to more bytes than the output holds
  kTooShort,    // the final block ended before the output was full
  kEndsEarly,   // the input ran out before the final block ended
  kDamaged,     // invalid block type, code or distance
  kUnreadable,  // the input source failed
};

// Hands out the compressed bytes piece by piece: fills `buffer` and gives how
// many bytes it wrote, 0 once there are no more, or kInflateSourceFailed
// when a read failed.
using InflateSource = std::function<size_t(std::span<uint8_t> buffer)>;
inline constexpr size_t kInflateSourceFailed = SIZE_MAX;

InflateResult Inflate(DeflateVariant variant, const InflateSource& source, std::span<uint8_t> output);

// For callers that hold the whole compressed data in memory.
InflateResult Inflate(DeflateVariant variant, std::span<const uint8_t> input, std::span<uint8_t> output);

// The CRC-32 of ZIP members (the polynomial 0xEDB88320, reflected).
uint32_t Crc32(std::span<const uint8_t> data);

}  // namespace launcher
