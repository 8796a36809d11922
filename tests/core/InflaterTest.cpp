#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <string>

#include "archive/Inflater.h"
#include "archive/ZipArchive.h"
#include "core/Platform.h"
#include "core/TestFiles.h"

namespace launcher {
namespace {

using test::Fixture;
using test::ReadFileBytes;

const char* const kMembers[] = {"small.txt", "exact64k.txt", "repeats.bin"};

// Writes a deflate stream by hand, for the codes an encoder rarely chooses.
class BitWriter {
 public:
  // Extra bits and header fields: least significant bit first.
  BitWriter& Bits(uint32_t value, int count) {
    for (int i = 0; i < count; ++i) Put((value >> i) & 1);
    return *this;
  }
  // Prefix codes: most significant bit first.
  BitWriter& Code(uint32_t code, int length) {
    for (int i = length - 1; i >= 0; --i) Put((code >> i) & 1);
    return *this;
  }
  // Symbols of the fixed code (RFC 1951, 3.2.6).
  BitWriter& Fixed(uint32_t symbol) {
    if (symbol < 144) return Code(0x30 + symbol, 8);
    if (symbol < 256) return Code(0x190 + symbol - 144, 9);
    if (symbol < 280) return Code(symbol - 256, 7);
    return Code(0xC0 + symbol - 280, 8);
  }
  BitWriter& FixedBlockStart(bool final) { return Bits(final ? 1 : 0, 1).Bits(1, 2); }
  BitWriter& Distance(uint32_t symbol, uint32_t extra, int extraBits) {
    return Code(symbol, 5).Bits(extra, extraBits);
  }
  std::vector<uint8_t> bytes;

