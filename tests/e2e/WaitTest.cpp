// How the real launcher waits for what it starts: installers that hand
// over to another program, Windows Installer busy with another
// installation, a program that ends with -1; and that the wait stays sound:
// clicks made meanwhile are not replayed, a close is held until the program
// has ended, and a screen reader gets its answers.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <atomic>
#include <fstream>
#include <thread>

#include "e2e/AccessibleTree.h"
#include "e2e/ActionsDisc.h"

namespace launcher::test {
namespace {

const std::string kWaits = "fixtures/e2e/waits";
constexpr POINT kInstall{440, 385};

std::string WaitsFile(const std::string& name) { return kWaits + "/" + name; }

std::vector<std::string> Lines(const std::string& name) {
  std::ifstream in(WaitsFile(name));
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line.substr(0, line.find('|')));
  return lines;
}

bool Logged(const std::vector<std::string>& events, const std::string& part) {
  return std::any_of(events.begin(), events.end(),
                     [&](const std::string& event) { return event.find(part) != std::string::npos; });
}

// The position of the first event that holds `part`, or the end.
size_t Where(const std::vector<std::string>& events, const std::string& part) {
  return static_cast<size_t>(std::find_if(events.begin(), events.end(),
                                          [&](const std::string& event) {
                                            return event.find(part) != std::string::npos;
                                          }) -
                             events.begin());
}

class WaitTest : public LoggedLauncherTest {
 protected:
  WaitTest() : LoggedLauncherTest("waits.log") {}
  void SetUp() override {
    CopyFileA(PROBE_EXE, WaitsFile("probe.exe").c_str(), FALSE);
    CopyFileA(STANDIN_EXE, WaitsFile("standin.exe").c_str(), FALSE);
    for (const char* record : {"record-child.txt", "record-run.txt", "record-slow.txt", "record-once.txt",
                               "record-minus.txt", "record-close.txt"}) {
      std::ofstream(WaitsFile(record)).close();
    }
    DeleteFileA(WaitsFile("once-marker.txt").c_str());
    Start(kWaits);
  }
  bool Started(const std::string& record, size_t times = 1, DWORD timeoutMs = 15000) {
    return WaitFor([&] { return Lines(record).size() >= times; }, timeoutMs);
  }
};

TEST_F(WaitTest, ABootstrappedComponentIsWaitedForUntilTheProgramItHandedOverToHasEnded) {
  ASSERT_TRUE(OpenChecklist(1));
  launcher_->ClickAt(window_, kInstall.x, kInstall.y);
  ASSERT_TRUE(Started("record-child.txt", 1, 15000));
  const DWORD childStarted = GetTickCount();
  // The child runs 6 s after its installer ended; then the next notice's 5 s.
  ASSERT_TRUE(Started("record-run.txt", 1, 20000));
  EXPECT_GE(GetTickCount() - childStarted, 10500u);
  EXPECT_EQ(AnswerWindow(*launcher_, "TDialogInfoForm", IDOK, 15000).text, "Done.");
  const auto events = EndAndReadLog();
  EXPECT_TRUE(Logged(events, "start: standin.exe handover 0 probe.exe 0 6000 record-child.txt (waiting for every "
                             "program it starts)"));
  EXPECT_TRUE(Logged(events, "(probe.exe) joined"));
  EXPECT_LT(Where(events, "job: the last program ended after 6 s"), Where(events, "start: probe.exe 0 record-run.txt"));
}

TEST_F(WaitTest, AMenuButtonWithWaitForAllWaitsForWhatItsProgramStarted) {
  ClickMenu(2);
  ASSERT_TRUE(Started("record-child.txt"));
  ASSERT_TRUE(ProgramsEnded());
  const auto events = EndAndReadLog();
  const size_t joined = Where(events, "(probe.exe) joined");
  EXPECT_LT(joined, events.size());
  EXPECT_LT(joined, Where(events, "job: the last program ended after 2 s"));
  EXPECT_LT(Where(events, "job: the last program ended after 2 s"), Where(events, "exit code: 0"));
}

// This test holds Windows Installer's mutex, as another installation would.
TEST_F(WaitTest, WhileWindowsInstallerIsBusyNothingStartsAndTheNoticeSaysWhy) {
  HANDLE installation = CreateMutexA(nullptr, FALSE, "Global\\_MSIExecute");
  ASSERT_NE(installation, nullptr);
  ClickMenu(3);
  HWND notice = WaitForVisibleWindow("TDialogDelayForm", 10000, launcher_->ProcessId());
  ASSERT_NE(notice, nullptr);
  EXPECT_EQ(WindowText(GetDlgItem(notice, 1000)), "Waiting for another installation to end.");
  WaitUntilPainted(notice);
  const DWORD noticeShown = GetTickCount();
  SaveScreenshot(notice, "artifacts/notice-installer-busy.bmp");
  Sleep(2500);  // what must not happen has no event to wait for
  EXPECT_TRUE(Lines("record-slow.txt").empty());
  const int released = MillisecondOfDay();
  const DWORD userWaitedMs = GetTickCount() - noticeShown;
  CloseHandle(installation);
  ASSERT_TRUE(Started("record-slow.txt"));
  EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(notice); }, 3000));
  ASSERT_TRUE(ProgramsEnded());
  // The wait ends as the installation does, and says how long the user waited.
  const std::optional<int> waitEnded = LoggedMillisecondOf(log_, "windows installer busy: waited ");
  ASSERT_TRUE(waitEnded.has_value());
  EXPECT_LE(*waitEnded - released, 250);
  const auto events = EndAndReadLog();
  const std::string waited = events[Where(events, "windows installer busy: waited ")];
  const int seconds = std::atoi(waited.c_str() + std::strlen("windows installer busy: waited "));
  EXPECT_NEAR(seconds * 1000, static_cast<int>(userWaitedMs), 700) << waited;
}

