#include <gtest/gtest.h>

#include "core/TestFiles.h"
#include "image/Jpeg.h"

namespace launcher {
namespace {

using test::Fixture;
using test::ReadFileBytes;

JpegResult Decode(const std::vector<uint8_t>& bytes) { return DecodeJpeg(bytes.data(), bytes.size()); }

bool Near(uint32_t pixel, uint32_t expected) {
  for (int shift : {0, 8, 16}) {
    int a = static_cast<int>((pixel >> shift) & 0xFF), b = static_cast<int>((expected >> shift) & 0xFF);
    if (std::abs(a - b) > 8) return false;
  }
  return true;
}

TEST(Jpeg, DecodesToATopDownBitmap) {
  JpegResult red = Decode(ReadFileBytes(Fixture("jpeg/red-64x48.jpg")));
  ASSERT_TRUE(red.ok) << red.error;
  EXPECT_EQ(red.bitmap.width, 64);
  EXPECT_EQ(red.bitmap.height, 48);
  ASSERT_EQ(red.bitmap.pixels.size(), 64u * 48u);
  EXPECT_TRUE(Near(red.bitmap.pixels[0], 0xFF0000)) << std::hex << red.bitmap.pixels[0];
  EXPECT_TRUE(Near(red.bitmap.pixels.back(), 0xFF0000)) << std::hex << red.bitmap.pixels.back();
  JpegResult blue = Decode(ReadFileBytes(Fixture("jpeg/blue-600x400.jpg")));
  ASSERT_TRUE(blue.ok) << blue.error;
  EXPECT_TRUE(Near(blue.bitmap.pixels[600 * 200 + 300], 0x0000FF));
}

TEST(Jpeg, RefusesPicturesLargerThan4096WithoutDecoding) {
  std::vector<uint8_t> bytes = ReadFileBytes(Fixture("jpeg/red-64x48.jpg"));
  for (size_t i = 0; i + 9 < bytes.size(); ++i) {
    if (bytes[i] == 0xFF && (bytes[i + 1] == 0xC0 || bytes[i + 1] == 0xC2)) {
      bytes[i + 5] = 0x13;  // height 5000
      bytes[i + 6] = 0x88;
      break;
    }
  }
  JpegResult result = Decode(bytes);
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.error.find("larger than 4096 x 4096"), std::string::npos) << result.error;
}

TEST(Jpeg, DamagedPicturesFailOrDecodeButNeverCrash) {
  const std::vector<uint8_t> good = ReadFileBytes(Fixture("jpeg/blue-600x400.jpg"));
  EXPECT_FALSE(Decode({}).ok);
  EXPECT_FALSE(Decode({0xFF, 0xD8}).ok);
  EXPECT_FALSE(Decode(std::vector<uint8_t>(1000, 0x42)).ok);
  for (size_t cut : {size_t{10}, good.size() / 4, good.size() / 2, good.size() - 2}) {
    JpegResult result = Decode(std::vector<uint8_t>(good.begin(), good.begin() + static_cast<long>(cut)));
    if (result.ok) {
      EXPECT_EQ(result.bitmap.pixels.size(), 600u * 400u);
    }
  }
  std::vector<uint8_t> scrambled = good;
  for (size_t i = 200; i < scrambled.size(); i += 37) scrambled[i] ^= 0x5A;
  JpegResult result = Decode(scrambled);
  if (result.ok) {
      EXPECT_EQ(result.bitmap.pixels.size(), 600u * 400u);
    }
}

}  // namespace
}  // namespace launcher
