// A disc set and today's media: questions that close themselves once the
// file they wait for is there, and a launcher started away from its disc.
#include <windows.h>
// after windows.h, whose types it uses
#include <dbt.h>

#include <algorithm>

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
