// The launcher started on a fixture disc with a support log, driven by its
// menu, and what it logged once it has ended: the fixture of the tests that
// read what the launcher did from its log.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "e2e/LauncherProcess.h"
#include "windows/WindowTestSupport.h"
#include "windows/system/Win32Text.h"

namespace launcher::test {

// The tops of the menu's buttons, in client pixels, from the first on.
inline constexpr int kMenuTop[12] = {0, 153, 172, 191, 210, 229, 245, 264, 283, 302, 321, 340};

class LoggedLauncherTest : public testing::Test {
 protected:
  // The log goes to artifacts/LOG_NAME (UTF-8), made anew for each test.
  explicit LoggedLauncherTest(const std::string& logName) : log_(FullPath("artifacts/" + logName)) {
    CreateDirectoryA("artifacts", nullptr);
    DeleteFileW(Wide(log_).c_str());
  }
  void TearDown() override { KeepScreenshotOfFailure(window_); }

  // Starts the launcher (or the copy named) in that directory, with the log.
  void Start(const std::string& currentDirectory, const std::string& program = "") {
    launcher_ = std::make_unique<LauncherProcess>(currentDirectory, "/log \"" + log_ + "\"", program);
    window_ = launcher_->MainWindow();
    ASSERT_NE(window_, nullptr);
    ASSERT_TRUE(WaitUntilPainted(window_));
  }
  // 12 pixels down: the fifth button, drawn above the sixth, overlaps its top.
  void ClickMenu(int number) { launcher_->ClickAt(window_, 30, kMenuTop[number] + 12); }
  // The page in front is the first child of the main window.
  HWND FrontPage() const { return GetWindow(window_, GW_CHILD); }
  // The pages, in front or not: 0 the menu, 1 the selection page (the one
  // with the checklist).
  HWND Page(int index) const {
    for (HWND page = nullptr; (page = FindWindowExA(window_, page, "TPanel", nullptr)) != nullptr;) {
      const bool selection = FindWindowExA(page, nullptr, "ListBox", nullptr) != nullptr;
      if (selection == (index == 1)) return page;
    }
    return nullptr;
  }
  HWND List() const { return FindWindowExA(GetWindow(FrontPage(), GW_HWNDFIRST), nullptr, "ListBox", nullptr); }
  // Opens the page with the checklist by its menu button, and waits until it
  // is in front: a click queued before then would go to the menu page, which
  // is still the window under the pointer.
  bool OpenChecklist(int menuButton) {
    ClickMenu(menuButton);
    return WaitFor([&] { return List() != nullptr && IsWindowVisible(List()); });
  }
  // The launcher is done with a program once the log has its exit code:
  // input that arrives before then is dropped, as it is while the program runs.
  bool ProgramsEnded(size_t times = 1, DWORD timeoutMs = 15000) {
    return WaitFor([&] {
      const auto events = LoggedEvents(log_);
      return static_cast<size_t>(std::count_if(events.begin(), events.end(), [](const std::string& e) {
               return e.rfind("exit code: ", 0) == 0;
             })) >= times;
    }, timeoutMs);
  }
  // The log is complete once the launcher has ended: it is closed first
  // unless it has ended by itself.
  std::vector<std::string> EndAndReadLog() {
    EXPECT_EQ(launcher_->WaitForExit(0) == STILL_ACTIVE ? launcher_->Close(window_) : launcher_->WaitForExit(), 0u);
    return LoggedEvents(log_);
  }

  const std::string log_;
  std::unique_ptr<LauncherProcess> launcher_;
  HWND window_ = nullptr;
};

}  // namespace launcher::test
