#include "archive/Inflater.h"

#include <algorithm>
#include <array>
#include <vector>

namespace launcher {
namespace {

constexpr size_t kMaxCodeBits = 15;
constexpr size_t kLiteralLengthSymbols = 288;  // the fixed code defines 288; 286 and 287 never occur
constexpr size_t kMaxLiteralLengthCodes = 286;
constexpr size_t kDistanceSymbols = 32;        // deflate uses 30 of them, deflate64 all 32
constexpr size_t kDeflateDistanceSymbols = 30;
constexpr uint16_t kLongestLengthSymbol = 285;
constexpr uint16_t kDeflateLongestLength = 258;
constexpr size_t kCodeLengthSymbols = 19;
constexpr uint16_t kEndOfBlock = 256;
constexpr uint16_t kFirstLengthSymbol = 257;
constexpr size_t kSourceChunk = 64 * 1024;

// Lengths for symbols 257..285; in deflate64, 285 is 3 plus 16 extra bits
// (in deflate it is 258 alone).
constexpr std::array<uint16_t, 29> kLengthBase = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                                  31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 3};
constexpr std::array<uint8_t, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                  2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 16};
// Distances for symbols 0..31; 30 and 31 (deflate64 only) reach into the
// 64 KiB window.
constexpr std::array<uint32_t, 32> kDistanceBase = {
    1,    2,    3,    4,    5,    7,     9,     13,    17,    25,    33,   49,   65,    97,    129,   193,
    257,  385,  513,  769,  1025, 1537,  2049,  3073,  4097,  6145,  8193, 12289, 16385, 24577, 32769, 49153};
constexpr std::array<uint8_t, 32> kDistanceExtra = {0, 0, 0, 0, 1, 1, 2,  2,  3,  3,  4,  4,  5,  5,  6,  6,
                                                    7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13, 14, 14};
// The order in which a dynamic block lists the code length code's lengths.
constexpr std::array<uint8_t, kCodeLengthSymbols> kCodeLengthOrder = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                                                      11, 4,  12, 3, 13, 2, 14, 1, 15};

// The CRC-32 of each byte value, worked out by the compiler.
constexpr std::array<uint32_t, 256> kCrcTable = [] {
  std::array<uint32_t, 256> entries{};
  for (uint32_t n = 0; n < entries.size(); ++n) {
    uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    entries[n] = c;
  }
  return entries;
}();

struct Stop {
  InflateResult result;
};

// Reads the stream least significant bit first, pulling chunks from the source.
class BitReader {
 public:
  explicit BitReader(const InflateSource& source) : source_(source), chunk_(kSourceChunk) {}

  // At most 16 bits at a time, enough for the longest extra field.
  uint32_t Bits(int count) {
    while (held_ < count) {
      bits_ |= static_cast<uint32_t>(NextByte()) << held_;
      held_ += 8;
    }
    const uint32_t value = bits_ & ((1u << count) - 1);
    bits_ >>= count;
    held_ -= count;
    return value;
  }

  void AlignToByte() {
    bits_ = 0;
    held_ = 0;
  }

 private:
  uint8_t NextByte() {
    if (position_ == available_) {
      const size_t n = source_(chunk_);
      if (n == kInflateSourceFailed) throw Stop{InflateResult::kUnreadable};
      if (n == 0 || n > chunk_.size()) throw Stop{InflateResult::kEndsEarly};
      available_ = n;
      position_ = 0;
    }
    return chunk_[position_++];
  }

  const InflateSource& source_;
  std::vector<uint8_t> chunk_;
  size_t available_ = 0;
  size_t position_ = 0;
  uint32_t bits_ = 0;
  int held_ = 0;
};

