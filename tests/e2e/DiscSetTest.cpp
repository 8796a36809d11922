// A disc set and today's media: questions that close themselves once the
// file they wait for is there, and a launcher started away from its disc.
#include <windows.h>
// after windows.h, whose types it uses
#include <dbt.h>

#include <algorithm>
#include <fstream>

#include "core/Selection.h"
#include "e2e/ActionsDisc.h"

namespace launcher::test {
namespace {

// What Windows tells every top-level window when a disc, a stick or a
// mounted image arrives: sent, not posted, since it carries a pointer.
void BroadcastVolumeArrival() {
  DEV_BROADCAST_VOLUME volume{};
  volume.dbcv_size = sizeof volume;
  volume.dbcv_devicetype = DBT_DEVTYP_VOLUME;
  volume.dbcv_unitmask = 1u << ('E' - 'A');
  DWORD recipients = BSM_APPLICATIONS;
  BroadcastSystemMessageA(BSF_QUERY | BSF_IGNORECURRENTTASK | BSF_FORCEIFHUNG, &recipients, WM_DEVICECHANGE, DBT_DEVICEARRIVAL,
                          reinterpret_cast<LPARAM>(&volume));
}

bool Contains(const std::vector<std::string>& events, const std::string& event) {
  return std::find(events.begin(), events.end(), event) != events.end();
}

class DiscSetTest : public LoggedLauncherTest {
 protected:
  DiscSetTest() : LoggedLauncherTest("disc-set.log") {}
  void SetUp() override {
    for (const char* record : {"record-menu.txt", "record-disc.txt"}) Create(record);
    DeleteFileA(DiscFile("later.txt").c_str());
    DeleteFileA(DiscFile("later.exe").c_str());
    CopyFileA(PROBE_EXE, DiscFile("probe.exe").c_str(), FALSE);
  }
};

TEST_F(DiscSetTest, TheMissingFileQuestionClosesItselfOnceTheFileIsCopiedInAndTheProgramRuns) {
  Start(kDisc);
  ClickMenu(2);  // later.exe 0 later.txt
  HWND form = WaitForVisibleWindow("TDialogRetryCancelForm", 10000, launcher_->ProcessId());
  ASSERT_NE(form, nullptr);
  CopyFileA(PROBE_EXE, DiscFile("later.exe").c_str(), FALSE);
  Create("later.txt");
  ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(form); }, 4000));
  ASSERT_TRUE(WaitFor([] { return Recorded("later.txt").size() == 1; }));
  EXPECT_EQ(Recorded("later.txt")[0], "later.exe 0 later.txt");
  const auto events = EndAndReadLog();
  EXPECT_TRUE(Contains(events, "retry-cancel: Missing | later.txt\\n\\rwas not found.\\n\\rInsert Actions disc. -> "
                               "Retry (file arrived)"));
}

// The file is on the disc all along (disc 1 may hold one of the same name):
// the question waits for the user until new media arrives.
TEST_F(DiscSetTest, TheInsertDiscQuestionStaysUntilMediaArrivesThenGoesOn) {
  Start(kDisc);
  ClickMenu(3);  // [DISKCHANGE:Second disc]probe.exe 0 record-disc.txt
  HWND form = WaitForVisibleWindow("TDialogOKCancelForm", 10000, launcher_->ProcessId());
  ASSERT_NE(form, nullptr);
  // What must not happen has no event to wait for: a grace period of more
  // than one test of the file.
  Sleep(2000);
  EXPECT_TRUE(IsWindowVisible(form));
  EXPECT_TRUE(Recorded("record-disc.txt").empty());
  BroadcastVolumeArrival();
  ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(form); }, 4000));
  ASSERT_TRUE(WaitFor([] { return Recorded("record-disc.txt").size() == 1; }));
  const auto events = EndAndReadLog();
  EXPECT_TRUE(Contains(events, "ok-cancel: Insert disc | Please insert:\\n\\rSecond disc\\n\\rnow. -> OK (file arrived)"));
}

