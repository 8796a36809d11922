// The unattended run of the real launcher, as an administrator's deployment
// tool starts it: no window at any moment, the disc's own actions in order,
// and an exit code read in full (a Linux parent of Wine sees it modulo 256).
#include <fstream>

#include "e2e/ActionsDisc.h"

namespace launcher::test {
namespace {

const std::string kQuiet = "fixtures/e2e/quiet";

// Whether the process shows any window now.
bool ShowsAWindow(DWORD processId) {
  return VisibleWindowOf(processId, [](HWND) { return true; }) != nullptr;
}

struct QuietRunSeen {
  DWORD exitCode = STILL_ACTIVE;
  DWORD milliseconds = 0;
  bool windowSeen = false;
  std::vector<std::string> log;
};

class QuietTest : public LoggedLauncherTest {
 protected:
  QuietTest() : LoggedLauncherTest("quiet.log") {
    CopyFileA(PROBE_EXE, (kQuiet + "/probe.exe").c_str(), FALSE);
    std::ofstream(kQuiet + "/record.txt").close();
  }
  // Starts the launcher with the arguments and watches its windows until it ends.
  QuietRunSeen RunQuietly(const std::string& arguments) {
    QuietRunSeen seen;
    const DWORD start = GetTickCount();
    LauncherProcess launcher(kQuiet, arguments + " /log \"" + log_ + "\"");
    EXPECT_TRUE(launcher.Started());
    while ((seen.exitCode = launcher.WaitForExit(20)) == STILL_ACTIVE && GetTickCount() - start < 30000) {
      seen.windowSeen |= ShowsAWindow(launcher.ProcessId());
    }
    seen.milliseconds = GetTickCount() - start;
    seen.log = LoggedEvents(log_);
    return seen;
  }
  static std::vector<std::string> Records() {
    std::ifstream in(kQuiet + "/record.txt");
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line.substr(0, line.find('|')));
    return lines;
  }
  static bool Logged(const QuietRunSeen& seen, const std::string& event) {
    return std::find(seen.log.begin(), seen.log.end(), event) != seen.log.end();
  }
};

TEST_F(QuietTest, AChecklistButtonRunsEveryComponentInOrderWithoutAWindowAndEndsWith3010) {
  const QuietRunSeen seen = RunQuietly("/quiet /button 1");
  EXPECT_EQ(seen.exitCode, 3010u);
  EXPECT_FALSE(seen.windowSeen);
  EXPECT_LT(seen.milliseconds, 12000u);  // three notices alone would take 15 s
  EXPECT_EQ(Records(), (std::vector<std::string>{"probe.exe 0 1500 record.txt", "probe.exe 3010 1500 record.txt",
                                                 "probe.exe 0 1500 record.txt"}));
  for (const char* event : {"outcome: First: succeeded", "outcome: Second: succeeded, restart needed (code 3010)",
                            "outcome: Third: succeeded", "unattended: exit code 3010", "end: exit code 3010"}) {
    EXPECT_TRUE(Logged(seen, event)) << event << "\n" << testing::PrintToString(seen.log);
  }
}

TEST_F(QuietTest, AFailingComponentEndsTheRunWithItsOwnCode) {
  const QuietRunSeen seen = RunQuietly("/QUIET /run Action4,Action1");
  EXPECT_EQ(seen.exitCode, 1625u);
  EXPECT_FALSE(seen.windowSeen);
  EXPECT_EQ(Records().size(), 2u);
}

TEST_F(QuietTest, AMissingProgramFailsWithoutAsking) {
  const QuietRunSeen seen = RunQuietly("/quiet /button 4");
  EXPECT_EQ(seen.exitCode, 1603u);
  EXPECT_FALSE(seen.windowSeen);
  EXPECT_TRUE(Logged(seen, "outcome: Missing: failed (code 2)"));
}

TEST_F(QuietTest, ArgumentsThatNameNothingEndWith87) {
  EXPECT_EQ(RunQuietly("/quiet /button 12").exitCode, 87u);
  EXPECT_EQ(RunQuietly("/quiet").exitCode, 87u);
  EXPECT_TRUE(Records().empty());
}

TEST_F(QuietTest, AnotherLauncherOnTheDesktopEndsTheRunWith1618) {
  LauncherProcess other(kQuiet);
  ASSERT_NE(other.MainWindow(), nullptr);
  const QuietRunSeen seen = RunQuietly("/quiet /button 1");
  EXPECT_EQ(seen.exitCode, 1618u);
  EXPECT_TRUE(Records().empty());
  EXPECT_EQ(other.Close(other.MainWindow()), 0u);
}

// Without /quiet an unknown argument changes nothing: the menu, and nothing run.
TEST_F(QuietTest, WithoutQuietTheLauncherStartsAsBefore) {
  launcher_ = std::make_unique<LauncherProcess>(kQuiet, "/button 1");
  window_ = launcher_->MainWindow();
  ASSERT_NE(window_, nullptr);
  EXPECT_TRUE(IsWindowVisible(window_));
  Sleep(500);  // what must not happen has no event to wait for
  EXPECT_TRUE(Records().empty());
  EXPECT_EQ(launcher_->Close(window_), 0u);
}

TEST_F(QuietTest, UsageIsShownInAMessageBox) {
  LauncherProcess launcher(kQuiet, "/?");
  const MessageBoxSeen box = launcher.AnswerMessageBox();
  EXPECT_TRUE(box.found);
  EXPECT_EQ(box.title, "Install_Windows");
  EXPECT_NE(box.text.find("/quiet /button N"), std::string::npos) << box.text;
  EXPECT_EQ(launcher.WaitForExit(), 0u);
}

}  // namespace
}  // namespace launcher::test