 private:
  void Put(uint32_t bit) {
    if (used_ % 8 == 0) bytes.push_back(0);
    bytes.back() = static_cast<uint8_t>(bytes.back() | bit << (used_ % 8));
    ++used_;
  }
  size_t used_ = 0;
};

std::pair<InflateResult, std::string> Decode64(const std::vector<uint8_t>& stream, size_t size) {
  std::string out(size, '\0');
  const InflateResult result =
      Inflate(DeflateVariant::kDeflate64, stream, std::span<uint8_t>(reinterpret_cast<uint8_t*>(out.data()), out.size()));
  return {result, out};
}

// 'b', then length code 285 with its 16 extra bits (65 533 more 'a's from
// distance 1), then a copy from distance code 31 reaching back 65 535 bytes:
// only deflate64 can say either.
std::vector<uint8_t> LongestLengthAndFarthestDistance() {
  BitWriter w;
  w.FixedBlockStart(true).Fixed('b').Fixed('a');
  w.Fixed(285).Bits(65533 - 3, 16).Distance(0, 0, 0);
  w.Fixed(257).Distance(31, 65535 - 49153, 14);
  w.Fixed(256);
  return w.bytes;
}

TEST(Inflater, LengthCode285AndDistanceCodes30And31) {
  const std::string expected = "b" + std::string(65534, 'a') + "baa";
  auto [result, out] = Decode64(LongestLengthAndFarthestDistance(), expected.size());
  EXPECT_EQ(result, InflateResult::kComplete);
  EXPECT_EQ(out, expected);

  BitWriter w;  // distance code 30 with its 14 extra bits: 49 152 back
  w.FixedBlockStart(true).Fixed('x').Fixed('y').Fixed(285).Bits(49150 - 3, 16).Distance(0, 0, 0);
  w.Fixed(258).Distance(30, 49152 - 32769, 14).Fixed(256);
  std::tie(result, out) = Decode64(w.bytes, 49152 + 4);
  EXPECT_EQ(result, InflateResult::kComplete);
  EXPECT_EQ(out.substr(49152), "xyyy");
}

TEST(Inflater, OutputMustBeExactlyTheDeclaredSize) {
  const std::vector<uint8_t> stream = LongestLengthAndFarthestDistance();
  EXPECT_EQ(Decode64(stream, 65537).first, InflateResult::kTooLong);
  EXPECT_EQ(Decode64(stream, 65539).first, InflateResult::kTooShort);
  EXPECT_EQ(Decode64(stream, 0).first, InflateResult::kTooLong);
}

TEST(Inflater, DamagedStreamsGiveADefinedResult) {
  struct Case {
    const char* name;
    std::vector<uint8_t> stream;
    InflateResult result;
  };
  const std::vector<uint8_t> whole = LongestLengthAndFarthestDistance();
  std::vector<Case> cases = {
      {"empty input", {}, InflateResult::kEndsEarly},
      {"cut in the middle", std::vector<uint8_t>(whole.begin(), whole.begin() + 4), InflateResult::kEndsEarly},
      {"reserved block type", BitWriter().Bits(1, 1).Bits(3, 2).bytes, InflateResult::kDamaged},
      {"stored length and its complement disagree",
       BitWriter().Bits(1, 1).Bits(0, 2).Bits(0, 5).Bits(3, 16).Bits(3, 16).bytes, InflateResult::kDamaged},
      {"distance before the start",
       BitWriter().FixedBlockStart(true).Fixed('a').Fixed(257).Distance(1, 0, 0).Fixed(256).bytes,
       InflateResult::kDamaged},
      {"literal/length symbol 286", BitWriter().FixedBlockStart(true).Fixed('a').Fixed(286).bytes,
       InflateResult::kDamaged},
      {"dynamic block with 287 literal/length codes", BitWriter().Bits(1, 1).Bits(2, 2).Bits(30, 5).Bits(0, 5).Bits(0, 4).bytes,
       InflateResult::kDamaged},
      // Code length code: eight lengths of 1 cannot all have codes.
      {"over-subscribed code", BitWriter().Bits(1, 1).Bits(2, 2).Bits(0, 5).Bits(0, 5).Bits(4, 4).Bits(1, 3)
                                   .Bits(1, 3).Bits(1, 3).Bits(1, 3).Bits(1, 3).Bits(1, 3).Bits(1, 3).Bits(1, 3)
                                   .bytes,
       InflateResult::kDamaged},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Decode64(c.stream, 3).first, c.result) << c.name;
  }
}

// Deflate (method 8) through the same decoder, from zlib, the reference
// writer, at every level and strategy, on text, noise, long runs and nothing.
TEST(Inflater, ReadsDeflateAsZlibWritesIt) {
  std::string text;
  for (int i = 0; i < 2000; ++i) text += "Key" + std::to_string(i % 37) + "=value " + std::to_string(i) + "\r\n";
  std::string noise(70000, '\0');
  uint32_t seed = 12345;
  for (char& c : noise) c = static_cast<char>((seed = seed * 1103515245 + 12345) >> 24);
  const std::string inputs[] = {text, noise, std::string(300000, 'z'), "", "a"};
  for (const std::string& input : inputs) {
    for (int level : {0, 1, 6, 9}) {
      for (int strategy : {Z_DEFAULT_STRATEGY, Z_FILTERED, Z_HUFFMAN_ONLY, Z_RLE, Z_FIXED}) {
        z_stream z{};
        ASSERT_EQ(deflateInit2(&z, level, Z_DEFLATED, -MAX_WBITS, 8, strategy), Z_OK);
        std::vector<uint8_t> compressed(deflateBound(&z, static_cast<uLong>(input.size())));
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(input.data()));
        z.avail_in = static_cast<uInt>(input.size());
        z.next_out = compressed.data();
        z.avail_out = static_cast<uInt>(compressed.size());
        ASSERT_EQ(deflate(&z, Z_FINISH), Z_STREAM_END);
        compressed.resize(z.total_out);
        deflateEnd(&z);
        std::vector<uint8_t> out(input.size());
        EXPECT_EQ(Inflate(DeflateVariant::kDeflate, compressed, out), InflateResult::kComplete)
            << input.size() << " bytes, level " << level << ", strategy " << strategy;
        EXPECT_EQ(std::string(out.begin(), out.end()), input);
        EXPECT_EQ(Crc32(out), crc32(0, out.data(), static_cast<uInt>(out.size())));
      }
    }
  }
}

