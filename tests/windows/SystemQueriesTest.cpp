#include <gtest/gtest.h>
#include <windows.h>

#include "core/Texts.h"
#include "core/Startup.h"
#include "windows/system/SystemQueries.h"

namespace launcher {
namespace {

std::string Upper(std::string_view s) { return UpperCaseInCodePage(1252, s); }

// Values the test writes under HKEY_CURRENT_USER and removes again.
class RegistryTest : public testing::Test {
 protected:
  void SetUp() override {
    RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\DiscLauncherTests\\Case", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                    &key_, nullptr);
    Set("PathName", REG_SZ, "C:\\Java", 8);
    Set("Expandable", REG_EXPAND_SZ, "%SystemRoot%\\java", 19);
    const DWORD number = 42;
    Set("Number", REG_DWORD, &number, sizeof number);
    Set("Empty", REG_SZ, "", 1);
    Set("Unterminated", REG_SZ, "abc", 3);
    HKEY top;
    RegCreateKeyExA(HKEY_CURRENT_USER, "DiscLauncherTestsTop", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &top, nullptr);
    RegSetValueExA(top, "PathName", 0, REG_SZ, reinterpret_cast<const BYTE*>("top"), 4);
    RegCloseKey(top);
  }
  void TearDown() override {
    RegCloseKey(key_);
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\DiscLauncherTests");
    RegDeleteTreeA(HKEY_CURRENT_USER, "DiscLauncherTestsTop");
  }
  void Set(const char* name, DWORD type, const void* data, DWORD size) {
    RegSetValueExA(key_, name, 0, type, static_cast<const BYTE*>(data), size);
  }
  static std::string Read(const std::string& path, const std::string& value) {
    return GetRegistryValue(path, value, Upper);
  }

  HKEY key_ = nullptr;
};

constexpr char kCase[] = "HKEY_CURRENT_USER\\Software\\DiscLauncherTests\\Case";

TEST_F(RegistryTest, ReadsStringValuesAsTheyAre) {
  EXPECT_EQ(Read(kCase, "PathName"), "C:\\Java");
  EXPECT_EQ(Read(kCase, "Expandable"), "%SystemRoot%\\java");  // not expanded
  EXPECT_EQ(Read(kCase, "Empty"), "");
  EXPECT_EQ(Read(kCase, "Unterminated"), "abc");
  EXPECT_EQ(Read(kCase, "Missing"), "");
  EXPECT_EQ(Read("HKEY_CURRENT_USER\\Software\\NoSuchKey", "PathName"), "");
}

TEST_F(RegistryTest, OtherTypesRaiseTheDataTypeError) {
  try {
    Read(kCase, "Number");
    FAIL() << "no error";
  } catch (const LauncherError& error) {
    EXPECT_STREQ(error.what(), "Invalid data type for 'Number'");
  }
}

TEST_F(RegistryTest, UnknownRootNamesReadFromTheCurrentUser) {
  // A key path without "\" is a key directly under HKEY_CURRENT_USER.
  EXPECT_EQ(Read("DiscLauncherTestsTop", "PathName"), "top");
  // Lower case is not recognised as a root, yet it is removed from the path.
  EXPECT_EQ(Read("hkey_local_machine\\Software\\DiscLauncherTests\\Case", "PathName"), "C:\\Java");
  EXPECT_EQ(Read("HKLM\\Software\\DiscLauncherTests\\Case", "PathName"), "C:\\Java");
  EXPECT_EQ(Read("HKEY_LOCAL_MACHINE\\Software\\DiscLauncherTests\\Case", "PathName"), "");
}

TEST(IsFilePresent, FilesYesDirectoriesAndOldFilesNo) {
  EXPECT_TRUE(IsFilePresent("fixtures\\zip\\basic.jar"));
  EXPECT_TRUE(IsFilePresent("fixtures/zip/basic.jar"));
  EXPECT_FALSE(IsFilePresent("fixtures\\zip\\absent.jar"));
  EXPECT_FALSE(IsFilePresent("fixtures\\zip"));
  EXPECT_FALSE(IsFilePresent(""));
  EXPECT_TRUE(IsFilePresent("fixtures\\zip\\*.jar"));
  EXPECT_FALSE(IsFilePresent("fixtures\\zi*"));  // the first match is a directory

  const char* old = "fixtures\\old-file.txt";
  HANDLE file = CreateFileA(old, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  SYSTEMTIME time{1975, 6, 0, 15, 12, 0, 0, 0};
  FILETIME written;
  SystemTimeToFileTime(&time, &written);
  SetFileTime(file, nullptr, nullptr, &written);
  CloseHandle(file);
  EXPECT_FALSE(IsFilePresent(old));
  DeleteFileA(old);
}

}  // namespace
}  // namespace launcher