// A canonical prefix code: how many codes each length has, and the symbols
// in code order. Decoding walks at most 15 lengths per symbol.
class PrefixCode {
 public:
  // Lengths of 0 mean the symbol is not used. An over-subscribed set of
  // lengths is damage; an incomplete one is allowed (a single distance code
  // is legal) and fails only if the data uses a code that is not there.
  void Build(std::span<const uint8_t> lengths) {
    counts_.fill(0);
    for (uint8_t length : lengths) ++counts_[length];
    counts_[0] = 0;
    int left = 1;
    for (size_t length = 1; length <= kMaxCodeBits; ++length) {
      left = left * 2 - counts_[length];
      if (left < 0) throw Stop{InflateResult::kDamaged};
    }
    std::array<uint16_t, kMaxCodeBits + 2> offsets{};
    for (size_t length = 1; length <= kMaxCodeBits; ++length) {
      offsets[length + 1] = static_cast<uint16_t>(offsets[length] + counts_[length]);
    }
    for (size_t symbol = 0; symbol < lengths.size(); ++symbol) {
      if (lengths[symbol] != 0) symbols_[offsets[lengths[symbol]]++] = static_cast<uint16_t>(symbol);
    }
  }

  uint16_t Decode(BitReader& in) const {
    // `code` is the bits read so far; `first` the first code of this length;
    // `index` where this length's symbols start.
    size_t code = 0, first = 0, index = 0;
    for (size_t length = 1; length <= kMaxCodeBits; ++length) {
      code |= in.Bits(1);
      const size_t count = counts_[length];
      if (code < first + count) return symbols_[index + code - first];
      index += count;
      first = (first + count) << 1;
      code <<= 1;
    }
    throw Stop{InflateResult::kDamaged};
  }

 private:
  std::array<uint16_t, kMaxCodeBits + 1> counts_{};
  std::array<uint16_t, kLiteralLengthSymbols> symbols_{};
};

class Inflater {
 public:
  Inflater(DeflateVariant variant, const InflateSource& source, std::span<uint8_t> output)
      : deflate64_(variant == DeflateVariant::kDeflate64), in_(source), out_(output) {}

  InflateResult Run() {
    bool final = false;
    while (!final) {
      final = in_.Bits(1) == 1;
      switch (in_.Bits(2)) {
        case 0: StoredBlock(); break;
        case 1: FixedBlock(); break;
        case 2: DynamicBlock(); break;
        default: throw Stop{InflateResult::kDamaged};
      }
    }
    return written_ == out_.size() ? InflateResult::kComplete : InflateResult::kTooShort;
  }

 private:
  void StoredBlock() {
    in_.AlignToByte();
    const uint32_t length = in_.Bits(16);
    if (in_.Bits(16) != (~length & 0xFFFF)) throw Stop{InflateResult::kDamaged};
    if (length > out_.size() - written_) throw Stop{InflateResult::kTooLong};
    for (uint32_t i = 0; i < length; ++i) out_[written_++] = static_cast<uint8_t>(in_.Bits(8));
  }

  void FixedBlock() {
    std::array<uint8_t, kLiteralLengthSymbols> lengths{};
    for (size_t symbol = 0; symbol < lengths.size(); ++symbol) {
      lengths[symbol] = symbol < 144 ? 8 : symbol < 256 ? 9 : symbol < 280 ? 7 : 8;
    }
    std::array<uint8_t, kDistanceSymbols> distances{};
    distances.fill(5);
    literals_.Build(lengths);
    distances_.Build(distances);
    Codes();
  }