// Disc 2 mounted on a drive of its own, the CD-ROM drive E: (an image
// double-clicked, a second drive) while disc 1 stays where it is.
class TwoDrivesTest : public LoggedLauncherTest {
 protected:
  TwoDrivesTest() : LoggedLauncherTest("two-drives.log") {}
  void SetUp() override {
    CopyFileA(PROBE_EXE, (kTwoDrives + "/probe.exe").c_str(), FALSE);
    std::ofstream(kTwoDrives + "/record-1.txt").close();
    Eject();
  }
  void TearDown() override {
    LoggedLauncherTest::TearDown();
    Eject();
  }
  static void Eject() {
    for (const char* file : {"/probe.exe", "/record-2.txt"}) DeleteFileA((std::string(CD_DRIVE_FOLDER) + file).c_str());
  }
  static void InsertDisc2() {
    CopyFileA(PROBE_EXE, (std::string(CD_DRIVE_FOLDER) + "/probe.exe").c_str(), FALSE);
    std::ofstream(std::string(CD_DRIVE_FOLDER) + "/record-2.txt").close();
  }
  // The start in disc 2's record: its command line and working directory.
  static std::string Disc2Started() {
    std::ifstream in(std::string(CD_DRIVE_FOLDER) + "/record-2.txt");
    std::string line;
    std::getline(in, line);
    return line.substr(0, line.rfind('|'));
  }
  void InstallBoth() {
    ASSERT_TRUE(OpenChecklist(1));
    launcher_->ClickAt(window_, 440, 385);
  }
  void ExpectStartedFromDrive(const std::vector<std::string>& events) {
    EXPECT_EQ(Disc2Started(), "E:\\probe.exe 0 record-2.txt|E:\\");
    EXPECT_TRUE(Contains(events, "disc 'Second disc' found on E:\\")) << testing::PrintToString(events);
    EXPECT_TRUE(Contains(events, "start: E:\\probe.exe 0 record-2.txt")) << testing::PrintToString(events);
  }

  const std::string kTwoDrives = "fixtures/e2e/two-drives";
};

TEST_F(TwoDrivesTest, ADiscAlreadyMountedIsFoundWithoutAQuestionAndRunsFromItsRoot) {
  InsertDisc2();
  Start(kTwoDrives);
  InstallBoth();
  Answer done = AnswerWindow(*launcher_, "TDialogInfoForm", IDOK, 2 * kNoticeSeconds * 1000 + 10000);
  EXPECT_EQ(done.text, "Done.");
  const auto events = EndAndReadLog();
  EXPECT_TRUE(std::none_of(events.begin(), events.end(),
                           [](const std::string& e) { return e.rfind("ok-cancel:", 0) == 0; }));
  ExpectStartedFromDrive(events);
}

TEST_F(TwoDrivesTest, TheQuestionClosesItselfWhenTheDiscArrivesOnAnotherDrive) {
  Start(kTwoDrives);
  InstallBoth();
  HWND form = WaitForVisibleWindow("TDialogOKCancelForm", 2 * kNoticeSeconds * 1000 + 10000, launcher_->ProcessId());
  ASSERT_NE(form, nullptr);
  InsertDisc2();
  BroadcastVolumeArrival();
  ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(form); }, 4000));
  Answer done = AnswerWindow(*launcher_, "TDialogInfoForm", IDOK);
  EXPECT_EQ(done.text, "Done.");
  const auto events = EndAndReadLog();
  EXPECT_TRUE(Contains(events, "ok-cancel: Insert disc | Please insert:\\n\\rSecond disc\\n\\rnow. -> OK (file arrived)"));
  ExpectStartedFromDrive(events);
}

// Started by a double-click or a shortcut, the current directory is
// somewhere else: the launcher's own folder is its disc, for the menu and
// for the programs it starts.
TEST_F(DiscSetTest, StartedFromAnotherFolderTheLauncherFindsItsDiscBesideItself) {
  const std::string copy = FullPath(DiscFile("Install_Windows.exe"));
  ASSERT_TRUE(CopyFileA(LauncherExe().c_str(), copy.c_str(), FALSE));
  Start("artifacts", copy);
  EXPECT_EQ(WindowText(window_), "Actions");
  ClickMenu(1);
  ASSERT_TRUE(WaitFor([] { return Recorded("record-menu.txt").size() == 1; }));
  std::ifstream in(DiscFile("record-menu.txt"));
  std::string line;
  std::getline(in, line);
  std::string disc = FullPath(kDisc);
  std::replace(disc.begin(), disc.end(), '/', '\\');
  EXPECT_NE(line.find("|" + disc + "|"), std::string::npos) << line;
  const auto events = EndAndReadLog();
  DeleteFileA(copy.c_str());
  EXPECT_TRUE(Contains(events, "folder: " + FullPath("artifacts") + " has no install.jar; the launcher's own folder "
                                "is the disc: " + disc))
      << (events.size() > 1 ? events[1] : "");
}

}  // namespace
}  // namespace launcher::test