TEST_F(WaitTest, AnInstallerThatFoundWindowsInstallerBusyIsStartedAgainAndSucceeds) {
  ClickMenu(5);
  ASSERT_TRUE(Started("record-once.txt", 2));
  ASSERT_TRUE(ProgramsEnded(2));
  EXPECT_EQ(WaitForVisibleWindow("TDialogInfoForm", 1000, launcher_->ProcessId()), nullptr);  // no failure to tell
  const auto events = EndAndReadLog();
  EXPECT_TRUE(Logged(events, "exit code: 1618"));
  EXPECT_TRUE(Logged(events, "repeat 1 of 3: standin.exe once 1618 once-marker.txt record-once.txt (it ended "
                             "with 1618: another installation in progress)"));
  EXPECT_TRUE(Logged(events, "outcome: Once: succeeded"));
  EXPECT_EQ(Lines("record-once.txt").size(), 2u);
}

// The program ran and failed: no system message about an unrelated last
// error ("Success"), but the disc's own failure text.
TEST_F(WaitTest, AProgramThatEndsWithMinusOneFailedWithThatCode) {
  ClickMenu(6);
  EXPECT_EQ(AnswerWindow(*launcher_, "TDialogInfoForm", IDOK).text, "Not installed:\n\rMinus one");
  EXPECT_EQ(WaitForVisibleWindow("#32770", 500, launcher_->ProcessId()), nullptr);
  const auto events = EndAndReadLog();
  EXPECT_TRUE(Logged(events, "exit code: -1"));
  EXPECT_TRUE(Logged(events, "outcome: Minus one: failed (code -1)"));
  EXPECT_FALSE(Logged(events, "not started"));
}

TEST_F(WaitTest, ClicksMadeWhileAProgramRunsAreDroppedNotReplayed) {
  ClickMenu(3);
  ASSERT_TRUE(Started("record-slow.txt"));
  ClickMenu(3);  // the same button again
  ClickMenu(4);  // and the one that shows a message
  ASSERT_TRUE(ProgramsEnded());
  Sleep(1000);  // what must not happen has no event to wait for
  EXPECT_EQ(Lines("record-slow.txt").size(), 1u);
  EXPECT_EQ(WaitForVisibleWindow("TDialogInfoForm", 500, launcher_->ProcessId()), nullptr);
  EXPECT_TRUE(Logged(EndAndReadLog(), "input during the wait: 2 clicks dropped"));
}

TEST_F(WaitTest, ACloseWhileAProgramRunsIsHeldUntilItEndsThenTheLauncherEnds) {
  ClickMenu(3);
  ASSERT_TRUE(Started("record-slow.txt"));
  PostMessageA(window_, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitFor([&] { return Logged(LoggedEvents(log_), "close: held"); }));
  EXPECT_TRUE(IsWindowVisible(window_));
  EXPECT_EQ(launcher_->WaitForExit(10000), 0u);  // by itself, once the program has ended
  const auto events = LoggedEvents(log_);
  EXPECT_LT(Where(events, "close: held until the running program has ended"), Where(events, "exit code: 0"));
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.back(), "end");
  // No ghost is left behind: the next start shows the menu.
  LauncherProcess again(kWaits);
  EXPECT_NE(again.MainWindow(), nullptr);
}