// What deflate64 adds, deflate does not have: 285 is length 258 alone, and
// distance codes 30 and 31 are damage.
TEST(Inflater, DeflateKeepsItsOwnLongestLengthAndNearestWindow) {
  BitWriter longest;
  longest.FixedBlockStart(true).Fixed('a').Fixed(285).Distance(0, 0, 0).Fixed(256);
  std::vector<uint8_t> out(259);
  EXPECT_EQ(Inflate(DeflateVariant::kDeflate, longest.bytes, out), InflateResult::kComplete);
  EXPECT_EQ(std::string(out.begin(), out.end()), std::string(259, 'a'));
  BitWriter far;
  far.FixedBlockStart(true).Fixed('a').Fixed(257).Distance(30, 0, 14).Fixed(256);
  EXPECT_EQ(Inflate(DeflateVariant::kDeflate, far.bytes, out), InflateResult::kDamaged);
}

// Where an archive's member data lies, as 7-Zip wrote it.
std::pair<size_t, size_t> MemberData(const std::vector<uint8_t>& bytes, const std::string& name) {
  ZipArchive archive;
  archive.Open(std::make_unique<MemoryFile>(bytes));
  for (const ZipArchive::Entry& entry : archive.Entries()) {
    if (entry.name != name) continue;
    const size_t local = static_cast<size_t>(entry.localHeaderOffset);
    const size_t start = local + 30 + (bytes[local + 26] | bytes[local + 27] << 8) +
                         (bytes[local + 28] | bytes[local + 29] << 8);
    return {start, static_cast<size_t>(entry.compressedSize)};
  }
  ADD_FAILURE() << name << " is not in the archive";
  return {0, 0};
}

TEST(Inflater, ReadsMembersWrittenBy7Zip) {
  ZipArchive archive;
  archive.Open(OpenPlatformFile(Fixture("zip/deflate64.zip")));
  ASSERT_EQ(archive.Entries().size(), std::size(kMembers));
  for (const char* name : kMembers) {
    SCOPED_TRACE(name);
    const auto entry = std::find_if(archive.Entries().begin(), archive.Entries().end(),
                                    [&](const ZipArchive::Entry& e) { return e.name == name; });
    ASSERT_NE(entry, archive.Entries().end());
    EXPECT_EQ(entry->method, 9);
    EXPECT_EQ(archive.Extract(name), ReadFileBytes(Fixture(std::string("zip/deflate64/") + name)));
  }
}

TEST(Inflater, DamagedMembersFailWithAnErrorNamingThem) {
  const std::vector<uint8_t> original = ReadFileBytes(Fixture("zip/deflate64.zip"));
  const auto [dataStart, dataSize] = MemberData(original, "exact64k.txt");
  ASSERT_GT(dataSize, 100u);
  for (size_t flip : {size_t{0}, size_t{3}, dataSize / 2, dataSize * 3 / 4}) {
    std::vector<uint8_t> bytes = original;
    bytes[dataStart + flip] ^= 0x5A;
    ZipArchive archive;
    archive.Open(std::make_unique<MemoryFile>(std::move(bytes)));
    try {
      archive.Extract("exact64k.txt");
      ADD_FAILURE() << "a flip at " << flip << " went unnoticed";
    } catch (const ArchiveError& error) {
      EXPECT_NE(std::string(error.what()).find("'exact64k.txt'"), std::string::npos) << error.what();
    }
  }
  // Cut short: every prefix of the data ends early or decodes to too little.
  std::vector<uint8_t> out(65536);
  for (size_t length : {size_t{0}, size_t{1}, dataSize / 3, dataSize - 1}) {
    const InflateResult result = Inflate(DeflateVariant::kDeflate64, std::span(original.data() + dataStart, length), out);
    EXPECT_TRUE(result == InflateResult::kEndsEarly || result == InflateResult::kTooShort) << length;
  }
}

}  // namespace
}  // namespace launcher
