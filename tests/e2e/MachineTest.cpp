// A checklist that knows the machine, under Wine on x64: the x64 text runs,
// a component for a later Windows is not offered, an installed one starts
// unchecked with the disc's words for it, and a real Windows Installer
// package that the run installs is shown installed once the run ends.
#include <fstream>

#include "core/Selection.h"
#include "e2e/ActionsDisc.h"
#include "e2e/LoggedLauncher.h"

namespace launcher::test {
namespace {

const std::string kMachineDisc = "fixtures/e2e/machine";
constexpr char kProductCode[] = "{8E3F1C2A-5B6D-4E7F-9A0B-1C2D3E4F5A6B}";
constexpr char kToolEntry[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Disc Launcher Test Tool";

// Runs a program to its end; its exit code.
DWORD RunToEnd(std::string commandLine) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, kMachineDisc.c_str(),
                      &startup, &process)) {
    return GetLastError();
  }
  WaitForSingleObject(process.hProcess, 60000);
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

class MachineTest : public LoggedLauncherTest {
 protected:
  MachineTest() : LoggedLauncherTest("machine.log") {}
  void SetUp() override {
    CopyFileA(PROBE_EXE, (kMachineDisc + "/probe.exe").c_str(), FALSE);
    Uninstall();
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, kToolEntry, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    RegSetValueExA(key, "DisplayVersion", 0, REG_SZ, reinterpret_cast<const BYTE*>("2.1"), 4);
    RegCloseKey(key);
  }
  void TearDown() override {
    LoggedLauncherTest::TearDown();
    Uninstall();
  }
  static void Uninstall() {
    RunToEnd(std::string("msiexec /x ") + kProductCode + " /qn");
    RegDeleteTreeA(HKEY_CURRENT_USER, kToolEntry);
  }
  // The list box keeps its rows in UTF-16; these are ASCII.
  std::string RowText(int row) const {
    wchar_t text[256] = L"";
    SendMessageW(Checklist(), LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
    const std::wstring wide(text);
    return std::string(wide.begin(), wide.end());
  }
  bool RowChecked(int row) const {
    return SendMessageA(Checklist(), LB_GETITEMDATA, static_cast<WPARAM>(row), 0) == 1;
  }
  // The checklist, whichever page is in front.
  HWND Checklist() const { return FindWindowExA(Page(1), nullptr, "ListBox", nullptr); }
};

TEST_F(MachineTest, AnInstalledComponentStartsUncheckedAndTheRunShowsWhatItInstalled) {
  Start(kMachineDisc);
  ASSERT_TRUE(OpenChecklist(1));
  ASSERT_EQ(SendMessageA(Checklist(), LB_GETCOUNT, 0, 0), 3);  // "Future Windows" is not offered
  EXPECT_EQ(RowText(1), "Product");
  EXPECT_TRUE(RowChecked(1));
  EXPECT_EQ(RowText(2), "Tool two (installed)");
  EXPECT_FALSE(RowChecked(2));
  // Only the product: the run installs the real package.
  launcher_->ClickAt(window_, 18 + 6, 163 + 6);
  ASSERT_TRUE(WaitFor([&] { return !RowChecked(0); }, 3000));
  launcher_->ClickAt(window_, 440, 385);
  Answer done = AnswerWindow(*launcher_, "TDialogInfoForm", IDOK, kNoticeSeconds * 1000 + 60000);
  EXPECT_EQ(done.text, "Done.");
  EXPECT_EQ(RowText(1), "Product (installed)");
  EXPECT_FALSE(RowChecked(1));
  const auto events = EndAndReadLog();
  auto logged = [&](const std::string& line) { return std::find(events.begin(), events.end(), line) != events.end(); };
  EXPECT_TRUE(std::any_of(events.begin(), events.end(),
                          [](const std::string& e) { return e.rfind("machine: x64, Windows ", 0) == 0; }));
  EXPECT_TRUE(logged("start: msiexec /i product.msi /qn"));
  EXPECT_TRUE(logged(std::string("installed: msi:") + kProductCode + " -> installed")) << testing::PrintToString(events);
  EXPECT_TRUE(logged("installed: uninstall:Disc Launcher Test Tool>=2.0 -> installed"));
}

// The registry says the tool is there: its menu button says so; the button
// for Arm64 machines is not there at all, and the x64 text runs.
TEST_F(MachineTest, MenuButtonsFollowTheMachineAndTheRegistry) {
  HKEY key = nullptr;
  RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\DiscLauncherE2E\\Machine", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                  &key, nullptr);
  RegCloseKey(key);
  std::ofstream(kMachineDisc + "/record-x64.txt").close();
  Start(kMachineDisc);
  const auto events = EndAndReadLog();
  RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\DiscLauncherE2E\\Machine");
  EXPECT_TRUE(std::find(events.begin(), events.end(),
                        "installed: registry:HKCU\\Software\\DiscLauncherE2E\\Machine -> installed") != events.end())
      << testing::PrintToString(events);
}

}  // namespace
}  // namespace launcher::test
