#include <gtest/gtest.h>

#include "core/HashMap.h"

namespace launcher {
namespace {

TEST(HashMap, HashesAsTheLauncherDocumentsThem) {
  THashMap map(256);
  struct Case {
    const char* key;
    uint32_t hash;
    size_t bucket;
  };
  // The long keys wrap the top bits around several times.
  for (const Case& c : {Case{"", 0, 0}, Case{"a", 0x61, 97}, Case{"abc", 0x7FB, 251},
                        Case{"ActionTotal", 0x5F54168, 104}, Case{"InstallDialiogInstallButton", 0x7D5C7CF7, 247},
                        Case{"FileNotFoundDiskPromptTitle", 0x8CCEA603, 3}}) {
    EXPECT_EQ(map.HashOf(c.key), c.hash) << c.key;
    EXPECT_EQ(map.HashOf(c.key) % 256, c.bucket) << c.key;
  }
}

TEST(HashMap, BytesAbove127EnterTheHashUnsigned) {
  THashMap map(256);
  EXPECT_EQ(map.HashOf("\xFF"), 0xFFu);
  map.Put("\xE4", "a-umlaut");
  map.Put("\xC4", "A-umlaut");
  EXPECT_EQ(map.Get("\xE4"), "a-umlaut");
  EXPECT_EQ(map.Get("\xC4"), "A-umlaut");
}

TEST(HashMap, MissingKeysReadEmpty) {
  THashMap map(256);
  EXPECT_EQ(map.Get(""), "");
  EXPECT_EQ(map.Get("LauncherTitle"), "");
  EXPECT_FALSE(map.Find("LauncherTitle"));
}

TEST(HashMap, KeysAreCaseSensitive) {
  THashMap map(256);
  map.Put("LauncherTitle", "Suite");
  EXPECT_EQ(map.Get("LauncherTitle"), "Suite");
  EXPECT_EQ(map.Get("launchertitle"), "");
}

TEST(HashMap, PutNeverReplacesButTheNewestWins) {
  THashMap map(256);
  map.Put("key", "one");
  map.Put("key", "two");
  EXPECT_EQ(map.Get("key"), "two");
  const auto& newest = map.Find("key");
  ASSERT_TRUE(newest);
  ASSERT_TRUE(newest->Next);
  EXPECT_EQ(newest->Next->Value, "one");
}

TEST(HashMap, ChainsHoldEveryKeyOfABucket) {
  THashMap map(1);  // one bucket: every key collides
  for (int i = 0; i < 1000; ++i) map.Put("k" + std::to_string(i), std::string(1, static_cast<char>('a' + i % 26)));
  for (int i = 0; i < 1000; ++i) EXPECT_EQ(map.Get("k" + std::to_string(i)).front(), u'a' + i % 26);
}

TEST(HashMap, ClearEmptiesAndKeepsTheBucketCount) {
  THashMap map(256);
  map.Put("a", "1");
  map.Put("b", "2");
  map.Clear();
  EXPECT_EQ(map.Get("a"), "");
  EXPECT_EQ(map.Get("b"), "");
  EXPECT_EQ(map.BucketCount(), 256u);
  map.Put("a", "3");
  EXPECT_EQ(map.Get("a"), "3");
}

TEST(HashMap, ClearFreesLongChainsWithoutRecursion) {
  THashMap map(1);
  for (int i = 0; i < 200000; ++i) map.Put("same", "v");
  map.Clear();
  EXPECT_EQ(map.Get("same"), "");
}

TEST(HashMap, RejectsZeroBuckets) {
  EXPECT_THROW(THashMap(0), std::invalid_argument);
  EXPECT_THROW(THashMap(-1), std::invalid_argument);
}

}  // namespace
}  // namespace launcher