  void DynamicBlock() {
    const size_t literalCount = in_.Bits(5) + 257;
    const size_t distanceCount = in_.Bits(5) + 1;
    const size_t codeLengthCount = in_.Bits(4) + 4;
    if (literalCount > kMaxLiteralLengthCodes || distanceCount > DistanceSymbols()) {
      throw Stop{InflateResult::kDamaged};
    }

    std::array<uint8_t, kCodeLengthSymbols> codeLengthLengths{};
    for (size_t i = 0; i < codeLengthCount; ++i) codeLengthLengths[kCodeLengthOrder[i]] = static_cast<uint8_t>(in_.Bits(3));
    PrefixCode codeLengths;
    codeLengths.Build(codeLengthLengths);

    // Literal/length and distance lengths form one sequence: a repeat may
    // run from one into the other.
    std::array<uint8_t, kMaxLiteralLengthCodes + kDistanceSymbols> lengths{};
    const size_t total = literalCount + distanceCount;
    size_t filled = 0;
    while (filled < total) {
      const uint16_t symbol = codeLengths.Decode(in_);
      if (symbol < 16) {
        lengths[filled++] = static_cast<uint8_t>(symbol);
        continue;
      }
      uint8_t value = 0;
      size_t repeat = 0;
      if (symbol == 16) {
        if (filled == 0) throw Stop{InflateResult::kDamaged};
        value = lengths[filled - 1];
        repeat = 3 + in_.Bits(2);
      } else if (symbol == 17) {
        repeat = 3 + in_.Bits(3);
      } else {
        repeat = 11 + in_.Bits(7);
      }
      if (repeat > total - filled) throw Stop{InflateResult::kDamaged};
      for (size_t i = 0; i < repeat; ++i) lengths[filled++] = value;
    }
    // A block without an end-of-block code could never end.
    if (lengths[kEndOfBlock] == 0) throw Stop{InflateResult::kDamaged};
    literals_.Build(std::span<const uint8_t>(lengths.data(), literalCount));
    distances_.Build(std::span<const uint8_t>(lengths.data() + literalCount, distanceCount));
    Codes();
  }

  void Codes() {
    for (;;) {
      const uint16_t symbol = literals_.Decode(in_);
      if (symbol < kEndOfBlock) {
        if (written_ == out_.size()) throw Stop{InflateResult::kTooLong};
        out_[written_++] = static_cast<uint8_t>(symbol);
        continue;
      }
      if (symbol == kEndOfBlock) return;
      const size_t lengthIndex = symbol - kFirstLengthSymbol;
      if (lengthIndex >= kLengthBase.size()) throw Stop{InflateResult::kDamaged};
      const size_t length = symbol == kLongestLengthSymbol && !deflate64_
                                ? kDeflateLongestLength
                                : kLengthBase[lengthIndex] + in_.Bits(kLengthExtra[lengthIndex]);
      const uint16_t distanceSymbol = distances_.Decode(in_);
      if (distanceSymbol >= DistanceSymbols()) throw Stop{InflateResult::kDamaged};
      const size_t distance = kDistanceBase[distanceSymbol] + in_.Bits(kDistanceExtra[distanceSymbol]);
      if (distance > written_) throw Stop{InflateResult::kDamaged};
      if (length > out_.size() - written_) throw Stop{InflateResult::kTooLong};
      // Byte by byte: a copy may overlap the bytes it is writing.
      for (size_t i = 0; i < length; ++i, ++written_) out_[written_] = out_[written_ - distance];
    }
  }

  size_t DistanceSymbols() const { return deflate64_ ? kDistanceSymbols : kDeflateDistanceSymbols; }

  bool deflate64_;
  BitReader in_;
  std::span<uint8_t> out_;
  size_t written_ = 0;
  PrefixCode literals_;
  PrefixCode distances_;
};

}  // namespace

InflateResult Inflate(DeflateVariant variant, const InflateSource& source, std::span<uint8_t> output) {
  try {
    return Inflater(variant, source, output).Run();
  } catch (const Stop& stop) {
    return stop.result;
  }
}

InflateResult Inflate(DeflateVariant variant, std::span<const uint8_t> input, std::span<uint8_t> output) {
  const InflateSource whole = [input](std::span<uint8_t> buffer) mutable -> size_t {
    const size_t n = std::min(buffer.size(), input.size());
    std::copy_n(input.begin(), n, buffer.begin());
    input = input.subspan(n);
    return n;
  };
  return Inflate(variant, whole, output);
}

uint32_t Crc32(std::span<const uint8_t> data) {
  uint32_t crc = 0xFFFFFFFFu;
  for (uint8_t byte : data) crc = kCrcTable[(crc ^ byte) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

}  // namespace launcher
