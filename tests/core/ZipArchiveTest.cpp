#include <gtest/gtest.h>

#include "archive/ZipArchive.h"
#include "core/Platform.h"
#include "core/TestFiles.h"

namespace launcher {
namespace {

using test::Fixture;
using test::FindSignature;
using test::Put16;
using test::Put32;
using test::ReadFileBytes;

constexpr uint32_t kLocal = 0x04034b50, kCentral = 0x02014b50, kEnd = 0x06054b50;

std::string Text(const std::optional<std::vector<uint8_t>>& bytes) {
  return bytes ? std::string(bytes->begin(), bytes->end()) : "<missing>";
}

ZipArchive OpenBytes(std::vector<uint8_t> bytes) {
  ZipArchive archive;
  archive.Open(std::make_unique<MemoryFile>(std::move(bytes)));
  return archive;
}

std::string ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const ArchiveError& e) {
    return e.what();
  }
  return "<no error>";
}

// Counts what the archive reader reads, to prove what it does not read.
class CountingFile : public RandomAccessFile {
 public:
  explicit CountingFile(std::unique_ptr<RandomAccessFile> inner) : inner_(std::move(inner)) {}
  uint64_t Size() const override { return inner_->Size(); }
  bool ReadAt(uint64_t offset, void* buffer, size_t count) override {
    bytesRead += count;
    return inner_->ReadAt(offset, buffer, count);
  }
  uint64_t bytesRead = 0;

 private:
  std::unique_ptr<RandomAccessFile> inner_;
};

TEST(ZipArchive, ExtractsStoredAndDeflatedMembersByCaselessName) {
  ZipArchive archive;
  archive.Open(OpenPlatformFile(Fixture("zip/basic.jar")));
  ASSERT_TRUE(archive.IsOpen());
  const std::vector<uint8_t> deflated = ReadFileBytes(Fixture("zip/deflate.bin"));
  EXPECT_EQ(Text(archive.Extract("stored.txt")), "stored text");
  EXPECT_EQ(archive.Extract("folder/deflated.txt"), deflated);
  EXPECT_EQ(archive.Extract("FOLDER/DEFLATED.TXT"), deflated);
  EXPECT_EQ(Text(archive.Extract("empty.txt")), "");
}

TEST(ZipArchive, MissingMembersAreNoError) {
  ZipArchive archive;
  archive.Open(OpenPlatformFile(Fixture("zip/basic.jar")));
  EXPECT_EQ(archive.Extract("absent.txt"), std::nullopt);
  // Names are matched whole, with no conversion of separators.
  EXPECT_EQ(archive.Extract("Folder\\Deflated.TXT"), std::nullopt);
  EXPECT_EQ(archive.Extract("Deflated.TXT"), std::nullopt);
  EXPECT_EQ(archive.Extract("stored.tx?"), std::nullopt);
}

TEST(ZipArchive, OpeningStates) {
  ZipArchive archive;
  EXPECT_EQ(ErrorOf([&] { archive.Extract("x"); }), kArchiveNotOpen);
  archive.Open(OpenPlatformFile(Fixture("zip/does-not-exist.jar")));
  EXPECT_FALSE(archive.IsOpen());
  EXPECT_EQ(ErrorOf([&] { archive.Extract("x"); }), kArchiveNotOpen);
  EXPECT_EQ(ErrorOf([&] { archive.Open(OpenPlatformFile(Fixture("zip/notzip.jar"))); }), kNotAnArchive);
  EXPECT_FALSE(archive.IsOpen());
  EXPECT_EQ(ErrorOf([] { OpenBytes({}); }), kNotAnArchive);
  archive.Open(OpenPlatformFile(Fixture("zip/basic.jar")));
  archive.Close();
  EXPECT_EQ(ErrorOf([&] { archive.Extract("stored.txt"); }), kArchiveNotOpen);
}

// Each damage is made by patching the bytes that Python's zipfile wrote.
struct Damage {
  const char* name;
  std::function<void(std::vector<uint8_t>&)> patch;
  const char* member;  // null: opening fails
  const char* error;
};

class DamagedArchive : public testing::TestWithParam<Damage> {};

TEST_P(DamagedArchive, FailsWithADefinedError) {
  std::vector<uint8_t> bytes = ReadFileBytes(Fixture("zip/basic.jar"));
  GetParam().patch(bytes);
  std::string error = ErrorOf([&] {
    ZipArchive archive = OpenBytes(bytes);
    archive.Extract(GetParam().member ? GetParam().member : "stored.txt");
  });
  EXPECT_NE(error.find(GetParam().error), std::string::npos) << error;
  if (GetParam().member) {
    EXPECT_NE(error.find(GetParam().member), std::string::npos) << error;
  }
}

// Central entry 0 is stored.txt, entry 1 Folder/Deflated.TXT.
size_t Central(const std::vector<uint8_t>& b, int n) { return FindSignature(b, kCentral, n); }
size_t Local(const std::vector<uint8_t>& b, int n) { return FindSignature(b, kLocal, n); }
size_t End(const std::vector<uint8_t>& b) { return FindSignature(b, kEnd); }

