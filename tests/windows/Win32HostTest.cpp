#include <gtest/gtest.h>

#include <thread>
#include <windows.h>

#include "archive/ZipArchive.h"
#include "core/Config.h"
#include "core/Platform.h"
#include "core/TestFiles.h"
#include "windows/MessageWindows.h"
#include "windows/Win32Host.h"
#include "windows/WindowTestSupport.h"

namespace launcher {
namespace {

// Restores the current directory a test changed.
class CurrentDirectoryScope {
 public:
  explicit CurrentDirectoryScope(const std::string& dir) {
    GetCurrentDirectoryA(sizeof saved_, saved_);
    SetCurrentDirectoryA(dir.c_str());
  }
  ~CurrentDirectoryScope() { SetCurrentDirectoryA(saved_); }
  CurrentDirectoryScope(const CurrentDirectoryScope&) = delete;
  CurrentDirectoryScope& operator=(const CurrentDirectoryScope&) = delete;

 private:
  char saved_[MAX_PATH + 1] = "";
};

TEST(Win32Host, LoadsADiscFromTheCurrentDirectory) {
  CurrentDirectoryScope scope(test::Fixture("discs/pro"));
  Application application("test");
  Win32Host host(application);
  ZipArchive archive;
  Configuration config;
  GetConfig(host, archive, config);
  EXPECT_EQ(config.ConfigSection, "pro");
  EXPECT_EQ(config.ConfigStrings->Get("LauncherTitle"), "Example Suite Professional");
  EXPECT_TRUE(archive.IsOpen());
  char systemRoot[MAX_PATH] = "";
  GetEnvironmentVariableA("systemroot", systemRoot, sizeof systemRoot);
  EXPECT_EQ(config.ShellLauncher, std::string(systemRoot) + "\\explorer.exe");
}

TEST(Win32Host, ProfileReaderFallsBackWhenTheFileIsMissing) {
  Application application("test");
  Win32Host host(application);
  EXPECT_EQ(host.ReadProfileString(".\\no-such.inf", "CONFIG", "SKU", "ENT"), "ENT");
}

TEST(Win32Host, CurrentDirectoryOfADriveRootKeepsItsBackslash) {
  CurrentDirectoryScope scope("C:\\");
  Application application("test");
  Win32Host host(application);
  EXPECT_EQ(host.CurrentDirectory(), "C:\\");
  EXPECT_EQ(ReturnCurrentDirectory(host), "C:");
}

// The tests run on an English system (code page 1252).
TEST(Win32Host, UpperCasesAndConvertsAsTheDiscWasWritten) {
  Application application("test");
  Win32Host host(application);
  EXPECT_EQ(host.UpperCase("sku=ent"), "SKU=ENT");
  EXPECT_EQ(host.FromSystemCodePage("f\xFCr"), "f\u00fcr");
  EXPECT_EQ(host.ToSystemCodePage("f\u00fcr"), "f\xFCr");
  // An 8-bit disc: the code page's letters, and a character it lacks as it is.
  EXPECT_EQ(host.UpperCase("\u00e9t\u00e9 \u0434"), "\u00c9T\u00c9 \u0434");
  // A UTF-8 disc: every script's letters, each keeping its position.
  host.ReadDiscTextsAs(TextEncoding::kUtf8);
  EXPECT_EQ(host.UpperCase("\u0434\u0438\u0441\u043a \u03c9 disk"), "\u0414\u0418\u0421\u041a \u03a9 DISK");
  EXPECT_EQ(host.UpperCase("\u0131x"), "\u0131X");
  EXPECT_EQ(DecodeCodePage(932, "\x83\x54"), u"\u30b5");
  EXPECT_EQ(EncodeCodePage(1252, u"\u00e4"), "\xE4");
}

TEST(Win32Platform, ArchiveStaysReadableAndWritableByOthers) {
  const std::string path = test::Fixture("shared.jar");
  CopyFileA(test::Fixture("zip/basic.jar").c_str(), path.c_str(), FALSE);
  auto file = OpenPlatformFile(path);
  ASSERT_NE(file, nullptr);
  HANDLE writer = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  EXPECT_NE(writer, INVALID_HANDLE_VALUE);
  CloseHandle(writer);
  ZipArchive archive;
  archive.Open(std::move(file));
  EXPECT_TRUE(archive.Extract("stored.txt").has_value());
  archive.Close();
  DeleteFileA(path.c_str());
  EXPECT_EQ(OpenPlatformFile(path), nullptr);
}

// Windows Installer's mutex, held by this test as an installation would:
// the launcher waits, showing the disc's notice, until it is gone.
TEST(Win32Host, WaitsWhileWindowsInstallerIsBusyAndShowsTheNotice) {
  Application application("test");
  HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  MessageWindows messages(application, owner);
  Win32Host host(application);
  host.AttachMessages(messages);
  EXPECT_EQ(host.WaitWhileInstallerBusy("Orbit", "Another installation is running."), 0u);
  HANDLE busy = CreateMutexA(nullptr, FALSE, "Global\\_MSIExecute");
  ASSERT_NE(busy, nullptr);
  std::string shown;
  std::thread installation([&] {
    HWND notice = test::WaitForVisibleWindow("TDialogDelayForm", 5000);
    if (notice) shown = test::WindowText(GetDlgItem(notice, TMessageForm::kMessageTextId));
    Sleep(1000);  // the installation goes on a while
    CloseHandle(busy);
  });
  const uint32_t waited = host.WaitWhileInstallerBusy("Orbit", "Another installation is running.");
  installation.join();
  EXPECT_GE(waited, 1u);
  EXPECT_EQ(shown, "Another installation is running.");
  EXPECT_FALSE(IsWindowVisible(messages.Delay.Handle()));
  DestroyWindow(owner);
}

}  // namespace
}  // namespace launcher