// A close while the launcher shows a message is held too, though no program
// runs: the log says what it waited for.
TEST_F(WaitTest, ACloseWhileAMessageIsShownIsHeldUntilItIsAnswered) {
  ClickMenu(4);  // [DIALOG]About this disc
  HWND about = WaitForVisibleWindow("TDialogInfoForm", 10000, launcher_->ProcessId());
  ASSERT_NE(about, nullptr);
  PostMessageA(window_, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitFor([&] { return Logged(LoggedEvents(log_), "close: held"); }));
  EXPECT_TRUE(IsWindowVisible(window_));
  PostMessageA(GetDlgItem(about, IDOK), BM_CLICK, 0, 0);
  EXPECT_EQ(launcher_->WaitForExit(10000), 0u);
  const auto events = LoggedEvents(log_);
  EXPECT_TRUE(Logged(events, "close: held until the action under way has ended"));
  EXPECT_TRUE(Logged(events, "close: carried out, the action has ended"));
  EXPECT_FALSE(Logged(events, "running program"));
}

// The taskbar button's Close reaches the application window, which hands
// it to the main window: held all the same.
TEST_F(WaitTest, ACloseFromTheTaskbarIsHeldTheSameWay) {
  HWND application = GetWindow(window_, GW_OWNER);
  ASSERT_NE(application, nullptr);
  ClickMenu(3);
  ASSERT_TRUE(Started("record-slow.txt"));
  PostMessageA(application, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitFor([&] { return Logged(LoggedEvents(log_), "close: held"); }));
  EXPECT_TRUE(IsWindowVisible(window_));
  EXPECT_EQ(launcher_->WaitForExit(10000), 0u);
  const auto events = LoggedEvents(log_);
  EXPECT_LT(Where(events, "close: held until the running program has ended"), Where(events, "exit code: 0"));
}

TEST_F(WaitTest, ACloseDuringAnInstallRunStartsNoFurtherComponentAndSaysWhatWasNotInstalled) {
  ASSERT_TRUE(OpenChecklist(7));
  launcher_->ClickAt(window_, kInstall.x, kInstall.y);
  ASSERT_TRUE(Started("record-close.txt"));
  PostMessageA(window_, WM_CLOSE, 0, 0);
  EXPECT_EQ(AnswerWindow(*launcher_, "TDialogInfoForm", IDOK, 10000).text,
            "Done.\n\r\n\rNot installed:\n\rSecond of three\n\rThird of three");
  EXPECT_EQ(launcher_->WaitForExit(), 0u);
  EXPECT_EQ(Lines("record-close.txt").size(), 1u);
  const auto events = LoggedEvents(log_);
  EXPECT_TRUE(Logged(events, "not started: Second of three (the launcher was asked to close)"));
  EXPECT_TRUE(Logged(events, "outcome: Third of three: cancelled"));
}

// A screen reader's calls reach the launcher's apartment across the
// process boundary; they are answered while it waits, within a second or
// two, not after the installer. At a focus change a screen reader reads
// every item of the page: name, role, state, place, description and
// default action, one call each.
TEST_F(WaitTest, AScreenReaderIsAnsweredWhileAProgramRunsAndWhileANoticeShows) {
  auto readWithin = [&](DWORD timeoutMs, const char* phase) {
    std::atomic<bool> read{false};
    std::thread reader([&] {
      AccessibleTree tree(Page(0));
      read = tree.Valid() && tree.Children().size() >= 10;
    });
    const DWORD start = GetTickCount();
    const bool inTime = WaitFor([&] { return read.load(); }, timeoutMs);
    const DWORD took = GetTickCount() - start;
    reader.join();  // a launcher that does not answer answers after its wait
    RecordProperty(std::string("read_ms_") + phase, std::to_string(took));
    return inTime;
  };
  ClickMenu(3);
  ASSERT_TRUE(Started("record-slow.txt"));
  EXPECT_TRUE(readWithin(2000, "program")) << "while a program runs";
  ASSERT_TRUE(ProgramsEnded());
  ASSERT_TRUE(OpenChecklist(7));
  launcher_->ClickAt(window_, kInstall.x, kInstall.y);
  ASSERT_NE(WaitForVisibleWindow("TDialogDelayForm", 10000, launcher_->ProcessId()), nullptr);
  EXPECT_TRUE(readWithin(2000, "notice")) << "while a notice shows";
  PostMessageA(window_, WM_CLOSE, 0, 0);  // the rest of the run is not needed
  AnswerWindow(*launcher_, "TDialogInfoForm", IDOK, 15000);
  EXPECT_EQ(launcher_->WaitForExit(), 0u);
}

}  // namespace
}  // namespace launcher::test