INSTANTIATE_TEST_SUITE_P(
    Zip, DamagedArchive,
    testing::Values(
        Damage{"Truncated", [](auto& b) { b.resize(b.size() - 30); }, nullptr, kNotAnArchive},
        Damage{"CutBeforeTheDirectory", [](auto& b) { b.erase(b.begin() + 40, b.begin() + 200); }, nullptr,
               "outside the file"},
        Damage{"DirectoryOffsetPastTheEnd", [](auto& b) { Put32(b, End(b) + 16, 0x7FFFFFF0); }, nullptr,
               "outside the file"},
        Damage{"DirectorySizePastTheEnd", [](auto& b) { Put32(b, End(b) + 12, 0xFFFFFF00); }, nullptr,
               "outside the file"},
        Damage{"MoreEntriesCountedThanHeld", [](auto& b) { Put16(b, End(b) + 10, 5); }, nullptr, "counts more entries"},
        Damage{"DirectoryEntryBroken", [](auto& b) { b[Central(b, 3)] = 'X'; }, nullptr, "fewer entries"},
        Damage{"FewerEntriesCountedThanHeld", [](auto& b) { Put16(b, End(b) + 10, 2); }, nullptr, "more entries"},
        Damage{"NameRunsPastTheDirectory", [](auto& b) { Put16(b, Central(b, 3) + 28, 0xFFF); }, nullptr,
               "past the directory"},
        Damage{"LocalHeaderOffsetWrong", [](auto& b) { Put32(b, Central(b, 0) + 42, 7); }, "stored.txt",
               "local header is missing"},
        Damage{"LocalHeaderOffsetPastTheEnd", [](auto& b) { Put32(b, Central(b, 0) + 42, 0xFFFFFFF0); },
               "stored.txt", "local header is missing"},
        Damage{"LocalNameDisagrees", [](auto& b) { b[Local(b, 0) + 30] = 'X'; }, "stored.txt", "disagrees"},
        Damage{"LocalMethodDisagrees", [](auto& b) { Put16(b, Local(b, 1) + 8, 0); }, "Folder/Deflated.TXT",
               "disagrees"},
        Damage{"Encrypted", [](auto& b) { b[Central(b, 0) + 8] |= 1; }, "stored.txt", "encrypted"},
        Damage{"UnknownMethod",
               [](auto& b) {
                 Put16(b, Central(b, 1) + 10, 12);
                 Put16(b, Local(b, 1) + 8, 12);
               },
               "Folder/Deflated.TXT", "method 12"},
        Damage{"CrcMismatch", [](auto& b) { b[Local(b, 0) + 30 + 10] ^= 0x20; }, "stored.txt", "CRC-32"},
        Damage{"DeflatedDataDamaged", [](auto& b) { b[Local(b, 1) + 30 + 19 + 2] ^= 0xFF; }, "Folder/Deflated.TXT",
               ""},
        Damage{"LargerThanTheCap", [](auto& b) { Put32(b, Central(b, 1) + 24, 65 << 20); }, "Folder/Deflated.TXT",
               "larger than 64 MiB"},
        Damage{"ImpossibleRatio", [](auto& b) { Put32(b, Central(b, 1) + 24, 60 << 20); }, "Folder/Deflated.TXT",
               "impossible"},
        Damage{"DeflatedLongerThanDeclared", [](auto& b) { Put32(b, Central(b, 1) + 24, 1000); },
               "Folder/Deflated.TXT", "more data than declared"},
        Damage{"DeflatedShorterThanDeclared", [](auto& b) { Put32(b, Central(b, 1) + 24, 20000); },
               "Folder/Deflated.TXT", "less data than declared"},
        Damage{"DeflatedDataCut", [](auto& b) { Put32(b, Central(b, 1) + 20, 40); }, "Folder/Deflated.TXT",
               "ends early"},
        Damage{"StoredSizesDiffer", [](auto& b) { Put32(b, Central(b, 0) + 24, 5); }, "stored.txt", "sizes differ"},
        Damage{"DataRunsIntoTheDirectory", [](auto& b) { Put32(b, Central(b, 1) + 20, 100000); },
               "Folder/Deflated.TXT", "runs into the directory"}),
    [](const testing::TestParamInfo<Damage>& param) { return param.param.name; });

TEST(ZipArchive, OpeningReadsOnlyTheDirectoryNotTheArchive) {
  const std::string path = Fixture("zip/large.jar");
  if (!test::FileExists(path)) GTEST_SKIP() << "the large archive is written for the native build only";
  auto file = std::make_unique<CountingFile>(OpenPlatformFile(path));
  CountingFile* counter = file.get();
  ZipArchive archive;
  archive.Open(std::move(file));
  EXPECT_EQ(archive.Entries().size(), 50004u);
  EXPECT_EQ(Text(archive.Extract("first.txt")), "first member");
  EXPECT_EQ(Text(archive.Extract("middle.txt")), "middle member");
  EXPECT_EQ(Text(archive.Extract("LAST.TXT")), "last member");
  // The directory of 50 004 entries is about 3.3 MB; the archive over 300 MB.
  EXPECT_GT(counter->Size(), 300u << 20);
  EXPECT_LT(counter->bytesRead, 4u << 20);
}

}  // namespace
}  // namespace launcher
