// The launcher started on a fixture disc with a support log, driven by its
// menu, and what it logged once it has ended: the fixture of the tests that
// read what the launcher did from its log.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "e2e/ActionsDisc.h"
#include "e2e/LauncherProcess.h"
#include "windows/WindowTestSupport.h"

namespace launcher::test {

class LoggedLauncherTest : public testing::Test {
 protected:
  // The log goes to artifacts/LOG_NAME, made anew for each test.
  explicit LoggedLauncherTest(const std::string& logName) : log_(FullPath("artifacts/" + logName)) {
    CreateDirectoryA("artifacts", nullptr);
    DeleteFileA(log_.c_str());
  }
  void TearDown() override { KeepScreenshotOfFailure(window_); }

  // Starts the launcher (or the copy named) in that directory, with the log.
  void Start(const std::string& currentDirectory, const std::string& program = "") {
    launcher_ = std::make_unique<LauncherProcess>(currentDirectory, "/log \"" + log_ + "\"", program);
    window_ = launcher_->MainWindow();
    ASSERT_NE(window_, nullptr);
    ASSERT_TRUE(WaitUntilPainted(window_));
  }
  void ClickMenu(int number) { launcher_->ClickAt(window_, 30, kMenuTop[number] + 12); }
  // The log is complete once the launcher has ended: it is closed first
  // unless it has ended by itself.
  std::vector<std::string> EndAndReadLog() {
    if (launcher_->WaitForExit(0) == STILL_ACTIVE) PostMessageA(window_, WM_CLOSE, 0, 0);
    EXPECT_EQ(launcher_->WaitForExit(), 0u);
    return LoggedEvents(log_);
  }

  const std::string log_;
  std::unique_ptr<LauncherProcess> launcher_;
  HWND window_ = nullptr;
};

}  // namespace launcher::test
