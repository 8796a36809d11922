// The real launcher on discs whose components end in different ways: what
// the completion window and the menu's notices say, with the disc's words
// for it and without, and the support log that /log FILE writes.
#include <gtest/gtest.h>

#include <fstream>

#include "core/Selection.h"
#include "e2e/LauncherProcess.h"
#include "windows/WindowTestSupport.h"

namespace launcher::test {
namespace {

constexpr int kMenuTop[] = {0, 153, 172};
// Row r of the checklist, on its check box.
constexpr int kRowBoxX = 18 + 6, kFirstRowY = 163 + 6, kRowHeight = 13;

struct Shown {
  std::string title, text;
};

// Reads one of the launcher's message windows and presses its button.
// With `shot`, keeps a screenshot of it under artifacts/.
Shown Answer(LauncherProcess& launcher, const char* className, int button, DWORD timeoutMs,
             const char* shot = nullptr) {
  HWND form = WaitForVisibleWindow(className, timeoutMs, launcher.ProcessId());
  if (!form) return {"<none>", ""};
  WaitUntilPainted(form);
  if (shot) {
    CreateDirectoryA("artifacts", nullptr);
    SaveScreenshot(form, std::string("artifacts/") + shot);
  }
  Shown shown{WindowText(form), WindowText(GetDlgItem(form, 1000))};
  PostMessageA(GetDlgItem(form, button), BM_CLICK, 0, 0);
  WaitFor([form] { return !IsWindowVisible(form); }, 5000);
  return shown;
}

class ResultsTest : public testing::Test {
 protected:
  void Start(const std::string& disc, const std::string& arguments = "") {
    folder_ = "fixtures/e2e/" + disc;
    CopyFileA(PROBE_EXE, (folder_ + "/probe.exe").c_str(), FALSE);
    std::ofstream(folder_ + "/record.txt").close();
    DeleteFileA((folder_ + "/missing.exe").c_str());
    launcher_ = std::make_unique<LauncherProcess>(folder_, arguments);
    window_ = launcher_->MainWindow();
    ASSERT_NE(window_, nullptr);
    ASSERT_TRUE(WaitUntilPainted(window_));
  }
  void TearDown() override {
    KeepScreenshotOfFailure(window_);
  }
  void Close() {
    EXPECT_EQ(launcher_->Close(window_), 0u);
  }
  // Opens the checklist, leaves only the rows given checked, and installs.
  void Install(std::initializer_list<int> uncheckedRows) {
    launcher_->ClickAt(window_, 40, kMenuTop[1] + 10);
    for (int row : uncheckedRows) launcher_->ClickAt(window_, kRowBoxX, kFirstRowY + row * kRowHeight);
    launcher_->ClickAt(window_, 440, 385);
  }
  // The notices of the entries before the completion window.
  static DWORD NoticesTime(int entries) { return static_cast<DWORD>(entries * kNoticeSeconds * 1000 + 10000); }

  std::string folder_;
  std::unique_ptr<LauncherProcess> launcher_;
  HWND window_ = nullptr;
};

TEST_F(ResultsTest, TheCompletionWindowListsWhatWasNotInstalledAndTheLogSaysWhatHappened) {
  const std::string log = FullPath("fixtures/e2e/results/support.log");
  DeleteFileA(log.c_str());
  Start("results", "/log \"" + log + "\"");
  Install({});
  const Shown missing = Answer(*launcher_, "TDialogRetryCancelForm", IDCANCEL, NoticesTime(4));
  EXPECT_EQ(missing.text, "missing.exe\n\rnot found");
  const Shown done = Answer(*launcher_, "TDialogInfoForm", IDOK, 10000, "completion-failed.bmp");
  EXPECT_EQ(done.title, "Results");
  EXPECT_EQ(done.text, "Done.\n\r\n\rNot installed:\n\rFails\n\rMissing\n\r\n\rPlease restart.");
  Close();

  const std::vector<std::string> events = LoggedEvents(log);
  for (const std::string& event : events) EXPECT_EQ(event.rfind("unstamped: ", 0), std::string::npos) << event;
  auto logged = [&](const std::string& event) { return std::find(events.begin(), events.end(), event) != events.end(); };
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.front().rfind("start: launcher 1.0.0, code page ", 0), 0u) << events.front();
  EXPECT_EQ(events[1].rfind("start-up: directory ", 0), 0u) << events[1];
  EXPECT_EQ(events.back(), "end");
  for (const char* event : {"click: menu button Components -> Action1,Action2,Action3,Action4", "click: install",
                            "file: record.txt (found)", "start: probe.exe 1603 record.txt", "exit code: 1603",
                            "outcome: Zero: succeeded", "outcome: Fails: failed (code 1603)",
                            "outcome: Restart: succeeded, restart needed (code 3010)", "file: missing.exe (not found)",
                            "retry-cancel: Missing | missing.exe\\n\\rnot found -> Cancel", "outcome: Missing: cancelled",
                            "info: Results | Done.\\n\\r\\n\\rNot installed:\\n\\rFails\\n\\rMissing\\n\\r\\n\\rPlease "
                            "restart."}) {
    EXPECT_TRUE(logged(event)) << event;
  }
}

TEST_F(ResultsTest, AFailingMenuProgramIsReportedUnderItsCaption) {
  Start("results");
  launcher_->ClickAt(window_, 40, kMenuTop[2] + 10);
  const Shown failed = Answer(*launcher_, "TDialogInfoForm", IDOK, 10000);
  EXPECT_EQ(failed.title, "Results");
  EXPECT_EQ(failed.text, "Not installed:\n\rBroken");
  Close();
}

// A disc without the new keys shows exactly what it showed before.
TEST_F(ResultsTest, WithoutTheKeysNothingIsAddedAndNothingMoreIsShown) {
  Start("results-plain");
  launcher_->ClickAt(window_, 40, kMenuTop[2] + 10);
  ASSERT_TRUE(WaitFor([&] {
    std::ifstream in(folder_ + "/record.txt");
    std::string line;
    return static_cast<bool>(std::getline(in, line));
  }));
  EXPECT_EQ(WaitForVisibleWindow("TDialogInfoForm", 1500, launcher_->ProcessId()), nullptr);
  Install({0, 2, 3});  // only "Fails" runs
  const Shown done = Answer(*launcher_, "TDialogInfoForm", IDOK, NoticesTime(1));
  EXPECT_EQ(done.text, "Done.");
  Close();
}

// A log that cannot be written leaves the launcher as it is without one.
TEST_F(ResultsTest, ALogInAFolderThatDoesNotExistChangesNothingElse) {
  Start("results", "/log \"no such folder\\support.log\"");
  EXPECT_EQ(WaitForVisibleWindow("#32770", 300, launcher_->ProcessId()), nullptr);
  launcher_->ClickAt(window_, 40, kMenuTop[2] + 10);
  EXPECT_EQ(Answer(*launcher_, "TDialogInfoForm", IDOK, 10000).text, "Not installed:\n\rBroken");
  Close();
}

}  // namespace
}  // namespace launcher::test
